#include "engine/solver/compact_refill.h"

#include "engine/dealt_game.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

using Table = testing::UnrecordedGame;

std::vector<std::uint8_t> ranks(std::initializer_list<int> list) {
    std::vector<std::uint8_t> counts(14, 0);
    for (const int rank : list) {
        ++counts[static_cast<std::size_t>(rank)];
    }
    return counts;
}

bool hasSelection(const RefillDeal& deal, std::initializer_list<int> list) {
    return std::ranges::find(deal.selections, ranks(list)) != deal.selections.end();
}

TEST(RefillDeal, ReadsTheSelectionsFromTheEngine) {
    Table elevens(kElevens, 1000);
    const std::optional<RefillDeal> deal = refillDealFor(elevens.state, elevens.frontend, false);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->places, 9);
    EXPECT_EQ(deal->order.size(), 52U);
    EXPECT_TRUE(hasSelection(*deal, {5, 6}));
    EXPECT_TRUE(hasSelection(*deal, {1, 10}));
    EXPECT_TRUE(hasSelection(*deal, {11, 12, 13}));
    EXPECT_FALSE(hasSelection(*deal, {11, 12}));
    EXPECT_FALSE(hasSelection(*deal, {2, 8}));
    // Pairs adding up to 11 and the court set: nothing else.
    EXPECT_EQ(deal->selections.size(), 6U);

    Table fifteens(kFifteens, 1000);
    const std::optional<RefillDeal> more = refillDealFor(fifteens.state, fifteens.frontend, false);
    ASSERT_TRUE(more);
    EXPECT_TRUE(hasSelection(*more, {1, 2, 3, 4, 5}));
    EXPECT_TRUE(hasSelection(*more, {1, 1, 1, 1, 2, 2, 2, 2, 3}));
    EXPECT_TRUE(hasSelection(*more, {10, 10, 10, 10}));
    EXPECT_FALSE(hasSelection(*more, {10, 5}));

    Table eighteens(kEighteens, 1000);
    const std::optional<RefillDeal> court =
        refillDealFor(eighteens.state, eighteens.frontend, false);
    ASSERT_TRUE(court);
    EXPECT_TRUE(hasSelection(*court, {1}));
    EXPECT_TRUE(hasSelection(*court, {12, 2, 6, 10}));
    EXPECT_FALSE(hasSelection(*court, {12, 4, 4, 10}));

    Table pyramid(kPyramid, 1000);
    EXPECT_FALSE(refillDealFor(pyramid.state, pyramid.frontend, false));
}

// The search answers as the search of actions, which plays the engine's
// own clicks, on deals that one answers (those its survey answered
// soonest); every win plays through the pointer input to the win.
TEST(RefillSearch, AgreesWithTheSearchOfActions) {
    const std::vector<std::pair<int, int>> deals{
        {kElevens, 12919},  {kElevens, 13056},  {kElevens, 2370},   {kTens, 22646},
        {kTens, 1685},      {kTens, 14015},     {kFifteens, 10179}, {kFifteens, 11001},
        {kEighteens, 1411}, {kEighteens, 14837}};
    int won = 0;
    int lost = 0;
    int compared = 0;
    for (const auto& [game, deal] : deals) {
        Table table(game, deal);
        const SolveResult fast = solveDeal(table.state, table.frontend);
        ASSERT_TRUE(fast.fastSearch);
        ASSERT_NE(fast.outcome, SolveOutcome::GaveUp) << "game " << game << " deal " << deal;
        if (fast.outcome == SolveOutcome::Solved) {
            ++won;
            Table replay(game, deal);
            EXPECT_TRUE(replay.playsToTheWin(fast.moves)) << "game " << game << " deal " << deal;
        } else {
            ++lost;
        }
        const std::optional<bool> slowWins =
            testing::searchOfActionsWins(table, 20000, testing::cardsDiscarded, false);
        if (!slowWins) {
            continue;
        }
        ++compared;
        EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins)
            << "game " << game << " deal " << deal;
    }
    EXPECT_GT(won, 2);
    EXPECT_GT(lost, 2);
    EXPECT_GE(compared, 6);
}

// Small deals of Elevens' selections: the search, which takes the first of
// the table's cards of a rank, answers as a plain search over every set of
// the table's cards does.
struct SmallDeal {
    RefillDeal deal;
    std::map<std::uint64_t, bool> known;

    bool wins(std::uint64_t gone) {
        const int cards = static_cast<int>(deal.order.size());
        if (gone + 1 == std::uint64_t{1} << cards) {
            return true;
        }
        if (const auto it = known.find(gone); it != known.end()) {
            return it->second;
        }
        const int shown = std::min(cards, deal.places + std::popcount(gone));
        std::vector<int> table;
        for (int i = 0; i < shown; ++i) {
            if ((gone >> i & 1U) == 0) {
                table.push_back(i);
            }
        }
        bool won = false;
        for (std::uint32_t subset = 1; subset < 1U << table.size() && !won; ++subset) {
            std::vector<std::uint8_t> counts(14, 0);
            std::uint64_t leaving = 0;
            for (std::size_t k = 0; k < table.size(); ++k) {
                if ((subset >> k & 1U) != 0) {
                    ++counts[static_cast<std::size_t>(
                        table::rankOf(deal.order[static_cast<std::size_t>(table[k])]))];
                    leaving |= std::uint64_t{1} << table[k];
                }
            }
            if (std::ranges::find(deal.selections, counts) != deal.selections.end()) {
                won = wins(gone | leaving);
            }
        }
        known[gone] = won;
        return won;
    }
};

TEST(RefillSearch, TakingTheFirstCardOfARankNeverCallsAWinnableDealLost) {
    Table elevens(kElevens, 1000);
    const std::vector<std::vector<std::uint8_t>> selections =
        refillDealFor(elevens.state, elevens.frontend, false)->selections;
    std::mt19937 random(53);
    int won = 0;
    int lost = 0;
    for (int i = 0; i < 300; ++i) {
        std::vector<int> pack(52);
        std::iota(pack.begin(), pack.end(), 1);
        std::ranges::shuffle(pack, random);
        SmallDeal made;
        made.deal.places = 3 + i % 3;
        made.deal.selections = selections;
        // Whole selections of cards of few ranks (so that ranks repeat on
        // the table), shuffled.
        for (int k = 0; k < 5; ++k) {
            const std::vector<std::uint8_t>& selection = selections[random() % selections.size()];
            for (int rank = 1; rank <= 13; ++rank) {
                for (int n = 0; n < selection[static_cast<std::size_t>(rank)]; ++n) {
                    const auto card = std::ranges::find_if(
                        pack, [&](int c) { return c > 0 && table::rankOf(c) == rank; });
                    if (card != pack.end()) {
                        made.deal.order.push_back(static_cast<std::uint8_t>(*card));
                        *card = 0;
                    }
                }
            }
        }
        std::ranges::shuffle(made.deal.order, random);
        const bool wins = made.wins(0);
        const RefillSearchResult found = searchRefillDeal(made.deal, 1'000'000);
        ASSERT_EQ(found.outcome,
                  wins ? RefillSearchResult::Outcome::Won : RefillSearchResult::Outcome::Exhausted)
            << "deal " << i;
        (wins ? won : lost) += 1;
    }
    EXPECT_GT(won, 20) << lost;
    EXPECT_GT(lost, 20) << won;
}

} // namespace
} // namespace vellomir::engine
