#include "render/pixel_ops.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vellomir::render {
namespace {

QRect scaledRect(const QRect& r, int ratio) {
    return ratio == 1 ? r
                      : QRect(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio);
}

// Clips a copy of `source` to `to` against both images; false when nothing
// is left. All in device pixels.
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

// A copy of logical `source` of `src` from `src` into `dst` at logical `to`,
// in device pixels: `run(device destination, source image, device source)`.
// A source of another ratio than the destination's is scaled first.
template <typename Run>
void inDevicePixels(const QImage& dst, QPoint to, const QImage& src, QRect source, Run run) {
    const int rd = pixelRatioOf(dst);
    const int rs = pixelRatioOf(src);
    if (rd == rs) {
        run(QPoint(to.x() * rd, to.y() * rd), src, scaledRect(source, rs));
        return;
    }
    // Only what lies inside the source is scaled (and then copied).
    const QRect inside = source & logicalRect(src);
    if (inside.isEmpty()) {
        return;
    }
    to += inside.topLeft() - source.topLeft();
    const QImage part = atPixelRatio(src.copy(scaledRect(inside, rs)), rd);
    run(QPoint(to.x() * rd, to.y() * rd), part, part.rect());
}

void copyDevicePixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
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

void copyOpaqueDevicePixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
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

void blendDevicePixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
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

// The device pixels of logical pixel (x, y), or an empty rectangle outside.
QRect devicePixelBlock(const QImage& image, int x, int y) {
    if (!containsPixel(image, x, y)) {
        return {};
    }
    const int r = pixelRatioOf(image);
    return QRect(x * r, y * r, r, r);
}

} // namespace

int pixelRatioOf(const QImage& image) {
    return std::max(1, static_cast<int>(std::lround(image.devicePixelRatio())));
}

QRect logicalRect(const QImage& image) {
    const int r = pixelRatioOf(image);
    return r == 1 ? image.rect() : QRect(0, 0, image.width() / r, image.height() / r);
}

QImage atPixelRatio(const QImage& image, int ratio) {
    const int from = pixelRatioOf(image);
    const int to = std::max(1, ratio);
    if (image.isNull() || from == to) {
        return image;
    }
    const QRect logical = logicalRect(image);
    QImage scaled = image.scaled(logical.width() * to, logical.height() * to, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
    scaled.setDevicePixelRatio(to);
    return scaled;
}

void copyPixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
    if (src.depth() != 32 || dst.depth() != 32) {
        return;
    }
    inDevicePixels(dst, to, src, source, [&](QPoint at, const QImage& from, QRect rect) {
        copyDevicePixels(dst, at, from, rect);
    });
}

void copyOpaquePixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
    if (src.depth() != 32 || dst.depth() != 32) {
        return;
    }
    inDevicePixels(dst, to, src, source, [&](QPoint at, const QImage& from, QRect rect) {
        copyOpaqueDevicePixels(dst, at, from, rect);
    });
}

void blendPixels(QImage& dst, QPoint to, const QImage& src, QRect source) {
    if (src.depth() != 32 || dst.depth() != 32) {
        return;
    }
    inDevicePixels(dst, to, src, source, [&](QPoint at, const QImage& from, QRect rect) {
        blendDevicePixels(dst, at, from, rect);
    });
}

void darkenPixelSafe(QImage& image, int x, int y, int alpha) {
    if (image.depth() != 32) {
        return;
    }
    const QRect block = devicePixelBlock(image, x, y);
    const QRgb shade = qRgba(0, 0, 0, std::clamp(alpha, 0, 255));
    for (int row = block.top(); row <= block.bottom(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = block.left(); column <= block.right(); ++column) {
            line[column] = blendOver(line[column] | 0xff000000, shade);
        }
    }
}

void invertPixels(QImage& image, QRect area) {
    if (image.depth() != 32) {
        return;
    }
    area = scaledRect(area, pixelRatioOf(image)) & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            line[x] = (line[x] ^ 0x00ffffff) | 0xff000000;
        }
    }
}

void setPixelSafe(QImage& image, int x, int y, QRgb colour) {
    const QRect block = devicePixelBlock(image, x, y);
    for (int row = block.top(); row <= block.bottom(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(line + block.left(), line + block.left() + block.width(), colour);
    }
}

QRgb pixelSafe(const QImage& image, int x, int y, QRgb fallback) {
    const QRect block = devicePixelBlock(image, x, y);
    return block.isEmpty()
               ? fallback
               : reinterpret_cast<const QRgb*>(image.constScanLine(block.top()))[block.left()];
}

} // namespace vellomir::render
