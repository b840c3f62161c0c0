// Rules whose next rank is arithmetic: fixed steps with a wrap past the king,
// doubling, the deal counter, the foundation's size, and the step set by the
// first foundation to hold two cards.

#include "engine/rules/building_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/card.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;

namespace {

// `step` ranks up, any suit, wrapping past the king: the rank below plus the
// step, or that sum modulo 13. An empty target counts as rank -1.
bool stepUpWrapping(const RuleContext& ctx, int step) {
    const int sum = ctx.belowRank() + step;
    return ctx.movingRank() == sum || ctx.movingRank() == sum % 13;
}

bool upByTwoWrapping(const RuleContext& ctx) {
    return stepUpWrapping(ctx, 2);
}
bool upByThreeWrapping(const RuleContext& ctx) {
    return stepUpWrapping(ctx, 3);
}
bool upByFourWrapping(const RuleContext& ctx) {
    return stepUpWrapping(ctx, 4);
}

// Doubling modulo 13; a king, which doubling never gives, closes the game
// once foundation 1 holds 48 cards.
bool doubling(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return emptyPileAccepts(ctx);
    }
    if (ctx.movingRank() == (2 * ctx.belowRank()) % 13) {
        return true;
    }
    const auto first = ctx.foundation(0);
    return ctx.movingRank() == 13 && first && table::cardCount(*first) >= 48;
}

// The rank called by the deal counter (a king for 0), or anything while the
// stock and the waste hold a single card.
bool calledRank(const RuleContext& ctx) {
    if (ctx.stockAndWasteCards() == 1) {
        return true;
    }
    // In Hit or Miss only the card turned with the call is a hit, not an
    // older miss uncovered later.
    if (gameTypeOf(ctx.state.params) == GameType::HitOrMiss &&
        ctx.q.moving != ctx.state.flags.counter(table::EngineFlags::kCalledCard)) {
        return false;
    }
    int called = ctx.state.flags.counter(0) % 13;
    if (called < 0) {
        called += 13;
    }
    return ctx.movingRank() == (called == 0 ? 13 : called);
}

bool byTwoInSuitFourSuits(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return matchesRankCode(ctx.movingRank(),
                               ctx.param(param::FoundationBaseRank + ctx.q.targetIndex)) &&
               distinctSuitsAroundTarget(ctx, false);
    }
    return ctx.sameSuit() && stepUpWrapping(ctx, 2);
}

// In suit by two without a wrap; an empty target counts as rank -1 of suit 0.
bool byTwoInSuitNoWrap(const RuleContext& ctx) {
    return ctx.sameSuit() && ctx.movingRank() == ctx.belowRank() + 2;
}

bool rankOfPlace(const RuleContext& ctx) {
    return ctx.movingRank() == ctx.q.targetIndex + 1;
}

bool rankByFoundationCount(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 1;
    }
    return ctx.movingRank() == ctx.targetFoundationCards() / 4 + 1;
}

// The step of rule 91: the rank difference of the first two cards of the
// first foundation to hold two, counted upwards past the king. 0 while no
// foundation holds two cards.
int foundationStep(const RuleContext& ctx) {
    const int foundations =
        std::clamp(ctx.param(param::FoundationCount), 0, table::kMaxFoundations);
    for (int f = 0; f < foundations; ++f) {
        const std::string& pile = ctx.state.piles.foundation(f);
        if (table::cardCount(pile) >= 2) {
            const int step = ruleRank(table::cardAt(pile, 1)) - ruleRank(table::cardAt(pile, 0));
            return step < 0 ? step + 13 : step;
        }
    }
    return 0;
}

// `step` ranks up, wrapping past the king (a 2 on a king is two up).
bool stepsUpPastKing(int below, int moving, int step) {
    if (moving == below + step) {
        return true;
    }
    return below >= 1 && below <= 13 && below + step > 13 && moving == below + step - 13;
}

bool upByFoundationStep(const RuleContext& ctx) {
    const int step = foundationStep(ctx);
    const int below = ctx.belowRank();
    const int moving = ctx.movingRank();
    if (ctx.targetEmpty()) {
        return step == 0 ? moving == below + 1 || moving == below + 2 : moving == below + step;
    }
    if (step == 0) {
        return stepsUpPastKing(below, moving, 1) || stepsUpPastKing(below, moving, 2);
    }
    return stepsUpPastKing(below, moving, step);
}

} // namespace

void addStepRules(RuleTable& table) {
    table.add(BuildingRuleCode::UpByTwoWrapping, upByTwoWrapping);
    table.add(BuildingRuleCode::UpByThreeWrapping, upByThreeWrapping);
    table.add(BuildingRuleCode::UpByFourWrapping, upByFourWrapping);
    table.add(BuildingRuleCode::Doubling, doubling);
    table.add(BuildingRuleCode::CalledRank, calledRank);
    table.add(BuildingRuleCode::ByTwoInSuitFourSuits, byTwoInSuitFourSuits);
    table.add(BuildingRuleCode::ByTwoInSuitNoWrap, byTwoInSuitNoWrap);
    table.add(BuildingRuleCode::RankOfPlace, rankOfPlace);
    table.add(BuildingRuleCode::RankByFoundationCount, rankByFoundationCount);
    table.add(BuildingRuleCode::UpByFoundationStep, upByFoundationStep);
}

} // namespace vellomir::engine
