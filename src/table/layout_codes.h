#pragma once

// The layout codes of the stock piles, the foundations, the reserves, the
// discard pile and the tableaus (StockLayout, FoundationLayout, ReserveLayout,
// DiscardLayout, TableauLayout): where the pile layout puts each kind of pile. A code without a
// name places nothing; the piles are then placed by the tableau arrangement or not at all.

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
/// Two rows over the last tableaus, one over each: the first half in the
/// foundation row, the rest in the row below it.
inline constexpr int kFoundationsInTwoRowsOverLastTableaus = 18;

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

// Tableaus (TableauLayout). The tableaus are laid out first; the other piles
// measure from them.
/// One centred row, the gaps sharing the free width.
inline constexpr int kTableauRow = 1;
/// One centred row, 10 pixels apart (5 on a narrow table).
inline constexpr int kTableauRowFixedGaps = 2;
/// A row leaving one card column free on its left for the stock or a reserve.
inline constexpr int kTableauRowBesideStock = 3;
/// TableauRows rows of equal length, the columns lined up, the block centred.
inline constexpr int kTableauRowsLinedUp = 10;
/// A row leaving two card columns free on its left, shifted a little further.
inline constexpr int kTableauRowBesideStockAndWaste = 11;
/// As kTableauRowBesideStock, shifted a little further right.
inline constexpr int kTableauRowBesideStockShifted = 12;
/// A row from near the left edge, 4 pixels apart.
inline constexpr int kTableauRowFromLeftEdge = 13;
/// As kTableauRow; where the row would reach left of the stock's gap, the gaps narrow to pay for
/// the shift.
inline constexpr int kTableauRowNarrowed = 14;
/// As kTableauRowNarrowed (the two codes lay out alike).
inline constexpr int kTableauRowNarrowedToo = 15;
/// TableauRows rows on the four-row set, from the tableaus' row digit on.
inline constexpr int kTableauRowsOnFourRowSet = 18;
/// A triangle of centred rows holding 1, 2, 3, ... tableaus.
inline constexpr int kTableauTriangle = 20;
/// A row leaving two card columns free on its left, 2 pixels apart.
inline constexpr int kTableauRowCloseBesideStockAndWaste = 21;
/// A cross of five tableaus, the foundations in its corners, the stock and waste to its left.
inline constexpr int kTableauCross = 52;
/// Columns of tableaus fanned to the right (TableauRows columns at least).
inline constexpr int kTableauColumnsFannedRight = 53;
/// A staircase running down to the left, each tableau overlapping the one before.
inline constexpr int kTableauStaircase = 54;
/// The peaks of TriPeaks, each row half a card below the one above.
inline constexpr int kTableauPeaks = 55;
/// The twelve hours round a clock face, the kings' pile in its centre.
inline constexpr int kTableauClockFace = 56;
/// A centred 4 x 4 grid, the discard pile to its right when there is one.
inline constexpr int kTableauGridFourByFour = 123;
/// A centred 3 x 3 grid.
inline constexpr int kTableauGridThreeByThree = 124;
/// A centred 5 x 5 grid, the discard pile beside it when there is one.
inline constexpr int kTableauGridFiveByFive = 125;
/// Rows of 4, 5 and 4 tableaus, the short rows set half a column in.
inline constexpr int kTableauRowsOfFourFiveFour = 126;
/// One column of four tableaus fanned to the right, the discard pile far right.
inline constexpr int kTableauColumnOfFour = 127;
/// One column of five tableaus fanned to the right, the discard pile far right.
inline constexpr int kTableauColumnOfFive = 128;
/// One column of three tableaus fanned to the right, the discard pile far right.
inline constexpr int kTableauColumnOfThree = 129;
/// Ten foundations in a row, two rows of ten tableaus below them.
inline constexpr int kTableauTwoRowsOfTenUnderFoundations = 130;

} // namespace vellomir::table::layout_code
