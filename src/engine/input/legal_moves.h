#pragma once

#include "engine/rules/card_move.h"
#include "table/pile_lists.h"

#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// One move a player may make in a general game: `count` cards starting
/// with `card` (its bottom card for a run) from pile `from` onto pile `to`.
using LegalMove = CardMove;

/// The moves of cards and runs the general games allow now, each judged as
/// the pointer input judges a press and a drop: the pick-up rules of the
/// tableaus, the waste, the foundations and the reserves (lift_rules.h,
/// with the run check and the run-size limit), then every pile whose own
/// target check takes what was lifted (dropTargets). Stock clicks, face-up
/// turns and the other games' clicks are not moves of this list. Nothing
/// on `state` changes and nothing is copied.
std::vector<LegalMove> legalMoves(const table::ProgramState& state, const seam::Frontend& frontend);

/// Whether the game lifts cards and carries them (it does not select,
/// click or discard them instead).
bool gameLiftsCards(const table::ProgramState& state);

/// How many cards a left press on `card` of `pile` would lift now in a
/// general game, judged as legalMoves judges it; 0 when it lifts none, and
/// always 0 in the games that select, click or discard instead. Asked of a
/// copy of the state; nothing changes.
int cardsLifted(const table::ProgramState& state, const seam::Frontend& frontend,
                const table::PileRef& pile, int card);

/// Carries out a move of the list as a drop does, then the automatic steps
/// after it (filling, autoplay while ticked) and the end of the game when
/// it ended. False, with nothing changed, when the move is not legal now.
bool playLegalMove(table::ProgramState& state, seam::Frontend& frontend, const LegalMove& move);

} // namespace vellomir::engine
