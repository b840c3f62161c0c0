// Foundations with jokers (rules 72 and 75): a joker stands in for the card
// that is missing, and a natural card may later take the joker's place.

#include "engine/rules/building_rules.h"

#include "catalogue/parameter_index.h"
#include "engine/rules/four_distinct_suits.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;

namespace param = catalogue::param;

namespace {

// A rank reduced to 1-13 by whole turns of the suit.
int wrapRank(int rank) {
    while (rank < 1) {
        rank += 13;
    }
    return rank;
}

// The base rank. A base code of -2 takes it from the first foundation that
// holds a natural card: that card's rank, less one for each joker under it.
// While only jokers are out, the base stays -2 (not yet set).
int jokerBaseRank(const RuleContext& ctx) {
    if (ctx.q.baseCode != kBaseSetByFirstFoundation) {
        return ctx.q.baseCode;
    }
    const int foundations =
        std::clamp(ctx.param(param::FoundationCount), 0, table::kMaxFoundations);
    for (int f = 0; f < foundations; ++f) {
        const std::string& pile = ctx.state.piles.foundation(f);
        for (int k = 0; k < table::cardCount(pile); ++k) {
            const int card = table::cardAt(pile, k);
            if (card > 0 && !table::isJoker(card)) {
                return wrapRank(table::rankOf(card) - k);
            }
        }
    }
    return kBaseSetByFirstFoundation;
}

// Ranks from `from` up to `to`; past the king only when the base is not the
// ace (the foundation then turns from king to ace).
int ranksUp(int from, int to, int base) {
    const int distance = to - from;
    return base != 1 && distance <= 0 ? distance + 13 : distance;
}

// A natural (not joker) card onto the foundation.
bool naturalCardFits(const RuleContext& ctx, std::string_view pile, int base) {
    const int rank = ctx.movingRank();
    const int held = table::cardCount(pile);
    if (held == 0) {
        return base == kBaseSetByFirstFoundation || rank == base;
    }
    int jokersOnTop = 0;
    while (jokersOnTop < held && table::isJoker(table::cardAt(pile, held - 1 - jokersOnTop))) {
        ++jokersOnTop;
    }
    if (jokersOnTop == held) {
        // Only jokers: they stand for the base card and the ranks after it.
        if (base <= 0) {
            return base == kBaseSetByFirstFoundation;
        }
        if (rank == base) {
            return true;
        }
        const int distance = ranksUp(base, rank, base);
        return distance >= 1 && distance <= jokersOnTop;
    }
    if (jokersOnTop > 0) {
        // The jokers stand for the ranks above the natural card under them.
        const int under = table::cardAt(pile, held - 1 - jokersOnTop);
        const int distance = ranksUp(table::rankOf(under), rank, base);
        return table::suitInPlay(ctx.state.params, under) == ctx.movingSuit() && distance >= 1 &&
               distance <= jokersOnTop + 1;
    }
    const int top = table::cardAt(pile, held - 1);
    if (table::suitInPlay(ctx.state.params, top) != ctx.movingSuit()) {
        return false;
    }
    if (ranksUp(table::rankOf(top), rank, base) == 1) {
        return true;
    }
    // Taking a joker's place: the lowest joker in the foundation.
    for (int k = 0; k < held; ++k) {
        if (table::isJoker(table::cardAt(pile, k))) {
            if (k == 0) {
                return rank == base;
            }
            return ranksUp(table::rankOf(table::cardAt(pile, k - 1)), rank, base) == 1;
        }
    }
    return false;
}

bool jokerFoundation(const RuleContext& ctx, bool jokerOntoEmpty) {
    const auto pile = ctx.foundation(ctx.q.targetIndex);
    if (!pile) {
        return false;
    }
    if (table::isJoker(ctx.q.moving)) {
        return pile->empty() ? jokerOntoEmpty : true;
    }
    if (!naturalCardFits(ctx, *pile, jokerBaseRank(ctx))) {
        return false;
    }
    if (ctx.param(param::FoundationCount) == 4) {
        return fourDistinctSuits(ctx.state, {0, 1, 2, 3}, ctx.q.targetIndex, ctx.q.moving);
    }
    return true;
}

bool jokerFoundation(const RuleContext& ctx) {
    return jokerFoundation(ctx, false);
}
bool jokerFoundationJokerFirst(const RuleContext& ctx) {
    return jokerFoundation(ctx, true);
}

} // namespace

void addJokerRules(RuleTable& table) {
    table.add(BuildingRuleCode::JokerFoundation, jokerFoundation);
    table.add(BuildingRuleCode::JokerFoundationJokerFirst, jokerFoundationJokerFirst);
}

} // namespace vellomir::engine
