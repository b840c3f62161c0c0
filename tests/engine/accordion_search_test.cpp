#include "engine/solver/compact_accordion.h"

#include "engine/dealt_game.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

#include <gtest/gtest.h>

#include <string>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using AccordionTable = testing::UnrecordedGame;

int lineRank(int card) {
    return (card - 1) % 13;
}
int lineSuit(int card) {
    return (card - 1) / 13;
}

// The rules the position was given are the engine's: a pile goes onto the
// one just before it or three before it when their top cards share a suit
// or a rank; the stock deals from its top.
TEST(AccordionSearch, TheDealHoldsTheEnginesRules) {
    AccordionTable table(kAccordion, 1000);
    const std::optional<AccordionDeal> deal = accordionDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->places, 28);
    ASSERT_EQ(deal->line.size(), 1U);
    ASSERT_EQ(deal->stock.size(), 51U);
    EXPECT_EQ(deal->stock.front(), table::topCardOf(table.state.piles.stock(table::kStock)));
    EXPECT_EQ(deal->steps, 1U << 1 | 1U << 3);
    for (int a = 1; a <= 52; ++a) {
        for (int b = 1; b <= 52; ++b) {
            EXPECT_EQ(deal->matches[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)],
                      a != b && (lineRank(a) == lineRank(b) || lineSuit(a) == lineSuit(b)))
                << a << " " << b;
        }
    }
}

// Whole deals are won, and their lines win through the pointer input.
TEST(AccordionSearch, WinsWholeDealsThroughThePointerInput) {
    int won = 0;
    for (long long deal = 1000; deal < 1000 + 137 * 4; deal += 137) {
        AccordionTable table(kAccordion, deal);
        const SolveResult result = solveDeal(table.state, table.frontend);
        EXPECT_TRUE(result.fastSearch);
        if (result.outcome == SolveOutcome::Solved) {
            ++won;
            EXPECT_TRUE(table.playsToTheWin(result.moves)) << "deal " << deal;
        }
    }
    EXPECT_GE(won, 3);
}

// Late in a deal, with the whole stock dealt, each first move there leads
// to a position the search answers as the search of the engine's own
// actions does (which searches such positions out): won and lost alike.
TEST(AccordionSearch, LatePositionsAgreeWithTheSearchOfActions) {
    int won = 0;
    int lost = 0;
    for (const long long deal : {1000LL, 1137LL, 1411LL}) {
        AccordionTable table(kAccordion, deal);
        const SolveResult whole = solveDeal(table.state, table.frontend);
        ASSERT_EQ(whole.outcome, SolveOutcome::Solved) << "deal " << deal;
        // Up to the last click on the stock, and a few moves beyond.
        std::size_t played = 0;
        for (std::size_t i = 0; i < whole.moves.size(); ++i) {
            if (commandText(whole.moves[i]) == "click Mazzo") {
                played = i + 1;
            }
        }
        played = std::min(whole.moves.size() - 1, played + 2);
        for (std::size_t i = 0; i < played; ++i) {
            ASSERT_TRUE(table.run(commandText(whole.moves[i])));
        }
        const int piles = table::linePiles(table.state);
        for (int from = 1; from < piles; ++from) {
            for (const int step : {1, 3}) {
                AccordionTable late = table;
                if (from < step || !late.run("drag Fila" + std::to_string(from + 1) + " Fila" +
                                             std::to_string(from - step + 1))) {
                    continue;
                }
                const SolveResult fast = solveDeal(late.state, late.frontend);
                ASSERT_TRUE(fast.fastSearch);
                ASSERT_NE(fast.outcome, SolveOutcome::GaveUp);
                const std::optional<bool> slowWins =
                    testing::searchOfActionsWins(late, 200000, testing::noWorth, false);
                ASSERT_TRUE(slowWins);
                EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins)
                    << "deal " << deal << " from " << from << " step " << step;
                if (fast.outcome == SolveOutcome::Solved) {
                    ++won;
                    EXPECT_TRUE(late.playsToTheWin(fast.moves));
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
