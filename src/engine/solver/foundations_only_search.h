#pragma once

#include "engine/solver/action_search.h"

#include <atomic>
#include <optional>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// True for the games whose cards go nowhere but up: no card is ever put
/// on a tableau by the player, there are no reserves, nothing is dropped
/// on the waste, and a card on a foundation stays there (Osmosis, Peek,
/// Carpet, Auld Lang Syne). Play is sending top cards to the foundations,
/// turning the stock and turning up a face-down top card.
bool foundationsOnlyGame(const table::ProgramState& state);

/// True where no two cards ever contend for the same place on the
/// foundations: one pack of four suits on four alike foundations, each
/// taking the cards of one suit (in order, or in any order). Then a card
/// sent up takes nothing from any other card, and the piles only ever
/// gain from it: every move up may be made at once, and the deal has one
/// line worth playing.
bool sendsNeverContend(const table::ProgramState& state);

/// The search of the games foundationsOnlyGame() holds: depth first over
/// the engine's own moves (every move of its legal list, a click on a
/// face-down top card and on the stock), each played by the engine on a
/// copy through the pointer input, positions kept by their fingerprint
/// (tableFingerprint) and never searched twice. With `movesAtOnce`, a move
/// that can take nothing from any other card (where sendsNeverContend()
/// holds, a card onto a started foundation of its suit; in games whose
/// foundations take any suit, a card no other card could want the place
/// of) and the turn of a face-down card are the only child of a position
/// that has one. Autoplay is unticked first unless
/// `keepAutoplay`. Nothing when a position lists a move onto anything but
/// a foundation (the game is not one of these after all).
std::optional<ActionSearchResult> searchFoundationsOnly(const table::ProgramState& start,
                                                        const seam::Frontend& geometry,
                                                        long positions, bool keepAutoplay,
                                                        bool movesAtOnce,
                                                        const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
