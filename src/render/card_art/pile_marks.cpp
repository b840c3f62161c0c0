#include "render/card_art/pile_marks.h"

#include "render/card_art/paint_kit.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vellomir::art {
namespace {

const QColor kMarkLine(255, 255, 255, 170);
const QColor kMarkFill(0, 0, 0, 46);
const QColor kMarkSign(255, 255, 255, 190);

// The rank a mark stands for, or an empty string.
QString rankOfMark(const QString& suffix) {
    static const QStringList suffixes = {
        QStringLiteral("010"), QStringLiteral("012"), QStringLiteral("013"), QStringLiteral("014"),
        QStringLiteral("015"), QStringLiteral("016"), QStringLiteral("017"), QStringLiteral("018"),
        QStringLiteral("019"), QStringLiteral("020"), QStringLiteral("006"), QStringLiteral("003"),
        QStringLiteral("011")};
    static const QStringList ranks = {
        QStringLiteral("A"), QStringLiteral("2"),  QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5"), QStringLiteral("6"),  QStringLiteral("7"), QStringLiteral("8"),
        QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("J"), QStringLiteral("Q"),
        QStringLiteral("K")};
    const int i = suffixes.indexOf(suffix);
    return i < 0 ? QString() : ranks[i];
}

// The circular arrow of a stock that can be dealt again.
void drawRedealArrow(QPainter& p, const QPointF& c, qreal r, const QColor& colour, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.drawArc(box, 100 * 16, 290 * 16);
    // The head at the arc's end (at 30 degrees past twelve o'clock, clockwise).
    const qreal a = qDegreesToRadians(90.0 - 30.0);
    const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    const qreal h = width * 1.7;
    QPainterPath head;
    head.moveTo(tip + QPointF(-h * 0.2, -h * 1.2));
    head.lineTo(tip + QPointF(h * 1.3, h * 0.5));
    head.lineTo(tip + QPointF(-h * 1.1, h * 0.7));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

} // namespace

QStringList markSuffixes() {
    QStringList list = {QStringLiteral("001"), QStringLiteral("003"), QStringLiteral("004"),
                        QStringLiteral("005"), QStringLiteral("006"), QStringLiteral("008"),
                        QStringLiteral("009")};
    for (int n = 10; n <= 22; ++n) {
        list << QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    }
    list << QStringLiteral("_WASTE") << QStringLiteral("_TABLEAU");
    return list;
}

QImage drawPileMark(const CardSize& cardSize, const QString& suffix, qreal pixelRatio) {
    QImage mark = blankCard(cardSize, Qt::transparent, pixelRatio);
    const Design design = designFor(cardSize);
    const CardSize& size = design.base;
    QPainter p;
    beginPainter(p, mark);
    p.scale(design.scaleX, design.scaleY);
    const qreal radius = size.small() ? 2 : 4;
    const QRectF slot(0.5, 0.5, size.width - 1, size.height - 1);
    p.setPen(QPen(kMarkLine, 1));
    p.setBrush(kMarkFill);
    p.drawRoundedRect(slot, radius, radius);

    const QPointF c(size.width / 2.0, size.height / 2.0);
    const qreal unit = size.width / 71.0; // 1 on the largest cards
    const QString rank = rankOfMark(suffix);
    if (!rank.isEmpty()) {
        const qreal h = size.small() ? 14 : std::round(size.height * 0.34);
        const qreal w = rank.size() > 1 ? h * 1.05 : h * 0.66;
        drawStrokeText(p, rank, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), kMarkSign,
                       size.small() ? 1.6 : 3.6 * unit, Qt::AlignHCenter);
    } else if (suffix == QLatin1String("022")) {
        drawRedealArrow(p, c, 15 * unit + (size.small() ? 1.5 : 0), QColor(120, 230, 120, 230),
                        size.small() ? 1.6 : 4.5 * unit);
    } else if (suffix == QLatin1String("005")) {
        // Pressed: the slot lights up under the arrow.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawRoundedRect(slot.adjusted(1, 1, -1, -1), radius, radius);
        drawRedealArrow(p, c + QPointF(unit, unit), 15 * unit + (size.small() ? 1.5 : 0),
                        QColor(20, 110, 20), size.small() ? 1.6 : 4.5 * unit);
    } else if (suffix == QLatin1String("008")) {
        // No deal left: a red cross.
        const qreal r = 13 * unit + (size.small() ? 2 : 0);
        p.setPen(QPen(QColor(235, 70, 60, 230), size.small() ? 2.0 : 5.0 * unit, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
    } else if (suffix == QLatin1String("021")) {
        // A stock that is never dealt again: a diamond outline.
        const qreal r = 14 * unit + (size.small() ? 2 : 0);
        QPainterPath d;
        d.moveTo(c + QPointF(0, -r * 1.2));
        d.lineTo(c + QPointF(r, 0));
        d.lineTo(c + QPointF(0, r * 1.2));
        d.lineTo(c + QPointF(-r, 0));
        d.closeSubpath();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kMarkSign, size.small() ? 1.2 : 2.5 * unit));
        p.drawPath(d);
    } else if (suffix == QLatin1String("001")) {
        // A reserve cell.
        const qreal r = 12 * unit + (size.small() ? 2 : 0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kMarkSign, size.small() ? 1.2 : 2.5 * unit));
        p.drawRoundedRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 2, 2);
    } else if (suffix == QLatin1String("009")) {
        // The other reserve kind: a star.
        const qreal r = 15 * unit + (size.small() ? 2 : 0);
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
            const qreal rr = i % 2 ? r * 0.45 : r;
            const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kMarkSign);
        p.drawPath(star);
    } else if (suffix == QLatin1String("004")) {
        // No rank asked for: an inner frame.
        const qreal inset = size.small() ? 3.5 : 7 * unit;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kMarkLine, 1));
        p.drawRoundedRect(slot.adjusted(inset, inset, -inset, -inset), radius / 2, radius / 2);
    } else if (suffix == QLatin1String("_WASTE")) {
        // The waste: a dashed inner frame.
        const qreal inset = size.small() ? 3.5 : 7 * unit;
        p.setBrush(Qt::NoBrush);
        QPen dash(kMarkLine, 1, Qt::DashLine);
        p.setPen(dash);
        p.drawRoundedRect(slot.adjusted(inset, inset, -inset, -inset), radius / 2, radius / 2);
    }
    // "_TABLEAU" is the plain slot.
    return mark;
}

QImage drawShadowPiece(const CardSize& size, int which) {
    // In card coordinates (card at 0, 0) the first piece starts at
    // (W, S - 2) and the second at (S - 1, H); the shadow is the card's
    // rectangle moved S - 1 down and right, its corners cut, in a chequer of
    // black over the see-through white.
    const int s = kShadowOffset;
    const int w = size.width;
    const int h = size.height;
    const QPoint origin = which == 1 ? QPoint(w, s - 2) : QPoint(s - 1, h);
    const QSize extent = which == 1 ? QSize(s, h + 2) : QSize(w + 1, s);
    QImage piece(extent, QImage::Format_RGB32);
    piece.fill(Qt::white);
    const QRect shadow(s - 1, s - 1, w, h);
    for (int y = 0; y < extent.height(); ++y) {
        for (int x = 0; x < extent.width(); ++x) {
            const int cx = origin.x() + x;
            const int cy = origin.y() + y;
            if (!shadow.contains(cx, cy) || (cx < w && cy < h)) {
                continue;
            }
            const int fromLeft = std::min(cx - shadow.left(), shadow.right() - cx);
            const int fromTop = std::min(cy - shadow.top(), shadow.bottom() - cy);
            if (fromLeft + fromTop < 2) {
                continue; // the rounded corner
            }
            if ((cx + cy) % 2 == 0) {
                piece.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
    }
    return piece;
}

QImage drawSoftShadowPiece(int width, int height, int which) {
    // Same geometry as the chequered pieces; each pixel's darkness follows its
    // distance from the shadow's outer edges.
    constexpr qreal kDarkest = 0.42;
    constexpr qreal kFade = 5.0;
    const int s = kShadowOffset;
    const int w = std::max(1, width);
    const int h = std::max(1, height);
    const QPoint origin = which == 1 ? QPoint(w, s - 2) : QPoint(s - 1, h);
    const QSize extent = which == 1 ? QSize(s, h + 2) : QSize(w + 1, s);
    QImage piece(extent, QImage::Format_ARGB32_Premultiplied);
    piece.fill(Qt::transparent);
    const QRectF shadow(s - 1, s - 1, w, h);
    for (int y = 0; y < extent.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < extent.width(); ++x) {
            const qreal cx = origin.x() + x + 0.5;
            const qreal cy = origin.y() + y + 0.5;
            if (cx < w && cy < h) {
                continue; // under the card itself
            }
            // Distance inside the shadow's edge, with a rounded corner.
            const qreal dx = std::min(cx - shadow.left(), shadow.right() - cx);
            const qreal dy = std::min(cy - shadow.top(), shadow.bottom() - cy);
            if (dx <= 0 || dy <= 0) {
                continue;
            }
            const qreal inX = std::min(dx, kFade) / kFade;
            const qreal inY = std::min(dy, kFade) / kFade;
            const qreal t = inX * inY;
            const int alpha = static_cast<int>(std::lround(255 * kDarkest * t * t * (3 - 2 * t)));
            line[x] = qRgba(0, 0, 0, alpha);
        }
    }
    return piece;
}

QImage drawBorderPiece(const CardSize& size, int which) {
    const int w = size.width;
    const int h = size.height;
    // Piece pixel (c, r) lies at (dx, dy) from the base card's top left.
    const QSize extent = which == 1 ? QSize(kMaxDepth + 1, h + 13) : QSize(w + 11, kMaxDepth + 1);
    QImage piece(extent, QImage::Format_RGB32);
    piece.fill(qRgb(0, 0, 255));
    for (int r = 0; r < extent.height(); ++r) {
        for (int c = 0; c < extent.width(); ++c) {
            const int dx = which == 1 ? w - 16 + c : c - 13;
            const int dy = which == 1 ? r - 13 : h - 16 + r;
            // Layer k of the pile lies k pixels up and left of the base card;
            // the topmost layer covering the pixel shows its edge there.
            int layer = -1;
            for (int k = kMaxDepth; k >= 0; --k) {
                if (dx >= -k && dx <= w - 1 - k && dy >= -k && dy <= h - 1 - k) {
                    layer = k;
                    break;
                }
            }
            if (layer < 0) {
                continue;
            }
            QRgb colour;
            if (layer == 0) {
                colour = qRgb(70, 70, 74);
            } else {
                colour = layer % 2 ? qRgb(246, 246, 242) : qRgb(172, 172, 168);
            }
            piece.setPixel(c, r, colour);
        }
    }
    return piece;
}

} // namespace vellomir::art
