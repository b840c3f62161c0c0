#pragma once

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

struct PlacementQuery;

/// The target checks: may the card (for a run, its bottom card) held by the
/// pointer or sent by the automatic moves be placed on this pile? Each one
/// gathers the pile's parameters and asks the placement test as a real
/// placement. Whether the move is of a single card is read from the
/// program state's group height.

/// Foundation `index` (0-based).
bool foundationTargetCheck(const table::ProgramState& state, seam::Frontend& frontend, int index,
                           int card);

/// The deal's own foundation test (foundations started or swept while the
/// cards are dealt): the placement test as a rule check, not a placement,
/// with parameter 48 as the base code. No card is being carried then, so,
/// unlike the target check, it does not ask whether a single card moves.
bool dealFoundationCheck(const table::ProgramState& state, seam::Frontend& frontend, int index,
                         int card);

/// Tableau `index` (0-based). May record the run's top card through the
/// run-size limit, hence the mutable state.
bool tableauTargetCheck(table::ProgramState& state, seam::Frontend& frontend, int index, int card);

/// The question the foundation and tableau target checks put to the placement
/// test about `card` going onto pile `index` whose top card is `top` (0 or
/// below for an empty pile), built from the pile's parameters. The solver's
/// rule tables ask the same question.
PlacementQuery foundationPlacementQuery(const table::ProgramState& state, int index, int top,
                                        int card);
PlacementQuery tableauPlacementQuery(const table::ProgramState& state, int index, int top,
                                     int card);

/// Reserve `number` (1-based), by its drop rule.
bool reserveTargetCheck(const table::ProgramState& state, seam::Frontend& frontend, int number,
                        int card);

} // namespace vellomir::engine
