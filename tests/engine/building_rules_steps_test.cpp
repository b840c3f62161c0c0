#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::place;
using testing::Rule;
using testing::Table;
namespace param = catalogue::param;

TEST(StepRules, FixedStepsWrapPastTheKing) {
    Table t;
    EXPECT_TRUE(t.accepts(place("KS").on("JH").rule(Rule::UpByTwoWrapping).foundation()));
    EXPECT_TRUE(t.accepts(place("AS").on("QH").rule(Rule::UpByTwoWrapping).foundation()));
    EXPECT_TRUE(t.accepts(place("2S").on("KH").rule(Rule::UpByTwoWrapping).foundation()));
    EXPECT_FALSE(t.accepts(place("3S").on("KH").rule(Rule::UpByTwoWrapping).foundation()));
    EXPECT_TRUE(t.accepts(place("3S").on("KH").rule(Rule::UpByThreeWrapping).foundation()));
    EXPECT_TRUE(t.accepts(place("KS").on("9H").rule(Rule::UpByFourWrapping).foundation()));
    EXPECT_TRUE(t.accepts(place("AS").on("10H").rule(Rule::UpByFourWrapping).foundation()));
    EXPECT_FALSE(t.accepts(place("KS").on("10H").rule(Rule::UpByFourWrapping).foundation()));
}

TEST(StepRules, Doubling) {
    Table t;
    EXPECT_TRUE(t.accepts(place("AS").on("7H").rule(Rule::Doubling).foundation()));
    EXPECT_FALSE(t.accepts(place("8S").on("7H").rule(Rule::Doubling).foundation()));
    EXPECT_TRUE(t.accepts(place("QS").on("6H").rule(Rule::Doubling).foundation()));
    EXPECT_FALSE(t.accepts(place("KS").on("KH").rule(Rule::Doubling).foundation()));
    EXPECT_FALSE(t.accepts(place("AS").on("KH").rule(Rule::Doubling).foundation()));
    std::string full;
    for (int code = 1; code <= 48; ++code) {
        full += table::cardText(code);
    }
    t.state.piles.foundation(0) = full;
    EXPECT_TRUE(t.accepts(place("KS").on("3H").rule(Rule::Doubling).foundation().index(1)));
}

TEST(StepRules, DealCounterCallsTheRank) {
    Table t;
    t.stock({"2C", "3C"});
    t.state.flags.dealCounter() = 3;
    EXPECT_TRUE(t.accepts(place("3S").on("9H").rule(Rule::CalledRank)));
    EXPECT_FALSE(t.accepts(place("4S").rule(Rule::CalledRank)));
    t.state.flags.dealCounter() = 26;
    EXPECT_TRUE(t.accepts(place("KS").rule(Rule::CalledRank)));
    t.stock({"2C"});
    EXPECT_TRUE(t.accepts(place("4S").on("9H").rule(Rule::CalledRank)));
}

TEST(StepRules, ByTwosInSuitWithFourDistinctSuits) {
    Table t(8, 8, 0);
    t.param(param::FoundationBaseRank + 1, 1).param(param::FoundationBaseRank + 5, 2);
    EXPECT_TRUE(t.accepts(place("AH").on("QH").rule(Rule::ByTwoInSuitFourSuits).foundation()));
    EXPECT_FALSE(t.accepts(place("AD").on("QH").rule(Rule::ByTwoInSuitFourSuits).foundation()));
    t.foundation(0, {"AH", "3H"}).foundation(4, {"2D"});
    EXPECT_FALSE(t.accepts(place("AH'").rule(Rule::ByTwoInSuitFourSuits).foundation().index(1)));
    EXPECT_TRUE(t.accepts(place("AD").rule(Rule::ByTwoInSuitFourSuits).foundation().index(1)));
    EXPECT_FALSE(t.accepts(place("2D'").rule(Rule::ByTwoInSuitFourSuits).foundation().index(5)));
    EXPECT_TRUE(t.accepts(place("2H").rule(Rule::ByTwoInSuitFourSuits).foundation().index(5)));
    // 43 does not wrap, and its empty pile counts as rank -1 of hearts.
    EXPECT_FALSE(t.accepts(place("AH").on("QH").rule(Rule::ByTwoInSuitNoWrap).foundation()));
    EXPECT_TRUE(t.accepts(place("5H").on("3H").rule(Rule::ByTwoInSuitNoWrap).foundation()));
    EXPECT_TRUE(t.accepts(place("AH").rule(Rule::ByTwoInSuitNoWrap).foundation().index(2)));
    EXPECT_FALSE(t.accepts(place("AS").rule(Rule::ByTwoInSuitNoWrap).foundation().index(2)));
}

TEST(StepRules, RankFromIndexOrFoundationSize) {
    Table t;
    EXPECT_TRUE(t.accepts(place("3S").on("9H").rule(Rule::RankOfPlace).index(2)));
    EXPECT_TRUE(t.accepts(place("3S").rule(Rule::RankOfPlace).index(2)));
    EXPECT_FALSE(t.accepts(place("4S").rule(Rule::RankOfPlace).index(2)));
    t.foundation(1, {"AH", "AD", "AC", "AS", "2H", "2D", "2C", "2S"});
    EXPECT_TRUE(
        t.accepts(place("3H").on("2S").rule(Rule::RankByFoundationCount).foundation().index(1)));
    EXPECT_FALSE(
        t.accepts(place("2H'").on("2S").rule(Rule::RankByFoundationCount).foundation().index(1)));
    EXPECT_TRUE(t.accepts(place("AS'").rule(Rule::RankByFoundationCount).foundation().index(2)));
}

TEST(StepRules, StepFixedByTheFirstFoundationWithTwoCards) {
    Table t;
    auto ask = [](const char* moving, const char* below) {
        return place(moving).on(below).rule(Rule::UpByFoundationStep).foundation().index(2);
    };
    // No step yet: one or two up, turning past the king.
    EXPECT_TRUE(t.accepts(ask("6S", "5H")));
    EXPECT_TRUE(t.accepts(ask("7S", "5H")));
    EXPECT_FALSE(t.accepts(ask("8S", "5H")));
    EXPECT_TRUE(t.accepts(ask("2S", "KH")));
    EXPECT_TRUE(t.accepts(ask("AS", "QH")));
    EXPECT_TRUE(t.accepts(place("AS").rule(Rule::UpByFoundationStep).foundation()));
    t.foundation(1, {"5C", "7C"});
    EXPECT_FALSE(t.accepts(ask("6S", "5H")));
    EXPECT_TRUE(t.accepts(ask("7S", "5H")));
    EXPECT_TRUE(t.accepts(ask("AS", "QH")));
    t.foundation(0, {"KC", "AC"});
    EXPECT_TRUE(t.accepts(ask("AS", "KH")));
    EXPECT_FALSE(t.accepts(ask("2S", "KH")));
    EXPECT_FALSE(t.accepts(place("AS").rule(Rule::UpByFoundationStep).foundation()));
}

} // namespace
} // namespace vellomir::engine
