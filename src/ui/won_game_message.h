#pragma once

#include "engine/game_statistics.h"

#include <QString>

#include <filesystem>

class QWidget;

namespace vellomir::engine {
class PlayEngine;
}

namespace vellomir::ui {

class MessageBoxes;

/// The words that tell the player the game is won: the game, the time, the
/// score and the moves, and which of them are a new best against `before`,
/// the game's statistics before this win counts (nothing when it has none).
QString wonGameText(const engine::GameResult& won, const engine::GameStatistics* before);

/// After the winning animation of the game on the table, before the game
/// chooser opens: tells the player what was won, against the statistics in
/// `dataFolder` (which count the win only when the next game starts).
void announceWonGame(QWidget* parent, MessageBoxes& boxes, const engine::PlayEngine& engine,
                     const std::filesystem::path& dataFolder);

} // namespace vellomir::ui
