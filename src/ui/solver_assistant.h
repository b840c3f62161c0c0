#pragma once

#include "ui/deal_search.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

class QLabel;
class QProgressDialog;
class QWidget;

namespace vellomir::engine {
class PlayEngine;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

class MessageBoxes;
class QtFrontend;

/// The solver in the player's hands: the status bar's word on the deal, the
/// hint, the solving demo and the search for a winnable deal. Searches run
/// on worker threads (DealSearch) on copies of the table, so the table is
/// never kept waiting; each move the player makes calls the search of the
/// position before off and starts one of the new position, unless the
/// move was the next of the winning line already known.
class SolverAssistant : public QObject {
    Q_OBJECT
public:
    /// The words of the status bar, in English (the bar shows them translated).
    static inline const QString kWinnable =
        QStringLiteral(QT_TRANSLATE_NOOP("vellomir::ui::SolverAssistant", "winnable"));
    static inline const QString kNotWinnable = QStringLiteral(
        QT_TRANSLATE_NOOP("vellomir::ui::SolverAssistant", "not winnable from here"));
    static inline const QString kSearching =
        QStringLiteral(QT_TRANSLATE_NOOP("vellomir::ui::SolverAssistant", "searching"));
    /// The search ended at its bounds before it found a win or ran out of
    /// moves: nothing is known.
    static inline const QString kUnknown =
        QStringLiteral(QT_TRANSLATE_NOOP("vellomir::ui::SolverAssistant", "unknown"));

    /// Bounds of the search of each position of the table.
    static constexpr long kPositionLimit = 20000;
    static constexpr int kPositionMilliseconds = 15000;
    /// Bounds of the search for a winnable deal.
    static constexpr int kDealTries = 100;
    static constexpr int kDealMilliseconds = 1000;
    /// The pause between the moves of the demo, and the steps and pause of
    /// each drag in it.
    static constexpr int kDemoPauseMs = 350;
    static constexpr int kDragSteps = 8;
    static constexpr int kDragStepMs = 25;

    SolverAssistant(QWidget& window, table::ProgramState& state, MessageBoxes& boxes);
    ~SolverAssistant() override;

    void attach(QtFrontend& frontend, engine::PlayEngine& engine);
    /// Called after every action, undo, redo and deal.
    void positionChanged();
    /// Called before a press on the table reaches the play engine.
    void tablePressed();
    /// While held, a position to search waits (the word says "searching"):
    /// the first table is shown before the solver's worker starts.
    void holdSearches(bool held);

    /// The label of the status bar that shows the word.
    QLabel* statusLabel() const { return m_label; }
    QString statusWord() const;

    /// Marks the next move of a winning line (or says that none was found).
    void hint();
    /// Plays the winning line on the table, stoppable by any key or click.
    void solve();
    bool demoRunning() const { return m_demo.active; }
    void stopDemo();

    /// Whether New game deals only winnable deals of the game on the table.
    bool winnableDealsOnly() const;
    void setWinnableDealsOnly(bool on);
    /// Looks for a winnable deal of the game on the table with a progress
    /// dialog; `deal` gets its number, or nothing when none was found (an
    /// ordinary deal is wanted then). Nothing is called when the player
    /// cancels.
    void findWinnableDeal(std::function<void(std::optional<std::string>)> deal);
    bool lookingForDeal() const { return static_cast<bool>(m_dealFound); }

    DealSearch& search() { return m_search; }
    /// Other bounds of the search of each position, and another pace of
    /// the demo (for tests).
    void setSearchBounds(long positions, int milliseconds) {
        m_positionLimit = positions;
        m_positionMilliseconds = milliseconds;
    }
    void setDemoPace(int pauseMs, int dragStepMs) {
        m_demoPauseMs = pauseMs;
        m_dragStepMs = dragStepMs;
    }

signals:
    /// The word of the status bar changed.
    void statusChanged(const QString& word);
    /// A hint was marked on the table (source and target places).
    void hintShown(const QString& source, const QString& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool playable() const;
    /// What is known of a position: searched itself, or on a winning line.
    std::optional<SearchAnswer> knownAnswer(std::uint64_t position) const;
    void answered(const SearchAnswer& answer);
    void setWord(const QString& word);
    void showHint();
    void clearHint();
    void noWinFound();
    std::optional<std::uint64_t> positionBeforeLastAction() const;
    void startDemo();
    void playNextDemoMove();
    void dragStep();
    void demoMoveDone();
    /// Carries out a move of the demo, which may end the game.
    void runDemoStep(const std::function<void()>& step);
    bool sendGesture(const engine::PointerCommand& move);

    QWidget& m_window;
    table::ProgramState& m_state;
    MessageBoxes& m_boxes;
    QtFrontend* m_frontend = nullptr;
    engine::PlayEngine* m_engine = nullptr;
    DealSearch m_search;
    QLabel* m_label = nullptr;
    QString m_word;

    /// What is known of the position on the table, when anything is.
    std::optional<SearchAnswer> m_answer;
    std::uint64_t m_position = 0;
    bool m_searching = false;
    bool m_searchesHeld = false;
    bool m_searchWaiting = false;
    /// The answers of the positions searched in this deal.
    std::unordered_map<std::uint64_t, SearchAnswer> m_known;
    long m_positionLimit = kPositionLimit;
    int m_positionMilliseconds = kPositionMilliseconds;
    int m_demoPauseMs = kDemoPauseMs;
    int m_dragStepMs = kDragStepMs;
    bool m_hintWanted = false;
    bool m_solveWanted = false;
    bool m_hintMarked = false;

    struct Demo {
        bool active = false;
        bool stopWanted = false;
        bool dragging = false;
        int step = 0;
        /// The games ended when the demo started: one more ends it.
        int endings = 0;
        engine::PointerCommand move;
        int fromX = 0, fromY = 0, toX = 0, toY = 0;
    };
    Demo m_demo;

    std::function<void(std::optional<std::string>)> m_dealFound;
    /// The answer for the winnable deal found, until it is on the table.
    std::optional<SearchAnswer> m_dealtAnswer;
    QPointer<QProgressDialog> m_progress;
};

} // namespace vellomir::ui
