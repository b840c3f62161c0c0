#include "engine/solver/compact_sliding_puzzle.h"

#include "engine/dealt_game.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using PuzzleTable = testing::UnrecordedGame;

constexpr int kCodeOfTheFirstClub = 27;
constexpr int kHearts = 13;

// The rules the position was given are the engine's, in every size of the
// square: a card slides into the empty place from beside it in its row or
// column, and the cards are home reading row by row, the hearts from the
// ace and then the clubs from the ace.
TEST(SlidingPuzzleSearch, TheDealHoldsTheEnginesRules) {
    for (const auto& [game, width] : {std::pair{kPutInOrder3x3, 3}, std::pair{kPutInOrder4x4, 4},
                                      std::pair{kPutInOrder5x5, 5}}) {
        PuzzleTable table(game, 1000);
        const std::optional<SlidingPuzzleDeal> deal =
            slidingPuzzleDealFor(table.state, table.frontend);
        ASSERT_TRUE(deal) << "game " << game;
        ASSERT_EQ(deal->places, width * width);
        for (int empty = 0; empty < deal->places; ++empty) {
            std::vector<std::int8_t> beside;
            for (int from = 0; from < deal->places; ++from) {
                const int across = std::abs(from % width - empty % width);
                const int down = std::abs(from / width - empty / width);
                if (across + down == 1) {
                    beside.push_back(static_cast<std::int8_t>(from));
                }
            }
            EXPECT_EQ(deal->sliders[static_cast<std::size_t>(empty)], beside)
                << "game " << game << " place " << empty;
        }
        for (int t = 0; t < deal->places; ++t) {
            const int card = deal->start[static_cast<std::size_t>(t)];
            if (card != 0) {
                const int order = card <= kHearts ? card - 1 : card - kCodeOfTheFirstClub + kHearts;
                EXPECT_EQ(deal->home[static_cast<std::size_t>(card)], order)
                    << "game " << game << " card " << card;
            }
        }
    }
}

// Every size is won by the fast search, and its lines win through the
// pointer input.
TEST(SlidingPuzzleSearch, WinsThroughThePointerInput) {
    for (const int game : {kPutInOrder3x3, kPutInOrder4x4, kPutInOrder5x5}) {
        for (long long number = 1000; number < 1000 + 137 * 3; number += 137) {
            PuzzleTable table(game, number);
            const SolveResult result = solveDeal(table.state, table.frontend);
            EXPECT_TRUE(result.fastSearch);
            ASSERT_EQ(result.outcome, SolveOutcome::Solved)
                << "game " << game << " deal " << number;
            EXPECT_TRUE(table.playsToTheWin(result.moves)) << "game " << game << " deal " << number;
        }
    }
}

// A square one slide from home is searched from where it stands, and won
// in that one slide.
TEST(SlidingPuzzleSearch, SearchesFromThePositionAsItStands) {
    PuzzleTable table(kPutInOrder4x4, 1137);
    const SolveResult whole = solveDeal(table.state, table.frontend);
    ASSERT_EQ(whole.outcome, SolveOutcome::Solved);
    for (std::size_t played = 0; played + 1 < whole.moves.size(); ++played) {
        ASSERT_TRUE(table.run(commandText(whole.moves[played])));
    }
    const SolveResult last = solveDeal(table.state, table.frontend);
    ASSERT_EQ(last.outcome, SolveOutcome::Solved);
    EXPECT_EQ(last.moves.size(), 1U);
    EXPECT_TRUE(table.playsToTheWin(last.moves));
}

} // namespace
} // namespace vellomir::engine
