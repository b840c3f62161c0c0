#pragma once

#include "table/pile_lists.h"

#include <optional>
#include <string>

namespace vellomir::table {

struct ProgramState;

/// How a card is taken out of a pile string.
enum class RemovalKind {
    /// Nothing changes; only tells whether the pile holds the card.
    Check = 0,
    /// The card's three digits are deleted.
    Cut = 1,
    /// The card's place becomes the "000" placeholder (grids keep their shape).
    LeaveGap = 2,
    /// Cut, and a "000" marker right in front of the card goes with it.
    CutWithMarker = 3,
};

/// Takes the first occurrence of `card` (1-108) out of a pile string, the
/// string scanned in whole three-digit groups. True when the card was there.
bool removeFromPile(std::string& pile, int card, RemovalKind kind);
bool removeFromPile(PileLists& piles, PileRef ref, int card, RemovalKind kind);

/// Where `removeAnywhere` found a card; the numbers are the answer codes the
/// engine's history and callers compare.
enum class RemovalSource : int {
    Stock = 1,
    Waste = 2,
    Discard = 3,
    Tableau = 4,
    Foundation = 5,
    Reserve = 6,
    Nowhere = 255,
};

struct Removal {
    RemovalSource source = RemovalSource::Nowhere;
    /// The pile the card lay in; nothing when it was not on the table.
    std::optional<PileRef> pile;
    /// Its 0-based place in that pile (before the removal).
    int slot = -1;

    explicit operator bool() const { return pile.has_value(); }
};

/// Takes `card` off the table: the piles are searched in the order waste,
/// the game's tableaus, foundations 1-16, stock, discard pile, reserves
/// 1-10, and the card is removed from the first that holds it. This is the
/// one search for a card to take away, used by the deal and by play.
Removal removeAnywhere(ProgramState& state, int card, RemovalKind kind);

/// Cuts the first occurrence of `card` out of a pile string. Returns the
/// card's 0-based slot, or -1 when the pile does not hold it.
int cutCardFromPile(std::string& pile, int card);

/// Puts `card` into a pile string at a 0-based slot (at the top when the slot
/// is past the end).
void insertCardIntoPile(std::string& pile, int slot, int card);

} // namespace vellomir::table
