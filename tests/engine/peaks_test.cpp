// TriPeaks and its kin: the rows of the peaks, which card lies on which,
// and play on them.

#include "support/game_numbers.h"
#include "table/peak_rows.h"

#include "engine/dealt_game.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

using table::peakCovers;
using table::peakHalfSteps;
using table::peakSpot;

using namespace vellomir::testing::game;

// Tableau numbers (0-based) in the rows of three peaks.
constexpr int kFirstOfRow1 = 3;
constexpr int kFirstOfRow2 = 9;
constexpr int kFirstOfBottomRow = 18;

TEST(PeakRows, ThreePeaksOverTheirSharedBottomRow) {
    EXPECT_EQ(table::peakTableauCount(3), 28);
    EXPECT_EQ(table::peakTableauCount(1), 10);
    EXPECT_EQ((std::vector<int>{table::peakRowSize(3, 0), table::peakRowSize(3, 1),
                                table::peakRowSize(3, 2), table::peakRowSize(3, 3)}),
              (std::vector<int>{3, 6, 9, 10}));
    // The tops of the peaks, the card below each on the left, and the first
    // and last card of the row above the bottom row.
    EXPECT_EQ(peakCovers(3, 0), (std::vector<int>{3, 4}));
    EXPECT_EQ(peakCovers(3, 2), (std::vector<int>{7, 8}));
    EXPECT_EQ(peakCovers(3, 5), (std::vector<int>{12, 13}));
    EXPECT_EQ(peakCovers(3, kFirstOfRow2), (std::vector<int>{18, 19}));
    EXPECT_EQ(peakCovers(3, 17), (std::vector<int>{26, 27}));
    EXPECT_FALSE(peakSpot(3, 28).has_value());

    // Every card but the bottom row's lies under two cards of the next row,
    // half a card to either side of it, and no card lies on two rows.
    for (int peaks = 1; peaks <= table::kMaxPeaks; ++peaks) {
        std::set<int> covering;
        for (int t = 0; t < table::peakTableauCount(peaks); ++t) {
            const auto spot = peakSpot(peaks, t);
            ASSERT_TRUE(spot.has_value());
            const std::vector<int> covers = peakCovers(peaks, t);
            if (spot->row == table::kPeakRows - 1) {
                EXPECT_TRUE(covers.empty()) << t;
                continue;
            }
            ASSERT_EQ(covers.size(), 2U) << t;
            for (int side = 0; side < 2; ++side) {
                EXPECT_EQ(peakSpot(peaks, covers[side])->row, spot->row + 1) << t;
                EXPECT_EQ(peakHalfSteps(peaks, covers[side]),
                          peakHalfSteps(peaks, t) + (side == 0 ? -1 : 1))
                    << peaks << " peaks, tableau " << t;
                covering.insert(covers[side]);
            }
        }
        // Each card below the tops lies on some card: none floats.
        EXPECT_EQ(covering.size(),
                  static_cast<std::size_t>(table::peakTableauCount(peaks) - peaks));
    }
}

// A dealt TriPeaks game whose table the test rearranges: a card is put in
// a place by swapping it with the card there, so every card stays once.
struct TriPeaksTable : DealtGame {
    TriPeaksTable() : DealtGame(kTriPeaks, 1) {}

    // Where a card lies: the pile and its place in it.
    std::pair<std::string*, int> find(int card) {
        for (std::string* pile :
             {&state.piles.stock(table::kStock), &state.piles.stock(table::kDiscard)}) {
            for (int i = 0; i < table::cardCount(*pile); ++i) {
                if (table::cardAt(*pile, i) == card) {
                    return {pile, i};
                }
            }
        }
        for (int t = 0; t < 28; ++t) {
            if (table::topCardOf(state.piles.tableau(t)) == card) {
                return {&state.piles.tableau(t), 0};
            }
        }
        ADD_FAILURE() << "card " << card << " not on the table";
        return {nullptr, 0};
    }
    void swapInto(std::string& pile, int slot, int card) {
        const auto [from, at] = find(card);
        const std::string here = pile.substr(static_cast<std::size_t>(slot) * 3, 3);
        pile.replace(static_cast<std::size_t>(slot) * 3, 3, table::cardText(card));
        from->replace(static_cast<std::size_t>(at) * 3, 3, here);
    }
    // Puts `card` face up on tableau t.
    void tableauCard(int t, int card) {
        const bool up = state.cards.isFaceUp(topOf(t));
        const int was = topOf(t);
        swapInto(state.piles.tableau(t), 0, card);
        state.cards.setFaceFlag(was, state.cards.isFaceUp(card) ? '1' : '0');
        state.cards.setFaceFlag(card, up ? '1' : '0');
    }
    void discardTop(int card) {
        std::string& discard = state.piles.stock(table::kDiscard);
        swapInto(discard, table::cardCount(discard) - 1, card);
        state.cards.setFaceFlag(card, '1');
    }
    int topOf(int t) { return table::topCardOf(state.piles.tableau(t)); }
    int discardTopCard() { return table::topCardOf(state.piles.stock(table::kDiscard)); }
    static std::string place(int t) { return "Fila" + std::to_string(t + 1); }
};

TEST(TriPeaks, OnlyAFreeCardPlaysAndTheCardsItFreesTurnUpInTheSameStep) {
    TriPeaksTable t;
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(t.state.cards.isFaceUp(t.topOf(i)), i >= kFirstOfBottomRow) << i;
    }
    // The 5 and 6 of hearts on the first two cards of the bottom row, the 4
    // of hearts on the discard pile; the first card of the row above them
    // is a 7.
    t.discardTop(card("4H"));
    t.tableauCard(kFirstOfBottomRow, card("5H"));
    t.tableauCard(kFirstOfBottomRow + 1, card("6H"));
    t.tableauCard(kFirstOfRow2, card("7H"));
    const int covered = t.topOf(kFirstOfRow2);
    ASSERT_FALSE(t.state.cards.isFaceUp(covered));

    // A covered card does not play, even face up and one rank off the
    // discard pile's top card.
    t.tableauCard(kFirstOfRow2 + 1, card("5D"));
    t.state.cards.setFaceFlag(card("5D"), '1');
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfRow2 + 1)));
    EXPECT_EQ(t.topOf(kFirstOfRow2 + 1), card("5D"));
    EXPECT_EQ(t.discardTopCard(), card("4H"));
    t.state.cards.setFaceFlag(card("5D"), '0');
    // Nor does a face-down one turn up.
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfRow2)));
    EXPECT_FALSE(t.state.cards.isFaceUp(covered));

    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfBottomRow)));
    EXPECT_EQ(t.discardTopCard(), card("5H"));
    EXPECT_FALSE(t.state.cards.isFaceUp(covered)); // the 6 still lies on it
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfBottomRow + 1)));
    EXPECT_EQ(t.discardTopCard(), card("6H"));
    EXPECT_TRUE(t.state.cards.isFaceUp(covered));
    // Nothing else turned: the peaks' other cards are still covered.
    for (int i = 0; i < kFirstOfBottomRow; ++i) {
        EXPECT_EQ(t.state.cards.isFaceUp(t.topOf(i)), i == kFirstOfRow2) << i;
    }
    // One undo takes back the card played and the turn it brought.
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.topOf(kFirstOfBottomRow + 1), card("6H"));
    EXPECT_FALSE(t.state.cards.isFaceUp(covered));
    // Played again, the freed 7 follows the 6.
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfBottomRow + 1)));
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfRow2)));
    EXPECT_EQ(t.discardTopCard(), card("7H"));
    EXPECT_TRUE(t.state.piles.tableau(kFirstOfRow2).empty());
}

TEST(TriPeaks, AKingAndAnAceFollowEachOtherBothWays) {
    TriPeaksTable t;
    const int kingOfHearts = card("KH");
    const int aceOfSpades = card("AS");
    const int kingOfClubs = card("KC");
    t.discardTop(kingOfHearts);
    t.tableauCard(kFirstOfBottomRow, aceOfSpades);
    t.tableauCard(kFirstOfBottomRow + 5, kingOfClubs);
    t.tableauCard(kFirstOfBottomRow + 9, card("4H")); // fits neither
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfBottomRow + 9)));
    EXPECT_EQ(t.discardTopCard(), kingOfHearts);
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfBottomRow)));
    EXPECT_EQ(t.discardTopCard(), aceOfSpades);
    ASSERT_TRUE(t.run("click " + TriPeaksTable::place(kFirstOfBottomRow + 5)));
    EXPECT_EQ(t.discardTopCard(), kingOfClubs);
}

} // namespace
} // namespace vellomir::testing
