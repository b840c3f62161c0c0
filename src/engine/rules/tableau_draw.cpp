#include "engine/rules/tableau_draw.h"

#include "catalogue/parameter_index.h"
#include "engine/rules/card_move.h"
#include "engine/rules/pile_location.h"
#include "table/card.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

namespace param = catalogue::param;
using table::EngineFlags;
using table::PileKind;

bool hasTableauDraws(const catalogue::GameParameters& params) {
    return params[param::TableauDraws] > 0;
}

int drawsLeft(const table::ProgramState& state) {
    return std::max(0, state.params[param::TableauDraws] -
                           state.flags.counter(EngineFlags::kDrawsTaken));
}

bool isDrawableCard(const table::ProgramState& state, int card) {
    if (drawsLeft(state) == 0 || card < 1 || !state.cards.isFaceUp(card)) {
        return false;
    }
    const std::optional<table::PileRef> home = pileHolding(state, card);
    if (!home || home->kind != PileKind::Tableau) {
        return false;
    }
    return table::topCardOf(state.piles.tableau(home->index)) != card;
}

void countDrawIfTaken(table::ProgramState& state, int card) {
    if (hasTableauDraws(state.params) && state.isSingleCardMove() && isDrawableCard(state, card)) {
        ++state.flags.counter(EngineFlags::kDrawsTaken);
    }
}

} // namespace vellomir::engine
