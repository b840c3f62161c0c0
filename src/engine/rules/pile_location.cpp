#include "engine/rules/pile_location.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

using table::kMaxFoundations;
using table::kMaxReserves;
using table::kMaxTableaus;
namespace param = catalogue::param;

int positionInPile(std::string_view pile, int card) {
    const int count = table::cardCount(pile);
    if (card < 0 || card > 999) {
        for (int i = 0; i < count; ++i) {
            if (table::cardFromText(pile.substr(static_cast<std::size_t>(i) * 3, 3)) == card) {
                return i;
            }
        }
        return -1;
    }
    // The autoplay sweep looks every top card up on every release: compare
    // the three digits as they stand instead of converting each entry.
    const char hundreds = static_cast<char>('0' + card / 100);
    const char tens = static_cast<char>('0' + card / 10 % 10);
    const char units = static_cast<char>('0' + card % 10);
    const char* entry = pile.data();
    for (int i = 0; i < count; ++i, entry += 3) {
        if (entry[2] == units && entry[1] == tens && entry[0] == hundreds) {
            return i;
        }
    }
    return -1;
}

int locatePile(const table::ProgramState& state, int card) {
    const table::PileLists& piles = state.piles;
    if (positionInPile(piles.stock(table::kStock), card) >= 0) {
        return location::Stock;
    }
    if (positionInPile(piles.stock(table::kWaste), card) >= 0) {
        return location::Waste;
    }
    for (int f = 0; f < kMaxFoundations; ++f) {
        if (positionInPile(piles.foundation(f), card) >= 0) {
            return foundationLocation(f);
        }
    }
    const int tableaus = std::clamp(state.params[param::TableauCount], 0, kMaxTableaus);
    for (int t = 0; t < tableaus; ++t) {
        if (positionInPile(piles.tableau(t), card) >= 0) {
            return tableauLocation(t);
        }
    }
    const int reserves = std::clamp(state.params[param::ReserveCount], 0, kMaxReserves);
    for (int r = 0; r < reserves; ++r) {
        if (positionInPile(piles.reserve(r), card) >= 0) {
            return reserveLocation(r);
        }
    }
    return location::Nowhere;
}

} // namespace vellomir::engine
