#pragma once

#include "app/atomic_file.h"
#include "table/deal_services.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::app {
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

/// What starting a game needs from the rest of the play engine. Empty members
/// do nothing (tests leave out what they do not look at).
struct GameStartServices {
    /// Foundation acceptance, score and random draws for the deal itself.
    table::DealServices deal;
    /// Loads the current game's parameters (field Game) into the cleared
    /// parameter table; false when the game cannot be loaded.
    std::function<bool()> loadParameters;
    /// Empties the undo side (and with it the redo side) of the move history.
    std::function<void()> clearUndo;
    /// Empties the redo side only.
    std::function<void()> clearRedo;
    /// Refills the per-game tables of random offsets.
    std::function<void()> refillRandomOffsets;
    /// Plays automatic moves until none is left.
    std::function<void()> autoplaySweep;
    /// The end-of-game test and, when it reports the end, the end of game
    /// (games that end right after the deal).
    std::function<void()> endOfGameCheck;
    /// Asks before a running game is abandoned; true to go on.
    std::function<bool()> confirmQuit;
    /// Ends the running game; true when that finished the game itself.
    std::function<bool()> endOfGame;
    /// Keeps the player who now plays in the preferences.
    std::function<app::WriteResult(std::string_view player)> rememberPlayer;
    /// Keeps the chosen game (number and name) in the preferences for the
    /// next start and the game chooser; one result for each value kept.
    std::function<std::vector<app::WriteResult>(int game, std::string_view name)> rememberGame;
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
bool startGame(table::ProgramState& state, app::Frontend& frontend, const StartOptions& options,
               const GameStartServices& services);

/// Opens a game chosen by the player: asks before abandoning a running game,
/// remembers the player and the game, lays the game out when it changes,
/// applies its autoplay choice and starts it. With `remember` the game goes
/// into the preferences file. True when the game was opened.
bool openGame(table::ProgramState& state, app::Frontend& frontend, int gameNumber,
              std::string_view gameName, std::string_view playerName, DealNumberMode mode,
              bool remember, const GameStartServices& services);

} // namespace vellomir::engine
