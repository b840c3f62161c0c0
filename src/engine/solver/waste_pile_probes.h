#pragma once

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

class QuietFrontend;

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

} // namespace vellomir::engine
