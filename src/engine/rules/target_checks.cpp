#include "engine/rules/target_checks.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/rules/card_move.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/placement_check.h"
#include "engine/rules/suit_run_foundation.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;
using catalogue::codeOf;
using catalogue::GameType;
using catalogue::gameTypeOf;
using catalogue::ReserveDropRule;
using catalogue::RunSizeLimit;

namespace param = catalogue::param;

namespace {

// Foundation rule SuitStillOnTableaus: never an ace; a card whose suit some tableau shows on
// top with a higher rank, or with an ace.
bool suitStillOnTableaus(const table::ProgramState& state, int card) {
    const int rank = table::rankOf(card);
    if (rank == 1) {
        return false;
    }
    const int tableaus = std::clamp(state.params[param::TableauCount], 0, table::kMaxTableaus);
    for (int t = 0; t < tableaus; ++t) {
        const int top = table::topCardOf(state.piles.tableau(t));
        if (top > 0 &&
            table::suitInPlay(state.params, top) == table::suitInPlay(state.params, card) &&
            (table::rankOf(top) > rank || table::rankOf(top) == 1)) {
            return true;
        }
    }
    return false;
}

// While the stock or the waste holds cards, a game may keep tableau cards
// where they are.
bool stockFirstHoldsBack(const table::ProgramState& state, int card) {
    const int restriction = state.params[param::StockFirstRestriction];
    if (restriction < 1 || restriction > 3) {
        return false;
    }
    const int stockAndWaste = table::cardCount(state.piles.stock(table::kStock)) +
                              table::cardCount(state.piles.stock(table::kWaste));
    return stockAndWaste > 0 && isTableauLocation(locatePile(state, card));
}

} // namespace

bool foundationTargetCheck(const table::ProgramState& state, seam::Frontend& frontend,
                           const CardMove& move) {
    const int index = move.to.index;
    const int card = move.card;
    if (!move.singleCard() && foundationTakesSuitRun(state, index, card)) {
        return true;
    }
    if (index < 0 || index >= table::kMaxFoundations || !move.singleCard()) {
        return false;
    }
    const std::string& pile = state.piles.foundation(index);
    const int held = table::cardCount(pile);
    const auto rule = static_cast<BuildingRuleCode>(state.params[param::FoundationRule + index]);
    if (rule == BuildingRuleCode::QueenOntoEmptyFoundation) {
        return held == 0 && table::rankOf(card) == 12;
    }
    if (rule == BuildingRuleCode::SuitStillOnTableaus) {
        return suitStillOnTableaus(state, card);
    }
    if (rule == BuildingRuleCode::UpAceOnKing && held >= 52) {
        return false;
    }
    if (held >= state.params[param::FoundationMaxCards] && rule != BuildingRuleCode::UpAceOnKing &&
        rule != BuildingRuleCode::TwoPacksUpThenDown) {
        return false;
    }
    return placementAllowed(state, frontend,
                            foundationPlacementQuery(state, index, table::topCardOf(pile), card));
}

PlacementQuery foundationPlacementQuery(const table::ProgramState& state, int index, int top,
                                        int card) {
    PlacementQuery query;
    query.below = top > 0 ? top : -1;
    query.moving = card;
    query.emptyCode = state.params[param::FoundationBaseRank + index];
    query.baseCode = query.emptyCode;
    query.direction = state.params[param::FoundationDirection + index];
    query.rule = state.params[param::FoundationRule + index];
    query.foundationFlag = true;
    query.baseFlag = true;
    query.targetIndex = index;
    query.realPlacement = true;
    return query;
}

bool dealFoundationCheck(const table::ProgramState& state, seam::Frontend& frontend, int index,
                         int card) {
    if (index < 0 || index >= table::kMaxFoundations) {
        return false;
    }
    const std::string& pile = state.piles.foundation(index);
    if (table::cardCount(pile) >= state.params[param::FoundationMaxCards]) {
        return false;
    }
    const int top = table::topCardOf(pile);
    PlacementQuery query;
    query.below = top > 0 ? top : -1;
    query.moving = card;
    query.emptyCode = state.params[param::FoundationBaseRank + index];
    query.baseCode = state.params[param::FoundationBaseRank];
    query.direction = state.params[param::FoundationDirection + index];
    query.rule = state.params[param::FoundationRule + index];
    query.foundationFlag = true;
    query.baseFlag = true;
    query.targetIndex = index;
    query.realPlacement = false;
    return placementAllowed(state, frontend, query);
}

bool tableauTargetCheck(const table::ProgramState& state, seam::Frontend& frontend,
                        const CardMove& move) {
    const int index = move.to.index;
    const int card = move.card;
    if (index < 0 || index >= table::kMaxTableaus) {
        return false;
    }
    const std::string& pile = state.piles.tableau(index);
    const int held = table::cardCount(pile);
    const int top = table::topCardOf(pile);
    if (held > 0) {
        // A face-down top card takes nothing, except in game family 40.
        if (top > 0 && !state.cards.isFaceUp(top) &&
            gameTypeOf(state.params) != GameType::OntoFaceDown) {
            return false;
        }
        const int most = state.params[param::TableauMaxCards];
        if (most != -1 && held >= most) {
            return false;
        }
    }
    const auto rule = static_cast<BuildingRuleCode>(state.params[param::TableauRule + index]);
    PlacementQuery query = tableauPlacementQuery(state, index, top, card);
    query.count = move.count;
    bool legal = placementAllowed(state, frontend, query);

    const bool single = move.singleCard();
    const bool targetEmpty = query.below <= 0;
    if (legal && rule == BuildingRuleCode::DownAnySuit && !targetEmpty && !single) {
        legal = false;
    }
    if (legal && state.params[param::RunCheck] != 0 && !single) {
        legal = runCheck(state, frontend, card, index);
    }
    const int runLimit = state.params[param::RunSizeLimit];
    if (legal &&
        (runLimit == codeOf(RunSizeLimit::FreeCellsAndTableaus) || runLimit == kDoublingRunLimit) &&
        !single && targetEmpty) {
        legal = runSizeLimit(state, card, true);
    }
    // Cards never go back onto the tableau they were lifted from.
    if (move.from == move.to) {
        legal = false;
    }
    return legal;
}

PlacementQuery tableauPlacementQuery(const table::ProgramState& state, int index, int top,
                                     int card) {
    PlacementQuery query;
    query.below = top > 0 ? top : -1;
    query.moving = card;
    query.emptyCode = state.params[param::TableauEmptyCode + index];
    query.baseCode = state.params[param::FoundationBaseRank];
    query.direction = state.params[param::TableauDirection + index];
    query.rule = state.params[param::TableauRule + index];
    query.foundationFlag = false;
    query.baseFlag = state.params[param::TableauBaseFlag + index] > 0;
    query.targetIndex = index;
    query.realPlacement = true;
    return query;
}

bool reserveTargetCheck(const table::ProgramState& state, seam::Frontend& frontend,
                        const CardMove& move) {
    const int index = move.to.index;
    const int card = move.card;
    if (index < 0 || index >= table::kMaxReserves) {
        return false;
    }
    // Dropping a card back onto its own reserve is no move at all.
    if (locatePile(state, card) == reserveLocation(index)) {
        return false;
    }
    if (stockFirstHoldsBack(state, card)) {
        return false;
    }
    const bool single = move.singleCard();
    const bool empty = state.piles.reserve(index).empty();
    const int firstReserveCards = table::cardCount(state.piles.reserve(0));
    const int rank = table::rankOf(card);
    switch (static_cast<ReserveDropRule>(state.params[param::ReserveDropRule + index])) {
    case ReserveDropRule::Refused:
        return false;
    case ReserveDropRule::KingWhileFirstHoldsFewerThanThree:
        return single && rank == 13 && firstReserveCards < 3;
    case ReserveDropRule::AnySingleCard:
        // Any card, one at a time: a reserve move carries a single card.
        return single;
    case ReserveDropRule::FromWaste:
        return locatePile(state, card) == location::Waste;
    case ReserveDropRule::SingleFromWasteOntoEmpty:
        return single && empty && locatePile(state, card) == location::Waste;
    case ReserveDropRule::SingleWhileFirstHoldsFewerThanFive:
        return single && firstReserveCards < 5;
    case ReserveDropRule::JackOntoEmpty:
        return single && empty && rank == 11;
    case ReserveDropRule::QueenOntoEmpty:
        return single && empty && rank == 12;
    case ReserveDropRule::KingOntoEmpty:
        return single && empty && rank == 13;
    case ReserveDropRule::CourtOntoEmpty:
        return single && empty && table::isCourt(card);
    case ReserveDropRule::SingleNotFromTableauOntoEmpty: {
        if (!single || !empty) {
            return false;
        }
        PlacementQuery query;
        query.below = -1;
        query.moving = card;
        query.rule = codeOf(BuildingRuleCode::UpOrDownInSuitNotFromTableauToo);
        query.foundationFlag = true;
        query.baseFlag = true;
        query.targetIndex = index;
        query.realPlacement = true;
        return placementAllowed(state, frontend, query);
    }
    default:
        return single && empty;
    }
}

} // namespace vellomir::engine
