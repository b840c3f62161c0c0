#include "cli/solve_command.h"

#include "cli/console_frontend.h"
#include "cli/game_and_deal.h"
#include "cli/play_command.h"
#include "engine/play_engine.h"
#include "engine/solver.h"
#include "settings/number_text.h"
#include "table/program_state.h"

#include <optional>
#include <ostream>

namespace vellomir::tools {
namespace {

int usageError(std::ostream& err, const std::string& problem) {
    err << "vellomir-cli solve: " << problem << "\n"
        << "usage: vellomir-cli solve GAME DEALNUMBER [--positions N] [--dig] [--cover]\n"
        << "                          [--breadth N]\n";
    return 2;
}

} // namespace

int runSolveCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                    std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    engine::SolveLimits limits;
    limits.positions = kDefaultSolvePositions;
    // The number after a counting option: 1 to 999999999.
    auto count = [&](std::size_t i) -> std::optional<int> {
        if (i + 1 >= args.size() || !isDigits(args[i + 1]) || args[i + 1].size() > 9 ||
            settings::toInt(args[i + 1]) < 1) {
            return std::nullopt;
        }
        return settings::toInt(args[i + 1]);
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--positions" || args[i] == "--breadth") {
            const std::optional<int> n = count(i);
            if (!n) {
                return usageError(err, args[i] + " needs a number from 1 to 999999999");
            }
            if (args[i] == "--positions") {
                limits.positions = *n;
            } else {
                limits.breadth = *n;
            }
            ++i;
        } else if (args[i] == "--dig") {
            limits.digForNextCards = true;
        } else if (args[i] == "--cover") {
            limits.avoidCovering = true;
        } else if (args[i].starts_with("--")) {
            return usageError(err, "unknown option " + args[i]);
        } else {
            positional.push_back(args[i]);
        }
    }
    GameAndDeal named;
    if (const std::optional<std::string> problem = readGameAndDeal(positional, named)) {
        return usageError(err, *problem);
    }
    const std::string& dealNumber = named.dealNumber;

    table::ProgramState state(programDirectory);
    ConsoleFrontend frontend(err);
    // A fixed seed: the same deal is searched the same way every time.
    state.random.seed(1);
    engine::PlayEngine engine(state, frontend);
    if (!dealForPlay(engine, named.game, dealNumber, false, err)) {
        return 1;
    }
    if (!state.flags.test(table::Flag::GameInPlay)) {
        // The deal itself ended the game (Ninety-One dealt at 91): there is
        // nothing to search, and no move to make.
        out << (frontend.wonGame() ? "solved in 0 moves\n" : "unsolved after 0 positions\n");
        return 0;
    }
    const engine::SolveResult result = engine::solveDeal(state, frontend, limits);
    switch (result.outcome) {
    case engine::SolveOutcome::Solved:
        out << "solved in " << result.moves.size() << " moves\n";
        for (const engine::PointerCommand& move : result.moves) {
            out << engine::commandText(move) << '\n';
        }
        break;
    case engine::SolveOutcome::Unsolved:
        out << "unsolved after " << result.positions << " positions\n";
        break;
    case engine::SolveOutcome::GaveUp:
        out << "gave up after " << result.positions << " positions\n";
        break;
    }
    return 0;
}

} // namespace vellomir::tools
