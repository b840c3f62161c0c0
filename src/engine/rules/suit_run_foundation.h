#pragma once

#include <span>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Cards in a complete run of one suit, king down to ace.
inline constexpr int kSuitRunLength = 13;

/// Whether `run` (card codes from the bottom up, all face up) is a complete
/// run of one suit: thirteen cards from the king down to the ace. The fast
/// search asks this of its own rows; isCompleteSuitRun asks it of a tableau.
bool formsCompleteSuitRun(std::span<const int> run);

/// Whether the run that starts at `card` in a tableau is a complete run of
/// one suit: thirteen face-up cards from the king down to the ace, the ace
/// on top.
bool isCompleteSuitRun(const table::ProgramState& state, int card);

/// With game parameter FoundationTakesSuitRun set, whether the empty
/// foundation `index` (0-based) takes the complete run of one suit that
/// starts at `card` as one move (Spider and its kin). False whenever the
/// parameter is 0, the foundation holds cards or the run is not complete.
bool foundationTakesSuitRun(const table::ProgramState& state, int index, int card);

} // namespace vellomir::engine
