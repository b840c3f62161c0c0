#pragma once

namespace vellomir::engine {

class CompactPosition;

/// Whether the order in which the cards must go up runs in a circle, which
/// proves the position lost at once, however large its search would be.
///
/// A card that no tableau card takes, that no empty tableau and no free
/// cell takes, leaves its pile only for a foundation: every card under it
/// goes up after it, unless it may be lifted together with the card right
/// under it as part of a run. And a card that a foundation takes onto one
/// card only goes up after that card. Say the king of spades lies on the 5
/// of spades where kings have nowhere to go: the 5 goes up after the king,
/// which goes up after the queen, and so on down to the 5 again.
///
/// Games whose tableaus are dealt again, or whose foundations take whole
/// suit runs, move cards in other ways: for them the answer is false.
bool upOrderInCircle(const CompactPosition& position);

} // namespace vellomir::engine
