// Rules decided first by where the moving card comes from.

#include "engine/building_rules.h"
#include "table/card.h"

namespace vellomir::engine {

namespace {

bool rule17(const RuleContext& ctx) {
    return !ctx.fromTableau();
}

bool rule18(const RuleContext& ctx) {
    return !ctx.fromTableau() || ctx.targetTableauCards() == 0;
}

bool rule19(const RuleContext& ctx) {
    return !ctx.fromTableau() && !ctx.fromReserve();
}

bool rule27(const RuleContext& ctx) {
    if (ctx.fromFoundationOrReserve()) {
        return false;
    }
    return genericBuildingTest(ctx, SuitCondition::DifferentColour);
}

bool rule33(const RuleContext& ctx) {
    return !ctx.fromTableau() && ctx.targetTableauCards() <= 1;
}

// The same rank, only from a tableau at or after the target's place.
bool rule56(const RuleContext& ctx) {
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
    table.add(17, rule17);
    table.add(18, rule18);
    table.add(19, rule19);
    table.add(27, rule27);
    table.add(33, rule33);
    table.add(56, rule56);
    table.add(80, noTableauCardUpOrDownInSuit);
    table.add(81, noTableauCardUpOrDownInSuit);
}

} // namespace vellomir::engine
