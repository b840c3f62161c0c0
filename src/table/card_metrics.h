#pragma once

#include "table/program_state.h"

#include <string_view>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::settings {
class SettingsRecord;
}

namespace vellomir::table {

/// Card size for a `Card_Size` letter: "B" 71 x 96, "M" 59 x 80, "L" 25 x 32.
/// Any other letter is taken as "B", the default size.
CardSize cardSizeFor(std::string_view letter);

/// The `Card_Size` letter of cards fitted to the window: the layout picks
/// their width for the game and the window (the default of a new
/// installation).
inline constexpr std::string_view kFittedCardSize = "F";
bool cardsFitWindow(const settings::SettingsRecord& settings);
/// A fitted card's height for its width: the proportions of 71 x 96.
int fittedCardHeight(int width);
/// The fitted card of that width.
CardSize fittedCardSize(int width);

struct FanSteps;
/// The closest a fan's steps may close up (`FanSteps` down, or to the right
/// when `sideways`) from its plain steps: a face-down card keeps a sliver of
/// its back, a face-up card its index.
FanSteps minimumFanSteps(const ProgramState& state, const FanSteps& plain, bool sideways);

/// The shadow offset for the settings: 9 pixels unless `Cards_Shadowed` is "N".
int shadowOffsetFor(const settings::SettingsRecord& settings);

/// Sets the card width and height from `Card_Size` and asks the frontend to
/// rebuild the card pictures at that size.
void applyCardSize(ProgramState& state, seam::Frontend& frontend);

/// Resets the fan-step cells of TMainGame and sets them for the current card
/// size and the game's fan styles (parameters 3 and 5). Fitted cards take
/// the big cards' steps scaled by their width.
void computeFanSteps(ProgramState& state);
/// The same with the big cards' steps scaled by `scale`.
void computeFanSteps(ProgramState& state, double scale);

} // namespace vellomir::table
