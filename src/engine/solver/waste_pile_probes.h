#pragma once

#include "table/pile_lists.h"

#include <optional>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

class QuietFrontend;
struct CardMove;

/// A rule check of one move on a table (destinationAccepts,
/// foundationTargetCheck).
using MoveCheck = bool (*)(const table::ProgramState&, seam::Frontend&, const CardMove&);

// Questions put to the engine about games whose stock is turned a card at a
// time onto the waste and placed from there onto piles (Sir Tommy,
// Calculation, Strategy), each on a copy of the table.

/// A copy of `dealt` with every pile emptied and every card face up: the
/// probes of the rules put on it just the cards a question needs.
table::ProgramState bareTable(const table::ProgramState& dealt, int cards);

/// Whether every one of the first `piles` tableaus takes every card from
/// the waste, onto nothing and onto another card, and none from another
/// tableau.
bool pilesTakeFromTheWasteOnly(const table::ProgramState& bare, QuietFrontend& frontend, int piles,
                               int cards);

/// Clicks on the stock of a copy of `table` through the pointer input, with
/// Autoplay off as the solver's lines play: true when a click onto an empty
/// waste turns just the stock's top card onto it and a click while the
/// waste holds a card changes nothing.
bool stockTurnsOneAtATime(table::ProgramState table, const seam::Frontend& geometry);

/// Whether `check` lets `card` alone onto pile `to` from the waste, asked
/// again with the card on `other` (both empty in `probe`, and left so):
/// nothing where the two answers differ, since the search would then need
/// to know where the card lies.
std::optional<bool> takesFromWasteAndPile(table::ProgramState& probe, QuietFrontend& frontend,
                                          MoveCheck check, int card, table::PileRef to,
                                          table::PileRef other);

} // namespace vellomir::engine
