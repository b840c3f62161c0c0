#pragma once

#include "catalogue/rule_codes.h"

#include <optional>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

struct PlacementQuery;

/// The run that starts at `card`: the card and every card above it in the
/// same pile, bottom first. Tableaus 1 to the game's count are searched
/// first, then the game's reserves; empty when the card is in neither. A card
/// on top of its pile gives a run of one.
std::vector<int> runFrom(const table::ProgramState& state, int card);

/// As runFrom; with `take` set the run is also cut from its pile.
std::vector<int> extractRun(table::ProgramState& state, int card, bool take);

/// True when the card is the top card of one of the game's tableaus or
/// reserves (tableaus searched first).
bool isTopOfPile(const table::ProgramState& state, int card);

/// True when the run starting at `card` is well built for tableau
/// `tableauIndex` (0-based): by game parameter 2, each adjacent pair obeys
/// the tableau's own building rule (1) or the same-suit rule (10) in the
/// tableau's direction; any other value checks nothing.
bool runCheck(const table::ProgramState& state, seam::Frontend& frontend, int card,
              int tableauIndex);

/// The question runCheck puts to the placement test about card `above`
/// lying on card `below` in a run checked for tableau `tableauIndex` (game
/// parameter 2 being 1 or 10).
PlacementQuery runPairQuery(const table::ProgramState& state, int tableauIndex, int below,
                            int above);

/// Whether an empty tableau `t` takes any card its code may be given by the
/// player (code -1 and the codes that ask no rank), so that a run moved card
/// by card may rest any of its cards there: what run-size code -5 counts.
bool emptyTableauTakesAnyCard(const table::ProgramState& state, int t);

/// True when the run starting at `card` is not longer than game parameter 12
/// allows. `targetEmpty` tells whether the run would go onto an empty
/// tableau (it lowers the free-cell count of code -5). Changes nothing.
bool runSizeLimit(const table::ProgramState& state, int card, bool targetEmpty);

/// Run-size code of the usual free-cell limit: (empty free cells + 1) doubled
/// for every empty tableau that is not the target.
inline constexpr int kDoublingRunLimit =
    catalogue::codeOf(catalogue::RunSizeLimit::DoublingThroughEmptyPiles);
/// The doublings counted at most (28 tableaus would overflow).
inline constexpr int kMostDoublings = 20;

/// The longest run that run-size code `code` (parameter 12) lets move, given
/// the empty tableaus and reserves; nothing when the code sets no length
/// (-1 unlimited; -12 and -13 judge the run's shape instead).
std::optional<int> runLengthLimit(int code, int emptyTableaus, int emptyReserves, bool targetEmpty);

} // namespace vellomir::engine
