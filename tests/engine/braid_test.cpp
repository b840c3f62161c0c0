// Braid: eight foundations that all build one way, the way the first card
// built on a base card sets (building rule 98), cells that take only the
// waste's card (reserve drop rule 87) and corners the braid refills.
// Played through the pointer input.

#include "engine/dealt_game.h"
#include "engine/records/card_census.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <random>
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

// Runs a gesture and tells whether it changed the piles (a refused drag
// still answers, with the card back where it was).
bool plays(DealtGame& t, const std::string& gesture) {
    const table::PileLists before = t.state.piles;
    t.run(gesture);
    return !(t.state.piles == before);
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

    // Lays `card` in cell `cell` (1 to 8: reserves 2 to 9): it trades places
    // with the card there, or leaves its own place for an empty cell.
    void toCell(int card, int cell) {
        const int there = table::topCardOf(t.state.piles.reserve(cell));
        if (there != 0) {
            exchangeCards(t.state, card, there);
            return;
        }
        for (const table::PileRef pile : table::everyPile()) {
            std::vector<int> cards = cardsOf(t.state.piles.pile(pile));
            std::erase(cards, card);
            t.state.piles.pile(pile) = pileOf(cards);
        }
        t.state.piles.reserve(cell) = pileOf(std::vector<int>{card});
        t.state.cards.setFaceUp(card, true);
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

    ASSERT_TRUE(plays(b.t, "drag Appogg3 Dest2"));
    ASSERT_TRUE(plays(b.t, "drag Appogg2 Dest1"));
    // Up was chosen: the card below the other base is refused, the one
    // above it taken.
    EXPECT_FALSE(plays(b.t, "drag Appogg4 Dest2"));
    EXPECT_EQ(table::cardCount(b.t.state.piles.foundation(1)), 1);
    EXPECT_TRUE(plays(b.t, "drag Appogg5 Dest2"));

    // Taken back, the first card built frees the way again: down is open.
    ASSERT_TRUE(b.t.engine.undo());
    ASSERT_TRUE(b.t.engine.undo());
    EXPECT_EQ(table::cardCount(b.t.state.piles.foundation(0)), 1);
    EXPECT_EQ(table::cardCount(b.t.state.piles.foundation(1)), 1);
    EXPECT_TRUE(plays(b.t, "drag Appogg4 Dest2"));
    EXPECT_EQ(table::topCardOf(b.t.state.piles.foundation(1)), otherDown);
}

TEST(Braid, FoundationsBuildInSuitRoundTheCorner) {
    BraidTable b;
    const int otherSuitUp = cardFrom((b.suit + 2) % 4, b.rank, 1);
    b.toCell(otherSuitUp, 1);
    EXPECT_FALSE(plays(b.t, "drag Appogg2 Dest1"));
    // A card of the base rank starts an empty foundation; any other does not.
    EXPECT_FALSE(plays(b.t, "drag Appogg2 Dest2"));
    // From the base down round the corner: a king follows an ace, an ace a king.
    const int down = cardFrom(b.suit, b.rank, -1) + kSecondPack;
    b.toCell(down, 2);
    ASSERT_TRUE(plays(b.t, "drag Appogg3 Dest1"));
    for (int step = -2; step >= -12; --step) {
        b.toCell(cardFrom(b.suit, b.rank, step) + kSecondPack, 2);
        ASSERT_TRUE(plays(b.t, "drag Appogg3 Dest1")) << step;
    }
    EXPECT_EQ(table::cardCount(b.t.state.piles.foundation(0)), 13);
}

TEST(Braid, CellsTakeOnlyTheWastesCardAndCornersRefillFromTheBraid) {
    BraidTable b;
    // A cell emptied to the foundation takes the waste's card, not another's.
    const int up = cardFrom(b.suit, b.rank, 1) + kSecondPack;
    b.toCell(up, 1);
    ASSERT_TRUE(plays(b.t, "drag Appogg2 Dest1"));
    EXPECT_TRUE(b.t.state.piles.reserve(1).empty());
    EXPECT_FALSE(plays(b.t, "drag Fila1 Appogg2"));
    EXPECT_FALSE(plays(b.t, "drag Appogg1 Appogg2"));
    EXPECT_FALSE(plays(b.t, "drag Appogg3 Appogg2"));
    ASSERT_TRUE(plays(b.t, "click Mazzo"));
    const int turned = table::topCardOf(b.t.state.piles.stock(table::kWaste));
    ASSERT_TRUE(plays(b.t, "drag Mazzo_Vis Appogg2"));
    EXPECT_EQ(table::topCardOf(b.t.state.piles.reserve(1)), turned);

    // A corner played up is filled at once from the braid's end card, in
    // the same step back.
    const int next = cardFrom(b.suit, b.rank, 2) + kSecondPack;
    exchangeCards(b.t.state, next, table::topCardOf(b.t.state.piles.tableau(0)));
    const std::string braid = b.t.state.piles.reserve(0);
    ASSERT_TRUE(plays(b.t, "drag Fila1 Dest1"));
    EXPECT_EQ(table::topCardOf(b.t.state.piles.tableau(0)), table::topCardOf(braid));
    EXPECT_EQ(table::cardCount(b.t.state.piles.reserve(0)), table::cardCount(braid) - 1);
    ASSERT_TRUE(b.t.engine.undo());
    EXPECT_EQ(b.t.state.piles.reserve(0), braid);
    EXPECT_EQ(table::topCardOf(b.t.state.piles.tableau(0)), next);
}

// The way every foundation of two cards or more builds: +1 up, -1 down, 0
// when a pile steps otherwise (never by the rules), 2 when none is built on.
int commonWay(const table::ProgramState& state) {
    int way = 2;
    for (int f = 0; f < 8; ++f) {
        const std::vector<int> pile = cardsOf(state.piles.foundation(f));
        for (std::size_t i = 1; i < pile.size(); ++i) {
            const int step = ((table::rankOf(pile[i]) - table::rankOf(pile[i - 1])) % 13 + 13) % 13;
            const int pileWay = step == 1 ? 1 : step == 12 ? -1 : 0;
            if (pileWay == 0 || (way != 2 && pileWay != way)) {
                return 0;
            }
            way = pileWay;
        }
    }
    return way;
}

// Random drags between Braid's places and clicks on the stock, some taken
// back: every card stays on the table once, every foundation builds the one
// way the first card built chose, and a step back restores the table.
TEST(Braid, RandomPlayKeepsEveryCardAndOneWayForEveryFoundation) {
    const std::vector<std::string> from{"Appogg1", "Appogg2", "Appogg3", "Appogg4",  "Appogg5",
                                        "Appogg6", "Appogg7", "Appogg8", "Appogg9",  "Fila1",
                                        "Fila2",   "Fila3",   "Fila4",   "Mazzo_Vis"};
    const std::vector<std::string> to{"Dest1",   "Dest2",   "Dest3",   "Dest4",   "Dest5",
                                      "Dest6",   "Dest7",   "Dest8",   "Appogg2", "Appogg3",
                                      "Appogg4", "Appogg5", "Appogg6", "Appogg7", "Appogg8",
                                      "Appogg9", "Fila1",   "Fila2",   "Fila3",   "Fila4"};
    std::mt19937 random(171);
    int built = 0;
    for (const long long deal : {1LL, 2LL, 3LL, 4LL}) {
        DealtGame t(game::kBraid, deal);
        t.state.autoplayTicked = false;
        const engine::CardCensus dealt = engine::takeCardCensus(t.state);
        for (int step = 0; step < 3000; ++step) {
            const table::PileLists before = t.state.piles;
            const bool click = std::uniform_int_distribution<int>(0, 5)(random) == 0;
            const std::string gesture =
                click
                    ? std::string("click Mazzo")
                    : "drag " +
                          from[std::uniform_int_distribution<std::size_t>(0, from.size() -
                                                                                 1)(random)] +
                          " " +
                          to[std::uniform_int_distribution<std::size_t>(0, to.size() - 1)(random)];
            if (!plays(t, gesture)) {
                continue;
            }
            ASSERT_EQ(engine::cardsOnTableOnce(t.state, dealt), "") << deal << " " << gesture;
            ASSERT_NE(commonWay(t.state), 0) << deal << " " << gesture;
            if (std::uniform_int_distribution<int>(0, 9)(random) == 0) {
                ASSERT_TRUE(t.engine.undo());
                ASSERT_TRUE(t.state.piles == before) << deal << " " << gesture;
            }
        }
        built += commonWay(t.state) != 2 ? 1 : 0;
    }
    // The deals did build on their bases, so the way was put to the test.
    EXPECT_GE(built, 2);
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
