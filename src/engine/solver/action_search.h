#pragma once

#include "engine/play/pointer_command.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// One step the search of actions tries at a position and the position it
/// leads to, by its fingerprint (tableFingerprint).
struct ActionStep {
    std::vector<PointerCommand> gestures;
    std::uint64_t fingerprint = 0;
    bool wins = false;
};

/// The steps a player can take at `state`, each carried out by the engine
/// on a copy, that change the table (or win). In games that lift and carry
/// cards: every move of the engine's list (legalMoves, played by
/// playLegalMove) as a drag, and a click on the top of every pile (the
/// stock, turning a card, a click that sends a card). In the games that
/// select, click or fill gaps instead: a click on every place a press may
/// start from, and where the press lifts a card, its drag onto every place
/// that takes it (in gap rows, the one gap the card names). Then the
/// Autoplay command (unless `keepAutoplay`) and, in games won by their
/// score, the end of the game. In the games that select cards, a click
/// that leaves the selection open is no step of its own: the clicks after
/// it that take the selected cards away are (one step of several
/// gestures). Steps leading to the same position appear once.
std::vector<ActionStep> actionSteps(const table::ProgramState& state,
                                    const seam::Frontend& geometry, bool keepAutoplay);

/// How a search of actions ended.
struct ActionSearchResult {
    enum class Outcome { Won, Exhausted, OutOfBudget };
    Outcome outcome = Outcome::OutOfBudget;
    /// The winning line as play-session commands, from the position searched.
    std::vector<PointerCommand> line;
    long positions = 0;
    /// Bytes of the set of positions seen (a fingerprint each).
    std::size_t storedBytes = 0;
};

/// The order of the search: a higher worth is tried first.
using PositionWorth = std::function<int(const table::ProgramState&)>;

/// Depth first over actionSteps from `start`, each position kept as its
/// fingerprint alone and never searched twice; the children of a position
/// are tried from the highest worth. Only the positions on the current line
/// are held whole. Ends won, with every position reachable seen (the deal
/// cannot be won by these steps), after `positions` positions, or when
/// `stop` reads true.
ActionSearchResult searchActions(const table::ProgramState& start, const seam::Frontend& geometry,
                                 long positions, const PositionWorth& worth, bool keepAutoplay,
                                 const std::atomic<bool>* stop = nullptr);

} // namespace vellomir::engine
