// Rules that open a pile only while the stock or the waste is in a given
// state.

#include "engine/rules/building_rules.h"
#include "table/card.h"
#include "table/program_state.h"

namespace vellomir::engine {

using catalogue::BuildingRuleCode;

namespace {

// Real placements: only onto an empty pile, and only once the stock is
// spent. Pairs of a run and neighbour-rank clicks build in any suit.
bool emptyOnceStockSpent(const RuleContext& ctx) {
    if (!ctx.q.realPlacement) {
        return genericBuildingTest(ctx, SuitCondition::Any);
    }
    return ctx.targetEmpty() && ctx.state.piles.stock(table::kStock).empty();
}

bool upInSuitWasteEmpty(const RuleContext& ctx) {
    return !ctx.targetEmpty() && ctx.wasteEmpty() && ctx.sameSuit() && ctx.oneUp();
}

// Rules 38 and 48: while the waste is empty, an empty pile takes the court
// card `court`, and a pile holding just that card takes any card but that court card (and
// for the king, the queen).
bool lonelyCourtCard(const RuleContext& ctx, int court) {
    if (!ctx.wasteEmpty()) {
        return false;
    }
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == court;
    }
    const auto pile = ctx.targetPile();
    if (!pile || table::cardCount(*pile) != 1 || ctx.belowRank() != court) {
        return false;
    }
    const int rank = ctx.movingRank();
    return court == 13 ? rank != 12 && rank != 13 : rank != 12;
}

bool loneKing(const RuleContext& ctx) {
    return lonelyCourtCard(ctx, 13);
}
bool loneQueen(const RuleContext& ctx) {
    return lonelyCourtCard(ctx, 12);
}

bool kingThenDownWasteEmpty(const RuleContext& ctx) {
    if (!ctx.wasteEmpty()) {
        return false;
    }
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 13;
    }
    if (ctx.movingRank() == 13) {
        return false;
    }
    const auto pile = ctx.targetPile();
    if (pile && table::cardCount(*pile) == 1) {
        return true;
    }
    return ctx.oneDown();
}

// Only once the stock and the waste are spent: in suit by the generic test;
// an empty foundation also keeps four distinct suits in its row.
bool inSuitOnceStockSpent(const RuleContext& ctx) {
    if (ctx.stockAndWasteCards() > 0) {
        return false;
    }
    if (ctx.targetEmpty()) {
        return distinctSuitsAroundTarget(ctx, true) && emptyPileAccepts(ctx);
    }
    return genericBuildingTest(ctx, SuitCondition::Same);
}

} // namespace

void addStockRules(RuleTable& table) {
    table.add(BuildingRuleCode::EmptyOnceStockSpent, emptyOnceStockSpent);
    table.add(BuildingRuleCode::UpInSuitWasteEmpty, upInSuitWasteEmpty);
    table.add(BuildingRuleCode::LoneKing, loneKing);
    table.add(BuildingRuleCode::KingThenDownWasteEmpty, kingThenDownWasteEmpty);
    table.add(BuildingRuleCode::LoneQueen, loneQueen);
    table.add(BuildingRuleCode::InSuitOnceStockSpent, inSuitOnceStockSpent);
}

} // namespace vellomir::engine
