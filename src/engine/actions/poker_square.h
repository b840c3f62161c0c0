#pragma once

// Poker Square: the tableaus are a square of five rows of five places, one
// card to a place, and the score is that of the poker hands the five rows
// and the five columns hold, counted in the American points.

#include "catalogue/game_parameters.h"

#include <array>
#include <span>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The places of the square, row by row from the top left.
inline constexpr int kPokerSquareSide = 5;
inline constexpr int kPokerSquarePlaces = kPokerSquareSide * kPokerSquareSide;

/// A square as card codes row by row, 0 for an empty place.
using PokerSquareGrid = std::array<int, kPokerSquarePlaces>;

/// Whether the game scores its tableaus as a poker square (PokerHands 1).
bool isPokerSquare(const catalogue::GameParameters& params);

/// The American points of one hand of up to five cards (codes, 0 for a
/// place still empty): royal flush 100, straight flush 75, four of a kind
/// 50, full house 25, flush 20, straight 15, three of a kind 10, two pairs
/// 5, one pair 2, nothing 0. A flush or a straight takes all five cards; an
/// ace ends a straight high (10 J Q K A) or starts it low (A 2 3 4 5).
int pokerHandPoints(std::span<const int> hand);

/// The points of the five rows and the five columns of a square.
int pokerSquarePoints(const PokerSquareGrid& grid);

/// The square as the first 25 tableaus hold it (each its top card).
PokerSquareGrid pokerSquareOf(const table::ProgramState& state);

/// Won once every place holds a card and the points reach the game's
/// TargetScore.
bool pokerSquareWon(const table::ProgramState& state);

} // namespace vellomir::engine
