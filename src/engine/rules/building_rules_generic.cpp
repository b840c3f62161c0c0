// The generic building test, the empty-pile codes with their colour and suit
// balance, and the rules that are the generic test with a suit condition.

#include "engine/rules/building_rules.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/rules/four_distinct_suits.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/rank_step.h"
#include "seam/frontend.h"
#include "settings/translatable_text.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/program_state.h"

#include <algorithm>
#include <vector>

namespace vellomir::engine {

using catalogue::BaseFlag;
using catalogue::BuildingRuleCode;
using catalogue::codeOf;

namespace param = catalogue::param;

namespace {

bool suitConditionHolds(const RuleContext& ctx, SuitCondition suit) {
    switch (suit) {
    case SuitCondition::Any:
        return true;
    case SuitCondition::Same:
        return ctx.sameSuit();
    case SuitCondition::SameColour:
        return table::redInPlay(ctx.state.params, ctx.q.below) ==
               table::redInPlay(ctx.state.params, ctx.q.moving);
    case SuitCondition::DifferentColour:
        return table::redInPlay(ctx.state.params, ctx.q.below) !=
               table::redInPlay(ctx.state.params, ctx.q.moving);
    case SuitCondition::DifferentSuit:
        return !ctx.sameSuit();
    case SuitCondition::Never:
        return false;
    }
    return false;
}

int foundationCount(const RuleContext& ctx) {
    return std::clamp(ctx.param(param::FoundationCount), 0, table::kMaxFoundations);
}

int reserveCount(const RuleContext& ctx) {
    return std::clamp(ctx.param(param::ReserveCount), 0, table::kMaxReserves);
}

// Codes "\" and "]": the rank of the bottom card of every foundation started.
// Answers nothing when no foundation is started yet.
std::optional<bool> matchesStartedFoundations(const RuleContext& ctx) {
    bool started = false;
    for (int f = 0; f < foundationCount(ctx); ++f) {
        const int bottom = table::cardAt(ctx.state.piles.foundation(f), 0);
        if (bottom <= 0) {
            continue;
        }
        started = true;
        if (ruleRank(bottom) != ctx.movingRank()) {
            return false;
        }
    }
    if (!started) {
        return std::nullopt;
    }
    return true;
}

bool anyReserveHoldsCards(const RuleContext& ctx) {
    for (int r = 0; r < reserveCount(ctx); ++r) {
        if (!ctx.state.piles.reserve(r).empty()) {
            return true;
        }
    }
    return false;
}

// The generic test's step onto a card, for a direction code of 0, 1 or 2.
bool buildsOneStep(const RuleContext& ctx) {
    const PlacementQuery& q = ctx.q;
    const int below = ctx.belowRank();
    const int moving = ctx.movingRank();
    // Base flags 2 and 3 end a tableau's sequence at the ace and the king
    // instead of wrapping it round or stopping at the base rank. Under 2 a
    // 2 goes on an ace and a queen on a king whichever way the pile builds;
    // under 3 (the Spider family) only the step of the pile's own way is
    // taken there: building down, a queen on a king and nothing on an ace.
    const int baseFlag = ctx.param(param::TableauBaseFlag + q.targetIndex);
    const bool turnsAtEnds = !q.foundationFlag && (baseFlag == codeOf(BaseFlag::TurnAtEnds) ||
                                                   baseFlag == codeOf(BaseFlag::StopAtEnds));
    const bool eitherWay = baseFlag == codeOf(BaseFlag::TurnAtEnds);
    const bool turn = (below == 1 && moving == 2 && (eitherWay || q.direction != 0)) ||
                      (below == 13 && moving == 12 && (eitherWay || q.direction != 1));
    bool answer = false;

    if (q.direction == 1 || q.direction == 2) {
        if (q.foundationFlag) {
            // A foundation wraps from king to ace unless its own base is the ace.
            if (below == 13) {
                answer = moving == 1 && q.emptyCode != 1;
                if (q.direction == 1) {
                    return answer;
                }
            }
        } else if (turnsAtEnds) {
            answer = turn;
        } else {
            if (below == q.baseCode && !q.baseFlag) {
                return false;
            }
            if (below == 13 && moving == 1) {
                return true;
            }
        }
        if (moving == below + 1) {
            answer = true;
        }
    }
    if (q.direction == 1 || answer) {
        return answer;
    }

    if (q.foundationFlag) {
        if (below == 1) {
            return moving == 13 && q.emptyCode != 13;
        }
    } else if (turnsAtEnds) {
        answer = turn;
    } else {
        const bool aceBase = q.baseCode == empty_code::AceColourBalance ||
                             q.baseCode == empty_code::ProgramOnlyR ||
                             q.baseCode == empty_code::ProgramOnlyS;
        if ((below == q.baseCode || (below == 1 && aceBase)) && !q.baseFlag) {
            return false;
        }
        if (below == 1) {
            return moving == 13;
        }
    }
    if (moving == below - 1) {
        answer = true;
    }
    return answer;
}

bool inSuit(const RuleContext& ctx) {
    return genericBuildingTest(ctx, SuitCondition::Same);
}
bool sameColour(const RuleContext& ctx) {
    return genericBuildingTest(ctx, SuitCondition::SameColour);
}
bool anySuit(const RuleContext& ctx) {
    return genericBuildingTest(ctx, SuitCondition::Any);
}
bool alternateColours(const RuleContext& ctx) {
    return genericBuildingTest(ctx, SuitCondition::DifferentColour);
}
bool emptyPileOnly(const RuleContext& ctx) {
    return genericBuildingTest(ctx, SuitCondition::Never);
}
bool differentSuit(const RuleContext& ctx) {
    return genericBuildingTest(ctx, SuitCondition::DifferentSuit);
}

// In suit, but a queen never goes on a king or a jack.
bool inSuitNoQueenOnKingOrJack(const RuleContext& ctx) {
    if (!ctx.targetEmpty() && ctx.movingRank() == 12 &&
        (ctx.belowRank() == 13 || ctx.belowRank() == 11)) {
        return false;
    }
    return genericBuildingTest(ctx, SuitCondition::Same);
}

// In suit, but never a queen on a king nor a king on a queen.
bool inSuitNoQueenKingPair(const RuleContext& ctx) {
    if (!ctx.targetEmpty() && ((ctx.movingRank() == 12 && ctx.belowRank() == 13) ||
                               (ctx.movingRank() == 13 && ctx.belowRank() == 12))) {
        return false;
    }
    return genericBuildingTest(ctx, SuitCondition::Same);
}

// In suit; an empty foundation must also keep four distinct suits in its row.
bool inSuitFourSuitsInRow(const RuleContext& ctx) {
    if (ctx.targetEmpty() && !distinctSuitsAroundTarget(ctx, false)) {
        return false;
    }
    return genericBuildingTest(ctx, SuitCondition::Same);
}

} // namespace

bool matchesRankCode(int rank, int code) {
    return code == empty_code::AnyCard || (code >= 1 && code <= 13 && rank == code);
}

bool genericBuildingTest(const RuleContext& ctx, SuitCondition suit) {
    if (ctx.targetEmpty()) {
        return emptyPileAccepts(ctx);
    }
    if (!suitConditionHolds(ctx, suit)) {
        return false;
    }
    if (ctx.q.direction < 0 || ctx.q.direction > 2) {
        return false;
    }
    // Games built by twos or threes step that far, foundations and tableaus
    // alike, and never round the corner: the base flags' turns and wraps
    // belong to building by one.
    if (buildsByRankStep(ctx.state.params)) {
        return stepsByRank(ctx.belowRank(), ctx.movingRank(), ctx.q.direction,
                           rankStep(ctx.state.params));
    }
    return buildsOneStep(ctx);
}

bool emptyPileAccepts(const RuleContext& ctx) {
    const int code = ctx.q.emptyCode;
    if (ctx.q.baseCode == empty_code::AnyCard) {
        return true;
    }
    const int rank = ctx.movingRank();
    if (code == empty_code::AnyCard || (code >= 1 && code <= 13)) {
        return matchesRankCode(rank, code);
    }
    switch (code) {
    case empty_code::AceColourBalance:
        return rank == 1 && colourSuitBalance(ctx, code, false);
    case empty_code::KingBalance:
        return rank == 13 && colourSuitBalance(ctx, code, true);
    case empty_code::AceBalance:
        return rank == 1 && colourSuitBalance(ctx, code, true);
    case empty_code::TwoBalance:
        return rank == 2 && colourSuitBalance(ctx, code, true);
    case empty_code::SingleCardOnly:
        return ctx.singleCardMove();
    case empty_code::FromStockOrWaste:
        return ctx.source() == location::Nowhere || ctx.source() == location::Waste ||
               ctx.source() == location::Stock;
    case empty_code::NotFromTableau:
        return !ctx.fromTableau();
    case empty_code::SameAsFoundations:
        return matchesStartedFoundations(ctx).value_or(true);
    case empty_code::SameAsFoundationsOrReserve:
        return matchesStartedFoundations(ctx).value_or(ctx.fromReserve());
    case empty_code::ReserveThenWaste:
        if (ctx.fromTableau()) {
            return false;
        }
        return anyReserveHoldsCards(ctx) ? ctx.fromReserve() : ctx.fromWaste();
    default:
        // "R" and "S" piles are filled only by the program; unknown codes
        // take nothing.
        return false;
    }
}

bool colourSuitBalance(const RuleContext& ctx, int code, bool countSuits) {
    int sharing = 0;
    std::vector<int> counted;
    for (int f = 0; f < foundationCount(ctx); ++f) {
        if (ctx.param(param::FoundationBaseRank + f) != code) {
            continue;
        }
        ++sharing;
        const int bottom = table::cardAt(ctx.state.piles.foundation(f), 0);
        if (bottom > 0) {
            counted.push_back(bottom);
        }
    }
    // The first foundation of the group takes any card of the required rank.
    if (counted.empty()) {
        return true;
    }
    counted.push_back(ctx.q.moving);
    int red = 0;
    int black = 0;
    std::array<int, 4> suits{};
    for (int card : counted) {
        const int suit = table::suitInPlay(ctx.state.params, card);
        if (suit < 0 || suit > 3) {
            ctx.frontend.showInformation(VELLOMIR_TEXT("Core", "Error suit - 1"));
            continue;
        }
        ++(table::redInPlay(ctx.state.params, card) ? red : black);
        if (countSuits && ++suits[static_cast<std::size_t>(suit)] > 1) {
            return false;
        }
    }
    return red <= sharing / 2 && black <= sharing / 2;
}

bool distinctSuitsAroundTarget(const RuleContext& ctx, bool addCard) {
    const int ti = ctx.q.targetIndex;
    const int first = ti <= 3 ? 0 : 4;
    const int position = addCard ? -1 : ti - first;
    return fourDistinctSuits(ctx.state, {first, first + 1, first + 2, first + 3}, position,
                             ctx.q.moving);
}

void addGenericRules(RuleTable& table) {
    table.add(BuildingRuleCode::InSuit, inSuit);
    table.add(BuildingRuleCode::SameColour, sameColour);
    table.add(BuildingRuleCode::AnySuit, anySuit);
    table.add(BuildingRuleCode::AlternateColours, alternateColours);
    table.add(BuildingRuleCode::EmptyPileOnly, emptyPileOnly);
    table.add(BuildingRuleCode::InSuitNoQueenOnKingOrJack, inSuitNoQueenOnKingOrJack);
    table.add(BuildingRuleCode::DifferentSuit, differentSuit);
    table.add(BuildingRuleCode::InSuitNoQueenKingPair, inSuitNoQueenKingPair);
    table.add(BuildingRuleCode::InSuitFourSuitsInRow, inSuitFourSuitsInRow);
}

} // namespace vellomir::engine
