#include "engine/solver/action_search.h"

#include "engine/dealt_game.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/position_record.h"
#include "engine/solver/solver.h"
#include "engine/solver/solver_places.h"
#include "engine/solver/table_fingerprint.h"
#include "support/game_numbers.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vellomir::engine {
namespace {

using testing::DealtGame;

using namespace vellomir::testing::game;

PointerCommand command(PointerCommand::Verb verb, const std::string& place,
                       const std::string& target = {}) {
    PointerCommand c;
    c.verb = verb;
    c.place = place;
    c.target = target;
    return c;
}

// Whether the game holds a selection open (foundation 1 of the selection
// games holds the selected cards).
bool selectionOpen(const DealtGame& game, bool selecting) {
    return selecting && !game.state.piles.foundation(0).empty();
}

// A position as a key: its fingerprint, where in the selection games the
// cards on the discard pile count as a set. There the order two cards of a
// pair were picked in leaves another card on top of that pile, which no
// rule of those games reads.
std::uint64_t positionKey(const table::ProgramState& state, bool selecting) {
    if (!selecting) {
        return tableFingerprint(state);
    }
    table::ProgramState sorted = state;
    std::string& discard = sorted.piles.stock(table::kDiscard);
    std::vector<std::string> cards;
    for (std::size_t i = 0; i + 3 <= discard.size(); i += 3) {
        cards.push_back(discard.substr(i, 3));
    }
    std::sort(cards.begin(), cards.end());
    discard.clear();
    for (const std::string& card : cards) {
        discard += card;
    }
    return tableFingerprint(sorted);
}

// The positions a player reaches from `game` through the pointer input
// alone, tried by brute force: a click on every place a press starts from
// and a drag from every such place onto every place a card is dropped on;
// where a click opens a selection, every click after it, up to `clicks`
// clicks, until the selection closes again. The fingerprints of the
// positions that differ from the start, with the selection closed, as keys.
void reachable(const DealtGame& game, bool selecting, int clicks, std::uint64_t start,
               std::set<std::uint64_t>& found) {
    const SolverPlaces places = solverPlaces(game.state);
    auto note = [&](const DealtGame& after, int depth) {
        const std::uint64_t key = positionKey(after.state, selecting);
        if (selectionOpen(after, selecting)) {
            if (depth < clicks &&
                after.state.piles.foundation(0).size() > game.state.piles.foundation(0).size()) {
                reachable(after, selecting, clicks - depth, start, found);
            }
        } else if (tableFingerprint(after.state) != start) {
            found.insert(key);
        }
    };
    for (const std::string& source : places.sources) {
        DealtGame click(game);
        std::string problem;
        if (runPointerCommand(click.engine, command(PointerCommand::Verb::Click, source),
                              problem)) {
            note(click, 1);
        }
        if (selectionOpen(game, selecting)) {
            continue; // a selection only takes clicks
        }
        for (const std::string& target : places.targets) {
            DealtGame drag(game);
            if (runPointerCommand(drag.engine, command(PointerCommand::Verb::Drag, source, target),
                                  problem)) {
                note(drag, clicks);
            }
        }
    }
}

// The steps of the search at a position against the brute force above;
// then the game moves on by one of the steps, and the two are compared
// again, `positions` times.
void compareSteps(int gameNumber, long long deal, bool selecting, int clicks, int positions) {
    DealtGame game(gameNumber, deal, false);
    for (int p = 0; p < positions; ++p) {
        const std::vector<ActionStep> steps = actionSteps(game.state, game.frontend, true);
        // Each step played again through the pointer input from the position.
        std::set<std::uint64_t> searched;
        for (const ActionStep& step : steps) {
            if (step.wins || step.gestures.front().verb == PointerCommand::Verb::Quit) {
                continue;
            }
            DealtGame after(game);
            for (const PointerCommand& gesture : step.gestures) {
                ASSERT_TRUE(after.run(commandText(gesture))) << commandText(gesture);
            }
            EXPECT_EQ(tableFingerprint(after.state), step.fingerprint);
            searched.insert(positionKey(after.state, selecting));
        }
        std::set<std::uint64_t> brute;
        reachable(game, selecting, clicks, tableFingerprint(game.state), brute);
        EXPECT_EQ(searched, brute)
            << "game " << gameNumber << " deal " << deal << " position " << p;
        if (steps.empty()) {
            break;
        }
        // The first step and the last (the stock's, where there is one) in turn.
        const ActionStep& next = p % 2 == 0 ? steps.front() : steps.back();
        for (const PointerCommand& gesture : next.gestures) {
            ASSERT_TRUE(game.run(commandText(gesture))) << commandText(gesture);
        }
    }
}

TEST(ActionSearch, StepsAreThePositionsThePointerInputReaches) {
    // Games that lift cards: the engine's move list and the pile clicks.
    compareSteps(kCalculation, 3, false, 1, 4);
    compareSteps(kSirTommy, 5, false, 1, 4);
    compareSteps(kAccordion, 7, false, 1, 4);
    compareSteps(kClock, 2, false, 1, 4);
    // Gaps, the sliding puzzle: clicks and drags through the pointer.
    compareSteps(kMontana, 4, false, 1, 3);
    compareSteps(kPutInOrder4x4, 6, false, 1, 3);
    // Selections of two cards, and of three (a jack, a queen and a king).
    compareSteps(kPyramid, 9, true, 2, 8);
    compareSteps(kMonteCarlo, 10, true, 2, 4);
    compareSteps(kFourteenOut, 11, true, 2, 3);
    compareSteps(kElevens, 12, true, 3, 3);
    compareSteps(kTens, 13, true, 4, 2);
}

TEST(ActionSearch, LinesWinThroughThePointerInput) {
    // The search alone, in its plain order.
    constexpr long kPositions = 2000;
    for (const int gameNumber : {kMonteCarlo, kFourteenOut, kTens, kMontana, kAccordion}) {
        int won = 0;
        for (long long deal = 1000; deal <= 1010 && won < 1; ++deal) {
            DealtGame game(gameNumber, deal);
            const ActionSearchResult found = searchActions(
                game.state, game.frontend, kPositions, [](const table::ProgramState&) { return 0; },
                false);
            if (found.outcome != ActionSearchResult::Outcome::Won) {
                continue;
            }
            ++won;
            EXPECT_TRUE(game.playsToTheWin(found.line))
                << "game " << gameNumber << " deal " << deal;
        }
        EXPECT_GT(won, 0) << "game " << gameNumber;
    }
    // Through the solver, in the order it gives the search.
    for (const auto& [gameNumber, deal] :
         std::vector<std::pair<int, int>>{{kPyramid, 3}, {kCalculation, 7}, {kPutInOrder4x4, 2}}) {
        DealtGame game(gameNumber, deal);
        const SolveResult result = solveDeal(game.state, game.frontend);
        ASSERT_EQ(result.outcome, SolveOutcome::Solved) << "game " << gameNumber;
        EXPECT_TRUE(result.fastSearch);
        EXPECT_TRUE(game.playsToTheWin(result.moves)) << "game " << gameNumber;
    }
}

TEST(ActionSearch, ALossItProvesTheGestureSearchProvesToo) {
    // The Clock is small enough for the gesture search to search out.
    int lost = 0;
    for (long long deal = 1; deal <= 6; ++deal) {
        DealtGame game(kClock, deal);
        const ActionSearchResult found = searchActions(
            game.state, game.frontend, 100000, [](const table::ProgramState&) { return 0; }, false);
        ASSERT_NE(found.outcome, ActionSearchResult::Outcome::OutOfBudget);
        SolveLimits gestures;
        gestures.fastSearch = false;
        gestures.idleMoves = 0;
        gestures.positions = 100000;
        const SolveResult checked = solveDeal(game.state, game.frontend, gestures);
        EXPECT_EQ(checked.outcome == SolveOutcome::Unsolved,
                  found.outcome == ActionSearchResult::Outcome::Exhausted)
            << "deal " << deal;
        lost += checked.outcome == SolveOutcome::Unsolved ? 1 : 0;
    }
    EXPECT_GT(lost, 0);
}

} // namespace
} // namespace vellomir::engine
