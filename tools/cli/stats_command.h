#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// `vellomir-cli stats [GAME]`: the statistics of the program's player file
/// (DATA/Stat_e00.dat in the folder the program writes to). Without a game,
/// one line per game played: number, played, won, lost, share won, name;
/// with one, that game's figures, a line each. Returns 0; 1 with a message
/// on `err` when the file is damaged (it is left as it is); 2 for bad words.
int runStatsCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                    std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
