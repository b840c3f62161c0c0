#pragma once

#include <array>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// True when the suits of the top cards of four foundations (0-based
/// indexes), with `card`'s suit put in place of the foundation at `position`
/// (0-3), contain no suit twice. A position outside 0-3 adds the card's suit
/// as a fifth entry. Empty foundations and jokers contribute nothing.
bool fourDistinctSuits(const table::ProgramState& state, const std::array<int, 4>& foundations,
                       int position, int card);

} // namespace vellomir::engine
