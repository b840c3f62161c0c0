#pragma once

#include "engine/play/pointer_command.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// How a search ended.
enum class SolveOutcome {
    Solved,   ///< a winning line was found
    Unsolved, ///< every position reachable was searched: the deal cannot be won
    GaveUp,   ///< the position limit was reached first
};

/// What the solver found.
struct SolveResult {
    SolveOutcome outcome = SolveOutcome::GaveUp;
    /// Positions searched (over all rounds of a search that started again).
    long positions = 0;
    /// For a solved deal, the winning line as play-session commands.
    std::vector<PointerCommand> moves;
    /// Whether the fast search of moves answered (else the gesture search).
    bool fastSearch = false;
    /// Bytes the fast search's stored positions took (0 for the gesture search).
    std::size_t storedBytes = 0;
};

/// Bounds of a search.
struct SolveLimits {
    /// Positions searched before giving up.
    long positions = 5000;
    /// Gestures in a row that bring a line no further before the line is
    /// cut short; 0 for no bound. Shuffling cards between piles is where a
    /// search loses its time. When every line was cut short before the
    /// position limit, the search starts again with twice the bound, and
    /// at last with none, so that only a search without cuts ever answers
    /// "unsolved".
    int idleMoves = 2;
    /// Whether the order of the search also weighs how deep the cards the
    /// foundations take next lie under other cards (general games only).
    /// It finds wins the plain order misses in games of long plans (Fan),
    /// and misses some it finds, so it is a second way to search a deal
    /// rather than the only one.
    bool digForNextCards = false;
    /// Whether the order of the search also weighs, and heavily (each such
    /// card as much as two cards on the foundations), how many cards lie on
    /// cards the foundations take sooner than them (general games only):
    /// the skill of Sir Tommy and Calculation, whose piles take any card.
    bool avoidCovering = false;
    /// Positions searched at most at each depth (gestures from the deal);
    /// 0 for no bound. Best first runs deep: in games of one long line of
    /// choices (Sir Tommy, Calculation) it reaches the end of the stock and
    /// then spends its whole budget on the last few choices. A bound per
    /// depth makes it a beam that keeps trying other early choices.
    int breadth = 0;
    /// Positions the fast search of moves (games of tableaus, free cells,
    /// foundations and a stock, see compactRulesFor) stores before it gives
    /// up; 0 for a hundred times `positions` (ten times in games of more
    /// than one pack). It needs far less time a position than the gesture
    /// search.
    long fastPositions = 0;
    /// Whether the fast search may answer at all (tests of the gesture
    /// search turn it off). It does not where one of the gesture search's
    /// own orders or a breadth bound is asked for.
    bool fastSearch = true;
    /// Whether the gesture search answers where the fast search could not
    /// (the benchmark of the fast search alone turns it off; its result is
    /// then GaveUp).
    bool gestureSearch = true;
    /// Whether the Autoplay tick is the player's choice, kept as it stands:
    /// the search never ticks or unticks it, so a winning line holds only
    /// moves (the window's hint and demo). Off, the tick is one more
    /// gesture to try.
    bool keepAutoplay = false;
    /// When set, the search ends as soon as it reads true, as GaveUp: a
    /// search on another thread is called off by the thread that started it.
    const std::atomic<bool>* stop = nullptr;
};

/// Searches for a win of the game dealt in `dealt` (as `vellomir-cli play`
/// deals it) by trying, at each position, the pointer gestures a player can
/// make: a click on every pile and every face-up card, a drag from every
/// card that can be lifted onto every pile and every gap of a row, the
/// Autoplay command where the game offers it, and, in games won by their
/// score, the end of game. Each gesture runs through the real pointer input
/// on the position, so the engine alone decides what is legal; a gesture
/// that changes the table gives a new position. Positions already seen (by
/// their fingerprint) are not searched again. Best first: the position
/// searched next is the one that has come furthest (score, cards turned,
/// piles emptied, cards out of the stock and the waste), the newest among
/// equals, so that a search runs deep along a plateau; a deal from the
/// stock is tried after the other gestures of a position. An "unsolved" is
/// a proof within the gestures tried: of empty piles the game treats alike
/// only one is tried as a target (TwinPiles). A winning line is shortened
/// by playing it again without each of its moves. Nothing is drawn and no
/// pause waits: `geometry` only lends the drawing area's sizes the layout
/// was made for.
SolveResult solveDeal(const table::ProgramState& dealt, const seam::Frontend& geometry,
                      const SolveLimits& limits = {});

} // namespace vellomir::engine
