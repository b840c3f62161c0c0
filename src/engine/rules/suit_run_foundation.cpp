#include "engine/rules/suit_run_foundation.h"

#include "catalogue/parameter_index.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/pile_location.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <vector>

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {
constexpr int kKing = 13;
} // namespace

bool formsCompleteSuitRun(std::span<const int> run) {
    if (static_cast<int>(run.size()) != kSuitRunLength) {
        return false;
    }
    for (int k = 0; k < kSuitRunLength; ++k) {
        const int c = run[static_cast<std::size_t>(k)];
        if (c <= 0 || table::suitOf(c) != table::suitOf(run[0]) || table::rankOf(c) != kKing - k) {
            return false;
        }
    }
    return true;
}

bool isCompleteSuitRun(const table::ProgramState& state, int card) {
    if (card <= 0 || !isTableauLocation(locatePile(state, card))) {
        return false;
    }
    const std::vector<int> run = runFrom(state, card);
    // The run is judged by the suits the cards play as (a pack of fewer suits).
    std::vector<int> played;
    played.reserve(run.size());
    for (const int c : run) {
        if (c <= 0 || !state.cards.isFaceUp(c)) {
            return false;
        }
        played.push_back(table::shownCard(state.params, c));
    }
    return formsCompleteSuitRun(played);
}

bool foundationTakesSuitRun(const table::ProgramState& state, int index, int card) {
    if (state.params[param::FoundationTakesSuitRun] == 0 || index < 0 ||
        index >= table::kMaxFoundations || index >= state.params[param::FoundationCount] ||
        !state.piles.foundation(index).empty()) {
        return false;
    }
    return isCompleteSuitRun(state, card);
}

} // namespace vellomir::engine
