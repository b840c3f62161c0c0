// A sliding puzzle can be put in order exactly when the parity of its
// arrangement (the empty place counted as the last card) equals the parity
// of the empty place's distance from its home in the last place; swapping
// two cards flips the first parity and leaves the second alone.

#include "table/solvable_grid.h"

#include "catalogue/parameter_index.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vellomir::table {
namespace param = catalogue::param;
namespace {

constexpr int kRanksPerSuit = 13;
constexpr int kFirstClub = 27;

int placeCount(const ProgramState& state) {
    return std::clamp(state.params[param::TableauCount], 0, kMaxTableaus);
}

// The home place of every place's card, the empty place as the last place;
// nothing when the places do not hold one card each with a single gap.
std::optional<std::vector<int>> homesByPlace(const ProgramState& state, int& emptyPlace) {
    const int places = placeCount(state);
    std::vector<int> homes;
    emptyPlace = -1;
    for (int t = 0; t < places; ++t) {
        const std::string& pile = state.piles.tableau(t);
        if (pile.empty()) {
            if (emptyPlace >= 0) {
                return std::nullopt;
            }
            emptyPlace = t;
            homes.push_back(places - 1);
        } else if (cardCount(pile) == 1) {
            homes.push_back(gridHomePlace(cardAt(pile, 0)));
        } else {
            return std::nullopt;
        }
    }
    if (emptyPlace < 0) {
        return std::nullopt;
    }
    return homes;
}

int inversionParity(const std::vector<int>& homes) {
    int inversions = 0;
    for (std::size_t i = 0; i < homes.size(); ++i) {
        for (std::size_t j = i + 1; j < homes.size(); ++j) {
            inversions += homes[i] > homes[j] ? 1 : 0;
        }
    }
    return inversions % 2;
}

} // namespace

int gridHomePlace(int card) {
    return card >= kFirstClub ? card - kFirstClub + kRanksPerSuit : card - 1;
}

bool gridIsSolvable(const ProgramState& state) {
    const int width = state.params[param::GridWidth];
    int emptyPlace = -1;
    const auto homes = homesByPlace(state, emptyPlace);
    if (!homes || width <= 0) {
        return true;
    }
    const int last = placeCount(state) - 1;
    const int distance =
        std::abs(emptyPlace / width - last / width) + std::abs(emptyPlace % width - last % width);
    return inversionParity(*homes) == distance % 2;
}

void makeGridSolvable(ProgramState& state) {
    if (state.params[param::SolvableGridDeal] == 0 || gridIsSolvable(state)) {
        return;
    }
    std::vector<int> filled;
    for (int t = 0; t < placeCount(state) && filled.size() < 2; ++t) {
        if (!state.piles.tableau(t).empty()) {
            filled.push_back(t);
        }
    }
    if (filled.size() == 2) {
        std::swap(state.piles.tableau(filled[0]), state.piles.tableau(filled[1]));
    }
}

} // namespace vellomir::table
