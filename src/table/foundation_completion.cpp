#include "table/foundation_completion.h"

#include "catalogue/parameter_index.h"

namespace vellomir::table {

int foundationCompleteCount(const ProgramState& state, int foundation) {
    const int own = state.params[catalogue::param::FoundationCompleteCount + foundation];
    return own == -1 ? state.params[catalogue::param::FoundationMaxCards] : own;
}

bool isFoundationComplete(const ProgramState& state, int foundation) {
    if (foundation < 0 || foundation >= kMaxFoundations) {
        return false;
    }
    const int count = foundationCompleteCount(state, foundation);
    return count > 0 && cardCount(state.piles.foundation(foundation)) == count;
}

} // namespace vellomir::table
