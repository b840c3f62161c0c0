#include "cli/deal_solving.h"

#include "cli/console_frontend.h"
#include "cli/play_command.h"
#include "engine/play/play_engine.h"
#include "engine/solver/compact_rules.h"
#include "table/program_state.h"

#include <ostream>
#include <set>

namespace vellomir::tools {

std::optional<engine::SolveResult> solveDealOf(const std::string& programDirectory, int game,
                                               const std::string& dealNumber,
                                               const SolveOptions& options, SearchClock& clock,
                                               std::ostream& err) {
    table::ProgramState state(programDirectory);
    ConsoleFrontend frontend(err);
    // A fixed seed: the same deal is searched the same way every time.
    state.random.seed(1);
    engine::PlayEngine engine(state, frontend);
    if (!dealForPlay(engine, game, dealNumber, false, err)) {
        return std::nullopt;
    }
    engine::SolveResult result;
    if (!state.flags.test(table::Flag::GameInPlay)) {
        // There is nothing to search, and no move to make.
        result.outcome =
            frontend.wonGame() ? engine::SolveOutcome::Solved : engine::SolveOutcome::Unsolved;
        return result;
    }
    engine::SolveLimits limits = options.limits;
    if (options.seconds) {
        limits.stop = clock.stop();
        clock.start(*options.seconds);
    }
    result = engine::solveDeal(state, frontend, limits);
    clock.halt();
    // Why the gesture search answered, once a game: the rule the fast
    // search's tables cannot hold.
    static std::set<int> told;
    if (!result.fastSearch && told.insert(game).second) {
        if (const std::optional<std::string> why = engine::compactRulesRefusal(state)) {
            err << "info: game " << game << " is left to the gesture search: " << *why << "\n";
        }
    }
    return result;
}

} // namespace vellomir::tools
