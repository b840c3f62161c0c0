#include "engine/input/pointer_input.h"

#include "engine/input/hit_test.h"
#include "engine/play_layout.h"
#include "engine/records/undo_snapshots.h"

#include <gtest/gtest.h>

namespace vellomir::testing {
namespace {

using engine::PointerInput;

struct Pointer : LaidOutTable {
    PointerInput input{state, frontend};
    Pointer() { klondikeRules(); }
    void drag(int fromX, int fromY, int toX, int toY) {
        input.buttonDown(0, 0, fromX, fromY);
        input.pointerMove((fromX + toX) / 2, (fromY + toY) / 2);
        input.pointerMove(toX, toY);
        input.buttonUp();
    }
    /// Drags on a table laid out otherwise.
    struct DragInput {
        LaidOutTable& table;
        PointerInput input{table.state, table.frontend};
        void drag(int fromX, int fromY, int toX, int toY) {
            input.buttonDown(0, 0, fromX, fromY);
            input.pointerMove((fromX + toX) / 2, (fromY + toY) / 2);
            input.pointerMove(toX, toY);
            input.buttonUp();
        }
    };
};

TEST(HitTest, FindsTheCardUnderThePointInEachKindOfPile) {
    Pointer t;
    t.tableau(0, {"9S", "8H", "7C"}).foundation(1, {"AD"}).waste({"5C"});
    engine::HitResult hit = engine::hitTest(t.state, tx(0), ty(1));
    EXPECT_EQ(hit.pile, "Fila1");
    EXPECT_EQ(hit.card, card("8H"));
    EXPECT_EQ(hit.rect, (seam::Rect{10, 170, 81, 266}));
    EXPECT_EQ(engine::hitTest(t.state, tx(0), ty(2) + 80).card,
              card("7C")); // the top card's whole height
    EXPECT_EQ(engine::hitTest(t.state, 335, 20).card, card("AD"));
    EXPECT_EQ(engine::hitTest(t.state, 95, 20).pile, "Mazzo_Vis");
    hit = engine::hitTest(t.state, tx(3), ty(0)); // an empty tableau
    EXPECT_EQ(hit.pile, "Fila4");
    EXPECT_EQ(hit.card, 0);
    EXPECT_EQ(engine::hitTest(t.state, 5, 140).pile, "");
}

TEST(HitTest, CardsSpreadToTheRightOwnTheirStripsAcross) {
    Pointer t;
    t.state.mainGame.setCell(table::cell::FaceUpStepRight, 15);
    t.param(param::TableauFanStyle, 2).tableau(0, {"9S", "8H", "7C"}).foundation(0, {"AD", "2D"});
    EXPECT_EQ(engine::hitTest(t.state, 30, 160).card, card("8H"));
    EXPECT_EQ(engine::hitTest(t.state, 100, 160).card, card("7C"));
    EXPECT_EQ(engine::hitTest(t.state, 112, 160).pile, "Fila2"); // past the top card
    // Foundations spread beside them: any part of the row gives the top card.
    EXPECT_EQ(engine::hitTest(t.state, 255, 20).card, card("2D"));
}

TEST(PointerInput, PressAndReleaseWithoutMovingReturnsTheCardAndCountsNoMove) {
    Pointer t;
    // Returned cards are heard landing where shadows show them lifted.
    t.state.settings.write(settings::field::CardsShadowed, "Y");
    t.tableau(0, {"9S"}).tableau(1, {"8H"});
    t.input.buttonDown(0, 0, tx(1), ty(0));
    EXPECT_EQ(t.input.heldCard(), card("8H"));
    t.input.buttonUp();
    EXPECT_EQ(t.input.heldCard(), 0);
    EXPECT_EQ(t.tableauPile(1), pileOf({"8H"}));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 0);
    EXPECT_TRUE(t.frontend.saw("sound: card_down Y at-once"));
}

TEST(PointerInput, ADragMovesTheCardAndARefusedDropLeavesEveryPile) {
    Pointer t;
    t.state.settings.write(settings::field::CardsShadowed, "Y");
    t.tableau(0, {"9S"}).tableau(1, {"8H"}).tableau(2, {"9H"});
    t.drag(tx(1), ty(0), tx(0), ty(0) + 10);
    EXPECT_EQ(t.tableauPile(0), pileOf({"9S", "8H"}));
    EXPECT_TRUE(t.tableauPile(1).empty());
    EXPECT_FALSE(t.frontend.callsStartingWith("pick up " + std::to_string(card("8H"))).empty());
    EXPECT_FALSE(t.frontend.callsStartingWith("carry to").empty());
    EXPECT_TRUE(t.frontend.saw("drop carried"));

    const table::PileLists before = t.state.piles;
    t.frontend.calls.clear();
    t.drag(tx(0), ty(1), tx(2), ty(0) + 10); // 8H on 9H: refused
    EXPECT_EQ(t.state.piles, before);
    EXPECT_TRUE(t.frontend.saw("sound: card_down Y at-once"));
}

TEST(PointerInput, ARunIsPickedUpWhenItIsBuiltAndCarriedWhole) {
    Pointer t;
    t.tableau(0, {"KD", "9S", "8H"}).tableau(1, {"10D"});
    t.param(param::RunCheck, 1);
    t.drag(tx(0), ty(1), tx(1), ty(0) + 10);
    EXPECT_EQ(t.tableauPile(1), pileOf({"10D", "9S", "8H"}));
    EXPECT_EQ(t.tableauPile(0), pileOf({"KD"}));
}

// Tableaus fanned to the right: a run is one card high, and must still be
// carried and judged as the cards it holds.
struct SidewaysPointer : Pointer {
    SidewaysPointer() {
        state.mainGame.setCell(table::cell::FaceUpStepRight, 15);
        param(param::TableauFanStyle, 2);
        param(param::RunCheck, 1);
    }
};

TEST(PointerInput, ARunFannedSidewaysNeverGoesToAFoundationOrASingleCardSpace) {
    SidewaysPointer t;
    t.foundation(0, {"AH"}).tableau(0, {"3S", "2H", "AS"});
    for (int i = 0; i < 7; ++i) {
        t.param(param::TableauEmptyCode + i, 'V');
    }
    const table::PileLists dealt = t.state.piles;
    t.drag(30, 155, 255, 15); // the 2H with the AS on it, onto the AH
    EXPECT_EQ(t.state.piles, dealt);
    t.drag(30, 155, 255, 155); // onto the empty tableau 4, single cards only
    EXPECT_EQ(t.state.piles, dealt);
    t.drag(45, 155, 255, 155); // the AS alone goes there
    EXPECT_EQ(t.tableauPile(3), pileOf({"AS"}));
}

TEST(PointerInput, ARunFannedSidewaysIsSentWhole) {
    SidewaysPointer t;
    t.state.settings.write(settings::field::RightClickToTableaus, "Y");
    t.tableau(0, {"KC", "9S", "8H"}).tableau(3, {"10H"});
    t.input.buttonDown(1, 0, 30, 155); // a right click on the 9S
    t.input.buttonUp();
    EXPECT_EQ(t.tableauPile(3), pileOf({"10H", "9S", "8H"}));
    EXPECT_EQ(t.tableauPile(0), pileOf({"KC"}));
}

TEST(PointerInput, AKingOnlySpaceDoesNotLengthenARunLedByAnotherCard) {
    LaidOutTable t(4, 4, 2);
    t.klondikeRules().param(param::RunSizeLimit, -5).param(param::RunCheck, 1);
    for (int i = 0; i < 4; ++i) {
        t.param(param::TableauEmptyCode + i, 13);
    }
    // One free cell, one empty tableau that takes only kings.
    t.tableau(0, {"9C", "8H", "7S"}).tableau(1, {"10H"}).tableau(2, {"2C"}).reserve(0, {"AS"});
    Pointer::DragInput drag{t};
    drag.drag(tx(0), ty(0), tx(1), ty(0) + 10); // three cards: one more than it may
    EXPECT_EQ(t.tableauPile(1), pileOf({"10H"}));
    t.reserve(0, {});
    drag.drag(tx(0), ty(0), tx(1), ty(0) + 10); // two free cells: it may
    EXPECT_EQ(t.tableauPile(1), pileOf({"10H", "9C", "8H", "7S"}));
}

TEST(PointerInput, ADoubleClickSendsTheCardAndTheNextPressIsIgnored) {
    Pointer t;
    t.state.settings.write(settings::field::DoubleClickToFoundations, "Y");
    t.foundation(0, {"AH"}).tableau(0, {"2H"}).tableau(1, {"8S"});
    t.input.buttonDown(0, 0, tx(0), ty(0));
    t.input.buttonUp();
    t.input.doubleClick();
    EXPECT_EQ(t.state.piles.foundation(0), pileOf({"AH", "2H"}));
    t.input.buttonDown(0, 0, tx(1), ty(0));
    EXPECT_EQ(t.input.heldCard(), 0); // the press after the double click
    t.input.buttonUp();
    t.input.buttonDown(0, 0, tx(1), ty(0));
    EXPECT_EQ(t.input.heldCard(), card("8S"));
    t.input.buttonUp();
}

TEST(PointerInput, ADoubleClickOnTheStockLetsTheSecondPressDeal) {
    Pointer t;
    t.state.flags.set(table::Flag::IgnoreNextPress);
    t.state.mainGame.setCell(table::cell::PressX, 15);
    t.state.mainGame.setCell(table::cell::PressY, 15);
    t.stock({"2C"});
    t.input.doubleClick();
    EXPECT_FALSE(t.state.flags.test(table::Flag::IgnoreNextPress));
}

TEST(PointerInput, ARightClickSendsByTheRightClickSwitchesOnly) {
    Pointer t;
    t.foundation(0, {"AH"}).tableau(0, {"2H"}).tableau(1, {"3S"}).waste({"2D"});
    t.input.buttonDown(1, 0, tx(0), ty(0));
    t.input.buttonUp();
    EXPECT_EQ(t.tableauPile(0), pileOf({"2H"})); // both switches off
    t.state.settings.write(settings::field::RightClickToTableaus, "Y");
    t.input.buttonDown(1, 0, tx(0), ty(0));
    t.input.buttonUp();
    EXPECT_EQ(t.tableauPile(1), pileOf({"3S", "2H"})); // not to the foundation
    EXPECT_EQ(t.state.piles.foundation(0), pileOf({"AH"}));
}

TEST(PointerInput, RunSizeCodeZeroNeverSendsTableauCards) {
    Pointer t;
    t.state.settings.write(settings::field::DoubleClickToFoundations, "Y");
    t.param(param::RunSizeLimit, 0);
    t.foundation(0, {"AH"}).foundation(1, {"AD"}).tableau(0, {"2H"}).waste({"2D"});
    t.state.mainGame.setCell(table::cell::PressX, tx(0));
    t.state.mainGame.setCell(table::cell::PressY, ty(0));
    t.input.doubleClick();
    EXPECT_EQ(t.tableauPile(0), pileOf({"2H"}));
    t.state.mainGame.setCell(table::cell::PressX, 95);
    t.state.mainGame.setCell(table::cell::PressY, 15);
    t.input.doubleClick();
    EXPECT_EQ(t.state.piles.foundation(1), pileOf({"AD", "2D"}));
}

TEST(PointerInput, FanStyleThreeAlwaysPicksTheTopCard) {
    Pointer t;
    t.param(param::TableauFanStyle, 3).tableau(0, {"5S", "4H", "3S"});
    t.input.buttonDown(0, 0, tx(0), 152);
    EXPECT_EQ(t.input.heldCard(), card("3S"));
    t.input.buttonUp();
}

TEST(PointerInput, TheDraggingCursorIsTheChosenOnePlusTenExceptTheArrow) {
    Pointer t;
    t.state.settings.write(settings::field::Cursor, "12");
    t.tableau(0, {"9S"});
    t.drag(tx(0), ty(0), tx(0) + 300, ty(0) + 300);
    std::vector<std::string> cursors = t.frontend.callsStartingWith("cursor");
    ASSERT_GE(cursors.size(), 2u);
    EXPECT_EQ(cursors.front(), "cursor 22");
    EXPECT_EQ(cursors.back(), "cursor 12");

    Pointer u;
    u.state.settings.write(settings::field::Cursor, "10");
    u.tableau(0, {"9S"});
    u.drag(tx(0), ty(0), tx(0) + 300, ty(0) + 300);
    for (const std::string& c : u.frontend.callsStartingWith("cursor")) {
        EXPECT_EQ(c, "cursor 10");
    }
}

TEST(PointerInput, PressingAFaceDownTopCardTurnsIt) {
    Pointer t;
    t.tableau(0, {"9S", "8H"}).faceDown("9S").faceDown("8H");
    t.input.buttonDown(0, 0, tx(0), 160);
    EXPECT_TRUE(t.faceUp("8H"));
    EXPECT_EQ(t.input.heldCard(), 0);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
}

TEST(PointerInput, AWasteBuildingClickOnAnEmptyDiscardPileTakesAnyCard) {
    Pointer t;
    t.param(param::GameType, 15).tableau(0, {"7H"}).tableau(1, {"QS"}).tableau(2, {"8C"});
    t.input.buttonDown(0, 0, tx(0), ty(0));
    t.input.buttonUp();
    EXPECT_EQ(t.discardPile(), pileOf({"7H"}));
    t.input.buttonDown(0, 0, tx(1), ty(0)); // a queen on a seven: refused
    t.input.buttonUp();
    EXPECT_TRUE(t.frontend.saw("beep"));
    EXPECT_EQ(t.tableauPile(1), pileOf({"QS"}));
}

TEST(PointerInput, AStockPressDealsToTheWaste) {
    Pointer t;
    t.param(param::EmptyWasteIsRedeal, 1).param(param::WasteButtonDealMode, 0);
    t.stock({"2C", "3C"});
    t.input.buttonDown(0, 0, 15, 15);
    t.input.buttonUp();
    EXPECT_EQ(t.wastePile(), pileOf({"3C"}));
    EXPECT_EQ(t.stockPile(), pileOf({"2C"}));
}

TEST(PointerInput, ACtrlRightPressShowsACoveredCardUntilRelease) {
    Pointer t;
    t.state.settings.write(settings::field::ShowPartialHiddenCard, "Y");
    t.param(param::RunCheck, 1).tableau(0, {"9S", "4H", "7C"}); // not a run: cannot be lifted
    t.input.buttonDown(1, 0, tx(0), ty(0));                     // a plain right press only sends
    EXPECT_TRUE(t.frontend.callsStartingWith("show covered").empty());
    t.input.buttonUp();
    t.input.buttonDown(1, 4, tx(0), ty(0));
    EXPECT_TRUE(t.frontend.saw("show covered " + std::to_string(card("9S"))));
    EXPECT_TRUE(t.input.coveredCardShown());
    t.input.buttonUp();
    EXPECT_TRUE(t.frontend.saw("hide covered"));
    EXPECT_FALSE(t.input.coveredCardShown());
    EXPECT_EQ(t.tableauPile(0), pileOf({"9S", "4H", "7C"}));
}

TEST(PointerInput, ADealOntoAGappedRowIsRefusedWithAMessage) {
    Pointer t;
    t.param(param::TableauCount, 2)
        .param(param::TableauLaterDeal, 2)
        .param(param::TableauLaterDeal + 1, 2);
    t.tableau(0, {"9S"}).stock({"2C", "3C"});
    t.input.buttonDown(0, 0, 15, 15);
    t.input.buttonUp();
    EXPECT_TRUE(t.frontend.saw("info: Fill in any gaps in the tableau before dealing."));
    EXPECT_EQ(t.stockPile(), pileOf({"2C", "3C"}));
}

TEST(PointerInput, APressedEmptyStockDealsOnReleaseUnlessThePointerLeftIt) {
    Pointer t;
    t.param(param::EmptyStockIsRedeal, 1).param(param::EmptyWasteIsRedeal, 1);
    t.waste({"2C", "3C"});
    t.state.mainGame.setCell(table::cell::StockPressed, 1);
    t.input.pointerMove(300, 300);
    EXPECT_TRUE(t.frontend.saw("released Mazzo"));
    EXPECT_EQ(t.state.mainGame.cell(table::cell::StockPressed), 0);
    t.input.buttonUp();
    EXPECT_FALSE(t.frontend.saw("pause 50"));

    t.frontend.calls.clear();
    t.state.mainGame.setCell(table::cell::StockPressed, 1);
    t.input.pointerMove(20, 20); // still on the stock
    t.input.buttonUp();
    EXPECT_TRUE(t.frontend.saw("pause 50"));
    EXPECT_EQ(t.state.mainGame.cell(table::cell::StockPressed), 0);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1); // the waste turned over
}

TEST(PointerInput, StockDealsOfSeveralActionsAreOneUndoStep) {
    // Deal type 8: four cards to each tableau in turn.
    Pointer t;
    t.param(param::TableauCount, 2)
        .param(param::TableauLaterDeal, 8)
        .param(param::TableauLaterDeal + 1, 8);
    t.stock({"2C", "3C", "4C", "5C", "6C", "7C"});
    t.input.buttonDown(0, 0, 15, 15);
    t.input.buttonUp();
    EXPECT_EQ(table::cardCount(t.tableauPile(0)), 4);
    EXPECT_EQ(table::cardCount(t.tableauPile(1)), 2);
    EXPECT_TRUE(t.stockPile().empty());
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);

    // Reserve deal type 4: three deals to reserve 1, then reserve 2; marked
    // as a deal that counts as a move.
    Pointer u;
    u.param(param::ReserveCount, 2)
        .param(param::ReserveLaterDeal, 4)
        .param(param::ReserveLaterDeal + 1, 4);
    u.state.mainGame.setReserveX(0, 10);
    u.state.mainGame.setReserveY(0, 600);
    u.state.mainGame.setReserveX(1, 90);
    u.state.mainGame.setReserveY(1, 600);
    u.stock({"2C", "3C", "4C", "5C"});
    u.input.buttonDown(0, 0, 15, 15);
    u.input.buttonUp();
    EXPECT_EQ(
        table::cardCount(u.state.piles.reserve(0)) + table::cardCount(u.state.piles.reserve(1)), 3);
    EXPECT_EQ(u.state.undoLists.snapshotCount(), 1);
    EXPECT_EQ(engine::historyCount(u.state, engine::UndoSide::Undo, 2), 1);
}

TEST(PointerInput, AReleaseWithAutoplayOnSweepsAndFills) {
    Pointer t;
    t.state.autoplayTicked = true;
    t.param(param::TableauCount, 2)
        .param(param::FillStyle, 3)
        .foundation(0, {"AH"})
        .tableau(0, {"9S"})
        .tableau(1, {"8H", "2H"});
    t.stock({"4D"});
    t.input.buttonDown(0, 0, tx(1), ty(1));
    t.input.pointerMove(tx(1) + 40, ty(1) + 40);
    t.input.buttonUp(); // returned, then the sweep sends 2H
    EXPECT_EQ(t.state.piles.foundation(0), pileOf({"AH", "2H"}));
    t.drag(tx(1), ty(0), tx(0), ty(0) + 10); // 8H onto 9S empties tableau 2: filled
    EXPECT_EQ(t.tableauPile(1), pileOf({"4D"}));
}

} // namespace
} // namespace vellomir::testing
