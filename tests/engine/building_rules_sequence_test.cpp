#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::place;
using testing::Rule;
using testing::Table;
namespace param = catalogue::param;

TEST(SequenceRules, WrapsAndTurnsAtTheEnds) {
    Table t;
    // 20: up, any suit, an ace on a king; an ace opens the pile.
    EXPECT_TRUE(t.accepts(place("AS").on("KH").rule(Rule::UpAceOnKing).foundation()));
    EXPECT_FALSE(t.accepts(place("2S").on("KH").rule(Rule::UpAceOnKing).foundation()));
    EXPECT_TRUE(t.accepts(place("AS").rule(Rule::UpAceOnKing).foundation()));
    EXPECT_FALSE(t.accepts(place("2S").rule(Rule::UpAceOnKing).foundation()));
    // 28 and 60: only a 2 on an ace and a queen on a king; 60 in suit.
    EXPECT_TRUE(t.accepts(place("2C").on("AH").rule(Rule::AnySuitTurningAtEnds)));
    EXPECT_FALSE(t.accepts(place("KC").on("AH").rule(Rule::AnySuitTurningAtEnds)));
    EXPECT_TRUE(t.accepts(place("QC").on("KH").rule(Rule::AnySuitTurningAtEnds)));
    EXPECT_TRUE(t.accepts(place("5C").on("4H").rule(Rule::AnySuitTurningAtEnds)));
    EXPECT_FALSE(t.accepts(place("5C").on("4H").rule(Rule::InSuitTurnsAtEnds)));
    EXPECT_TRUE(t.accepts(place("3H").on("4H").rule(Rule::InSuitTurnsAtEnds)));
    EXPECT_TRUE(t.accepts(place("9S").rule(Rule::InSuitTurnsAtEnds)));
    // 35: king and ace are neighbours both ways.
    EXPECT_TRUE(t.accepts(place("KC").on("AH").rule(Rule::UpOrDownWrapping)));
    EXPECT_TRUE(t.accepts(place("AC").on("KH").rule(Rule::UpOrDownWrapping)));
    EXPECT_FALSE(t.accepts(place("QC").on("AH").rule(Rule::UpOrDownWrapping)));
    // 78: an ace of any suit on a king, otherwise up in suit.
    EXPECT_TRUE(t.accepts(place("AS").on("KH").rule(Rule::UpInSuitAceOnKing)));
    EXPECT_FALSE(t.accepts(place("6S").on("5H").rule(Rule::UpInSuitAceOnKing)));
    EXPECT_TRUE(t.accepts(place("6H").on("5H").rule(Rule::UpInSuitAceOnKing)));
}

TEST(SequenceRules, KingAndAceOfRules94And95BehaveAlikeInBothPacks) {
    Table t;
    for (const char* ace : {"AH", "AD", "AH'"}) {
        EXPECT_TRUE(t.accepts(place("KS").on(ace).rule(Rule::DownAlternateKingOnAce))) << ace;
        EXPECT_FALSE(t.accepts(place("KD").on(ace).rule(Rule::DownAlternateKingOnAce))) << ace;
    }
    EXPECT_TRUE(t.accepts(place("6S").on("7D").rule(Rule::DownAlternateKingOnAce)));
    for (const char* king : {"KS", "KS'"}) {
        EXPECT_TRUE(t.accepts(place("AS").on(king).rule(Rule::UpInSuitAceOnKingOfSuit))) << king;
        EXPECT_FALSE(t.accepts(place("AC").on(king).rule(Rule::UpInSuitAceOnKingOfSuit))) << king;
    }
    EXPECT_TRUE(t.accepts(place("AS").rule(Rule::UpInSuitAceOnKingOfSuit)));
    // 94 onto an empty pile: never a tableau card; the waste card once the
    // reserves are empty.
    t.tableau(0, {"5C"}).waste({"5H"}).reserve(1, {"5D"});
    EXPECT_FALSE(t.accepts(place("5C").rule(Rule::DownAlternateKingOnAce)));
    EXPECT_FALSE(t.accepts(place("5H").rule(Rule::DownAlternateKingOnAce)));
    EXPECT_TRUE(t.accepts(place("5D").rule(Rule::DownAlternateKingOnAce)));
    t.reserve(1, {});
    EXPECT_TRUE(t.accepts(place("5H").rule(Rule::DownAlternateKingOnAce)));
}

TEST(SequenceRules, ByTwosInSuit) {
    Table t;
    EXPECT_TRUE(t.accepts(place("5H").on("3H").rule(Rule::ByTwoInSuitOrEmptyCode).up()));
    EXPECT_FALSE(t.accepts(place("5D").on("3H").rule(Rule::ByTwoInSuitOrEmptyCode).up()));
    EXPECT_TRUE(t.accepts(place("3H").on("5H").rule(Rule::ByTwoInSuitOrEmptyCode).down()));
    EXPECT_FALSE(t.accepts(place("2H").on("KH").rule(Rule::ByTwoInSuitOrEmptyCode).up()));
    EXPECT_TRUE(t.accepts(place("2H").on("KH").rule(Rule::ByTwoInSuitTurning).up()));
    EXPECT_TRUE(t.accepts(place("AH").on("QH").rule(Rule::ByTwoInSuitTurning).up()));
    EXPECT_FALSE(t.accepts(place("AD").on("QH").rule(Rule::ByTwoInSuitTurning).up()));
}

TEST(SequenceRules, TwoPackFoundationTurnsAtTheSecondKing) {
    Table t;
    t.foundation(0, {"AH", "2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH"});
    auto ask = [](const char* moving, const char* below) {
        return place(moving).on(below).rule(Rule::TwoPacksUpThenDown).foundation();
    };
    EXPECT_TRUE(t.accepts(ask("KH", "QH")));
    EXPECT_FALSE(t.accepts(ask("KD", "QH")));
    t.foundation(0,
                 {"AH", "2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH"});
    EXPECT_TRUE(t.accepts(ask("KH'", "KH")));
    EXPECT_FALSE(t.accepts(ask("QH'", "KH")));
    t.foundation(
        0, {"AH", "2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH", "KH'"});
    EXPECT_TRUE(t.accepts(ask("QH'", "KH'")));
    EXPECT_FALSE(t.accepts(ask("AH'", "KH'")));
    // A numeric empty code asks for its rank and keeps the colours balanced.
    t.foundationRule(1, 29, 1, 1).foundationRule(2, 29, 1, 1).foundation(1, {"AD"});
    EXPECT_FALSE(t.accepts(
        place("2S").rule(Rule::TwoPacksUpThenDown).foundation().emptyCode(1).base(1).index(2)));
    EXPECT_FALSE(t.accepts(
        place("AH").rule(Rule::TwoPacksUpThenDown).foundation().emptyCode(1).base(1).index(2)));
    EXPECT_TRUE(t.accepts(
        place("AS").rule(Rule::TwoPacksUpThenDown).foundation().emptyCode(1).base(1).index(2)));
}

TEST(SequenceRules, Rule30KeepsTheWayThePileGoes) {
    Table t;
    t.foundation(0, {"5H"});
    EXPECT_TRUE(t.accepts(place("6H").on("5H").rule(Rule::InSuitKeepingDirection).foundation()));
    EXPECT_TRUE(t.accepts(place("4H").on("5H").rule(Rule::InSuitKeepingDirection).foundation()));
    EXPECT_FALSE(t.accepts(place("4D").on("5H").rule(Rule::InSuitKeepingDirection).foundation()));
    t.foundation(0, {"7H", "6H"});
    EXPECT_TRUE(t.accepts(place("5H").on("6H").rule(Rule::InSuitKeepingDirection).foundation()));
    EXPECT_FALSE(t.accepts(place("7H'").on("6H").rule(Rule::InSuitKeepingDirection).foundation()));
    t.foundation(0, {"QH", "KH"});
    EXPECT_FALSE(t.accepts(place("AH").on("KH").rule(Rule::InSuitKeepingDirection).foundation()));
    EXPECT_FALSE(t.accepts(place("AH").rule(Rule::InSuitKeepingDirection).foundation()));
}

TEST(SequenceRules, RanksSeepDownFromTheFoundationAbove) {
    // 97 (Osmosis): the first foundation's suit in any order; the next ones
    // only a rank the foundation before them holds; empty ones take the base.
    Table t;
    auto ask = [](const char* moving, const char* top, int foundation) {
        return place(moving)
            .on(top)
            .rule(Rule::InSuitRankOnFoundationAbove)
            .foundation()
            .index(foundation);
    };
    t.foundation(0, {"5H", "9H", "2H"});
    EXPECT_TRUE(t.accepts(ask("KH", "2H", 0)));
    EXPECT_FALSE(t.accepts(ask("KS", "2H", 0)));
    t.foundation(1, {"5C"});
    EXPECT_TRUE(t.accepts(ask("9C", "5C", 1)));
    EXPECT_TRUE(t.accepts(ask("2C", "5C", 1)));
    EXPECT_FALSE(t.accepts(ask("KC", "5C", 1)));  // no king above yet
    EXPECT_FALSE(t.accepts(ask("9D", "5C", 1)));  // the foundation's suit is clubs
    EXPECT_FALSE(t.accepts(ask("9C", "5C'", 2))); // foundation 3 looks at foundation 2
    t.foundation(2, {"5D"});
    EXPECT_FALSE(t.accepts(ask("9D", "5D", 2)));
    t.foundation(1, {"5C", "9C"});
    EXPECT_TRUE(t.accepts(ask("9D", "5D", 2)));
    EXPECT_TRUE(t.accepts(place("5S")
                              .rule(Rule::InSuitRankOnFoundationAbove)
                              .foundation()
                              .index(3)
                              .base(5)
                              .emptyCode(5)));
    EXPECT_FALSE(t.accepts(place("6S")
                               .rule(Rule::InSuitRankOnFoundationAbove)
                               .foundation()
                               .index(3)
                               .base(5)
                               .emptyCode(5)));
}

TEST(SequenceRules, FoundationsOpenedByOtherPiles) {
    Table t(8, 8, 4);
    // 36: foundation 2 opens after foundation 1.
    EXPECT_FALSE(
        t.accepts(place("KS").rule(Rule::FoundationsInTurn).foundation().base(13).index(1)));
    EXPECT_TRUE(
        t.accepts(place("KS").rule(Rule::FoundationsInTurn).foundation().base(13).index(0)));
    t.foundation(0, {"KH"});
    EXPECT_TRUE(
        t.accepts(place("KS").rule(Rule::FoundationsInTurn).foundation().base(13).index(1)));
    EXPECT_TRUE(t.accepts(place("KS").on("AH").rule(Rule::FoundationsInTurn).foundation()));
    // 42: a king only beside a king six foundations on.
    EXPECT_TRUE(
        t.accepts(place("JH").on("10H").rule(Rule::UpInSuitKingWaits).foundation().index(1)));
    EXPECT_FALSE(
        t.accepts(place("KH").on("QH").rule(Rule::UpInSuitKingWaits).foundation().index(1)));
    t.foundation(7, {"KC"});
    EXPECT_TRUE(
        t.accepts(place("KH").on("QH").rule(Rule::UpInSuitKingWaits).foundation().index(1)));
    EXPECT_FALSE(
        t.accepts(place("KH").on("QH").rule(Rule::UpInSuitKingWaits).foundation().index(12)));
    // 53: foundation 1 first; the others when it holds 13 cards.
    t.param(param::FoundationBaseRank + 3, 1);
    EXPECT_FALSE(t.accepts(place("AS").rule(Rule::FirstFoundationFirst).foundation().index(3)));
    t.foundation(0,
                 {"AH", "2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH"});
    EXPECT_TRUE(t.accepts(place("AS").rule(Rule::FirstFoundationFirst).foundation().index(3)));
}

TEST(SequenceRules, BaseRankFromTheTableauOfTheSameIndex) {
    Table t(16, 16, 0);
    for (int f = 0; f < 16; ++f) {
        t.param(param::FoundationBaseRank + f, 7);
    }
    t.tableau(2, {"3C", "9H"});
    EXPECT_TRUE(t.accepts(place("7D").rule(Rule::UpFromBase).foundation().index(5)));
    EXPECT_FALSE(
        t.accepts(place("7D").rule(Rule::UpFromBaseWhileTableauHolds).foundation().index(5)));
    EXPECT_TRUE(
        t.accepts(place("7D").rule(Rule::UpFromBaseWhileTableauHolds).foundation().index(2)));
    EXPECT_FALSE(t.accepts(place("7D").rule(Rule::UpFromBaseInTableauSuit).foundation().index(2)));
    EXPECT_TRUE(t.accepts(place("7C").rule(Rule::UpFromBaseInTableauSuit).foundation().index(2)));
    EXPECT_FALSE(t.accepts(place("QC").on("JC").rule(Rule::UpFromBase).foundation()));
    // 50 and 52 look eight tableaus back, not below index 8.
    EXPECT_TRUE(t.accepts(place("7D").rule(Rule::DownFromBaseInTableauSuit).foundation().index(3)));
    EXPECT_FALSE(
        t.accepts(place("7D").rule(Rule::DownFromBaseInTableauSuit).foundation().index(10)));
    EXPECT_TRUE(
        t.accepts(place("7C").rule(Rule::DownFromBaseInTableauSuit).foundation().index(10)));
    EXPECT_FALSE(
        t.accepts(place("7C").rule(Rule::DownFromBaseWhileTableauHolds).foundation().index(11)));
    EXPECT_TRUE(t.accepts(place("KS").on("AH").rule(Rule::DownFromBase).foundation()));
    EXPECT_FALSE(t.accepts(place("QS").on("KH").rule(Rule::DownFromBase).foundation()));
}

TEST(SequenceRules, TableauOwnCodesAndWasteLocks) {
    Table t;
    t.param(param::TableauEmptyCode + 1, 13).param(param::TableauBaseFlag + 1, 1);
    t.reserve(0, {"KS"}).stock({"KC"});
    // 54: down; a king on an ace by the base flag; no reserve card to an empty pile.
    EXPECT_TRUE(t.accepts(place("KH").on("AS").rule(Rule::DownEmptyFromStockOrWaste).index(1)));
    EXPECT_FALSE(t.accepts(place("KH").on("AS").rule(Rule::DownEmptyFromStockOrWaste).index(0)));
    EXPECT_FALSE(t.accepts(place("KS").rule(Rule::DownEmptyFromStockOrWaste).index(1)));
    EXPECT_TRUE(t.accepts(place("KC").rule(Rule::DownEmptyFromStockOrWaste).index(1)));
    EXPECT_FALSE(t.accepts(place("QC").rule(Rule::DownEmptyFromStockOrWaste).index(1)));
    // 55: up in colour; one waste card must move first, more lock all.
    EXPECT_TRUE(t.accepts(place("6D").on("5H").rule(Rule::WasteSingleCard)));
    EXPECT_FALSE(t.accepts(place("6C").on("5H").rule(Rule::WasteSingleCard)));
    t.waste({"4H"});
    EXPECT_FALSE(t.accepts(place("6D").on("5H").rule(Rule::WasteSingleCard)));
    EXPECT_TRUE(t.accepts(place("4H").on("3D").rule(Rule::WasteSingleCard)));
    t.waste({"4H", "9S"});
    EXPECT_FALSE(t.accepts(place("9S").on("8C").rule(Rule::WasteSingleCard)));
}

TEST(SequenceRules, ThirteenthCardFromTheReserveOfTheSameIndex) {
    Table t;
    t.param(param::FoundationBaseRank + 1, 1).reserve(1, {"KD"}).reserve(0, {"KC", "5D"});
    EXPECT_FALSE(
        t.accepts(place("5D").on("4D").rule(Rule::ThirteenthFromReserve).foundation().index(1)));
    t.foundation(1, {"AD", "2D", "3D", "4D", "5D'", "6D", "7D", "8D", "9D", "10D", "JD", "QD"});
    EXPECT_TRUE(
        t.accepts(place("KD").on("QD").rule(Rule::ThirteenthFromReserve).foundation().index(1)));
    t.reserve(1, {}).reserve(0, {"KD"});
    EXPECT_FALSE(
        t.accepts(place("KD").on("QD").rule(Rule::ThirteenthFromReserve).foundation().index(1)));
    t.foundation(1, {});
    EXPECT_TRUE(t.accepts(place("AC").rule(Rule::ThirteenthFromReserve).foundation().index(1)));
}

TEST(SequenceRules, Rule83ClosesFoundationNAtRankN) {
    Table t(8, 8, 0);
    t.foundation(2, {"5H", "4H", "3H"});
    EXPECT_FALSE(
        t.accepts(place("2S").on("3H").rule(Rule::DownClosingAtRank).foundation().index(2)));
    EXPECT_TRUE(
        t.accepts(place("2S").on("3H").rule(Rule::DownClosingAtRank).foundation().index(3)));
    t.foundation(6, {"8H", "7H"});
    EXPECT_TRUE(
        t.accepts(place("6S").on("7H").rule(Rule::DownClosingAtRank).foundation().index(6)));
    t.foundation(6,
                 {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H", "AH"});
    EXPECT_FALSE(
        t.accepts(place("KS").on("AH").rule(Rule::DownClosingAtRank).foundation().index(6)));
}

TEST(SequenceRules, SuitCycle) {
    Table t;
    EXPECT_TRUE(t.accepts(place("5C").on("4H").rule(Rule::UpSuitCycle)));
    EXPECT_FALSE(t.accepts(place("5D").on("4H").rule(Rule::UpSuitCycle)));
    EXPECT_TRUE(t.accepts(place("2H").on("AS").rule(Rule::UpSuitCycle)));
    EXPECT_TRUE(t.accepts(place("4S").on("5D").rule(Rule::DownSuitCycle)));
    EXPECT_FALSE(t.accepts(place("4C").on("5D").rule(Rule::DownSuitCycle)));
}

TEST(SequenceRules, EmptyAsRankMinusOneTakesNothingUpOrDown) {
    Table t;
    for (Rule rule :
         {Rule::DownInSuit, Rule::UpInSuit, Rule::UpInSuitKingWaits, Rule::DownClosingAtRank}) {
        for (const char* moving : {"AH", "2H", "KH"}) {
            EXPECT_FALSE(t.accepts(place(moving).rule(rule).foundation()))
                << catalogue::codeOf(rule) << moving;
        }
    }
    EXPECT_TRUE(t.accepts(place("5S").on("6S").rule(Rule::DownInSuit)));
    EXPECT_FALSE(t.accepts(place("KS").on("AS").rule(Rule::DownInSuit)));
    EXPECT_FALSE(t.accepts(place("AS").on("KS").rule(Rule::UpInSuit)));
}

} // namespace
} // namespace vellomir::engine
