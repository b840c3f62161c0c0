#pragma once

// The search of actions as the tests' independent judge of the fast
// searches: it is written apart from them (the engine's own moves and
// stock clicks, depth first, each position by its fingerprint), so where
// it ends its answer checks theirs, won and lost alike.

#include "engine/dealt_game.h"
#include "engine/solver/action_search.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <optional>

namespace vellomir::testing {

/// What the search of actions makes of the position of `table` within
/// `positions`: true won, false lost, nothing when it ran out first.
inline std::optional<bool> searchOfActionsWins(const DealtGame& table, long positions,
                                               const engine::PositionWorth& worth,
                                               bool keepAutoplay) {
    const engine::ActionSearchResult slow =
        engine::searchActions(table.state, table.frontend, positions, worth, keepAutoplay);
    if (slow.outcome == engine::ActionSearchResult::Outcome::OutOfBudget) {
        return std::nullopt;
    }
    return slow.outcome == engine::ActionSearchResult::Outcome::Won;
}

/// Orders for the search of actions: the most cards on the foundations, or
/// on the discard pile, first; or none.
inline int cardsOnFoundations(const table::ProgramState& state) {
    int up = 0;
    for (int f = 0; f < table::PileCounts::of(state.params).foundations; ++f) {
        up += table::cardCount(state.piles.foundation(f));
    }
    return up;
}
inline int cardsDiscarded(const table::ProgramState& state) {
    return table::cardCount(state.piles.stock(table::kDiscard));
}
inline int noWorth(const table::ProgramState&) {
    return 0;
}

} // namespace vellomir::testing
