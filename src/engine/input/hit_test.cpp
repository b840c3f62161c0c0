#include "engine/input/hit_test.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::FanStyle;

namespace param = catalogue::param;
using table::CardPoint;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

namespace {

bool contains(seam::Rect r, int x, int y) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

seam::Rect cardRect(const ProgramState& state, CardPoint at) {
    return {at.x, at.y, at.x + state.cardSize.width, at.y + state.cardSize.height};
}

bool spreadsRight(int fan) {
    return fan == codeOf(FanStyle::Right) || fan == codeOf(FanStyle::SideBySide) ||
           fan == codeOf(FanStyle::RightByCardSize);
}

// The whole area of a fanned pile: from its place to the far edge of its top card.
seam::Rect pileArea(const ProgramState& state, PileRef pile, int fan) {
    const CardPoint at = table::pilePosition(state, pile);
    const CardPoint top = table::topCardPosition(state, pile);
    if (spreadsRight(fan)) {
        return {at.x, at.y, top.x + state.cardSize.width, at.y + state.cardSize.height};
    }
    return {at.x, at.y, at.x + state.cardSize.width, top.y + state.cardSize.height};
}

// The card of a fanned pile under the point: each card owns the strip from
// its own edge to the next card's, the top card its whole size less one.
// Answers the 0-based slot, or -1 for none.
int slotUnder(const ProgramState& state, PileRef pile, int fan, int x, int y) {
    const std::string& cards = state.piles.pile(pile);
    const int count = table::cardCount(cards);
    const bool across = spreadsRight(fan);
    for (int i = 0; i < count; ++i) {
        const CardPoint at = table::cardPosition(state, pile, i);
        int strip = (across ? state.cardSize.width : state.cardSize.height) - 1;
        if (i + 1 < count) {
            const CardPoint next = table::cardPosition(state, pile, i + 1);
            strip = across ? next.x - at.x : next.y - at.y;
        }
        const int along = across ? x : y;
        const int start = across ? at.x : at.y;
        const int side = across ? y : x;
        const int sideStart = across ? at.y : at.x;
        const int sideSize = across ? state.cardSize.height : state.cardSize.width;
        if (along >= start && along <= start + strip && side >= sideStart &&
            side <= sideStart + sideSize) {
            return i;
        }
    }
    return -1;
}

HitResult answer(const ProgramState& state, PileRef pile, int slot) {
    HitResult hit;
    hit.pile = table::pileName(pile);
    const std::string& cards = state.piles.pile(pile);
    if (slot >= 0 && slot < table::cardCount(cards)) {
        hit.card = table::cardAt(cards, slot);
        hit.rect = cardRect(state, table::cardPosition(state, pile, slot));
    } else {
        hit.rect = cardRect(state, table::topCardPosition(state, pile));
    }
    return hit;
}

} // namespace

HitResult hitTest(const ProgramState& state, int x, int y) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    for (int s = 0; s < table::kStockPiles; ++s) {
        const PileRef pile{PileKind::Stock, s};
        if (table::isPlaced(state, pile) &&
            contains(cardRect(state, table::pilePosition(state, pile)), x, y)) {
            HitResult hit;
            hit.pile = table::pileName(pile);
            hit.card = std::max(0, table::topCardOf(state.piles.pile(pile)));
            hit.rect = cardRect(state, table::pilePosition(state, pile));
            return hit;
        }
    }

    const int fan = state.params[param::TableauFanStyle];
    for (int n = 0; n < counts.tableaus; ++n) {
        const int t = fan == codeOf(FanStyle::SideBySide) ? counts.tableaus - 1 - n : n;
        const PileRef pile{PileKind::Tableau, t};
        if (!table::isPlaced(state, pile)) {
            continue;
        }
        if (fan == codeOf(FanStyle::FreeForm)) {
            const int slot = slotUnder(state, pile, fan, x, y);
            if (slot >= 0) {
                return answer(state, pile, slot);
            }
            if (state.piles.tableau(t).empty() &&
                contains(cardRect(state, table::pilePosition(state, pile)), x, y)) {
                return answer(state, pile, -1);
            }
            continue;
        }
        if (!contains(pileArea(state, pile, fan), x, y)) {
            continue;
        }
        const int slot = slotUnder(state, pile, fan, x, y);
        if (table::isTableauLine(state.params) && !state.piles.tableau(t).empty()) {
            // A pile of the line moves whole: a press on it takes its bottom card.
            return answer(state, pile, 0);
        }
        if (fan == codeOf(FanStyle::DownTopOnly)) {
            HitResult hit = answer(state, pile, table::cardCount(state.piles.tableau(t)) - 1);
            hit.rect = cardRect(state, table::pilePosition(state, pile));
            if (slot < 0 && !state.piles.tableau(t).empty()) {
                hit.card = 0;
            }
            return hit;
        }
        if (slot >= 0 || fan != codeOf(FanStyle::SideBySide)) {
            return answer(state, pile, slot);
        }
    }

    // Foundations show their top card; beside tableaus spread to the right
    // they spread too, and the whole row of their cards answers.
    const bool foundationsSpread =
        fan == codeOf(FanStyle::Right) || fan == codeOf(FanStyle::RightByCardSize);
    for (int f = 0; f < table::kMaxFoundations; ++f) {
        const PileRef pile{PileKind::Foundation, f};
        const seam::Rect area = foundationsSpread
                                    ? pileArea(state, pile, 2)
                                    : cardRect(state, table::topCardPosition(state, pile));
        if (table::isPlaced(state, pile) && contains(area, x, y)) {
            const int count = table::cardCount(state.piles.foundation(f));
            return answer(state, pile, count - 1);
        }
    }

    const int reserveFan = state.params[param::ReserveFanStyle];
    for (int r = 0; r < counts.reserves; ++r) {
        const PileRef pile{PileKind::Reserve, r};
        if (state.piles.reserve(r).empty() || !table::isPlaced(state, pile) ||
            !contains(pileArea(state, pile, reserveFan), x, y)) {
            continue;
        }
        const int slot = slotUnder(state, pile, reserveFan, x, y);
        return answer(state, pile, slot);
    }
    return {};
}

} // namespace vellomir::engine
