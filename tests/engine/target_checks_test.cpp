#include "engine/rules/target_checks.h"

#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::card;
using testing::Table;
namespace param = catalogue::param;
using table::PileKind::Foundation;
using table::PileKind::Reserve;
using table::PileKind::Tableau;

TEST(FoundationTargetCheck, GathersTheFoundationsParameters) {
    Table t;
    t.foundationRule(1, 0, 1, 1).foundation(1, {"AH", "2H"});
    EXPECT_TRUE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 1, card("3H"))));
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 1, card("3D"))));
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 0, card("3H"))));
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 16, card("3H"))));
    t.carryingRun();
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 1, card("3H"))));
}

TEST(FoundationTargetCheck, SizeLimitAndSpecialRules) {
    Table t;
    t.param(param::FoundationMaxCards, 2).foundationRule(0, 0, 1, 1).foundation(0, {"AH", "2H"});
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 0, card("3H"))));
    // Rule 29 runs past the size limit.
    t.param(param::FoundationRule, 29);
    EXPECT_TRUE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 0, card("3H"))));
    // 10: a queen onto an empty foundation only.
    t.param(param::FoundationRule + 2, 10);
    EXPECT_TRUE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 2, card("QS"))));
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 2, card("KS"))));
    t.foundation(2, {"QD"});
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 2, card("QS"))));
    // 22: a card whose suit a tableau still shows higher up, or with an ace.
    t.param(param::FoundationRule + 3, 22).tableau(0, {"9S"}).tableau(1, {"AC"});
    EXPECT_TRUE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 3, card("5S"))));
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 3, card("10S"))));
    EXPECT_TRUE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 3, card("KC"))));
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 3, card("AS"))));
}

TEST(DealFoundationCheck, JudgesTheRuleWithoutACarriedCard) {
    Table t;
    t.param(param::FoundationMaxCards, 13).foundationRule(0, 0, 1, 1).foundation(0, {"AH"});
    // During the deal nothing is carried, and the card still goes up.
    t.carryingRun();
    EXPECT_FALSE(foundationTargetCheck(t.state, t.frontend, t.moveTo(Foundation, 0, card("2H"))));
    EXPECT_TRUE(dealFoundationCheck(t.state, t.frontend, 0, card("2H")));
    EXPECT_FALSE(dealFoundationCheck(t.state, t.frontend, 0, card("2D")));
    EXPECT_FALSE(dealFoundationCheck(t.state, t.frontend, 0, card("3H")));
    EXPECT_FALSE(dealFoundationCheck(t.state, t.frontend, 16, card("2H")));
    // A full foundation takes nothing more.
    t.param(param::FoundationMaxCards, 1);
    EXPECT_FALSE(dealFoundationCheck(t.state, t.frontend, 0, card("2H")));
}

TEST(TableauTargetCheck, FaceDownTopsAndTheTableauMaximum) {
    Table t;
    t.tableauRule(0, 3, 0, 13).tableau(0, {"7H"}).faceDown("7H");
    EXPECT_FALSE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("6S"))));
    t.param(param::GameType, 40);
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("6S"))));
    t.param(param::GameType, 0).tableauRule(1, 3, 0, 13);
    t.param(param::TableauMaxCards, 13);
    t.tableau(0, {"KH", "QS", "JH", "10S", "9H", "8S", "7H", "6S", "5H", "4S", "3H", "2S", "AH"});
    t.param(param::FoundationBaseRank, 5);
    EXPECT_FALSE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("KS"))));
    t.tableau(0, {"KH", "QS", "JH", "10S", "9H", "8S", "7H", "6S", "5H", "4S", "3H", "2S"});
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("AH'"))));
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 1, card("KS"))));
}

TEST(TableauTargetCheck, RunsMustBeWellBuiltAndFitTheFreeCells) {
    Table t(4, 4, 2);
    t.tableauRule(0, 3, 0, -1).tableauRule(1, 3, 0, -1).tableauRule(2, 3, 0, -1);
    t.param(param::RunCheck, 1).param(param::RunSizeLimit, -5).param(param::FoundationBaseRank, 1);
    t.tableau(1, {"8S"}).tableau(2, {"QD"}).tableau(3, {"KC", "7H", "6S", "5D"}).carryingRun();
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 1, card("7H"))));
    // Onto the empty tableau: two free cells and the target, the one free
    // tableau, make room for three cards; one free cell for two.
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("7H"))));
    t.reserve(0, {"2C"});
    EXPECT_FALSE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("7H"))));
    // The check notes nothing for a later one to read.
    EXPECT_EQ(t.state.mainGame.cell(table::cell::MovingTopCard), 0);
    // Back onto its own pile: refused even where the rules would take it.
    t.tableauRule(3, 12, 0, -1);
    EXPECT_FALSE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 3, card("6S"))));
    // A badly built run fails the run check.
    t.tableau(3, {"KC", "7H", "6D", "5S"});
    EXPECT_FALSE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 1, card("7H"))));
    t.singleCard();
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 1, card("7H"))));
}

TEST(TableauTargetCheck, Rule34TakesSingleCardsOnly) {
    Table t;
    t.tableauRule(0, 34, 0, -1).tableau(0, {"9H"}).tableau(1, {"8S", "7S"});
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("8S"))));
    t.carryingRun();
    EXPECT_FALSE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 0, card("8S"))));
    t.tableauRule(2, 34, 0, -1);
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 2, card("8S"))));
}

TEST(TableauTargetCheck, AnEmptyTableauIsNotTheRunsOwnPileWhenNoneIsRecorded) {
    Table t;
    t.tableauRule(2, 3, 0, -1).param(param::FoundationBaseRank, 1).waste({"9C"});
    EXPECT_EQ(t.state.mainGame.cell(table::cell::MovingTopCard), 0);
    EXPECT_TRUE(tableauTargetCheck(t.state, t.frontend, t.moveTo(Tableau, 2, card("9C"))));
}

TEST(ReserveTargetCheck, DropRules) {
    Table t;
    auto rule = [&t](int number, int dropRule) -> Table& {
        return t.param(param::ReserveDropRule + number - 1, dropRule);
    };
    t.tableau(0, {"KH"}).waste({"KS"}).reserve(0, {"2C", "3C"});
    rule(2, 4);
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    rule(2, 8);
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("QH"))));
    t.reserve(0, {"2C", "3C", "4C"});
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    rule(2, 13);
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("QH"))));
    rule(2, 'U');
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KS"))));
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    rule(2, 'X');
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("JH"))));
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    rule(2, 9);
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("10H"))));
    rule(2, 'Q');
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KS"))));
    rule(2, 0);
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    t.reserve(1, {"5D"});
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    // 12 takes any single card, but never a run, nor a card from itself.
    rule(2, 12);
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("5D"))));
    t.carryingRun();
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 1, card("KH"))));
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 10, card("KH"))));
}

TEST(ReserveTargetCheck, StockFirstKeepsTableauCardsOutOfTheReserves) {
    Table t;
    t.param(param::StockFirstRestriction, 2).param(param::ReserveDropRule, 12);
    t.tableau(0, {"KH"}).waste({"KS"});
    EXPECT_FALSE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 0, card("KH"))));
    EXPECT_TRUE(reserveTargetCheck(t.state, t.frontend, t.moveTo(Reserve, 0, card("KS"))));
}

} // namespace
} // namespace vellomir::engine
