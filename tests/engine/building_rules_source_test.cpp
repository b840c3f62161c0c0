#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::place;
using testing::Rule;
using testing::Table;

// Cards on every kind of pile: 5S on a tableau, 5D on a reserve, 5C on the
// waste, 5H on a foundation.
Table sources() {
    Table t;
    t.tableau(0, {"9C", "5S"}).reserve(1, {"5D"}).waste({"5C"}).foundation(2, {"5H"});
    return t;
}

TEST(SourceRules, WhereTheCardComesFrom) {
    Table t = sources();
    EXPECT_FALSE(t.accepts(place("5S").rule(Rule::NotFromTableau)));
    EXPECT_TRUE(t.accepts(place("5D").on("KH").rule(Rule::NotFromTableau)));
    EXPECT_FALSE(t.accepts(place("5D").rule(Rule::OnlyFromStockOrWaste)));
    EXPECT_TRUE(t.accepts(place("5C").rule(Rule::OnlyFromStockOrWaste)));
    // 18: a tableau card only onto an empty tableau.
    EXPECT_TRUE(t.accepts(place("5S").rule(Rule::NotFromTableauUnlessEmpty).index(3)));
    EXPECT_FALSE(t.accepts(place("5S").on("9C").rule(Rule::NotFromTableauUnlessEmpty).index(0)));
    // 33: not from a tableau, onto a tableau of at most one card.
    t.tableau(4, {"8D"});
    EXPECT_TRUE(t.accepts(place("5C").on("8D").rule(Rule::NotFromTableauOntoOneCard).index(4)));
    EXPECT_FALSE(t.accepts(place("5S").on("8D").rule(Rule::NotFromTableauOntoOneCard).index(4)));
    EXPECT_FALSE(t.accepts(place("5C").on("5S").rule(Rule::NotFromTableauOntoOneCard).index(0)));
    // 27: never from a foundation or a reserve, else down in alternating colours.
    EXPECT_FALSE(t.accepts(
        place("5D").on("6S").rule(Rule::AlternateColoursNotFromFoundationOrReserve).base(1)));
    EXPECT_FALSE(t.accepts(
        place("5H").on("6S").rule(Rule::AlternateColoursNotFromFoundationOrReserve).base(1)));
    EXPECT_TRUE(t.accepts(
        place("5D'").on("6S").rule(Rule::AlternateColoursNotFromFoundationOrReserve).base(1)));
    EXPECT_FALSE(t.accepts(
        place("5C").on("6S").rule(Rule::AlternateColoursNotFromFoundationOrReserve).base(1)));
}

TEST(SourceRules, SameRankFromALaterTableau) {
    Table t;
    t.tableau(1, {"5S"}).tableau(3, {"5C"});
    EXPECT_TRUE(t.accepts(place("5C").on("5H").rule(Rule::SameRankFromLaterTableau).index(2)));
    EXPECT_TRUE(t.accepts(place("5C").on("5H").rule(Rule::SameRankFromLaterTableau).index(3)));
    EXPECT_FALSE(t.accepts(place("5S").on("5H").rule(Rule::SameRankFromLaterTableau).index(2)));
    EXPECT_FALSE(t.accepts(place("6C'").on("5H").rule(Rule::SameRankFromLaterTableau).index(0)));
    EXPECT_FALSE(t.accepts(place("5C").rule(Rule::SameRankFromLaterTableau).index(0)));
}

TEST(SourceRules, NoTableauCardUpOrDownInSuit) {
    Table t = sources();
    for (Rule rule : {Rule::UpOrDownInSuitNotFromTableau, Rule::UpOrDownInSuitNotFromTableauToo}) {
        EXPECT_TRUE(t.accepts(place("5D").on("4D").rule(rule))) << catalogue::codeOf(rule);
        EXPECT_TRUE(t.accepts(place("5D").on("6D").rule(rule))) << catalogue::codeOf(rule);
        EXPECT_FALSE(t.accepts(place("5D").on("6H").rule(rule))) << catalogue::codeOf(rule);
        EXPECT_TRUE(t.accepts(place("AD").on("KD").rule(rule))) << catalogue::codeOf(rule);
        EXPECT_FALSE(t.accepts(place("5S").on("4S").rule(rule))) << catalogue::codeOf(rule);
        EXPECT_TRUE(t.accepts(place("5H").rule(rule))) << catalogue::codeOf(rule);
        EXPECT_FALSE(t.accepts(place("5S").rule(rule))) << catalogue::codeOf(rule);
    }
}

TEST(StockRules, WaitForTheStockOrTheWaste) {
    Table t;
    t.stock({"2C"});
    // 7: real placements only onto an empty pile once the stock is spent.
    EXPECT_FALSE(t.accepts(place("5S").rule(Rule::EmptyOnceStockSpent).real()));
    EXPECT_FALSE(
        t.accepts(place("5S").on("6H").rule(Rule::EmptyOnceStockSpent).real().down().base(1)));
    EXPECT_TRUE(t.accepts(place("5S").on("6H").rule(Rule::EmptyOnceStockSpent).down().base(1)));
    t.stock({});
    EXPECT_TRUE(t.accepts(place("5S").rule(Rule::EmptyOnceStockSpent).real()));
    // 23: up in suit while the waste is empty.
    EXPECT_TRUE(t.accepts(place("6H").on("5H").rule(Rule::UpInSuitWasteEmpty)));
    EXPECT_FALSE(t.accepts(place("6H").rule(Rule::UpInSuitWasteEmpty)));
    t.waste({"9C"});
    EXPECT_FALSE(t.accepts(place("6H").on("5H").rule(Rule::UpInSuitWasteEmpty)));
}

TEST(StockRules, LoneCourtCards) {
    Table t;
    t.tableau(0, {"KH"});
    EXPECT_TRUE(t.accepts(place("KS").rule(Rule::LoneKing).index(1)));
    EXPECT_FALSE(t.accepts(place("QS").rule(Rule::LoneKing).index(1)));
    EXPECT_TRUE(t.accepts(place("7S").on("KH").rule(Rule::LoneKing)));
    EXPECT_FALSE(t.accepts(place("QS").on("KH").rule(Rule::LoneKing)));
    EXPECT_TRUE(t.accepts(place("KS").rule(Rule::KingThenDownWasteEmpty).index(1)));
    EXPECT_TRUE(t.accepts(place("3S").on("KH").rule(Rule::KingThenDownWasteEmpty)));
    EXPECT_FALSE(t.accepts(place("KS").on("KH").rule(Rule::KingThenDownWasteEmpty)));
    t.tableau(0, {"QH"});
    EXPECT_TRUE(t.accepts(place("KS").on("QH").rule(Rule::LoneQueen)));
    EXPECT_FALSE(t.accepts(place("QS").on("QH").rule(Rule::LoneQueen)));
    EXPECT_TRUE(t.accepts(place("QS").rule(Rule::LoneQueen).index(1)));
    t.tableau(0, {"KH", "QH"});
    EXPECT_FALSE(t.accepts(place("7S").on("QH").rule(Rule::LoneQueen)));
    EXPECT_TRUE(t.accepts(place("JS").on("QH").rule(Rule::KingThenDownWasteEmpty)));
    EXPECT_FALSE(t.accepts(place("KS").on("QH").rule(Rule::KingThenDownWasteEmpty)));
    t.waste({"9C"});
    EXPECT_FALSE(t.accepts(place("KS").rule(Rule::LoneKing).index(1)));
    EXPECT_FALSE(t.accepts(place("JS").on("QH").rule(Rule::KingThenDownWasteEmpty)));
}

TEST(StockRules, Rule82OpensOnceStockAndWasteAreSpent) {
    Table t;
    t.waste({"9C"}).foundation(0, {"AH"});
    auto ask = [](const char* moving) {
        return place(moving)
            .rule(Rule::InSuitOnceStockSpent)
            .foundation()
            .base(1)
            .emptyCode(1)
            .index(1);
    };
    EXPECT_FALSE(t.accepts(ask("AD")));
    t.waste({});
    EXPECT_TRUE(t.accepts(ask("AD")));
    EXPECT_FALSE(t.accepts(ask("AH'")));
    EXPECT_FALSE(t.accepts(ask("2D")));
    auto onTheAce = [](const char* moving) {
        return place(moving)
            .on("AH")
            .rule(Rule::InSuitOnceStockSpent)
            .foundation()
            .up()
            .base(1)
            .emptyCode(1);
    };
    EXPECT_TRUE(t.accepts(onTheAce("2H")));
    EXPECT_FALSE(t.accepts(onTheAce("2C")));
}

} // namespace
} // namespace vellomir::engine
