#pragma once

#include "engine/solver/compact_position.h"
#include "engine/solver/key_set.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace vellomir::engine {

/// How a fast search ended.
enum class CompactOutcome {
    Won,       ///< a winning line was found
    Exhausted, ///< every position reachable by the moves searched was seen
    OutOfBudget,
};

struct CompactSearchResult {
    CompactOutcome outcome = CompactOutcome::OutOfBudget;
    /// The winning line, safe foundation moves included, from the start.
    std::vector<CompactMove> line;
    /// Positions stored (all orders together).
    long positions = 0;
    /// Bytes the stored positions took, added over the orders (the set of
    /// keys, and the best-first orders' lines and queue).
    std::size_t storedBytes = 0;
};

/// The orders the fast search tries its moves in; each order searches on
/// its share of the budget, and the first win ends the search.
enum class MoveOrder {
    FoundationsAndBuilds, ///< foundations, then cards uncovered, builds, spaces last
    /// Best first: the stored position nearest a win (CompactPosition::
    /// distance, plus a little for every move made, which keeps lines
    /// short) is searched next.
    NearestFirst,
    /// Best first, with more weight on keeping free cells and tableaus
    /// empty and less on the line's length.
    NearestFirstSpaces,
    /// Best first over the focused moves (CompactPosition::focusedMoves).
    NearestFirstFocused,
};

/// Searches from `start` over its legal moves (depth first, or best first
/// for MoveOrder::NearestFirst), in each order of
/// `orders` in turn on a share of `positions`: safe foundation moves are
/// made at once, every position is stored by its key and never searched
/// twice. `stop`, when set, ends the search as out of budget.
CompactSearchResult compactSearch(CompactPosition start, long positions,
                                  const std::vector<MoveOrder>& orders,
                                  const std::atomic<bool>* stop = nullptr);

/// Rounds of short best-first searches: each of `orders` in turn on 2,000
/// positions, then on twice as many each round until `positions` are spent,
/// from the second round on with a spread added to the positions' scores
/// (drawn from their keys, a new seed for every search), so that each
/// search goes its own way among positions of about equal promise. Ends at
/// the first win, or when a search over every move saw every position (the
/// deal cannot be won). For Forty Thieves and its kin, where a long search
/// seldom finds what short ones miss.
CompactSearchResult compactRestarts(CompactPosition start, long positions,
                                    const std::vector<MoveOrder>& orders,
                                    const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
