#pragma once

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

struct CardMove;
struct PlacementQuery;

/// The target checks: may the move's card (for a run, its bottom card) be
/// placed on the move's target pile? Each one gathers the pile's parameters
/// and asks the placement test as a real placement. They read the position
/// and the move only and change nothing.

/// Foundation `move.to.index` (0-based).
bool foundationTargetCheck(const table::ProgramState& state, seam::Frontend& frontend,
                           const CardMove& move);

/// The deal's own foundation test (foundations started or swept while the
/// cards are dealt): the placement test as a rule check, not a placement,
/// with parameter 48 as the base code. No card is being carried then, so,
/// unlike the target check, it does not ask whether a single card moves.
bool dealFoundationCheck(const table::ProgramState& state, seam::Frontend& frontend, int index,
                         int card);

/// Tableau `move.to.index` (0-based). A run never goes back onto the
/// tableau it comes from.
bool tableauTargetCheck(const table::ProgramState& state, seam::Frontend& frontend,
                        const CardMove& move);

/// The question the foundation and tableau target checks put to the placement
/// test about `card` going onto pile `index` whose top card is `top` (0 or
/// below for an empty pile), built from the pile's parameters. The solver's
/// rule tables ask the same question.
PlacementQuery foundationPlacementQuery(const table::ProgramState& state, int index, int top,
                                        int card);
PlacementQuery tableauPlacementQuery(const table::ProgramState& state, int index, int top,
                                     int card);

/// Reserve `move.to.index` (0-based), by its drop rule.
bool reserveTargetCheck(const table::ProgramState& state, seam::Frontend& frontend,
                        const CardMove& move);

} // namespace vellomir::engine
