#include "engine/input/legal_moves.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/drop_rules.h"
#include "engine/actions/end_of_game.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/rules/lift_rules.h"
#include "engine/rules/pile_location.h"
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

// How many cards a press on `card` of `pile` lifts (0 for none).
int lifted(const table::ProgramState& state, seam::Frontend& frontend, const PileRef& pile,
           int card) {
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
            const int count = lifted(state, quiet, pile, card);
            if (count == 0) {
                continue;
            }
            for (const PileRef& target : dropTargets(state, frontend, {card, count, pile, pile})) {
                moves.push_back({card, count, pile, target});
            }
        }
    }
    return moves;
}

bool playLegalMove(table::ProgramState& state, seam::Frontend& frontend, const LegalMove& move) {
    if (!destinationOf(move.to) || lifted(state, frontend, move.from, move.card) != move.count) {
        return false;
    }
    if (!placeCarried(state, frontend, move, {})) {
        return false;
    }
    // As the release after a drop: the automatic steps follow.
    runAutomaticSteps(state, frontend);
    if (state.flags.test(table::Flag::Won) || state.gameLost) {
        endOfGame(state, frontend);
    }
    return true;
}

} // namespace vellomir::engine
