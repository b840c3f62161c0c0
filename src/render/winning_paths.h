#pragma once

#include <QPoint>

#include <vector>

namespace vellomir::render {

// The paths the winning animations throw cards along, as plain numbers.

// One step of a festoon: the card is drawn and moved down by `v` pixels
// (up when negative) `repeats` + 1 times.
struct FestoonPhase {
    int v;
    int repeats;
};

// The fall of a festoon card from the top: ten phases of growing speed.
const std::vector<FestoonPhase>& festoonFall();

// The bounces after the fall: four arcs of falling height and a last long
// roll along the bottom, 65 phases in all. `n` (2 or 3) sets how long the
// card hangs at the top of the first arc.
std::vector<FestoonPhase> festoonBounces(int n);

// The points of a circle of radius 150 as drawn by an outline ellipse in a
// 300 by 300 picture, once round: the right half from top to bottom, then
// the left half from bottom to top, every fourth outline pixel kept (at most
// 300 points).
std::vector<QPoint> circlePath();

} // namespace vellomir::render
