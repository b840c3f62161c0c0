#pragma once

#include <string>

namespace vellomir::table {

class DealServices;
struct ProgramState;

/// The base rank a foundation takes from a card that starts it: the card's
/// rank, or -2 (set by the first foundation started) for a joker.
int foundationBaseRankOf(int card);

/// Offers a card lying on the table to the game's foundations from
/// `firstFoundation` (0-based) to the last. The first whose rules accept it
/// receives it: the card is taken from where it lies, put on top face up, and
/// the score grows by one card. Returns whether the card was placed; a card
/// that is not on the table is never placed.
bool placeOnFoundation(ProgramState& state, const DealServices& services, int card,
                       int firstFoundation = 0);

/// Offers a card by the group of the tableau it comes from (0-based):
/// tableaus 0-3 try foundations 1-4, tableaus 6-9 foundations 5-8, every
/// other tableau foundations 1-8, in that order and within the game's
/// foundations.
bool placeByTableauGroup(ProgramState& state, const DealServices& services, int card, int tableau);

/// Puts a card into the first empty place ("000") of a pile string, unless
/// the pile already holds a card of the same rank or has no empty place.
/// Returns whether the card went in. Face flags are left alone.
bool fillGap(std::string& pile, int card);

} // namespace vellomir::table
