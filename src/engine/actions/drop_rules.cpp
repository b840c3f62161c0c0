#include "engine/actions/drop_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/action_support.h"
#include "engine/actions/move_execution.h"
#include "engine/actions/opening_move.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/records/undo_snapshots.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/target_checks.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/gap_rows.h"
#include "table/pack_suits.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

#include <cstdlib>

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::FanStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;
using table::CardPoint;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

namespace {

using detail::cardsAnimate;

bool wasteTakes(const ProgramState& state, int card) {
    const int top = table::topCardOf(state.piles.stock(table::kWaste));
    if (state.params[param::WasteDropRule] !=
            catalogue::codeOf(catalogue::WasteDropRule::OneRankOffInSuit) ||
        top < 1 || table::isJoker(top) || table::isJoker(card) ||
        table::suitInPlay(state.params, top) != table::suitInPlay(state.params, card)) {
        return false;
    }
    const int a = table::rankOf(top);
    const int b = table::rankOf(card);
    return std::abs(a - b) == 1 || (a == 1 && b == 13) || (a == 13 && b == 1);
}

} // namespace

PileRef destinationPile(DestinationKind kind, int index) {
    switch (kind) {
    case DestinationKind::Waste:
        return {PileKind::Stock, table::kWaste};
    case DestinationKind::Tableau:
        return {PileKind::Tableau, index};
    case DestinationKind::Foundation:
        return {PileKind::Foundation, index};
    case DestinationKind::Reserve:
        return {PileKind::Reserve, index};
    }
    return {PileKind::Tableau, index};
}

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

bool destinationAccepts(const ProgramState& state, seam::Frontend& frontend, const CardMove& move) {
    const catalogue::GameParameters& p = state.params;
    const std::optional<DestinationKind> destination = destinationOf(move.to);
    if (!destination) {
        return false;
    }
    const DestinationKind kind = *destination;
    const int index = move.to.index;
    const int card = move.card;
    const PileRef target = move.to;
    if (openingMoveDue(state) &&
        !allowedAsOpening(state, locatePile(state, card), kind == DestinationKind::Foundation)) {
        return false;
    }
    switch (kind) {
    case DestinationKind::Waste:
        return p[param::WasteNotDropTarget] != catalogue::kWasteRefusesDrops &&
               table::isPlaced(state, target) && wasteTakes(state, card);
    case DestinationKind::Tableau:
        if (table::isGapRows(p)) {
            return isTableauLocation(locatePile(state, card)) && state.cards.isFaceUp(card) &&
                   table::gapSlotFor(state, card, index).has_value();
        }
        if (table::isTableauLine(p)) {
            const int from = locatePile(state, card);
            return isTableauLocation(from) &&
                   table::cardAt(state.piles.tableau(from - 1), 0) == card &&
                   table::lineMoveAllowed(state, from - 1, index);
        }
        return gameTypeOf(p) != GameType::Blank && gameTypeOf(p) != GameType::Gaps &&
               tableauTargetCheck(state, frontend, move);
    case DestinationKind::Foundation:
        return foundationTargetCheck(state, frontend, move);
    case DestinationKind::Reserve:
        return table::isPlaced(state, target) && reserveTargetCheck(state, frontend, move);
    }
    return false;
}

void forEachDropDestination(const ProgramState& state,
                            const std::function<void(DestinationKind, int)>& visit) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    for (int f = 0; f < counts.foundations; ++f) {
        visit(DestinationKind::Foundation, f);
    }
    const int fan = state.params[param::TableauFanStyle];
    if (fan != codeOf(FanStyle::FreeForm) && fan != codeOf(FanStyle::FreeFormAlike)) {
        for (int t = 0; t < counts.tableaus; ++t) {
            visit(DestinationKind::Tableau, t);
        }
    }
    for (int r = 0; r < counts.reserves; ++r) {
        visit(DestinationKind::Reserve, r);
    }
    if (state.params[param::WasteNotDropTarget] != catalogue::kWasteRefusesDrops &&
        table::isPlaced(state, {PileKind::Stock, table::kWaste})) {
        visit(DestinationKind::Waste, 0);
    }
}

bool dropMayMove(const ProgramState& state, int card) {
    if (openingMoveDue(state) && !isTableauLocation(locatePile(state, card))) {
        return false;
    }
    // A game that moves no card by a drop: the dropped card goes back.
    return gameTypeOf(state.params) != GameType::DropsMoveNothing;
}

std::vector<PileRef> dropTargets(const ProgramState& state, const seam::Frontend& frontend,
                                 const CardMove& lifted) {
    std::vector<PileRef> targets;
    if (!dropMayMove(state, lifted.card)) {
        return targets;
    }
    // The checks report a joker met where a suit is counted: ask quietly.
    QuietFrontend quiet(frontend);
    forEachDropDestination(state, [&](DestinationKind kind, int index) {
        CardMove move = lifted;
        move.to = destinationPile(kind, index);
        // The pile the cards come from takes them back, not as a move.
        if (positionInPile(state.piles.pile(move.to), lifted.card) < 0 &&
            destinationAccepts(state, quiet, move)) {
            targets.push_back(move.to);
        }
    });
    return targets;
}

bool placeCarried(ProgramState& state, seam::Frontend& frontend, const CardMove& move,
                  CarriedFrom from, bool automatic) {
    const catalogue::GameParameters& p = state.params;
    const std::optional<DestinationKind> destination = destinationOf(move.to);
    if (!destination || !destinationAccepts(state, frontend, move)) {
        return false;
    }
    const DestinationKind kind = *destination;
    const int index = move.to.index;
    const int card = move.card;
    const PileRef target = move.to;
    // The executor moves what the move names: the card alone or its run.
    state.carryGroup(state.groupHeight > 0 ? state.groupHeight : state.cardSize.height,
                     move.singleCard() ? table::CarriedCards::OneCard : table::CarriedCards::Run);
    const bool intoGap = kind == DestinationKind::Tableau && table::isGapRows(p);
    const MoveAction action = kind == DestinationKind::Waste ? MoveAction{ActionKind::ToWaste}
                              : intoGap                      ? MoveAction{ActionKind::ToGap, index}
                              : kind == DestinationKind::Foundation && automatic
                                  ? MoveAction{ActionKind::ToFoundationByAutoplay, index}
                                  : *moveOnto(target);
    if (cardsAnimate(state)) {
        if (from.onTable) {
            std::vector<int> moving =
                move.singleCard() ? std::vector<int>{card} : runFrom(state, card);
            if (moving.empty()) {
                moving.push_back(card);
            }
            frontend.tableDrawing().drawTableWithout(moving);
        }
        CardPoint to = table::nextCardPosition(state, target);
        if (intoGap) {
            to = table::cardPosition(state, target, *table::gapSlotFor(state, card, index));
        }
        if (kind == DestinationKind::Foundation &&
            p[param::FoundationFanStyle] != codeOf(FanStyle::DownFirstStep)) {
            to = table::topCardPosition(state, target);
        }
        frontend.tableDrawing().flyCard(card, from.x, from.y, to.x, to.y, {.pickUp = from.onTable});
    }
    if (!executeMove(state, frontend, card, action)) {
        return false;
    }
    if (kind == DestinationKind::Tableau && gameTypeOf(p) == GameType::SuitNeighbours) {
        markNewest(state, 1);
    }
    return true;
}

} // namespace vellomir::engine
