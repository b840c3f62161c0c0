#pragma once

#include <vector>

namespace vellomir::table {

class DealServices;
struct ProgramState;

/// What became of the cards of a deal array that did not reach the table.
struct DealOutcome {
    /// Cards the game takes out of play: those a puzzle preparation leaves
    /// out, and those an arrangement lifts off the table (aces or kings
    /// turned into gaps, an emptied cell).
    std::vector<int> setAside;
    /// Cards still in the deal array when the deal ends (the game's pile
    /// counts asked for fewer cards than it holds).
    std::vector<int> undealt;
    /// Entries of the deal array that are no card (not 0 and not 1-108) or
    /// repeat a card already in it; they are never dealt.
    std::vector<int> rejected;
};

/// Deals a deal array (card codes in deal order, 0 an empty slot) into the
/// pile lists as the game parameter table prescribes, and sets the face of
/// every card dealt. The piles must be empty and the per-pile parameters
/// fresh from their backup: the deal writes foundation base ranks (48 + f)
/// and empty-tableau codes (128 + t) for this deal.
///
/// Order: the puzzle preparation of parameter 33; the foundations' starting
/// cards (96 + f); the first discard card (288); the special tableau cards
/// (counts 1001-1499 and 1501-1504); stock (308, face up when parameter 6 is
/// 0); waste (309); tableaus (311 + t, face mode 339 + t); discard pile
/// (367); reserves (368 + r, face mode 378 + r); the foundation base mode
/// (1); empty-tableau code 91; one more card to foundation 1 (11); the aces
/// of family 11; the arrangements after the deal; and last the score of the
/// dealt position. Every card of the deal array ends on the table once, or
/// in the outcome.
DealOutcome distributeDeal(ProgramState& state, const std::vector<int>& dealArray,
                           const DealServices& services);

} // namespace vellomir::table
