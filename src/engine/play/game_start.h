#pragma once

#include "settings/atomic_file.h"
#include "table/deal_services.h"

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

/// How the deal number of a new deal is chosen.
enum class DealNumberMode {
    /// Deal the number already in the settings record again.
    Keep = 1,
    /// Draw a new deal number.
    New = 2,
};

/// What starting a game needs from the rest of the play engine, which
/// implements it (PlayEngine::StartServices).
class GameStartServices {
public:
    virtual ~GameStartServices() = default;

    /// Foundation acceptance, score and random draws for the deal itself.
    virtual const table::DealServices& deal() const = 0;
    /// Loads the current game's parameters (field Game) into the cleared
    /// parameter table; false when the game cannot be loaded.
    virtual bool loadParameters() const = 0;
    /// Empties the undo side (and with it the redo side) of the move history.
    virtual void clearUndo() const = 0;
    /// Empties the redo side only.
    virtual void clearRedo() const = 0;
    /// Refills the per-game tables of random offsets.
    virtual void refillRandomOffsets() const = 0;
    /// Plays automatic moves until none is left, filling the places they
    /// empty as the game fills them after any move.
    virtual void autoplaySweep() const = 0;
    /// The end-of-game test and, when it reports the end, the end of game
    /// (games that end right after the deal).
    virtual void endOfGameCheck() const = 0;
    /// Asks before a running game is abandoned; true to go on.
    virtual bool confirmQuit() const = 0;
    /// Ends the running game; true when that finished the game itself.
    virtual bool endOfGame() const = 0;
    /// Keeps the player who now plays in the preferences.
    virtual settings::WriteResult rememberPlayer(std::string_view player) const = 0;
    /// Keeps the chosen game (number and name) in the preferences for the
    /// next start and the game chooser; one result for each value kept.
    virtual std::vector<settings::WriteResult> rememberGame(int game,
                                                            std::string_view name) const = 0;
};

/// Options of a game start.
struct StartOptions {
    bool deal = true;
    bool animate = true;
    DealNumberMode dealNumberMode = DealNumberMode::New;
    bool keepPicture = false;
};

/// The main window's caption: "Vellomir [GAME NAME]", followed by
/// "  [DEAL NUMBER]" when a deal number is set.
std::string gameCaption(const table::ProgramState& state);

/// Starts the current game (field Game): resets the per-game state, deals a
/// new or the same deal, draws the table (with the deal animation when asked
/// for and the preference allows it), starts the clock and, with autoplay on,
/// plays the automatic moves. False when the game's parameters cannot be loaded.
bool startGame(table::ProgramState& state, seam::Frontend& frontend, const StartOptions& options,
               const GameStartServices& services);

/// Opens a game chosen by the player: asks before abandoning a running game,
/// remembers the player and the game, lays the game out when it changes,
/// applies its autoplay choice and starts it. With `remember` the game goes
/// into the preferences file. True when the game was opened.
bool openGame(table::ProgramState& state, seam::Frontend& frontend, int gameNumber,
              std::string_view gameName, std::string_view playerName, DealNumberMode mode,
              bool remember, const GameStartServices& services);

} // namespace vellomir::engine
