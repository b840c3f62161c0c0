#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

namespace vellomir::render {

// Raw pixel copies between 32-bit images (RGB32 or ARGB32 premultiplied),
// clipped to both images. Drawing the table only ever copies rectangles, so
// these stay free of QPainter and its set-up cost.

// Copies `source` (a rectangle of `src`) to `to` in `dst`.
void copyPixels(QImage& dst, QPoint to, const QImage& src, QRect source);
// The same for a whole image.
inline void copyPixels(QImage& dst, QPoint to, const QImage& src) {
    copyPixels(dst, to, src, src.rect());
}
// Copies only the pixels of `source` that are not fully see-through.
void copyOpaquePixels(QImage& dst, QPoint to, const QImage& src, QRect source);
// Lays `source` (premultiplied alpha) over `dst` at `to`: a soft shadow
// darkens what lies beneath by its alpha.
void blendPixels(QImage& dst, QPoint to, const QImage& src, QRect source);
inline void blendPixels(QImage& dst, QPoint to, const QImage& src) {
    blendPixels(dst, to, src, src.rect());
}
// Darkens one pixel towards black by `alpha` (0-255), when it lies inside.
void darkenPixelSafe(QImage& image, int x, int y, int alpha);
// Inverts the colour of every pixel of `area`.
void invertPixels(QImage& image, QRect area);
// Sets one pixel when it lies inside the image.
inline void setPixelSafe(QImage& image, int x, int y, QRgb colour) {
    if (image.rect().contains(x, y)) {
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
    }
}
// The pixel, or `fallback` outside the image.
inline QRgb pixelSafe(const QImage& image, int x, int y, QRgb fallback = 0xff000000) {
    return image.rect().contains(x, y) ? reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]
                                       : fallback;
}

} // namespace vellomir::render
