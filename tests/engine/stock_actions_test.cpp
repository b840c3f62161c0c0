#include "engine/execution_fixture.h"

#include "engine/actions/stock_actions.h"
#include "engine/actions/tableau_redeal.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vellomir::testing {
namespace {

const engine::MoveAction kRedeal{engine::ActionKind::RedealTableaus};

// A Klondike-like stock: the empty stock is the redeal button, the stock
// lies face down, one card a click.
struct StockTable : PlayTable {
    StockTable() {
        param(param::EmptyStockIsRedeal, 1);
        param(param::EmptyWasteIsRedeal, 1);
        param(param::StockFaceDown, 1);
    }
    // A press on the empty stock and its release.
    bool clickEmptyStock() {
        run(0, "Mazzo_Vis");
        EXPECT_EQ(state.mainGame.cell(table::cell::StockPressed), 1);
        const bool executed = run(0, "Mazzo_Vis");
        state.mainGame.setCell(table::cell::StockPressed, 0);
        return executed;
    }
    void dealAll() {
        while (!stockPile().empty()) {
            run(table::topCardOf(stockPile()), "Mazzo_Vis");
        }
    }
    std::ptrdiff_t callIndex(std::string_view call) {
        const auto& calls = frontend.calls;
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    }
};

TEST(StockAction, DealsUpToTheCardsPerClickAndStopsWhenTheStockRunsOut) {
    StockTable t;
    t.param(param::CardsPerStockClick, 3).stock({"4C", "9D"});
    EXPECT_TRUE(t.run(card("9D"), "Mazzo_Vis"));
    EXPECT_EQ(t.wastePile(), pileOf({"9D", "4C"}));
    EXPECT_TRUE(t.stockPile().empty());
    EXPECT_EQ(t.frontend.callsStartingWith("sound: Stock").size(), 2u);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_TRUE(t.faceUp("4C"));
    // Other stock names deal to the discard pile.
    t.stock({"JS"});
    EXPECT_TRUE(t.run(card("JS"), "Mazzo_Waste"));
    EXPECT_EQ(t.discardPile(), pileOf({"JS"}));
}

TEST(StockAction, ThreePassesTurnTheWasteOverTwice) {
    StockTable t;
    t.param(param::StockPasses, 3).waste({"AH", "2H", "3H"});
    EXPECT_TRUE(t.clickEmptyStock());
    EXPECT_EQ(t.passNumber(), 2);
    t.dealAll();
    EXPECT_TRUE(t.clickEmptyStock());
    EXPECT_EQ(t.passNumber(), 3);
    t.dealAll();
    const table::PileLists before = t.state.piles;
    EXPECT_FALSE(t.run(0, "Mazzo_Vis"));
    EXPECT_EQ(t.state.piles, before);
    EXPECT_EQ(t.passNumber(), 3);
}

TEST(StockAction, UnlimitedPassesButNeverASingleWasteCard) {
    StockTable t;
    t.waste({"AH", "2H"});
    for (int pass = 0; pass < 5; ++pass) {
        EXPECT_TRUE(t.clickEmptyStock());
        t.dealAll();
    }
    EXPECT_EQ(t.passNumber(), 6);
    t.waste({"AH"});
    t.state.piles.stock(table::kDiscard) = pileOf({"2H"});
    t.run(0, "Mazzo_Vis");
    t.state.mainGame.setCell(table::cell::StockPressed, 1);
    EXPECT_FALSE(t.run(0, "Mazzo_Vis"));
    EXPECT_EQ(t.wastePile(), pileOf({"AH"}));
}

TEST(StockAction, TurningOverReversesTheWasteFaceDownAndDealsTheSameOrderAgain) {
    StockTable t;
    t.waste({"AH", "2H", "3H"});
    EXPECT_TRUE(t.clickEmptyStock());
    // The stock took the waste top card first; the release deals again.
    EXPECT_EQ(t.stockPile(), pileOf({"3H", "2H"}));
    EXPECT_EQ(t.wastePile(), pileOf({"AH"}));
    EXPECT_FALSE(t.faceUp("3H"));
    EXPECT_FALSE(t.faceUp("2H"));
    EXPECT_TRUE(t.faceUp("AH"));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1); // one step for turning and dealing
    t.dealAll();
    EXPECT_EQ(t.wastePile(), pileOf({"AH", "2H", "3H"}));
}

TEST(StockAction, RedealSoundsLoopWithAnimationAndWaitWithout) {
    StockTable t;
    t.waste({"AH", "2H", "3H"});
    t.clickEmptyStock();
    const auto looped = t.callIndex("sound: Redeal Y looped");
    const auto stopped = t.callIndex("stop sound");
    ASSERT_LT(stopped, static_cast<std::ptrdiff_t>(t.frontend.calls.size()));
    EXPECT_LT(looped, stopped);
    EXPECT_EQ(std::count_if(t.frontend.calls.begin() + looped, t.frontend.calls.begin() + stopped,
                            [](const std::string& c) { return c.starts_with("fly -1"); }),
              3);
    EXPECT_LT(t.callIndex("pause 100"), stopped);

    StockTable quiet;
    quiet.state.settings.write(settings::field::RedealAnimation, "N");
    quiet.waste({"AH", "2H", "3H"});
    quiet.clickEmptyStock();
    const auto waited = quiet.callIndex("sound: Red_no_a Y wait");
    ASSERT_LT(waited, static_cast<std::ptrdiff_t>(quiet.frontend.calls.size()));
    const auto firstFlight =
        std::find_if(quiet.frontend.calls.begin(), quiet.frontend.calls.end(),
                     [](const std::string& c) { return c.starts_with("fly"); }) -
        quiet.frontend.calls.begin();
    EXPECT_LT(waited, firstFlight);
    EXPECT_EQ(quiet.callIndex("stop sound"),
              static_cast<std::ptrdiff_t>(quiet.frontend.calls.size()));
}

TEST(StockAction, PassCountingStylesCountAPassAndDealNothing) {
    StockTable t;
    t.param(param::PassCountingStyle, 1).param(param::StockPasses, 3).waste({"AH", "2H"});
    t.state.mainGame.setCell(table::cell::StockPressed, 1);
    EXPECT_TRUE(t.run(0, "Mazzo_Redeal"));
    EXPECT_EQ(t.passNumber(), 2);
    EXPECT_EQ(t.wastePile(), pileOf({"AH", "2H"}));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
}

TEST(StockAction, CountingGamesRaiseTheDealCounterAndMarkTheMove) {
    StockTable t;
    t.param(param::GameType, 28).stock({"5S", "6S"});
    EXPECT_TRUE(t.run(card("6S"), "Mazzo_Vis"));
    EXPECT_EQ(t.state.flags.dealCounter(), 1);
    EXPECT_EQ(t.state.undoHistory.text(), "002,");
}

// --- Deal actions ----------------------------------------------------------------

TEST(DealActions, AddTableausServesTableausInOrderUntilTheStockRunsOut) {
    PlayTable t(4, 10);
    for (int i = 0; i < 10; ++i) {
        t.param(param::TableauLaterDeal + i, 1);
    }
    t.stock({"2C", "3C", "4C", "5C"});
    EXPECT_TRUE(t.run(7, "Add_Tableaus"));
    EXPECT_EQ(t.tableauPile(0), pileOf({"5C"}));
    EXPECT_EQ(t.tableauPile(3), pileOf({"2C"}));
    EXPECT_TRUE(t.tableauPile(4).empty());
    EXPECT_EQ(t.frontend.callsStartingWith("sound: Shuffle").size(), 4u);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_FALSE(t.run(7, "Add_Tableaus")); // nothing when the stock is empty
}

TEST(DealActions, DealTypesSkipAndTurnCards) {
    PlayTable t(4, 4, 2);
    t.param(param::TableauLaterDeal + 0, 7).param(param::TableauLaterDeal + 1, 0);
    t.param(param::TableauLaterDeal + 2, 6).param(param::TableauLaterDeal + 3, 7);
    t.tableau(3, {"KH"}).stock({"2C", "3C", "4C"});
    EXPECT_TRUE(t.run(7, "Add_Tableaus"));
    EXPECT_TRUE(t.tableauPile(0).empty()); // type 7 while empty
    EXPECT_TRUE(t.tableauPile(1).empty()); // type 0
    EXPECT_EQ(t.tableauPile(2), pileOf({"4C"}));
    EXPECT_FALSE(t.faceUp("4C")); // type 6 of Add_Tableaus lies face down
    EXPECT_EQ(t.tableauPile(3), pileOf({"KH", "3C"}));

    t.param(param::ReserveLaterDeal + 0, 5).param(param::ReserveLaterDeal + 1, 1);
    t.param(param::StockPasses, 3);
    EXPECT_TRUE(t.run(0, "Add_Reserves"));
    EXPECT_EQ(t.state.piles.reserve(0), pileOf({"2C"}));
    EXPECT_FALSE(t.faceUp("2C"));
    // Reserve 1 of type 5 deals only while passes remain by the pass number.
    t.stock({"9D"});
    t.state.mainGame.setCell(table::cell::PassNumber, 3);
    EXPECT_FALSE(t.run(0, "Add_Reserve_2"));
    EXPECT_EQ(t.stockPile(), pileOf({"9D"}));
}

TEST(DealActions, SinglePileDealsAndGridMarkers) {
    PlayTable t(4, 5, 3);
    t.param(param::TableauLaterDeal + 2, 1).param(param::ReserveLaterDeal + 1, 1);
    t.stock({"2C", "3C"});
    EXPECT_TRUE(t.run(7, "Add_Tableau_03"));
    EXPECT_EQ(t.tableauPile(2), pileOf({"3C"}));
    EXPECT_TRUE(t.run(7, "Add_Reserve_2"));
    EXPECT_EQ(t.state.piles.reserve(1), pileOf({"2C"}));

    PlayTable grid(4, 1);
    grid.param(param::TableauFanStyle, 8).param(param::TableauLaterDeal, 1).stock({"2C", "3C"});
    grid.run(7, "Add_Tableau_01");
    grid.run(7, "Add_Tableau_01");
    EXPECT_EQ(grid.tableauPile(0), pileOf({"--", "3C", "--", "2C"}));
}

TEST(DealActions, FillEmptyTableausFromTheStockRefreshingTheClock) {
    PlayTable t(4, 4);
    static int ticks = 0;
    ticks = 0;
    t.state.hooks.refreshClock = [](table::ProgramState&, seam::Frontend&) { ++ticks; };
    t.tableau(1, {"KH"}).stock({"2C", "3C"});
    EXPECT_TRUE(t.run(0, "Selezionate_Fila"));
    EXPECT_EQ(t.tableauPile(0), pileOf({"3C"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"2C"}));
    EXPECT_TRUE(t.tableauPile(3).empty());
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 0);
}

TEST(DealActions, MonteCarloClosesGapsThenRefills) {
    PlayTable t(1, 6);
    t.param(param::SelectionGame, 99);
    t.tableau(0, {"AH"}).tableau(2, {"3H"}).tableau(3, {"4H"}).tableau(5, {"6H"});
    t.foundation(0, {"AH"});
    EXPECT_TRUE(t.run(0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(t.tableauPile(1), pileOf({"3H"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"4H"}));
    EXPECT_EQ(t.tableauPile(3), pileOf({"6H"}));
    EXPECT_TRUE(t.tableauPile(4).empty() && t.tableauPile(5).empty());
    EXPECT_TRUE(t.state.piles.foundation(0).empty());
    // Packed and nothing to deal: no work.
    EXPECT_FALSE(t.run(0, "Stock_To_Pile_Monte_Carlo"));
    t.stock({"9C", "8C"});
    EXPECT_TRUE(t.run(0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(t.tableauPile(4), pileOf({"8C"}));
    EXPECT_EQ(t.tableauPile(5), pileOf({"9C"}));
}

// --- Pairing removal ---------------------------------------------------------------

TEST(PairingRemoval, SelectedCardsGoToTheDiscardPileInOrder) {
    PlayTable t(1, 4);
    t.param(param::SelectionGame, 14);
    t.tableau(0, {"3S", "5H"}).tableau(2, {"5D"}).foundation(0, {"5D", "5H"});
    EXPECT_TRUE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.discardPile(), pileOf({"5D", "5H"}));
    EXPECT_TRUE(t.state.piles.foundation(0).empty());
    EXPECT_EQ(t.tableauPile(0), pileOf({"3S"}));
    EXPECT_TRUE(t.tableauPile(2).empty());
    EXPECT_TRUE(t.frontend.saw("sound: Pairing Y at-once"));
    EXPECT_TRUE(t.frontend.saw("pause 150"));
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_EQ(t.state.undoLists.foundations[0], ""); // the selection is not recorded
    EXPECT_EQ(t.score(), -52 + 10);

    PlayTable grid(1, 2);
    grid.param(param::SelectionGame, 13).param(param::TableauFanStyle, 4);
    grid.tableau(0, {"KS", "6H", "7D"}).foundation(0, {"6H", "7D"});
    EXPECT_TRUE(grid.run(0, "Selezionate_Dest"));
    EXPECT_EQ(grid.tableauPile(0), pileOf({"KS", "--", "--"}));
    EXPECT_EQ(grid.discardPile(), pileOf({"6H", "7D"}));
}

TEST(PairingRemoval, OneTableauGridCutsEachCardWithItsMarker) {
    PlayTable t(1, 1);
    t.param(param::SelectionGame, 13).param(param::TableauFanStyle, 8);
    t.tableau(0, {"--", "6H", "--", "KS", "--", "7D"}).waste({"QD"});
    t.foundation(0, {"6H", "QD"});
    EXPECT_TRUE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.tableauPile(0), pileOf({"--", "KS", "--", "7D"}));
    EXPECT_TRUE(t.wastePile().empty());
    EXPECT_EQ(t.discardPile(), pileOf({"6H", "QD"}));
}

TEST(PairingRemoval, RowGameRemovesThePairAndClosesTheRow) {
    PlayTable t(1, 21);
    t.param(param::SelectionGame, 1).param(param::GameType, 47);
    t.tableau(0, {"2C"}).tableau(2, {"9S", "QH"}).tableau(3, {"3D"}).tableau(4, {"QS"});
    t.tableau(5, {"4D"});
    t.foundation(0, {"QH", "QS"});
    EXPECT_TRUE(t.run(0, "Selezionate_Dest"));
    EXPECT_EQ(t.discardPile(), pileOf({"QS", "QH"}));
    EXPECT_EQ(t.tableauPile(0), pileOf({"2C"}));
    EXPECT_EQ(t.tableauPile(1), pileOf({"9S"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"3D"}));
    EXPECT_EQ(t.tableauPile(3), pileOf({"4D"}));
    EXPECT_TRUE(t.tableauPile(4).empty() && t.tableauPile(5).empty());
    EXPECT_EQ(t.score(), -52 + 10);
    EXPECT_FALSE(engine::rowHasOnePile(t.state, 3));
    t.state.piles.tableau(1).clear();
    t.state.piles.tableau(2).clear();
    t.state.piles.tableau(3).clear();
    EXPECT_TRUE(engine::rowHasOnePile(t.state, 6));
    EXPECT_FALSE(engine::rowHasOnePile(t.state, 7));
}

// La Belle Lucie's redeal: the tableaus gathered and dealt again in threes.
struct FanTable : PlayTable {
    FanTable() : PlayTable(4, 4, 0) {
        param(param::TableauRedealGroup, 3);
        param(param::StockPasses, 3);
        tableau(0, {"AH", "2H", "3H", "4H"});
        tableau(1, {});
        tableau(2, {"5S"});
        tableau(3, {"6C", "7C"});
    }
    std::vector<int> tableauCards() {
        std::vector<int> cards;
        for (int t = 0; t < 4; ++t) {
            for (int i = 0; i < table::cardCount(tableauPile(t)); ++i) {
                cards.push_back(table::cardAt(tableauPile(t), i));
            }
        }
        return cards;
    }
};

TEST(TableauRedeal, GathersThePilesInOrderAndDealsThemAgainInGroups) {
    FanTable t;
    const std::vector<int> before = t.tableauCards();
    ASSERT_TRUE(engine::canRedealTableaus(t.state));
    EXPECT_TRUE(t.run(0, kRedeal));
    EXPECT_EQ(t.tableauPile(0), pileOf({"AH", "2H", "3H"}));
    EXPECT_EQ(t.tableauPile(1), pileOf({"4H", "5S", "6C"}));
    EXPECT_EQ(t.tableauPile(2), pileOf({"7C"}));
    EXPECT_TRUE(t.tableauPile(3).empty());
    EXPECT_EQ(t.tableauCards(), before);
    EXPECT_EQ(t.passNumber(), 2);
    EXPECT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_TRUE(t.faceUp("7C"));
    // The third pass is the last: no redeal after it.
    t.param(param::TableauRedealShuffled, 1);
    EXPECT_TRUE(t.run(0, kRedeal));
    EXPECT_FALSE(engine::canRedealTableaus(t.state));
    EXPECT_FALSE(t.run(0, kRedeal));
    EXPECT_EQ(t.passNumber(), 3);
}

TEST(TableauRedeal, ShufflesTheSameWayForTheSameDealAndPass) {
    auto redealt = [](std::string_view dealNumber, int pass) {
        FanTable t;
        t.param(param::TableauRedealShuffled, 1).param(param::StockPasses, -1);
        t.state.settings.write(settings::field::DealNumber, dealNumber);
        t.state.mainGame.setCell(table::cell::PassNumber, pass);
        EXPECT_TRUE(t.run(0, kRedeal));
        return t.tableauCards();
    };
    const std::vector<int> first = redealt("0000000001234", 1);
    EXPECT_EQ(redealt("0000000001234", 1), first);
    std::vector<int> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    FanTable plain;
    std::vector<int> dealt = plain.tableauCards();
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(sorted, dealt);
    // Another deal number or another pass shuffles otherwise.
    EXPECT_NE(redealt("0000000001235", 1), first);
    EXPECT_NE(redealt("0000000001234", 2), first);
}

TEST(TableauRedeal, NeedsAnEmptyStockAndCardsOnTheTableaus) {
    FanTable t;
    t.stock({"KD"});
    EXPECT_FALSE(engine::canRedealTableaus(t.state));
    EXPECT_FALSE(t.run(0, kRedeal));
    FanTable empty;
    for (int i = 0; i < 4; ++i) {
        empty.tableau(i, {});
    }
    EXPECT_FALSE(engine::canRedealTableaus(empty.state));
    FanTable other;
    other.param(param::TableauRedealGroup, 0);
    EXPECT_FALSE(engine::canRedealTableaus(other.state));
    // Piles that lie as a redeal in order would leave them: no move.
    FanTable dealt;
    ASSERT_TRUE(dealt.run(0, kRedeal));
    EXPECT_FALSE(engine::canRedealTableaus(dealt.state));
    dealt.param(param::TableauRedealShuffled, 1);
    EXPECT_TRUE(engine::canRedealTableaus(dealt.state));
}

} // namespace
} // namespace vellomir::testing
