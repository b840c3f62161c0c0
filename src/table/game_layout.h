#pragma once

#include "table/program_state.h"

#include <functional>

namespace vellomir::seam {
class Frontend;
}

namespace vellomir::table {

/// Loads the current game's column of the catalogue into the (cleared)
/// parameter table; false when it cannot.
using ParameterLoader = std::function<bool(catalogue::GameParameters&)>;

/// Gets the table ready for the current game: clears and loads the game's
/// parameters, applies the small-screen rule, applies a changed card size,
/// puts every pile to its not-placed marker, sets the Autoplay command's
/// state, and computes the fan steps and the pile positions. False when the
/// parameters cannot be loaded; the parameter table is then cleared and the
/// card size and pile positions are left as they were.
bool prepareGameLayout(ProgramState& state, seam::Frontend& frontend,
                       const ParameterLoader& loadParameters);

/// The small-screen rule on its own. Games that need a wider screen for big
/// cards (parameter 37: 1 needs 650 pixels, 2 needs 810) are played with the
/// predefined medium set "003" on narrower screens, with a notice shown at
/// most once per run for each screen class; the player's own set, back and
/// size come back with the next game that fits the screen.
/// A window narrower than such a game needs counts as a small screen too
/// (without the notice, which speaks of the display).
void applySmallScreenRule(ProgramState& state, seam::Frontend& frontend);

/// Lays the current game out again for the window as it is now (after a
/// resize or a change of card size): the small-screen rule, the card size,
/// the fan steps and the pile positions. Nothing while no game is loaded.
void layOutForWindow(ProgramState& state, seam::Frontend& frontend);

} // namespace vellomir::table
