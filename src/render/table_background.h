#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace vellomir::render {

// The table's background pictures: a solid green, a colour with its fade,
// a library picture tiled or drawn whole, or the player's own picture tiled.

// The default table: a dark green, or the plain green of 256-colour displays.
QColor defaultTableColour(bool manyColours);

// A stored colour value: 0x00BBGGRR, or a system colour when the high bit is
// set (0x8000000F is the face colour of buttons).
QColor colourFromValue(long long value);

// Covers `target` with copies of `tile` from the top-left corner: first a
// row along the top edge, then that strip copied downwards. An empty tile
// draws nothing.
void fillTiled(QImage& target, const QImage& tile);

// The fade: 256 horizontal bands over `area`, black at the bottom and
// nearly `colour` at the top. Band k (0 the lowest) spans from
// bottom - MulDiv(k + 1, height, 256) to bottom - MulDiv(k, height, 256) and
// takes each channel scaled by k / 256, rounded. `area` is in logical pixels;
// the bands are cut in the target's device pixels.
void fillFade(QImage& target, const QColor& colour, const QRect& area);

// MulDiv of the platform: a * b / c rounded to the nearest, halves away from 0.
int mulDiv(int a, int b, int c);

} // namespace vellomir::render
