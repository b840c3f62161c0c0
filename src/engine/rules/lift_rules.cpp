#include "engine/rules/lift_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/tableau_draw.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::FanStyle;

namespace param = catalogue::param;

TableauLift tableauLift(const table::ProgramState& state, seam::Frontend& frontend, int card,
                        int tableauIndex, int button) {
    const catalogue::GameParameters& p = state.params;
    const int fan = p[param::TableauFanStyle];
    if (fan == codeOf(FanStyle::FreeForm) || fan == codeOf(FanStyle::FreeFormAlike)) {
        return TableauLift::Card;
    }
    if (p[param::LockedTableauRows] > 0 &&
        tableauIndex + 1 < p[param::LockedTableauRows] * p[param::LockedTableauRowLength]) {
        return TableauLift::Locked;
    }
    const std::string& pile = state.piles.tableau(tableauIndex);
    if (table::isGapRows(p)) {
        // Any card of a row lifts, alone, wherever it lies in the row.
        return button == 0 && card >= 1 && state.cards.isFaceUp(card) ? TableauLift::Card
                                                                      : TableauLift::Nothing;
    }
    if (table::isTableauLine(p)) {
        // A pile of the line lifts whole, from its bottom card, or not at all.
        if (pile.empty() || table::cardAt(pile, 0) != card || button != 0) {
            return TableauLift::Nothing;
        }
        return table::cardCount(pile) == 1 ? TableauLift::Card : TableauLift::Run;
    }
    const bool top = table::topCardOf(pile) == card;
    if (top) {
        if (button != 0) {
            return TableauLift::Nothing;
        }
        if (!state.cards.isFaceUp(card)) {
            return TableauLift::TurnUp;
        }
        return runSizeLimit(state, card, false) ? TableauLift::Card : TableauLift::Nothing;
    }
    if (state.cards.isFaceUp(card) && runCheck(state, frontend, card, tableauIndex) &&
        runSizeLimit(state, card, false)) {
        return TableauLift::Run;
    }
    if (button == 0 && isDrawableCard(state, card)) {
        return TableauLift::Card; // drawn out from under the top card, alone
    }
    return TableauLift::Nothing;
}

bool wasteCardLifts(const table::ProgramState& state) {
    return state.params[param::WasteCardLocked] == 0;
}

bool foundationCardLifts(const table::ProgramState& state, int index, int card) {
    const int count = table::cardCount(state.piles.foundation(index));
    const bool jokersFreed = state.params[param::FoundationTakeBack] ==
                             codeOf(catalogue::FoundationTakeBack::JokerTakenBack);
    return catalogue::foundationTopCardTakenBack(state.params, count) ||
           (jokersFreed && table::isJoker(card));
}

bool reserveCardLifts(const table::ProgramState& state, int index, int card) {
    const bool top = table::topCardOf(state.piles.reserve(index)) == card;
    return (top && state.cards.isFaceUp(card)) ||
           (!top &&
            state.params[param::CoveredReserveSendable] == catalogue::kCoveredReserveCardsPlay);
}

} // namespace vellomir::engine
