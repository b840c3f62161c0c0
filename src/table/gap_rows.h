#pragma once

#include "catalogue/game_parameters.h"

#include <optional>
#include <vector>

namespace vellomir::table {

struct ProgramState;

/// The rows of Montana and its kin (parameter GapRows = 1): each tableau is
/// a row of places side by side, a gap being the "000" placeholder. A card
/// moves alone into a gap: into the first place of a row when it has the
/// row's first rank (the row's TableauEmptyCode), elsewhere when the card
/// on the gap's left is of its suit and one rank lower. A row's run is the
/// cards from its first place on that follow each other in that way from a
/// card of the first rank; the game is won when every card lies in a run.

/// Whether the current game's tableaus are gap rows.
bool isGapRows(const catalogue::GameParameters& params);

/// The place (0-based) of row `row` that `card` may move into: the gap
/// after a card of its suit one rank lower, or the row's first place for
/// a card of the row's first rank; nothing when the row has no such gap.
std::optional<int> gapSlotFor(const ProgramState& state, int card, int row);

/// How many places of row `row`, from its first, hold its run.
int rowRunLength(const ProgramState& state, int row);

/// The cards in their places: the cards of every row's run.
int cardsInPlace(const ProgramState& state);

/// Every card of the rows lies in its row's run.
bool gapRowsWon(const ProgramState& state);

/// The cards a redeal gathers, row by row from the left: every card after
/// its row's run.
std::vector<int> cardsOutOfPlace(const ProgramState& state);

/// Deals `cards` (the gathered cards, in the order to deal them) back into
/// the places after the runs, row by row from the left: the first place
/// after each row's run stays a gap as long as gaps are owed (the rows
/// keep as many gaps as they had), and every other place takes the next
/// card. Each row keeps its number of places.
void dealAfterRuns(ProgramState& state, const std::vector<int>& cards);

} // namespace vellomir::table
