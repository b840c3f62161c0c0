#include "engine/execution_fixture.h"

#include "engine/actions/score.h"
#include "engine/records/undo_snapshots.h"
#include "table/card_removal.h"

#include <gtest/gtest.h>

namespace vellomir::testing {
namespace {

using engine::executeMove;
using table::RemovalKind;
using table::RemovalSource;

// --- Removing cards from piles -----------------------------------------------

TEST(PileRemoval, TheFourKindsScanWholeGroups) {
    std::string pile = pileOf({"--", "QH", "--", "8D"});
    EXPECT_TRUE(table::removeFromPile(pile, card("8D"), RemovalKind::CutWithMarker));
    EXPECT_EQ(pile, pileOf({"--", "QH"}));

    pile = pileOf({"QH", "8D"});
    EXPECT_TRUE(table::removeFromPile(pile, card("QH"), RemovalKind::Cut));
    EXPECT_EQ(pile, pileOf({"8D"}));

    pile = pileOf({"QH", "8D"});
    EXPECT_TRUE(table::removeFromPile(pile, card("QH"), RemovalKind::LeaveGap));
    EXPECT_EQ(pile, pileOf({"--", "8D"}));
    EXPECT_TRUE(table::removeFromPile(pile, card("8D"), RemovalKind::Check));
    EXPECT_EQ(pile, pileOf({"--", "8D"}));

    // "012" is not found across the groups "101" and "203".
    pile = "101203";
    EXPECT_FALSE(table::removeFromPile(pile, 12, RemovalKind::Cut));
    EXPECT_EQ(pile, "101203");
    // A placeholder is never taken for a card.
    pile = pileOf({"--"});
    EXPECT_FALSE(table::removeFromPile(pile, 0, RemovalKind::Cut));
}

TEST(PileRemoval, RemoveAnywhereAnswersWhereTheCardLay) {
    PlayTable t(4, 2, 2);
    t.waste({"5H"}).tableau(1, {"6H"}).foundation(3, {"7H"}).stock({"8H"}).reserve(9, {"9H"});
    t.state.piles.stock(table::kDiscard) = pileOf({"10H"});
    auto from = [&](std::string_view name, RemovalKind kind = RemovalKind::Cut) {
        return table::removeAnywhere(t.state, card(name), kind).source;
    };
    EXPECT_EQ(from("5H"), RemovalSource::Waste);
    EXPECT_EQ(from("6H", RemovalKind::LeaveGap), RemovalSource::Tableau);
    EXPECT_EQ(t.tableauPile(1), "000");
    EXPECT_EQ(from("7H"), RemovalSource::Foundation);
    EXPECT_EQ(from("8H"), RemovalSource::Stock);
    EXPECT_EQ(from("10H"), RemovalSource::Discard);
    EXPECT_EQ(from("9H"), RemovalSource::Reserve); // reserves 1-10 whatever the game uses
    EXPECT_EQ(from("9H"), RemovalSource::Nowhere);
}

// --- Undo snapshots and histories ---------------------------------------------

TEST(UndoSnapshots, LinesHoldFaceFlagAndCodeAndSelectionGamesSkipFoundationOne) {
    PlayTable t;
    t.tableau(2, {"KS", "--", "QH"}).faceDown("KS").foundation(0, {"AH"});
    engine::takeUndoSnapshot(t.state);
    ASSERT_EQ(t.state.undoLists.stock.size(), 3u);
    ASSERT_EQ(t.state.undoLists.foundations.size(), 16u);
    ASSERT_EQ(t.state.undoLists.tableaus.size(), 28u);
    ASSERT_EQ(t.state.undoLists.reserves.size(), 10u);
    EXPECT_EQ(t.state.undoLists.tableaus[2], "005200001012");
    EXPECT_EQ(t.state.undoLists.foundations[0], "1001");
    EXPECT_EQ(t.state.undoHistory.text(), ",");
    EXPECT_EQ(t.state.settings.read(settings::field::UndoSnapshotState), "0");

    t.param(param::SelectionGame, 14);
    engine::takeUndoSnapshot(t.state);
    EXPECT_EQ(t.state.undoLists.foundations[16], "");
    t.param(param::SelectionGame, 0).param(param::GameType, 4);
    engine::takeUndoSnapshot(t.state, engine::UndoSide::Redo);
    EXPECT_EQ(t.state.redoLists.foundations[0], "");
    EXPECT_EQ(t.state.redoHistory.text(), ",");
}

TEST(UndoSnapshots, HistoriesMarkCountAndMergeWithoutLosingMarks) {
    PlayTable t;
    for (int i = 0; i < 3; ++i) {
        engine::takeUndoSnapshot(t.state);
    }
    engine::markNewest(t.state, 1);
    engine::takeUndoSnapshot(t.state);
    engine::markNewest(t.state, 2);
    EXPECT_EQ(t.state.undoHistory.text(), ",,001,002,");
    EXPECT_EQ(engine::historyCount(t.state, engine::UndoSide::Undo, 2), 1);

    engine::dropNewestSnapshots(t.state, 2);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 2);
    EXPECT_EQ(t.state.undoLists.reserves.size(), 20u);
    EXPECT_EQ(t.state.undoHistory.text(), ",001002,");
    EXPECT_EQ(engine::historyCount(t.state, engine::UndoSide::Undo, 1), 1);
    EXPECT_EQ(engine::historyCount(t.state, engine::UndoSide::Undo, 2), 1);

    // The oldest snapshot always survives a merge.
    engine::dropOlderSnapshots(t.state, 5);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_EQ(t.state.undoHistory.itemCount(), 1);

    engine::removeNewestHistoryItem(t.state, engine::UndoSide::Undo);
    EXPECT_EQ(t.state.undoHistory.text(), "");
}

// --- Moves ---------------------------------------------------------------------

TEST(MoveExecution, ARunOfThreeArrivesInOrderFaceUp) {
    PlayTable t;
    t.tableau(0, {"KS", "9S", "8H", "7C"}).faceDown("KS").tableau(3, {"10H"}).carryingRun();
    t.faceDown("8H"); // the face flag is rewritten on arrival
    EXPECT_TRUE(t.move("9S", "Fila4"));
    EXPECT_EQ(t.tableauPile(3), pileOf({"10H", "9S", "8H", "7C"}));
    EXPECT_TRUE(t.faceUp("9S") && t.faceUp("8H") && t.faceUp("7C"));
    EXPECT_EQ(t.tableauPile(0), pileOf({"KS"}));
}

TEST(MoveExecution, AMoveLeavesPilesScoreHistoriesAndDrawing) {
    PlayTable t;
    t.param(param::AutomaticFaceUp, 1).param(param::FoundationFanStyle, 3);
    t.tableau(0, {"KS", "9S"}).faceDown("KS").tableau(1, {"10H"});
    engine::takeUndoSnapshot(t.state, engine::UndoSide::Redo);

    EXPECT_TRUE(t.move("9S", "Fila2"));
    EXPECT_EQ(t.tableauPile(0), pileOf({"KS"}));
    EXPECT_EQ(t.tableauPile(1), pileOf({"10H", "9S"}));
    // The uncovered king turned face up within the same undo step.
    EXPECT_TRUE(t.faceUp("KS"));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_EQ(t.state.undoLists.tableaus[0], "00521048");
    EXPECT_EQ(t.state.undoHistory.text(), ",");
    EXPECT_EQ(t.state.redoLists.snapshotCount(), 0);
    EXPECT_EQ(t.state.redoHistory.text(), "");
    EXPECT_EQ(t.score(), -52);
    EXPECT_EQ(t.phase(), 1);
    EXPECT_TRUE(t.state.cardLeftTableau);
    EXPECT_TRUE(t.frontend.saw("redraw shrunk Fila1"));
    EXPECT_TRUE(t.frontend.saw("draw pile Fila2"));
    EXPECT_TRUE(t.frontend.saw("sound: Tableau Y at-once"));
    EXPECT_TRUE(t.frontend.saw("sound: Face_up Y at-once"));
    EXPECT_TRUE(t.frontend.saw("score: -52"));
}

TEST(MoveExecution, FoundationMovesScoreFivePointsAndSetTheWonFlag) {
    PlayTable t(4, 2);
    t.tableau(0, {"AH"}).waste({"3H", "2H"});
    EXPECT_TRUE(t.move("AH", "Dest1"));
    EXPECT_EQ(t.score(), -52 + 5);
    EXPECT_TRUE(t.frontend.saw("sound: Foundation Y at-once"));
    EXPECT_TRUE(t.move("2H", "Dest_Autoplay01"));
    EXPECT_TRUE(t.frontend.saw("sound: Autoplay Y at-once"));
    EXPECT_TRUE(t.frontend.saw("draw pile top Mazzo")); // the stock place turned spent
    EXPECT_FALSE(t.state.flags.test(table::Flag::Won));
    EXPECT_TRUE(t.move("3H", "Dest1"));
    EXPECT_EQ(t.state.piles.foundation(0), pileOf({"AH", "2H", "3H"}));
    EXPECT_EQ(t.score(), -52 + 15);
    EXPECT_TRUE(t.state.flags.test(table::Flag::Won));
}

TEST(MoveExecution, FirstMoveMustTakeATableauCardToANonFoundation) {
    PlayTable t;
    t.param(param::FirstMoveFromTableau, 1);
    t.tableau(0, {"AH", "9S"}).tableau(1, {"10H"}).waste({"9C"}).stock({"3C", "4C"});
    EXPECT_FALSE(t.move("9C", "Fila2"));
    EXPECT_FALSE(t.move("9S", "Dest1"));
    EXPECT_FALSE(t.run(card("4C"), "Mazzo_Vis"));
    EXPECT_FALSE(t.run(7, "Add_Tableaus"));
    EXPECT_EQ(t.phase(), 0);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 0);
    EXPECT_TRUE(t.move("9S", "Fila2"));
    EXPECT_TRUE(t.move("AH", "Dest1"));
    EXPECT_EQ(t.phase(), 2);
}

TEST(MoveExecution, FillAfterTheFirstMoveRunsOnceAndSharesItsUndoStep) {
    PlayTable t(4, 3);
    t.param(param::FillTableausAfterFirstMove, 1);
    t.tableau(0, {"9S"}).tableau(1, {"10H"}).stock({"2C", "3C", "4C", "5C"});
    EXPECT_TRUE(t.move("9S", "Fila2"));
    EXPECT_EQ(t.tableauPile(0), pileOf({"5C"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"4C"}));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_EQ(t.phase(), 2);
    EXPECT_TRUE(t.move("5C", "Fila3"));
    EXPECT_TRUE(t.tableauPile(0).empty()); // no second fill
    EXPECT_EQ(t.stockPile(), pileOf({"2C", "3C"}));
}

TEST(MoveExecution, AGridJumpDiscardsTheCardJumpedOverInOneUndoStep) {
    PlayTable t(0, 9);
    t.param(param::GridWidth, 3).param(param::GameType, 9);
    for (int i = 0; i < 9; ++i) {
        t.tableauRule(i, 71, 0, -1);
    }
    t.tableau(0, {"AH"}).tableau(1, {"2H"});
    EXPECT_TRUE(t.move("AH", "Fila3"));
    EXPECT_EQ(t.tableauPile(2), pileOf({"AH"}));
    EXPECT_TRUE(t.tableauPile(1).empty());
    EXPECT_EQ(t.discardPile(), pileOf({"2H"}));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
}

TEST(MoveExecution, ReserveWasteAndDiscardMoves) {
    PlayTable t(4, 2, 2);
    t.param(param::GameType, 12);
    t.tableau(0, {"5H", "6S"}).tableau(1, {"7D"});
    EXPECT_TRUE(t.move("6S", "Appogg2"));
    EXPECT_EQ(t.state.piles.reserve(1), pileOf({"6S"}));
    EXPECT_TRUE(t.move("5H", "Stock02"));
    EXPECT_EQ(t.wastePile(), pileOf({"5H"}));
    EXPECT_TRUE(t.move("7D", "Waste"));
    EXPECT_EQ(t.discardPile(), pileOf({"7D"}));
    EXPECT_TRUE(t.frontend.saw("sound: Eddy Y at-once"));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 3);
}

TEST(MoveExecution, UnknownActionsChangeNothing) {
    PlayTable t;
    t.tableau(0, {"9S"});
    EXPECT_FALSE(t.move("9S", "Fila29"));
    EXPECT_FALSE(t.move("9S", "Nowhere"));
    EXPECT_FALSE(t.move("9S", "Add_Tableaux"));
    EXPECT_EQ(t.tableauPile(0), pileOf({"9S"}));
    EXPECT_EQ(t.phase(), 0);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 0);
}

TEST(MoveExecution, SwapGameSendsTheCoveredCardBackToTheSource) {
    PlayTable t(0, 24);
    t.param(param::GameType, 49).param(param::TableauEmptyCode + 1, 2);
    t.tableau(0, {"2H"}).tableau(1, {"5C"});
    EXPECT_TRUE(t.move("2H", "Fila2"));
    EXPECT_EQ(t.tableauPile(1), pileOf({"2H"}));
    EXPECT_EQ(t.tableauPile(0), pileOf({"5C"}));
    EXPECT_TRUE(t.frontend.saw("pause 100"));
}

TEST(MoveExecution, ReturnedCardsFlyHomeAndChangeNoPile) {
    PlayTable t;
    t.tableau(2, {"9S", "8H"});
    const table::PileLists before = t.state.piles;
    EXPECT_TRUE(engine::returnPickedCards(t.state, t.frontend, card("9S"), 300, 200));
    EXPECT_EQ(t.state.piles, before);
    EXPECT_EQ(t.frontend.callsStartingWith("fly").size(), 1u);
    EXPECT_TRUE(t.frontend.saw("draw pile Fila3"));
    EXPECT_TRUE(t.frontend.saw("sound: card_down Y at-once"));
    EXPECT_FALSE(engine::returnPickedCards(t.state, t.frontend, card("KD"), 0, 0));
}

TEST(CardCensus, NamesTheCardLostOrDoubled) {
    PlayTable t;
    t.tableau(0, {"9S", "8H"});
    const engine::CardCensus before = engine::takeCardCensus(t.state);
    t.state.piles.tableau(1) = pileOf({"8H"});
    EXPECT_EQ(engine::cardsOnTableOnce(t.state, before),
              "the eight of hearts is on the table 2 times");
    EXPECT_EQ(engine::noCardTwice(t.state), "the eight of hearts is on the table 2 times");
    t.state.piles.tableau(0) = pileOf({"9S"});
    t.state.piles.tableau(1).clear();
    EXPECT_EQ(engine::cardsOnTableOnce(t.state, before),
              "the eight of hearts is no longer on the table");
    // The selection of a selection game is a view, not a place.
    t.param(param::SelectionGame, 14);
    t.tableau(1, {"8H"}).foundation(0, {"8H", "9S"});
    EXPECT_EQ(engine::cardsOnTableOnce(t.state, before), "");
}

#ifndef NDEBUG
TEST(CardCensusDeathTest, DebugBuildsStopAtACardOnTheTableTwice) {
    PlayTable t;
    t.tableau(0, {"9S"}).tableau(1, {"10H"}).tableau(2, {"9S"});
    EXPECT_DEATH(
        engine::executeMove(t.state, t.frontend, card("9S"), {engine::ActionKind::ToTableau, 1}),
        "the nine of spades");
}
#endif

} // namespace
} // namespace vellomir::testing
