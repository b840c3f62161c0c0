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

/// A deal of a game whose every move sends a free card to the discard pile
/// (Golf, TriPeaks, Black Hole), as the fast search holds it. Cards only
/// ever leave the tableaus and the stock, so a position is how many cards
/// each tableau and the stock still hold and the discard pile's top card;
/// its key packs exactly those, with no hash, so that two positions never
/// share a key and a search that saw every key proves the deal lost.
///
/// Every rule in it was asked of the engine when it was made: which card
/// the discard pile takes on which (discardTakes, the test a click on a
/// card runs), which tableaus lie over which (the peaks' own covering), and
/// what a click on the stock does (played through the pointer input on a
/// copy of the deal).
struct DiscardDeal {
    static constexpr int kCodes = 128;
    static constexpr int kMaxTableaus = 32;
    /// The move that clicks the stock; a tableau's move is its number.
    static constexpr int kStockClick = -1;

    int tableaus = 0;
    /// Each tableau's cards from the bottom, as dealt.
    std::vector<std::vector<std::uint8_t>> piles;
    /// For each tableau, the tableaus (a bit each) that must be empty before
    /// its top card is free.
    std::array<std::uint32_t, kMaxTableaus> coveredBy{};
    /// The stock's cards from the bottom; a click turns the top one onto
    /// the discard pile.
    std::vector<std::uint8_t> stock;
    /// The discard pile's top card as dealt (0 for an empty pile).
    std::uint8_t discardTop = 0;
    /// takes[top][card]: whether the discard pile, its top card `top` (0
    /// when empty), takes `card`.
    std::vector<std::bitset<kCodes>> takes;
    /// Top cards the discard pile treats alike (the same cards go onto
    /// them: in these games, cards of one rank) are one class, numbered
    /// from 0 in the order of their first card.
    std::array<std::uint8_t, kCodes> topClass{};
    /// Where each tableau's count, the stock's count and the top card's
    /// class lie in a key, and the bits they take together (the key's mark,
    /// which keeps every key from 0, is the bit above them).
    std::array<int, kMaxTableaus> shift{};
    int stockShift = 0;
    int topShift = 0;
    int keyBits = 0;
};

/// The deal in `dealt` as a DiscardDeal, or nothing for a game of another
/// kind (or one whose stock does anything but turn its top card onto the
/// discard pile). `geometry` lends sizes to the quiet frontend the engine
/// is asked through.
std::optional<DiscardDeal> discardDealFor(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry);

/// Fills in the classes of top cards and the key's layout of a deal whose
/// piles, stock and `takes` are set; false when its key would not fit in
/// 64 bits.
bool layOutKeys(DiscardDeal& deal);

/// How a search of a DiscardDeal ended.
struct DiscardSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    /// The winning line: tableau numbers and DiscardDeal::kStockClick.
    std::vector<int> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every move, each position stored by its key and never
/// searched twice (as black-hole-solver searches): cards from the fullest
/// tableaus first, the stock last. Keys of up to 32 bits (Golf) are stored
/// in 4 bytes. Ends won, with every position seen
/// (the deal cannot be won), or after `positions` positions or when `stop`
/// reads true.
DiscardSearchResult searchDiscardDeal(const DiscardDeal& deal, long positions,
                                      const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
