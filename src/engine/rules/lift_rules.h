#pragma once

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// What a press on a tableau card does in the general games.
enum class TableauLift {
    Nothing, ///< the card stays
    Locked,  ///< the pile lies in a locked row: a press does nothing at all
    Card,    ///< the card is lifted alone
    Run,     ///< the card is lifted with every card above it
    TurnUp,  ///< the face-down top card turns face up
};

/// The pick-up rules of the tableaus, asked by the pointer input on a press
/// and by the list of legal moves: a free-form fan lifts any card alone,
/// locked rows lift nothing, a top card lifts (a face-down one turns up) on
/// the left button, a face-up card under others lifts with them when the
/// run is well built (runCheck) and short enough (runSizeLimit). Changes
/// nothing. `button` 0 is the left.
TableauLift tableauLift(const table::ProgramState& state, seam::Frontend& frontend, int card,
                        int tableauIndex, int button);

/// Whether the waste's top card may be lifted (parameter 7).
bool wasteCardLifts(const table::ProgramState& state);
/// Whether `card`, the top card of foundation `index`, may be taken back
/// (parameter 17: always, from a pile of more than one card, or a joker).
bool foundationCardLifts(const table::ProgramState& state, int index, int card);
/// Whether `card` of reserve `index` may be lifted: its face-up top card,
/// or any card where covered reserve cards move (parameter 13 at -11).
bool reserveCardLifts(const table::ProgramState& state, int index, int card);

} // namespace vellomir::engine
