#include "ui/solver_assistant.h"

#include "engine/play/play_engine.h"
#include "engine/records/play_history.h"
#include "engine/records/play_position.h"
#include "engine/solver/table_fingerprint.h"
#include "render/drawing_target.h"
#include "settings/preference_table.h"
#include "table/program_state.h"
#include "ui/message_boxes.h"
#include "ui/qt_frontend.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

namespace vellomir::ui {
namespace {

using engine::PointerCommand;
using engine::SolveOutcome;
using Verb = PointerCommand::Verb;
using table::Flag;

const QString kTitle = QStringLiteral("Vellomir");

std::string pileOf(const std::string& place) {
    return place.substr(0, place.find(':'));
}

} // namespace

SolverAssistant::SolverAssistant(QWidget& window, table::ProgramState& state, MessageBoxes& boxes)
    : QObject(&window), m_window(window), m_state(state), m_boxes(boxes), m_search(this) {
    m_label = new QLabel(&window);
    m_label->setObjectName(QStringLiteral("lblWinnable"));
    m_label->hide();
    connect(&m_search, &DealSearch::positionSearched, this,
            [this](const SearchAnswer& answer) { answered(answer); });
}

SolverAssistant::~SolverAssistant() {
    if (m_demo.active) {
        qApp->removeEventFilter(this);
    }
}

void SolverAssistant::attach(QtFrontend& frontend, engine::PlayEngine& engine) {
    m_frontend = &frontend;
    m_engine = &engine;
}

bool SolverAssistant::playable() const {
    return m_engine && m_frontend && m_state.flags.test(Flag::GameInPlay) &&
           !m_state.flags.test(Flag::Won) && !m_state.flags.test(Flag::AnimationRunning) &&
           engine::playerHoldsNothing(m_state) && !m_engine->history().actionUnderWay();
}

QString SolverAssistant::statusWord() const {
    return m_label->isVisible() ? m_word : QString();
}

void SolverAssistant::setWord(const QString& word) {
    // The status bar shows the word translated; the assistant keeps it in English.
    m_word = word;
    m_label->setText(tr(word.toUtf8().constData()));
    m_label->setVisible(!word.isEmpty());
    emit statusChanged(word);
}

void SolverAssistant::positionChanged() {
    clearHint();
    if (m_engine && m_state.flags.test(Flag::GameInPlay) && !m_state.flags.test(Flag::Won) &&
        (!engine::playerHoldsNothing(m_state) || m_engine->history().actionUnderWay())) {
        return; // a card is held: the position is the same until it is let go
    }
    if (!playable()) {
        m_search.cancelPosition();
        m_searching = false;
        m_answer.reset();
        m_hintWanted = m_solveWanted = false;
        if (!m_state.flags.test(Flag::GameInPlay) || m_state.flags.test(Flag::Won)) {
            m_known.clear();
            stopDemo();
            setWord({});
        }
        return;
    }
    const std::uint64_t now = engine::tableFingerprint(m_state);
    if (now == m_position && (m_answer || m_searching)) {
        return;
    }
    m_position = now;
    m_hintWanted = m_solveWanted = false;
    if (m_dealtAnswer && m_dealtAnswer->position == now) {
        m_answer = std::exchange(m_dealtAnswer, std::nullopt);
        m_known[now] = *m_answer;
        m_search.cancelPosition();
        m_searching = false;
        setWord(kWinnable);
        return;
    }
    // The next move of the known line: the rest of the line still wins.
    if (m_answer && m_answer->outcome == SolveOutcome::Solved) {
        const auto next = std::ranges::find(m_answer->after, now);
        if (next != m_answer->after.end()) {
            m_answer = m_answer->rest(static_cast<std::size_t>(next - m_answer->after.begin()) + 1);
            m_search.cancelPosition();
            m_searching = false;
            setWord(kWinnable);
            return;
        }
    }
    m_answer = knownAnswer(now);
    if (m_answer && m_answer->outcome != SolveOutcome::GaveUp) {
        m_search.cancelPosition();
        m_searching = false;
        setWord(m_answer->outcome == SolveOutcome::Solved ? kWinnable : kNotWinnable);
        return;
    }
    m_answer.reset();
    m_searching = true;
    setWord(kSearching);
    if (m_searchesHeld) {
        m_searchWaiting = true;
        return;
    }
    m_search.searchPosition(m_state, *m_frontend, m_positionLimit, m_positionMilliseconds);
}

void SolverAssistant::holdSearches(bool held) {
    m_searchesHeld = held;
    // The position searched is the one on the table now, the last one noted.
    if (!held && std::exchange(m_searchWaiting, false) && m_searching && playable()) {
        m_search.searchPosition(m_state, *m_frontend, m_positionLimit, m_positionMilliseconds);
    }
}

std::optional<SearchAnswer> SolverAssistant::knownAnswer(std::uint64_t position) const {
    if (const auto known = m_known.find(position); known != m_known.end()) {
        return known->second;
    }
    for (const auto& [root, answer] : m_known) {
        const auto at = std::ranges::find(answer.after, position);
        if (at != answer.after.end()) {
            return answer.rest(static_cast<std::size_t>(at - answer.after.begin()) + 1);
        }
    }
    return std::nullopt;
}

void SolverAssistant::answered(const SearchAnswer& answer) {
    m_searching = false;
    if (answer.position != m_position || !playable()) {
        return;
    }
    m_answer = answer;
    m_known[answer.position] = answer;
    setWord(answer.outcome == SolveOutcome::Solved     ? kWinnable
            : answer.outcome == SolveOutcome::Unsolved ? kNotWinnable
                                                       : kUnknown);
    if (std::exchange(m_hintWanted, false)) {
        showHint();
    }
    if (m_demo.active && !m_demo.dragging) {
        // The demo waited for the search of a position off its line.
        QTimer::singleShot(m_demoPauseMs, this, [this] { playNextDemoMove(); });
    } else if (std::exchange(m_solveWanted, false)) {
        startDemo();
    }
}

// --- Hint ------------------------------------------------------------------------

void SolverAssistant::hint() {
    if (!playable() || m_demo.active) {
        return;
    }
    positionChanged();
    if (m_searching) {
        m_hintWanted = true; // shown when the search ends, if nothing moved
        return;
    }
    showHint();
}

void SolverAssistant::showHint() {
    clearHint();
    if (!m_answer || m_answer->outcome != SolveOutcome::Solved || m_answer->moves.empty()) {
        noWinFound();
        return;
    }
    const PointerCommand& move = m_answer->moves.front();
    switch (move.verb) {
    case Verb::Quit:
        m_boxes.information(&m_window, kTitle,
                            tr("The game is won: start a new game to count it."));
        return;
    default:
        break;
    }
    const std::string target = move.verb == Verb::Drag ? pileOf(move.target) : std::string();
    if (render::DrawingTarget* drawing = m_frontend->drawing()) {
        // The drop's place as the line names it: a gap of a row is a place
        // of its own.
        drawing->markHint(move.place, move.verb == Verb::Drag ? move.target : std::string());
    }
    m_hintMarked = true;
    emit hintShown(QString::fromStdString(move.place), QString::fromStdString(target));
}

void SolverAssistant::clearHint() {
    if (std::exchange(m_hintMarked, false) && m_frontend && m_frontend->drawing()) {
        m_frontend->drawing()->clearHintMarks();
    }
}

void SolverAssistant::tablePressed() {
    // Off before the press: a card picked up takes the table under it along.
    clearHint();
}

std::optional<std::uint64_t> SolverAssistant::positionBeforeLastAction() const {
    const std::vector<engine::PlayPosition>& steps = m_engine->history().steps();
    if (steps.empty() || !m_engine->canUndo()) {
        return std::nullopt;
    }
    table::ProgramState before = m_state;
    engine::restorePosition(before, steps.back());
    return engine::tableFingerprint(before);
}

void SolverAssistant::noWinFound() {
    const QString text = m_answer && m_answer->outcome == SolveOutcome::Unsolved
                             ? tr("This game cannot be won from here.")
                             : tr("No win was found from here.");
    const std::optional<std::uint64_t> before = positionBeforeLastAction();
    const std::optional<SearchAnswer> known = before ? knownAnswer(*before) : std::nullopt;
    if (known && known->outcome == SolveOutcome::Solved) {
        if (m_boxes.confirm(&m_window, kTitle,
                            text + tr("\rIt could be won before the last move. "
                                      "Undo the last move?"))) {
            m_engine->undo();
        }
        return;
    }
    m_boxes.information(&m_window, kTitle, text);
}

// --- Solve ---------------------------------------------------------------------------

void SolverAssistant::solve() {
    if (!playable() || m_demo.active) {
        return;
    }
    positionChanged();
    if (m_searching) {
        m_solveWanted = true;
        return;
    }
    startDemo();
}

void SolverAssistant::startDemo() {
    if (!m_answer || m_answer->outcome != SolveOutcome::Solved || m_answer->moves.empty()) {
        noWinFound();
        return;
    }
    m_demo = Demo{};
    m_demo.active = true;
    m_demo.endings = m_state.gamesEnded;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { playNextDemoMove(); });
}

void SolverAssistant::stopDemo() {
    if (!m_demo.active) {
        return;
    }
    if (m_demo.dragging) {
        m_demo.stopWanted = true; // the drag under way ends first
        return;
    }
    m_demo.active = false;
    qApp->removeEventFilter(this);
}

bool SolverAssistant::eventFilter(QObject* watched, QEvent* event) {
    if (m_demo.active) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            stopDemo();
            return true;
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SolverAssistant::playNextDemoMove() {
    if (!m_demo.active) {
        return;
    }
    if (m_demo.stopWanted || !playable() || m_state.gamesEnded != m_demo.endings) {
        m_demo.dragging = false;
        stopDemo();
        return;
    }
    if (m_searching) {
        return; // a move came out otherwise than the line said: it goes on once searched
    }
    if (!m_answer || m_answer->outcome != SolveOutcome::Solved || m_answer->moves.empty() ||
        m_answer->position != engine::tableFingerprint(m_state)) {
        stopDemo();
        noWinFound();
        return;
    }
    const PointerCommand move = m_answer->moves.front();
    if (move.verb != Verb::Drag) {
        runDemoStep([this, &move] { sendGesture(move); });
        demoMoveDone();
        return;
    }
    std::string problem;
    const auto from = engine::placePoint(m_state, move.place, problem);
    const auto to = engine::placePoint(m_state, move.target, problem);
    if (!from || !to) {
        stopDemo();
        return;
    }
    m_demo.move = move;
    m_demo.fromX = from->x;
    m_demo.fromY = from->y;
    m_demo.toX = to->x;
    m_demo.toY = to->y;
    m_demo.step = 0;
    m_demo.dragging = true;
    m_engine->buttonDown(0, 0, from->x, from->y);
    QTimer::singleShot(m_dragStepMs, this, [this] { dragStep(); });
}

// One step of a drag of the demo: the held card goes a part of the way.
void SolverAssistant::dragStep() {
    ++m_demo.step;
    // A stop wanted halfway finishes the drag at once.
    const int step = m_demo.stopWanted ? kDragSteps : m_demo.step;
    const int x = m_demo.fromX + (m_demo.toX - m_demo.fromX) * step / kDragSteps;
    const int y = m_demo.fromY + (m_demo.toY - m_demo.fromY) * step / kDragSteps;
    m_engine->pointerMove(x, y);
    if (step < kDragSteps) {
        QTimer::singleShot(m_dragStepMs, this, [this] { dragStep(); });
        return;
    }
    m_demo.dragging = false;
    runDemoStep([this] { m_engine->buttonUp(); });
    demoMoveDone();
}

void SolverAssistant::runDemoStep(const std::function<void()>& step) {
    // The end of a game opens windows of its own inside the step (the
    // winning sequence, the game chooser): the demo's filter must not eat
    // their input, and a demo whose game has ended is over.
    qApp->removeEventFilter(this);
    step();
    if (m_state.gamesEnded != m_demo.endings) {
        m_demo.active = false;
    }
    if (m_demo.active) {
        qApp->installEventFilter(this);
    }
}

void SolverAssistant::demoMoveDone() {
    if (m_demo.stopWanted) {
        stopDemo();
        return;
    }
    if (m_demo.active) {
        QTimer::singleShot(m_demoPauseMs, this, [this] { playNextDemoMove(); });
    }
}

bool SolverAssistant::sendGesture(const PointerCommand& move) {
    std::string problem;
    return engine::runPointerCommand(*m_engine, move, problem);
}

// --- Winnable deals ----------------------------------------------------------------

bool SolverAssistant::winnableDealsOnly() const {
    const int game = m_state.settings.readInt(settings::field::Game, -1);
    return game >= 0 && settings::PreferenceFile(m_state.preferencesPath()).winnableDealsOnly(game);
}

void SolverAssistant::setWinnableDealsOnly(bool on) {
    const int game = m_state.settings.readInt(settings::field::Game, -1);
    if (game < 0) {
        return;
    }
    settings::PreferenceFile preferences(m_state.preferencesPath());
    const settings::WriteResult written = preferences.writeWinnableDealsOnly(game, on);
    if (!written && !written.message.empty()) {
        m_boxes.information(&m_window, kTitle, QString::fromStdString(written.message));
    }
}

void SolverAssistant::findWinnableDeal(std::function<void(std::optional<std::string>)> deal) {
    if (!m_frontend || m_dealFound) {
        return;
    }
    m_dealFound = std::move(deal);
    m_progress = new QProgressDialog(tr("Looking for a winnable deal..."), tr("Cancel"), 0,
                                     kDealTries, &m_window);
    m_progress->setObjectName(QStringLiteral("frmWinnableDeal"));
    m_progress->setWindowTitle(kTitle);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    m_progress->setMinimumDuration(0);
    m_progress->setValue(0);
    auto* progress = m_progress.data();
    auto close = [this] {
        if (m_progress) {
            m_progress->hide();
            m_progress->deleteLater();
        }
    };
    connect(progress, &QProgressDialog::canceled, this, [this, close] {
        m_search.cancelWinnableDeal();
        m_dealFound = nullptr;
        close();
    });
    connect(&m_search, &DealSearch::dealTried, progress, [this](int tried) {
        if (m_progress) {
            m_progress->setValue(tried);
            m_progress->setLabelText(
                tr("Looking for a winnable deal: deal %1 of %2...").arg(tried).arg(kDealTries));
        }
    });
    connect(&m_search, &DealSearch::winnableDealFound, progress,
            [this, close](const std::optional<WinnableDeal>& found) {
                close();
                auto deal = std::exchange(m_dealFound, nullptr);
                if (!deal) {
                    return;
                }
                if (!found) {
                    m_boxes.information(
                        &m_window, kTitle,
                        tr("None of the %1 deals tried could be shown to be winnable "
                           "within a second. An ordinary deal is dealt.")
                            .arg(kDealTries));
                    deal(std::nullopt);
                    return;
                }
                // Known before it is dealt: the status bar has its word at once.
                m_dealtAnswer = found->answer;
                deal(found->dealNumber);
            });
    m_progress->show();
    // Over the middle of the window that waits for it, wherever the window
    // system would have put it.
    m_progress->adjustSize();
    m_progress->move(m_window.frameGeometry().center() - m_progress->rect().center());
    m_search.findWinnableDeal(m_state, *m_frontend, kDealTries, kDealMilliseconds, m_positionLimit);
}

} // namespace vellomir::ui
