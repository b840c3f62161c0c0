#include "table/card_removal.h"

#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::table {

namespace {

inline constexpr std::string_view kPlaceholder = "000";

// 0-based slot of the first group equal to the card, -1 when none is.
int slotOf(const std::string& pile, int card) {
    if (card < 1) {
        return -1;
    }
    const std::string code = cardText(card);
    for (int i = 0; i < cardCount(pile); ++i) {
        if (pile.compare(static_cast<std::size_t>(i) * 3, 3, code) == 0) {
            return i;
        }
    }
    return -1;
}

void removeAt(std::string& pile, int slot, RemovalKind kind) {
    const auto at = static_cast<std::size_t>(slot) * 3;
    switch (kind) {
    case RemovalKind::Check:
        break;
    case RemovalKind::Cut:
        pile.erase(at, 3);
        break;
    case RemovalKind::LeaveGap:
        pile.replace(at, 3, kPlaceholder);
        break;
    case RemovalKind::CutWithMarker: {
        pile.erase(at, 3);
        // The group in front of the deleted place, or the first group when
        // the card was the bottom one.
        const std::size_t front = at >= 3 ? at - 3 : 0;
        if (front + 3 <= pile.size() && pile.compare(front, 3, kPlaceholder) == 0) {
            pile.erase(front, 3);
        }
        break;
    }
    }
}

RemovalSource sourceOf(PileRef ref) {
    switch (ref.kind) {
    case PileKind::Stock:
        return ref.index == kStock   ? RemovalSource::Stock
               : ref.index == kWaste ? RemovalSource::Waste
                                     : RemovalSource::Discard;
    case PileKind::Tableau:
        return RemovalSource::Tableau;
    case PileKind::Foundation:
        return RemovalSource::Foundation;
    case PileKind::Reserve:
        return RemovalSource::Reserve;
    }
    return RemovalSource::Nowhere;
}

} // namespace

bool removeFromPile(std::string& pile, int card, RemovalKind kind) {
    const int slot = slotOf(pile, card);
    if (slot < 0) {
        return false;
    }
    removeAt(pile, slot, kind);
    return true;
}

bool removeFromPile(PileLists& piles, PileRef ref, int card, RemovalKind kind) {
    return removeFromPile(piles.pile(ref), card, kind);
}

Removal removeAnywhere(ProgramState& state, int card, RemovalKind kind) {
    const PileCounts counts = PileCounts::of(state.params);
    auto tryPile = [&](PileRef ref) -> Removal {
        std::string& pile = state.piles.pile(ref);
        const int slot = slotOf(pile, card);
        if (slot < 0) {
            return {};
        }
        removeAt(pile, slot, kind);
        return {sourceOf(ref), ref, slot};
    };
    if (Removal r = tryPile({PileKind::Stock, kWaste})) {
        return r;
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        if (Removal r = tryPile({PileKind::Tableau, t})) {
            return r;
        }
    }
    for (int f = 0; f < kMaxFoundations; ++f) {
        if (Removal r = tryPile({PileKind::Foundation, f})) {
            return r;
        }
    }
    if (Removal r = tryPile({PileKind::Stock, kStock})) {
        return r;
    }
    if (Removal r = tryPile({PileKind::Stock, kDiscard})) {
        return r;
    }
    for (int r = 0; r < kMaxReserves; ++r) {
        if (Removal found = tryPile({PileKind::Reserve, r})) {
            return found;
        }
    }
    return {};
}

int cutCardFromPile(std::string& pile, int card) {
    const int slot = slotOf(pile, card);
    if (slot >= 0) {
        removeAt(pile, slot, RemovalKind::Cut);
    }
    return slot;
}

void insertCardIntoPile(std::string& pile, int slot, int card) {
    const int at = std::clamp(slot, 0, cardCount(pile));
    pile.insert(static_cast<std::size_t>(at) * 3, cardText(card));
}

} // namespace vellomir::table
