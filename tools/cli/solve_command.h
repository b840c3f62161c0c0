#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// The position limit of `solve` when none is given: enough for most deals
/// of most games, and an answer within a few seconds.
inline constexpr long kDefaultSolvePositions = 5000;

/// `solve GAME DEALNUMBER [--positions N]`: deals the game as `play` does and
/// searches for a win (engine::solveDeal). Prints "solved in M moves"
/// followed by the winning line as `play` commands, one per line; or
/// "unsolved after N positions" when every position was searched; or "gave
/// up after N positions" at the limit. Returns 0 for any of the three, 1
/// for a game that cannot be dealt, 2 for a usage error.
int runSolveCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                    std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
