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

/// A deal of a game whose piles take cards only from the stock, a card on
/// each pile a click, and give their top cards only to foundations that
/// take cards by rank alone, all alike (Auld Lang Syne), as its fast search
/// holds it. The cards on the foundations and the clicks made tell the
/// whole position: each pile holds the cards dealt to it less those gone
/// up, and the foundations' heights follow from how many of each rank are
/// up. So a position's key is exact, and a search that saw every key
/// reachable proves the deal lost.
///
/// Every rule in it was asked of the engine when it was made: which card
/// each foundation takes onto which (its placement test, for every pair of
/// cards), and what each click on the stock deals where (played through
/// the pointer input on a copy of the table, click after click).
struct DealtPilesDeal {
    static constexpr int kMaxPiles = 8;
    static constexpr int kMaxFoundations = 8;
    static constexpr int kMaxCards = 52;
    using Mask = std::uint64_t;

    int piles = 0;
    int foundations = 0;
    /// Each pile's cards from the bottom, as the table holds them.
    std::vector<std::vector<std::uint8_t>> dealtPiles;
    /// What each click on the stock deals: the card each pile gets (0 for
    /// none).
    std::vector<std::array<std::uint8_t, kMaxPiles>> clicks;
    /// Each foundation's top card (0 when empty).
    std::array<std::uint8_t, kMaxFoundations> tops{};
    /// takes[top]: the cards a foundation takes onto `top` (0: empty).
    std::array<Mask, kMaxCards + 1> takes{};
    /// The cards on the foundations.
    Mask up = 0;
    /// Each card's rank.
    std::array<std::uint8_t, kMaxCards + 1> rankOf{};
};

/// The deal in `dealt` as a DealtPilesDeal, or nothing for a game of
/// another kind (or one whose foundations judge more than ranks, or tell
/// one foundation from another). Autoplay must be unticked: the search's
/// lines leave every card to the player.
std::optional<DealtPilesDeal> dealtPilesDealFor(const table::ProgramState& dealt,
                                                const seam::Frontend& geometry);

/// One step of a line: a pile's top card onto a foundation, or a click on
/// the stock.
struct DealtPilesMove {
    static constexpr std::uint8_t kClick = 0xFF;
    std::uint8_t pile = kClick;
    std::uint8_t foundation = 0;
    std::uint8_t card = 0;
    bool isClick() const { return pile == kClick; }
};

struct DealtPilesSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    std::vector<DealtPilesMove> line;
    long positions = 0;
    std::size_t storedBytes = 0;
};

/// Depth first, cards up before clicks, each position searched once; a
/// card that no other card not yet up could want the place of goes up at
/// once, alone (it leaves its pile, which only helps, and takes no place
/// another card needs). Ends won, searched out (lost), after `positions`
/// positions or when `stop` reads true.
DealtPilesSearchResult searchDealtPilesDeal(const DealtPilesDeal& deal, long positions,
                                            const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
