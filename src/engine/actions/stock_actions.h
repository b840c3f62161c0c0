#pragma once

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

// The stock actions and deals run through executeMove; these are the row
// operations of the game type that lays its tableaus out in three rows of
// seven (0-based tableaus 0-6, 7-13, 14-20).

/// Closes the gaps of the row of tableau `tableauIndex` (0-based): the cards
/// of the first non-empty tableau after the first empty one move, bottom
/// card first, onto the empty one, until no gap is followed by cards.
void closeRowGaps(table::ProgramState& state, seam::Frontend& frontend, int tableauIndex);

/// True when exactly one tableau of the row of `tableauIndex` holds cards.
bool rowHasOnePile(const table::ProgramState& state, int tableauIndex);

} // namespace vellomir::engine
