#pragma once

#include "table/pile_lists.h"
#include "table/program_state.h"

#include <string_view>

namespace vellomir::table {

/// A point in window coordinates: x as stored, y less the scroll offset.
struct CardPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CardPoint&, const CardPoint&) = default;
};

/// The fan style of a pile: parameter 3 for tableaus, 4 for foundations, 5
/// for reserves; 0 (no fan) for the stock, the waste and the discard pile.
int fanStyleOf(const ProgramState& state, PileKind kind);

/// The top-left corner of a pile (of its bottom card) in window coordinates.
/// A stock pile's top card lies up and left of its place by the pile's depth.
CardPoint pilePosition(const ProgramState& state, PileRef pile);

/// Where the top card of stock pile `pile` lies when the pile holds `cards`
/// cards: up and left of the pile's place by its depth (pileDepth).
CardPoint stockTopPosition(const ProgramState& state, int pile, int cards);

/// Whether a pile has a place on the table (its x is not a not-placed marker).
bool isPlaced(const ProgramState& state, PileRef pile);

/// The steps between the cards of a fan that runs down (style 1) or to the
/// right (style 2), along its direction.
struct FanSteps {
    int faceDown = 0;
    int faceUp = 0;
    friend bool operator==(const FanSteps&, const FanSteps&) = default;
};

/// The steps a pile of fan style 1 or 2 uses when it holds `pileString`: the
/// fan steps of TMainGame, closed up just enough when the whole pile would
/// reach past its limit (`ProgramState::fanLimits`): the face-down steps
/// first, down to their minimum, then the face-up steps, down to the step
/// that still shows each card's index. Other fans get their plain steps.
FanSteps fanSteps(const ProgramState& state, PileRef pile, std::string_view pileString);

/// Where card `index` (0 the bottom card) of a pile lies, in window
/// coordinates, when the pile holds the cards of `pileString`. The pile's fan
/// style adds, for every card below:
///   1  the face-down or face-up step down (cells 66, 64),
///   2  the face-down or face-up step right (cells 67, 65),
///   4  a card width and the spacing unit (cell 72) to the right,
///   5  (reserves) the plain fan step (cell 75) down,
///   6  (tableaus) the fan style 6 step (cell 83) to the right;
/// style 7 moves every card but the bottom one a single face-up step down.
/// Styles 1 and 2 take their steps from `fanSteps`, so a long fan closes up.
/// Downward-fanned tableaus (style 1) also take the jitter offset sideways
/// when `Piles_TT` is on. A placeholder ("000") counts as a face-up card.
CardPoint cardPosition(const ProgramState& state, PileRef pile, std::string_view pileString,
                       int index);

/// The same for the pile as it lies in the pile lists.
CardPoint cardPosition(const ProgramState& state, PileRef pile, int index);

/// Where the top card of a pile lies; the pile's own position when it is empty.
CardPoint topCardPosition(const ProgramState& state, PileRef pile);

/// Where the next card appended to a pile will lie (face up).
CardPoint nextCardPosition(const ProgramState& state, PileRef pile);

} // namespace vellomir::table
