#pragma once

#include "table/program_state.h"

namespace vellomir::table {

/// The number of cards that completes foundation `foundation` (0-based):
/// parameter 112 + f, or parameter 31 when that is -1.
int foundationCompleteCount(const ProgramState& state, int foundation);

/// Whether foundation `foundation` (0-based) holds exactly the cards that
/// complete it. A foundation asked to hold no cards is never complete.
bool isFoundationComplete(const ProgramState& state, int foundation);

} // namespace vellomir::table
