#pragma once

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

// Games whose first move is bound (parameter FirstMoveFromTableau): with 1
// the first action must take a tableau card elsewhere than to a
// foundation; with 2 it must take a tableau card to a foundation (Terrace,
// where that card's rank becomes the base of every foundation through the
// empty-pile code 92), and until then nothing else moves, the stock and the
// refills of empty tableaus included.

/// Whether the bound first move is still due: with 1 until the first action
/// has been executed, with 2 while every foundation is empty (so that the
/// undo of the first move binds the next one again).
bool openingMoveDue(const table::ProgramState& state);

/// Whether the due first move may take the card at location `from` (a
/// location code of pile_location.h) by an action that does or does not go
/// to a foundation.
bool allowedAsOpening(const table::ProgramState& state, int from, bool toFoundation);

} // namespace vellomir::engine
