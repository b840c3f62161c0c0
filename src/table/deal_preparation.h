#pragma once

#include <vector>

namespace vellomir::table {

/// Narrows a deal array to the cards a puzzle deal uses, before anything is
/// dealt. `preparation` is the game's arrangement code:
///   9  keep hearts from the ace up to `tableauCount` cards (clubs from the
///      ace carry on past the king of hearts);
///   11 keep the first card of each rank from 1 to `tableauCount`;
///   14 keep, for each rank 1 to 9, the first card in the suit of the first
///      card dealt;
///   12 keep a fixed set of cards that shrinks with three or four tableaus.
/// Other codes keep everything. The kept cards stay in deal order; the cards
/// taken out are returned, in deal order.
std::vector<int> prepareDealCards(std::vector<int>& cards, int preparation, int tableauCount);

} // namespace vellomir::table
