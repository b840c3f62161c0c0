#include "engine/solver/compact_placed_piles.h"

#include "engine/dealt_game.h"
#include "engine/search_of_actions.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using PlacedTable = testing::UnrecordedGame;
using PlacedOutcome = PlacedPilesSearchResult::Outcome;

constexpr int kSuitsOfStrategy = 4;
constexpr int kRanksInASuit = 13;

// The rules the deal was given are the engine's: every card of the stock
// to place, from its top, onto eight empty piles, and each foundation
// taking its suit from the 2 to the king once the stock is spent.
TEST(PlacedPilesSearch, TheDealHoldsTheEnginesRules) {
    const PlacedTable table(kStrategy, 1000);
    const std::optional<PlacedPilesDeal> deal = placedPilesDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->piles, 8);
    EXPECT_FALSE(deal->firstOnWaste);
    const std::string& stock = table.state.piles.stock(table::kStock);
    std::vector<std::uint8_t> fromTop;
    for (int i = table::cardCount(stock) - 1; i >= 0; --i) {
        fromTop.push_back(static_cast<std::uint8_t>(table::cardAt(stock, i)));
    }
    EXPECT_EQ(deal->order, fromTop);
    ASSERT_EQ(deal->chains.size(), 4U);
    for (int f = 0; f < kSuitsOfStrategy; ++f) {
        const int ace = table::topCardOf(table.state.piles.foundation(f));
        std::vector<std::uint8_t> suit;
        for (int card = ace + 1; card < ace + kRanksInASuit; ++card) {
            suit.push_back(static_cast<std::uint8_t>(card));
        }
        EXPECT_EQ(deal->chains[static_cast<std::size_t>(f)], suit) << "foundation " << f;
    }
    for (const int game : {kSirTommy, kKlondike, kOsmosis}) {
        const PlacedTable other(game, 1000);
        EXPECT_FALSE(placedPilesDealFor(other.state, other.frontend)) << "game " << game;
    }
}

// A position of Strategy `left` cards before the stock is spent: the cards
// before placed through the pointer input, on the piles a won line of the
// search places them on where `followLine`, else on piles taken at random.
void placeAllBut(PlacedTable& table, int left, bool followLine, std::mt19937& random) {
    std::vector<PlacedPilesMove> line;
    if (followLine) {
        const std::optional<PlacedPilesDeal> deal = placedPilesDealFor(table.state, table.frontend);
        ASSERT_TRUE(deal);
        line = searchPlacedPilesDeal(*deal, 100'000).line;
    }
    for (std::size_t i = 0; table::cardCount(table.state.piles.stock(table::kStock)) > left; ++i) {
        ASSERT_TRUE(table.run("click Mazzo"));
        const int pile = i < line.size() ? line[i].pile : static_cast<int>(random() % 8);
        ASSERT_TRUE(table.run("drag Mazzo_Vis Fila" + std::to_string(1 + pile)));
    }
}

// Near the end of the stock the search of actions, written apart, searches
// Strategy out: there the placed piles' answer, won or lost, is its own.
TEST(PlacedPilesSearch, AnswersAsTheSearchOfActionsLateInTheDeal) {
    std::mt19937 random(151);
    int won = 0;
    int lost = 0;
    for (int deal = 1000; deal < 1000 + 20 * 137; deal += 137) {
        PlacedTable table(kStrategy, deal);
        placeAllBut(table, 2, deal % 2 == 0, random);
        const std::optional<PlacedPilesDeal> placed =
            placedPilesDealFor(table.state, table.frontend);
        ASSERT_TRUE(placed) << "deal " << deal;
        const PlacedPilesSearchResult fast = searchPlacedPilesDeal(*placed, 100'000);
        ASSERT_NE(fast.outcome, PlacedOutcome::OutOfBudget) << "deal " << deal;
        const std::optional<bool> slow =
            testing::searchOfActionsWins(table, 5'000, testing::cardsOnFoundations, false);
        if (!slow) {
            continue;
        }
        EXPECT_EQ(fast.outcome == PlacedOutcome::Won, *slow) << "deal " << deal;
        (*slow ? won : lost) += 1;
    }
    EXPECT_GT(won, 3);
    EXPECT_GT(lost, 3);
}

// A card with no pile to go on ends the search, lost: here the 3 would
// cover the 2 its foundation wants first, on the one pile there is.
TEST(PlacedPilesSearch, ACardWithNowhereToGoLosesTheDeal) {
    PlacedPilesDeal deal;
    deal.piles = 1;
    deal.order = {3};
    deal.dealtPiles = {{2}};
    deal.chains = {{2, 3}};
    const PlacedPilesSearchResult found = searchPlacedPilesDeal(deal, 1000);
    EXPECT_EQ(found.outcome, PlacedOutcome::Exhausted);
    EXPECT_TRUE(found.line.empty());
    deal.order = {};
    deal.dealtPiles = {{3, 2}};
    EXPECT_EQ(searchPlacedPilesDeal(deal, 1000).outcome, PlacedOutcome::Won);
}

// The solver answers Strategy with it: a deal won, its line replayed
// through the pointer input to the win, with Autoplay unticked first or,
// as the window asks for its hints, left ticked (the line then starts with
// the move the hint shows, and Autoplay may send the last cards up).
TEST(PlacedPilesSearch, TheSolverWinsADealThroughThePointerInput) {
    for (const bool keepAutoplay : {false, true}) {
        PlacedTable table(kStrategy, 1137);
        table.state.autoplayTicked = true;
        SolveLimits limits;
        limits.keepAutoplay = keepAutoplay;
        const SolveResult answer = solveDeal(table.state, table.frontend, limits);
        ASSERT_EQ(answer.outcome, SolveOutcome::Solved) << keepAutoplay;
        EXPECT_TRUE(answer.fastSearch);
        ASSERT_FALSE(answer.moves.empty());
        EXPECT_EQ(answer.moves.front().verb == PointerCommand::Verb::Autoplay, !keepAutoplay);
        EXPECT_TRUE(table.playsToTheWin(answer.moves)) << keepAutoplay;
    }
}

} // namespace
} // namespace vellomir::engine
