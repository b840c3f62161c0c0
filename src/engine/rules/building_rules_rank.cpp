// Rules that look at ranks alone, or at nothing at all.

#include "engine/rules/building_rules.h"
#include "table/card.h"
#include "table/pile_lists.h"

namespace vellomir::engine {

using catalogue::BuildingRuleCode;

namespace {

bool never(const RuleContext&) {
    return false;
}
bool always(const RuleContext&) {
    return true;
}

bool lowerRank(const RuleContext& ctx) {
    return ctx.targetEmpty() || ctx.movingRank() < ctx.belowRank();
}

bool aceOnly(const RuleContext& ctx) {
    return ctx.movingRank() == 1;
}

// Osmosis and Peek: a foundation takes the cards of its first card's suit
// in any order, but one after the first only a rank already lying on the
// foundation before it, so that the ranks seep down from the first. The
// foundations start in their order: a base card goes to the first empty one.
bool inSuitRankOnFoundationAbove(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        for (int f = 0; f < ctx.q.targetIndex; ++f) {
            const auto earlier = ctx.foundation(f);
            if (earlier && earlier->empty()) {
                return false;
            }
        }
        return emptyPileAccepts(ctx);
    }
    const auto own = ctx.targetPile();
    if (!own || own->empty() || ruleSuit(ctx.state, table::cardAt(*own, 0)) != ctx.movingSuit()) {
        return false;
    }
    if (ctx.q.targetIndex == 0) {
        return true;
    }
    const auto above = ctx.foundation(ctx.q.targetIndex - 1);
    if (!above) {
        return false;
    }
    for (int i = 0; i < table::cardCount(*above); ++i) {
        if (ruleRank(table::cardAt(*above, i)) == ctx.movingRank()) {
            return true;
        }
    }
    return false;
}

} // namespace

void addRankRules(RuleTable& table) {
    table.add(BuildingRuleCode::Refused, never);
    table.add(BuildingRuleCode::RefusedToo, never);
    table.add(BuildingRuleCode::AnyCard, always);
    table.add(BuildingRuleCode::LowerRank, lowerRank);
    table.add(BuildingRuleCode::AceOnly, aceOnly);
    table.add(BuildingRuleCode::InSuitRankOnFoundationAbove, inSuitRankOnFoundationAbove);
}

} // namespace vellomir::engine
