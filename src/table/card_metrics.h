#pragma once

#include "table/program_state.h"

#include <string_view>

namespace vellomir::app {
class Frontend;
class SettingsRecord;
} // namespace vellomir::app

namespace vellomir::table {

/// Card size for a `Card_Size` letter: "B" 71 x 96, "M" 59 x 80, "L" 25 x 32.
/// Any other letter is taken as "B", the default size.
CardSize cardSizeFor(std::string_view letter);

/// The shadow offset for the settings: 9 pixels unless `Cards_Shadowed` is "N".
int shadowOffsetFor(const app::SettingsRecord& settings);

/// Sets the card width and height from `Card_Size` and asks the frontend to
/// rebuild the card pictures at that size.
void applyCardSize(ProgramState& state, app::Frontend& frontend);

/// Resets the fan-step cells of TMainGame and sets them for the current card
/// size and the game's fan styles (parameters 3 and 5).
void computeFanSteps(ProgramState& state);

} // namespace vellomir::table
