#include "card_outline.h"

#include "paint_kit.h"

namespace vellomir::tools {

QImage blankCard(const CardSize& size, const QColor& paper) {
    return newImage(size.width, size.height, paper);
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

} // namespace vellomir::tools
