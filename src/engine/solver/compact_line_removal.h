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

/// A position of Royal Marriage (and its kin of one line, game type
/// BetweenMatchingCards) as the fast search holds it: one line of cards,
/// dealt to its end one card a click; one card, or two side by side, lying
/// between two cards that match leave the line.
///
/// Cards only ever leave, and the line keeps the order they were dealt in:
/// so the line's cards and the stock's, in that order, less those gone, are
/// the whole table. A position is which of them are gone and how many have
/// been dealt, a bit each and a count: exact, so a search that met every
/// key proves the position lost.
///
/// Every rule in it was asked of the engine when it was made: which cards
/// may be chosen at all, which two cards match (the family's judgement of
/// a card between them, checked on other lines and on pairs), when the game
/// is won (its own test on lines of each length), and what a click on the
/// stock does (played through the pointer input on a copy).
struct LineRemovalDeal {
    static constexpr int kCodes = 64;
    static constexpr int kMaxCards = 56;

    /// The cards in the order of the line: those in it, then the stock's
    /// from its top.
    std::vector<std::uint8_t> sequence;
    /// How many of them lie in the line as the search starts.
    int inLine = 0;
    /// Cards that may be chosen, and pairs that let the cards between them go.
    std::bitset<kCodes> choosable;
    std::vector<std::bitset<kCodes>> matches;
    /// The lengths of a line that win once the stock is empty (a bit each).
    std::uint64_t winningLengths = 0;
};

/// The position in `dealt` as a LineRemovalDeal, or nothing for a game of
/// another kind, a selection begun, or rules the model does not play as the
/// engine does.
std::optional<LineRemovalDeal> lineRemovalDealFor(const table::ProgramState& dealt,
                                                  const seam::Frontend& geometry);

/// One step of a line: the card at `place` of the line (and the one after
/// it when `two`) leaves, or a click on the stock (`place` -1).
struct LineRemovalMove {
    std::int8_t place = -1;
    bool two = false;
    bool isDeal() const { return place < 0; }
};

/// How a search of a LineRemovalDeal ended.
struct LineRemovalSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<LineRemovalMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every move, each position stored by its key and never
/// searched twice, in passes of different move orders. Ends won, with every
/// position seen (the position cannot be won), or after `positions`
/// positions or when `stop` reads true.
LineRemovalSearchResult searchLineRemovalDeal(const LineRemovalDeal& deal, long positions,
                                              const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
