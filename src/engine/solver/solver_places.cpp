#include "engine/solver/solver_places.h"

#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

namespace vellomir::engine {

using table::PileKind;
using table::PileRef;

SolverPlaces solverPlaces(const table::ProgramState& state) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    std::vector<PileRef> piles;
    for (int i = 0; i < table::kStockPiles; ++i) {
        piles.push_back({PileKind::Stock, i});
    }
    for (int i = 0; i < counts.foundations; ++i) {
        piles.push_back({PileKind::Foundation, i});
    }
    for (int i = 0; i < counts.tableaus; ++i) {
        piles.push_back({PileKind::Tableau, i});
    }
    for (int i = 0; i < counts.reserves; ++i) {
        piles.push_back({PileKind::Reserve, i});
    }
    SolverPlaces places;
    for (const PileRef pile : piles) {
        if (!table::isPlaced(state, pile)) {
            continue;
        }
        const std::string name = table::pileName(pile);
        places.targets.push_back(name);
        const std::string& cards = state.piles.pile(pile);
        // A stock place is one card wide whatever it holds: only its top counts.
        const int count = pile.kind == PileKind::Stock ? 0 : table::cardCount(cards) - 1;
        const table::CardPoint top = table::topCardPosition(state, pile);
        for (int i = 0; i < count; ++i) {
            const int card = table::cardAt(cards, i);
            const table::CardPoint at = table::cardPosition(state, pile, i);
            if (card >= 1 && at.x == top.x && at.y == top.y) {
                continue; // squared under the top card: a press there is a press on the pile
            }
            if (card >= 1 && state.cards.isFaceUp(card)) {
                places.sources.push_back(name + ":" + std::to_string(i));
            } else if (card == 0) {
                places.targets.push_back(name + ":" + std::to_string(i)); // a gap in a row
            }
        }
        places.sources.push_back(name);
    }
    return places;
}

} // namespace vellomir::engine
