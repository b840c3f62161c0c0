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

/// A deal of a game of pairs taken from the tops of the tableaus, the waste
/// and the stock (Pyramid and its variants of one pass and of passes
/// without end, Fourteen Out) as the fast search holds it. Cards only ever
/// leave: the tableaus' places, the stock and the waste hold the cards
/// dealt, in their order, less those gone. A position is which places and which stock
/// cards are gone, where the stock splits from the waste and how often the
/// waste was turned over; its key packs exactly those, with no hash, so
/// that a search that saw every key reachable proves the deal lost.
///
/// Every rule in it was asked of the engine when it was made: which cards
/// leave alone and which in pairs (the selection family's own judgement),
/// which places lie over which (the family's test of a free card), whether
/// the waste's top card may be chosen and the stock's may open a selection, and what a click on the
/// stock does (played through the pointer input on copies of the deal, and the result compared with
/// the model the search plays).
struct PairingDeal {
    static constexpr int kCodes = 128;
    static constexpr int kMaxPlaces = 64;
    static constexpr int kMaxStock = 32;
    /// The turnovers of a game whose waste turns over as often as wished.
    static constexpr int kEndlessTurnovers = -1;

    /// The cards of the tableaus (the pyramid's rows), tableau by tableau,
    /// and where each lies as dealt.
    struct Place {
        std::uint8_t card = 0;
        std::uint8_t row = 0;      // the tableau
        std::uint8_t position = 0; // its place in the tableau as dealt
    };
    std::vector<Place> places;
    /// For each place, the places (a bit each) that must be gone before it
    /// is free.
    std::array<std::uint64_t, kMaxPlaces> coveredBy{};
    /// The stock's and the waste's cards in the order the clicks turn
    /// them; the first `dealtSplit` lie on the waste.
    std::vector<std::uint8_t> stock;
    int dealtSplit = 0;
    /// Times the waste may be turned over, or kEndlessTurnovers.
    int turnovers = 0;
    /// Whether the click that turns the waste over also turns the next card.
    bool turnoverDeals = false;
    /// Whether a card leaving a tableau leaves a gap (the pyramid keeps the
    /// shape of its rows) rather than the cards above it closing up.
    bool leavesGaps = false;
    /// Whether the waste's top card may be chosen.
    bool wasteTopChosen = false;
    /// Whether the stock's top card may be chosen first (else only as the
    /// second card of a pair).
    bool stockTopAlone = false;
    /// Whether the stock's top card may join a card chosen before it.
    bool stockTopPairs = false;
    /// Cards that leave alone, and pairs that leave together.
    std::bitset<kCodes> alone;
    std::vector<std::bitset<kCodes>> pairs;
    /// The key's fields: the places gone from bit 0, then the stock cards
    /// gone, the split, the turnovers made; the mark above them.
    int stockShift = 0;
    int splitShift = 0;
    int turnoverShift = 0;
    int keyBits = 0;
};

/// The deal in `dealt` as a PairingDeal, or nothing for a game of another
/// kind (or one whose stock the model does not play as the engine does).
/// `geometry` lends sizes to the quiet frontend the engine is asked through.
std::optional<PairingDeal> pairingDealFor(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry);

/// Lays out the key of a deal whose places, stock and turnovers are set;
/// false when it would not fit in 64 bits.
bool layOutPairingKeys(PairingDeal& deal);

/// One step of a line: a click on the stock, a card leaving alone, or two
/// cards leaving together. A card is named by its place in the pyramid, or
/// as the waste's or the stock's top card.
struct PairingMove {
    static constexpr std::int8_t kStockClick = -1;
    static constexpr std::int8_t kNone = -2;
    static constexpr std::int8_t kWasteTop = 64;
    static constexpr std::int8_t kStockTop = 65;
    std::int8_t first = kStockClick;
    std::int8_t second = kNone;
};

/// How a search of a PairingDeal ended.
struct PairingSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    /// The winning line, every removal its own step (those the search made
    /// at once included).
    std::vector<PairingMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every move, each position stored by its key and never
/// searched twice. Removals that can never hurt are made at once: a card of
/// a tableau or the waste's top card that can only leave alone, and two
/// cards of the tableaus that can only leave with each other (a card gone
/// frees others or shows the waste's next card and changes nothing else,
/// so a winning line from before stays one, less that step and the click
/// that would have turned the card).
/// A position is lost once the cards left of some group joined by pairs
/// cannot all leave: each needs a partner of its own, and two cards never
/// meet where one lies under the other in a tableau, or where both lie on
/// the waste in the last pass. A position is not searched where the same
/// one with the waste turned over fewer times was. Ends won, with every
/// position seen (the deal cannot be won), or after `positions` positions
/// or when `stop` reads true. `safeRemovals` off is for the tests.
PairingSearchResult searchPairingDeal(const PairingDeal& deal, long positions,
                                      const std::atomic<bool>* stop = nullptr,
                                      bool safeRemovals = true);

} // namespace vellomir::engine
