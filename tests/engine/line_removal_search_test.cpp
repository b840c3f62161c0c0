#include "engine/solver/compact_line_removal.h"

#include "engine/dealt_game.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <string>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using MarriageTable = testing::UnrecordedGame;

constexpr int kQueenOfHearts = 12;
constexpr int kKingOfHearts = 13;

int marriageRank(int card) {
    return (card - 1) % 13;
}
int marriageSuit(int card) {
    return (card - 1) / 13;
}

// The rules the position was given are the engine's: any card but the queen
// and the king of hearts may be chosen, one card or two between two cards of
// one suit or one rank leave, the queen starts the line and the king comes
// out of the stock last, and the game is won with two cards left.
TEST(LineRemovalSearch, TheDealHoldsTheEnginesRules) {
    MarriageTable table(kRoyalMarriage, 1000);
    const std::optional<LineRemovalDeal> deal = lineRemovalDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    ASSERT_EQ(deal->sequence.size(), 52U);
    EXPECT_EQ(deal->inLine, 1);
    EXPECT_EQ(deal->sequence.front(), kQueenOfHearts);
    EXPECT_EQ(deal->sequence.back(), kKingOfHearts);
    EXPECT_EQ(deal->winningLengths, std::uint64_t{1} << 2);
    for (int a = 1; a <= 52; ++a) {
        EXPECT_EQ(deal->choosable[static_cast<std::size_t>(a)],
                  a != kQueenOfHearts && a != kKingOfHearts)
            << a;
        for (int b = 1; b <= 52; ++b) {
            EXPECT_EQ(deal->matches[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)],
                      a != b && (marriageRank(a) == marriageRank(b) ||
                                 marriageSuit(a) == marriageSuit(b)))
                << a << " " << b;
        }
    }
}

// Whole deals are won, and their lines win through the pointer input.
TEST(LineRemovalSearch, WinsWholeDealsThroughThePointerInput) {
    int won = 0;
    for (long long deal = 1000; deal < 1000 + 137 * 4; deal += 137) {
        MarriageTable table(kRoyalMarriage, deal);
        const SolveResult result = solveDeal(table.state, table.frontend);
        EXPECT_TRUE(result.fastSearch);
        if (result.outcome == SolveOutcome::Solved) {
            ++won;
            EXPECT_TRUE(table.playsToTheWin(result.moves)) << "deal " << deal;
        }
    }
    EXPECT_GE(won, 3);
}

// Positions one removal away from a table.
std::vector<MarriageTable> removalsFrom(const MarriageTable& table) {
    std::vector<MarriageTable> next;
    const int length = table::cardCount(table.state.piles.tableau(0));
    for (int place = 1; place + 1 < length; ++place) {
        MarriageTable after = table;
        after.run("click Fila1:" + std::to_string(place));
        if (table::cardCount(after.state.piles.tableau(0)) == length - 1) {
            next.push_back(after);
        }
    }
    return next;
}

// Late in a deal, with the stock down to a few cards, the positions one and
// two removals away are answered as the search of the engine's own actions
// answers them (it searches such positions out): won and lost alike.
TEST(LineRemovalSearch, LatePositionsAgreeWithTheSearchOfActions) {
    int won = 0;
    int lost = 0;
    for (const long long deal : {1000LL, 1137LL, 1274LL}) {
        for (const int stockLeft : {0, 3}) {
            MarriageTable table(kRoyalMarriage, deal);
            const SolveResult whole = solveDeal(table.state, table.frontend);
            ASSERT_EQ(whole.outcome, SolveOutcome::Solved) << "deal " << deal;
            for (std::size_t played = 0;
                 played < whole.moves.size() &&
                 table::cardCount(table.state.piles.stock(table::kStock)) > stockLeft;
                 ++played) {
                ASSERT_TRUE(table.run(commandText(whole.moves[played])));
            }
            std::vector<MarriageTable> late = removalsFrom(table);
            for (const MarriageTable& first : removalsFrom(table)) {
                for (MarriageTable& second : removalsFrom(first)) {
                    late.push_back(std::move(second));
                }
            }
            for (MarriageTable& position : late) {
                const SolveResult fast = solveDeal(position.state, position.frontend);
                ASSERT_TRUE(fast.fastSearch);
                ASSERT_NE(fast.outcome, SolveOutcome::GaveUp);
                const std::optional<bool> slowWins =
                    testing::searchOfActionsWins(position, 200000, testing::noWorth, false);
                ASSERT_TRUE(slowWins);
                EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins)
                    << "deal " << deal << " stock " << stockLeft;
                if (fast.outcome == SolveOutcome::Solved) {
                    ++won;
                    EXPECT_TRUE(position.playsToTheWin(fast.moves));
                } else {
                    ++lost;
                }
            }
        }
    }
    EXPECT_GT(won, 2);
    EXPECT_GT(lost, 2);
}

} // namespace
} // namespace vellomir::engine
