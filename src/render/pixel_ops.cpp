#include "render/pixel_ops.h"

#include <algorithm>
#include <cstring>

namespace vellomir::render {
namespace {

// Clips a copy of `source` to `to` against both images; false when nothing is left.
bool clip(const QImage& dst, QPoint& to, const QImage& src, QRect& source) {
    const QRect inside = source & src.rect();
    if (inside.isEmpty()) {
        return false;
    }
    to += inside.topLeft() - source.topLeft();
    source = inside;
    // Keep the destination aligned with what is left of the source.
    QRect target(to, source.size());
    const QRect visible = target & dst.rect();
    if (visible.isEmpty()) {
        return false;
    }
    source.translate(visible.topLeft() - target.topLeft());
    source.setSize(visible.size());
    to = visible.topLeft();
    return true;
}

} // namespace

void copyPixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
    if (src.depth() != 32 || dst.depth() != 32) {
        return;
    }
    if (!clip(dst, to, src, source)) {
        return;
    }
    const std::size_t bytes = static_cast<std::size_t>(source.width()) * 4;
    for (int row = 0; row < source.height(); ++row) {
        const uchar* from = src.constScanLine(source.top() + row) + source.left() * 4;
        uchar* into = dst.scanLine(to.y() + row) + to.x() * 4;
        std::memmove(into, from, bytes);
    }
}

void copyOpaquePixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
    if (src.depth() != 32 || dst.depth() != 32) {
        return;
    }
    if (!clip(dst, to, src, source)) {
        return;
    }
    const bool keyed = src.hasAlphaChannel();
    for (int row = 0; row < source.height(); ++row) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(src.constScanLine(source.top() + row)) + source.left();
        QRgb* into = reinterpret_cast<QRgb*>(dst.scanLine(to.y() + row)) + to.x();
        for (int x = 0; x < source.width(); ++x) {
            if (!keyed || qAlpha(from[x]) != 0) {
                into[x] = from[x] | 0xff000000;
            }
        }
    }
}

namespace {

// One channel of premultiplied `over` laid on `under`.
inline uint blendChannel(uint under, uint over, uint inverseAlpha) {
    return over + (under * inverseAlpha + 127) / 255;
}

inline QRgb blendOver(QRgb under, QRgb over) {
    const uint a = qAlpha(over);
    if (a == 0) {
        return under;
    }
    const uint ia = 255 - a;
    return qRgba(static_cast<int>(blendChannel(qRed(under), qRed(over), ia)),
                 static_cast<int>(blendChannel(qGreen(under), qGreen(over), ia)),
                 static_cast<int>(blendChannel(qBlue(under), qBlue(over), ia)), 255);
}

} // namespace

void blendPixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
    if (src.depth() != 32 || dst.depth() != 32) {
        return;
    }
    if (!clip(dst, to, src, source)) {
        return;
    }
    const bool premultiplied = src.format() == QImage::Format_ARGB32_Premultiplied;
    for (int row = 0; row < source.height(); ++row) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(src.constScanLine(source.top() + row)) + source.left();
        QRgb* into = reinterpret_cast<QRgb*>(dst.scanLine(to.y() + row)) + to.x();
        for (int x = 0; x < source.width(); ++x) {
            const QRgb over = premultiplied ? from[x] : qPremultiply(from[x]);
            into[x] = blendOver(into[x] | 0xff000000, over);
        }
    }
}

void darkenPixelSafe(QImage& image, int x, int y, int alpha) {
    if (image.depth() == 32 && image.rect().contains(x, y)) {
        QRgb& pixel = reinterpret_cast<QRgb*>(image.scanLine(y))[x];
        pixel = blendOver(pixel | 0xff000000, qRgba(0, 0, 0, std::clamp(alpha, 0, 255)));
    }
}

void invertPixels(QImage& image, QRect area) {
    if (image.depth() != 32) {
        return;
    }
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            line[x] = (line[x] ^ 0x00ffffff) | 0xff000000;
        }
    }
}

} // namespace vellomir::render
