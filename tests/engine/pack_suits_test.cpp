// Packs of fewer suits (Spider's easier levels): the suit each card plays and
// shows as, and the rules that read it.

#include "table/pack_suits.h"

#include "engine/rules/card_runs.h"
#include "engine/rules/suit_run_foundation.h"
#include "execution_fixture.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::card;
using testing::Table;
namespace param = catalogue::param;

constexpr int kHearts = 0;
constexpr int kClubs = 2;
constexpr int kSpades = 3;

TEST(PackSuits, EachCardPlaysAndShowsAsTheSuitOfItsLevel) {
    catalogue::GameParameters p;
    // Four suits: every card is what it is.
    EXPECT_EQ(table::suitInPlay(p, card("7C")), kClubs);
    EXPECT_EQ(table::shownCard(p, card("7C'")), card("7C'"));
    // One suit: all spades, none red, each showing the spade of its rank
    // from its own pack.
    p.set(param::PackSuits, 1);
    for (const char* name : {"7H", "7D", "7C", "7S"}) {
        EXPECT_EQ(table::suitInPlay(p, card(name)), kSpades) << name;
        EXPECT_FALSE(table::redInPlay(p, card(name))) << name;
        EXPECT_EQ(table::shownCard(p, card(name)), card("7S")) << name;
    }
    EXPECT_EQ(table::shownCard(p, card("QD'")), card("QS'"));
    // Two suits: red cards hearts, black ones spades.
    p.set(param::PackSuits, 2);
    EXPECT_EQ(table::suitInPlay(p, card("KD")), kHearts);
    EXPECT_TRUE(table::redInPlay(p, card("KD")));
    EXPECT_EQ(table::shownCard(p, card("KD'")), card("KH'"));
    EXPECT_EQ(table::suitInPlay(p, card("AC")), kSpades);
    EXPECT_EQ(table::shownCard(p, card("AC")), card("AS"));
    // Jokers and no card stay as they are.
    EXPECT_EQ(table::suitInPlay(p, table::kFirstJoker), -1);
    EXPECT_EQ(table::shownCard(p, table::kFirstJoker), table::kFirstJoker);
    EXPECT_EQ(table::shownCard(p, 0), 0);
}

TEST(PackSuits, RunsOfOneSuitAreRunsOfTheSuitTheCardsPlayAs) {
    Table t(8, 10);
    t.param(param::RunCheck, 10).param(param::FoundationTakesSuitRun, 1).carryingRun();
    t.tableau(0, {"8S", "7H", "6D"});
    t.tableau(1, {"8S'", "7C", "6S'"});
    t.tableau(2, {"KS", "QH", "JD", "10C", "9S", "8H", "7D", "6C", "5S", "4H", "3D", "2C", "AS"});
    t.tableau(3, {"KH", "QD", "JH'", "10D", "9H", "8D", "7H'", "6H", "5D", "4D", "3H", "2H", "AH"});
    auto runs = [&](const char* bottom, int tableau) {
        return runCheck(t.state, t.frontend, card(bottom), tableau);
    };
    EXPECT_FALSE(runs("8S", 0));
    EXPECT_FALSE(runs("8S'", 1));
    EXPECT_FALSE(isCompleteSuitRun(t.state, card("KS")));
    EXPECT_FALSE(isCompleteSuitRun(t.state, card("KH")));

    t.param(param::PackSuits, 1);
    EXPECT_TRUE(runs("8S", 0));
    EXPECT_TRUE(runs("8S'", 1));
    EXPECT_TRUE(isCompleteSuitRun(t.state, card("KS")));
    EXPECT_TRUE(isCompleteSuitRun(t.state, card("KH")));

    t.param(param::PackSuits, 2);
    EXPECT_FALSE(runs("8S", 0));
    EXPECT_TRUE(runs("7H", 0)); // a heart and a diamond are both hearts
    EXPECT_TRUE(runs("8S'", 1));
    EXPECT_FALSE(isCompleteSuitRun(t.state, card("KS")));
    EXPECT_TRUE(isCompleteSuitRun(t.state, card("KH")));
}

} // namespace
} // namespace vellomir::engine
