// The rows of the peak games: which tableau lies on which.

#include "table/peak_rows.h"

#include "catalogue/parameter_index.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::table {

namespace param = catalogue::param;

namespace {

constexpr int kBottomRow = kPeakRows - 1;

} // namespace

int peakRowSize(int peaks, int row) {
    if (peaks < 1 || row < 0 || row > kBottomRow) {
        return 0;
    }
    return row == kBottomRow ? kBottomRow * peaks + 1 : (row + 1) * peaks;
}

int peakTableauCount(int peaks) {
    int count = 0;
    for (int row = 0; row < kPeakRows; ++row) {
        count += peakRowSize(peaks, row);
    }
    return count;
}

std::optional<PeakSpot> peakSpot(int peaks, int tableau) {
    int first = 0;
    for (int row = 0; row < kPeakRows && tableau >= 0; ++row) {
        const int size = peakRowSize(peaks, row);
        if (tableau < first + size) {
            return PeakSpot{row, tableau - first};
        }
        first += size;
    }
    return std::nullopt;
}

int peakTableau(int peaks, PeakSpot spot) {
    if (spot.position < 0 || spot.position >= peakRowSize(peaks, spot.row)) {
        return -1;
    }
    int first = 0;
    for (int row = 0; row < spot.row; ++row) {
        first += peakRowSize(peaks, row);
    }
    return first + spot.position;
}

std::vector<int> peakCovers(int peaks, int tableau) {
    const std::optional<PeakSpot> spot = peakSpot(peaks, tableau);
    if (!spot || spot->row == kBottomRow) {
        return {};
    }
    // Within its peak the card is the j-th of its row; the two below it are
    // the j-th and the next of the peak's next row. The bottom row is one
    // line, the peaks three cards apart along it.
    const int width = spot->row + 1;
    const int peak = spot->position / width;
    const int j = spot->position % width;
    const int next = spot->row + 1;
    const int below = next == kBottomRow ? kBottomRow * peak + j : peak * (next + 1) + j;
    return {peakTableau(peaks, {next, below}), peakTableau(peaks, {next, below + 1})};
}

int peakHalfSteps(int peaks, int tableau) {
    const std::optional<PeakSpot> spot = peakSpot(peaks, tableau);
    if (!spot) {
        return 0;
    }
    if (spot->row == kBottomRow) {
        return 2 * spot->position;
    }
    const int width = spot->row + 1;
    const int peak = spot->position / width;
    const int j = spot->position % width;
    return 2 * (kBottomRow * peak + j) + (kBottomRow - spot->row);
}

bool peakCovered(const ProgramState& state, int tableau) {
    const int peaks = std::clamp(state.params[param::TableauPeaks], 0, kMaxPeaks);
    const int tableaus = PileCounts::of(state.params).tableaus;
    for (const int over : peakCovers(peaks, tableau)) {
        if (over < tableaus && topCardOf(state.piles.tableau(over)) >= 1) {
            return true;
        }
    }
    return false;
}

} // namespace vellomir::table
