#pragma once

#include <optional>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

// The Clock (parameter ClockFace): thirteen tableaus laid as a clock face,
// the hours 1 to 12 for the ace to the queen and the kings' pile in the
// centre, all dealt face down. The one move turns the top card of the pile
// whose turn it is and puts it face up under the pile of its rank; that
// pile's top card is the next to turn. It begins with the kings' pile; the
// game is won when every card lies face up and lost when the last king is
// turned while cards are still face down. The move itself is the action
// ActionKind::TurnClockCard of executeMove.

/// The tableau (0-based) of the pile of a rank: 0 to 11 for the ace to the
/// queen, kClockKingsPile for the king.
inline constexpr int kClockKingsPile = 12;
int clockPileOfRank(int rank);

/// The tableau whose top card turns next: an hour pile that holds one card
/// more than it was dealt (the card just put under it), else the kings' pile
/// while a face-down card lies on it; nothing once the sequence has ended.
/// (An hour pile gains a card only by one of its own rank, so it holds one
/// more card than dealt exactly while its turn is due, and then it still
/// holds a face-down card.)
std::optional<int> clockPileToTurn(const table::ProgramState& state);

/// Whether every card of the clock lies face up: the game is won.
bool clockComplete(const table::ProgramState& state);

/// The cards face up in the hour piles, the kings not counted (48 at most).
int clockScore(const table::ProgramState& state);

} // namespace vellomir::engine
