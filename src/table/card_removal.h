#pragma once

#include "table/pile_lists.h"

#include <optional>
#include <string>

namespace vellomir::table {

struct ProgramState;

// The deal's own way of taking a card off the table. The play engine's
// "remove anywhere" searches the same piles in the same order; once it is
// in place this file can give way to it.

/// Cuts the first occurrence of `card` out of a pile string. Returns the
/// card's 0-based slot, or -1 when the pile does not hold it.
int cutCardFromPile(std::string& pile, int card);

/// Puts `card` into a pile string at a 0-based slot (at the top when the slot
/// is past the end).
void insertCardIntoPile(std::string& pile, int slot, int card);

/// Takes `card` off the table, cutting it from the first pile that holds it:
/// the waste, the game's tableaus, foundations 1-16, the stock, the discard
/// pile, then reserves 1-10. Returns the pile it lay in, nothing when the
/// card is not on the table.
std::optional<PileRef> removeCardAnywhere(ProgramState& state, int card);

} // namespace vellomir::table
