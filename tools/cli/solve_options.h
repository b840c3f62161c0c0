#pragma once

#include "engine/solver/solver.h"

#include <optional>
#include <string>
#include <vector>

namespace vellomir::tools {

/// The position limit of `solve` when none is given: enough for most deals
/// of most games, and an answer within a few seconds.
inline constexpr long kDefaultSolvePositions = 5000;

/// The longest time limit a search may be given, in seconds: a day.
inline constexpr double kLongestSearchSeconds = 86400;

/// The search options of `solve` and `survey`: --positions N, --dig,
/// --cover, --breadth N and --seconds S.
struct SolveOptions {
    engine::SolveLimits limits{.positions = kDefaultSolvePositions};
    /// Processor seconds a deal may take; none for no time limit.
    std::optional<double> seconds;
};

/// Reads the search options out of `args` into `options` and leaves the
/// other words in `rest`. On a problem, the text that says what is wrong.
std::optional<std::string> readSolveOptions(const std::vector<std::string>& args,
                                            SolveOptions& options, std::vector<std::string>& rest);

} // namespace vellomir::tools
