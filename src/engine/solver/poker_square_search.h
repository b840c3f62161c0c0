#pragma once

#include "engine/actions/poker_square.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// A deal of Poker Square as its search holds it: the 25 cards the stock
/// turns, in turn, each to be laid in an empty place of the square, and
/// the points that win. The search sees the stock as the table holds it,
/// so every arrangement of the 25 cards is one the player can lay: the
/// search looks for an arrangement whose rows and columns reach the
/// target, then lays each card where that arrangement puts it.
struct PokerSquareDeal {
    /// The cards in the order the stock turns them.
    PokerSquareGrid turned{};
    int target = 0;
};

/// The deal in `dealt` as a PokerSquareDeal: nothing for another game, or
/// while any card already lies in the square (the search starts from the
/// deal).
std::optional<PokerSquareDeal> pokerSquareDealFor(const table::ProgramState& dealt);

/// How a search of a PokerSquareDeal ended.
struct PokerSquareSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    /// For each card in the order it is turned, the place (0 to 24, row by
    /// row) it is laid in.
    std::vector<int> line;
    /// Arrangements scored.
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Simulated annealing over the arrangements, two places swapped at a
/// step, from arrangements drawn by a generator seeded with the deal (the
/// same deal is searched alike every time). Ends won, or after `positions`
/// arrangements scored or when `stop` reads true; it never proves a deal
/// lost.
PokerSquareSearchResult searchPokerSquare(const PokerSquareDeal& deal, long positions,
                                          const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
