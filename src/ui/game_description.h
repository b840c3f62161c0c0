#pragma once

#include <QString>

#include <array>

namespace vellomir::ui {

/// The catalogue lines the game chooser reads to describe a game, in the
/// order of GameDescription::fromParameters: expected duration, difficulty
/// of the rules, skill needed, chance of winning, the chance as "wins in
/// games" (two lines), the number of cards and the passes through the stock.
inline constexpr std::array<int, 8> kDescriptionLines = {395, 396, 397, 398, 399, 400, 307, 14};

/// What the chooser shows about a game: the texts beside "Difficulty
/// level:", "Chance of winning:", "Skill level:", "Game time:", "Redeals:"
/// and "Decks:", and the names of the library pictures beside the first four.
/// A value outside its table gives an empty text and no picture.
struct GameDescription {
    QString difficulty;
    QString difficultyPicture;
    QString chance;
    QString chancePicture;
    QString skill;
    QString skillPicture;
    QString gameTime;
    QString gameTimePicture;
    QString redeals;
    QString decks;

    /// From the values of kDescriptionLines, in that order.
    static GameDescription fromParameters(const std::array<int, 8>& values);
};

} // namespace vellomir::ui
