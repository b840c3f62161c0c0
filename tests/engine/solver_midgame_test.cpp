// The solver asked from a table in play, as the window's hints ask it, and
// called off from another thread.

#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/solver.h"
#include "support/recording_frontend.h"
#include "support/temp_folder.h"
#include "table/main_game.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace vellomir::engine {
namespace {

// A game dealt with the window's own choices: flights, shadows and the
// player's scoring, every action recorded for undo.
struct TableInPlay {
    table::ProgramState state{VELLOMIR_BIN_DIR};
    testing::RecordingFrontend frontend;
    PlayEngine engine{state, frontend};

    TableInPlay(int game, int deal) {
        state.settings.write(settings::field::CardsAnimate, "Y");
        state.settings.write(settings::field::DealNumber,
                             std::string(12, '0') + std::to_string(deal));
        EXPECT_TRUE(engine.loadGameList());
        EXPECT_TRUE(engine.openGame(game, DealNumberMode::Keep, false));
    }

    bool run(const PointerCommand& command) {
        std::string problem;
        return runPointerCommand(engine, command, problem);
    }
};

// A line found half way through a won game wins from there, played on the
// table itself, and the search touched neither the table nor its undo.
TEST(SolverInPlay, FindsTheRestOfAWinFromATableHalfWayThrough) {
    for (const auto& [game, deal] : {std::pair{5, 1}, std::pair{87, 3}, std::pair{1, 3}}) {
        TableInPlay table(game, deal);
        const SolveResult fromDeal = solveDeal(table.state, table.frontend, {.positions = 20000});
        ASSERT_EQ(fromDeal.outcome, SolveOutcome::Solved) << "game " << game;
        const std::size_t half = fromDeal.moves.size() / 2;
        for (std::size_t i = 0; i < half; ++i) {
            ASSERT_TRUE(table.run(fromDeal.moves[i]));
        }
        ASSERT_TRUE(table.state.flags.test(table::Flag::GameInPlay));
        const int movesBefore = table.engine.moves();
        const table::PileLists before = table.state.piles;
        table.frontend.calls.clear();

        const SolveResult rest = solveDeal(table.state, table.frontend, {.positions = 20000});
        ASSERT_EQ(rest.outcome, SolveOutcome::Solved) << "game " << game;
        EXPECT_TRUE(table.frontend.calls.empty()) << table.frontend.calls.front();
        EXPECT_EQ(table.state.piles, before);
        EXPECT_TRUE(table.engine.canUndo());
        for (const PointerCommand& move : rest.moves) {
            ASSERT_TRUE(table.state.flags.test(table::Flag::GameInPlay))
                << "game " << game << " ended before " << commandText(move);
            ASSERT_TRUE(table.run(move)) << commandText(move);
        }
        EXPECT_TRUE(table.frontend.saw("winning animation")) << "game " << game;
        EXPECT_GT(table.engine.moves(), movesBefore);
    }
}

// With one Autoplay choice per game, the Autoplay command stores the tick
// in the player's preferences. The search ticks and unticks it on its own
// copy thousands of times: none of that may reach the player's file.
TEST(SolverInPlay, TicksAutoplayWithoutStoringThePlayersChoice) {
    testing::TempFolder folder;
    TableInPlay table(5, 1);
    table.state.dataFolder = folder.path().string() + "/";
    std::filesystem::create_directories(
        std::filesystem::path(table.state.preferencesPath()).parent_path());
    table.state.mainGame.setCell(table::cell::AutoplayAllGames, 2);
    // The gesture search is the one that tries the Autoplay command.
    const SolveResult result = solveDeal(table.state, table.frontend, {.fastSearch = false});
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(std::ranges::any_of(result.moves, [](const PointerCommand& move) {
        return move.verb == PointerCommand::Verb::Autoplay;
    })) << "the line no longer ticks Autoplay: the test shows nothing";
    EXPECT_FALSE(std::filesystem::exists(table.state.preferencesPath()));
    EXPECT_EQ(table.state.mainGame.cell(table::cell::AutoplayAllGames), 2);
}

// A search told to stop gives up, even on a deal it would prove lost: a
// search called off never says a deal cannot be won.
TEST(SolverInPlay, AStopRequestEndsTheSearchAsGivenUp) {
    TableInPlay castle(17, 1);
    ASSERT_EQ(solveDeal(castle.state, castle.frontend).outcome, SolveOutcome::Unsolved);
    std::atomic<bool> stop{true};
    const SolveResult stopped = solveDeal(castle.state, castle.frontend, {.stop = &stop});
    EXPECT_EQ(stopped.outcome, SolveOutcome::GaveUp);
    EXPECT_LE(stopped.positions, 1);
    EXPECT_TRUE(stopped.moves.empty());

    // Set from another thread while a long search runs.
    TableInPlay klondike(1, 2);
    stop = false;
    std::thread caller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop = true;
    });
    const SolveResult called =
        solveDeal(klondike.state, klondike.frontend, {.positions = 100000000, .stop = &stop});
    caller.join();
    EXPECT_NE(called.outcome, SolveOutcome::Unsolved);
    EXPECT_LT(called.positions, 100000000);
}

} // namespace
} // namespace vellomir::engine
