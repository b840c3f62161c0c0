#pragma once

#include "cli/solve_options.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// `solve GAME DEALNUMBER [--positions N] [--seconds S]`: deals the game as
/// `play` does and searches for a win (engine::solveDeal). Prints "solved in
/// M moves" followed by the winning line as `play` commands, one per line;
/// or "unsolved after N positions" when every position was searched; or
/// "gave up after N positions" at the position limit or once the deal has
/// used S seconds of processor time (see SearchClock). Returns 0 for any of
/// the three, 1 for a game that cannot be dealt, 2 for a usage error.
int runSolveCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                    std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
