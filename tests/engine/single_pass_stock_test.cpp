#include "engine/solver/compact_search.h"

#include "engine/dealt_game.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <string>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

// Cards of the first pack: the two and the king of the first suit.
constexpr int kTwo = 2;
constexpr int kKing = 13;

// The dealt table with the two and the king taken out of the stock and
// turned onto the waste, `top` last.
testing::DealtGame withWaste(int game, int bottom, int top) {
    testing::DealtGame dealt(game, 1, false);
    std::string& stock = dealt.state.piles.stock(table::kStock);
    std::string kept;
    for (int i = 0; i < table::cardCount(stock); ++i) {
        const int card = table::cardAt(stock, i);
        if (card != bottom && card != top) {
            kept += stock.substr(static_cast<std::size_t>(i) * 3, 3);
        }
    }
    stock = kept;
    for (const int card : {bottom, top}) {
        dealt.state.piles.appendCard(dealt.state.cards, {table::PileKind::Stock, table::kWaste},
                                     card, '1');
    }
    return dealt;
}

int stockDistance(const testing::DealtGame& dealt) {
    const std::optional<CompactRules> rules = compactRulesFor(dealt.state, dealt.frontend);
    EXPECT_TRUE(rules);
    return rules ? CompactPosition(dealt.state, *rules).clickedStockDistance({}) : -1;
}

// Where the stock is gone through a limited number of times a card at a
// time (once in Diplomat and Josephine, whose runs move; twice in Forty and
// Eight), a waste card lying on one the foundations take sooner counts as a
// covering card, and every card of the stock and the waste counts;
// elsewhere the stock adds nothing.
TEST(CompactPosition, TheSinglePassWasteCountsItsCoveringCards) {
    const CompactPosition::DistanceWeights weights;
    for (const int game : {kDiplomat, kJosephine, kFortyAndEight}) {
        const int buried = stockDistance(withWaste(game, kTwo, kKing));
        const int onTop = stockDistance(withWaste(game, kKing, kTwo));
        EXPECT_EQ(buried, onTop + weights.coveringCard) << "game " << game;
        const testing::DealtGame dealt(game, 1, false);
        EXPECT_EQ(stockDistance(dealt),
                  2 * weights.stockCard * table::cardCount(dealt.state.piles.stock(table::kStock)))
            << "game " << game;
    }
    EXPECT_EQ(stockDistance(withWaste(kKlondike, kTwo, kKing)), 0);
}

// Diplomat deal 7: the fast search wins it within the first order's share
// of a modest budget, and the pointer input plays its line to the win.
TEST(CompactSearch, WinsDiplomatThroughASinglePassOfTheStock) {
    testing::DealtGame dealt(kDiplomat, 7, false);
    SolveLimits limits;
    limits.fastPositions = 160000;
    limits.gestureSearch = false;
    const SolveResult result = solveDeal(dealt.state, dealt.frontend, limits);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.fastSearch);
    EXPECT_TRUE(dealt.playsToTheWin(result.moves));
}

} // namespace
} // namespace vellomir::engine
