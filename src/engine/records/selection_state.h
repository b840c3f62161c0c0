#pragma once

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// True in the games where foundation 1 holds the player's selection (the
/// codes of the selected cards) rather than cards of its own: games with a
/// selection target (parameter 38 not 0) and game types 3 and 4. There the
/// selection is a view of cards lying elsewhere, not a place.
bool foundationOneIsSelection(const table::ProgramState& state);

} // namespace vellomir::engine
