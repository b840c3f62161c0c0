#pragma once

#include "engine/play/pointer_command.h"
#include "engine/solver/compact_position.h"

#include <optional>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The fast search's winning `line` from `start` (the compact form of
/// `dealt`) as pointer gestures for a table whose Autoplay stays ticked, as
/// the player left it. The line is played through the pointer input as it
/// is made: each move drags its card from wherever it lies now (the sweeps
/// send cards up on their own), a move whose card a sweep has already sent
/// to a foundation is left out, the stock is clicked until the card a move
/// takes from the waste is on top, and the line ends where the game is won.
/// Nothing when the table refuses a move (a sweep took a card the line
/// still builds on): then another search must answer.
std::optional<std::vector<PointerCommand>>
gesturesUnderAutoplay(const table::ProgramState& dealt, const seam::Frontend& geometry,
                      CompactPosition start, const std::vector<CompactMove>& line);

} // namespace vellomir::engine
