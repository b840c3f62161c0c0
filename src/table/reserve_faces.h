#pragma once

// The faces a reserve is dealt with (ReserveStartFace): n >= 1 turns its top n
// cards face up, the negative codes below lay out a pattern (setFacesOfPile,
// table/pile_lists.h).

namespace vellomir::table {

/// Every other card face up, from the bottom card on.
inline constexpr int kFacesAlternateFromBottom = -1;
/// Every other card face up, from the second card on.
inline constexpr int kFacesAlternateFromSecond = -2;
/// Only the bottom card face up.
inline constexpr int kFacesBottomCardUp = -3;

/// A reserve dealt all face down that shows only its last card (Eagle Wing's
/// trunk): dealing sets no face, and the one card left turns face up within
/// the action that left it alone.
inline constexpr int kReserveLastCardUp = -4;

} // namespace vellomir::table
