#pragma once

#include <string>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The places the solver presses and drops on at a position, in the words of
/// a play session.
struct SolverPlaces {
    /// Places a press may start from: the top of every pile on the table
    /// ("Fila3", also an empty pile's place) and every covered face-up card
    /// ("Fila3:2"); covered face-down cards are left out, since a press on
    /// them lifts or selects nothing.
    std::vector<std::string> sources;
    /// Places a card may be dropped on: every pile on the table, by name, and
    /// every gap ("000") inside a pile ("Fila2:3").
    std::vector<std::string> targets;
};

/// The places of the piles on the table now: the stock, waste and discard
/// pile where the layout placed them, then the game's foundations, tableaus
/// and reserves.
SolverPlaces solverPlaces(const table::ProgramState& state);

} // namespace vellomir::engine
