// Puzzles on a grid of single-card tableaus, the swap of rule 93, and the
// gallery piles built only on their base card (rule 99).

#include "engine/rules/building_rules.h"

#include "catalogue/parameter_index.h"
#include "engine/rules/grid_moves.h"
#include "table/card.h"
#include "table/program_state.h"

namespace vellomir::engine {

using catalogue::BuildingRuleCode;

namespace param = catalogue::param;

namespace {

// The 0-based tableau the moving card comes from, or nothing.
std::optional<int> sourceTableau(const RuleContext& ctx) {
    if (!ctx.fromTableau()) {
        return std::nullopt;
    }
    return ctx.source() - 1;
}

// A card slides into the empty cell from a neighbouring cell.
bool slideIntoGap(const RuleContext& ctx) {
    const auto from = sourceTableau(ctx);
    return ctx.targetEmpty() && from &&
           isGridNeighbour(ctx.param(param::GridWidth), *from, ctx.q.targetIndex);
}

// A card jumps into the empty cell over a cell that holds a card.
bool jumpIntoGap(const RuleContext& ctx) {
    const auto from = sourceTableau(ctx);
    if (!ctx.targetEmpty() || !from) {
        return false;
    }
    const auto over = jumpedGridCell(ctx.param(param::GridWidth), *from, ctx.q.targetIndex);
    if (!over) {
        return false;
    }
    const auto pile = ctx.tableau(*over);
    return pile && table::topCardOf(*pile) > 0;
}

// Up by three in suit from the tableau's base rank. A tableau holding one
// card of the wrong rank only swaps it with a lone base card from a tableau
// whose base rank that card has.
bool upByThreeFromBase(const RuleContext& ctx) {
    const int ti = ctx.q.targetIndex;
    const int base = ctx.param(param::TableauEmptyCode + ti);
    if (ctx.targetEmpty()) {
        return matchesRankCode(ctx.movingRank(), base);
    }
    const auto pile = ctx.tableau(ti);
    if (!pile) {
        return false;
    }
    const int held = table::cardCount(*pile);
    const int bottomRank = ruleRank(table::cardAt(*pile, 0));
    if (held == 1 && !matchesRankCode(bottomRank, base)) {
        const auto from = sourceTableau(ctx);
        if (!from || table::cardCount(ctx.state.piles.tableau(*from)) != 1) {
            return false;
        }
        return matchesRankCode(ctx.movingRank(), base) &&
               matchesRankCode(bottomRank, ctx.param(param::TableauEmptyCode + *from));
    }
    return matchesRankCode(bottomRank, base) && ctx.sameSuit() &&
           ctx.movingRank() == ctx.belowRank() + 3;
}

// In suit by the game's rank step, in the pile's direction, and only onto a
// pile whose bottom card is the pile's base rank (its empty-pile code): a
// card dealt where it does not belong takes nothing until it has gone. An
// empty pile takes its base rank alone.
bool inSuitOnBaseCard(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return matchesRankCode(ctx.movingRank(), ctx.q.emptyCode);
    }
    const auto pile = ctx.targetPile();
    if (!pile || table::cardCount(*pile) == 0 ||
        !matchesRankCode(ruleRank(table::cardAt(*pile, 0)), ctx.q.emptyCode)) {
        return false;
    }
    return genericBuildingTest(ctx, SuitCondition::Same);
}

} // namespace

void addGridRules(RuleTable& table) {
    table.add(BuildingRuleCode::SlideIntoGap, slideIntoGap);
    table.add(BuildingRuleCode::JumpIntoGap, jumpIntoGap);
    table.add(BuildingRuleCode::UpByThreeFromBase, upByThreeFromBase);
    table.add(BuildingRuleCode::InSuitOnBaseCard, inSuitOnBaseCard);
}

} // namespace vellomir::engine
