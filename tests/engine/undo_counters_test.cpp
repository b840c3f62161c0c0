// Undo and redo put back the counters a game keeps beside its piles: the
// passes through the stock, and Hit or Miss's called card, hits and passes
// without a hit. A counter left behind by an undo shows when the action is
// played again: the game would count a pass twice.

#include "catalogue_play.h"
#include "engine/play/status_figures.h"

#include <gtest/gtest.h>

#include <array>

namespace vellomir::testing {
namespace {

using table::EngineFlags;
namespace cell = table::cell;

// The counters of Hit or Miss and the pass number, which the cards alone do
// not tell.
std::array<int, 5> counters(const CataloguePlay& t) {
    const EngineFlags& flags = t.state.flags;
    return {flags.counter(0), flags.counter(EngineFlags::kCalledCard),
            flags.counter(EngineFlags::kHitsBeforePass),
            flags.counter(EngineFlags::kPassesWithoutHit), t.state.mainGame.cell(cell::PassNumber)};
}

TEST(UndoCounters, HitOrMissCountsAPassWithoutAHitOnceHoweverOftenItIsTakenBack) {
    CataloguePlay t(47, 2, false);
    ASSERT_TRUE(t.dealt);
    while (t.cards("Mazzo") > 0) {
        t.run("click Mazzo"); // turned, never put aside
    }
    const auto beforeEnd = counters(t);
    t.run("click Mazzo"); // the end of a pass without a hit: turned over and dealt on
    ASSERT_FALSE(t.over());
    const auto afterEnd = counters(t);
    ASSERT_EQ(afterEnd[3], 1);
    ASSERT_NE(afterEnd, beforeEnd);

    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(t.engine.undo());
        EXPECT_EQ(counters(t), beforeEnd) << "round " << round;
        EXPECT_EQ(t.cards("Mazzo"), 0);
        ASSERT_TRUE(t.engine.redo());
        EXPECT_EQ(counters(t), afterEnd) << "round " << round;
    }
    // Taken back and played again: still the first pass without a hit.
    ASSERT_TRUE(t.engine.undo());
    t.run("click Mazzo");
    EXPECT_FALSE(t.over());
    EXPECT_EQ(counters(t), afterEnd);

    // A turn of the second pass taken back calls the same card again.
    t.run("click Mazzo");
    const auto turned = counters(t);
    ASSERT_TRUE(t.engine.undo());
    t.run("click Mazzo");
    EXPECT_EQ(counters(t), turned);

    // The second whole pass without a hit loses the game; nothing is taken
    // back after that.
    while (t.cards("Mazzo") > 0) {
        t.run("click Mazzo");
    }
    t.run("click Mazzo");
    EXPECT_TRUE(t.over());
    EXPECT_FALSE(t.won());
    EXPECT_FALSE(t.engine.canUndo());
    EXPECT_FALSE(t.state.gameLost);
}

TEST(UndoCounters, ARedealTakenBackGivesThePassBack) {
    // Gargantua: two passes through the stock, one redeal.
    CataloguePlay t(9, 1, false);
    ASSERT_TRUE(t.dealt);
    while (t.cards("Mazzo") > 0) {
        t.run("click Mazzo");
    }
    const engine::StatusFigures first = engine::statusFigures(t.state, t.engine.moves());
    ASSERT_EQ(first.passesLeft, 1);
    const std::string waste = t.pile("Mazzo_Vis");
    t.run("click Mazzo"); // the redeal
    ASSERT_GT(t.cards("Mazzo"), 0);
    EXPECT_EQ(engine::statusFigures(t.state, t.engine.moves()).passesLeft, 0);

    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.pile("Mazzo_Vis"), waste);
    EXPECT_EQ(t.cards("Mazzo"), 0);
    const engine::StatusFigures back = engine::statusFigures(t.state, t.engine.moves());
    EXPECT_EQ(back.passesLeft, 1);
    EXPECT_EQ(back.moves, first.moves);
    // The redeal can be made again, once.
    t.run("click Mazzo");
    ASSERT_GT(t.cards("Mazzo"), 0);
    while (t.cards("Mazzo") > 0) {
        t.run("click Mazzo");
    }
    const std::string last = t.pile("Mazzo_Vis");
    t.run("click Mazzo");
    EXPECT_EQ(t.pile("Mazzo_Vis"), last) << "a third pass was dealt";
    EXPECT_EQ(t.cards("Mazzo"), 0);
}

} // namespace
} // namespace vellomir::testing
