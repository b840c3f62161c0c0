#pragma once

#include "seam/frontend.h"

#include <string>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// What lies under a point of the table.
struct HitResult {
    /// The card's code; 0 on an empty pile or a gap between cards.
    int card = 0;
    /// The pile's name ("Mazzo", "Fila3", ...); empty when no pile is there.
    std::string pile;
    /// The found card's rectangle (the pile's own place for an empty pile);
    /// all 0 when no pile is there.
    seam::Rect rect;
};

/// Finds the pile and card under (x, y), edges inclusive, trying the stock
/// piles, the tableaus (the last first in fan style 4), the foundations and
/// the reserves holding cards, in that order; the first match wins. Within a
/// fanned pile the card is found by walking its cards from the bottom: each
/// card owns the strip up to the next card, the top card its whole height.
/// In fan style 3 the top card always answers.
HitResult hitTest(const table::ProgramState& state, int x, int y);

} // namespace vellomir::engine
