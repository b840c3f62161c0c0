#pragma once

#include "catalogue/rule_codes.h"

namespace vellomir::table {

struct ProgramState;

/// Deal arrangement 16: the aces dealt to the first reserve go up to the
/// foundations as they lie, each to the first empty one, and the stock's next
/// card takes each one's place, until the reserve holds no ace or the stock
/// or the empty foundations run out (Frog's deal). The reserve keeps its
/// count; the cards it receives lie face up on top.
inline constexpr int kReserveAcesUpArrangement =
    catalogue::codeOf(catalogue::DealArrangement::ReserveAcesUp);

/// Plays the arrangement on a dealt table (a game without a reserve or a
/// foundation is left alone).
void sendReserveAcesUp(ProgramState& state);

} // namespace vellomir::table
