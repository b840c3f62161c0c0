// Rules decided first by where the moving card comes from.

#include "engine/rules/building_rules.h"
#include "table/card.h"

namespace vellomir::engine {

using catalogue::BuildingRuleCode;

namespace {

bool notFromTableau(const RuleContext& ctx) {
    return !ctx.fromTableau();
}

bool notFromTableauUnlessEmpty(const RuleContext& ctx) {
    return !ctx.fromTableau() || ctx.targetTableauCards() == 0;
}

bool onlyFromStockOrWaste(const RuleContext& ctx) {
    return !ctx.fromTableau() && !ctx.fromReserve();
}

bool alternateColoursNotFromFoundationOrReserve(const RuleContext& ctx) {
    if (ctx.fromFoundationOrReserve()) {
        return false;
    }
    return genericBuildingTest(ctx, SuitCondition::DifferentColour);
}

bool notFromTableauOntoOneCard(const RuleContext& ctx) {
    return !ctx.fromTableau() && ctx.targetTableauCards() <= 1;
}

// The same rank, only from a tableau at or after the target's place.
bool sameRankFromLaterTableau(const RuleContext& ctx) {
    if (ctx.targetEmpty() || ctx.movingRank() != ctx.belowRank() || !ctx.fromTableau()) {
        return false;
    }
    return ctx.source() - 1 >= ctx.q.targetIndex;
}

// Rules 80 and 81: no tableau card; in suit up or down, king and ace next to
// each other both ways; any card onto an empty pile. Cards from another
// reserve are accepted like those from the waste or a foundation.
bool noTableauCardUpOrDownInSuit(const RuleContext& ctx) {
    if (ctx.fromTableau()) {
        return false;
    }
    if (ctx.targetEmpty()) {
        return true;
    }
    return ctx.sameSuit() && (ctx.oneUp() || ctx.oneDown() || ctx.kingOnAce() || ctx.aceOnKing());
}

} // namespace

void addSourceRules(RuleTable& table) {
    table.add(BuildingRuleCode::NotFromTableau, notFromTableau);
    table.add(BuildingRuleCode::NotFromTableauUnlessEmpty, notFromTableauUnlessEmpty);
    table.add(BuildingRuleCode::OnlyFromStockOrWaste, onlyFromStockOrWaste);
    table.add(BuildingRuleCode::AlternateColoursNotFromFoundationOrReserve,
              alternateColoursNotFromFoundationOrReserve);
    table.add(BuildingRuleCode::NotFromTableauOntoOneCard, notFromTableauOntoOneCard);
    table.add(BuildingRuleCode::SameRankFromLaterTableau, sameRankFromLaterTableau);
    table.add(BuildingRuleCode::UpOrDownInSuitNotFromTableau, noTableauCardUpOrDownInSuit);
    table.add(BuildingRuleCode::UpOrDownInSuitNotFromTableauToo, noTableauCardUpOrDownInSuit);
}

} // namespace vellomir::engine
