#include "engine/solver/compact_monte_carlo.h"

#include "engine/dealt_game.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using MonteCarloTable = testing::UnrecordedGame;

int squareRank(int card) {
    return (card - 1) % 13;
}

// The rules the position was given are the engine's: two cards of one rank
// leave together where they touch across, up and down or corner to
// corner; the sequence is the square's cards, then the stock's from its top.
TEST(MonteCarloSearch, TheDealHoldsTheEnginesRules) {
    MonteCarloTable table(kMonteCarlo, 1000);
    const std::optional<MonteCarloDeal> deal = monteCarloDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    ASSERT_EQ(deal->places, 25);
    ASSERT_EQ(deal->sequence.size(), 52U);
    EXPECT_TRUE(deal->startClosed);
    EXPECT_EQ(deal->sequence[0], table::topCardOf(table.state.piles.tableau(0)));
    EXPECT_EQ(deal->sequence[25], table::topCardOf(table.state.piles.stock(table::kStock)));
    for (int a = 1; a <= 52; ++a) {
        for (int b = 1; b <= 52; ++b) {
            EXPECT_EQ(deal->pairs[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)],
                      a != b && squareRank(a) == squareRank(b))
                << a << " " << b;
        }
    }
    for (int p = 0; p < 25; ++p) {
        for (int q = 0; q < 25; ++q) {
            const bool touch =
                p != q && std::abs(p / 5 - q / 5) <= 1 && std::abs(p % 5 - q % 5) <= 1;
            EXPECT_EQ((deal->touching[static_cast<std::size_t>(p)] >> q & 1) != 0, touch)
                << p << " " << q;
        }
    }
}

// Every deal of a sample is answered; every win plays to the end through the
// pointer input, and every answer is that of the search of the engine's own
// actions (pairs clicked in every order, the stock clicked), where that
// search ends.
TEST(MonteCarloSearch, AgreesWithTheSearchOfActions) {
    int won = 0;
    int lost = 0;
    int compared = 0;
    for (long long deal = 1000; deal < 1000 + 137 * 12; deal += 137) {
        MonteCarloTable table(kMonteCarlo, deal);
        const SolveResult fast = solveDeal(table.state, table.frontend);
        ASSERT_TRUE(fast.fastSearch);
        ASSERT_NE(fast.outcome, SolveOutcome::GaveUp) << "deal " << deal;
        if (fast.outcome == SolveOutcome::Solved) {
            ++won;
            MonteCarloTable replay(kMonteCarlo, deal);
            EXPECT_TRUE(replay.playsToTheWin(fast.moves)) << "deal " << deal;
        } else {
            ++lost;
        }
        // Most cards discarded first.
        const std::optional<bool> slowWins =
            testing::searchOfActionsWins(table, 30000, testing::cardsDiscarded, false);
        if (!slowWins) {
            continue;
        }
        ++compared;
        EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins) << "deal " << deal;
    }
    EXPECT_GT(won, 2);
    EXPECT_GT(lost, 2);
    EXPECT_GE(compared, 8);
}

// Hint searches the table as it stands: a square with gaps not yet closed
// up, and one closed up with the stock shorter, are searched from there, and
// their lines win from there.
TEST(MonteCarloSearch, SearchesAPositionPartPlayed) {
    MonteCarloTable table(kMonteCarlo, 1000);
    const SolveResult whole = solveDeal(table.state, table.frontend);
    ASSERT_EQ(whole.outcome, SolveOutcome::Solved);
    // The first pair of the line, the stock not clicked yet.
    ASSERT_GE(whole.moves.size(), 3U);
    for (std::size_t i = 0; i < 2; ++i) {
        ASSERT_TRUE(table.run(commandText(whole.moves[i])));
    }
    const std::optional<MonteCarloDeal> open = monteCarloDealFor(table.state, table.frontend);
    ASSERT_TRUE(open);
    EXPECT_FALSE(open->startClosed);
    EXPECT_EQ(open->sequence.size(), 50U);
    const SolveResult fromGaps = solveDeal(table.state, table.frontend);
    ASSERT_EQ(fromGaps.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(fromGaps.fastSearch);
    MonteCarloTable gaps = table;
    EXPECT_TRUE(gaps.playsToTheWin(fromGaps.moves));

    table.run("click Mazzo");
    const SolveResult closed = solveDeal(table.state, table.frontend);
    ASSERT_EQ(closed.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(table.playsToTheWin(closed.moves));
}

// A search that runs out of positions is no proof; with room it answers.
TEST(MonteCarloSearch, ABudgetThatRunsOutIsNoProof) {
    for (long long deal = 1000; deal < 1000 + 137 * 6; deal += 137) {
        MonteCarloTable table(kMonteCarlo, deal);
        const std::optional<MonteCarloDeal> position =
            monteCarloDealFor(table.state, table.frontend);
        ASSERT_TRUE(position);
        const MonteCarloSearchResult full = searchMonteCarloDeal(*position, 1000000);
        ASSERT_NE(full.outcome, MonteCarloSearchResult::Outcome::OutOfBudget);
        if (full.positions > 2) {
            EXPECT_EQ(searchMonteCarloDeal(*position, full.positions / 2).outcome ==
                          MonteCarloSearchResult::Outcome::Exhausted,
                      false)
                << "deal " << deal;
        }
    }
}

} // namespace
} // namespace vellomir::engine
