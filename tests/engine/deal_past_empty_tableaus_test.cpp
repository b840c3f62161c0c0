// A stock whose deal passes the empty tableaus by (Grounds for a Divorce):
// a press on it deals a card onto every tableau that holds cards, none onto
// an empty one, and one undo takes the whole deal back.

#include "engine/dealt_game.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <string>

namespace vellomir::testing {
namespace {

constexpr int kDivorceTableaus = 10;

TEST(DealPastEmptyTableaus, APressDealsOntoTheTableausThatHoldCardsOnly) {
    DealtGame t(game::kGroundsForADivorce, 1);
    std::string& stock = t.state.piles.stock(table::kStock);
    std::string& emptied = t.state.piles.tableau(3);
    // The fourth tableau's cards go under the stock: every card stays on
    // the table, and the tableau is empty.
    stock.insert(0, emptied);
    emptied.clear();
    const table::PileLists before = t.state.piles;
    const int stockCards = table::cardCount(stock);

    ASSERT_TRUE(t.run("click Mazzo"));
    EXPECT_TRUE(t.state.piles.tableau(3).empty());
    for (int i = 0; i < kDivorceTableaus; ++i) {
        if (i != 3) {
            EXPECT_EQ(table::cardCount(t.state.piles.tableau(i)),
                      table::cardCount(before.tableau(i)) + 1)
                << i;
        }
    }
    EXPECT_EQ(table::cardCount(t.state.piles.stock(table::kStock)),
              stockCards - (kDivorceTableaus - 1));

    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.state.piles, before);
}

} // namespace
} // namespace vellomir::testing
