#pragma once

#include "engine/input/hit_test.h"
#include "seam/frontend.h"

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

// What a press of the pointer on a place means in the current game: the
// rules of the pointer input, apart from its gestures. A press may lift a
// card (the gesture then carries it), turn a card, act on the stock or send
// a card straight to the discard pile; the pick-up rules themselves are in
// lift_rules.h, shared with the list of legal moves.

/// What the gesture does after the rules of a press have run.
enum class PressAnswer {
    Nothing,     ///< nothing more (the press acted already, or did nothing)
    LiftCard,    ///< the card is picked up alone
    LiftRun,     ///< the card is picked up with every card above it
    ShowCovered, ///< the covered card is shown whole while the button is held
};

/// The rules of a press with `button` (0 left, 1 right) on the card or pile
/// `hit` in the games that pick cards up (neither selection games nor
/// click-to-play ones): a tableau card lifts, turns or shows itself whole; a
/// Golf-like or Black Hole click discards it; the waste card lifts, the
/// empty waste counts a pass; the stock acts; a foundation or reserve card
/// lifts where the game lets it.
PressAnswer pressRules(table::ProgramState& state, seam::Frontend& frontend, const HitResult& hit,
                       int button);

/// A press on the stock: the stock action the game calls for (a deal to the
/// waste, a pass, a later deal to the tableaus or reserves, a redeal of the
/// tableaus).
void pressStock(table::ProgramState& state, seam::Frontend& frontend);

/// Whether a card picked up goes straight to the discard pile instead of
/// being carried (Golf, Golf around the corner, Black Hole).
bool liftedCardGoesToDiscard(const table::ProgramState& state);

/// Whether a click on `card`, free on its pile, sends it to the discard pile
/// now in a Golf-like or Black Hole game: the discard pile's top card and
/// the card decide. The fast search of those games asks it for its tables.
bool discardTakes(const table::ProgramState& state, seam::Frontend& frontend, int card);

/// Sends the card under `hit` straight to the discard pile (flying when
/// cards animate) and ends the game when that decided it.
void discardAtOnce(table::ProgramState& state, seam::Frontend& frontend, const HitResult& hit);

/// Whether a right click sends a card away (not in the games whose right
/// button plays: Blank, Gaps and the games that only mark cards).
bool rightClickSends(const table::ProgramState& state);

/// Whether the game picks cards out as a selection instead of lifting them.
bool isSelectionGame(const table::ProgramState& state);

/// Ends the game when it is won, or lost by its own rules.
void endGameIfDecided(table::ProgramState& state, seam::Frontend& frontend);

} // namespace vellomir::engine
