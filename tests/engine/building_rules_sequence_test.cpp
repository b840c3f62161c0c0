#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::place;
using testing::Table;
namespace param = catalogue::param;

TEST(SequenceRules, WrapsAndTurnsAtTheEnds) {
    Table t;
    // 20: up, any suit, an ace on a king; an ace opens the pile.
    EXPECT_TRUE(t.accepts(place("AS").on("KH").rule(20).foundation()));
    EXPECT_FALSE(t.accepts(place("2S").on("KH").rule(20).foundation()));
    EXPECT_TRUE(t.accepts(place("AS").rule(20).foundation()));
    EXPECT_FALSE(t.accepts(place("2S").rule(20).foundation()));
    // 28 and 60: only a 2 on an ace and a queen on a king; 60 in suit.
    EXPECT_TRUE(t.accepts(place("2C").on("AH").rule(28)));
    EXPECT_FALSE(t.accepts(place("KC").on("AH").rule(28)));
    EXPECT_TRUE(t.accepts(place("QC").on("KH").rule(28)));
    EXPECT_TRUE(t.accepts(place("5C").on("4H").rule(28)));
    EXPECT_FALSE(t.accepts(place("5C").on("4H").rule(60)));
    EXPECT_TRUE(t.accepts(place("3H").on("4H").rule(60)));
    EXPECT_TRUE(t.accepts(place("9S").rule(60)));
    // 35: king and ace are neighbours both ways.
    EXPECT_TRUE(t.accepts(place("KC").on("AH").rule(35)));
    EXPECT_TRUE(t.accepts(place("AC").on("KH").rule(35)));
    EXPECT_FALSE(t.accepts(place("QC").on("AH").rule(35)));
    // 78: an ace of any suit on a king, otherwise up in suit.
    EXPECT_TRUE(t.accepts(place("AS").on("KH").rule(78)));
    EXPECT_FALSE(t.accepts(place("6S").on("5H").rule(78)));
    EXPECT_TRUE(t.accepts(place("6H").on("5H").rule(78)));
}

TEST(SequenceRules, KingAndAceOfRules94And95BehaveAlikeInBothPacks) {
    Table t;
    for (const char* ace : {"AH", "AD", "AH'"}) {
        EXPECT_TRUE(t.accepts(place("KS").on(ace).rule(94))) << ace;
        EXPECT_FALSE(t.accepts(place("KD").on(ace).rule(94))) << ace;
    }
    EXPECT_TRUE(t.accepts(place("6S").on("7D").rule(94)));
    for (const char* king : {"KS", "KS'"}) {
        EXPECT_TRUE(t.accepts(place("AS").on(king).rule(95))) << king;
        EXPECT_FALSE(t.accepts(place("AC").on(king).rule(95))) << king;
    }
    EXPECT_TRUE(t.accepts(place("AS").rule(95)));
    // 94 onto an empty pile: never a tableau card; the waste card once the
    // reserves are empty.
    t.tableau(0, {"5C"}).waste({"5H"}).reserve(1, {"5D"});
    EXPECT_FALSE(t.accepts(place("5C").rule(94)));
    EXPECT_FALSE(t.accepts(place("5H").rule(94)));
    EXPECT_TRUE(t.accepts(place("5D").rule(94)));
    t.reserve(1, {});
    EXPECT_TRUE(t.accepts(place("5H").rule(94)));
}

TEST(SequenceRules, ByTwosInSuit) {
    Table t;
    EXPECT_TRUE(t.accepts(place("5H").on("3H").rule(25).up()));
    EXPECT_FALSE(t.accepts(place("5D").on("3H").rule(25).up()));
    EXPECT_TRUE(t.accepts(place("3H").on("5H").rule(25).down()));
    EXPECT_FALSE(t.accepts(place("2H").on("KH").rule(25).up()));
    EXPECT_TRUE(t.accepts(place("2H").on("KH").rule(61).up()));
    EXPECT_TRUE(t.accepts(place("AH").on("QH").rule(61).up()));
    EXPECT_FALSE(t.accepts(place("AD").on("QH").rule(61).up()));
}

TEST(SequenceRules, TwoPackFoundationTurnsAtTheSecondKing) {
    Table t;
    t.foundation(0, {"AH", "2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH"});
    auto ask = [](const char* moving, const char* below) {
        return place(moving).on(below).rule(29).foundation();
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
    EXPECT_FALSE(t.accepts(place("2S").rule(29).foundation().emptyCode(1).base(1).index(2)));
    EXPECT_FALSE(t.accepts(place("AH").rule(29).foundation().emptyCode(1).base(1).index(2)));
    EXPECT_TRUE(t.accepts(place("AS").rule(29).foundation().emptyCode(1).base(1).index(2)));
}

TEST(SequenceRules, Rule30KeepsTheWayThePileGoes) {
    Table t;
    t.foundation(0, {"5H"});
    EXPECT_TRUE(t.accepts(place("6H").on("5H").rule(30).foundation()));
    EXPECT_TRUE(t.accepts(place("4H").on("5H").rule(30).foundation()));
    EXPECT_FALSE(t.accepts(place("4D").on("5H").rule(30).foundation()));
    t.foundation(0, {"7H", "6H"});
    EXPECT_TRUE(t.accepts(place("5H").on("6H").rule(30).foundation()));
    EXPECT_FALSE(t.accepts(place("7H'").on("6H").rule(30).foundation()));
    t.foundation(0, {"QH", "KH"});
    EXPECT_FALSE(t.accepts(place("AH").on("KH").rule(30).foundation()));
    EXPECT_FALSE(t.accepts(place("AH").rule(30).foundation()));
}

TEST(SequenceRules, RanksSeepDownFromTheFoundationAbove) {
    // 97 (Osmosis): the first foundation's suit in any order; the next ones
    // only a rank the foundation before them holds; empty ones take the base.
    Table t;
    auto ask = [](const char* moving, const char* top, int foundation) {
        return place(moving).on(top).rule(97).foundation().index(foundation);
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
    EXPECT_TRUE(t.accepts(place("5S").rule(97).foundation().index(3).base(5).emptyCode(5)));
    EXPECT_FALSE(t.accepts(place("6S").rule(97).foundation().index(3).base(5).emptyCode(5)));
}

TEST(SequenceRules, FoundationsOpenedByOtherPiles) {
    Table t(8, 8, 4);
    // 36: foundation 2 opens after foundation 1.
    EXPECT_FALSE(t.accepts(place("KS").rule(36).foundation().base(13).index(1)));
    EXPECT_TRUE(t.accepts(place("KS").rule(36).foundation().base(13).index(0)));
    t.foundation(0, {"KH"});
    EXPECT_TRUE(t.accepts(place("KS").rule(36).foundation().base(13).index(1)));
    EXPECT_TRUE(t.accepts(place("KS").on("AH").rule(36).foundation()));
    // 42: a king only beside a king six foundations on.
    EXPECT_TRUE(t.accepts(place("JH").on("10H").rule(42).foundation().index(1)));
    EXPECT_FALSE(t.accepts(place("KH").on("QH").rule(42).foundation().index(1)));
    t.foundation(7, {"KC"});
    EXPECT_TRUE(t.accepts(place("KH").on("QH").rule(42).foundation().index(1)));
    EXPECT_FALSE(t.accepts(place("KH").on("QH").rule(42).foundation().index(12)));
    // 53: foundation 1 first; the others when it holds 13 cards.
    t.param(param::FoundationBaseRank + 3, 1);
    EXPECT_FALSE(t.accepts(place("AS").rule(53).foundation().index(3)));
    t.foundation(0,
                 {"AH", "2H", "3H", "4H", "5H", "6H", "7H", "8H", "9H", "10H", "JH", "QH", "KH"});
    EXPECT_TRUE(t.accepts(place("AS").rule(53).foundation().index(3)));
}

TEST(SequenceRules, BaseRankFromTheTableauOfTheSameIndex) {
    Table t(16, 16, 0);
    for (int f = 0; f < 16; ++f) {
        t.param(param::FoundationBaseRank + f, 7);
    }
    t.tableau(2, {"3C", "9H"});
    EXPECT_TRUE(t.accepts(place("7D").rule(46).foundation().index(5)));
    EXPECT_FALSE(t.accepts(place("7D").rule(49).foundation().index(5)));
    EXPECT_TRUE(t.accepts(place("7D").rule(49).foundation().index(2)));
    EXPECT_FALSE(t.accepts(place("7D").rule(51).foundation().index(2)));
    EXPECT_TRUE(t.accepts(place("7C").rule(51).foundation().index(2)));
    EXPECT_FALSE(t.accepts(place("QC").on("JC").rule(46).foundation()));
    // 50 and 52 look eight tableaus back, not below index 8.
    EXPECT_TRUE(t.accepts(place("7D").rule(52).foundation().index(3)));
    EXPECT_FALSE(t.accepts(place("7D").rule(52).foundation().index(10)));
    EXPECT_TRUE(t.accepts(place("7C").rule(52).foundation().index(10)));
    EXPECT_FALSE(t.accepts(place("7C").rule(50).foundation().index(11)));
    EXPECT_TRUE(t.accepts(place("KS").on("AH").rule(47).foundation()));
    EXPECT_FALSE(t.accepts(place("QS").on("KH").rule(47).foundation()));
}

TEST(SequenceRules, TableauOwnCodesAndWasteLocks) {
    Table t;
    t.param(param::TableauEmptyCode + 1, 13).param(param::TableauBaseFlag + 1, 1);
    t.reserve(0, {"KS"}).stock({"KC"});
    // 54: down; a king on an ace by the base flag; no reserve card to an empty pile.
    EXPECT_TRUE(t.accepts(place("KH").on("AS").rule(54).index(1)));
    EXPECT_FALSE(t.accepts(place("KH").on("AS").rule(54).index(0)));
    EXPECT_FALSE(t.accepts(place("KS").rule(54).index(1)));
    EXPECT_TRUE(t.accepts(place("KC").rule(54).index(1)));
    EXPECT_FALSE(t.accepts(place("QC").rule(54).index(1)));
    // 55: up in colour; one waste card must move first, more lock all.
    EXPECT_TRUE(t.accepts(place("6D").on("5H").rule(55)));
    EXPECT_FALSE(t.accepts(place("6C").on("5H").rule(55)));
    t.waste({"4H"});
    EXPECT_FALSE(t.accepts(place("6D").on("5H").rule(55)));
    EXPECT_TRUE(t.accepts(place("4H").on("3D").rule(55)));
    t.waste({"4H", "9S"});
    EXPECT_FALSE(t.accepts(place("9S").on("8C").rule(55)));
}

TEST(SequenceRules, ThirteenthCardFromTheReserveOfTheSameIndex) {
    Table t;
    t.param(param::FoundationBaseRank + 1, 1).reserve(1, {"KD"}).reserve(0, {"KC", "5D"});
    EXPECT_FALSE(t.accepts(place("5D").on("4D").rule(79).foundation().index(1)));
    t.foundation(1, {"AD", "2D", "3D", "4D", "5D'", "6D", "7D", "8D", "9D", "10D", "JD", "QD"});
    EXPECT_TRUE(t.accepts(place("KD").on("QD").rule(79).foundation().index(1)));
    t.reserve(1, {}).reserve(0, {"KD"});
    EXPECT_FALSE(t.accepts(place("KD").on("QD").rule(79).foundation().index(1)));
    t.foundation(1, {});
    EXPECT_TRUE(t.accepts(place("AC").rule(79).foundation().index(1)));
}

TEST(SequenceRules, Rule83ClosesFoundationNAtRankN) {
    Table t(8, 8, 0);
    t.foundation(2, {"5H", "4H", "3H"});
    EXPECT_FALSE(t.accepts(place("2S").on("3H").rule(83).foundation().index(2)));
    EXPECT_TRUE(t.accepts(place("2S").on("3H").rule(83).foundation().index(3)));
    t.foundation(6, {"8H", "7H"});
    EXPECT_TRUE(t.accepts(place("6S").on("7H").rule(83).foundation().index(6)));
    t.foundation(6,
                 {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H", "2H", "AH"});
    EXPECT_FALSE(t.accepts(place("KS").on("AH").rule(83).foundation().index(6)));
}

TEST(SequenceRules, SuitCycle) {
    Table t;
    EXPECT_TRUE(t.accepts(place("5C").on("4H").rule(86)));
    EXPECT_FALSE(t.accepts(place("5D").on("4H").rule(86)));
    EXPECT_TRUE(t.accepts(place("2H").on("AS").rule(86)));
    EXPECT_TRUE(t.accepts(place("4S").on("5D").rule(87)));
    EXPECT_FALSE(t.accepts(place("4C").on("5D").rule(87)));
}

TEST(SequenceRules, EmptyAsRankMinusOneTakesNothingUpOrDown) {
    Table t;
    for (int rule : {31, 32, 42, 83}) {
        for (const char* moving : {"AH", "2H", "KH"}) {
            EXPECT_FALSE(t.accepts(place(moving).rule(rule).foundation())) << rule << moving;
        }
    }
    EXPECT_TRUE(t.accepts(place("5S").on("6S").rule(31)));
    EXPECT_FALSE(t.accepts(place("KS").on("AS").rule(31)));
    EXPECT_FALSE(t.accepts(place("AS").on("KS").rule(32)));
}

} // namespace
} // namespace vellomir::engine
