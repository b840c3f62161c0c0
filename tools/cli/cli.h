#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// Runs one vellomir-cli command. `args` are the words after the program
/// name; `programDirectory` is the folder holding GAMES.DAT (with a trailing
/// "/"); `installed` tells that it is an installed share/vellomir, whose
/// player files are in the user's data folder as the program's are.
/// Returns the exit status: 0 done, 1 failed, 2 a usage error.
int runCli(const std::vector<std::string>& args, const std::string& programDirectory,
           std::istream& in, std::ostream& out, std::ostream& err, bool installed = false);

} // namespace vellomir::tools
