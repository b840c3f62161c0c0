#pragma once

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_index.h"
#include "table/pile_lists.h"

#include <algorithm>

namespace vellomir::table {

/// How many foundations, tableaus and reserves the current game uses, kept
/// within the sizes of the pile lists whatever the catalogue says.
struct PileCounts {
    int foundations = 0;
    int tableaus = 0;
    int reserves = 0;

    static PileCounts of(const catalogue::GameParameters& params) {
        namespace param = catalogue::param;
        return {std::clamp(params[param::FoundationCount], 0, kMaxFoundations),
                std::clamp(params[param::TableauCount], 0, kMaxTableaus),
                std::clamp(params[param::ReserveCount], 0, kMaxReserves)};
    }
};

} // namespace vellomir::table
