#pragma once

#include "seam/frontend.h"

#include <optional>
#include <string_view>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

// What a send does: a card (or a run) leaves its place for the first
// destination that takes it, without a drag. The pointer's right and double
// clicks, the click-to-play games and the autoplay sweep send.

/// What `sendCard` may do with a card.
struct SendRequest {
    /// A single card; otherwise the card goes with every card above it.
    bool single = true;
    /// Sent by the program itself (autoplay): foundation moves sound
    /// "Autoplay", and foundations whose base code waits for the player's
    /// first card are left alone.
    bool automatic = false;
    bool toTableausAndWaste = false;
    bool toReserves = false;
    bool toFoundations = false;
};

/// Whether the player may send `card` of the pile named `pileName` (a
/// face-up card: a foundation's as the take-back rule allows, the waste's,
/// a tableau's top card or a run from it where runs are limited in size, a
/// reserve's top card or any where covered reserve cards move), and as
/// what: a request for the card alone or with the cards above it, whose
/// destinations the gesture chooses. Nothing when it may not. Changes
/// nothing.
std::optional<SendRequest> sendableCard(const table::ProgramState& state, int card,
                                        std::string_view pileName);

/// Sends a card from its place to the first destination that takes it, in
/// the fixed order: foundations, non-empty tableaus, empty tableaus,
/// reserves, the waste. A face-down card is never sent. True when sent.
bool sendCard(table::ProgramState& state, seam::Frontend& frontend, int card, SendRequest request);

} // namespace vellomir::engine
