#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// `deal-array DEALNUMBER --cards N [--jokers J]`: prints the deal array the
/// deal number gives for a game of N cards (and J jokers) on one line. `args`
/// are the words after the command name. Returns the exit status.
int runDealArrayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
