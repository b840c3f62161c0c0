#include "table/tableau_line.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

namespace vellomir::table {

namespace param = catalogue::param;

bool isTableauLine(const catalogue::GameParameters& params) {
    return params[param::TableauLine] == 1;
}

int linePiles(const ProgramState& state) {
    const int places = PileCounts::of(state.params).tableaus;
    int piles = 0;
    while (piles < places && !state.piles.tableau(piles).empty()) {
        ++piles;
    }
    return piles;
}

std::optional<int> lineFreePlace(const ProgramState& state) {
    const int piles = linePiles(state);
    if (piles >= PileCounts::of(state.params).tableaus) {
        return std::nullopt;
    }
    return piles;
}

bool lineMoveAllowed(const ProgramState& state, int from, int to) {
    const int places = PileCounts::of(state.params).tableaus;
    const int step = from - to;
    if (from < 0 || from >= places || to < 0 || (step != kLineNearStep && step != kLineFarStep)) {
        return false;
    }
    const int moving = topCardOf(state.piles.tableau(from));
    const int below = topCardOf(state.piles.tableau(to));
    if (moving < 1 || below < 1) {
        return false;
    }
    return rankOf(moving) == rankOf(below) ||
           suitInPlay(state.params, moving) == suitInPlay(state.params, below);
}

int closeLineGap(ProgramState& state, int emptied) {
    const int places = PileCounts::of(state.params).tableaus;
    if (emptied < 0 || emptied >= places || !state.piles.tableau(emptied).empty()) {
        return -1;
    }
    int last = -1;
    for (int t = emptied; t + 1 < places && !state.piles.tableau(t + 1).empty(); ++t) {
        state.piles.tableau(t).swap(state.piles.tableau(t + 1));
        last = t + 1;
    }
    return last;
}

} // namespace vellomir::table
