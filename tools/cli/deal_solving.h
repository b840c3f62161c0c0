#pragma once

#include "cli/search_clock.h"
#include "cli/solve_options.h"
#include "engine/solver/solver.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace vellomir::tools {

/// Deals a game as `play` does, on a table of its own, and searches it
/// (engine::solveDeal) within the options' limits; the time limit runs on
/// `clock`, which the caller keeps so that one watch thread serves many
/// deals. A deal that ends the game as it is dealt (Ninety-One dealt at 91)
/// is solved in no move, or unsolved after no position. Nothing, with the
/// reason on `err`, for a game that cannot be dealt.
std::optional<engine::SolveResult> solveDealOf(const std::string& programDirectory, int game,
                                               const std::string& dealNumber,
                                               const SolveOptions& options, SearchClock& clock,
                                               std::ostream& err);

} // namespace vellomir::tools
