#include "engine/legal_moves.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/automatic_moves.h"
#include "engine/drop_rules.h"
#include "engine/end_of_game.h"
#include "engine/lift_rules.h"
#include "engine/pile_location.h"
#include "engine/quiet_frontend.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <optional>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;
using table::PileKind;
using table::PileRef;

namespace param = catalogue::param;

namespace {

std::optional<DestinationKind> destinationOf(const PileRef& pile) {
    switch (pile.kind) {
    case PileKind::Tableau:
        return DestinationKind::Tableau;
    case PileKind::Foundation:
        return DestinationKind::Foundation;
    case PileKind::Reserve:
        return DestinationKind::Reserve;
    case PileKind::Stock:
        if (pile.index == table::kWaste) {
            return DestinationKind::Waste;
        }
        break;
    }
    return std::nullopt;
}

// How many cards a press on `card` of `pile` lifts (0 for none), asked of
// `state` as the press would be: the run-size limit notes the run's top card.
int lifted(table::ProgramState& state, seam::Frontend& frontend, const PileRef& pile, int card) {
    const std::string& cards = state.piles.pile(pile);
    const bool top = table::topCardOf(cards) == card;
    switch (pile.kind) {
    case PileKind::Tableau:
        switch (tableauLift(state, frontend, card, pile.index, 0)) {
        case TableauLift::Card:
            return 1;
        case TableauLift::Run:
            return table::cardCount(cards) - positionInPile(cards, card);
        default:
            return 0;
        }
    case PileKind::Stock:
        return pile.index == table::kWaste && top && wasteCardLifts(state) ? 1 : 0;
    case PileKind::Foundation:
        return top && foundationCardLifts(state, pile.index, card) ? 1 : 0;
    case PileKind::Reserve:
        return reserveCardLifts(state, pile.index, card) ? 1 : 0;
    }
    return 0;
}

// Every pile a player can press a card of.
std::vector<PileRef> sourcePiles(const table::ProgramState& state) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    std::vector<PileRef> piles;
    for (int t = 0; t < counts.tableaus; ++t) {
        piles.push_back({PileKind::Tableau, t});
    }
    for (int r = 0; r < counts.reserves; ++r) {
        piles.push_back({PileKind::Reserve, r});
    }
    for (int f = 0; f < counts.foundations; ++f) {
        piles.push_back({PileKind::Foundation, f});
    }
    piles.push_back({PileKind::Stock, table::kWaste});
    return piles;
}

// The state as a press on `card` leaves it: the group it carries.
void carry(table::ProgramState& state, int count) {
    state.carryGroup(state.cardSize.height,
                     count == 1 ? table::CarriedCards::OneCard : table::CarriedCards::Run);
}

} // namespace

bool gameLiftsCards(const table::ProgramState& state) {
    return gameTypeOf(state.params) == GameType::General &&
           state.params[param::SelectionGame] == 0 && state.params[param::ClickToPlay] == 0;
}

int cardsLifted(const table::ProgramState& state, const seam::Frontend& frontend,
                const PileRef& pile, int card) {
    if (!gameLiftsCards(state) || card < 1) {
        return 0;
    }
    QuietFrontend quiet(frontend);
    table::ProgramState pressed = state;
    pressed.mainGame.setCell(table::cell::MovingTopCard, 0);
    return lifted(pressed, quiet, pile, card);
}

std::vector<LegalMove> legalMoves(const table::ProgramState& state,
                                  const seam::Frontend& frontend) {
    std::vector<LegalMove> moves;
    // The rules only report (a joker where a suit is counted): quietly here.
    QuietFrontend quiet(frontend);
    if (!gameLiftsCards(state)) {
        return moves;
    }
    for (const PileRef& pile : sourcePiles(state)) {
        const std::string& cards = state.piles.pile(pile);
        for (int i = 0; i < table::cardCount(cards); ++i) {
            const int card = table::cardAt(cards, i);
            if (card < 1) {
                continue;
            }
            table::ProgramState pressed = state;
            // A press finds no run recorded: each release clears it.
            pressed.mainGame.setCell(table::cell::MovingTopCard, 0);
            const int count = lifted(pressed, quiet, pile, card);
            if (count == 0) {
                continue;
            }
            carry(pressed, count);
            for (const PileRef& target : dropTargets(pressed, frontend, card)) {
                moves.push_back({card, count, pile, target});
            }
        }
    }
    return moves;
}

bool playLegalMove(table::ProgramState& state, seam::Frontend& frontend, const LegalMove& move) {
    const std::optional<DestinationKind> kind = destinationOf(move.to);
    if (!kind) {
        return false;
    }
    const table::ProgramState before = state;
    state.mainGame.setCell(table::cell::MovingTopCard, 0);
    if (lifted(state, frontend, move.from, move.card) != move.count) {
        state = before;
        return false;
    }
    carry(state, move.count);
    if (!placeCarried(state, frontend, move.card, *kind, move.to.index, {})) {
        state = before;
        return false;
    }
    // As the release after a drop: the run's record goes, then the automatic steps.
    state.mainGame.setCell(table::cell::MovingTopCard, 0);
    runAutomaticSteps(state, frontend);
    if (state.flags.test(table::Flag::Won) || state.gameLost) {
        endOfGame(state, frontend);
    }
    return true;
}

} // namespace vellomir::engine
