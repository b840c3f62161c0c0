#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Where the redeal of the tableaus (La Belle Lucie, Trefoil, Cruel: a click
/// on the empty stock gathers the tableaus pile by pile, bottom card first,
/// and deals them again) puts each card, as the fast search reads it. It is
/// learnt from the pointer input itself: a click on the stock of a copy of
/// the table holding a known row of cards, once for every count of cards and
/// every pass the redeal may start from, and it is believed only where a
/// second row of the same count, spread over other piles, lands alike (the
/// redeal then reads nothing but the order of the gathered cards).
struct TableauRedealPlan {
    /// Where the gathered card at some index lands: its tableau and its
    /// height there.
    struct Place {
        std::uint8_t tableau = 0;
        std::uint8_t height = 0;
    };
    using Layout = std::vector<Place>;

    /// The pass number of the deal, from which the first redeal starts.
    int firstPass = 0;
    /// Whether the same layout serves every pass (an unshuffled redeal with
    /// no limit on the passes): then `layouts` holds one row of counts.
    bool everyPassAlike = false;
    /// Whether the gathered cards are shuffled: then a redeal that happens
    /// to leave the piles as they lay still spends a pass, and changes the
    /// next one.
    bool shuffled = false;
    /// For each pass from `firstPass` and each count of gathered cards, the
    /// layout (empty for no cards).
    std::vector<std::vector<Layout>> layouts;

    /// The layout of a redeal of `cards` gathered cards at pass `pass`, or
    /// nothing where none was learnt.
    const Layout* layoutFor(int pass, int cards) const;
};

/// The redeal of `state`'s game learnt from the pointer input, for counts of
/// cards up to `mostCards`; nothing where the game does not redeal its
/// tableaus, or where a click does anything but put every gathered card
/// face up somewhere on the tableaus by the order alone.
std::shared_ptr<const TableauRedealPlan>
learnTableauRedeal(const table::ProgramState& state, const seam::Frontend& geometry, int mostCards);

} // namespace vellomir::engine
