#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// `survey GAME... --deals FIRST-LAST [--step K] [--seconds S] [--positions N]
/// [--dig] [--cover] [--breadth N]`: searches the deals FIRST, FIRST + K, ...
/// up to LAST (K is 1 unless given) of each game,
/// as `solve` searches one (the same options, the same answers), in one
/// process, and prints one line per deal as soon as it is known:
/// "GAME DEAL OUTCOME COUNT MS", where OUTCOME is solved, unsolved or
/// gave-up, COUNT the moves of the win or else the positions searched, and
/// MS the processor milliseconds the deal took (dealing included). Returns
/// 0, 1 for a game that cannot be dealt (after the lines of the games
/// before it), 2 for a usage error.
int runSurveyCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                     std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
