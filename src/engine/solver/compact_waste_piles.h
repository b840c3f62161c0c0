#pragma once

#include <array>
#include <atomic>
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

/// A deal of a game whose stock is turned once, a card at a time, each card
/// placed before the next is turned, onto a foundation or onto any of a few
/// waste piles, from which only the top cards go on, to the foundations
/// (Sir Tommy, Calculation), as the fast search holds it. The only choice
/// is where each card goes, and which top card goes up when.
///
/// The foundations take cards by rank alone, each a fixed order of ranks
/// (its chain), so cards of one rank play alike: a position is how far
/// the stock is placed, how far each foundation is built and the ranks in
/// each waste pile, the piles taken in sorted order (they take cards
/// alike). Its key packs exactly those, with no hash, so that a search that
/// saw every key reachable proves the deal lost.
///
/// Every rule in it was asked of the engine when it was made: the order of
/// ranks each foundation takes (its target check, foundation by foundation,
/// on a copy of the table built up card by card), that each waste pile
/// takes every card from the waste and none from another pile, and what a
/// click on the stock does (played through the pointer input on a copy).
struct WastePilesDeal {
    static constexpr int kMaxPiles = 8;
    static constexpr int kMaxFoundations = 8;
    static constexpr int kRanks = 13;
    /// The bytes of a position's key.
    static constexpr int kKeyBytes = 32;

    int piles = 0;
    int foundations = 0;
    /// The cards still to be placed, in the order they come: the card on
    /// the waste (when one lies there), then the stock's from its top.
    std::vector<std::uint8_t> order;
    /// Whether the first card of `order` lies on the waste already.
    bool firstOnWaste = false;
    /// Each waste pile's cards from the bottom, as the table holds them,
    /// then the reserve's where the game has one (Frog): its top card goes
    /// only to a foundation, and nothing is put on it.
    std::vector<std::vector<std::uint8_t>> dealtPiles;
    /// Whether the last of `dealtPiles` is the reserve.
    bool hasReserve = false;
    /// Whether the key, too long to hold the position exactly, is a hash
    /// of it: then the search answers wins only.
    bool hashedKey = false;

    /// The waste piles and the reserve.
    int stacks() const { return piles + (hasReserve ? 1 : 0); }
    /// For each foundation, the ranks (1 to 13) it takes from here on, in
    /// turn; empty for a foundation that takes nothing more.
    std::vector<std::vector<std::uint8_t>> chains;
    /// Each card code's rank.
    std::array<std::uint8_t, 128> rankOf{};
};

/// The deal in `dealt` as a WastePilesDeal, or nothing for a game of
/// another kind, one whose foundations judge more than ranks, or one whose
/// key would not fit. `geometry` lends sizes to the quiet frontend the
/// engine is asked through.
std::optional<WastePilesDeal> wastePilesDealFor(const table::ProgramState& dealt,
                                                const seam::Frontend& geometry);

/// One step of a line: the next card of the order placed onto a waste pile
/// or a foundation, or a waste pile's top card sent to a foundation.
struct WastePilesMove {
    enum class Kind : std::uint8_t { NextToPile, NextToFoundation, PileToFoundation };
    Kind kind = Kind::NextToPile;
    std::uint8_t pile = 0;       ///< the waste pile it comes from or goes to
    std::uint8_t foundation = 0; ///< the foundation it goes to
    std::uint8_t card = 0;       ///< the card that moves
    friend bool operator==(const WastePilesMove&, const WastePilesMove&) = default;
};

/// The moves of a position as the search lists them, every one (the
/// search's order aside): the tests compare them with the engine's list.
class WastePilesPosition {
public:
    explicit WastePilesPosition(const WastePilesDeal& deal);

    /// Every legal move; of foundations that take the same ranks from here
    /// on only the first is named, and of empty waste piles only the first.
    void moves(std::vector<WastePilesMove>& out) const;
    void apply(const WastePilesMove& move);
    void undo(const WastePilesMove& move);
    bool won() const;
    /// How many cards of the order are placed.
    int placed() const { return m_placed; }
    int pileSize(int pile) const { return m_size[static_cast<std::size_t>(pile)]; }
    int pileCard(int pile, int i) const {
        return m_cards[static_cast<std::size_t>(pile)][static_cast<std::size_t>(i)];
    }
    int built(int foundation) const { return m_built[static_cast<std::size_t>(foundation)]; }
    /// Whether foundation `f` takes a card of `rank` now.
    bool takes(int f, int rank) const;
    /// The position's key: the cards placed, the foundations' heights and
    /// the piles' ranks in sorted order (rank 0 between two piles).
    std::array<std::uint64_t, WastePilesDeal::kKeyBytes / 8> key() const;
    /// Whether no card of some ranks can ever go up: a set of ranks none of
    /// whose cards is still to come, each card of them in a waste pile
    /// under a card that cannot go up before a card of the set has (for
    /// every foundation still taking that card, a rank of the set comes
    /// first there). The first card of the set to go up cannot be.
    bool stuck() const;
    const WastePilesDeal& deal() const { return m_deal; }

private:
    /// Writes the key's nibbles into `words`, long enough to hold them.
    template <typename Words> void writeKey(Words& words) const;

    static constexpr int kMaxPileCards = 64;
    const WastePilesDeal& m_deal;
    int m_placed = 0;
    std::array<int, WastePilesDeal::kMaxFoundations> m_built{};
    std::array<int, WastePilesDeal::kMaxPiles> m_size{};
    std::array<std::array<std::uint8_t, kMaxPileCards>, WastePilesDeal::kMaxPiles> m_cards{};
    /// For each foundation and rank, the rank's place in its chain (-1:
    /// not in it).
    std::array<std::array<std::int8_t, WastePilesDeal::kRanks + 1>, WastePilesDeal::kMaxFoundations>
        m_chainPlace{};
    /// For each foundation and height, the first foundation whose chain
    /// from its height on is the same (the foundations then take alike).
    std::vector<std::vector<std::uint8_t>> m_sameAs;
    /// Cards of each rank still in the order, not yet placed.
    std::array<int, WastePilesDeal::kRanks + 1> m_toCome{};
};

/// How a search of a WastePilesDeal ended.
struct WastePilesSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<WastePilesMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every move, each position stored by its key and never
/// searched twice, in short passes of other orders sharing the keys (as the
/// discard games' search runs): cards go up first, then each card is
/// placed where it covers the card needed latest after it. A position where
/// some rank is stuck (WastePilesPosition::stuck) is lost. Ends won, with
/// every position seen (the deal cannot be won), or after `positions`
/// positions or when `stop` reads true. `stuckCut` off is for the tests.
WastePilesSearchResult searchWastePilesDeal(const WastePilesDeal& deal, long positions,
                                            const std::atomic<bool>* stop = nullptr,
                                            bool stuckCut = true);

} // namespace vellomir::engine
