#include "table/card.h"
#include "table/card_table.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

TEST(CardProperties, PackBoundaries) {
    // Ace and king of each suit in the first pack.
    EXPECT_EQ(suitOf(1), 0);
    EXPECT_EQ(rankOf(1), 1);
    EXPECT_EQ(suitOf(13), 0);
    EXPECT_EQ(rankOf(13), 13);
    EXPECT_EQ(suitOf(14), 1);
    EXPECT_EQ(rankOf(14), 1);
    EXPECT_EQ(suitOf(27), 2);
    EXPECT_EQ(suitOf(52), 3);
    EXPECT_EQ(rankOf(52), 13);
    EXPECT_TRUE(isRed(26));
    EXPECT_FALSE(isRed(27));
    // Code 53 is the ace of hearts of the second pack.
    EXPECT_EQ(suitOf(53), 0);
    EXPECT_EQ(rankOf(53), 1);
    EXPECT_TRUE(isRed(53));
    EXPECT_TRUE(isRed(78));
    EXPECT_FALSE(isRed(79));
    EXPECT_EQ(suitOf(104), 3);
    EXPECT_EQ(rankOf(104), 13);
}

TEST(CardProperties, JokersAndNonCards) {
    EXPECT_EQ(suitOf(105), -1);
    EXPECT_EQ(rankOf(105), 100);
    EXPECT_FALSE(isRed(105));
    EXPECT_TRUE(isJoker(108));
    EXPECT_FALSE(isJoker(104));
    EXPECT_FALSE(isCourt(105));
    EXPECT_EQ(rankOf(0), -1);
    EXPECT_EQ(rankOf(109), -1);
    EXPECT_EQ(suitOf(0), -1);
}

TEST(CardProperties, RanksWrapAtAceAndKing) {
    EXPECT_EQ(rankAbove(13), 1);
    EXPECT_EQ(rankBelow(1), 13);
    EXPECT_EQ(rankAbove(7), 8);
    EXPECT_EQ(rankBelow(7), 6);
    EXPECT_TRUE(isCourt(11));
    EXPECT_TRUE(isCourt(65)); // king of hearts, second pack
    EXPECT_FALSE(isCourt(10));
}

TEST(CardProperties, WordsNameTheCardAsAPlayerDoes) {
    EXPECT_EQ(cardWords(8), "the eight of hearts");
    EXPECT_EQ(cardWords(52), "the king of spades");
    EXPECT_EQ(cardWords(53), "the ace of hearts of the second pack");
    EXPECT_EQ(cardWords(kFirstJoker), "a joker");
    EXPECT_EQ(cardWords(0), "no card");
}

TEST(CardTable, EntriesAreFilledInCodeOrderFaceUp) {
    CardTable table;
    EXPECT_EQ(table.entry(1), "CUORI_A        10011");
    EXPECT_EQ(table.entry(2), "CUORI_02       10021");
    EXPECT_EQ(table.entry(10), "CUORI_10       10101");
    EXPECT_EQ(table.entry(24), "QUADR_J        20241");
    EXPECT_EQ(table.entry(52), "PICCH_K        40521");
    EXPECT_EQ(table.entry(53), "CUORI_A        10531");
    EXPECT_EQ(table.entry(108), "JOKER          41081");
    EXPECT_EQ(table.pictureName(39), "FIORI_K");
    for (int code = 1; code <= 108; ++code) {
        EXPECT_EQ(table.entry(code).size(), 20u);
        EXPECT_TRUE(table.isFaceUp(code));
    }
    EXPECT_EQ(table.entry(0), "");
}

TEST(CardTable, FaceFlagChangesOnlyTheLastCharacter) {
    CardTable table;
    table.setFaceFlag(40, '0');
    EXPECT_EQ(table.entry(40), "PICCH_A        40400");
    EXPECT_FALSE(table.isFaceUp(40));
    table.setFaceUp(40, true);
    EXPECT_TRUE(table.isFaceUp(40));
    table.setFaceFlag(0, '0'); // no card: nothing happens
    table.setFaceFlag(109, '0');
}

} // namespace
} // namespace vellomir::table
