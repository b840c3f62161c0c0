#pragma once

// The layout codes of the stock piles, the foundations, the reserves and the
// discard pile (StockLayout, FoundationLayout, ReserveLayout, DiscardLayout):
// where the pile layout puts each kind of pile. A code without a name places
// nothing; the piles are then placed by the tableau arrangement or not at all.

namespace vellomir::table::layout_code {

// Stock and waste.
/// The stock left of tableau 1, the waste directly below it.
inline constexpr int kStockLeftWasteBelow = 3;
/// The stock over tableau 1, the waste over tableau 2.
inline constexpr int kStockOverFirstTableaus = 4;
/// Every stock pile in a row from the left edge.
inline constexpr int kStockPilesFromLeftEdge = 5;
/// The waste left of tableau 1 with room, the stock left of the waste.
inline constexpr int kStockAndWasteLeftOfTableaus = 11;
/// The stock at the left edge, the waste beside it.
inline constexpr int kStockAndWasteAtLeftEdge = 13;
/// One pile left of tableau 1: the stock when the empty stock redeals, else the waste.
inline constexpr int kOneStockPileLeftOfTableaus = 16;
/// As 16, twice as far from tableau 1.
inline constexpr int kOneStockPileFarLeftOfTableaus = 19;
/// The waste close left of tableau 1, the stock left of the waste.
inline constexpr int kStockAndWasteCloseLeftOfTableaus = 21;

// Foundations.
/// A row spread evenly across the table.
inline constexpr int kFoundationsSpreadAcross = 1;
/// A row in the middle of the table.
inline constexpr int kFoundationsCentred = 2;
/// Over the last tableaus, one over each.
inline constexpr int kFoundationsOverLastTableaus = 7;
/// A row ending at the right edge.
inline constexpr int kFoundationsAtRightEdge = 8;
/// A row ending over the last tableau, a third of the tableau gap apart.
inline constexpr int kFoundationsEndingOverLastTableau = 9;
/// As 7, pressed together on a low screen.
inline constexpr int kFoundationsOverLastTableausNarrowed = 13;
/// A row beside the waste (or the stock), else as 1.
inline constexpr int kFoundationsBesideStock = 17;

// Reserves.
/// Over the tableaus, one over each from tableau 1.
inline constexpr int kReservesOverTableaus = 4;
/// A row from the left edge.
inline constexpr int kReservesFromLeftEdge = 5;
/// A row from tableau 1, the foundations' step apart.
inline constexpr int kReservesFromFirstTableau = 6;
/// Over the last tableaus, one over each.
inline constexpr int kReservesOverLastTableaus = 7;
/// Over (or under) the waste, the others going on to the left.
inline constexpr int kReservesLeftFromWaste = 11;
/// A column left of tableau 1.
inline constexpr int kReservesInColumnLeftOfTableaus = 12;

// The discard pile.
/// Placed by the stock layout (kStockPilesFromLeftEdge); only the gaps change.
inline constexpr int kDiscardPlacedByStockLayout = 4;
/// Over tableau 2.
inline constexpr int kDiscardOverSecondTableau = 6;
/// Over the last tableau.
inline constexpr int kDiscardOverLastTableau = 7;
/// Below the stock (or the waste).
inline constexpr int kDiscardBelowStock = 16;

} // namespace vellomir::table::layout_code
