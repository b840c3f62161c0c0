#include "table/reserve_aces_up.h"

#include "table/card.h"
#include "table/card_removal.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <string>

namespace vellomir::table {
namespace {

constexpr int kAce = 1;
constexpr char kFaceUp = '1';

// The first ace of the pile from its bottom; 0 when it holds none.
int firstAce(const std::string& pile) {
    for (int i = 0; i < cardCount(pile); ++i) {
        const int card = cardAt(pile, i);
        if (card > 0 && rankOf(card) == kAce) {
            return card;
        }
    }
    return 0;
}

// The first foundation without a card; -1 when every one holds cards.
int firstEmptyFoundation(const ProgramState& state, int foundations) {
    for (int f = 0; f < foundations; ++f) {
        if (state.piles.foundation(f).empty()) {
            return f;
        }
    }
    return -1;
}

} // namespace

void sendReserveAcesUp(ProgramState& state) {
    const PileCounts counts = PileCounts::of(state.params);
    if (counts.reserves < 1 || counts.foundations < 1) {
        return;
    }
    std::string& reserve = state.piles.reserve(0);
    std::string& stock = state.piles.stock(kStock);
    for (int ace = firstAce(reserve); ace != 0; ace = firstAce(reserve)) {
        const int f = firstEmptyFoundation(state, counts.foundations);
        if (f < 0) {
            return;
        }
        cutCardFromPile(reserve, ace);
        state.piles.appendCard(state.cards, {PileKind::Foundation, f}, ace, kFaceUp);
        const int next = topCardOf(stock);
        if (next > 0) {
            cutCardFromPile(stock, next);
            state.piles.appendCard(state.cards, {PileKind::Reserve, 0}, next, kFaceUp);
        }
    }
}

} // namespace vellomir::table
