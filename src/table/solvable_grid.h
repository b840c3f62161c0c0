#pragma once

namespace vellomir::table {

struct ProgramState;

/// Home place (0-based tableau) of a sliding-puzzle card: the hearts ace to
/// king fill places 0 to 12, the clubs from the ace on the places after.
int gridHomePlace(int card);

/// Whether the sliding puzzle dealt in tableaus 1 to parameter 304 (one card
/// or none each, parameter 27 places a row) can be put in order by sliding:
/// every card in its home place and the empty place last. True when the
/// tableaus do not hold such a puzzle (no empty place, or more than one).
bool gridIsSolvable(const ProgramState& state);

/// With parameter SolvableGridDeal set, a dealt puzzle that cannot be put in
/// order gets its first two cards (in place order) swapped, which makes it
/// solvable; every card stays on the table.
void makeGridSolvable(ProgramState& state);

} // namespace vellomir::table
