#pragma once

#include "catalogue/game_parameters.h"

namespace vellomir::engine {

/// The step of the generic building test when game parameter RankStep asks
/// for more than one rank: 2 for the games built by twos (Mount Olympus),
/// 3 for those built by threes. 1 when the cell is 0 or 1, as every other
/// game plays.
int rankStep(const catalogue::GameParameters& params);

/// Whether the game builds by a step of more than one rank.
bool buildsByRankStep(const catalogue::GameParameters& params);

/// Whether `moving` lies `step` ranks from `below` in the pile's direction
/// (0 down, 1 up, 2 either way). The ranks never turn the corner: nothing
/// goes on a king building up by three but the end of the pile, and an ace
/// never follows a queen.
bool stepsByRank(int below, int moving, int direction, int step);

/// How many cards a pile built by `step` holds from a card of rank `base`
/// to the last rank in `direction` (0 down to the ace, 1 up to the king):
/// 7 from the ace up by two (A 3 5 7 9 J K), 4 from the 2 up by three.
int ranksReachedByStep(int base, int direction, int step);

} // namespace vellomir::engine
