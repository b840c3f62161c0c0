#pragma once

#include "table/pile_lists.h"

namespace vellomir::table {

struct ProgramState;

/// A point on the table in window coordinates (y less the scroll offset).
struct TablePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TablePoint&, const TablePoint&) = default;
};

/// Top-left corner of a pile (its bottom card). A pile that is not placed
/// answers its not-placed marker, which drawing ignores.
TablePoint pilePosition(const ProgramState& state, PileRef pile);

/// Top-left corner of card `index` (0-based from the bottom) of a pile,
/// fanned by the fan style of its kind (tableaus parameter 3, foundations 4,
/// reserves 5; the stock list is never fanned) and the fan steps of
/// TMainGame. The small random offsets of untidy piles are left out: card
/// flights aim at the place without them.
TablePoint cardPosition(const ProgramState& state, PileRef pile, int index);

/// The place of the pile's top card (its bottom place when it is empty).
TablePoint topCardPosition(const ProgramState& state, PileRef pile);

/// The place the next card appended to the pile will take.
TablePoint nextCardPosition(const ProgramState& state, PileRef pile);

} // namespace vellomir::table
