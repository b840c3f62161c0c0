#include "engine/execution_fixture.h"

#include "engine/input/selection_press.h"
#include "engine/play/play_engine.h"
#include "engine/rules/selection_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

namespace vellomir::testing {
namespace {

// A pairing or adding game: foundation 1 holds the selection, the discard
// pile receives what leaves.
struct SelectionTable : PlayTable {
    SelectionTable(int family, int target, int tableaus = 8) : PlayTable(1, tableaus) {
        param(param::GameType, family);
        param(param::SelectionGame, target);
        param(param::DiscardPresent, 1);
    }

    bool pressOn(std::string_view pile, int code, int button = 0) {
        const engine::CardCensus before = engine::takeCardCensus(state);
        const bool changed =
            engine::selectionPress(state, frontend, {code, std::string(pile), button, false});
        EXPECT_EQ(engine::cardsOnTableOnce(state, before), "");
        return changed;
    }
    // A press on a named card of tableau t (0-based).
    bool press(std::string_view name, int t, int button = 0) {
        return pressOn("Fila" + std::to_string(t + 1), card(name), button);
    }
    bool pressStock() { return pressOn("Mazzo", table::topCardOf(stockPile())); }

    std::string selection() { return state.piles.foundation(0); }
    int beeps() { return static_cast<int>(frontend.callsStartingWith("beep").size()); }
    bool marked(std::string_view name) {
        return frontend.saw("mark " + std::to_string(card(name)));
    }
    int marks(std::string_view name) {
        const std::string call = "mark " + std::to_string(card(name));
        return static_cast<int>(std::ranges::count(frontend.calls, call));
    }
    // The removal ran with the input blocked around it.
    bool removedWithInputBlocked() {
        const auto& calls = frontend.calls;
        const auto blocked = std::ranges::find(calls, "input blocked");
        const auto pairing = std::ranges::find(calls, "sound: Pairing Y at-once");
        const auto unblocked = std::ranges::find(calls, "input unblocked");
        return blocked < pairing && pairing < unblocked && unblocked != calls.end();
    }
};

// --- Selecting and deselecting -----------------------------------------------------

TEST(Selecting, PressingASelectedCardAgainTakesItOut) {
    SelectionTable t(3, 14);
    t.tableau(0, {"9H"}).tableau(1, {"2C"});
    EXPECT_FALSE(t.press("9H", 0));
    EXPECT_EQ(t.selection(), pileOf({"9H"}));
    t.press("2C", 1);
    t.press("9H", 0);
    EXPECT_EQ(t.selection(), pileOf({"2C"}));
    EXPECT_EQ(t.marks("9H"), 2);
    EXPECT_EQ(t.beeps(), 0);
    EXPECT_TRUE(t.discardPile().empty());
}

TEST(Selecting, MarkingFamilyOnlyTogglesTheMark) {
    SelectionTable t(33, 0);
    t.tableau(0, {"4S", "9H"});
    t.press("4S", 0, 1);
    EXPECT_TRUE(t.marked("4S"));
    EXPECT_TRUE(t.selection().empty());
}

// --- Family 3: top cards adding up to 14 ------------------------------------------------

TEST(FourteenOut, TopCardsAddingUpTo14Leave) {
    SelectionTable t(3, 14);
    t.tableau(0, {"3C", "9H"}).tableau(1, {"5S"}).tableau(2, {"2D"}).tableau(3, {"KD"});
    EXPECT_FALSE(t.press("3C", 0)); // covered: nothing, not even a beep
    EXPECT_TRUE(t.selection().empty());
    t.press("9H", 0);
    t.press("2D", 2);
    t.press("KD", 3); // a third card
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_FALSE(t.marked("KD"));
    EXPECT_EQ(t.selection(), pileOf({"9H", "2D"}));
    t.press("2D", 2);
    EXPECT_TRUE(t.press("5S", 1));
    EXPECT_EQ(t.discardPile(), pileOf({"9H", "5S"}));
    EXPECT_EQ(t.tableauPile(0), pileOf({"3C"}));
    EXPECT_TRUE(t.selection().empty());
    EXPECT_TRUE(t.removedWithInputBlocked());
}

// --- Family 4: the pyramid ---------------------------------------------------------------

struct PyramidTable : SelectionTable {
    PyramidTable() : SelectionTable(4, 13, 3) {
        param(param::TableauFanStyle, 4);
        param(param::EmptyWasteIsRedeal, 1);
        tableau(0, {"QS"}).tableau(1, {"6H", "7D"}).tableau(2, {"--", "KH", "AC"});
    }
};

TEST(Pyramid, FreeCardsWasteAndStockMakeThirteen) {
    PyramidTable t;
    t.waste({"7C"}).stock({"2D", "QD"});
    t.press("7D", 1); // covered by the king and the ace
    t.press("QS", 0);
    EXPECT_TRUE(t.selection().empty());
    EXPECT_EQ(t.beeps(), 0);
    // A king alone.
    EXPECT_TRUE(t.press("KH", 2));
    EXPECT_EQ(t.tableauPile(2), pileOf({"--", "--", "AC"}));
    // The 7 of diamonds is free now; the waste card pairs with the 6.
    t.press("6H", 1);
    EXPECT_TRUE(t.pressOn("Mazzo_Vis", card("7C")));
    EXPECT_EQ(t.tableauPile(1), pileOf({"--", "7D"}));
    EXPECT_TRUE(t.wastePile().empty());
    // The stock's top card joins a selection.
    t.press("AC", 2);
    EXPECT_TRUE(t.pressStock());
    EXPECT_EQ(t.stockPile(), pileOf({"2D"}));
    EXPECT_EQ(t.discardPile(), pileOf({"KH", "6H", "7C", "AC", "QD"}));
    // With nothing selected the stock deals to the waste.
    EXPECT_TRUE(t.pressStock());
    EXPECT_EQ(t.wastePile(), pileOf({"2D"}));
    EXPECT_TRUE(t.selection().empty());
}

TEST(Pyramid, AThirdCardIsRefused) {
    PyramidTable t;
    t.tableau(2, {"--", "--", "AC"}).waste({"2S"});
    t.press("AC", 2);
    t.press("6H", 1);
    EXPECT_EQ(t.selection(), pileOf({"AC", "6H"}));
    t.pressOn("Mazzo_Vis", card("2S"));
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_FALSE(t.marked("2S"));
    EXPECT_EQ(t.selection(), pileOf({"AC", "6H"}));
}

// --- Families 14, 16, 25: pairs of one rank ---------------------------------------

TEST(SameRankPairs, TopCardsAndTheWastePairByRank) {
    SelectionTable t(16, 2);
    t.tableau(0, {"8H"}).tableau(1, {"4C"}).stock({"8S"});
    // An empty waste is dealt to by the stock.
    EXPECT_TRUE(t.pressStock());
    EXPECT_EQ(t.wastePile(), pileOf({"8S"}));
    EXPECT_FALSE(t.pressStock()); // only onto an empty waste
    t.press("8H", 0);
    t.press("4C", 1);
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_FALSE(t.marked("4C"));
    EXPECT_TRUE(t.pressOn("Mazzo_Vis", card("8S")));
    EXPECT_EQ(t.discardPile(), pileOf({"8H", "8S"}));
}

TEST(SameRankPairs, FaceDownTopCardTurnsUpFirst) {
    SelectionTable t(25, 2);
    t.tableau(0, {"3D", "JC"}).tableau(1, {"JH"}).faceDown("JC");
    EXPECT_TRUE(t.press("JC", 0));
    EXPECT_TRUE(t.faceUp("JC"));
    EXPECT_TRUE(t.selection().empty());
    t.press("JC", 0);
    EXPECT_TRUE(t.press("JH", 1));
    EXPECT_EQ(t.tableauPile(0), pileOf({"3D"}));
    EXPECT_EQ(t.discardPile(), pileOf({"JC", "JH"}));
}

// --- Families 17, 24 and 26: number cards to a total, or a set of high cards -------------

TEST(Elevens, NumberPairsAndCourtSets) {
    for (int family : {17, 26}) {
        SelectionTable t(family, 11);
        t.tableau(0, {"4H"}).tableau(1, {"7S"}).tableau(2, {"JD"}).tableau(3, {"QC"});
        t.tableau(4, {"KS"}).tableau(5, {"JH"}).tableau(6, {"3C"});
        t.press("4H", 0);
        t.press("JD", 2); // a court card with a number card
        t.press("3C", 6); // 4 + 3 is no 11, but waits
        t.press("7S", 1); // a third number card
        EXPECT_EQ(t.beeps(), 2) << family;
        t.press("3C", 6);
        EXPECT_TRUE(t.press("7S", 1)) << family;
        t.press("JD", 2);
        t.press("JH", 5); // a second jack
        EXPECT_EQ(t.beeps(), 3) << family;
        t.press("QC", 3);
        EXPECT_TRUE(t.press("KS", 4)) << family;
        EXPECT_EQ(t.discardPile(), pileOf({"4H", "7S", "JD", "QC", "KS"})) << family;
    }
}

TEST(Nines, ALoneNineLeavesAtOnceAndTensNeverJoinNumbers) {
    SelectionTable t(24, 9);
    t.tableau(0, {"9H"}).tableau(1, {"4C"}).tableau(2, {"10S"}).tableau(3, {"5D"});
    t.tableau(4, {"JH"}).tableau(5, {"QH"}).tableau(6, {"KH"}).tableau(7, {"10D"});
    EXPECT_TRUE(t.press("9H", 0));
    EXPECT_EQ(t.discardPile(), pileOf({"9H"}));
    EXPECT_TRUE(t.tableauPile(0).empty());
    EXPECT_TRUE(t.removedWithInputBlocked());
    t.press("4C", 1);
    t.press("10S", 2);
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_FALSE(t.marked("10S"));
    EXPECT_EQ(t.selection(), pileOf({"4C"}));
    EXPECT_TRUE(t.press("5D", 3));
    t.press("10S", 2);
    t.press("10D", 7); // a second ten
    EXPECT_EQ(t.beeps(), 2);
    t.press("JH", 4);
    t.press("QH", 5);
    EXPECT_TRUE(t.press("KH", 6));
    EXPECT_EQ(t.discardPile(), pileOf({"9H", "4C", "5D", "10S", "JH", "QH", "KH"}));
}

// --- Family 18 -------------------------------------------------------------------------

TEST(Eighteens, AnAceAloneOrACourtWithThreeNumbersMaking18) {
    SelectionTable t(18, 18);
    t.tableau(0, {"AS"}).tableau(1, {"7H"}).tableau(2, {"7D"}).tableau(3, {"5C"});
    t.tableau(4, {"6C"}).tableau(5, {"KH"}).tableau(6, {"QD"}).tableau(7, {"AD"});
    EXPECT_TRUE(t.press("AS", 0));
    EXPECT_EQ(t.discardPile(), pileOf({"AS"}));
    t.press("7H", 1);
    t.press("7D", 2); // a rank already chosen
    t.press("AD", 7); // an ace only alone
    t.press("KH", 5);
    t.press("QD", 6); // a second court card
    EXPECT_EQ(t.beeps(), 3);
    EXPECT_EQ(t.selection(), pileOf({"7H", "KH"}));
    t.press("5C", 3);
    EXPECT_TRUE(t.press("6C", 4));
    EXPECT_EQ(t.discardPile(), pileOf({"AS", "7H", "KH", "5C", "6C"}));
}

// --- Families 1, 20 and the target sum of parameter 38 -----------------------------------

TEST(Tens, TwoNumbersMaking10OrFourOfAKind) {
    SelectionTable t(1, 10);
    t.tableau(0, {"3H"}).tableau(1, {"10S"}).tableau(2, {"7C"}).tableau(3, {"KH"});
    t.tableau(4, {"KD"}).tableau(5, {"KC"}).tableau(6, {"KS"}).tableau(7, {"2D"});
    t.press("3H", 0);
    t.press("10S", 1); // a ten joins only tens
    t.press("KH", 3);  // and a king only kings
    t.press("2D", 7);
    t.press("7C", 2); // a third number card
    EXPECT_EQ(t.beeps(), 3);
    t.press("2D", 7);
    EXPECT_TRUE(t.press("7C", 2));
    t.press("KH", 3);
    t.press("KD", 4);
    t.press("KC", 5);
    t.press("10S", 1);
    EXPECT_EQ(t.beeps(), 4);
    EXPECT_TRUE(t.press("KS", 6));
    EXPECT_EQ(t.discardPile(), pileOf({"3H", "7C", "KH", "KD", "KC", "KS"}));
}

TEST(Fifteens, AnyCountOfNumbersMaking15) {
    SelectionTable t(1, 15);
    t.tableau(0, {"4H"}).tableau(1, {"5S"}).tableau(2, {"6C"});
    EXPECT_FALSE(t.press("4H", 0));
    EXPECT_FALSE(t.press("5S", 1));
    EXPECT_TRUE(t.press("6C", 2));
    EXPECT_EQ(t.discardPile(), pileOf({"4H", "5S", "6C"}));
}

TEST(Decade, TwoOrMoreCardsMaking10Or20Or30) {
    SelectionTable t(20, 1, 1);
    t.tableau(0, {"KH", "7H", "3C", "QS"});
    EXPECT_FALSE(t.press("KH", 0)); // ten alone waits
    EXPECT_TRUE(t.press("QS", 0));
    t.press("7H", 0);
    EXPECT_TRUE(t.press("3C", 0));
    EXPECT_EQ(t.discardPile(), pileOf({"KH", "QS", "7H", "3C"}));
    EXPECT_EQ(t.beeps(), 0);
}

TEST(TargetSum, RanksAddingUpToTheTarget) {
    SelectionTable t(7, 13);
    t.tableau(0, {"2H"}).tableau(1, {"3S"}).tableau(2, {"8C"}).tableau(3, {"5D"});
    t.press("2H", 0);
    t.press("3S", 1);
    t.press("8C", 2); // the pairs family takes two cards
    EXPECT_EQ(t.beeps(), 1);
    t.press("3S", 1);
    EXPECT_FALSE(t.press("8C", 2));
    EXPECT_EQ(t.selection(), pileOf({"2H", "8C"}));
    t.press("2H", 0);
    EXPECT_TRUE(t.press("5D", 3));
    EXPECT_EQ(t.discardPile(), pileOf({"8C", "5D"}));
    // Other families add any number of cards.
    SelectionTable many(0, 10);
    many.tableau(0, {"2H"}).tableau(1, {"3S"}).tableau(2, {"5C"});
    many.press("2H", 0);
    many.press("3S", 1);
    EXPECT_TRUE(many.press("5C", 2));
}

// --- Family 41: number cards making the court card ------------------------------------

TEST(NumbersMakeTheCourt, TableauAndFoundationCards) {
    SelectionTable t(41, 1);
    t.tableau(0, {"5H"}).tableau(1, {"QS"}).tableau(2, {"JD"}).foundation(1, {"7C"});
    t.press("QS", 1); // a court card cannot start
    EXPECT_EQ(t.beeps(), 1);
    t.press("5H", 0, 1); // any button
    t.press("QS", 1);
    t.press("JD", 2); // a second court card
    EXPECT_EQ(t.beeps(), 2);
    EXPECT_TRUE(t.pressOn("Dest2", card("7C")));
    EXPECT_EQ(t.discardPile(), pileOf({"5H", "QS", "7C"}));
    EXPECT_TRUE(t.state.piles.foundation(1).empty());
}

// --- Family 47: rows of seven ------------------------------------------------------------

TEST(RowPairs, SameRankTwoTableausApart) {
    SelectionTable t(47, 1, 21);
    t.tableau(0, {"4S"}).tableau(2, {"QH"}).tableau(3, {"QD"}).tableau(4, {"QS"});
    t.tableau(5, {"2C"}).faceDown("4S");
    t.press("4S", 0);
    EXPECT_EQ(t.beeps(), 1);
    t.press("QH", 2);
    t.press("QD", 3); // tableaus 3 and 4: not removed, refused
    EXPECT_EQ(t.beeps(), 2);
    EXPECT_FALSE(t.marked("QD"));
    EXPECT_EQ(t.selection(), pileOf({"QH"}));
    EXPECT_TRUE(t.press("QS", 4));
    EXPECT_EQ(t.discardPile(), pileOf({"QS", "QH"}));
    EXPECT_TRUE(t.selection().empty());
}

TEST(RowPairs, TheStockDropsTheSelectionAndDeals) {
    SelectionTable t(47, 1, 3);
    t.param(param::TableauLaterDeal, 1).param(param::TableauLaterDeal + 1, 1);
    t.param(param::TableauLaterDeal + 2, 1);
    t.tableau(0, {"9H"}).stock({"2C", "3C", "4C"});
    t.press("9H", 0);
    EXPECT_TRUE(t.pressStock());
    EXPECT_TRUE(t.selection().empty());
    EXPECT_EQ(t.marks("9H"), 2);
    EXPECT_EQ(t.tableauPile(0), pileOf({"9H", "4C"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"2C"}));
}

// --- Family 8: Monte Carlo; family 45: touching cards of one suit -----------------------

TEST(MonteCarlo, TouchingPairsOfOneRank) {
    SelectionTable t(8, 2, 25);
    t.param(param::GridWidth, 5);
    t.tableau(0, {"7H"}).tableau(2, {"7C"}).tableau(6, {"7S"}).tableau(7, {"7D"}).stock({"KS"});
    t.press("7H", 0);
    t.press("7C", 2); // two places apart
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_TRUE(t.press("7S", 6)); // corner to corner
    EXPECT_EQ(t.discardPile(), pileOf({"7H", "7S"}));
    // The stock closes the gaps and refills the square; the selection goes.
    t.press("7D", 7);
    EXPECT_TRUE(t.pressStock());
    EXPECT_TRUE(t.selection().empty());
    EXPECT_EQ(t.marks("7D"), 2);
    EXPECT_EQ(t.tableauPile(0), pileOf({"7C"}));
    EXPECT_EQ(t.tableauPile(1), pileOf({"7D"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"KS"}));
    // A packed square with an empty stock has nothing to do: the selection stays.
    for (int i = 3; i < 25; ++i) {
        t.tableau(i, {"--"});
    }
    t.press("7C", 0);
    EXPECT_FALSE(t.pressStock());
    EXPECT_EQ(t.selection(), pileOf({"7C"}));
    EXPECT_EQ(t.marks("7C"), 3);
}

TEST(MonteCarloBySuit, TouchingCardsOfOneSuitAcesStay) {
    SelectionTable t(45, 2, 25);
    t.param(param::GridWidth, 5);
    t.tableau(0, {"AH"}).tableau(1, {"5H"}).tableau(5, {"9C"}).tableau(6, {"JH"});
    t.press("AH", 0);
    t.press("5H", 1);
    t.press("9C", 5);
    EXPECT_EQ(t.beeps(), 2);
    EXPECT_TRUE(t.press("JH", 6));
    EXPECT_EQ(t.discardPile(), pileOf({"5H", "JH"}));
}

// --- Families 21 and 22: the line of Royal Marriage ---------------------------------------

TEST(RoyalMarriage, OneOrTwoCardsBetweenCardsOfASuitOrRank) {
    SelectionTable t(22, 2, 1);
    t.tableau(0, {"QH", "4D", "8C", "2H", "6S", "9D", "KH"});
    t.press("QH", 0); // the queen of hearts stays
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_FALSE(t.press("4D", 0)); // the queen and the 8 share nothing
    t.press("6S", 0);               // not beside the 4
    EXPECT_EQ(t.beeps(), 2);
    EXPECT_TRUE(t.press("8C", 0)); // between the queen and the 2 of hearts
    EXPECT_EQ(t.tableauPile(0), pileOf({"QH", "2H", "6S", "9D", "KH"}));
    EXPECT_FALSE(t.press("6S", 0));
    t.press("6S", 0);
    t.tableau(0, {"QH", "2H", "6S", "KH"});
    EXPECT_TRUE(t.press("6S", 0)); // between two hearts
    EXPECT_EQ(t.discardPile(), pileOf({"4D", "8C", "6S"}));
    // Family 21 lets the queen of hearts go too.
    SelectionTable free(21, 2, 1);
    free.tableau(0, {"3C", "QH", "9C"});
    EXPECT_TRUE(free.press("QH", 0));
}

// --- Family 23: Aces Up ------------------------------------------------------------------

TEST(AcesUp, TheLowerCardOfTheSuitGoes) {
    SelectionTable t(23, 2, 4);
    for (int i = 0; i < 4; ++i) {
        t.param(param::TableauLaterDeal + i, 1);
    }
    t.tableau(0, {"5H"}).tableau(1, {"9H"}).tableau(2, {"2C", "AH"}).tableau(3, {"3C"});
    t.press("5H", 0);
    t.press("3C", 3); // another suit
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_TRUE(t.press("9H", 1));
    EXPECT_EQ(t.discardPile(), pileOf({"5H"}));
    EXPECT_EQ(t.tableauPile(1), pileOf({"9H"}));
    EXPECT_EQ(t.marks("9H"), 2); // shown selected, then let go
    t.press("9H", 1);
    EXPECT_TRUE(t.press("AH", 2)); // the ace ranks above the 9
    EXPECT_EQ(t.discardPile(), pileOf({"5H", "9H"}));
    t.stock({"4S", "4D", "4C", "4H"});
    EXPECT_TRUE(t.pressStock());
    EXPECT_EQ(t.tableauPile(0), pileOf({"4H"}));
}

// --- Family 48: pairs refilled from the stock ------------------------------------------

TEST(SimplePairs, APairLeavesAndItsPlacesAreRefilled) {
    SelectionTable t(48, 2, 3);
    t.tableau(0, {"6H"}).tableau(1, {"QS"}).tableau(2, {"6C"}).stock({"2D", "8S"});
    t.press("6H", 0);
    t.press("QS", 1);
    EXPECT_EQ(t.beeps(), 1);
    EXPECT_TRUE(t.press("6C", 2));
    EXPECT_EQ(t.discardPile(), pileOf({"6H", "6C"}));
    EXPECT_EQ(t.tableauPile(0), pileOf({"8S"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"2D"}));
}

// --- Which presses count -----------------------------------------------------------------

TEST(PressRouting, OnlyTheFamiliesPressesAreHandled) {
    SelectionTable t(24, 9);
    t.tableau(0, {"4C"}).waste({"5D"});
    EXPECT_FALSE(t.press("4C", 0, 1)); // a right press on a tableau
    EXPECT_FALSE(t.pressOn("Mazzo_Vis", card("5D")));
    EXPECT_FALSE(t.pressStock());
    EXPECT_TRUE(t.selection().empty());
    EXPECT_TRUE(t.frontend.calls.empty());
    // A game with no selection family selects nothing.
    SelectionTable none(0, 0);
    none.tableau(0, {"4C"});
    EXPECT_FALSE(none.press("4C", 0));
    EXPECT_TRUE(none.selection().empty());
    SelectionTable noTarget(24, 0);
    noTarget.tableau(0, {"9H"});
    EXPECT_FALSE(noTarget.press("9H", 0));
    EXPECT_TRUE(noTarget.frontend.calls.empty());
}

TEST(PressRouting, AWinningRemovalEndsTheGame) {
    SelectionTable t(24, 9);
    t.tableau(0, {"9H"});
    t.state.flags.set(table::Flag::GameInPlay);
    EXPECT_TRUE(t.press("9H", 0));
    EXPECT_FALSE(t.state.flags.test(table::Flag::GameInPlay));
    EXPECT_TRUE(t.frontend.saw("winning animation"));
}

// --- The catalogue's selection games under random presses ------------------------------

// Presses anywhere on dealt tables of the catalogue's pairing and adding
// games never lose or duplicate a card, and the selection only ever holds
// cards that lie on the table.
TEST(SelectionPlay, RandomPressesKeepEveryCardOnce) {
    for (int game : {36, 37, 38, 39, 40, 41, 42, 43}) {
        int discarded = 0;
        for (int round = 0; round < 3; ++round) {
            auto state = std::make_unique<table::ProgramState>(VELLOMIR_BIN_DIR);
            RecordingFrontend frontend;
            engine::PlayEngine engine(*state, frontend);
            ASSERT_TRUE(engine.loadGameList());
            state->settings.write(settings::field::DealNumber,
                                  "000000000000" + std::to_string(round + 1));
            ASSERT_TRUE(engine.openGame(game, engine::DealNumberMode::Keep, false)) << game;
            std::mt19937 rng(static_cast<unsigned>(game * 10 + round));
            const int tableaus = state->params[param::TableauCount];
            for (int step = 0; step < 400; ++step) {
                const int where = static_cast<int>(rng() % 8);
                std::string pileName;
                int code = 0;
                if (where == 0) {
                    pileName = "Mazzo";
                    code = table::topCardOf(state->piles.stock(table::kStock));
                } else if (where == 1) {
                    pileName = "Mazzo_Vis";
                    code = table::topCardOf(state->piles.stock(table::kWaste));
                } else {
                    const int t = static_cast<int>(rng() % static_cast<unsigned>(tableaus));
                    const std::string& pile = state->piles.tableau(t);
                    pileName = "Fila" + std::to_string(t + 1);
                    const int count = table::cardCount(pile);
                    code = count == 0 ? 0 : table::cardAt(pile, static_cast<int>(rng() % count));
                }
                const engine::CardCensus before = engine::takeCardCensus(*state);
                engine::selectionPress(*state, frontend, {code, pileName, 0, false});
                ASSERT_EQ(engine::cardsOnTableOnce(*state, before), "") << game << " step " << step;
                for (int selected : engine::selectedCards(*state)) {
                    const std::string selection = state->piles.foundation(0);
                    state->piles.foundation(0).clear();
                    const int location = engine::locatePile(*state, selected);
                    state->piles.foundation(0) = selection;
                    ASSERT_NE(location, engine::location::Nowhere) << game << " card " << selected;
                }
            }
            discarded += table::cardCount(state->piles.stock(table::kDiscard));
        }
        EXPECT_GT(discarded, 0) << "game " << game << " never removed a card";
    }
}

} // namespace
} // namespace vellomir::testing
