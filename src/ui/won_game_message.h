#pragma once

#include "engine/records/game_statistics.h"

#include <QString>

#include <filesystem>
#include <optional>

class QWidget;

namespace vellomir::ui {

class MessageBoxes;

/// The words that tell the player the game is won: the game, the time, the
/// score and the moves, and which of them are a new best against `before`,
/// the game's statistics before this win counts (nothing when it has none).
QString wonGameText(const engine::GameResult& won, const engine::GameStatistics* before);

/// The won game's figures in the statistics of `dataFolder` as they stand
/// before `won` counts (nothing when it has none). Taken as the win is
/// recorded, for the words said after the winning animation.
std::optional<engine::GameStatistics> statisticsBeforeWin(const engine::GameResult& won,
                                                          const std::filesystem::path& dataFolder);

/// After the winning animation, before the game chooser opens: tells the
/// player what was won, against the game's figures `before` the win.
void announceWonGame(QWidget* parent, MessageBoxes& boxes, const engine::GameResult& won,
                     const engine::GameStatistics* before);

} // namespace vellomir::ui
