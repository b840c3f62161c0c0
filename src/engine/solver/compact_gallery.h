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

/// A deal of a gallery game (Picture Gallery, Mod 3) as its search holds
/// it: rows of tableaus, each built up in suit by the game's rank step on
/// a bottom card of its row's base rank; a row of reserves that the stock
/// deals a card onto each at every click, an emptied reserve refilled from
/// the stock at once while the stock lasts and, once it is out, taking any
/// one card; the aces to a pile of their own. A tableau dealt a card off
/// its base rank takes nothing until that card has left.
///
/// The deal holds the cards as the table shows them and the stock in the
/// order it is dealt; its rules are read from the game's parameters, and
/// only a game whose parameters say exactly this is held (every line found
/// is still played through the pointer input before it is believed).
struct GalleryDeal {
    static constexpr int kMaxTableaus = 24;
    static constexpr int kMaxReserves = 8;

    int tableaus = 0;
    int reserves = 0;
    int rankStep = 0;
    /// The cards a tableau holds when it is complete.
    int tableauCards = 0;
    /// Each tableau's base rank.
    std::vector<int> baseRank;
    /// Each pile's cards from the bottom: the tableaus, then the reserves.
    std::vector<std::vector<std::uint8_t>> piles;
    /// The stock's cards in the order they are dealt (its top first).
    std::vector<std::uint8_t> stock;
    /// Aces go up by themselves after every move (Autoplay is ticked).
    bool acesGoUpAlone = false;
};

/// The deal in `dealt` as a GalleryDeal, or nothing for a game of another
/// kind.
std::optional<GalleryDeal> galleryDealFor(const table::ProgramState& dealt);

/// One step of a line: a top card from one pile onto another (a tableau, a
/// reserve, or kAcesPile), or a click on the stock.
struct GalleryMove {
    static constexpr std::uint8_t kClick = 0xFF;
    static constexpr std::uint8_t kAcesPile = 0xFE;
    std::uint8_t from = kClick;
    std::uint8_t to = 0;
    std::uint8_t card = 0;
    bool isClick() const { return from == kClick; }
};

struct GallerySearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<GalleryMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first over hashed positions, wins only: a search that ends without
/// a win answers OutOfBudget, never Exhausted, since it leaves out moves
/// that cannot help and its keys may collide. A card that can go to its
/// place in the gallery without drawing a card from the stock goes there at
/// once, alone; the choices are the moves that empty a reserve while the
/// stock lasts, the click on the stock, and, once the stock is out, a top
/// card onto an empty reserve. Ends won, given up, after `positions`
/// positions or when `stop` reads true.
GallerySearchResult searchGalleryDeal(const GalleryDeal& deal, long positions,
                                      const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
