#include "ui/game_description.h"

#include <QCoreApplication>

#include <span>

namespace vellomir::ui {
namespace {

struct Rating {
    const char* text;
    const char* picture;
};

constexpr Rating kGameTime[] = {
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Long"), "PROG_TIME_LONG"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Medium"), "PROG_TIME_MEDIUM"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Quick"), "PROG_TIME_QUICK"}};
constexpr Rating kDifficulty[] = {
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Easy"), "PROG_DIFF_EASY"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Medium"), "PROG_DIFF_MEDIUM"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Hard"), "PROG_DIFF_HARD"}};
constexpr Rating kChance[] = {
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Very high"), "PROG_CHAN_VERYHIGH"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "High"), "PROG_CHAN_HIGH"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Medium"), "PROG_CHAN_MEDIUM"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Low"), "PROG_CHAN_LOW"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Very low"), "PROG_CHAN_VERYLOW"}};
constexpr Rating kSkill[] = {
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Difficult"), "PROG_SKILL_DIFFICULT"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Mostly skill"), "PROG_SKILL_MOSTLYSKILL"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Moderate"), "PROG_SKILL_MODERATE"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Mostly chance"), "PROG_SKILL_MOSTLYCHANCE"},
    {QT_TRANSLATE_NOOP("vellomir::ui::TfrmOpenGame", "Chance only"), "PROG_SKILL_CHANCEONLY"}};

// The text and picture of `value` in a table, or nothing for a value the
// table does not hold (a catalogue of a later version, or a damaged one).
void rate(std::span<const Rating> table, int value, QString& text, QString& picture) {
    if (value >= 0 && value < static_cast<int>(table.size())) {
        text = QCoreApplication::translate("vellomir::ui::TfrmOpenGame",
                                           table[static_cast<std::size_t>(value)].text);
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
        d.chance += QCoreApplication::translate("vellomir::ui::TfrmOpenGame", " (about %1 in %2)")
                        .arg(wins)
                        .arg(games);
    }
    // A pack is 52 cards; games of fewer cards count no whole deck.
    d.decks = QString::number(cards / 52);
    // The first pass through the stock is the deal itself.
    d.redeals = passes == -1
                    ? QCoreApplication::translate("vellomir::ui::TfrmOpenGame", "Unlimited")
                : passes == 0 ? QStringLiteral("0")
                              : QString::number(passes - 1);
    return d;
}

} // namespace vellomir::ui
