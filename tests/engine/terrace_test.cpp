// Terrace: the first move takes one of the four dealt cards to a foundation
// and so fixes the base rank of every foundation; nothing moves before it.

#include "engine/actions/opening_move.h"

#include "engine/actions/drop_rules.h"
#include "engine/dealt_game.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vellomir::testing {
namespace {

constexpr int kTerrace = 112;
constexpr int kTableaus = 9;
constexpr int kDealtTableaus = 4;
constexpr int kStockCards = 89;

struct TerraceTable : DealtGame {
    TerraceTable() : DealtGame(kTerrace, 1) {}

    int topOf(table::PileRef pile) { return table::topCardOf(state.piles.pile(pile)); }
    std::string& stock() { return state.piles.stock(table::kStock); }
    // Swaps the stock's card at `slot` with tableau t's only card.
    void swapWithStock(int slot, int t) {
        std::string& pile = state.piles.tableau(t);
        const std::string card = stock().substr(static_cast<std::size_t>(slot) * 3, 3);
        stock().replace(static_cast<std::size_t>(slot) * 3, 3, pile.substr(0, 3));
        pile.replace(0, 3, card);
        state.cards.setFaceFlag(table::cardAt(pile, 0), '1');
    }
    // The first stock card whose rank is (or is not) `rank`.
    int stockSlot(int rank, bool same) {
        for (int i = 0; i < table::cardCount(stock()); ++i) {
            if ((table::rankOf(table::cardAt(stock(), i)) == rank) == same) {
                return i;
            }
        }
        ADD_FAILURE() << "no such card in the stock";
        return 0;
    }
    bool foundationTakes(int card, int f) {
        const auto targets =
            engine::dropTargets(state, frontend, *engine::liftedMove(state, card, false));
        return std::ranges::find(targets, table::PileRef{table::PileKind::Foundation, f}) !=
               targets.end();
    }
};

TEST(Terrace, OnlyADealtCardToAFoundationOpensThePlay) {
    TerraceTable t;
    ASSERT_TRUE(engine::openingMoveDue(t.state));
    for (int i = 0; i < kTableaus; ++i) {
        EXPECT_EQ(table::cardCount(t.state.piles.tableau(i)), i < kDealtTableaus ? 1 : 0) << i;
    }
    EXPECT_EQ(table::cardCount(t.stock()), kStockCards);
    EXPECT_EQ(table::cardCount(t.state.piles.reserve(0)), 11);
    const table::PileLists dealt = t.state.piles;

    // Neither the stock, nor the terrace, nor a move between tableaus.
    for (const char* refused : {"click Mazzo", "drag Appogg1 Dest1", "drag Fila1 Fila5"}) {
        t.run(refused);
        EXPECT_EQ(t.state.piles, dealt) << refused;
    }
    const int terraceTop = t.topOf({table::PileKind::Reserve, 0});
    EXPECT_TRUE(
        engine::dropTargets(t.state, t.frontend, *engine::liftedMove(t.state, terraceTop, false))
            .empty());

    // The second dealt card goes up; the empty tableaus take a stock card each.
    const int base = t.topOf({table::PileKind::Tableau, 1});
    ASSERT_TRUE(t.run("drag Fila2 Dest1"));
    EXPECT_EQ(t.topOf({table::PileKind::Foundation, 0}), base);
    EXPECT_FALSE(engine::openingMoveDue(t.state));
    for (int i = 0; i < kTableaus; ++i) {
        EXPECT_EQ(table::cardCount(t.state.piles.tableau(i)), 1) << i;
    }
    EXPECT_EQ(table::cardCount(t.stock()), kStockCards - (kTableaus - kDealtTableaus + 1));
    ASSERT_TRUE(t.run("click Mazzo"));
    EXPECT_EQ(table::cardCount(t.state.piles.stock(table::kWaste)), 1);

    // Past the stock click, one undo takes back the move with the refill,
    // and the first move is bound again.
    ASSERT_TRUE(t.engine.undo());
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.state.piles, dealt);
    EXPECT_TRUE(engine::openingMoveDue(t.state));
    t.run("click Mazzo");
    EXPECT_EQ(t.state.piles, dealt);
}

TEST(Terrace, TheFirstCardsRankIsTheBaseOfEveryFoundation) {
    TerraceTable t;
    const int baseRank = table::rankOf(t.topOf({table::PileKind::Tableau, 0}));
    ASSERT_TRUE(t.run("drag Fila1 Dest1"));
    // A card of another rank starts no foundation; one of the base rank does.
    t.swapWithStock(t.stockSlot(baseRank, false), 2);
    EXPECT_FALSE(t.foundationTakes(t.topOf({table::PileKind::Tableau, 2}), 1));
    t.swapWithStock(t.stockSlot(baseRank, true), 2);
    const int second = t.topOf({table::PileKind::Tableau, 2});
    EXPECT_TRUE(t.foundationTakes(second, 1));
    ASSERT_TRUE(t.run("drag Fila3 Dest2"));
    EXPECT_EQ(t.topOf({table::PileKind::Foundation, 1}), second);
}

} // namespace
} // namespace vellomir::testing
