#pragma once

#include "engine/actions/automatic_moves.h"
#include "engine/input/pointer_input.h"
#include "engine/play/game_start.h"
#include "engine/records/game_statistics.h"
#include "engine/records/play_history.h"
#include "settings/preference_table.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Digits of a deal number.
inline constexpr std::size_t kDealNumberDigits = 13;

/// A deal number the player typed, padded with zeros in front to 13 digits;
/// nothing unless it is one to 13 digits.
std::optional<std::string> paddedDealNumber(std::string_view digits);

/// The play engine put together: it connects the modules of the engine
/// (set-up, moves, automatic moves, score and end of game) with each other,
/// the program state and the frontend. The main window and the command-line
/// companion drive the game through it.
class PlayEngine {
public:
    PlayEngine(table::ProgramState& state, seam::Frontend& frontend);
    ~PlayEngine();
    PlayEngine(const PlayEngine&) = delete;
    PlayEngine& operator=(const PlayEngine&) = delete;

    table::ProgramState& state() { return m_state; }
    const table::ProgramState& state() const { return m_state; }
    seam::Frontend& frontend() { return m_frontend; }

    /// Loads the game list from GAMES.DAT; false (with the reason shown) when
    /// the catalogue cannot be read.
    bool loadGameList();
    /// Loads the current game's parameters; false (with the reason shown for
    /// a damaged catalogue) when it cannot.
    bool loadCurrentParameters();

    /// A new deal of the current game.
    bool newGame();
    /// Opens a game as the game chooser does (see engine::openGame).
    bool openGame(int gameNumber, DealNumberMode mode, bool remember);
    /// Ends the game in play (a loss once it was played) and deals the same
    /// deal number of the same game again, with a fresh clock and score.
    /// False when nothing was dealt (or the game ended won by its score).
    bool restartGame();
    /// The same with a deal number the player gave: one to 13 digits,
    /// padded with zeros in front. False, with nothing changed, for any
    /// other text.
    bool dealNumber(std::string_view digits);

    /// Takes the last player action back with everything it caused, or
    /// replays the last action taken back; the table is drawn anew at once.
    bool undo();
    bool redo();
    bool canUndo() const { return m_history.canUndo(m_state); }
    bool canRedo() const { return m_history.canRedo(m_state); }
    const PlayHistory& history() const { return m_history; }
    PlayHistory& history() { return m_history; }
    /// Player actions from the deal to the table.
    int moves() const { return m_history.moves(); }

    /// Whether player actions are recorded as steps (the solver, which plays
    /// millions of gestures and never takes one back, turns it off).
    void setRecording(bool on) { m_recording = on; }

    /// Called with the result of every game that ends won, or lost after
    /// its first move.
    void setResultRecorder(std::function<void(const GameResult&)> recorder) {
        m_resultRecorder = std::move(recorder);
    }
    /// What keeps the preferences a game start changes (the player, the game
    /// chosen) in the settings record and the preferences file: the program
    /// gives its preference setter. Without one they go to the settings
    /// record only, and the engine writes no file.
    using PreferenceWriter =
        std::function<settings::WriteResult(std::span<const settings::PreferenceValue>)>;
    void setPreferenceWriter(PreferenceWriter writer) { m_preferenceWriter = std::move(writer); }
    /// What keeps the Autoplay tick chosen per game (AutoPlay_All_Games 2):
    /// the program gives its preference setter; without one the tick is not
    /// kept beyond the game.
    void setGameAutoplayKeeper(GameAutoplayKeeper keeper) {
        m_gameAutoplayKeeper = std::move(keeper);
    }
    /// Sets preferences through the writer (or in the record only).
    settings::WriteResult keepPreferences(std::span<const settings::PreferenceValue> values);

    /// Adds a listener called after every action, undo, redo and deal (the
    /// window brings its commands and status bar up to date, the saved game
    /// is replaced).
    void addChangeListener(std::function<void()> listener) {
        m_changed.push_back(std::move(listener));
    }
    /// True once the game on the table had its first move.
    bool gamePlayed() const { return m_played; }
    /// The game on the table is put away to be continued later: its end
    /// counts as neither a win nor a loss.
    void setAsideGameInPlay() { m_played = false; }
    /// Puts back a game continued from a saved one: the steps that led to
    /// the table, which has been set already; it counts as played.
    void resumeSteps(std::vector<PlayPosition> steps);

    /// The end-of-game step for the game on the table (New, Exit).
    bool endGame();
    /// Opens a game on the deal number in the settings record without the
    /// deal animation and without the automatic moves after the deal: a
    /// saved table goes on it next.
    bool openGameQuietly(int gameNumber);
    /// Draws the table as it now is, without flights, with its score.
    void redrawAfterStep() { showTableAfterStep(); }

    /// Refreshes the clock label (the main window's one-second timer).
    void clockTick();

    /// The pointer events of the table picture (see PointerInput). What
    /// they change on the table becomes a step of the history.
    void buttonDown(int button, int shift, int x, int y);
    void pointerMove(int x, int y);
    void buttonUp();
    void doubleClick();
    /// The keyboard's send of the card at (x, y) to a foundation (see
    /// PointerInput::sendToFoundations), as one player action.
    void sendToFoundations(int x, int y);
    const PointerInput& pointer() const { return m_pointer; }

    /// The Autoplay command (F7): flips the tick, see engine::toggleAutoplay.
    void toggleAutoplay();
    /// The automatic steps the Autoplay command runs when it is ticked on
    /// (see engine::runAutomaticSteps), as one player action.
    void runAutomaticSteps();

private:
    // The services a game start uses, wired to this engine.
    class StartServices;
    friend class StartServices;

    // Runs one input as a player action: its changes become one step.
    template <typename Input> void asAction(Input&& input);
    // Brings the statistics up to date with the games ended since last time.
    void noteEndings();
    // A new deal began: the steps and the played mark go.
    void dealStarted();
    // Remembers which game is on the table, for its result.
    void noteGameOnTable();
    void showTableAfterStep();
    void notifyChanged();

    table::ProgramState& m_state;
    seam::Frontend& m_frontend;
    PointerInput m_pointer;
    PlayHistory m_history;
    bool m_recording = true;
    bool m_quietStart = false;
    bool m_played = false;
    int m_endingsSeen = 0;
    int m_deals = 0;
    int m_gameOnTable = -1;
    std::string m_gameNameOnTable;
    std::function<void(const GameResult&)> m_resultRecorder;
    std::vector<std::function<void()>> m_changed;
    PreferenceWriter m_preferenceWriter;
    GameAutoplayKeeper m_gameAutoplayKeeper;
};

} // namespace vellomir::engine
