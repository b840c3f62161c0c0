// Rules that look at ranks alone, or at nothing at all.

#include "engine/building_rules.h"

namespace vellomir::engine {

namespace {

bool never(const RuleContext&) {
    return false;
}
bool always(const RuleContext&) {
    return true;
}

bool rule76(const RuleContext& ctx) {
    return ctx.targetEmpty() || ctx.movingRank() < ctx.belowRank();
}

bool rule92(const RuleContext& ctx) {
    return ctx.movingRank() == 1;
}

} // namespace

void addRankRules(RuleTable& table) {
    table.add(4, never);
    table.add(5, never);
    table.add(12, always);
    table.add(76, rule76);
    table.add(92, rule92);
}

} // namespace vellomir::engine
