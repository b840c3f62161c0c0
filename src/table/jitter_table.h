#pragma once

#include "table/random_generator.h"

#include <array>

namespace vellomir::table {

/// Small sideways offsets that make the cards of a downward-fanned tableau
/// look laid by hand when the `Piles_TT` preference is on. Seven rows of 13
/// offsets; entry 0 of every row is 0. A new game rebuilds the table.
class JitterTable {
public:
    static constexpr int kRows = 7;
    static constexpr int kEntries = 13;

    /// A table of zeros: no card is moved until the first rebuild.
    JitterTable() = default;

    /// Draws every row afresh from the run's generator (four draws of 0-3
    /// per row and entry, rows 1 to 7 in order). Offsets are -1 to 2, and the
    /// running sum along a row stays within -2 to 2, so a pile never drifts.
    void rebuild(RandomGenerator& random);

    /// Entry `d` (0-12) of row `row` (1-7); 0 outside the table.
    int entry(int row, int d) const;

    /// The row used by tableau `tableauIndex` (0-based): rows 1-7 for the
    /// first seven tableaus, then (index mod 6) + 1.
    static int rowOf(int tableauIndex);

    /// The offset of card `cardIndex` (0 the bottom card) of a tableau. Piles
    /// longer than 13 cards repeat the entries: card 13 takes entry 1.
    int offsetFor(int tableauIndex, int cardIndex) const;

    friend bool operator==(const JitterTable&, const JitterTable&) = default;

private:
    std::array<std::array<int, kEntries>, kRows> m_rows{};
};

} // namespace vellomir::table
