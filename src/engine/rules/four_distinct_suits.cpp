#include "engine/rules/four_distinct_suits.h"

#include "table/card.h"
#include "table/program_state.h"

namespace vellomir::engine {

bool fourDistinctSuits(const table::ProgramState& state, const std::array<int, 4>& foundations,
                       int position, int card) {
    std::array<int, 5> suits{-1, -1, -1, -1, -1};
    for (std::size_t i = 0; i < foundations.size(); ++i) {
        const int f = foundations[i];
        if (f >= 0 && f < table::kMaxFoundations) {
            // A placeholder or an empty foundation shows no suit.
            const int top = table::topCardOf(state.piles.foundation(f));
            suits[i] = top > 0 ? table::suitOf(top) : -1;
        }
    }
    if (position >= 0 && position <= 3) {
        suits[static_cast<std::size_t>(position)] = table::suitOf(card);
    } else {
        suits[4] = table::suitOf(card);
    }
    std::array<int, 4> seen{};
    for (int suit : suits) {
        if (suit >= 0 && suit <= 3 && ++seen[static_cast<std::size_t>(suit)] > 1) {
            return false;
        }
    }
    return true;
}

} // namespace vellomir::engine
