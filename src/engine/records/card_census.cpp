#include "engine/records/card_census.h"

#include "engine/records/selection_state.h"
#include "table/card.h"
#include "table/program_state.h"

#include <numeric>

namespace vellomir::engine {

namespace {

void countPile(CardCensus& census, std::string_view pile) {
    for (int i = 0; i < table::cardCount(pile); ++i) {
        const int code = table::cardAt(pile, i);
        if (code >= 1 && code <= table::kLastCard && census.count[code] < 255) {
            ++census.count[code];
        }
    }
}

} // namespace

int CardCensus::total() const {
    return std::accumulate(count.begin(), count.end(), 0);
}

CardCensus takeCardCensus(const table::ProgramState& state) {
    CardCensus census;
    const table::PileLists& piles = state.piles;
    for (int i = 0; i < table::kStockPiles; ++i) {
        countPile(census, piles.stock(i));
    }
    const int firstFoundation = foundationOneIsSelection(state) ? 1 : 0;
    for (int f = firstFoundation; f < table::kMaxFoundations; ++f) {
        countPile(census, piles.foundation(f));
    }
    for (int t = 0; t < table::kMaxTableaus; ++t) {
        countPile(census, piles.tableau(t));
    }
    for (int r = 0; r < table::kMaxReserves; ++r) {
        countPile(census, piles.reserve(r));
    }
    return census;
}

std::string cardsOnTableOnce(const table::ProgramState& state, const CardCensus& before) {
    const CardCensus now = takeCardCensus(state);
    for (int code = 1; code <= table::kLastCard; ++code) {
        const int expected = before.count[code] > 0 ? 1 : 0;
        const int found = now.count[code];
        if (found == expected) {
            continue;
        }
        if (found == 0) {
            return table::cardWords(code) + " is no longer on the table";
        }
        if (expected == 0) {
            return table::cardWords(code) + " was not dealt but is on the table";
        }
        return table::cardWords(code) + " is on the table " + std::to_string(found) + " times";
    }
    return {};
}

std::string noCardTwice(const table::ProgramState& state) {
    const CardCensus now = takeCardCensus(state);
    for (int code = 1; code <= table::kLastCard; ++code) {
        if (now.count[code] > 1) {
            return table::cardWords(code) + " is on the table " + std::to_string(now.count[code]) +
                   " times";
        }
    }
    return {};
}

} // namespace vellomir::engine
