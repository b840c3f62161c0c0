// A reserve dealt face down that shows only its last card (Eagle Wing's
// trunk): its cards fill empty wings without being played, and the one card
// left turns up as part of the action that uncovered it.

#include "engine/rules/lift_rules.h"

#include "engine/dealt_game.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <string>

namespace vellomir::testing {
namespace {

constexpr int kEagleWing = 152;
constexpr int kTrunkCards = 13;

struct EagleWingTable : DealtGame {
    EagleWingTable() : DealtGame(kEagleWing, 1) {}

    std::string& trunk() { return state.piles.reserve(0); }
    std::string& stock() { return state.piles.stock(table::kStock); }
    bool faceUp(int card) { return state.cards.isFaceUp(card); }
    bool allFaceDown(const std::string& pile) {
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (faceUp(table::cardAt(pile, i))) {
                return false;
            }
        }
        return true;
    }
    // Puts on wing 1, in place of its card, the card that follows the base
    // card on the first foundation, so that the wing can be emptied.
    void giveWingOneTheNextFoundationCard() {
        const int base = table::topCardOf(state.piles.foundation(0));
        const int next = table::suitOf(base) * 13 + table::rankOf(base) % 13 + 1;
        std::string& wing = state.piles.tableau(0);
        int slot = 0;
        while (slot < table::cardCount(stock()) && table::cardAt(stock(), slot) != next) {
            ++slot;
        }
        ASSERT_LT(slot, table::cardCount(stock())) << "the next card lies in the stock";
        const std::size_t at = static_cast<std::size_t>(slot) * 3;
        stock().replace(at, 3, wing.substr(0, 3));
        wing.replace(0, 3, table::cardText(next));
        state.cards.setFaceFlag(next, '1');
        state.cards.setFaceFlag(table::cardAt(stock(), slot), '0');
    }
};

TEST(ReserveLastCard, TheTrunkIsDealtHiddenAndFillsAnEmptyWingFaceUp) {
    EagleWingTable t;
    ASSERT_EQ(table::cardCount(t.trunk()), kTrunkCards);
    EXPECT_TRUE(t.allFaceDown(t.trunk()));
    EXPECT_FALSE(engine::reserveCardLifts(t.state, 0, table::topCardOf(t.trunk())));

    t.giveWingOneTheNextFoundationCard();
    const table::PileLists before = t.state.piles;
    const int trunkTop = table::topCardOf(t.trunk());
    ASSERT_TRUE(t.run("drag Fila1 Dest1"));
    // The wing took the trunk's top card, face up; the trunk stays hidden.
    EXPECT_EQ(table::topCardOf(t.state.piles.tableau(0)), trunkTop);
    EXPECT_TRUE(t.faceUp(trunkTop));
    EXPECT_EQ(table::cardCount(t.trunk()), kTrunkCards - 1);
    EXPECT_TRUE(t.allFaceDown(t.trunk()));
    // One undo takes back the move and the fill.
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.state.piles, before);
    EXPECT_FALSE(t.faceUp(trunkTop));
}

TEST(ReserveLastCard, TheLastCardTurnsUpWithTheFillThatLeavesItAlone) {
    EagleWingTable t;
    // Leave two cards in the trunk; the others go under the stock, so that
    // every card stays on the table.
    const std::size_t kept = 2 * 3;
    t.stock().insert(0, t.trunk().substr(kept));
    t.trunk().erase(kept);
    t.giveWingOneTheNextFoundationCard();
    const int last = table::cardAt(t.trunk(), 0);
    ASSERT_FALSE(t.faceUp(last));

    ASSERT_TRUE(t.run("drag Fila1 Dest1"));
    ASSERT_EQ(table::cardCount(t.trunk()), 1);
    EXPECT_TRUE(t.faceUp(last));
    EXPECT_TRUE(engine::reserveCardLifts(t.state, 0, last));

    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(table::cardCount(t.trunk()), 2);
    EXPECT_FALSE(t.faceUp(last));
}

} // namespace
} // namespace vellomir::testing
