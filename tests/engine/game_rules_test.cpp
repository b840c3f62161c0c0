// Games of the built catalogue played through the pointer input, each
// checking one rule that a game's own rules text promises.

#include "engine/catalogue_play.h"

#include <gtest/gtest.h>

namespace vellomir::testing {
namespace {

// Codes of the cards these deals show.
constexpr int kQueenOfSpades2 = 103; // second pack
constexpr int kJackOfSpades = 50;
constexpr int kKingOfSpades = 52;
constexpr int kEightOfDiamonds2 = 73;

TEST(SidewaysRuns, ARunFannedToTheRightMovesWhole) {
    // Lucas fans its tableaus to the right, so a run is one card high.
    CataloguePlay t(29, 110);
    ASSERT_TRUE(t.dealt);
    ASSERT_EQ(t.pile("Fila6"), codes({83, kEightOfDiamonds2, kQueenOfSpades2, kJackOfSpades}));
    t.run("drag Fila6:2 Fila1"); // the queen and jack of spades onto the king
    EXPECT_EQ(t.pile("Fila1"), codes({99, 62, 63, kKingOfSpades, kQueenOfSpades2, kJackOfSpades}));
    EXPECT_EQ(t.pile("Fila6"), codes({83, kEightOfDiamonds2}));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
}

TEST(ReserveTurns, TheReserveShowsItsNextCardWhenTheTopOneIsPlayed) {
    // Canfield's reserve is dealt face down with only its top card up.
    CataloguePlay t(24, 170);
    ASSERT_TRUE(t.dealt);
    const int second = table::cardAt(t.pile("Appogg1"), 11);
    ASSERT_FALSE(t.state.cards.isFaceUp(second));
    t.run("drag Appogg1 Fila4"); // the ace of clubs onto a red two
    EXPECT_EQ(t.top("Appogg1"), second);
    EXPECT_TRUE(t.state.cards.isFaceUp(second));
    t.run("drag Appogg1 Fila3"); // the card it uncovered plays too
    EXPECT_EQ(t.top("Fila3"), second);
    // Each move with its turned card is one undo step.
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 2);
    EXPECT_TRUE(t.state.cards.isFaceUp(t.top("Appogg1")));
}

TEST(RuleFills, AnEmptiedTableauIsFilledWithAutoplayUnticked) {
    // Canfield fills an empty tableau at once from the reserve.
    CataloguePlay t(24, 1, false);
    ASSERT_TRUE(t.dealt);
    const int reserveTop = t.top("Appogg1");
    t.run("drag Fila3 Fila1"); // the six of diamonds onto the seven of clubs
    EXPECT_EQ(t.pile("Fila1"), codes({33, 19}));
    EXPECT_EQ(t.pile("Fila3"), codes({reserveTop}));
    EXPECT_TRUE(t.state.cards.isFaceUp(t.top("Appogg1")));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1); // move, fill and turn: one step
}

TEST(RuleFills, ElevensRefillsTheRemovedPairsPlacesWithAutoplayUnticked) {
    CataloguePlay t(40, 4, false);
    ASSERT_TRUE(t.dealt);
    const int stock = t.cards("Mazzo");
    t.run("click Fila3"); // the two of diamonds
    t.run("click Fila4"); // and the nine of hearts: 11
    EXPECT_EQ(t.cards("Mazzo_Waste"), 2);
    EXPECT_EQ(t.cards("Fila3"), 1);
    EXPECT_EQ(t.cards("Fila4"), 1);
    EXPECT_EQ(t.cards("Mazzo"), stock - 2);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
}

} // namespace
} // namespace vellomir::testing

namespace vellomir::testing {
namespace {

int calledRank(const CataloguePlay& t) {
    const int called = t.state.flags.counter(0) % 13;
    return called == 0 ? 13 : called;
}

TEST(HitOrMiss, AnOldMissThatMeetsTheCalledRankLaterIsNoHit) {
    // Turn cards, putting every hit aside; whenever that uncovers an older
    // miss of the rank now called, it must stay where it is.
    int uncovered = 0;
    for (long long deal = 1; deal <= 40 && uncovered < 3; ++deal) {
        CataloguePlay t(47, deal, false);
        ASSERT_TRUE(t.dealt);
        while (t.cards("Mazzo") > 1) {
            t.run("click Mazzo");
            if (table::rankOf(t.top("Mazzo_Vis")) != calledRank(t)) {
                continue;
            }
            t.run("drag Mazzo_Vis Dest1"); // a hit
            ASSERT_EQ(t.cards("Mazzo_Vis") + t.cards("Dest1") + t.cards("Mazzo"), 52);
            const int below = t.top("Mazzo_Vis");
            if (below > 0 && table::rankOf(below) == calledRank(t)) {
                ++uncovered;
                const int hits = t.cards("Dest1");
                t.run("drag Mazzo_Vis Dest1");
                EXPECT_EQ(t.cards("Dest1"), hits) << "deal " << deal;
            }
        }
    }
    EXPECT_GE(uncovered, 1);
}

TEST(HitOrMiss, TwoWholePassesWithoutAHitLoseTheGame) {
    CataloguePlay t(47, 2, false);
    ASSERT_TRUE(t.dealt);
    for (int pass = 1; pass <= 2; ++pass) {
        while (t.cards("Mazzo") > 0) {
            t.run("click Mazzo"); // turned, never put aside
        }
        t.run("click Mazzo"); // the end of the pass
        if (pass == 1) {
            EXPECT_FALSE(t.over());
            EXPECT_EQ(t.cards("Mazzo"), 51); // turned over and dealt on
        }
    }
    EXPECT_TRUE(t.over());
    EXPECT_FALSE(t.won());
}

} // namespace
} // namespace vellomir::testing
