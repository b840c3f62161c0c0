#pragma once

#include "engine/actions/drop_rules.h"
#include "seam/frontend.h"

#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

// The release of a drag, as a gesture: which piles lie under the carried
// picture, and the first of them that the drop rules let take it.

/// One pile under a dropped group: its kind, 0-based index and how much of
/// its top card the group covers.
struct DropCandidate {
    DestinationKind kind = DestinationKind::Tableau;
    int index = 0;
    int overlap = 0;
    friend bool operator==(const DropCandidate&, const DropCandidate&) = default;
};

/// True when the group rectangle meets the target's: a corner of the group
/// lies inside the target, or the group's left or right edge runs within
/// the target's width and one of the points sampled every 50 pixels down
/// that edge lies within its height. Edges are inclusive.
bool rectanglesMeet(seam::Rect group, seam::Rect target);

/// The overlap of two rectangles that meet (width times height of their
/// common part); 0 when they do not meet.
int overlapMeasure(seam::Rect group, seam::Rect target);

/// The top card's rectangle of a destination (the pile's own place when empty).
seam::Rect destinationRect(const table::ProgramState& state, DestinationKind kind, int index);

/// The piles under a dropped group, at most four, the largest overlap first;
/// equal overlaps rank the higher kind, then the higher index, first.
std::vector<DropCandidate> dropCandidates(const table::ProgramState& state, seam::Rect group);

/// The gaps of the rows (parameter GapRows) under a dropped `card` that
/// take it, as candidates naming their rows, the largest overlap first.
std::vector<DropCandidate> gapCandidates(const table::ProgramState& state, int card,
                                         seam::Rect group);

/// Offers the lifted cards to one destination: the rectangles must meet
/// and the destination's target check must accept; then the card flies
/// there and the move is executed. True when it moved.
bool tryDestination(table::ProgramState& state, seam::Frontend& frontend, const CardMove& lifted,
                    seam::Rect group, DestinationKind kind, int index, bool automatic);

/// Settles a drop of the lifted cards (`lifted`: the card, how many, from
/// where) held at `group`: the candidates under it are tried in their order
/// and the first that accepts takes them. True when the cards moved; the
/// caller returns them otherwise.
bool settleDrop(table::ProgramState& state, seam::Frontend& frontend, const CardMove& lifted,
                seam::Rect group, bool automatic = false);

} // namespace vellomir::engine
