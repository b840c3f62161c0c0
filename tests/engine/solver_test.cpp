#include "engine/solver/solver.h"

#include "catalogue/parameter_index.h"
#include "engine/dealt_game.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/position_record.h"
#include "engine/solver/table_fingerprint.h"
#include "engine/solver/twin_piles.h"
#include "support/recording_frontend.h"
#include "table/main_game.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <memory>

namespace vellomir::engine {
namespace {

using testing::DealtGame;

TEST(PointerCommand, ReadsEveryCommandAndWritesItBackTheSame) {
    for (const char* line :
         {"press Fila3:2 right ctrl", "move Dest1", "release", "click Mazzo", "click Fila1 right",
          "dblclick Mazzo_Vis", "drag Fila3:2 Fila4", "autoplay", "quit"}) {
        std::string problem;
        const auto command = parsePointerCommand(line, problem);
        ASSERT_TRUE(command) << line << ": " << problem;
        EXPECT_EQ(commandText(*command), line);
    }
    std::string problem;
    EXPECT_FALSE(parsePointerCommand("click Fila1 ctrl", problem));
    EXPECT_EQ(problem, "unexpected 'ctrl'");
    EXPECT_FALSE(parsePointerCommand("drag Fila1", problem));
    EXPECT_FALSE(parsePointerCommand("jump Fila1", problem));
    EXPECT_EQ(problem, "unknown command 'jump'");
}

TEST(PointerCommand, APlaceThatNamesNoCardSendsNoEvent) {
    DealtGame klondike(1, 7);
    const table::PileLists dealt = klondike.state.piles;
    std::string problem;
    PointerCommand drag = *parsePointerCommand("drag Fila1:5 Dest1", problem);
    EXPECT_FALSE(runPointerCommand(klondike.engine, drag, problem));
    EXPECT_EQ(problem, "no card 5 in Fila1");
    drag.place = "Fila9";
    EXPECT_FALSE(runPointerCommand(klondike.engine, drag, problem));
    EXPECT_EQ(problem, "pile Fila9 is not on the table");
    EXPECT_EQ(klondike.state.piles, dealt);
    EXPECT_EQ(klondike.state.mainGame.cell(table::cell::PickedCard), 0);
}

TEST(TableFingerprint, FollowsThePilesAndFacesButNotThePointer) {
    DealtGame klondike(1, 7);
    const std::uint64_t dealt = tableFingerprint(klondike.state);
    // The pointer's own cells are no part of a position.
    klondike.state.mainGame.setCell(table::cell::PressX, 321);
    klondike.state.mainGame.setCell(table::cell::HoverY, 42);
    EXPECT_EQ(tableFingerprint(klondike.state), dealt);
    // A card dealt to the waste is a new position; so is a card turned.
    ASSERT_TRUE(klondike.run("click Mazzo"));
    const std::uint64_t dealtOne = tableFingerprint(klondike.state);
    EXPECT_NE(dealtOne, dealt);
    const int waste = table::topCardOf(klondike.state.piles.stock(table::kWaste));
    klondike.state.cards.setFaceUp(waste, false);
    EXPECT_NE(tableFingerprint(klondike.state), dealtOne);
}

TEST(TableFingerprint, ReadsTheDiscardPileByItsSizeAndTopCard) {
    DealtGame golf(44, 1);
    std::string& discard = golf.state.piles.stock(table::kDiscard);
    discard = "012013014";
    const std::uint64_t one = tableFingerprint(golf.state);
    // The same cards below the same top card, come there in another order.
    discard = "013012014";
    EXPECT_EQ(tableFingerprint(golf.state), one);
    // Another top card, or one card more, is another position.
    discard = "012014013";
    EXPECT_NE(tableFingerprint(golf.state), one);
    discard = "012013015014";
    EXPECT_NE(tableFingerprint(golf.state), one);
}

TEST(PositionRecord, PutsBackThePilesFacesScoreAndCounters) {
    DealtGame klondike(1, 7);
    const PositionRecord dealt(klondike.state);
    const std::uint64_t fingerprint = tableFingerprint(klondike.state);
    const table::PileLists piles = klondike.state.piles;
    const std::string score = klondike.state.settings.read(settings::field::Score);
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(klondike.run("click Mazzo")); // through the stock and round again
    }
    ASSERT_NE(klondike.state.piles, piles);
    ASSERT_GT(klondike.state.undoLists.snapshotCount(), 0);
    dealt.restoreInto(klondike.state);
    EXPECT_EQ(klondike.state.piles, piles);
    EXPECT_EQ(klondike.state.settings.read(settings::field::Score), score);
    EXPECT_EQ(tableFingerprint(klondike.state), fingerprint);
    EXPECT_EQ(klondike.state.undoLists.snapshotCount(), 0);
}

TEST(TwinPiles, EmptyPilesAlikeShareAClassOnlyInTheGeneralGames) {
    DealtGame klondike(1, 7);
    const TwinPiles klondikeTwins(klondike.state.params);
    using table::PileKind;
    EXPECT_EQ(klondikeTwins.classOf({PileKind::Foundation, 3}),
              klondikeTwins.classOf({PileKind::Foundation, 0}));
    EXPECT_EQ(klondikeTwins.classOf({PileKind::Tableau, 6}),
              klondikeTwins.classOf({PileKind::Tableau, 0}));
    EXPECT_NE(klondikeTwins.classOf({PileKind::Tableau, 0}),
              klondikeTwins.classOf({PileKind::Foundation, 0}));
    EXPECT_NE(klondikeTwins.classOf({PileKind::Stock, 0}),
              klondikeTwins.classOf({PileKind::Stock, 1}));
    // Monte Carlo's places are squares of a grid: no two are alike.
    DealtGame monteCarlo(37, 7);
    const TwinPiles gridTwins(monteCarlo.state.params);
    EXPECT_NE(gridTwins.classOf({PileKind::Tableau, 1}), gridTwins.classOf({PileKind::Tableau, 0}));
}

// The line the solver finds wins when its commands are played from the
// deal through the pointer input, and the search drew nothing and left the
// dealt state alone.
TEST(Solver, FindsAWinningLineThatThePointerInputPlaysToTheEnd) {
    for (const auto& [game, deal] : {std::pair{5, 1}, std::pair{87, 3}}) {
        DealtGame dealt(game, deal);
        dealt.frontend.calls.clear();
        const table::PileLists before = dealt.state.piles;
        const SolveResult result = solveDeal(dealt.state, dealt.frontend);
        ASSERT_EQ(result.outcome, SolveOutcome::Solved) << "game " << game;
        EXPECT_TRUE(dealt.frontend.calls.empty()) << dealt.frontend.calls.front();
        EXPECT_EQ(dealt.state.piles, before);
        for (std::size_t i = 0; i < result.moves.size(); ++i) {
            const std::string line = commandText(result.moves[i]);
            ASSERT_TRUE(dealt.state.flags.test(table::Flag::GameInPlay)) << "ended before " << line;
            ASSERT_TRUE(dealt.run(line)) << line;
        }
        EXPECT_TRUE(dealt.frontend.saw("winning animation")) << "game " << game;
    }
}

// Beleaguered Castle, deal 1, is lost: the search runs out of positions
// after a few dozen. Only a search that went through every position it can
// reach may say so; one stopped short of that gives up.
TEST(Solver, CallsADealLostOnlyWhenEveryPositionWasSearched) {
    DealtGame castle(17, 1);
    const SolveResult lost = solveDeal(castle.state, castle.frontend, {.fastSearch = false});
    EXPECT_EQ(lost.outcome, SolveOutcome::Unsolved);
    EXPECT_GT(lost.positions, 10);
    EXPECT_TRUE(lost.moves.empty());
    const SolveResult cut = solveDeal(castle.state, castle.frontend,
                                      {.positions = lost.positions - 1, .fastSearch = false});
    EXPECT_EQ(cut.outcome, SolveOutcome::GaveUp);
    // Cards may come back from its foundations: the fast search proves the
    // loss by a whole search over every move, those take-backs included.
    // Without them too, and only by a whole search.
    const SolveResult both = solveDeal(castle.state, castle.frontend);
    EXPECT_EQ(both.outcome, SolveOutcome::Unsolved);
    EXPECT_TRUE(both.fastSearch);
    const SolveResult bothCut =
        solveDeal(castle.state, castle.frontend,
                  {.fastPositions = both.positions - 1, .gestureSearch = false});
    EXPECT_EQ(bothCut.outcome, SolveOutcome::GaveUp);
    table::ProgramState kept = castle.state;
    kept.params.set(catalogue::param::FoundationTakeBack, 0);
    const SolveResult fastLost = solveDeal(kept, castle.frontend);
    EXPECT_EQ(fastLost.outcome, SolveOutcome::Unsolved);
    EXPECT_TRUE(fastLost.fastSearch);
    const SolveResult fastCut = solveDeal(
        kept, castle.frontend, {.fastPositions = fastLost.positions - 1, .gestureSearch = false});
    EXPECT_EQ(fastCut.outcome, SolveOutcome::GaveUp);
}

TEST(Solver, GivesUpAtThePositionLimit) {
    DealtGame klondike(1, 2);
    const SolveResult result =
        solveDeal(klondike.state, klondike.frontend, {.positions = 3, .fastSearch = false});
    EXPECT_EQ(result.outcome, SolveOutcome::GaveUp);
    EXPECT_EQ(result.positions, 3);
    EXPECT_TRUE(result.moves.empty());
}

} // namespace
} // namespace vellomir::engine
