// Rules that build one rank at a time (or two in suit), each with its own
// treatment of the ends of the sequence and of the empty pile.

#include "engine/rules/building_rules.h"

#include "catalogue/parameter_index.h"
#include "engine/rules/pile_location.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;
using catalogue::codeOf;

namespace param = catalogue::param;

namespace {

bool upOrDown(const RuleContext& ctx) {
    return ctx.oneUp() || ctx.oneDown();
}

bool sameColour(const RuleContext& ctx) {
    return table::redInPlay(ctx.state.params, ctx.q.below) ==
           table::redInPlay(ctx.state.params, ctx.q.moving);
}

// The foundation's base rank, parameter 48 + target index.
bool hasFoundationBaseRank(const RuleContext& ctx) {
    return matchesRankCode(ctx.movingRank(),
                           ctx.param(param::FoundationBaseRank + ctx.q.targetIndex));
}

// The tableau's empty code, parameter 128 + target index, as a rank.
bool hasTableauEmptyRank(const RuleContext& ctx) {
    return matchesRankCode(ctx.movingRank(),
                           ctx.param(param::TableauEmptyCode + ctx.q.targetIndex));
}

bool upAceOnKing(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 1;
    }
    return ctx.oneUp() || ctx.aceOnKing();
}

// In suit by two: up when the direction is 1, else down.
bool byTwoInSuit(const RuleContext& ctx) {
    const int step = ctx.q.direction == 1 ? 2 : -2;
    return ctx.sameSuit() && ctx.movingRank() == ctx.belowRank() + step;
}

bool byTwoInSuitOrEmptyCode(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return emptyPileAccepts(ctx);
    }
    return byTwoInSuit(ctx);
}

// As 25, and the two-step sequence also turns at the top: a 2 on a king and
// an ace on a queen.
bool byTwoInSuitTurning(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return emptyPileAccepts(ctx);
    }
    if (!ctx.sameSuit()) {
        return false;
    }
    const int below = ctx.belowRank();
    const int moving = ctx.movingRank();
    return byTwoInSuit(ctx) || (below == 13 && moving == 2) || (below == 12 && moving == 1);
}

bool upOrDownOntoOneOrTwo(const RuleContext& ctx) {
    const int held = ctx.targetTableauCards();
    return !ctx.targetEmpty() && (held == 1 || held == 2) && upOrDown(ctx);
}

// Up or down, turning at the ends: only a 2 on an ace and a queen on a king.
bool turnsAtEnds(const RuleContext& ctx) {
    switch (ctx.belowRank()) {
    case 1:
        return ctx.movingRank() == 2;
    case 13:
        return ctx.movingRank() == 12;
    default:
        return upOrDown(ctx);
    }
}

bool anySuitTurningAtEnds(const RuleContext& ctx) {
    return ctx.targetEmpty() || turnsAtEnds(ctx);
}
bool inSuitTurnsAtEnds(const RuleContext& ctx) {
    return ctx.targetEmpty() || (ctx.sameSuit() && turnsAtEnds(ctx));
}

// Two packs in suit on one foundation: ace up to king, a second king, then
// down to the ace.
bool twoPacksUpThenDown(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        const int code = ctx.q.emptyCode;
        if (code == empty_code::AceColourBalance || code == empty_code::KingBalance ||
            code == empty_code::AceBalance || code == empty_code::TwoBalance) {
            return emptyPileAccepts(ctx);
        }
        // Any other code asks the rank it names (any card for -1) and keeps
        // the colours of the foundations sharing the code in balance.
        return emptyPileAccepts(ctx) && colourSuitBalance(ctx, code, false);
    }
    if (!ctx.sameSuit()) {
        return false;
    }
    const int held = ctx.targetFoundationCards();
    if (held <= 12) {
        return ctx.oneUp();
    }
    if (held == 13) {
        return ctx.movingRank() == 13;
    }
    return ctx.oneDown();
}

// In suit; a pile of one card goes either way, a longer one keeps its way.
bool inSuitKeepingDirection(const RuleContext& ctx) {
    if (ctx.targetEmpty() || !ctx.sameSuit()) {
        return false;
    }
    const auto pile = ctx.targetPile();
    const int held = pile ? table::cardCount(*pile) : 0;
    if (held < 2) {
        return upOrDown(ctx);
    }
    const int under = ruleRank(table::cardAt(*pile, held - 2));
    const int top = ruleRank(table::cardAt(*pile, held - 1));
    return under > top ? ctx.oneDown() : ctx.oneUp();
}

// An empty target counts as rank -1 in suit 0, so these take nothing there.
bool downInSuit(const RuleContext& ctx) {
    return ctx.sameSuit() && ctx.oneDown();
}
bool upInSuit(const RuleContext& ctx) {
    return ctx.sameSuit() && ctx.oneUp();
}

bool downAnySuit(const RuleContext& ctx) {
    return ctx.targetEmpty() ? emptyPileAccepts(ctx) : ctx.oneDown();
}

bool upOrDownWrapping(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return emptyPileAccepts(ctx);
    }
    return upOrDown(ctx) || ctx.kingOnAce() || ctx.aceOnKing();
}

// The rank step from one card to the next, round the corner: 1 up, 12 down.
int wrappingStep(int from, int to) {
    constexpr int kRanks = 13;
    return ((to - from) % kRanks + kRanks) % kRanks;
}

// Braid: every pile of this rule builds the same way, in suit round the
// corner; the way is free until a card is built on a first card somewhere,
// and that card fixes it for them all. Read from the piles themselves, so
// an undo frees the way again.
bool inSuitOneWayWrapping(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return emptyPileAccepts(ctx);
    }
    constexpr int kUp = 1;
    constexpr int kDown = 12;
    const int step = wrappingStep(ctx.belowRank(), ctx.movingRank());
    if (!ctx.sameSuit() || (step != kUp && step != kDown)) {
        return false;
    }
    const int rule = codeOf(BuildingRuleCode::InSuitOneWayWrapping);
    for (int i = 0; ctx.q.foundationFlag && i < table::kMaxFoundations; ++i) {
        const auto pile = ctx.foundation(i);
        if (ctx.param(param::FoundationRule + i) != rule || !pile || table::cardCount(*pile) < 2) {
            continue;
        }
        return step ==
               wrappingStep(ruleRank(table::cardAt(*pile, 0)), ruleRank(table::cardAt(*pile, 1)));
    }
    return true;
}

// Foundations started one after another: each waits for the one before it.
bool foundationsInTurn(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        if (!matchesRankCode(ctx.movingRank(), ctx.q.baseCode)) {
            return false;
        }
        const int ti = ctx.q.targetIndex;
        if (ti >= 1) {
            const auto previous = ctx.foundation(ti - 1);
            return previous && !previous->empty();
        }
        return true;
    }
    return ctx.oneDown() || ctx.kingOnAce();
}

bool upToJack(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 1;
    }
    return ctx.oneUp() && ctx.movingRank() != 12 && ctx.movingRank() != 13;
}

bool upToQueen(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 1;
    }
    return ctx.oneUp() && ctx.movingRank() != 13;
}

// Up in suit; the king waits for a king on the foundation six places on.
bool upInSuitKingWaits(const RuleContext& ctx) {
    if (!ctx.sameSuit() || !ctx.oneUp()) {
        return false;
    }
    if (ctx.movingRank() != 13) {
        return true;
    }
    const auto partner = ctx.foundation(ctx.q.targetIndex + 6);
    return partner && ruleRank(table::topCardOf(*partner)) == 13;
}

// Rules 46, 49 and 51: up without queens and kings; the empty foundation
// takes its base rank, for 49 and 51 only while the tableau of the same
// index holds cards, for 51 in the suit of that tableau's bottom card.
bool upFromBase(const RuleContext& ctx, bool needsTableau, bool tableauSuit) {
    if (!ctx.targetEmpty()) {
        return ctx.oneUp() && ctx.movingRank() != 12 && ctx.movingRank() != 13;
    }
    if (!hasFoundationBaseRank(ctx)) {
        return false;
    }
    if (needsTableau) {
        const auto tableau = ctx.tableau(ctx.q.targetIndex);
        if (!tableau || tableau->empty()) {
            return false;
        }
        if (tableauSuit && ctx.movingSuit() != ruleSuit(ctx.state, table::cardAt(*tableau, 0))) {
            return false;
        }
    }
    return true;
}

bool upFromBase(const RuleContext& ctx) {
    return upFromBase(ctx, false, false);
}
bool upFromBaseWhileTableauHolds(const RuleContext& ctx) {
    return upFromBase(ctx, true, false);
}
bool upFromBaseInTableauSuit(const RuleContext& ctx) {
    return upFromBase(ctx, true, true);
}

// Rules 47, 50 and 52: down (a king on an ace) without queens; the empty
// foundation as for 46, with the tableau eight places back. Foundations
// below index 8, and a tableau index outside the list, skip that condition.
bool downFromBase(const RuleContext& ctx, bool needsTableau, bool tableauSuit) {
    if (!ctx.targetEmpty()) {
        return (ctx.oneDown() || ctx.kingOnAce()) && ctx.movingRank() != 12;
    }
    if (!hasFoundationBaseRank(ctx)) {
        return false;
    }
    const auto tableau = ctx.tableau(ctx.q.targetIndex - 8);
    if (needsTableau && ctx.q.targetIndex >= 8 && tableau) {
        if (tableau->empty()) {
            return false;
        }
        if (tableauSuit && ctx.movingSuit() != ruleSuit(ctx.state, table::cardAt(*tableau, 0))) {
            return false;
        }
    }
    return true;
}

bool downFromBase(const RuleContext& ctx) {
    return downFromBase(ctx, false, false);
}
bool downFromBaseWhileTableauHolds(const RuleContext& ctx) {
    return downFromBase(ctx, true, false);
}
bool downFromBaseInTableauSuit(const RuleContext& ctx) {
    return downFromBase(ctx, true, true);
}

// Foundation 1 is built first; the others open when it holds 13 cards.
bool firstFoundationFirst(const RuleContext& ctx) {
    const auto first = ctx.foundation(0);
    if (ctx.q.targetIndex != 0 && table::cardCount(first.value_or("")) != 13) {
        return false;
    }
    if (ctx.targetEmpty()) {
        return hasFoundationBaseRank(ctx);
    }
    return ctx.oneUp() || ctx.aceOnKing();
}

bool downEmptyFromStockOrWaste(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return !ctx.fromTableau() && !ctx.fromReserve() && hasTableauEmptyRank(ctx);
    }
    const bool kingOnAceAllowed = ctx.param(param::TableauBaseFlag + ctx.q.targetIndex) == 1;
    return ctx.oneDown() || (kingOnAceAllowed && ctx.kingOnAce());
}

// While the waste holds one card only that card may move; while it holds
// more, nothing may.
bool wasteSingleCard(const RuleContext& ctx) {
    const int waste = table::cardCount(ctx.state.piles.stock(table::kWaste));
    if (waste > 1 || (waste == 1 && !ctx.fromWaste())) {
        return false;
    }
    if (ctx.targetEmpty()) {
        return hasTableauEmptyRank(ctx);
    }
    return ctx.oneUp() && sameColour(ctx);
}

bool upInSuitAceOnKing(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 1;
    }
    if (ctx.belowRank() == 13) {
        return ctx.movingRank() == 1;
    }
    return ctx.sameSuit() && ctx.oneUp();
}

// The 13th card of a foundation comes from the reserve of the same index, and
// a reserve card goes nowhere else.
bool thirteenthFromReserve(const RuleContext& ctx) {
    const bool thirteenth = ctx.targetFoundationCards() == 12;
    if (thirteenth && ctx.source() != reserveLocation(ctx.q.targetIndex)) {
        return false;
    }
    if (!thirteenth && ctx.fromReserve()) {
        return false;
    }
    if (ctx.targetEmpty()) {
        return hasFoundationBaseRank(ctx);
    }
    return ctx.oneUp() || ctx.aceOnKing();
}

// Down, a king on an ace; foundation n closes when its top card is rank n,
// except foundation 7, which closes when it holds 13 cards.
bool downClosingAtRank(const RuleContext& ctx) {
    const int number = ctx.q.targetIndex + 1;
    if (number == 7) {
        if (ctx.targetFoundationCards() >= 13) {
            return false;
        }
    } else if (!ctx.targetEmpty() && ctx.belowRank() == number) {
        return false;
    }
    return ctx.oneDown() || ctx.kingOnAce();
}

// The suit cycle hearts, clubs, diamonds, spades, hearts.
int nextSuitInCycle(int suit) {
    static constexpr std::array<int, 4> next{2, 3, 1, 0};
    return suit >= 0 && suit <= 3 ? next[static_cast<std::size_t>(suit)] : -2;
}

bool upSuitCycle(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 1;
    }
    return ctx.oneUp() && ctx.movingSuit() == nextSuitInCycle(ctx.belowSuit());
}

bool downSuitCycle(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return true;
    }
    return ctx.oneDown() && ctx.movingSuit() == nextSuitInCycle(ctx.belowSuit());
}

// Down in alternating colours, a king on any ace.
bool downAlternateKingOnAce(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        if (ctx.fromTableau()) {
            return false;
        }
        if (ctx.fromWaste()) {
            const int reserves = std::clamp(ctx.param(param::ReserveCount), 0, table::kMaxReserves);
            for (int r = 0; r < reserves; ++r) {
                if (!ctx.state.piles.reserve(r).empty()) {
                    return false;
                }
            }
        }
        return true;
    }
    return !sameColour(ctx) && ctx.movingRank() == table::rankBelow(ctx.belowRank());
}

// Up in suit, an ace on a king of its suit.
bool upInSuitAceOnKingOfSuit(const RuleContext& ctx) {
    if (ctx.targetEmpty()) {
        return ctx.movingRank() == 1;
    }
    return ctx.sameSuit() && ctx.movingRank() == table::rankAbove(ctx.belowRank());
}

} // namespace

void addSequenceRules(RuleTable& table) {
    table.add(BuildingRuleCode::UpAceOnKing, upAceOnKing);
    table.add(BuildingRuleCode::ByTwoInSuitOrEmptyCode, byTwoInSuitOrEmptyCode);
    table.add(BuildingRuleCode::UpOrDownOntoOneOrTwo, upOrDownOntoOneOrTwo);
    table.add(BuildingRuleCode::AnySuitTurningAtEnds, anySuitTurningAtEnds);
    table.add(BuildingRuleCode::TwoPacksUpThenDown, twoPacksUpThenDown);
    table.add(BuildingRuleCode::InSuitKeepingDirection, inSuitKeepingDirection);
    table.add(BuildingRuleCode::DownInSuit, downInSuit);
    table.add(BuildingRuleCode::UpInSuit, upInSuit);
    table.add(BuildingRuleCode::DownAnySuit, downAnySuit);
    table.add(BuildingRuleCode::UpOrDownWrapping, upOrDownWrapping);
    table.add(BuildingRuleCode::FoundationsInTurn, foundationsInTurn);
    table.add(BuildingRuleCode::InSuitOneWayWrapping, inSuitOneWayWrapping);
    table.add(BuildingRuleCode::UpToJack, upToJack);
    table.add(BuildingRuleCode::UpInSuitKingWaits, upInSuitKingWaits);
    table.add(BuildingRuleCode::UpToQueen, upToQueen);
    table.add(BuildingRuleCode::UpFromBase, upFromBase);
    table.add(BuildingRuleCode::DownFromBase, downFromBase);
    table.add(BuildingRuleCode::UpFromBaseWhileTableauHolds, upFromBaseWhileTableauHolds);
    table.add(BuildingRuleCode::DownFromBaseWhileTableauHolds, downFromBaseWhileTableauHolds);
    table.add(BuildingRuleCode::UpFromBaseInTableauSuit, upFromBaseInTableauSuit);
    table.add(BuildingRuleCode::DownFromBaseInTableauSuit, downFromBaseInTableauSuit);
    table.add(BuildingRuleCode::FirstFoundationFirst, firstFoundationFirst);
    table.add(BuildingRuleCode::DownEmptyFromStockOrWaste, downEmptyFromStockOrWaste);
    table.add(BuildingRuleCode::WasteSingleCard, wasteSingleCard);
    table.add(BuildingRuleCode::InSuitTurnsAtEnds, inSuitTurnsAtEnds);
    table.add(BuildingRuleCode::ByTwoInSuitTurning, byTwoInSuitTurning);
    table.add(BuildingRuleCode::UpInSuitAceOnKing, upInSuitAceOnKing);
    table.add(BuildingRuleCode::ThirteenthFromReserve, thirteenthFromReserve);
    table.add(BuildingRuleCode::DownClosingAtRank, downClosingAtRank);
    table.add(BuildingRuleCode::UpSuitCycle, upSuitCycle);
    table.add(BuildingRuleCode::DownSuitCycle, downSuitCycle);
    table.add(BuildingRuleCode::DownAlternateKingOnAce, downAlternateKingOnAce);
    table.add(BuildingRuleCode::UpInSuitAceOnKingOfSuit, upInSuitAceOnKingOfSuit);
}

} // namespace vellomir::engine
