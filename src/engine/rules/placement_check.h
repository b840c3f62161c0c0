#pragma once

#include "catalogue/rule_codes.h"

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Empty-pile codes that are letters: the character codes stored in the
/// empty code of a tableau or the base code of a foundation.
namespace empty_code = catalogue::empty_code;

/// Foundation base code -2: the base rank is set by the first foundation
/// started (the joker rules 72 and 75).
inline constexpr int kBaseSetByFirstFoundation = -2;

/// One question to the placement test: may `moving` go onto a pile whose
/// top card is `below`?
struct PlacementQuery {
    /// The target's top card; 0 or below (normally -1) for an empty target.
    int below = -1;
    /// The card to place; for a run, its bottom card.
    int moving = 0;
    /// The target's empty-pile code: a foundation's base code, a tableau's
    /// empty code, -1 where the caller has none.
    int emptyCode = -1;
    /// Tableau targets: the base code of foundation 1; foundation targets:
    /// their own base code; reserve targets: -1.
    int baseCode = -1;
    /// 0 down, 1 up, 2 up or down; anything else builds nothing.
    int direction = 0;
    /// The target's building rule code.
    int rule = 0;
    /// Set when the target is a foundation or a reserve.
    bool foundationFlag = false;
    /// Tableau targets: set when the tableau may be built on past its base
    /// rank. Set for foundation and reserve targets.
    bool baseFlag = false;
    /// 0-based index of the target within its kind.
    int targetIndex = 0;
    /// Set when a real placement is judged (drops, automatic moves, sending);
    /// clear for the pairs of a run, the deal's foundation test and clicks
    /// that only ask about neighbouring ranks.
    bool realPlacement = false;
    /// How many cards move: 1 for the card alone, more for a run of which it
    /// is the bottom card.
    int count = 1;
};

/// The placement test: judges placing a card (or a run by its bottom card) on
/// a pile by the pile's building rule, direction and empty-pile code. It
/// reads the piles, the card table and the game parameters and changes
/// nothing; every doubtful case answers no. The frontend is only used to
/// report a joker met where a suit is counted ("Error suit - 1").
bool placementAllowed(const table::ProgramState& state, seam::Frontend& frontend,
                      const PlacementQuery& query);

} // namespace vellomir::engine
