#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// A deal of a game whose stock is turned once, a card at a time, each
/// card placed on one of a few piles before the next is turned, and whose
/// foundations take nothing until the stock is spent; then the piles' top
/// cards go up, each foundation taking its own cards in a fixed order
/// (Strategy). The only choice is the pile of each card.
///
/// Once every card is placed, the deal is won exactly when no card must go
/// up both before and after another: a card lying above another leaves its
/// pile first, and a card goes up after the cards its foundation takes
/// before it. So the search places the cards one by one, keeping for each
/// card the cards that must go up before it, and never makes a placement
/// that would make a card wait for itself.
///
/// Every rule in it was asked of the engine when it was made: that each
/// pile takes every card from the waste and none from another pile, that
/// no foundation takes a card while the stock holds one, the cards each
/// foundation takes once it is spent, one after another (its target check
/// on a copy of the table built up card by card), and what a click on the
/// stock does (played through the pointer input on a copy).
struct PlacedPilesDeal {
    static constexpr int kMaxPiles = 10;
    static constexpr int kMaxCards = 63;

    int piles = 0;
    /// The cards still to be placed, in the order they come: the card on
    /// the waste (when one lies there), then the stock's from its top.
    std::vector<std::uint8_t> order;
    /// Whether the first card of `order` lies on the waste already.
    bool firstOnWaste = false;
    /// Each pile's cards from the bottom, as the table holds them.
    std::vector<std::vector<std::uint8_t>> dealtPiles;
    /// For each foundation, the cards it takes from here on, in turn.
    std::vector<std::vector<std::uint8_t>> chains;
};

/// The deal in `dealt` as a PlacedPilesDeal, or nothing for a game of
/// another kind. `geometry` lends sizes to the quiet frontend the engine is
/// asked through.
std::optional<PlacedPilesDeal> placedPilesDealFor(const table::ProgramState& dealt,
                                                  const seam::Frontend& geometry);

/// One step of a line: the next card placed on a pile, or a pile's top card
/// sent to a foundation.
struct PlacedPilesMove {
    enum class Kind : std::uint8_t { Place, Send };
    Kind kind = Kind::Place;
    std::uint8_t pile = 0;
    std::uint8_t foundation = 0;
    std::uint8_t card = 0;
    friend bool operator==(const PlacedPilesMove&, const PlacedPilesMove&) = default;
};

struct PlacedPilesSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    /// The winning line: every card placed, then every card sent up.
    std::vector<PlacedPilesMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over the placements, each position (the piles, in sorted
/// order) searched once; a search that met every position proves the deal
/// lost. Ends after `positions` positions or when `stop` reads true.
PlacedPilesSearchResult searchPlacedPilesDeal(const PlacedPilesDeal& deal, long positions,
                                              const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
