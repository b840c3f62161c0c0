#include "ui/game_description.h"

#include <span>

namespace vellomir::ui {
namespace {

struct Rating {
    const char* text;
    const char* picture;
};

constexpr Rating kGameTime[] = {
    {"Long", "PROG_TIME_LONG"}, {"Medium", "PROG_TIME_MEDIUM"}, {"Quick", "PROG_TIME_QUICK"}};
constexpr Rating kDifficulty[] = {
    {"Easy", "PROG_DIFF_EASY"}, {"Medium", "PROG_DIFF_MEDIUM"}, {"Hard", "PROG_DIFF_HARD"}};
constexpr Rating kChance[] = {{"Very high", "PROG_CHAN_VERYHIGH"},
                              {"High", "PROG_CHAN_HIGH"},
                              {"Medium", "PROG_CHAN_MEDIUM"},
                              {"Low", "PROG_CHAN_LOW"},
                              {"Very low", "PROG_CHAN_VERYLOW"}};
constexpr Rating kSkill[] = {{"Difficult", "PROG_SKILL_DIFFICULT"},
                             {"Mostly skill", "PROG_SKILL_MOSTLYSKILL"},
                             {"Moderate", "PROG_SKILL_MODERATE"},
                             {"Mostly chance", "PROG_SKILL_MOSTLYCHANCE"},
                             {"Chance only", "PROG_SKILL_CHANCEONLY"}};

// The text and picture of `value` in a table, or nothing for a value the
// table does not hold (a catalogue of a later version, or a damaged one).
void rate(std::span<const Rating> table, int value, QString& text, QString& picture) {
    if (value >= 0 && value < static_cast<int>(table.size())) {
        text = QString::fromLatin1(table[static_cast<std::size_t>(value)].text);
        picture = QString::fromLatin1(table[static_cast<std::size_t>(value)].picture);
    } else {
        text.clear();
        picture.clear();
    }
}

} // namespace

GameDescription GameDescription::fromParameters(const std::array<int, 8>& values) {
    const int duration = values[0];
    const int difficulty = values[1];
    const int skill = values[2];
    const int chance = values[3];
    const int wins = values[4];
    const int games = values[5];
    const int cards = values[6];
    const int passes = values[7];

    GameDescription d;
    rate(kGameTime, duration, d.gameTime, d.gameTimePicture);
    rate(kDifficulty, difficulty, d.difficulty, d.difficultyPicture);
    rate(kChance, chance, d.chance, d.chancePicture);
    rate(kSkill, skill, d.skill, d.skillPicture);
    if (games != 0) {
        d.chance += QStringLiteral(" (about %1 in %2)").arg(wins).arg(games);
    }
    // A pack is 52 cards; games of fewer cards count no whole deck.
    d.decks = QString::number(cards / 52);
    // The first pass through the stock is the deal itself.
    d.redeals = passes == -1  ? QStringLiteral("Unlimited")
                : passes == 0 ? QStringLiteral("0")
                              : QString::number(passes - 1);
    return d;
}

} // namespace vellomir::ui
