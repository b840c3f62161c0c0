#pragma once

// A dealt game of the catalogue with some piles laid out by hand: the named
// piles hold the named cards, face up unless marked "~" ("~5H"), and every
// other card of the deal lies on one pile chosen to take the rest (face down
// in the stock, else face up).

#include "engine/dealt_game.h"
#include "support/table_builder.h"
#include "table/card.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vellomir::testing {

struct LaidPile {
    table::PileRef pile;
    std::vector<std::string> cards;
};

inline std::vector<table::PileRef> everyPile() {
    std::vector<table::PileRef> piles;
    for (int i = 0; i < table::kMaxTableaus; ++i) {
        piles.push_back({table::PileKind::Tableau, i});
    }
    for (int i = 0; i < table::kMaxFoundations; ++i) {
        piles.push_back({table::PileKind::Foundation, i});
    }
    for (int i = 0; i < table::kMaxReserves; ++i) {
        piles.push_back({table::PileKind::Reserve, i});
    }
    for (int i : {table::kStock, table::kWaste, table::kDiscard}) {
        piles.push_back({table::PileKind::Stock, i});
    }
    return piles;
}

inline void layOut(DealtGame& game, const std::vector<LaidPile>& laid, table::PileRef rest) {
    table::ProgramState& state = game.state;
    std::vector<int> all;
    for (const table::PileRef& pile : everyPile()) {
        const std::string& cards = state.piles.pile(pile);
        for (int i = 0; i < table::cardCount(cards); ++i) {
            all.push_back(table::cardAt(cards, i));
        }
        state.piles.pile(pile).clear();
    }
    std::set<int> used;
    for (const LaidPile& l : laid) {
        for (std::string name : l.cards) {
            const bool down = name.starts_with('~');
            if (down) {
                name.erase(0, 1);
            }
            const int code = card(name);
            used.insert(code);
            state.piles.pile(l.pile) += table::cardText(code);
            state.cards.setFaceUp(code, !down);
        }
    }
    for (int code : all) {
        if (code > 0 && !used.contains(code)) {
            state.piles.pile(rest) += table::cardText(code);
            state.cards.setFaceUp(code,
                                  rest != table::PileRef{table::PileKind::Stock, table::kStock});
        }
    }
}

inline table::PileRef tableau(int i) {
    return {table::PileKind::Tableau, i};
}
inline table::PileRef foundation(int i) {
    return {table::PileKind::Foundation, i};
}
inline table::PileRef reserve(int i) {
    return {table::PileKind::Reserve, i};
}

} // namespace vellomir::testing
