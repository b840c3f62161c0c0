#pragma once

#include <array>
#include <atomic>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// A position of Montana (the gap rows, parameter GapRows = 1) as the fast
/// search holds it: the places of every row side by side, each a card or a
/// gap, and the redeals made.
///
/// A gap takes one card only: the card that follows its left neighbour, or
/// at a row's first place a card of the row's first rank. Both were asked
/// of the engine's own test (which gap of a row a card may go into) on
/// rows of two places, and the runs they make checked against the
/// engine's on other rows. A redeal (a click on the stock) is played by the
/// engine itself on a copy of the table, so its shuffle is the game's own.
struct GapRowsDeal {
    static constexpr int kMaxPlaces = 64;
    static constexpr int kCodes = 64;
    using Places = std::array<std::uint8_t, kMaxPlaces>;

    /// The places, row after row: a card's code, or 0 for a gap.
    Places places{};
    /// Where each row starts in `places`, and one past the last row's end.
    std::vector<int> rowStarts;
    /// The redeals made before the search starts (the pass number).
    int pass = 0;
    /// followers[y]: the cards a gap right of card y takes.
    std::array<std::bitset<kCodes>, kCodes> followers{};
    /// rowFirst[r]: the cards row r's first place takes when it is a gap.
    std::vector<std::bitset<kCodes>> rowFirst;
    /// The table as dealt and the window it lies in: a redeal is played on
    /// a copy of it.
    std::shared_ptr<const table::ProgramState> table;
    const seam::Frontend* geometry = nullptr;

    int rows() const { return static_cast<int>(rowStarts.size()) - 1; }
    int placeCount() const { return rowStarts.back(); }
};

/// The position in `dealt` as a GapRowsDeal, or nothing for a game of
/// another kind, or rules the model does not play as the engine does.
std::optional<GapRowsDeal> gapRowsDealFor(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry);

/// One step of a line: the card at place `from` into the gap at place
/// `to`, or a redeal (`from` -1).
struct GapRowsMove {
    std::int8_t from = -1;
    std::int8_t to = -1;
    bool isRedeal() const { return from < 0; }
};

/// How a search of a GapRowsDeal ended. It redeals only where no card can
/// move, so a search that met every position it made proves nothing:
/// it ends won or out of budget.
struct GapRowsSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<GapRowsMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first, each position stored by a 64-bit key and never searched
/// twice, in passes of different move orders, until a pass wins, after
/// `positions` positions, or when `stop` reads true.
GapRowsSearchResult searchGapRowsDeal(const GapRowsDeal& deal, long positions,
                                      const std::atomic<bool>* stop = nullptr);

/// The places after a redeal played by the engine on a copy of the deal's
/// table laid out as `places` with `pass` redeals made, and the pass
/// number it leaves; nothing where the engine refuses the click.
std::optional<std::pair<GapRowsDeal::Places, int>>
redealGapRows(const GapRowsDeal& deal, const GapRowsDeal::Places& places, int pass);

} // namespace vellomir::engine
