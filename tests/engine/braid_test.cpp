// Braid: eight foundations that all build one way, the way the first card
// built on a base card sets (building rule 98), cells that take only the
// waste's card (reserve drop rule 87) and corners the braid refills.
// Played through the pointer input.

#include "engine/dealt_game.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

// Puts card `a` where `b` lies and `b` where `a` lay, wherever on the table
// they are, so that every card stays on the table; both end face up.
void exchangeCards(table::ProgramState& state, int a, int b) {
    for (const table::PileRef pile : table::everyPile()) {
        std::vector<int> cards = cardsOf(state.piles.pile(pile));
        for (int& c : cards) {
            c = c == a ? b : c == b ? a : c;
        }
        state.piles.pile(pile) = pileOf(cards);
    }
    state.cards.setFaceUp(a, true);
    state.cards.setFaceUp(b, true);
}

// The card of `suit` (0 hearts to 3 spades, first pack) `steps` ranks from
// `rank`, round the corner.
int cardFrom(int suit, int rank, int steps) {
    return suit * 13 + ((rank - 1 + steps) % 13 + 13) % 13 + 1;
}

int bottomOf(const std::string& pile) {
    return table::cardAt(pile, 0);
}

constexpr int kSecondPack = 52;
// A deal the search wins.
constexpr long long kBraidWonDeal = 5;

struct BraidTable {
    DealtGame t{game::kBraid, 7};
    int base = bottomOf(t.state.piles.foundation(0));
    int rank = table::rankOf(base);
    int suit = (base - 1) % 52 / 13;

    BraidTable() {
        t.state.autoplayTicked = false; // nothing goes up but what the test plays
    }

    // Lays `card` in cell `cell` (1 to 8: reserves 2 to 9).
    void toCell(int card, int cell) {
        exchangeCards(t.state, card, table::topCardOf(t.state.piles.reserve(cell)));
    }
};

TEST(Braid, TheFirstCardBuiltOnABaseSetsTheWayForEveryFoundation) {
    BraidTable b;
    ASSERT_EQ(table::cardCount(b.t.state.piles.foundation(0)), 1);
    const int up = cardFrom(b.suit, b.rank, 1);
    const int otherBase = cardFrom((b.suit + 1) % 4, b.rank, 0);
    const int otherDown = cardFrom((b.suit + 1) % 4, b.rank, -1);
    const int otherUp = cardFrom((b.suit + 1) % 4, b.rank, 1);
    b.toCell(up, 1);
    b.toCell(otherBase, 2);
    b.toCell(otherDown, 3);
    b.toCell(otherUp, 4);

    ASSERT_TRUE(b.t.run("drag Appogg2 Dest1"));
    ASSERT_TRUE(b.t.run("drag Appogg3 Dest2"));
    // Up was chosen: the card below the other base is refused, the one
    // above it taken.
    EXPECT_FALSE(b.t.run("drag Appogg4 Dest2"));
    EXPECT_EQ(table::cardCount(b.t.state.piles.foundation(1)), 1);
    EXPECT_TRUE(b.t.run("drag Appogg5 Dest2"));

    // Taken back, the first card built frees the way again: down is open.
    ASSERT_TRUE(b.t.engine.undo());
    ASSERT_TRUE(b.t.engine.undo());
    ASSERT_TRUE(b.t.engine.undo());
    EXPECT_EQ(table::cardCount(b.t.state.piles.foundation(0)), 1);
    EXPECT_TRUE(b.t.run("drag Appogg4 Dest2"));
    EXPECT_EQ(table::topCardOf(b.t.state.piles.foundation(1)), otherDown);
}

TEST(Braid, FoundationsBuildInSuitRoundTheCorner) {
    BraidTable b;
    const int otherSuitUp = cardFrom((b.suit + 2) % 4, b.rank, 1);
    b.toCell(otherSuitUp, 1);
    EXPECT_FALSE(b.t.run("drag Appogg2 Dest1"));
    // A card of the base rank starts an empty foundation; any other does not.
    EXPECT_FALSE(b.t.run("drag Appogg2 Dest2"));
    // From the base down round the corner: a king follows an ace, an ace a king.
    const int down = cardFrom(b.suit, b.rank, -1) + kSecondPack;
    b.toCell(down, 2);
    ASSERT_TRUE(b.t.run("drag Appogg3 Dest1"));
    for (int step = -2; step >= -12; --step) {
        b.toCell(cardFrom(b.suit, b.rank, step) + kSecondPack, 2);
        ASSERT_TRUE(b.t.run("drag Appogg3 Dest1")) << step;
    }
    EXPECT_EQ(table::cardCount(b.t.state.piles.foundation(0)), 13);
}

TEST(Braid, CellsTakeOnlyTheWastesCardAndCornersRefillFromTheBraid) {
    BraidTable b;
    // A cell emptied to the foundation takes the waste's card, not another's.
    const int up = cardFrom(b.suit, b.rank, 1) + kSecondPack;
    b.toCell(up, 1);
    ASSERT_TRUE(b.t.run("drag Appogg2 Dest1"));
    EXPECT_TRUE(b.t.state.piles.reserve(1).empty());
    EXPECT_FALSE(b.t.run("drag Fila1 Appogg2"));
    EXPECT_FALSE(b.t.run("drag Appogg1 Appogg2"));
    EXPECT_FALSE(b.t.run("drag Appogg3 Appogg2"));
    ASSERT_TRUE(b.t.run("click Mazzo"));
    const int turned = table::topCardOf(b.t.state.piles.stock(table::kWaste));
    ASSERT_TRUE(b.t.run("drag Mazzo_Vis Appogg2"));
    EXPECT_EQ(table::topCardOf(b.t.state.piles.reserve(1)), turned);

    // A corner played up is filled at once from the braid's end card, in
    // the same step back.
    const int next = cardFrom(b.suit, b.rank, 2) + kSecondPack;
    exchangeCards(b.t.state, next, table::topCardOf(b.t.state.piles.tableau(0)));
    const std::string braid = b.t.state.piles.reserve(0);
    ASSERT_TRUE(b.t.run("drag Fila1 Dest1"));
    EXPECT_EQ(table::topCardOf(b.t.state.piles.tableau(0)), table::topCardOf(braid));
    EXPECT_EQ(table::cardCount(b.t.state.piles.reserve(0)), table::cardCount(braid) - 1);
    ASSERT_TRUE(b.t.engine.undo());
    EXPECT_EQ(b.t.state.piles.reserve(0), braid);
    EXPECT_EQ(table::topCardOf(b.t.state.piles.tableau(0)), next);
}

// The search's playouts find a win, and the line they give wins through the
// pointer input from the deal.
TEST(Braid, TheSearchsLineWinsThroughThePointerInput) {
    UnrecordedGame table(game::kBraid, kBraidWonDeal);
    const engine::SolveResult result = engine::solveDeal(table.state, table.frontend);
    EXPECT_TRUE(result.fastSearch);
    ASSERT_EQ(result.outcome, engine::SolveOutcome::Solved);
    DealtGame replay(game::kBraid, kBraidWonDeal);
    EXPECT_TRUE(replay.playsToTheWin(result.moves));
}

} // namespace
} // namespace vellomir::testing
