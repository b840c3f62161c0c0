#include "engine/actions/opening_move.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/rules/pile_location.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;

using catalogue::codeOf;
using catalogue::FirstMove;

constexpr int kFromTableau = codeOf(FirstMove::FirstFromTableau);
constexpr int kTableauToFoundation = codeOf(FirstMove::FirstTableauToFoundation);

} // namespace

bool openingMoveDue(const table::ProgramState& state) {
    switch (state.params[param::FirstMoveFromTableau]) {
    case kFromTableau:
        return state.mainGame.cell(table::cell::MovePhase) == 0;
    case kTableauToFoundation: {
        const int foundations = table::PileCounts::of(state.params).foundations;
        for (int f = 0; f < foundations; ++f) {
            if (!state.piles.foundation(f).empty()) {
                return false;
            }
        }
        return true;
    }
    default:
        return false;
    }
}

bool allowedAsOpening(const table::ProgramState& state, int from, bool toFoundation) {
    if (state.params[param::FirstMoveFromTableau] == kTableauToFoundation) {
        return isTableauLocation(from) && toFoundation;
    }
    return from >= 1 && !toFoundation;
}

} // namespace vellomir::engine
