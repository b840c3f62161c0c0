#include "cli/solve_command.h"

#include "cli/deal_solving.h"
#include "cli/game_and_deal.h"
#include "cli/search_clock.h"
#include "cli/solve_options.h"
#include "engine/play/pointer_command.h"

#include <optional>
#include <ostream>

namespace vellomir::tools {
namespace {

int usageError(std::ostream& err, const std::string& problem) {
    err << "vellomir-cli solve: " << problem << "\n"
        << "usage: vellomir-cli solve GAME DEALNUMBER [--positions N] [--seconds S] [--dig]\n"
        << "                          [--cover] [--breadth N]\n";
    return 2;
}

} // namespace

int runSolveCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                    std::ostream& out, std::ostream& err) {
    SolveOptions options;
    std::vector<std::string> positional;
    if (const std::optional<std::string> problem = readSolveOptions(args, options, positional)) {
        return usageError(err, *problem);
    }
    GameAndDeal named;
    if (const std::optional<std::string> problem = readGameAndDeal(positional, named)) {
        return usageError(err, *problem);
    }
    SearchClock clock;
    const std::optional<engine::SolveResult> result =
        solveDealOf(programDirectory, named.game, named.dealNumber, options, clock, err);
    if (!result) {
        return 1;
    }
    switch (result->outcome) {
    case engine::SolveOutcome::Solved:
        out << "solved in " << result->moves.size() << " moves\n";
        for (const engine::PointerCommand& move : result->moves) {
            out << engine::commandText(move) << '\n';
        }
        break;
    case engine::SolveOutcome::Unsolved:
        out << "unsolved after " << result->positions << " positions\n";
        break;
    case engine::SolveOutcome::GaveUp:
        out << "gave up after " << result->positions << " positions\n";
        break;
    }
    return 0;
}

} // namespace vellomir::tools
