#include "table/deal_placement.h"

#include "table/card.h"
#include "table/card_removal.h"
#include "table/deal_services.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::table {
namespace {

// Tries foundations first .. last (0-based, both included) in order.
bool placeOnRange(ProgramState& state, const DealServices& services, int card, int first,
                  int last) {
    const int end = std::min(last + 1, PileCounts::of(state.params).foundations);
    for (int f = std::max(first, 0); f < end; ++f) {
        if (!services.foundationAccepts(state, card, f)) {
            continue;
        }
        if (!removeAnywhere(state, card, RemovalKind::Cut)) {
            return false;
        }
        state.piles.appendCard(state.cards, {PileKind::Foundation, f}, card, '1');
        services.addToScore(state, 1);
        return true;
    }
    return false;
}

} // namespace

int foundationBaseRankOf(int card) {
    return isJoker(card) ? -2 : rankOf(card);
}

bool placeOnFoundation(ProgramState& state, const DealServices& services, int card,
                       int firstFoundation) {
    if (card == 0) {
        return false;
    }
    return placeOnRange(state, services, card, firstFoundation, kMaxFoundations - 1);
}

bool placeByTableauGroup(ProgramState& state, const DealServices& services, int card, int tableau) {
    if (card == 0) {
        return false;
    }
    if (tableau >= 0 && tableau <= 3) {
        return placeOnRange(state, services, card, 0, 3);
    }
    if (tableau >= 6 && tableau <= 9) {
        return placeOnRange(state, services, card, 4, 7);
    }
    return placeOnRange(state, services, card, 0, 7);
}

bool fillGap(std::string& pile, int card) {
    const int rank = rankOf(card);
    int gap = -1;
    for (int i = 0; i < cardCount(pile); ++i) {
        const int held = cardAt(pile, i);
        if (held == 0) {
            if (gap < 0) {
                gap = i;
            }
        } else if (rankOf(held) == rank) {
            return false;
        }
    }
    if (gap < 0) {
        return false;
    }
    pile.replace(static_cast<std::size_t>(gap) * 3, 3, cardText(card));
    return true;
}

} // namespace vellomir::table
