#include "ui/qt_frontend.h"

#include "render/drawing_target.h"
#include "resources/audio_backend.h"
#include "resources/cursor_table.h"
#include "resources/sound_service.h"
#include "settings/preference_table.h"
#include "settings/settings_record.h"
#include "table/program_state.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/msg_advice_form.h"
#include "ui/translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <QTime>

#include <algorithm>

namespace vellomir::ui {
namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kTitle = QStringLiteral("Vellomir");

} // namespace

// Discards key presses and left and right button presses reaching the
// application while a selection is being removed.
class QtFrontend::InputBlocker : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto button = static_cast<QMouseEvent*>(event)->button();
            return button == Qt::LeftButton || button == Qt::RightButton;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

QtFrontend::QtFrontend(table::ProgramState& state, MessageBoxes& boxes, AudioBackendFactory audio)
    : m_state(state), m_boxes(boxes), m_audioFactory(std::move(audio)) {}

QtFrontend::~QtFrontend() {
    setInputBlocked(false);
    if (m_busy) {
        QApplication::restoreOverrideCursor();
    }
}

seam::TableDrawing& QtFrontend::tableDrawing() {
    if (m_drawing != nullptr) {
        return *m_drawing;
    }
    return m_noDrawing;
}

void QtFrontend::attachResources(const resources::ResourceLibrary* library,
                                 const resources::CursorTable* cursors) {
    m_library = library;
    m_cursors = cursors;
}

// --- Sounds ----------------------------------------------------------------------------

resources::SoundService* QtFrontend::sounds() {
    if (!m_soundsAllowed || !m_library || !m_audioFactory) {
        return nullptr;
    }
    if (!m_sounds) {
        m_audio = m_audioFactory();
        if (!m_audio) {
            return nullptr;
        }
        m_sounds =
            std::make_unique<resources::SoundService>(m_state.settings, *m_library, *m_audio);
    }
    return m_sounds.get();
}

void QtFrontend::requestSplashSound(bool soundsEnabled, bool soundsSplash) {
    m_splashWanted = soundsSplash;
    m_splashSoundsEnabled = soundsEnabled;
    // The master switch is known before the preferences are loaded, as the
    // start-up sound needs it.
    m_state.settings.writeFlag(settings::field::SoundsEnabled, soundsEnabled);
}

void QtFrontend::allowSounds() {
    if (m_soundsAllowed) {
        return;
    }
    m_soundsAllowed = true;
    if (m_splashWanted && m_splashSoundsEnabled) {
        m_splashWanted = false;
        if (resources::SoundService* service = sounds()) {
            service->play("Splash", true, seam::SoundMode::AtOnce);
        }
    }
}

void QtFrontend::playSound(std::string_view name, bool switchOn, seam::SoundMode mode) {
    if (resources::SoundService* service = sounds()) {
        service->play(name, switchOn, mode);
    }
}

void QtFrontend::stopSound() {
    if (resources::SoundService* service = sounds()) {
        service->stop();
    }
}

// --- Messages --------------------------------------------------------------------------

void QtFrontend::showInformation(std::string_view text) {
    // An empty text is a write failure the player has already been told of.
    if (text.empty()) {
        return;
    }
    if (m_gathered) {
        if (std::ranges::find(*m_gathered, text) == m_gathered->end()) {
            m_gathered->emplace_back(text);
        }
        return;
    }
    m_boxes.information(m_window, kTitle, coreText(text));
}

std::vector<std::string> QtFrontend::takeGatheredInformation() {
    std::vector<std::string> gathered = m_gathered.value_or(std::vector<std::string>{});
    m_gathered.reset();
    return gathered;
}

bool QtFrontend::confirm(std::string_view text) {
    return m_boxes.confirm(m_window, kTitle, coreText(text));
}

void QtFrontend::showAdvice(std::string_view key, std::string_view text) {
    settings::PreferenceFile preferences(m_state.preferencesPath());
    ui::showAdvice(m_window, m_boxes, preferences, key, coreText(text), AdvicePage::Color);
}

void QtFrontend::beep() {
    QApplication::beep();
}

void QtFrontend::pause(int milliseconds) {
    // A busy wait: no events are handled, so no input reaches the program.
    // What is drawn meanwhile shows, as drawing repaints at once.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        const qint64 left = milliseconds - timer.elapsed();
        QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(left, 0, 5)));
    }
}

void QtFrontend::pauseHandlingMessages(int milliseconds) {
    // The window's messages go on being handled: it repaints and takes input
    // while the program waits.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        const qint64 left = milliseconds - timer.elapsed();
        QApplication::processEvents(QEventLoop::AllEvents,
                                    static_cast<int>(std::clamp<qint64>(left, 0, 5)));
        QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(left, 0, 5)));
    }
}

// --- Window state ----------------------------------------------------------------------

int QtFrontend::drawingAreaWidth() const {
    return m_window ? m_window->drawingAreaWidth() : 0;
}

int QtFrontend::drawingAreaHeight() const {
    return m_window ? m_window->drawingAreaHeight() : 0;
}

int QtFrontend::windowOuterHeight() const {
    return m_window ? m_window->windowOuterHeight() : 0;
}

int QtFrontend::tableTopMargin() const {
    return m_window ? m_window->tableTopMargin() : 5;
}

int QtFrontend::screenWidth() const {
    const QScreen* screen =
        m_window && m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int QtFrontend::screenHeight() const {
    const QScreen* screen =
        m_window && m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

void QtFrontend::cardSizeChanged(int, int) {
    if (m_drawing) {
        m_drawing->cardSizeChanged();
    }
}

void QtFrontend::setCaption(std::string_view caption) {
    if (m_window) {
        m_window->setCaptionText(fromView(caption));
    }
}

void QtFrontend::setCursor(int cursorNumber) {
    if (m_window && m_cursors) {
        m_window->setTableCursor(m_cursors->shape(cursorNumber));
    }
}

void QtFrontend::showClock(bool visible) {
    if (m_window) {
        m_window->setClockVisible(visible);
    }
}

void QtFrontend::showScore(bool visible) {
    if (m_window) {
        m_window->setScoreVisible(visible);
    }
}

void QtFrontend::setClockText(std::string_view text) {
    if (m_window) {
        m_window->setClockText(fromView(text));
    }
}

void QtFrontend::setScoreText(std::string_view text) {
    if (m_window) {
        m_window->setScoreText(fromView(text));
    }
}

void QtFrontend::setStatusBarVisible(bool visible) {
    if (m_window) {
        m_window->setStatusBarShown(visible);
    }
}

void QtFrontend::setAutoplayChecked(bool checked) {
    if (m_window) {
        m_window->setAutoplayChecked(checked);
    }
}

void QtFrontend::setAutoplayEnabled(bool enabled) {
    if (m_window) {
        m_window->setAutoplayEnabled(enabled);
    }
}

void QtFrontend::setCustomizeEnabled(bool enabled) {
    if (m_window) {
        m_window->setCustomizeWanted(enabled);
    }
}

void QtFrontend::setGameCommandsEnabled(bool enabled) {
    if (m_window) {
        m_window->setGameCommandsEnabled(enabled);
    }
}

void QtFrontend::setBusyCursor(bool busy) {
    if (busy == m_busy) {
        return;
    }
    m_busy = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtFrontend::hidePileSizePanel() {
    // The main window has no pile-size panel.
}

void QtFrontend::setInputBlocked(bool blocked) {
    if (blocked == m_inputBlocked) {
        return;
    }
    m_inputBlocked = blocked;
    if (blocked) {
        m_inputBlocker = std::make_unique<InputBlocker>();
        qApp->installEventFilter(m_inputBlocker.get());
    } else if (m_inputBlocker) {
        if (qApp) {
            qApp->removeEventFilter(m_inputBlocker.get());
        }
        m_inputBlocker.reset();
    }
}

long long QtFrontend::timeOfDayMs() const {
    return QTime::currentTime().msecsSinceStartOfDay();
}

// --- Program flow --------------------------------------------------------------------------

void QtFrontend::runWinningAnimation() {
    if (m_winningAnimation) {
        m_winningAnimation();
    }
}

void QtFrontend::openGameChooser() {
    if (m_window) {
        m_window->openGame();
    }
}

void QtFrontend::closeMainWindow() {
    if (m_window) {
        m_window->close();
    }
}

} // namespace vellomir::ui
