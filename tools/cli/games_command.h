#pragma once

#include <iosfwd>
#include <string>

namespace vellomir::tools {

/// `vellomir-cli games`: one line per game of the catalogue's game list, in
/// list order: number, tab, group number, tab, name. Returns 0, or 1 with a
/// message on `err` when GAMES.DAT is missing or bad.
int runGamesCommand(const std::string& programDirectory, std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
