#pragma once

#include "engine/records/play_position.h"
#include "settings/atomic_file.h"
#include "table/undo_lists.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

class PlayEngine;

/// The game in progress, kept when the program closes, under the data folder.
inline constexpr std::string_view kSavedGameFileName = "DATA/SAVEDGAME.DAT";
/// A saved game larger than this is not one.
inline constexpr std::size_t kMaxSavedGameSize = 64 * 1024 * 1024;

/// A game in progress: which game and deal, a key of the game's rules as
/// the catalogue had them, how long it has run, the table, the steps that
/// led to it and the undo lists.
struct SavedGame {
    int game = -1;
    std::string name;
    std::string rulesKey;
    std::string dealNumber;
    long long elapsedMs = 0;
    PlayPosition table;
    std::vector<PlayPosition> steps;
    table::UndoLists undoLists;
};

/// A key of a game's column of the catalogue: it changes when any of the
/// game's parameters does. Nothing when the game cannot be loaded.
std::optional<std::string> rulesKey(const table::ProgramState& state, int game);

/// The game on the table as a saved game; nothing when there is none worth
/// keeping (no game in play, a won game, or one without a move).
std::optional<SavedGame> gameToSave(const PlayEngine& engine, long long nowMs);

std::string savedGameText(const SavedGame& game);
std::optional<SavedGame> parseSavedGame(std::string_view text, std::string& problem);

std::filesystem::path savedGamePath(const std::filesystem::path& dataFolder);
/// Writes the game atomically.
settings::WriteResult writeSavedGame(const std::filesystem::path& dataFolder,
                                     const SavedGame& game);
/// What the saved game on disk must become for the table as it now is.
enum class SavedGameStep {
    /// A game in play with a move: it is written.
    Write,
    /// No game worth keeping (none in play, ended, or a new deal without a
    /// move yet): the file goes.
    Remove,
    /// The player is in the middle of a gesture: the file keeps the table of
    /// the last action.
    Keep,
};
SavedGameStep savedGameStep(const PlayEngine& engine);

/// Removes a saved game; true when none is left.
bool removeSavedGame(const std::filesystem::path& dataFolder);

/// What the start found of a saved game.
enum class ResumeOutcome { NoSavedGame, Resumed, Dropped };
struct ResumeResult {
    ResumeOutcome outcome = ResumeOutcome::NoSavedGame;
    /// One line for the player when it was dropped.
    std::string notice;
};

/// Continues the game saved under `dataFolder`: deals its game and deal
/// without animation, puts its table and steps back and sets its clock. A
/// saved game that does not read, whose game is gone from the catalogue or
/// whose rules changed, or whose table does not hold the deal's cards, is
/// not continued: the file is set aside ("SAVEDGAME.DAT.damaged"), never
/// deleted, and the notice says where it went. A continued game's file
/// stays: it is replaced after the next action and removed when the game
/// ends.
ResumeResult resumeSavedGame(PlayEngine& engine, const std::filesystem::path& dataFolder);

} // namespace vellomir::engine
