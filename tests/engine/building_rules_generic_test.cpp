#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::place;
using testing::Rule;
using testing::Table;
namespace param = catalogue::param;

TEST(PlacementTest, ACardIsNeverLegalOnItself) {
    Table t;
    EXPECT_FALSE(t.accepts(place("7H").on("7H").rule(Rule::AnyCard)));
    EXPECT_TRUE(t.accepts(place("7H").on("7H'").rule(Rule::AnyCard)));
}

TEST(GenericBuilding, DownInAlternatingColoursNeverWrapsOverTheAceBase) {
    Table t;
    auto ask = [](const char* moving) {
        return place(moving).rule(Rule::AlternateColours).down().base(1);
    };
    EXPECT_TRUE(t.accepts(ask("6S").on("7H")));
    EXPECT_FALSE(t.accepts(ask("6D").on("7H")));
    EXPECT_FALSE(t.accepts(ask("8S").on("7H")));
    EXPECT_FALSE(t.accepts(ask("KS").on("AH")));
    EXPECT_TRUE(t.accepts(ask("KS").emptyCode(13)));
    EXPECT_FALSE(t.accepts(ask("QS").emptyCode(13)));
    EXPECT_TRUE(t.accepts(ask("QS").emptyCode(-1)));
    // With another base the ace takes a king.
    EXPECT_TRUE(t.accepts(place("KS").on("AH").rule(Rule::AlternateColours).down().base(7)));
}

TEST(GenericBuilding, SuitConditions) {
    Table t;
    auto ask = [](const char* moving, Rule rule) {
        return place(moving).on("7H").rule(rule).down().base(1);
    };
    EXPECT_TRUE(t.accepts(ask("6H'", Rule::InSuit)));
    EXPECT_FALSE(t.accepts(ask("6D", Rule::InSuit)));
    EXPECT_TRUE(t.accepts(ask("6D", Rule::SameColour)));
    EXPECT_FALSE(t.accepts(ask("6C", Rule::SameColour)));
    EXPECT_TRUE(t.accepts(ask("6C", Rule::AnySuit)));
    EXPECT_TRUE(t.accepts(ask("6D", Rule::DifferentSuit)));
    EXPECT_FALSE(t.accepts(ask("6H", Rule::DifferentSuit)));
    EXPECT_FALSE(t.accepts(ask("6H", Rule::EmptyPileOnly)));
    EXPECT_TRUE(t.accepts(place("6H").rule(Rule::EmptyPileOnly).base(1).emptyCode(6)));
    EXPECT_FALSE(t.accepts(place("6H").on("7H").rule(Rule::AnySuit).base(1).up()));
    EXPECT_TRUE(t.accepts(place("8H").on("7H").rule(Rule::AnySuit).base(1).either()));
    testing::Ask bad = place("6H").on("7H").rule(Rule::AnySuit).base(1);
    bad.q.direction = 3;
    EXPECT_FALSE(t.accepts(bad));
    // 11 and 24: in suit without some queens and kings.
    EXPECT_FALSE(
        t.accepts(place("QH").on("KH").rule(Rule::InSuitNoQueenOnKingOrJack).down().base(1)));
    EXPECT_FALSE(
        t.accepts(place("QH").on("JH").rule(Rule::InSuitNoQueenOnKingOrJack).up().base(1)));
    EXPECT_TRUE(
        t.accepts(place("JH").on("QH").rule(Rule::InSuitNoQueenOnKingOrJack).down().base(1)));
    EXPECT_FALSE(t.accepts(place("KH").on("QH").rule(Rule::InSuitNoQueenKingPair).up().base(1)));
    EXPECT_TRUE(t.accepts(place("QH").on("JH").rule(Rule::InSuitNoQueenKingPair).up().base(1)));
}

TEST(GenericBuilding, FoundationWrapsFromKingToAceOnlyWhenItsBaseIsNotTheAce) {
    Table t;
    EXPECT_TRUE(
        t.accepts(place("AH").on("KH").rule(Rule::InSuit).up().foundation().base(7).emptyCode(7)));
    EXPECT_FALSE(
        t.accepts(place("AH").on("KH").rule(Rule::InSuit).up().foundation().base(1).emptyCode(1)));
    EXPECT_TRUE(t.accepts(
        place("KH").on("AH").rule(Rule::InSuit).down().foundation().base(5).emptyCode(5)));
    EXPECT_FALSE(t.accepts(
        place("KH").on("AH").rule(Rule::InSuit).down().foundation().base(13).emptyCode(13)));
}

TEST(GenericBuilding, BaseFlags) {
    Table t;
    // Flag 0 blocks building on the base rank, 1 does not.
    EXPECT_FALSE(t.accepts(place("2H").on("AH").rule(Rule::AnySuit).up().base(1)));
    EXPECT_TRUE(t.accepts(place("2H").on("AH").rule(Rule::AnySuit).up().base(1).baseFlag()));
    EXPECT_FALSE(t.accepts(place("4H").on("5H").rule(Rule::AnySuit).down().base(5)));
    EXPECT_TRUE(t.accepts(place("4H").on("5H").rule(Rule::AnySuit).down().base(5).baseFlag()));
    // A tableau building up takes an ace on a king.
    EXPECT_TRUE(t.accepts(place("AS").on("KH").rule(Rule::AnySuit).up().base(5)));
    // Flag 2 stops the sequence at both ends: built both ways, a 2 goes on
    // an ace and a queen on a king, never a king on an ace.
    t.param(param::TableauBaseFlag + 3, 2);
    auto ask = [](const char* moving, const char* below) {
        return place(moving).on(below).rule(Rule::AnySuit).either().base(1).baseFlag().index(3);
    };
    EXPECT_TRUE(t.accepts(ask("2H", "AH")));
    EXPECT_TRUE(t.accepts(ask("QH", "KH")));
    EXPECT_TRUE(t.accepts(ask("6H", "7H")));
    EXPECT_TRUE(t.accepts(ask("8H", "7H")));
    EXPECT_FALSE(t.accepts(ask("KH", "AH")));
    EXPECT_FALSE(t.accepts(ask("AH", "KH")));
    // Built one way only, flag 2 still turns at both ends: down, a 2 goes on
    // an ace; up, a queen on a king.
    EXPECT_TRUE(
        t.accepts(place("2H").on("AH").rule(Rule::AnySuit).down().base(13).baseFlag().index(3)));
    EXPECT_TRUE(
        t.accepts(place("QH").on("KH").rule(Rule::AnySuit).up().base(1).baseFlag().index(3)));
    EXPECT_FALSE(
        t.accepts(place("KH").on("AH").rule(Rule::AnySuit).down().base(13).baseFlag().index(3)));
    // Flag 3 takes only the step of the pile's own way at the ends: down, a
    // queen on a king whatever the base rank, nothing on an ace (Spider);
    // up, a 2 on an ace, nothing on a king.
    t.param(param::TableauBaseFlag + 3, 3);
    auto down = [](const char* moving, const char* below) {
        return place(moving).on(below).rule(Rule::AnySuit).down().base(13).baseFlag().index(3);
    };
    EXPECT_TRUE(t.accepts(down("QH", "KH")));
    EXPECT_TRUE(t.accepts(down("6H", "7H")));
    EXPECT_FALSE(t.accepts(down("2H", "AH")));
    EXPECT_FALSE(t.accepts(down("KH", "AH")));
    EXPECT_FALSE(t.accepts(down("8H", "7H")));
    auto up = [](const char* moving, const char* below) {
        return place(moving).on(below).rule(Rule::AnySuit).up().base(1).baseFlag().index(3);
    };
    EXPECT_TRUE(t.accepts(up("2H", "AH")));
    EXPECT_FALSE(t.accepts(up("QH", "KH")));
    EXPECT_FALSE(t.accepts(up("AH", "KH")));
}

TEST(EmptyPileCodes, ColourBalanceOfAces) {
    Table t;
    for (int f = 0; f < 4; ++f) {
        t.foundationRule(f, 0, 1, 'Q');
    }
    auto ask = [](const char* moving) {
        return place(moving).rule(Rule::InSuit).up().foundation().base('Q').emptyCode('Q').index(2);
    };
    EXPECT_TRUE(t.accepts(ask("AH")));
    EXPECT_FALSE(t.accepts(ask("2H")));
    t.foundation(0, {"AH"}).foundation(1, {"AD"});
    EXPECT_FALSE(t.accepts(ask("AH'")));
    EXPECT_TRUE(t.accepts(ask("AS")));
}

TEST(EmptyPileCodes, SuitBalanceRefusesASecondAceOfASuit) {
    Table t;
    for (int f = 0; f < 4; ++f) {
        t.foundationRule(f, 0, 1, 'U');
    }
    auto ask = [](const char* moving) {
        return place(moving).rule(Rule::InSuit).up().foundation().base('U').emptyCode('U').index(1);
    };
    t.foundation(0, {"AH"});
    EXPECT_FALSE(t.accepts(ask("AH'")));
    EXPECT_TRUE(t.accepts(ask("AD")));
    t.foundation(1, {"AD"});
    EXPECT_FALSE(t.accepts(ask("AD'").index(2)));
    EXPECT_TRUE(t.accepts(ask("AC").index(2)));
    // "T" asks for kings, "Z" for twos.
    EXPECT_TRUE(t.accepts(place("KH").foundation().base('T').emptyCode('T')));
    EXPECT_FALSE(t.accepts(place("AH").foundation().base('T').emptyCode('T')));
    EXPECT_TRUE(t.accepts(place("2S").foundation().base('Z').emptyCode('Z')));
}

TEST(EmptyPileCodes, AJokerInTheBalanceIsReportedAndNotCounted) {
    Table t;
    t.foundationRule(0, 0, 1, 'Q').foundationRule(1, 0, 1, 'Q');
    t.foundation(0, {"JK1"});
    EXPECT_TRUE(t.accepts(
        place("AS").rule(Rule::InSuit).up().foundation().base('Q').emptyCode('Q').index(1)));
    EXPECT_TRUE(t.frontend.saw("info: Error suit - 1"));
}

TEST(EmptyPileCodes, SourceAndShapeCodes) {
    Table t;
    t.tableau(0, {"9C", "5H"}).reserve(0, {"6H"}).waste({"7H"}).foundationRule(0, 0, 1, 1);
    auto ask = [](const char* moving, int code) {
        return place(moving).rule(Rule::AnySuit).down().base(1).emptyCode(code);
    };
    EXPECT_TRUE(t.accepts(ask("5H", -1).base(-1).emptyCode('R')));
    EXPECT_FALSE(t.accepts(ask("5H", 'R')));
    EXPECT_FALSE(t.accepts(ask("5H", 'S')));
    EXPECT_TRUE(t.accepts(ask("5H", 'V')));
    EXPECT_FALSE(t.carryingRun().accepts(ask("5H", 'V')));
    t.singleCard();
    EXPECT_TRUE(t.accepts(ask("7H", 'W')));
    EXPECT_FALSE(t.accepts(ask("6H", 'W')));
    EXPECT_TRUE(t.accepts(ask("6H", 'X')));
    EXPECT_FALSE(t.accepts(ask("5H", 'X')));
    // "`": a reserve card while any reserve holds one, then only the waste card.
    EXPECT_TRUE(t.accepts(ask("6H", '`')));
    EXPECT_FALSE(t.accepts(ask("7H", '`')));
    t.reserve(0, {});
    EXPECT_TRUE(t.accepts(ask("7H", '`')));
    EXPECT_FALSE(t.accepts(ask("5H", '`')));
}

TEST(EmptyPileCodes, RankOfTheStartedFoundations) {
    Table t;
    t.reserve(0, {"4S"}).tableau(0, {"9C"});
    auto ask = [](const char* moving, int code) {
        return place(moving).rule(Rule::AnySuit).down().base(4).emptyCode(code);
    };
    EXPECT_TRUE(t.accepts(ask("9C", '\\')));
    EXPECT_FALSE(t.accepts(ask("9C", ']')));
    EXPECT_TRUE(t.accepts(ask("4S", ']')));
    t.foundation(1, {"4H", "5H"}).foundation(3, {"4D"});
    EXPECT_FALSE(t.accepts(ask("9C", '\\')));
    EXPECT_TRUE(t.accepts(ask("4C", '\\')));
    EXPECT_TRUE(t.accepts(ask("4C", ']')));
}

TEST(StockFirstRestriction, KeepsTableauCardsWhileTheStockOrWasteHoldsCards) {
    Table t;
    t.param(param::StockFirstRestriction, 2).waste({"6C"}).tableau(0, {"6S"});
    auto ask = [](const char* moving) {
        return place(moving).on("7H").rule(Rule::AlternateColours).down().base(1);
    };
    EXPECT_FALSE(t.accepts(ask("6S")));
    EXPECT_TRUE(t.accepts(ask("6C")));
    t.param(param::StockFirstRestriction, 1);
    EXPECT_TRUE(t.accepts(ask("6S")));
    EXPECT_FALSE(
        t.accepts(place("6S").on("5S").rule(Rule::InSuit).up().foundation().base(1).emptyCode(1)));
    t.waste({});
    EXPECT_TRUE(
        t.accepts(place("6S").on("5S").rule(Rule::InSuit).up().foundation().base(1).emptyCode(1)));
}

} // namespace
} // namespace vellomir::engine
