#pragma once

#include <vector>

namespace vellomir::table {

class DealQueue;
class DealServices;
struct ProgramState;

/// The arrangements that follow the deal, in this order:
/// - starting-card code 93, 94 or 95 on foundation 1: the foundations sweep
///   the tableaus (see sweepTableausToFoundations);
/// - starting-card code 96 on foundation 1: aces in the tableaus go to the
///   foundations, each replaced in place by the stock's top card (the
///   waste's when the stock is empty);
/// - family 22: the queen of hearts goes face up onto tableau 1, the king of
///   hearts to the bottom of the stock;
/// - arrangement code 33: 1 kings at the bottom of tableaus and foundations
///   exchanged with the stock; 2 and 4 the rest of the deal laid in tableaus
///   that each start at a king (2) or queen (4), then the sweep; 3 tableaus
///   redealt so that none holds a rank twice; 5 and 6 the rest of the deal
///   sorted into tableaus by rank; 7 the tableaus' bottom cards offered to
///   the foundations from the one of the same number on; 8 and 15 aces (8)
///   or kings (15) turned into gaps, with 15 padding every tableau to nine
///   places; 9 the tableau started by the last card of the puzzle emptied;
///   10 a random tableau other than the last emptied; 13 the rest of the
///   deal starting the foundations.
/// Cards an arrangement lifts out of play are added to `setAside`.
void arrangeAfterDeal(ProgramState& state, DealQueue& deck, const DealServices& services,
                      std::vector<int>& setAside);

/// Offers every tableau card to the foundations, once each, as they lay when
/// the sweep began: tableau by tableau from the bottom card up when
/// parameter 23 is not 0, else depth by depth (the bottom card of every
/// tableau, then the second, ...) up to the tallest tableau.
void sweepTableausToFoundations(ProgramState& state, const DealServices& services);

} // namespace vellomir::table
