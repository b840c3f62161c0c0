#pragma once

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

/// A deal of an adding game whose places refill from the stock (Elevens,
/// Tens, Fifteens, Eighteens) as the fast search holds it. Any card on the
/// table may be chosen, and after each removal the places left empty take
/// the stock's next cards: the table holds the first cards of the deal's
/// order less those gone, as many as it has places. A position is which
/// cards are gone, a bit each; the key is those bits, with no hash.
///
/// The selections that leave are the engine's selection rule's own: every
/// order of clicks on cards of the ranks it may take, each click joining
/// the selection while the rule leaves it open, is tried once when the
/// deal is made.
struct RefillDeal {
    static constexpr int kMaxCards = 62;
    /// The places of the table.
    int places = 0;
    /// The cards in the order the table takes them: those on the table,
    /// place by place, then the stock's from its top.
    std::vector<std::uint8_t> order;
    /// The ranks (1 to 13) of each selection that leaves, as counts by
    /// rank.
    std::vector<std::vector<std::uint8_t>> selections;
};

/// The deal in `dealt` as a RefillDeal, or nothing for a game of another
/// kind, a table with an empty place while the stock holds cards, or where
/// Autoplay (which fills the places) is off and `keepAutoplay` is asked.
std::optional<RefillDeal> refillDealFor(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry, bool keepAutoplay);

/// How a search of a RefillDeal ended.
struct RefillSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    /// The winning line: the cards of each removal.
    std::vector<std::vector<std::uint8_t>> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every removal, each position stored by its key and
/// never searched twice, in short passes of other orders as the search of
/// the discard games runs. Ends won, with every position seen (the deal
/// cannot be won), or after `positions` positions or when `stop` reads true.
RefillSearchResult searchRefillDeal(const RefillDeal& deal, long positions,
                                    const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
