#pragma once

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

/// A position of Monte Carlo (or its game by suits) as the fast search
/// holds it: a square of places of one card each, pairs of touching cards
/// that leave together, and a stock click that closes the gaps in reading
/// order and fills the places left from the stock.
///
/// The click keeps the cards in their order: the square's cards in reading
/// order, then the stock's from its top. So once the square has been closed
/// up, what lies where follows from which cards of that sequence are gone,
/// and the search takes a whole turn at a time: the pairs taken away before
/// the next click (any set of them, every order giving the same table),
/// then the click. Its positions are the sets of cards gone, a bit each:
/// exact, so a search that met every one proves the position lost.
///
/// Every rule in it was asked of the engine when it was made: which two
/// cards leave together and which places touch (the family's own judgement,
/// on tables of two cards, checked on others), and what the click does
/// (played through the pointer input on a copy, and the result compared
/// with the model the search plays).
struct MonteCarloDeal {
    static constexpr int kCodes = 128;
    static constexpr int kMaxPlaces = 32;
    /// Cards the key holds a bit for (one bit more marks every key).
    static constexpr int kMaxCards = 63;

    int places = 0;
    /// The cards in the order the click keeps them: the square's, place by
    /// place, then the stock's from its top.
    std::vector<std::uint8_t> sequence;
    /// What each place holds as the search starts: an index into
    /// `sequence`, or -1 for a gap.
    std::vector<int> start;
    /// Whether the square as it starts is already closed up (no click
    /// would change it).
    bool startClosed = true;
    /// pairs[a][b]: cards a and b leave together where their places touch.
    std::vector<std::bitset<kCodes>> pairs;
    /// touching[p]: the places (a bit each) that touch place p.
    std::vector<std::uint32_t> touching;
};

/// The position in `dealt` as a MonteCarloDeal, or nothing for a game of
/// another kind, a selection begun, or rules the model does not play as
/// the engine does.
std::optional<MonteCarloDeal> monteCarloDealFor(const table::ProgramState& dealt,
                                                const seam::Frontend& geometry);

/// One turn of a line: the pairs of places whose cards leave (in the square
/// as it lies after the last click), then a click on the stock unless the
/// game is won.
struct MonteCarloTurn {
    std::vector<std::pair<std::int8_t, std::int8_t>> pairs;
    bool click = true;
};

/// How a search of a MonteCarloDeal ended.
struct MonteCarloSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<MonteCarloTurn> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every turn (the sets of cards that can leave together
/// before the next click, the most cards first), each position stored by
/// its key and never searched twice. Ends won, with every position seen
/// (the position cannot be won), or after `positions` positions or when
/// `stop` reads true.
MonteCarloSearchResult searchMonteCarloDeal(const MonteCarloDeal& deal, long positions,
                                            const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
