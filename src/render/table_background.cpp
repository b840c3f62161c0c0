#include "render/table_background.h"

#include "render/pixel_ops.h"

#include <QGuiApplication>
#include <QPalette>

#include <cstdlib>

namespace vellomir::render {

QColor defaultTableColour(bool manyColours) {
    return manyColours ? QColor(0, 96, 0) : QColor(0, 128, 0);
}

QColor colourFromValue(long long value) {
    const auto bits = static_cast<unsigned long long>(value) & 0xffffffffULL;
    if (bits & 0x80000000ULL) {
        // A system colour: take the nearest role of the application palette.
        const int index = static_cast<int>(bits & 0xff);
        const QPalette palette = QGuiApplication::palette();
        switch (index) {
        case 1: // desktop
        case 5: // window
            return palette.color(QPalette::Window);
        case 15: // button face
        default:
            return palette.color(QPalette::Button);
        }
    }
    return QColor(static_cast<int>(bits & 0xff), static_cast<int>((bits >> 8) & 0xff),
                  static_cast<int>((bits >> 16) & 0xff));
}

void fillTiled(QImage& target, const QImage& tile) {
    if (tile.isNull() || tile.width() == 0 || tile.height() == 0 || target.isNull()) {
        return;
    }
    // The tile at the target's ratio once, not each time it is laid.
    const QImage source = atPixelRatio(
        tile.format() == target.format() ? tile : tile.convertToFormat(target.format()),
        pixelRatioOf(target));
    const QRect area = logicalRect(target);
    const QRect piece = logicalRect(source);
    if (piece.isEmpty()) {
        return;
    }
    for (int x = 0; x <= area.width(); x += piece.width()) {
        copyPixels(target, QPoint(x, 0), source);
    }
    const QRect strip(0, 0, area.width(), piece.height());
    for (int y = piece.height(); y <= area.height(); y += piece.height()) {
        copyPixels(target, QPoint(0, y), target, strip);
    }
}

int mulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const long long rounded = (product >= 0) == (c > 0)
                                  ? (std::llabs(product) + half) / std::llabs(c)
                                  : -((std::llabs(product) + half) / std::llabs(c));
    return static_cast<int>(rounded);
}

void fillFade(QImage& target, const QColor& colour, const QRect& area) {
    if (target.isNull() || area.isEmpty()) {
        return;
    }
    // The bands in device pixels: at a ratio above 1 the fade is as fine as
    // the screen.
    const int ratio = pixelRatioOf(target);
    const QRect device(area.topLeft() * ratio, area.size() * ratio);
    const int height = device.height();
    const int bottom = device.top() + height; // exclusive
    for (int k = 0; k < 256; ++k) {
        const int top = k == 255 ? device.top() : bottom - mulDiv(k + 1, height, 256);
        const int end = bottom - mulDiv(k, height, 256);
        const QRgb rgb = qRgb(mulDiv(k, colour.red(), 256), mulDiv(k, colour.green(), 256),
                              mulDiv(k, colour.blue(), 256));
        const QRect band = QRect(device.left(), top, device.width(), end - top) & target.rect();
        for (int y = band.top(); y <= band.bottom(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(target.scanLine(y));
            for (int x = band.left(); x <= band.right(); ++x) {
                line[x] = rgb;
            }
        }
    }
}

} // namespace vellomir::render
