#include "engine/actions/send_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/drop_rules.h"
#include "engine/rules/card_move.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/pile_location.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/gap_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

namespace vellomir::engine {

namespace param = catalogue::param;
using table::CardPoint;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

namespace {

bool foundationsMayStart(const ProgramState& state, bool automatic) {
    if (!automatic) {
        return true;
    }
    const table::PileCounts counts = table::PileCounts::of(state.params);
    for (int f = 0; f < counts.foundations; ++f) {
        const int base = state.params[param::FoundationBaseRank + f];
        if ((base != catalogue::empty_code::SameAsFoundations &&
             base != catalogue::empty_code::SameAsFoundationsOrReserve) ||
            !state.piles.foundation(f).empty()) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<SendRequest> sendableCard(const ProgramState& state, int card,
                                        std::string_view pileName) {
    const catalogue::GameParameters& p = state.params;
    const auto pile = table::parsePileName(pileName);
    if (card < 1 || !pile || !state.cards.isFaceUp(card)) {
        return std::nullopt;
    }
    bool allowed = false;
    bool single = true;
    switch (pile->kind) {
    case PileKind::Foundation: {
        allowed = catalogue::foundationTopCardTakenBack(
            p, table::cardCount(state.piles.foundation(pile->index)));
        break;
    }
    case PileKind::Stock:
        allowed = pile->index == table::kWaste;
        break;
    case PileKind::Tableau:
        if (table::isGapRows(p)) {
            allowed = true;
        } else if (p[param::RunSizeLimit] != 0) {
            if (table::topCardOf(state.piles.tableau(pile->index)) == card) {
                allowed = true;
            } else if (runSizeLimit(state, card, false)) {
                allowed = true;
                single = false;
            }
        }
        break;
    case PileKind::Reserve:
        allowed = table::topCardOf(state.piles.reserve(pile->index)) == card ||
                  p[param::CoveredReserveSendable] == catalogue::kCoveredReserveCardsPlay;
        break;
    }
    if (!allowed) {
        return std::nullopt;
    }
    SendRequest request;
    request.single = single;
    return request;
}

bool sendCard(ProgramState& state, seam::Frontend& frontend, int card, SendRequest request) {
    if (card < 1 || card > table::kLastCard || !state.cards.isFaceUp(card)) {
        return false;
    }
    const std::optional<PileRef> home = pileHolding(state, card);
    if (!home) {
        return false;
    }
    const int slot = positionInPile(state.piles.pile(*home), card);
    const CardPoint at = table::cardPosition(state, *home, slot);
    const int h = state.cardSize.height;
    if (request.single) {
        state.carryGroup(h, table::CarriedCards::OneCard);
    } else {
        if (home->kind != PileKind::Tableau) {
            return false;
        }
        state.carryGroup(table::topCardPosition(state, *home).y + h - at.y,
                         table::CarriedCards::Run);
    }
    table::TMainGame& game = state.mainGame;
    game.setCell(table::cell::PickedCard, card);
    const CarriedFrom origin{at.x, at.y, true};
    const table::PileCounts counts = table::PileCounts::of(state.params);
    const std::optional<CardMove> lifted = liftedMove(state, card, !request.single);
    if (!lifted) {
        return false;
    }
    auto offer = [&](DestinationKind kind, int index) {
        CardMove move = *lifted;
        move.to = destinationPile(kind, index);
        return placeCarried(state, frontend, move, origin, request.automatic);
    };
    bool sent = false;
    if (request.toFoundations && request.single && foundationsMayStart(state, request.automatic)) {
        for (int f = 0; f < counts.foundations && !sent; ++f) {
            sent = offer(DestinationKind::Foundation, f);
        }
    }
    // A card of the gap rows may fill a gap of its own row.
    const int own =
        home->kind == PileKind::Tableau && !table::isGapRows(state.params) ? home->index : -1;
    if (!sent && request.toTableausAndWaste) {
        for (bool wantEmpty : {false, true}) {
            for (int t = 0; t < counts.tableaus && !sent; ++t) {
                if (t != own && state.piles.tableau(t).empty() == wantEmpty) {
                    sent = offer(DestinationKind::Tableau, t);
                }
            }
        }
    }
    if (!sent && request.toReserves && request.single) {
        for (int r = 0; r < counts.reserves && !sent; ++r) {
            sent = offer(DestinationKind::Reserve, r);
        }
    }
    if (!sent && request.toTableausAndWaste && home->kind != PileKind::Stock &&
        table::isPlaced(state, {PileKind::Stock, table::kWaste})) {
        sent = offer(DestinationKind::Waste, 0);
    }
    game.setCell(table::cell::PickedCard, 0);
    return sent;
}
} // namespace vellomir::engine
