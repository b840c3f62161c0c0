#include "engine/solver/compact_aces_up.h"

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
using AcesUpTable = testing::UnrecordedGame;

int discardedCards(const table::ProgramState& state) {
    return table::cardCount(state.piles.foundation(0));
}

// Discards every top card the foundation takes, as long as one goes.
void discardWhatGoes(AcesUpTable& table) {
    for (bool discarded = true; discarded;) {
        discarded = false;
        for (int t = 1; t <= 4; ++t) {
            const int before = discardedCards(table.state);
            table.run("drag Fila" + std::to_string(t) + " Dest1");
            discarded = discarded || discardedCards(table.state) > before;
        }
    }
}

// The rules the deal was given are the engine's: a card goes only with a
// higher one of its suit (or the ace) beside it, every card goes into a
// space, and the stock deals the rest of the pack a card to each pile.
TEST(AcesUpSearch, TheDealHoldsTheEnginesRules) {
    AcesUpTable table(kAcesUp, 1000);
    const std::optional<AcesUpDeal> deal = acesUpDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->piles, 4);
    EXPECT_EQ(deal->rounds.size(), 12U);
    EXPECT_EQ(deal->discardsToWin, 48);
    const auto card = [](int suit, int rank) { return suit * 13 + rank; };
    EXPECT_TRUE(deal->discardsWith[card(0, 5)][card(0, 9)]);
    EXPECT_TRUE(deal->discardsWith[card(0, 13)][card(0, 1)]); // the ace beats the king
    EXPECT_FALSE(deal->discardsWith[card(0, 9)][card(0, 5)]);
    EXPECT_FALSE(deal->discardsWith[card(0, 5)][card(1, 9)]);
    EXPECT_FALSE(deal->discardsWith[card(0, 1)][card(0, 13)]); // an ace never goes
    EXPECT_EQ(deal->spaceTakes.count(), 52U);
    std::bitset<AcesUpDeal::kCodes> seen;
    for (const auto& pile : deal->start) {
        for (const std::uint8_t code : pile) {
            seen.set(code);
        }
    }
    for (const auto& round : deal->rounds) {
        for (int t = 0; t < 4; ++t) {
            EXPECT_FALSE(seen.test(round[static_cast<std::size_t>(t)]));
            seen.set(round[static_cast<std::size_t>(t)]);
        }
    }
    EXPECT_EQ(seen.count(), 52U);
}

// Whole deals: the solver answers through this search, and every win plays
// through the pointer input to the win.
TEST(AcesUpSearch, WinsWholeDealsThroughThePointerInput) {
    int solved = 0;
    for (const int number : {1000, 1137, 1274, 1411, 1548, 1685}) {
        AcesUpTable table(kAcesUp, number);
        SolveLimits limits;
        limits.gestureSearch = false;
        limits.fastPositions = 200'000;
        const SolveResult result = solveDeal(table.state, table.frontend, limits);
        EXPECT_TRUE(result.fastSearch) << number;
        if (result.outcome == SolveOutcome::Solved) {
            ++solved;
            AcesUpTable replay(kAcesUp, number);
            EXPECT_TRUE(replay.playsToTheWin(result.moves)) << "deal " << number;
        }
    }
    EXPECT_GE(solved, 3);
}

// Late in a deal, where the search of actions (the engine's own drags and
// clicks, another search altogether) searches every position, the two agree
// on which positions are won, and this search's proofs of loss hold.
TEST(AcesUpSearch, AgreesWithTheSearchOfActionsLateInADeal) {
    int compared = 0;
    int lost = 0;
    int won = 0;
    for (int number = 1; number <= 24; ++number) {
        AcesUpTable table(kAcesUp, number);
        // The stock dealt but for its last round or two: along a won line
        // where the solver finds one, else discarding greedily.
        const int roundsLeft = 1 + number % 2;
        const auto dealing = [&] {
            return table::cardCount(table.state.piles.stock(table::kStock)) > 4 * roundsLeft;
        };
        SolveLimits limits;
        limits.gestureSearch = false;
        limits.fastPositions = 100'000;
        const SolveResult line = solveDeal(table.state, table.frontend, limits);
        if (line.outcome == SolveOutcome::Solved) {
            for (std::size_t i = 0; i < line.moves.size() && dealing(); ++i) {
                ASSERT_TRUE(table.run(commandText(line.moves[i])));
            }
        }
        discardWhatGoes(table);
        while (dealing()) {
            ASSERT_TRUE(table.run("click Mazzo"));
            discardWhatGoes(table);
        }
        const std::optional<AcesUpDeal> deal = acesUpDealFor(table.state, table.frontend);
        ASSERT_TRUE(deal);
        const AcesUpSearchResult fast = searchAcesUpDeal(*deal, 2'000'000);
        ASSERT_NE(fast.outcome, AcesUpSearchResult::Outcome::OutOfBudget) << number;
        const std::optional<bool> slowWins = testing::searchOfActionsWins(
            table, 20000, [](const table::ProgramState& s) { return discardedCards(s); }, false);
        if (!slowWins) {
            continue;
        }
        ++compared;
        lost += fast.outcome == AcesUpSearchResult::Outcome::Exhausted ? 1 : 0;
        won += fast.outcome == AcesUpSearchResult::Outcome::Won ? 1 : 0;
        EXPECT_EQ(fast.outcome == AcesUpSearchResult::Outcome::Won, *slowWins)
            << "deal " << number << ", " << roundsLeft << " rounds left";
    }
    EXPECT_GE(compared, 12);
    EXPECT_GE(lost, 3);
    EXPECT_GE(won, 3);
}

// A search stopped by its position limit gives up; it never calls the deal lost.
TEST(AcesUpSearch, ABudgetRunOutIsNoProof) {
    AcesUpTable table(kAcesUp, 1000137);
    const std::optional<AcesUpDeal> deal = acesUpDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    const AcesUpSearchResult found = searchAcesUpDeal(*deal, 50);
    EXPECT_EQ(found.outcome, AcesUpSearchResult::Outcome::OutOfBudget);
    EXPECT_TRUE(found.line.empty());
}

} // namespace
} // namespace vellomir::engine
