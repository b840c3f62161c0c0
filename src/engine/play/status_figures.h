#pragma once

#include <optional>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// What the status bar shows of the game on the table.
struct StatusFigures {
    int moves = 0;
    /// The cards in the stock, where the game has one.
    std::optional<int> stockCards;
    /// Passes through the stock still to come, where the game limits them
    /// to more than one (a stock gone through once has none to count).
    std::optional<int> passesLeft;
};

StatusFigures statusFigures(const table::ProgramState& state, int moves);

} // namespace vellomir::engine
