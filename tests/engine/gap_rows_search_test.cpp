#include "engine/solver/compact_gap_rows.h"

#include "engine/dealt_game.h"
#include "engine/search_of_actions.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using GapRowsTable = testing::UnrecordedGame;

constexpr int kRowsOfMontana = 4;
constexpr int kPlacesInARow = 13;
constexpr int kRankOfTwo = 1; // ranks counted from the ace, 0
constexpr int kRankOfKing = 12;

int gapRowsRank(int card) {
    return (card - 1) % 13;
}
int gapRowsSuit(int card) {
    return (card - 1) / 13;
}

// The places as the table holds them, row after row.
GapRowsDeal::Places placesOnTable(const table::ProgramState& state) {
    GapRowsDeal::Places places{};
    for (int r = 0; r < kRowsOfMontana; ++r) {
        for (int i = 0; i < kPlacesInARow; ++i) {
            places[static_cast<std::size_t>(r * kPlacesInARow + i)] =
                static_cast<std::uint8_t>(table::cardAt(state.piles.tableau(r), i));
        }
    }
    return places;
}

// The rules the position was given are the engine's: a gap takes the card
// of its left neighbour's suit one rank higher (none after a king), a gap
// at a row's start any 2; the four rows of thirteen places lie in order.
TEST(GapRowsSearch, TheDealHoldsTheEnginesRules) {
    GapRowsTable table(kMontana, 1000);
    const std::optional<GapRowsDeal> deal = gapRowsDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->rowStarts, (std::vector<int>{0, 13, 26, 39, 52}));
    EXPECT_EQ(deal->places, placesOnTable(table.state));
    for (int y = 1; y <= 52; ++y) {
        const bool inPlay = gapRowsRank(y) != 0; // the aces were taken out
        for (int r = 0; r < kRowsOfMontana && inPlay; ++r) {
            EXPECT_EQ(deal->rowFirst[static_cast<std::size_t>(r)][static_cast<std::size_t>(y)],
                      gapRowsRank(y) == kRankOfTwo)
                << r << " " << y;
        }
        for (int x = 1; x <= 52 && inPlay; ++x) {
            const bool follows = gapRowsRank(x) != 0 && gapRowsSuit(x) == gapRowsSuit(y) &&
                                 gapRowsRank(x) == gapRowsRank(y) + 1 &&
                                 gapRowsRank(y) != kRankOfKing;
            EXPECT_EQ(deal->followers[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)],
                      follows)
                << y << " " << x;
        }
    }
}

// A redeal is the game's own: the places the search reads after it are
// those a click on the stock leaves on the table, twice over, and the
// engine refuses a third.
TEST(GapRowsSearch, RedealsAreTheGamesOwn) {
    GapRowsTable table(kMontana, 1137);
    std::optional<GapRowsDeal> deal = gapRowsDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    GapRowsDeal::Places places = deal->places;
    int pass = deal->pass;
    for (int redeal = 0; redeal < 2; ++redeal) {
        const auto redealt = redealGapRows(*deal, places, pass);
        ASSERT_TRUE(table.run("click Mazzo"));
        ASSERT_TRUE(redealt);
        EXPECT_EQ(redealt->first, placesOnTable(table.state)) << "redeal " << redeal;
        EXPECT_NE(redealt->first, places);
        places = redealt->first;
        pass = redealt->second;
    }
    EXPECT_FALSE(redealGapRows(*deal, places, pass));
}

// Whole deals are won by the fast search, and their lines win through the
// pointer input.
TEST(GapRowsSearch, WinsWholeDealsThroughThePointerInput) {
    int won = 0;
    for (long long number = 1000; number < 1000 + 137 * 4; number += 137) {
        GapRowsTable table(kMontana, number);
        const SolveResult result = solveDeal(table.state, table.frontend);
        EXPECT_TRUE(result.fastSearch);
        EXPECT_NE(result.outcome, SolveOutcome::Unsolved) << "it proves no loss";
        if (result.outcome == SolveOutcome::Solved) {
            ++won;
            EXPECT_TRUE(table.playsToTheWin(result.moves)) << "deal " << number;
        }
    }
    EXPECT_GE(won, 3);
}

// Late in a won deal, the positions one card's move aside from the winning
// line are won by the fast search where the search of the engine's own
// actions (which searches such positions out) wins them, and never where it
// proves them lost.
TEST(GapRowsSearch, LatePositionsAgreeWithTheSearchOfActions) {
    int won = 0;
    int lost = 0;
    for (const long long number : {1000LL, 1274LL}) {
        GapRowsTable table(kMontana, number);
        const SolveResult whole = solveDeal(table.state, table.frontend);
        ASSERT_EQ(whole.outcome, SolveOutcome::Solved) << "deal " << number;
        constexpr std::size_t kMovesBeforeTheEnd = 30;
        const std::size_t upTo =
            whole.moves.size() > kMovesBeforeTheEnd ? whole.moves.size() - kMovesBeforeTheEnd : 0;
        for (std::size_t played = 0; played < upTo; ++played) {
            ASSERT_TRUE(table.run(commandText(whole.moves[played])));
        }
        // Every drag of a card into a gap from here.
        std::vector<GapRowsTable> aside;
        for (int from = 0; from < kRowsOfMontana * kPlacesInARow; ++from) {
            for (int to = 0; to < kRowsOfMontana * kPlacesInARow; ++to) {
                const auto name = [](int place) {
                    return "Fila" + std::to_string(place / kPlacesInARow + 1) + ":" +
                           std::to_string(place % kPlacesInARow);
                };
                GapRowsTable after = table;
                const GapRowsDeal::Places before = placesOnTable(after.state);
                if (before[static_cast<std::size_t>(from)] == 0 ||
                    before[static_cast<std::size_t>(to)] != 0) {
                    continue;
                }
                after.run("drag " + name(from) + " " + name(to));
                if (placesOnTable(after.state) != before) {
                    aside.push_back(after);
                }
            }
        }
        ASSERT_FALSE(aside.empty());
        for (GapRowsTable& position : aside) {
            const SolveResult fast = solveDeal(position.state, position.frontend);
            ASSERT_TRUE(fast.fastSearch);
            const std::optional<bool> slowWins =
                testing::searchOfActionsWins(position, 200000, testing::noWorth, false);
            ASSERT_TRUE(slowWins) << "deal " << number;
            EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins) << "deal " << number;
            EXPECT_NE(fast.outcome, SolveOutcome::Unsolved);
            if (fast.outcome == SolveOutcome::Solved) {
                ++won;
                EXPECT_TRUE(position.playsToTheWin(fast.moves));
            } else {
                ++lost;
            }
        }
    }
    EXPECT_GT(won, 1);
    EXPECT_GT(lost, 0);
}

} // namespace
} // namespace vellomir::engine
