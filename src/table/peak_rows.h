#pragma once

#include <optional>
#include <vector>

namespace vellomir::table {

struct ProgramState;

/// The peaks of TriPeaks and its kin (parameter TableauPeaks = n): n peaks
/// side by side, each four rows deep, their bottom rows touching. Row r of
/// a peak holds r + 1 cards (r = 0, 1, 2); the bottom row is shared and
/// holds 3n + 1 cards. Every tableau holds one card; the tableaus are
/// numbered row by row from the top, left to right. A card lies under the
/// two cards of the next row that overlap it, and is free once both are gone.
inline constexpr int kPeakRows = 4;
inline constexpr int kMaxPeaks = 3; // 28 tableaus, as many as a game has

/// A tableau's row (0 the tops of the peaks, 3 the bottom row) and its
/// place in that row, from the left.
struct PeakSpot {
    int row = 0;
    int position = 0;
};

/// How many cards row `row` of `peaks` peaks holds.
int peakRowSize(int peaks, int row);
/// How many tableaus `peaks` peaks take: 9 n + 1.
int peakTableauCount(int peaks);
/// Where tableau `tableau` (0-based) lies, or nothing past the last one.
std::optional<PeakSpot> peakSpot(int peaks, int tableau);
/// The tableau at a row and place, or -1.
int peakTableau(int peaks, PeakSpot spot);
/// The two tableaus of the next row that overlap a tableau; none for the
/// bottom row.
std::vector<int> peakCovers(int peaks, int tableau);
/// The column of a tableau's left edge, in half card steps from the left
/// edge of the bottom row: 2 i for bottom card i, one half step more for
/// each row up, the peaks three cards apart.
int peakHalfSteps(int peaks, int tableau);

/// Whether a card of the current game's tableau still lies under a card of
/// the next row (always false in a game without peaks).
bool peakCovered(const ProgramState& state, int tableau);

} // namespace vellomir::table
