#pragma once

#include <optional>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// What the status bar shows of the game on the table.
struct StatusFigures {
    int moves = 0;
    int stockCards = 0;
    /// Passes through the stock still to come, where the game limits them.
    std::optional<int> passesLeft;
};

StatusFigures statusFigures(const table::ProgramState& state, int moves);

} // namespace vellomir::engine
