#include "render/card_art/card_outline.h"

#include "render/card_art/paint_kit.h"

#include <algorithm>
#include <cmath>

namespace vellomir::art {

namespace {

// Widths from which a fitted card is drawn from the big and the medium design.
constexpr int kBigDesignFrom = 66;
constexpr int kMediumDesignFrom = 40;

} // namespace

CardSize fittedSize(int width) {
    const int w = std::max(1, width);
    return {'F', w, std::max(1, static_cast<int>(std::lround(w * 96.0 / 71.0)))};
}

Design designFor(const CardSize& size) {
    if (!size.fitted()) {
        return {size};
    }
    const CardSize base = size.width >= kBigDesignFrom      ? kBig
                          : size.width >= kMediumDesignFrom ? kMedium
                                                            : kSmall;
    return {base, static_cast<qreal>(size.width) / base.width,
            static_cast<qreal>(size.height) / base.height, base.letter == 'B'};
}

QImage blankCard(const CardSize& size, const QColor& paper, qreal pixelRatio) {
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1;
    // An opaque card is drawn without an alpha channel: the table shows it
    // so, and converting it afterwards cost more than drawing it.
    QImage card(static_cast<int>(std::lround(size.width * ratio)),
                static_cast<int>(std::lround(size.height * ratio)),
                paper.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    card.fill(paper);
    card.setDevicePixelRatio(ratio);
    return card;
}

void drawCardEdge(QImage& card, const QColor& edge) {
    const int w = card.width();
    const int h = card.height();
    const bool small = w <= 25;
    const int cut = small ? 1 : 2;
    const QRgb ink = edge.rgb();
    for (int x = cut; x < w - cut; ++x) {
        card.setPixel(x, 0, ink);
        card.setPixel(x, h - 1, ink);
    }
    for (int y = cut; y < h - cut; ++y) {
        card.setPixel(0, y, ink);
        card.setPixel(w - 1, y, ink);
    }
    // The rounded corners: on the larger sizes a diagonal pixel joins the
    // edges; the pixels outside it are half-tone in case a corner is shown.
    const QRgb half = mix(edge, Qt::white, 0.55).rgb();
    const QPoint corners[] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    for (const QPoint& c : corners) {
        const int dx = c.x() == 0 ? 1 : -1;
        const int dy = c.y() == 0 ? 1 : -1;
        card.setPixel(c, half);
        if (!small) {
            card.setPixel(c.x() + dx, c.y(), half);
            card.setPixel(c.x(), c.y() + dy, half);
            card.setPixel(c.x() + dx, c.y() + dy, ink);
        }
    }
}

} // namespace vellomir::art
