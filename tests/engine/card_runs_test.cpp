#include "engine/rules/card_runs.h"

#include "engine/rules/four_distinct_suits.h"
#include "engine/rules/pile_location.h"
#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::card;
using testing::pileOf;
using testing::Table;
namespace param = catalogue::param;

std::vector<int> cards(std::initializer_list<std::string_view> names) {
    std::vector<int> codes;
    for (std::string_view name : names) {
        codes.push_back(card(name));
    }
    return codes;
}

TEST(ExtractRun, TakesTheCardAndEverythingAboveIt) {
    Table t(4, 3, 2);
    // "012" (the queen of hearts) appears across the groups of "101 203":
    // only whole codes count.
    t.state.piles.tableau(0) = "101203";
    t.tableau(1, {"KS", "QC", "JS"}).reserve(0, {"QD", "JC"});
    EXPECT_EQ(runFrom(t.state, card("QC")), cards({"QC", "JS"}));
    EXPECT_EQ(runFrom(t.state, card("JC")), cards({"JC"}));
    EXPECT_EQ(runFrom(t.state, card("QH")), std::vector<int>{});
    EXPECT_EQ(extractRun(t.state, card("QC"), true), cards({"QC", "JS"}));
    EXPECT_EQ(t.state.piles.tableau(1), pileOf({"KS"}));
    EXPECT_EQ(extractRun(t.state, card("QD"), false), cards({"QD", "JC"}));
    EXPECT_EQ(t.state.piles.reserve(0), pileOf({"QD", "JC"}));
    // Piles beyond the game's counts are not searched.
    t.tableau(5, {"9H"});
    EXPECT_TRUE(extractRun(t.state, card("9H"), true).empty());
    EXPECT_EQ(t.state.piles.tableau(5), pileOf({"9H"}));
}

TEST(TopOfPile, TableausAndReservesOnly) {
    Table t(4, 3, 2);
    t.tableau(2, {"5H", "4S"}).reserve(1, {"9D"}).waste({"7C"});
    EXPECT_TRUE(isTopOfPile(t.state, card("4S")));
    EXPECT_TRUE(isTopOfPile(t.state, card("9D")));
    EXPECT_FALSE(isTopOfPile(t.state, card("5H")));
    EXPECT_FALSE(isTopOfPile(t.state, card("7C")));
    EXPECT_FALSE(isTopOfPile(t.state, 0));
}

TEST(RunCheck, PairsFollowTheTableauRuleOrTheSuit) {
    Table t;
    t.tableauRule(1, 3, 0, -1).param(param::FoundationBaseRank, 1);
    t.tableau(0, {"9C", "8H", "7S", "6H"});
    EXPECT_TRUE(runCheck(t.state, t.frontend, card("9C"), 1));
    t.param(param::RunCheck, 1);
    EXPECT_TRUE(runCheck(t.state, t.frontend, card("8H"), 1));
    t.param(param::RunCheck, 10);
    EXPECT_FALSE(runCheck(t.state, t.frontend, card("8H"), 1));
    EXPECT_TRUE(runCheck(t.state, t.frontend, card("6H"), 1));
    t.tableau(0, {"9C", "8C", "7C"});
    EXPECT_TRUE(runCheck(t.state, t.frontend, card("9C"), 1));
    t.param(param::RunCheck, 1);
    EXPECT_FALSE(runCheck(t.state, t.frontend, card("9C"), 1));
}

// Athena deals face down and face up in turn: a face-up card under a
// face-down one never moves with it, even when their ranks and colours fit.
TEST(RunCheck, AFaceDownCardNeverMovesInARun) {
    Table t;
    t.tableauRule(1, 3, 0, -1).param(param::FoundationBaseRank, 1).param(param::RunCheck, 1);
    t.tableau(0, {"9C", "8H", "7S"});
    t.state.cards.setFaceUp(card("8H"), false);
    EXPECT_FALSE(runCheck(t.state, t.frontend, card("9C"), 1));
    EXPECT_TRUE(runCheck(t.state, t.frontend, card("7S"), 1));
    t.param(param::RunCheck, 10);
    t.tableau(0, {"9C", "8C", "7C"});
    t.state.cards.setFaceUp(card("8C"), false);
    EXPECT_FALSE(runCheck(t.state, t.frontend, card("9C"), 1));
    t.state.cards.setFaceUp(card("8C"), true);
    EXPECT_TRUE(runCheck(t.state, t.frontend, card("9C"), 1));
}

TEST(RunSizeLimit, FreeCellsAndFreeTableaus) {
    // Three reserves, one of them taken: two free cells.
    Table t(4, 4, 3);
    t.tableau(0, {"9C", "8H", "7S", "6H"}).tableau(1, {"2D"}).reserve(2, {"AS"});
    t.param(param::RunSizeLimit, -5);
    // One empty tableau: 2 + 1 + 1 onto a card, 2 + 1 onto the empty tableau.
    t.tableau(2, {"KD"});
    EXPECT_TRUE(runSizeLimit(t.state, card("9C"), false));
    EXPECT_FALSE(runSizeLimit(t.state, card("9C"), true));
    EXPECT_TRUE(runSizeLimit(t.state, card("8H"), true));
    // The limit notes nothing for a later check to read.
    EXPECT_EQ(t.state.mainGame.cell(table::cell::MovingTopCard), 0);
    // No empty tableau: r + 1.
    t.tableau(3, {"KS"});
    EXPECT_TRUE(runSizeLimit(t.state, card("8H"), false));
    EXPECT_FALSE(runSizeLimit(t.state, card("9C"), false));
    EXPECT_EQ(runLengthLimit(-6, 0, 2, false), 3);
    EXPECT_EQ(runLengthLimit(-6, 2, 2, false), 4);
    EXPECT_EQ(runLengthLimit(-8, 0, 5, false), 1);
    EXPECT_EQ(runLengthLimit(-8, 3, 5, false), 3);
    // The usual free-cell limit: (free cells + 1) doubled per empty tableau,
    // the target not counted.
    EXPECT_EQ(runLengthLimit(-7, 0, 4, false), 5);
    EXPECT_EQ(runLengthLimit(-7, 2, 4, false), 20);
    EXPECT_EQ(runLengthLimit(-7, 2, 4, true), 10);
    EXPECT_EQ(runLengthLimit(-7, 1, 0, true), 1);
    EXPECT_EQ(runLengthLimit(4, 0, 0, false), 4);
    EXPECT_EQ(runLengthLimit(-1, 0, 0, false), std::nullopt);
}

TEST(RunSizeLimit, AKingOnlySpaceHoldsNoneOfARunsCards) {
    Table t(4, 3, 2);
    t.tableau(0, {"KH", "QS", "JH"}).tableau(1, {"9C", "8H", "7S"});
    t.param(param::RunSizeLimit, -5).param(param::FoundationBaseRank, 1);
    for (int i = 0; i < 3; ++i) {
        t.param(param::TableauEmptyCode + i, 13);
    }
    // Two free cells and one empty king-only tableau: moved card by card, a
    // run rests none of its lower cards in the space, whatever leads it:
    // 2 + 1 cards.
    EXPECT_TRUE(runSizeLimit(t.state, card("9C"), false));
    EXPECT_TRUE(runSizeLimit(t.state, card("KH"), false));
    t.reserve(0, {"2D"});
    EXPECT_FALSE(runSizeLimit(t.state, card("9C"), false)); // 1 + 1
    EXPECT_FALSE(runSizeLimit(t.state, card("KH"), false)); // 1 + 1
    // A space that takes any card holds one.
    t.param(param::TableauEmptyCode + 2, -1);
    EXPECT_TRUE(runSizeLimit(t.state, card("KH"), false)); // 1 + 1 + 1
}

TEST(RunSizeLimit, KingLedAndWholeTableauRuns) {
    Table t(4, 4, 2);
    t.tableau(0, {"5D", "KH", "QS", "JH", "10S"}).tableau(1, {"QC", "JD"}).reserve(0, {"3H", "2S"});
    t.param(param::RunSizeLimit, -12);
    EXPECT_TRUE(runSizeLimit(t.state, card("KH"), false));
    EXPECT_FALSE(runSizeLimit(t.state, card("QC"), false));
    EXPECT_TRUE(runSizeLimit(t.state, card("JD"), false));
    t.param(param::RunSizeLimit, -13);
    EXPECT_TRUE(runSizeLimit(t.state, card("QC"), false));
    EXPECT_FALSE(runSizeLimit(t.state, card("KH"), false));
    EXPECT_TRUE(runSizeLimit(t.state, card("10S"), false));
    EXPECT_FALSE(runSizeLimit(t.state, card("3H"), false));
    t.param(param::RunSizeLimit, 0);
    EXPECT_FALSE(runSizeLimit(t.state, card("10S"), false));
    t.param(param::RunSizeLimit, -1);
    EXPECT_TRUE(runSizeLimit(t.state, card("5D"), false));
    EXPECT_EQ(t.state.mainGame.cell(table::cell::MovingTopCard), 0);
    runSizeLimit(t.state, card("7C"), false);
    EXPECT_EQ(t.state.mainGame.cell(table::cell::MovingTopCard), 0);
}

TEST(FourDistinctSuits, CardReplacesItsPositionOrIsAdded) {
    Table t;
    t.foundation(0, {"AH"}).foundation(1, {"AD", "2D"}).foundation(3, {"JK1"});
    EXPECT_TRUE(fourDistinctSuits(t.state, {0, 1, 2, 3}, 2, card("AS")));
    EXPECT_FALSE(fourDistinctSuits(t.state, {0, 1, 2, 3}, 2, card("AH'")));
    EXPECT_TRUE(fourDistinctSuits(t.state, {0, 1, 2, 3}, 0, card("AH'")));
    EXPECT_FALSE(fourDistinctSuits(t.state, {0, 1, 2, 3}, 7, card("AH'")));
    EXPECT_TRUE(fourDistinctSuits(t.state, {0, 1, 2, 3}, 7, card("JK2")));
}

TEST(LocatePile, SearchOrderAndCodes) {
    Table t(4, 3, 2);
    t.stock({"AH"}).waste({"2H"}).foundation(15, {"3H"}).tableau(2, {"4H"}).reserve(1, {"5H"});
    t.state.piles.stock(table::kDiscard) = pileOf({"6H"});
    EXPECT_EQ(locatePile(t.state, card("AH")), location::Stock);
    EXPECT_EQ(locatePile(t.state, card("2H")), location::Waste);
    EXPECT_EQ(locatePile(t.state, card("3H")), -16);
    EXPECT_EQ(locatePile(t.state, card("4H")), 3);
    EXPECT_EQ(locatePile(t.state, card("5H")), -22);
    EXPECT_EQ(locatePile(t.state, card("6H")), location::Nowhere);
}

} // namespace
} // namespace vellomir::engine
