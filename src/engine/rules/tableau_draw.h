#pragma once

#include "catalogue/game_parameters.h"

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The draws of game parameter `TableauDraws` (Three Shuffles and a Draw):
/// that many times a game a face-up card lying under the top card of a
/// tableau may be drawn out and played alone, wherever a top card may go.
/// The draws taken are engine counter `EngineFlags::kDrawsTaken`, kept with
/// the positions of the undo list and of the solver.
bool hasTableauDraws(const catalogue::GameParameters& params);

/// The draws the game still allows.
int drawsLeft(const table::ProgramState& state);

/// Whether `card` would be drawn if it moved now: it lies face up in a
/// tableau under that tableau's top card, and a draw is left.
bool isDrawableCard(const table::ProgramState& state, int card);

/// Counts a draw when `card`, about to move alone, is a drawable card. The
/// move calls it after its undo snapshot, so that a step back gives the
/// draw back.
void countDrawIfTaken(table::ProgramState& state, int card);

} // namespace vellomir::engine
