#pragma once

// The faces a reserve is dealt with (ReserveStartFace): n >= 1 turns its top n
// cards face up, -1 to -3 the patterns of setFacesOfPile (table/pile_lists.h).

namespace vellomir::table {

/// A reserve dealt all face down that shows only its last card (Eagle Wing's
/// trunk): dealing sets no face, and the one card left turns face up within
/// the action that left it alone.
inline constexpr int kReserveLastCardUp = -4;

} // namespace vellomir::table
