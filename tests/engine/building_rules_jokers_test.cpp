#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::place;
using testing::Rule;
using testing::Table;
namespace param = catalogue::param;

// Foundations whose base rank is set by the first foundation started.
Table jokerFoundations(int count) {
    Table t(count, 4, 0);
    for (int f = 0; f < count; ++f) {
        t.foundationRule(f, 72, 1, kBaseSetByFirstFoundation);
    }
    return t;
}

testing::Ask ontoFoundation(const char* moving, int index, Rule rule = Rule::JokerFoundation) {
    return place(moving).rule(rule).foundation().base(kBaseSetByFirstFoundation).index(index);
}

TEST(JokerRules, TheFirstFoundationSetsTheBase) {
    Table t = jokerFoundations(6);
    EXPECT_TRUE(t.accepts(ontoFoundation("9C", 0)));
    EXPECT_FALSE(t.accepts(ontoFoundation("JK1", 0)));
    EXPECT_TRUE(t.accepts(ontoFoundation("JK1", 0, Rule::JokerFoundationJokerFirst)));
    t.foundation(1, {"5H"});
    EXPECT_FALSE(t.accepts(ontoFoundation("9C", 0)));
    EXPECT_TRUE(t.accepts(ontoFoundation("5C", 0)));
    // A joker under the first natural card stands for the rank below it.
    t.foundation(1, {}).foundation(2, {"JK1", "6H"});
    EXPECT_TRUE(t.accepts(ontoFoundation("5C", 0)));
    EXPECT_FALSE(t.accepts(ontoFoundation("6C", 0)));
    // A lone joker sets nothing yet.
    t.foundation(2, {}).foundation(0, {"JK2"});
    EXPECT_TRUE(t.accepts(ontoFoundation("9C", 1)));
    EXPECT_TRUE(t.accepts(ontoFoundation("9C", 0)));
}

TEST(JokerRules, JokersStandInForMissingCards) {
    Table t = jokerFoundations(6);
    t.foundation(0, {"5H"}).foundation(1, {"JK1"});
    // A lone joker on a set base: the base card or the one after it.
    EXPECT_TRUE(t.accepts(ontoFoundation("5C", 1)));
    EXPECT_TRUE(t.accepts(ontoFoundation("6C", 1)));
    EXPECT_FALSE(t.accepts(ontoFoundation("7C", 1)));
    // A joker over a card: one or two ranks up in that card's suit.
    t.foundation(2, {"5D", "JK2"});
    EXPECT_TRUE(t.accepts(ontoFoundation("6D", 2)));
    EXPECT_TRUE(t.accepts(ontoFoundation("7D", 2)));
    EXPECT_FALSE(t.accepts(ontoFoundation("8D", 2)));
    EXPECT_FALSE(t.accepts(ontoFoundation("7H", 2)));
    EXPECT_TRUE(t.accepts(ontoFoundation("JK3", 2)));
    // A natural top: the next in suit, or the card a joker stands for.
    t.foundation(3, {"5C", "JK3", "7C"});
    EXPECT_TRUE(t.accepts(ontoFoundation("8C", 3)));
    EXPECT_TRUE(t.accepts(ontoFoundation("6C", 3)));
    EXPECT_FALSE(t.accepts(ontoFoundation("6S", 3)));
    t.foundation(4, {"JK4", "6S"});
    EXPECT_TRUE(t.accepts(ontoFoundation("5S", 4)));
    EXPECT_FALSE(t.accepts(ontoFoundation("4S", 4)));
}

TEST(JokerRules, KingToAceOnlyWhenTheBaseIsNotTheAce) {
    Table t = jokerFoundations(6);
    t.foundation(0, {"QH", "JK1"}).foundation(1, {"KS"});
    EXPECT_TRUE(t.accepts(ontoFoundation("KH", 0)));
    EXPECT_TRUE(t.accepts(ontoFoundation("AH", 0)));
    EXPECT_TRUE(t.accepts(ontoFoundation("AS", 1)));
    t.foundationRule(1, 72, 1, 1);
    auto aceBase = [](const char* moving, int index) {
        return place(moving).rule(Rule::JokerFoundation).foundation().base(1).index(index);
    };
    EXPECT_FALSE(t.accepts(aceBase("AS", 1)));
    EXPECT_FALSE(t.accepts(aceBase("AH", 0)));
}

TEST(JokerRules, FourFoundationsKeepFourSuits) {
    Table t = jokerFoundations(4);
    t.foundation(0, {"5H"});
    EXPECT_FALSE(t.accepts(ontoFoundation("5H'", 1)));
    EXPECT_TRUE(t.accepts(ontoFoundation("5S", 1)));
    t.foundation(1, {"5S", "JK1"});
    EXPECT_TRUE(t.accepts(ontoFoundation("JK2", 0)));
    EXPECT_FALSE(jokerFoundations(6).foundation(0, {"5H"}).accepts(ontoFoundation("6H", 2)));
    EXPECT_TRUE(jokerFoundations(6).foundation(0, {"5H"}).accepts(ontoFoundation("5H'", 2)));
}

} // namespace
} // namespace vellomir::engine
