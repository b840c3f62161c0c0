#pragma once

#include "engine/pointer_command.h"

#include <vector>

namespace vellomir::app {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// How a search ended.
enum class SolveOutcome {
    Solved,   ///< a winning line was found
    Unsolved, ///< every position reachable was searched: the deal cannot be won
    GaveUp,   ///< the position limit was reached first
};

/// What the solver found.
struct SolveResult {
    SolveOutcome outcome = SolveOutcome::GaveUp;
    /// Distinct positions searched.
    long positions = 0;
    /// For a solved deal, the winning line as play-session commands.
    std::vector<PointerCommand> moves;
};

/// Bounds of a search.
struct SolveLimits {
    /// Positions searched before giving up.
    long positions = 20000;
    /// Moves in one line before the line is cut short (a cut line makes an
    /// exhausted search a "gave up", never an "unsolved").
    int depth = 1500;
    /// Moves in a row that neither raise the score, turn a card, empty a
    /// pile nor deal from the stock, before the line is cut short (again an
    /// exhausted search is then a "gave up"); 0 for no bound. Shuffling
    /// cards between piles is where a search loses its time.
    int idleMoves = 4;
};

/// Searches for a win of the game dealt in `dealt` (as `vellomir-cli play`
/// deals it) by trying, at each position, the pointer gestures a player can
/// make: a click on every pile and every face-up card, a drag from every
/// card that can be lifted onto every pile, and, in games won by their
/// score, the end of game. Each gesture runs through the real pointer input
/// on a copy of the position, so the engine alone decides what is legal; a
/// gesture that changes the table gives a new position. Positions already
/// seen (by their fingerprint) are not searched again. Depth first, better
/// moves first: a higher score, a card turned face up, a pile emptied;
/// dealing from the stock last. Nothing is drawn and no pause waits:
/// `geometry` only lends the drawing area's sizes the layout was made for.
SolveResult solveDeal(const table::ProgramState& dealt, const app::Frontend& geometry,
                      const SolveLimits& limits = {});

} // namespace vellomir::engine
