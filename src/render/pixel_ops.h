#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace vellomir::render {

// Raw pixel copies between 32-bit images (RGB32 or ARGB32 premultiplied),
// clipped to both images. Drawing the table only ever copies rectangles, so
// these stay free of QPainter and its set-up cost.
//
// Points and rectangles are in logical pixels, those the table is laid out
// in. An image whose device pixel ratio is a whole number r > 1 holds r x r
// device pixels for each of them (a HiDPI screen's table), so a copy moves
// whole blocks. The images of one copy share their ratio; a source of
// another ratio is first scaled to the destination's, each pixel repeated.

// The image's device pixel ratio as the whole number these operations use
// (at least 1).
int pixelRatioOf(const QImage& image);
// The image's rectangle in logical pixels.
QRect logicalRect(const QImage& image);
// Whether the logical pixel (x, y) lies inside the image.
inline bool containsPixel(const QImage& image, int x, int y) {
    return logicalRect(image).contains(x, y);
}
// The image at another whole ratio, each pixel repeated (or kept one in r):
// the same logical size, with the ratio set.
QImage atPixelRatio(const QImage& image, int ratio);

// Copies `source` (a rectangle of `src`) to `to` in `dst`.
void copyPixels(QImage& dst, QPoint to, const QImage& src, QRect source);
// The same for a whole image.
inline void copyPixels(QImage& dst, QPoint to, const QImage& src) {
    copyPixels(dst, to, src, logicalRect(src));
}
// One logical pixel, when it lies inside both images.
inline void copyPixel(QImage& dst, QPoint to, const QImage& src, QPoint from) {
    copyPixels(dst, to, src, QRect(from, QSize(1, 1)));
}
// Copies only the pixels of `source` that are not fully see-through.
void copyOpaquePixels(QImage& dst, QPoint to, const QImage& src, QRect source);
// Lays `source` (premultiplied alpha) over `dst` at `to`: a soft shadow
// darkens what lies beneath by its alpha.
void blendPixels(QImage& dst, QPoint to, const QImage& src, QRect source);
inline void blendPixels(QImage& dst, QPoint to, const QImage& src) {
    blendPixels(dst, to, src, logicalRect(src));
}
// Darkens one pixel towards black by `alpha` (0-255), when it lies inside.
void darkenPixelSafe(QImage& image, int x, int y, int alpha);
// Inverts the colour of every pixel of `area`.
void invertPixels(QImage& image, QRect area);
// Sets one pixel when it lies inside the image.
void setPixelSafe(QImage& image, int x, int y, QRgb colour);
// The pixel (the first device pixel of it), or `fallback` outside the image.
QRgb pixelSafe(const QImage& image, int x, int y, QRgb fallback = 0xff000000);

} // namespace vellomir::render
