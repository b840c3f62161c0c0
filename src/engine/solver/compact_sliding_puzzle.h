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

/// A position of the sliding puzzles (Put-Them-In-Order, game type
/// PutInOrder) as the fast search holds it: the card in each place of the
/// square, one place empty.
///
/// Which places a card slides from into the empty place is asked of the
/// engine (the empty place's own check of a drop, with the empty place in
/// each place in turn), and each card's home place of the score
/// (the places in order from the first, each holding its card), place by
/// place; the square with every card home must win by the game's target.
struct SlidingPuzzleDeal {
    static constexpr int kMaxPlaces = 25;
    static constexpr int kCodes = 64;
    using Places = std::array<std::uint8_t, kMaxPlaces>;

    int places = 0;
    /// The card in each place, 0 for the empty one.
    Places start{};
    /// sliders[e]: the places whose card slides into place e when it is the
    /// empty one.
    std::array<std::vector<std::int8_t>, kMaxPlaces> sliders{};
    /// Each card's home place.
    std::array<std::int8_t, kCodes> home{};
    /// The fewest slides between two places, through the places cards
    /// slide between: how far a card is from home.
    std::array<std::array<std::uint8_t, kMaxPlaces>, kMaxPlaces> steps{};
};

/// The position in `dealt` as a SlidingPuzzleDeal, or nothing for a game of
/// another kind, or rules the model does not play as the engine does.
std::optional<SlidingPuzzleDeal> slidingPuzzleDealFor(const table::ProgramState& dealt,
                                                      const seam::Frontend& geometry);

/// One slide: the card in place `from` into the empty place `to`.
struct SlidingPuzzleMove {
    std::int8_t from = 0;
    std::int8_t to = 0;
};

/// How a search of a SlidingPuzzleDeal ended. Every deal of the puzzles can
/// be put in order, and the search keeps its positions by a 64-bit key: it
/// ends won or out of budget, never with a proof.
struct SlidingPuzzleSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<SlidingPuzzleMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Best first on the slides made plus a weight times how far the cards are
/// from home (a weighted A*), each position kept by its key and never
/// searched twice: first a small weight for a short line within a few
/// positions, then a large one for any line; until won, after `positions`
/// positions, or when `stop` reads true.
SlidingPuzzleSearchResult searchSlidingPuzzle(const SlidingPuzzleDeal& deal, long positions,
                                              const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
