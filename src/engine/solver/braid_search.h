#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// A deal of Braid as its search holds it: the braid (reserve 1), four
/// corners that the braid refills, eight cells that take the waste's card,
/// eight foundations that all build one way from the base rank round the
/// corner, and a stock turned one card at a time for a number of passes.
struct BraidDeal {
    static constexpr int kCorners = 4;
    static constexpr int kCells = 8;
    static constexpr int kFoundations = 8;
    static constexpr int kFoundationCards = 13;

    std::vector<int> stock; ///< bottom first: the last card turns first
    std::vector<int> braid; ///< bottom first: the last card plays
    std::array<int, kCorners> corners{};
    std::array<int, kCells> cells{};
    std::array<std::vector<int>, kFoundations> foundations;
    int baseRank = 0;
    int passes = 0; ///< passes through the stock, the first included
    int cards = 0;  ///< every card of the game
};

/// The deal in `dealt` as a BraidDeal: nothing for another game, or once a
/// card has been played (the search starts from the deal).
std::optional<BraidDeal> braidDealFor(const table::ProgramState& dealt);

/// One move of a Braid line.
struct BraidMove {
    enum class Kind : std::uint8_t { ToFoundation, WasteToCell, WasteToCorner, Stock };
    /// Where a card to a foundation comes from.
    enum class From : std::uint8_t { Braid, Corner, Cell, Waste };
    Kind kind = Kind::Stock;
    From from = From::Waste;
    std::int8_t index = 0;  ///< the corner or cell the card leaves or enters
    std::int8_t target = 0; ///< the foundation it goes to
};

/// How a search of a BraidDeal ended.
struct BraidSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<BraidMove> line;
    /// Moves played over all the playouts.
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Playouts of a greedy player, each with its own way of playing drawn by
/// a generator seeded with the deal: every card the foundations take goes
/// up at once (the first card built on a base in the way the playout
/// prefers), and the waste's card goes into a free cell when the
/// foundations want it within a few cards. Ends with the first playout
/// that wins, or after `positions` moves or when `stop` reads true; it
/// never proves a deal lost.
BraidSearchResult searchBraidDeal(const BraidDeal& deal, long positions,
                                  const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
