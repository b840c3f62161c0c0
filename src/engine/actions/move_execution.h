#pragma once

#include "engine/actions/move_action.h"
#include "engine/records/undo_snapshots.h"
#include "engine/rules/pile_location.h"
#include "table/card_removal.h"

#include <optional>
#include <string_view>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The one operation that changes the piles during play: carries out a
/// typed action (move_action.h), a move of `card` onto the pile it names
/// or a stock action, deal, refill or removal.
/// For a move, `card` is the card (the bottom card of a run, a run being
/// told by the group the program state carries); the stock actions read it
/// as the stock's top card; the other actions ignore it.
///
/// Around the action: the first-move rule of parameter 39, an undo
/// snapshot, the sound, the drawing, then the final steps: the empty stock
/// place, the score, automatic face-up of uncovered cards, clearing the
/// redo side, the move phase, the one-time refill of parameter 40, the
/// lowest card edge and the won flag (engine flag 8) for the games that end
/// on a score. Answers true when something was moved, dealt or removed.
/// The caller has judged the move legal.
bool executeMove(table::ProgramState& state, seam::Frontend& frontend, int card, MoveAction action);

/// Appends a card to a named pile ("Fila3", "Dest12", "Appogg2",
/// "Mazzo_Vis", "Mazzo", "Mazzo_Waste"); with a face flag ('1' or '0') the
/// card's face is set too, even when the name is no pile.
void appendToPile(table::ProgramState& state, std::string_view pileName, int card,
                  std::optional<char> faceFlag);

using table::Removal;
using table::RemovalKind;
using table::RemovalSource;
using table::removeAnywhere;
using table::removeFromPile;

/// A drop that no pile accepted: the picked-up cards, starting with
/// `firstCard`, are drawn back at their places (flying back from the drop
/// point (dropX, dropY) when cards animate) and, while cards are shadowed,
/// "card_down" plays. No pile
/// changes. Answers false when the card lies in no pile the player can pick
/// from.
bool returnPickedCards(table::ProgramState& state, seam::Frontend& frontend, int firstCard,
                       int dropX, int dropY);

/// True when the stock is empty and the waste holds at most one card.
bool stockAndWasteSpent(const table::ProgramState& state);

} // namespace vellomir::engine
