#include "ui/chooser_game_list.h"
#include "ui/game_description.h"

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

// Values in the order of kDescriptionLines: 395 time, 396 difficulty, 397
// skill, 398 chance, 399 wins, 400 games, 307 cards, 14 passes.
std::array<int, 8> values(int time, int difficulty, int skill, int chance, int wins, int games,
                          int cards, int passes) {
    return {time, difficulty, skill, chance, wins, games, cards, passes};
}

TEST(GameDescriptionTest, RatingsTakeTheirTextsAndPictures) {
    const GameDescription d = GameDescription::fromParameters(values(2, 1, 4, 3, 0, 0, 52, 0));
    EXPECT_EQ(d.gameTime, QStringLiteral("Quick"));
    EXPECT_EQ(d.gameTimePicture, QStringLiteral("PROG_TIME_QUICK"));
    EXPECT_EQ(d.difficulty, QStringLiteral("Medium"));
    EXPECT_EQ(d.difficultyPicture, QStringLiteral("PROG_DIFF_MEDIUM"));
    EXPECT_EQ(d.skill, QStringLiteral("Chance only"));
    EXPECT_EQ(d.skillPicture, QStringLiteral("PROG_SKILL_CHANCEONLY"));
    // Without a ratio only the word.
    EXPECT_EQ(d.chance, QStringLiteral("Low"));
    EXPECT_EQ(d.chancePicture, QStringLiteral("PROG_CHAN_LOW"));

    const GameDescription e = GameDescription::fromParameters(values(0, 2, 0, 0, 9, 10, 104, -1));
    EXPECT_EQ(e.gameTime, QStringLiteral("Long"));
    EXPECT_EQ(e.difficulty, QStringLiteral("Hard"));
    EXPECT_EQ(e.skill, QStringLiteral("Difficult"));
    EXPECT_EQ(e.chance, QStringLiteral("Very high (about 9 in 10)"));
    EXPECT_EQ(e.chancePicture, QStringLiteral("PROG_CHAN_VERYHIGH"));
}

TEST(GameDescriptionTest, RedealsCountThePassesAfterTheFirstAndDecksWholePacks) {
    const auto redeals = [](int passes) {
        return GameDescription::fromParameters(values(0, 0, 0, 0, 0, 0, 52, passes)).redeals;
    };
    EXPECT_EQ(redeals(-1), QStringLiteral("Unlimited"));
    EXPECT_EQ(redeals(0), QStringLiteral("0"));
    EXPECT_EQ(redeals(1), QStringLiteral("0"));
    EXPECT_EQ(redeals(3), QStringLiteral("2"));

    const auto decks = [](int cards) {
        return GameDescription::fromParameters(values(0, 0, 0, 0, 0, 0, cards, 0)).decks;
    };
    EXPECT_EQ(decks(104), QStringLiteral("2"));
    EXPECT_EQ(decks(52), QStringLiteral("1"));
    EXPECT_EQ(decks(32), QStringLiteral("0"));
}

TEST(GameDescriptionTest, ValuesOutsideTheTablesShowNothing) {
    // -99 is what the catalogue reader gives for a line it could not read.
    const GameDescription d = GameDescription::fromParameters(values(-99, 3, 5, 7, 1, 2, 52, 0));
    EXPECT_TRUE(d.gameTime.isEmpty());
    EXPECT_TRUE(d.gameTimePicture.isEmpty());
    EXPECT_TRUE(d.difficulty.isEmpty());
    EXPECT_TRUE(d.skillPicture.isEmpty());
    EXPECT_EQ(d.chance, QStringLiteral(" (about 1 in 2)"));
}

TEST(ChooserGameListTest, EntriesAreNameTypeNumberAndMarkSortedByName) {
    // Catalogue lines: group 1-3, game 5-7, availability 8, mark 10, name 11-60.
    const auto line = [](const char* group, const char* number, char mark,
                         const std::string& name) {
        std::string text = std::string(group) + " " + number + "4 " + mark + name;
        text.resize(60, ' ');
        return text;
    };
    const std::vector<std::string> list =
        chooserGameList({line("005", "001", '0', "Klondike"), line("010", "002", '1', "aces Up"),
                         line("004", "010", '0', "FreeCell")});
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].size(), 57u);
    EXPECT_EQ(list[0], std::string("aces Up") + std::string(43, ' ') + "0100021");

    const ChooserEntry first = parseChooserEntry(list[0]);
    EXPECT_EQ(first.name, QStringLiteral("aces Up"));
    EXPECT_EQ(first.typeCode, 10);
    EXPECT_EQ(first.number, 2);
    EXPECT_EQ(first.newGameMark, '1');
    EXPECT_EQ(parseChooserEntry(list[1]).name, QStringLiteral("FreeCell"));
    EXPECT_EQ(parseChooserEntry(list[2]).name, QStringLiteral("Klondike"));

    // A line cut short keeps its fields blank rather than running off its end.
    const std::vector<std::string> shortList = chooserGameList({"005 0014 0Yukon"});
    EXPECT_EQ(shortList[0].size(), 57u);
    EXPECT_EQ(parseChooserEntry(shortList[0]).name, QStringLiteral("Yukon"));
}

TEST(ChooserGameListTest, TypeCodesPickTheirNodeIcons) {
    EXPECT_EQ(typeIconName(2), QStringLiteral("TREE5_CANFIELD_TYPE"));
    EXPECT_EQ(typeIconName(5), QStringLiteral("TREE5_KLONDIKE_TYPE"));
    EXPECT_EQ(typeIconName(14), QStringLiteral("TREE5_PUZZLE_TYPE"));
    EXPECT_EQ(typeIconName(22), QStringLiteral("TREE5_NONBUILDERS_TYPE"));
    EXPECT_EQ(typeIconName(800), QStringLiteral("TREE5_CUSTOMIZED_GAMES"));
    EXPECT_TRUE(typeIconName(1).isEmpty());
    EXPECT_TRUE(typeIconName(23).isEmpty());
}

} // namespace
} // namespace vellomir::ui
