// Rules that look at ranks alone, or at nothing at all.

#include "engine/building_rules.h"

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

} // namespace

void addRankRules(RuleTable& table) {
    table.add(BuildingRuleCode::Refused, never);
    table.add(BuildingRuleCode::RefusedToo, never);
    table.add(BuildingRuleCode::AnyCard, always);
    table.add(BuildingRuleCode::LowerRank, lowerRank);
    table.add(BuildingRuleCode::AceOnly, aceOnly);
}

} // namespace vellomir::engine
