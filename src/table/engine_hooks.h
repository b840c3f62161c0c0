#pragma once

namespace vellomir::seam {
class Frontend;
}

namespace vellomir::table {

struct ProgramState;

/// Parts of the play engine that long actions call but that live elsewhere
/// (the game clock, the automatic filling of empty piles). The program wires
/// them at start-up; an empty hook does nothing. Plain function pointers, so
/// that copying the program state copies no reference to another state.
struct EngineHooks {
    /// Brings the clock label up to date between the cards of a long action.
    void (*refreshClock)(ProgramState& state, seam::Frontend& frontend) = nullptr;
    /// Refills empty piles by the game's filling style; true when it did.
    bool (*fillEmptyPiles)(ProgramState& state, seam::Frontend& frontend) = nullptr;
};

} // namespace vellomir::table
