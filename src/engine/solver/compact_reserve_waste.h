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

/// A deal of a game with no tableaus whose reserves give their top cards to
/// the foundations, each built one way in suit from its started card, or
/// onto the waste, which takes a card of its top card's suit one rank up or
/// down, king and ace next to each other (Alhambra), as its fast search
/// holds it. The stock is turned a card at a time onto the waste, and the
/// waste, with every card built on it, is turned back to form the stock for
/// the passes left.
///
/// The stock and the waste are one row of cards, the talon, in the order
/// the stock turns them: the waste's from its bottom, then the stock's from
/// its top. A turn moves the line between them one card on, a card built on
/// the waste goes in at the line, the waste's top card is the one before it.
///
/// Every rule in it was asked of the engine when it was made: which cards
/// each foundation takes as it is built (its target check, from the waste
/// and from a reserve), which cards the waste takes onto which (the drop
/// test, every pair), that a reserve takes none, and what each click on
/// the stock does, turn-backs included (played through the pointer input on
/// a copy of the table until a click changes nothing).
struct ReserveWasteDeal {
    static constexpr int kMaxReserves = 8;
    static constexpr int kMaxFoundations = 8;
    static constexpr int kMaxReserveCards = 15;
    static constexpr int kMaxTalon = 120;

    int reserves = 0;
    int foundations = 0;
    /// Each reserve's cards from the bottom.
    std::vector<std::vector<std::uint8_t>> reservePiles;
    /// The talon in the order the stock turns it, and how many of its
    /// cards lie on the waste at the deal.
    std::vector<std::uint8_t> talon;
    int onWaste = 0;
    /// How many times the waste may still be turned back.
    int turnBacks = 0;
    /// Each foundation's suit, the rank its next card has (0: it takes no
    /// more) and the way it is built (+1 up, -1 down), rank by rank.
    std::array<std::uint8_t, kMaxFoundations> suit{};
    std::array<std::uint8_t, kMaxFoundations> next{};
    std::array<std::int8_t, kMaxFoundations> step{};
    /// The rank of the last card each foundation takes.
    std::array<std::uint8_t, kMaxFoundations> last{};
    /// Each card code's suit and rank, and its face (cards of the same
    /// face play alike).
    std::array<std::uint8_t, 128> suitOf{};
    std::array<std::uint8_t, 128> rankOf{};
    std::array<std::uint8_t, 128> faceOf{};
};

/// The deal in `dealt` as a ReserveWasteDeal, or nothing for a game of
/// another kind. Autoplay must be unticked: the search's lines leave every
/// card to the player. `geometry` lends sizes to the quiet frontend the
/// engine is asked through.
std::optional<ReserveWasteDeal> reserveWasteDealFor(const table::ProgramState& dealt,
                                                    const seam::Frontend& geometry);

/// One step of a line.
struct ReserveWasteMove {
    enum class Kind : std::uint8_t {
        ReserveUp,      ///< a reserve's top card onto a foundation
        WasteUp,        ///< the waste's top card onto a foundation
        ReserveToWaste, ///< a reserve's top card onto the waste
        Click,          ///< a click on the stock: a card turned, or the waste turned back
    };
    Kind kind = Kind::Click;
    std::uint8_t reserve = 0;
    std::uint8_t foundation = 0;
    std::uint8_t card = 0;
    friend bool operator==(const ReserveWasteMove&, const ReserveWasteMove&) = default;
};

/// A position of a ReserveWasteDeal, with its moves: the search's, and the
/// tests' to hold against the engine.
class ReserveWastePosition {
public:
    explicit ReserveWastePosition(const ReserveWasteDeal& deal);

    /// Every legal move, in no set order.
    void moves(std::vector<ReserveWasteMove>& out) const;
    /// Plays a move; the answer takes it back (with undo()).
    int apply(const ReserveWasteMove& move);
    void undo(const ReserveWasteMove& move, int undo);
    bool won() const { return m_left == 0; }
    int left() const { return m_left; }
    /// The position's key: a hash of the foundations, the reserves'
    /// heights, the turn-backs left and the talon's faces (never 0).
    std::uint64_t key() const;

    int wasteTop() const { return m_onWaste > 0 ? m_talon[at(m_onWaste - 1)] : 0; }
    int reserveTop(int r) const {
        return m_height[at(r)] > 0 ? m_deal.reservePiles[at(r)][at(m_height[at(r)] - 1)] : 0;
    }
    int reserveHeight(int r) const { return m_height[at(r)]; }
    int onWaste() const { return m_onWaste; }
    int talonSize() const { return m_talonSize; }
    int talonCard(int i) const { return m_talon[at(i)]; }
    int turnBacksLeft() const { return m_turnBacks; }
    int next(int f) const { return m_next[at(f)]; }
    /// The foundation that takes `card` now, or -1; after `after`.
    int foundationFor(int card, int after = -1) const;
    /// Whether foundation `f` may still take a card of `card`'s face some
    /// time.
    bool mayTake(int f, int card) const;
    /// Whether the waste takes `card` now.
    bool wasteTakes(int card) const;
    /// Whether the waste's top card can never go up, the waste being
    /// turned back no more: each foundation that may take it needs first a
    /// card of a face whose every copy not yet up lies under it.
    bool wasteTopBuried() const;
    const ReserveWasteDeal& deal() const { return m_deal; }

private:
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    const ReserveWasteDeal& m_deal;
    std::array<std::uint8_t, ReserveWasteDeal::kMaxTalon> m_talon{};
    int m_talonSize = 0;
    int m_onWaste = 0;
    int m_turnBacks = 0;
    int m_left = 0; // cards not up yet
    std::array<std::uint8_t, ReserveWasteDeal::kMaxReserves> m_height{};
    std::array<std::uint8_t, ReserveWasteDeal::kMaxFoundations> m_next{};
};

struct ReserveWasteSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<ReserveWasteMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first by limited discrepancy: rounds that let a line leave the
/// order of moves thought best once more each round, in two orders by
/// turns, each position searched once a round by its hashed key (with the
/// order and the allowance it had). A card a foundation takes goes up at
/// once, alone; else cards are built on the waste before the stock is
/// turned (in the second order, turned first where the waste's card is
/// needed soon); a card on the waste that can never go up ends the line.
/// Hashed keys may take two positions for one, so a search that ran out of
/// moves proves nothing: it ends won, or after `positions` positions or
/// when `stop` reads true (OutOfBudget).
ReserveWasteSearchResult searchReserveWasteDeal(const ReserveWasteDeal& deal, long positions,
                                                const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
