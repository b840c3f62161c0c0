#include "engine/actions/move_action.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

using engine::ActionKind;
using engine::MoveAction;
using engine::moveActionText;
using engine::parseMoveAction;

TEST(MoveActionText, EveryActionKeepsTheTextItWasAlwaysSpelledWith) {
    const std::vector<std::pair<std::string, MoveAction>> spelled{
        {"Fila3", {ActionKind::ToTableau, 2}},
        {"Fila28", {ActionKind::ToTableau, 27}},
        {"Dest1", {ActionKind::ToFoundation, 0}},
        {"Dest16", {ActionKind::ToFoundation, 15}},
        {"Dest_Autoplay2", {ActionKind::ToFoundationByAutoplay, 1}},
        {"Appogg10", {ActionKind::ToReserve, 9}},
        {"Stock02", {ActionKind::ToWaste}},
        {"Waste", {ActionKind::ToDiscard}},
        {"Mazzo_Vis", {ActionKind::StockToWaste}},
        {"Mazzo_Redeal", {ActionKind::StockRedeal}},
        {"Mazzo_Waste", {ActionKind::StockToDiscard}},
        {"Add_Tableaus", {ActionKind::DealTableaus}},
        {"Add_Tableaus_Last", {ActionKind::DealLastToTableaus}},
        {"Fill_Tableaus", {ActionKind::FillTableaus}},
        {"Add_Reserves", {ActionKind::DealReserves}},
        {"Add_Tableau_03", {ActionKind::DealTableau, 2}},
        {"Add_Tableau_12", {ActionKind::DealTableau, 11}},
        {"Add_Reserve_2", {ActionKind::DealReserve, 1}},
        {"Selezionate_Dest", {ActionKind::RemoveSelection}},
        {"Selezionate_Fila", {ActionKind::FillEmptyTableaus}},
        {"Stock_To_Pile_Monte_Carlo", {ActionKind::CompactAndRefill}},
        {"Redeal_Tableaus", {ActionKind::RedealTableaus}},
        {"Clock_Turn", {ActionKind::TurnClockCard}},
        {"Gap_Fila4", {ActionKind::ToGap, 3}},
    };
    for (const auto& [text, action] : spelled) {
        EXPECT_EQ(parseMoveAction(text), action) << text;
        EXPECT_EQ(moveActionText(action), text);
    }
    // Leading zeros are read as the pile number they spell.
    EXPECT_EQ(parseMoveAction("Dest_Autoplay01"),
              (MoveAction{ActionKind::ToFoundationByAutoplay, 0}));
    EXPECT_EQ(parseMoveAction("Add_Tableau_3"), (MoveAction{ActionKind::DealTableau, 2}));
}

TEST(MoveActionText, ATextThatNamesNoActionOrNoPileIsRefused) {
    for (const char* text :
         {"", "Nowhere", "Fila0", "Fila29", "Dest17", "Appogg11", "Add_Tableaux", "Add_Tableau_29",
          "Add_Reserve_0", "Add_Reserve_10", "Dest_Autoplay", "Dest_Autoplay17", "Mazzo",
          "Mazzo_vis", "waste", "Fila3 ", "Gap_", "Gap_Dest1", "Gap_Fila29"}) {
        EXPECT_EQ(parseMoveAction(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(MoveActionText, MovesOntoPilesNameThePile) {
    using table::PileKind;
    EXPECT_EQ(engine::moveOnto({PileKind::Tableau, 4}), (MoveAction{ActionKind::ToTableau, 4}));
    EXPECT_EQ(engine::moveOnto({PileKind::Reserve, 1}), (MoveAction{ActionKind::ToReserve, 1}));
    EXPECT_EQ(engine::moveOnto({PileKind::Stock, table::kWaste}), MoveAction{ActionKind::ToWaste});
    EXPECT_EQ(engine::moveOnto({PileKind::Stock, table::kDiscard}),
              MoveAction{ActionKind::ToDiscard});
    EXPECT_EQ(engine::moveOnto({PileKind::Stock, table::kStock}), std::nullopt);
}

} // namespace
} // namespace vellomir::testing
