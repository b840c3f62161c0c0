#include "engine/rules/card_move.h"

#include "engine/rules/pile_location.h"
#include "table/card.h"
#include "table/program_state.h"

namespace vellomir::engine {

using table::PileKind;
using table::PileRef;

std::optional<PileRef> pileAtLocation(int location) {
    if (location == location::Stock) {
        return PileRef{PileKind::Stock, table::kStock};
    }
    if (location == location::Waste) {
        return PileRef{PileKind::Stock, table::kWaste};
    }
    if (isTableauLocation(location) && location <= table::kMaxTableaus) {
        return PileRef{PileKind::Tableau, location - 1};
    }
    if (location <= -1 && location >= -table::kMaxFoundations) {
        return PileRef{PileKind::Foundation, -location - 1};
    }
    if (isReserveLocation(location)) {
        return PileRef{PileKind::Reserve, -location - 21};
    }
    return std::nullopt;
}

std::optional<PileRef> pileHolding(const table::ProgramState& state, int card) {
    return pileAtLocation(locatePile(state, card));
}

std::optional<CardMove> liftedMove(const table::ProgramState& state, int card, bool run) {
    const std::optional<PileRef> from = pileHolding(state, card);
    if (!from) {
        return std::nullopt;
    }
    int count = 1;
    if (run) {
        const std::string& pile = state.piles.pile(*from);
        count = table::cardCount(pile) - positionInPile(pile, card);
    }
    return CardMove{card, count, *from, *from};
}

} // namespace vellomir::engine
