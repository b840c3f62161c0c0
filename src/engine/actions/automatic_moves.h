#pragma once

#include "seam/frontend.h"
#include "settings/atomic_file.h"

#include <functional>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// One autoplay sweep: while the Autoplay command is ticked and a game is in
/// play, every reserve, waste and tableau top card that a foundation takes
/// goes there, face-down tableau tops turning up on the way. Ends the game
/// when it was won. True when anything was sent.
bool autoplaySweep(table::ProgramState& state, seam::Frontend& frontend);

/// Refills the empty tableaus (and in filling style 8 the empty reserves)
/// by the game's filling style (parameter 22). Each filled card joins the
/// undo step of the action that emptied the pile. True when any card moved.
bool fillEmptyPiles(table::ProgramState& state, seam::Frontend& frontend);

/// After a player action: fill the empty piles (whatever the Autoplay tick)
/// and, while Autoplay is on, sweep; again while the sweep moves something.
void runAutomaticSteps(table::ProgramState& state, seam::Frontend& frontend);

/// Keeps the Autoplay tick chosen for one game (the program's preference
/// setter); what it could not keep is in the result.
using GameAutoplayKeeper = std::function<settings::WriteResult(int gameNumber, bool on)>;

/// The Autoplay command: flips the tick; turned off during a game the empty
/// piles are filled once; with a choice per game (AutoPlay_All_Games 2) the
/// new tick goes to `keep` for the current game (none: the tick is not kept).
void toggleAutoplay(table::ProgramState& state, seam::Frontend& frontend,
                    const GameAutoplayKeeper& keep);

/// Whether the Autoplay command is ticked and enabled for the current game.
bool autoplayActive(const table::ProgramState& state);

} // namespace vellomir::engine
