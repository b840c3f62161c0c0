#include "engine/rules/suit_run_foundation.h"

#include "engine/rules/target_checks.h"
#include "execution_fixture.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::card;
using testing::PlayTable;
using testing::Table;
namespace param = catalogue::param;

// The thirteen spades from the king down to the ace, on a face-down 5 of
// hearts in tableau 1.
Table& withSpadeRun(Table& t) {
    t.tableau(0,
              {"5H", "KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"})
        .faceDown("5H");
    return t;
}

TEST(SuitRunFoundation, AnEmptyFoundationTakesACompleteRunOfOneSuitOnlyWhenTheGameSaysSo) {
    Table t;
    withSpadeRun(t).foundationRule(0, 4, 0, 13).foundationRule(1, 4, 0, 13).carryingRun();
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend,
                                       t.moveTo(table::PileKind::Foundation, 0, card("KS"))));

    t.param(param::FoundationTakesSuitRun, 1);
    EXPECT_TRUE(isCompleteSuitRun(t.state, card("KS")));
    EXPECT_TRUE(foundationTargetCheck(t.state, t.frontend,
                                      t.moveTo(table::PileKind::Foundation, 0, card("KS"))));
    // Part of the run, or a foundation that holds cards, does not take it.
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend,
                                       t.moveTo(table::PileKind::Foundation, 0, card("QS"))));
    t.foundation(1, {"KD"});
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend,
                                       t.moveTo(table::PileKind::Foundation, 1, card("KS"))));
    // A foundation the game does not use takes nothing.
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend,
                                       t.moveTo(table::PileKind::Foundation, 5, card("KS"))));
    // A single card still answers to the foundation's own rule (here: never).
    t.singleCard();
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend,
                                       t.moveTo(table::PileKind::Foundation, 0, card("AS"))));
}

TEST(SuitRunFoundation, RunsThatAreNotCompleteOrNotOfOneSuitStay) {
    Table t;
    t.param(param::FoundationTakesSuitRun, 1).carryingRun();
    // A heart in the middle.
    t.tableau(0, {"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6H", "5S", "4S", "3S", "2S", "AS"});
    EXPECT_FALSE(isCompleteSuitRun(t.state, card("KS")));
    // A gap in the ranks, and a run that goes on past the ace.
    t.tableau(0, {"KS", "QS", "JS", "10S", "9S", "8S", "7S", "5S", "4S", "3S", "2S", "AS"});
    EXPECT_FALSE(isCompleteSuitRun(t.state, card("KS")));
    t.tableau(
        0, {"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS", "KH"});
    EXPECT_FALSE(isCompleteSuitRun(t.state, card("KS")));
    // A face-down card inside the run.
    t.tableau(0, {"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"})
        .faceDown("QS");
    EXPECT_FALSE(isCompleteSuitRun(t.state, card("KS")));
    // A run in a reserve is not a tableau's.
    Table r(4, 8, 1);
    r.param(param::FoundationTakesSuitRun, 1).carryingRun();
    r.reserve(0, {"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"});
    EXPECT_FALSE(isCompleteSuitRun(r.state, card("KS")));
}

TEST(SuitRunFoundation, TheWholeRunGoesUpInOrderAndTheCardUnderItTurnsUp) {
    PlayTable t(8, 10);
    withSpadeRun(t).param(param::FoundationTakesSuitRun, 1).param(param::AutomaticFaceUp, 1);
    t.foundationRule(2, 4, 0, 13).carryingRun();
    EXPECT_TRUE(t.move("KS", "Dest3"));
    EXPECT_EQ(t.state.piles.foundation(2),
              testing::pileOf(
                  {"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"}));
    EXPECT_EQ(t.tableauPile(0), testing::pileOf({"5H"}));
    EXPECT_TRUE(t.faceUp("5H"));
    EXPECT_TRUE(t.faceUp("AS"));
}

} // namespace
} // namespace vellomir::engine
