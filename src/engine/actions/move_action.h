#pragma once

#include "table/pile_lists.h"

#include <optional>
#include <string>
#include <string_view>

namespace vellomir::engine {

/// What one executed action does. The moves name the pile a card (or run)
/// goes to; the stock actions, deals, refills and removals take cards by
/// the game's own rules.
enum class ActionKind {
    ToTableau,              ///< onto tableau `target`
    ToFoundation,           ///< onto foundation `target`, played by the player
    ToFoundationByAutoplay, ///< onto foundation `target`, sent by the program
    ToReserve,              ///< onto reserve `target`
    ToWaste,                ///< onto the waste (Golf-like building on it)
    ToDiscard,              ///< onto the discard pile
    StockToWaste,           ///< a stock click: deal to the waste, or turn it over
    StockRedeal,            ///< a stock click that counts a pass; deals to the discard pile
    StockToDiscard,         ///< a stock click that deals to the discard pile
    DealTableaus,           ///< a later deal to every tableau, by its deal type
    DealLastToTableaus,     ///< the stock's last cards, one to each tableau
    FillTableaus,           ///< the one-time refill of the empty tableaus after the first action
    DealReserves,           ///< a later deal to every reserve, by its deal type
    DealTableau,            ///< a later deal to tableau `target` only
    DealReserve,            ///< a later deal to reserve `target` only
    RemoveSelection,        ///< the selected cards leave for the discard pile
    FillEmptyTableaus,      ///< every empty tableau takes the stock's top card
    CompactAndRefill,       ///< the tableaus close up their gaps and refill from the stock
    RedealTableaus,         ///< the tableaus are gathered and dealt again (La Belle Lucie, Cruel)
    TurnClockCard,          ///< the Clock's next card turns and goes under the pile of its rank
    ToGap,                  ///< into the gap of row (tableau) `target` that takes the card
};

/// An action and its target: the 0-based index of the pile it names (the
/// tableau, foundation or reserve of a move or a single deal); 0 for the
/// kinds that name none.
struct MoveAction {
    ActionKind kind = ActionKind::ToTableau;
    int target = 0;

    friend bool operator==(const MoveAction&, const MoveAction&) = default;
};

/// The move onto a pile: a tableau, foundation (by the player) or reserve,
/// the waste ("Stock02") or the discard pile ("Waste"); nothing for the
/// stock, which no move goes to.
std::optional<MoveAction> moveOnto(table::PileRef pile);

/// The text forms of the actions. They are the names the program has
/// always spelled its actions with, and they keep their historical
/// spelling even where it misleads: "Mazzo" is the stock, "Mazzo_Vis" and
/// "Stock02" the waste, "Waste" the discard pile, "Fila" a tableau, "Dest"
/// a foundation, "Appogg" a reserve and "Selezionate" the selected cards.
///
///   ToTableau "Fila3", ToFoundation "Dest1", ToFoundationByAutoplay
///   "Dest_Autoplay1" (also read as "Dest_Autoplay01"), ToReserve "Appogg4",
///   ToWaste "Stock02", ToDiscard "Waste", StockToWaste "Mazzo_Vis",
///   StockRedeal "Mazzo_Redeal", StockToDiscard "Mazzo_Waste", DealTableaus
///   "Add_Tableaus", DealLastToTableaus "Add_Tableaus_Last", FillTableaus
///   "Fill_Tableaus", DealReserves "Add_Reserves", DealTableau
///   "Add_Tableau_03", DealReserve "Add_Reserve_2" (reserves 1 to 9),
///   RemoveSelection "Selezionate_Dest", FillEmptyTableaus "Selezionate_Fila",
///   CompactAndRefill "Stock_To_Pile_Monte_Carlo", RedealTableaus
///   "Redeal_Tableaus", TurnClockCard "Clock_Turn", ToGap "Gap_Fila2" (the
///   row; the card itself decides the place in it).
///
/// The one reader of the text forms: nothing for a text that names no
/// action or a pile beyond the table's.
std::optional<MoveAction> parseMoveAction(std::string_view text);

/// The text form of an action, as parseMoveAction reads it.
std::string moveActionText(MoveAction action);

} // namespace vellomir::engine
