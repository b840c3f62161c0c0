#include "table/card_removal.h"

#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <vector>

namespace vellomir::table {

int cutCardFromPile(std::string& pile, int card) {
    if (card == 0) {
        return -1;
    }
    for (int i = 0; i < cardCount(pile); ++i) {
        if (cardAt(pile, i) == card) {
            pile.erase(static_cast<std::size_t>(i) * 3, 3);
            return i;
        }
    }
    return -1;
}

void insertCardIntoPile(std::string& pile, int slot, int card) {
    const int at = std::clamp(slot, 0, cardCount(pile));
    pile.insert(static_cast<std::size_t>(at) * 3, cardText(card));
}

std::optional<PileRef> removeCardAnywhere(ProgramState& state, int card) {
    const PileCounts counts = PileCounts::of(state.params);
    std::vector<PileRef> order;
    order.reserve(kStockPiles + kMaxFoundations + kMaxTableaus + kMaxReserves);
    order.push_back({PileKind::Stock, kWaste});
    for (int t = 0; t < counts.tableaus; ++t) {
        order.push_back({PileKind::Tableau, t});
    }
    for (int f = 0; f < kMaxFoundations; ++f) {
        order.push_back({PileKind::Foundation, f});
    }
    order.push_back({PileKind::Stock, kStock});
    order.push_back({PileKind::Stock, kDiscard});
    for (int r = 0; r < kMaxReserves; ++r) {
        order.push_back({PileKind::Reserve, r});
    }
    for (PileRef ref : order) {
        if (cutCardFromPile(state.piles.pile(ref), card) >= 0) {
            return ref;
        }
    }
    return std::nullopt;
}

} // namespace vellomir::table
