#include "engine/input/pointer_drop.h"

#include "table/card_position.h"
#include "table/gap_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <tuple>

namespace vellomir::engine {

using table::CardPoint;
using table::ProgramState;

namespace {

bool inside(int x, int y, seam::Rect r) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

seam::Rect cardRect(const ProgramState& state, CardPoint at) {
    return {at.x, at.y, at.x + state.cardSize.width, at.y + state.cardSize.height};
}

} // namespace

bool rectanglesMeet(seam::Rect group, seam::Rect target) {
    if (inside(group.left, group.top, target) || inside(group.right, group.top, target) ||
        inside(group.left, group.bottom, target) || inside(group.right, group.bottom, target)) {
        return true;
    }
    for (int edge : {group.left, group.right}) {
        if (edge < target.left || edge > target.right) {
            continue;
        }
        for (int y = group.top; y <= group.bottom; y += 50) {
            if (y >= target.top && y <= target.bottom) {
                return true;
            }
        }
    }
    return false;
}

int overlapMeasure(seam::Rect group, seam::Rect target) {
    if (!rectanglesMeet(group, target)) {
        return 0;
    }
    const int width = std::min(group.right, target.right) - std::max(group.left, target.left);
    const int height = std::min(group.bottom, target.bottom) - std::max(group.top, target.top);
    return std::max(0, width) * std::max(0, height);
}

seam::Rect destinationRect(const ProgramState& state, DestinationKind kind, int index) {
    return cardRect(state, table::topCardPosition(state, destinationPile(kind, index)));
}

std::vector<DropCandidate> gapCandidates(const ProgramState& state, int card, seam::Rect group) {
    std::vector<DropCandidate> found;
    const int rows = table::PileCounts::of(state.params).tableaus;
    for (int row = 0; row < rows; ++row) {
        const std::optional<int> slot = table::gapSlotFor(state, card, row);
        if (!slot) {
            continue;
        }
        const seam::Rect gap =
            cardRect(state, table::cardPosition(state, {table::PileKind::Tableau, row}, *slot));
        if (rectanglesMeet(group, gap)) {
            found.push_back({DestinationKind::Tableau, row, overlapMeasure(group, gap)});
        }
    }
    std::sort(found.begin(), found.end(), [](const DropCandidate& a, const DropCandidate& b) {
        return std::tuple(a.overlap, a.index) > std::tuple(b.overlap, b.index);
    });
    return found;
}

std::vector<DropCandidate> dropCandidates(const ProgramState& state, seam::Rect group) {
    std::vector<DropCandidate> found;
    forEachDropDestination(state, [&](DestinationKind kind, int index) {
        const seam::Rect target = destinationRect(state, kind, index);
        if (rectanglesMeet(group, target)) {
            found.push_back({kind, index, overlapMeasure(group, target)});
        }
    });
    // The largest overlap first; a tie goes to the higher kind, then the
    // higher index.
    std::sort(found.begin(), found.end(), [](const DropCandidate& a, const DropCandidate& b) {
        return std::tuple(a.overlap, static_cast<int>(a.kind), a.index) >
               std::tuple(b.overlap, static_cast<int>(b.kind), b.index);
    });
    if (found.size() > 4) {
        found.resize(4);
    }
    return found;
}

namespace {

CardMove aimedAt(const CardMove& lifted, DestinationKind kind, int index) {
    CardMove move = lifted;
    move.to = destinationPile(kind, index);
    return move;
}

} // namespace

bool tryDestination(ProgramState& state, seam::Frontend& frontend, const CardMove& lifted,
                    seam::Rect group, DestinationKind kind, int index, bool automatic) {
    return rectanglesMeet(group, destinationRect(state, kind, index)) &&
           placeCarried(state, frontend, aimedAt(lifted, kind, index),
                        {group.left, group.top, false}, automatic);
}

bool settleDrop(ProgramState& state, seam::Frontend& frontend, const CardMove& lifted,
                seam::Rect group, bool automatic) {
    const int card = lifted.card;
    if (table::isGapRows(state.params)) {
        // A card of the gap rows goes only into a gap it is dropped on.
        for (const DropCandidate& candidate : gapCandidates(state, card, group)) {
            if (placeCarried(state, frontend, aimedAt(lifted, candidate.kind, candidate.index),
                             {group.left, group.top, false}, automatic)) {
                return true;
            }
        }
        return false;
    }
    const std::vector<DropCandidate> candidates = dropCandidates(state, group);
    if (candidates.empty() || !dropMayMove(state, card)) {
        return false;
    }
    for (const DropCandidate& candidate : candidates) {
        if (tryDestination(state, frontend, lifted, group, candidate.kind, candidate.index,
                           automatic)) {
            return true;
        }
    }
    return false;
}

} // namespace vellomir::engine
