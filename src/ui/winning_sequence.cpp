#include "ui/winning_sequence.h"

#include "render/table_renderer.h"
#include "render/winning_animation.h"
#include "settings/preference_table.h"
#include "table/program_state.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <algorithm>
#include <optional>

namespace vellomir::ui {

using table::Flag;
namespace cell = table::cell;

bool WinningStopFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        break;
    case QEvent::NonClientAreaMouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
            return QObject::eventFilter(watched, event);
        }
        break;
    case QEvent::MouseButtonPress: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton) {
            return QObject::eventFilter(watched, event);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyRelease:
        // The other half of a press that was swallowed.
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken as the key's own: no menu shortcut runs, and the key press
        // that follows is swallowed here.
        event->accept();
    } else {
        m_flags.clear(Flag::AnimationRunning);
    }
    return true;
}

WinningSequence::WinningSequence(table::ProgramState& state, TfrmMain& window,
                                 render::TableRenderer& renderer)
    : m_state(state), m_window(window), m_renderer(renderer) {}

WinningSequence::~WinningSequence() {
    removeFilter();
}

void WinningSequence::run() {
    const settings::PreferenceFile preferences(m_state.preferencesPath());
    const std::string style =
        preferences.text(settings::Pref::WinningAnimations, render::kRandomWinningStyle);
    run(style, preferences.number(settings::Pref::WinningAnimationsTime));
}

void WinningSequence::run(const std::string& style, int seconds) {
    table::EngineFlags& flags = m_state.flags;
    flags.set(Flag::AnimationRunning);
    m_filter = std::make_unique<WinningStopFilter>(flags);
    qApp->installEventFilter(m_filter.get());
    m_window.activateWindow();
    m_window.tableView()->setFocus();

    QElapsedTimer clock;
    clock.start();
    render::WinningStage stage;
    stage.width = m_window.drawingAreaWidth();
    stage.height = m_window.drawingAreaHeight();
    stage.topLine = m_window.tableTopMargin();
    stage.cardWidth = m_state.cardSize.width;
    stage.cardHeight = m_state.cardSize.height;
    stage.speed = m_state.settings.readInt(settings::field::SpeedMoveCard, 10);
    stage.drawCard = [this](int card, int x, int y) {
        m_renderer.drawFace(card, x, y, false, render::Canvas::Window);
        m_renderer.drawFace(card, x, y, false, render::Canvas::Buffer);
    };
    stage.wait = [](int milliseconds) { render::TableRenderer::busyWait(milliseconds); };
    if (m_clock.wait) {
        stage.wait = m_clock.wait;
    }
    stage.processMessages = [this] {
        if (m_hook) {
            m_hook();
        }
        QApplication::processEvents(QEventLoop::AllEvents);
    };
    stage.elapsed = [&clock] { return clock.elapsed(); };
    if (m_clock.now) {
        stage.elapsed = [now = m_clock.now, start = m_clock.now()] { return now() - start; };
    }
    stage.random = [this](int n) { return m_state.random.draw(n); };
    stage.running = [&flags] { return flags.test(Flag::AnimationRunning); };

    // The thrown cards are not part of the table: they must not stretch its
    // scroll range.
    const int lowestEdge = m_renderer.lowestDrawnEdge();
    const std::optional<render::WinningStyle> chosen =
        render::winningStyleNamed(style, stage.random);
    if (chosen) {
        render::runWinningStyle(*chosen, stage,
                                static_cast<long long>(std::max(0, seconds)) * 1000);
    }
    m_renderer.setLowestDrawnEdge(lowestEdge);
    flags.clear(Flag::AnimationRunning);
    removeFilter();
}

void WinningSequence::stop() {
    m_state.flags.clear(Flag::AnimationRunning);
    removeFilter();
}

void WinningSequence::removeFilter() {
    if (m_filter) {
        if (qApp) {
            qApp->removeEventFilter(m_filter.get());
        }
        m_filter.reset();
    }
}

} // namespace vellomir::ui
