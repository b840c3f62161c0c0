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

/// A position of Accordion (a line of piles, parameter TableauLine) as the
/// fast search holds it. A pile moves whole onto the pile one or three
/// places before it when their top cards match, the piles after it close
/// up, and a stock click deals the next card to the end of the line while a
/// place is free. Only the top cards ever matter, so a position is the top
/// card of each pile of the line and how many cards the stock still holds
/// (its order is fixed): packed exactly into its key, so a search that met
/// every key proves the position lost.
///
/// Every rule in it was asked of the engine when it was made: which top
/// cards match, and how far back a pile may move (the line's own check on a
/// table of the two piles), and what a click on the stock does (played
/// through the pointer input on a copy, and compared with the model).
struct AccordionDeal {
    static constexpr int kCodes = 64;
    static constexpr int kMaxPlaces = 30;

    int places = 0;
    /// The top card of each pile of the line as the search starts.
    std::vector<std::uint8_t> line;
    /// The stock's cards in the order the clicks deal them.
    std::vector<std::uint8_t> stock;
    /// matches[a][b]: a pile topped by a may move onto one topped by b.
    std::vector<std::bitset<kCodes>> matches;
    /// The distances back a pile may move (a bit each, from 1).
    std::uint32_t steps = 0;
};

/// The position in `dealt` as an AccordionDeal, or nothing for a game of
/// another kind or rules the model does not play as the engine does.
std::optional<AccordionDeal> accordionDealFor(const table::ProgramState& dealt,
                                              const seam::Frontend& geometry);

/// One move of a line: the pile at place `from` onto the one `step` places
/// before it, or a click on the stock (`step` 0).
struct AccordionMove {
    std::int8_t from = 0;
    std::int8_t step = 0;
    bool isDeal() const { return step == 0; }
};

/// How a search of an AccordionDeal ended.
struct AccordionSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<AccordionMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over every move, each position stored by its key and never
/// searched twice, in passes of different move orders. Ends won, with every
/// position seen (the position cannot be won), or after `positions`
/// positions or when `stop` reads true.
AccordionSearchResult searchAccordionDeal(const AccordionDeal& deal, long positions,
                                          const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
