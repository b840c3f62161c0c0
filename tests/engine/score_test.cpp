#include "engine/execution_fixture.h"

#include "engine/actions/score.h"

#include <gtest/gtest.h>

namespace vellomir::testing {
namespace {

using engine::computeScore;
using engine::winTest;

TEST(WinTest, GeneralGamesAreWonWhenOnlyFoundationsHoldCards) {
    PlayTable t(4, 2, 1);
    t.foundation(0, {"AH"});
    EXPECT_TRUE(winTest(t.state));
    t.reserve(0, {"2H"});
    EXPECT_FALSE(winTest(t.state));
    t.reserve(0, {}).tableau(1, {"--", "--"});
    EXPECT_FALSE(winTest(t.state));
    t.param(param::GameType, 4); // a pyramid row of gaps counts as empty
    EXPECT_TRUE(winTest(t.state));
    t.waste({"3C"});
    EXPECT_FALSE(winTest(t.state));
}

TEST(WinTest, TypeTwentySevenIsWonWithCardsLeftInTheStock) {
    PlayTable t(0, 3);
    t.param(param::GameType, 27).stock({"KS", "QS"});
    t.tableau(0, {"AH"}).tableau(1, {"2H"}).tableau(2, {"3H", "4H"});
    EXPECT_FALSE(winTest(t.state));
    t.tableau(2, {"3H"});
    EXPECT_TRUE(winTest(t.state));
}

TEST(WinTest, TypesWithTheirOwnGoals) {
    PlayTable t(4, 4);
    t.param(param::GameType, 31).tableau(0, {"AH"}).tableau(1, {"AS"}).tableau(2, {"AD"});
    t.tableau(3, {"AC"});
    EXPECT_TRUE(winTest(t.state));
    t.stock({"2C"});
    EXPECT_FALSE(winTest(t.state));

    t.param(param::GameType, 35).param(param::TargetScore, 100);
    t.state.settings.writeInt(settings::field::Score, 99);
    EXPECT_FALSE(winTest(t.state));
    t.state.settings.writeInt(settings::field::Score, 100);
    EXPECT_TRUE(winTest(t.state));

    t.param(param::GameType, 43).tableau(1, {"9S", "8S", "7H", "6H", "5C", "4C", "3D", "2D", "AH"});
    EXPECT_TRUE(winTest(t.state));
    t.param(param::GameType, 45);
    EXPECT_TRUE(winTest(t.state)); // exactly four tableaus hold cards
    t.param(param::GameType, 41).foundation(1, {"KD"});
    EXPECT_FALSE(winTest(t.state));
    t.param(param::GameType, 46);
    EXPECT_FALSE(winTest(t.state));
}

TEST(Score, GeneralFormulaStartsAtMinusTheCardsAndPaysFivePerFoundationCard) {
    PlayTable t(4, 7);
    t.tableau(0, {"AH", "2H"});
    t.run(0, "Nothing");
    engine::updateScore(t.state, t.frontend);
    EXPECT_EQ(t.score(), -52);
    EXPECT_TRUE(t.move("2H", "Fila2"));
    EXPECT_TRUE(t.move("AH", "Dest1"));
    EXPECT_EQ(t.score(), -47);
    EXPECT_TRUE(t.move("2H", "Dest1"));
    EXPECT_EQ(t.score(), -42);
    EXPECT_EQ(t.frontend.callsStartingWith("score: ").back(), "score: -42");

    t.param(param::CardCountScoreBase, 2).param(param::JokerCount, 1);
    t.state.piles.stock(table::kDiscard) = pileOf({"9C"});
    EXPECT_EQ(computeScore(t.state), -52 + 10 - 5 + 5 + 10);
    t.state.settings.write(settings::field::ScoringScheme, "02");
    EXPECT_EQ(computeScore(t.state), 0);
}

TEST(Score, AddToScoreAddsFivePerCardOrRecomputes) {
    PlayTable t;
    t.state.settings.writeInt(settings::field::Score, -52);
    engine::addToScore(t.state, t.frontend, 3, false);
    EXPECT_EQ(t.score(), -37);
    t.foundation(0, {"AH"});
    engine::addToScore(t.state, t.frontend, 0, true);
    EXPECT_EQ(t.score(), -47);
    t.param(param::GameType, 9);
    engine::addToScore(t.state, t.frontend, 5, false);
    EXPECT_EQ(t.score(), -47);
}

TEST(Score, TypeFormulas) {
    PlayTable t(4, 3);
    t.param(param::GameType, 34).tableau(0, {"AH"}).tableau(1, {"2D"}).tableau(2, {"3S"});
    EXPECT_EQ(computeScore(t.state), -52 + 20); // 2D is code 15 = 2 + 13; 3S fails
    t.param(param::GameType, 37);
    t.state.piles.stock(table::kDiscard) = pileOf({"AH", "KS", "2H", "QS", "3C"});
    t.state.mainGame.setCell(table::cell::MissCount, 1);
    EXPECT_EQ(computeScore(t.state), -52 - 2 + 20);
    t.param(param::GameType, 39);
    EXPECT_EQ(computeScore(t.state), -52 - 1 + 14);
    t.param(param::GameType, 44).tableau(0, {"KH"}).tableau(1, {"KD"}).tableau(2, {"KS"});
    EXPECT_EQ(computeScore(t.state), -52);
    t.param(param::GameType, 47);
    EXPECT_EQ(computeScore(t.state), -52 + 25);
    t.tableau(0, {}).tableau(1, {}).tableau(2, {});
    EXPECT_EQ(computeScore(t.state), 4 * 52);
}

TEST(Score, RowScoreCountsSuitRunsFromTheAceAcrossRowsAndWrapsOnce) {
    PlayTable t(0, 2);
    t.param(param::GameType, 46);
    EXPECT_EQ(engine::rowScore(t.state), -32);
    // A 2 right after its ace earns 10, the 3 after it 5; a gap breaks the run.
    t.tableau(0, {"AH", "2H", "3H", "--", "4H"});
    EXPECT_EQ(engine::rowScore(t.state), -32 + 10 + 5);
    // The run goes on into the next row; the last row wraps round onto the
    // first row's cards in front of its first ace.
    t.tableau(0, {"3S", "AH", "2H"}).tableau(1, {"3H", "AS", "2S"});
    EXPECT_EQ(engine::rowScore(t.state), -32 + 10 + 5 + 10 + 5);
    // After the queen the run waits for a new ace.
    t.tableau(0, {"AD", "2D", "3D", "4D", "5D", "6D", "7D", "8D", "9D", "10D", "JD", "QD", "KD"});
    t.tableau(1, {});
    EXPECT_EQ(engine::rowScore(t.state), -32 + 10 + 10 * 5);
    EXPECT_EQ(computeScore(t.state), engine::rowScore(t.state));
}

TEST(JokerLabel, ShowsTheValueOnceAndErasesWhenTheJokerStandsAlone) {
    PlayTable t(2, 1);
    t.param(param::FoundationRule, 72).param(param::GameType, 40);
    t.state.mainGame.setCell(table::cell::JokerLabelKey, -1);
    t.foundation(1, {"5S", "JK1"});
    engine::updateScore(t.state, t.frontend);
    EXPECT_TRUE(t.frontend.saw("joker label 1 6 3"));
    EXPECT_EQ(t.state.mainGame.cell(table::cell::JokerLabelKey), 100 * 1 + 4 + 100);
    t.frontend.calls.clear();
    engine::updateScore(t.state, t.frontend);
    EXPECT_TRUE(t.frontend.callsStartingWith("joker label").empty());

    t.foundation(1, {}).foundation(0, {"JK2", "9H"});
    engine::refreshJokerLabel(t.state, t.frontend);
    EXPECT_TRUE(t.frontend.saw("joker label 0 8 0"));
    t.foundation(0, {"QC", "KC", "JK2"});
    engine::refreshJokerLabel(t.state, t.frontend);
    EXPECT_TRUE(t.frontend.saw("joker label 0 1 2")); // a king below and few cards: the ace
    t.foundation(0, {"JK2"});
    engine::refreshJokerLabel(t.state, t.frontend);
    EXPECT_TRUE(t.frontend.saw("joker label 0 0 0"));
    EXPECT_EQ(t.state.mainGame.cell(table::cell::JokerLabelKey), -1);
}

} // namespace
} // namespace vellomir::testing
