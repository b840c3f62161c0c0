#pragma once

#include <array>
#include <atomic>
#include <bitset>
#include <cstddef>
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

/// A deal of Aces Up as the fast search holds it: a row of piles that take
/// nothing but a card moved into a space, a discard foundation that takes a
/// top card while another pile shows a card that beats it, and a stock that
/// deals one card onto every pile at a click.
///
/// A pile's cards only ever leave from its top, and a card moved goes into
/// a space, under everything the stock deals there later. So a position is
/// the stock's rounds still to come and, for each card, whether it lies
/// where the deal put it, has been discarded, or lies at the bottom of a
/// pile it was moved to: its key packs exactly that, so two positions never
/// share a key and a search that met every key proves the deal lost.
///
/// Every rule in it was asked of the engine when it was made: which top
/// card the foundation takes while which other one shows (the foundation's
/// own check on a table of the two), which cards a space takes, and what a
/// click on the stock does (played through the pointer input on a copy of
/// the deal, round by round).
struct AcesUpDeal {
    static constexpr int kCodes = 53; // card codes 1 to 52
    static constexpr int kMaxPiles = 8;

    int piles = 0;
    /// Each pile's cards from the bottom, as the search starts.
    std::vector<std::vector<std::uint8_t>> start;
    /// The stock's rounds in the order they are dealt: the card each pile gets.
    std::vector<std::array<std::uint8_t, kMaxPiles>> rounds;
    /// discardsWith[card][other]: the foundation takes `card` from a pile's
    /// top while another pile shows `other`.
    std::array<std::bitset<kCodes>, kCodes> discardsWith{};
    /// The cards a space takes.
    std::bitset<kCodes> spaceTakes;
    /// Cards on the foundation as the search starts, and how many it holds
    /// when the game is won.
    int discarded = 0;
    int discardsToWin = 0;
};

/// The deal in `dealt` as an AcesUpDeal, or nothing for a game of another
/// kind (or one whose stock does anything but deal a card onto each pile).
std::optional<AcesUpDeal> acesUpDealFor(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry);

/// One move of the search.
struct AcesUpMove {
    enum class Kind : std::uint8_t { Discard, IntoSpace, Deal };
    Kind kind = Kind::Deal;
    std::int8_t from = 0; ///< the pile whose top card goes
    std::int8_t to = 0;   ///< the space it goes into
    friend bool operator==(const AcesUpMove&, const AcesUpMove&) = default;
};

/// How a search of an AcesUpDeal ended.
struct AcesUpSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<AcesUpMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every move, each position stored by its exact key and
/// never searched twice, in short passes of different move orders sharing
/// the positions searched out. Ends won, with every position seen (the deal
/// cannot be won), or after `positions` positions or when `stop` reads true.
AcesUpSearchResult searchAcesUpDeal(const AcesUpDeal& deal, long positions,
                                    const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
