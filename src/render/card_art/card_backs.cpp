#include "render/card_art/card_backs.h"

#include "render/card_art/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace vellomir::art {
namespace {

// Every design is drawn in a space 100 wide and 135 high (the card's
// proportions) that is then fitted into the card inside its white margin.
constexpr qreal kDesignWidth = 100;
constexpr qreal kDesignHeight = 135;

QPen thin(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Woven strips: in each cell either the across or the down strip lies on
// top, alternating like a chequer board, each strip shaded to look round.
void drawWeave(QPainter& p, const QColor& across, const QColor& down, const QColor& gap, qreal cell,
               qreal angle) {
    p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), gap);
    p.save();
    p.translate(kDesignWidth / 2, kDesignHeight / 2);
    p.rotate(angle);
    // Where the strips land in the design: a strip wholly outside it is
    // clipped away, so it is not drawn at all (most of the turned grid).
    QTransform toDesign;
    toDesign.translate(kDesignWidth / 2, kDesignHeight / 2);
    toDesign.rotate(angle);
    const QRectF design(-1, -1, kDesignWidth + 2, kDesignHeight + 2);
    const qreal reach = 100;
    const qreal band = cell * 0.78;
    for (int layer = 0; layer < 2; ++layer) {
        for (int i = -static_cast<int>(reach / cell) - 1; i <= static_cast<int>(reach / cell) + 1;
             ++i) {
            for (int j = -static_cast<int>(reach / cell) - 1;
                 j <= static_cast<int>(reach / cell) + 1; ++j) {
                const bool acrossOnTop = ((i + j) % 2 + 2) % 2 == 0;
                // Draw the under strips first, then the over strips.
                const bool drawAcross = (layer == 0) != acrossOnTop;
                const qreal x = i * cell;
                const qreal y = j * cell;
                QRectF r;
                QLinearGradient g;
                const QColor base = drawAcross ? across : down;
                if (drawAcross) {
                    r = QRectF(x - cell / 2 - 0.5, y - band / 2, cell + 1, band);
                    g = QLinearGradient(r.topLeft(), r.bottomLeft());
                } else {
                    r = QRectF(x - band / 2, y - cell / 2 - 0.5, band, cell + 1);
                    g = QLinearGradient(r.topLeft(), r.topRight());
                }
                if (!toDesign.mapRect(r).intersects(design)) {
                    continue;
                }
                g.setColorAt(0, base.darker(135));
                g.setColorAt(0.35, base.lighter(125));
                g.setColorAt(1, base.darker(150));
                p.fillRect(r, g);
            }
        }
    }
    p.restore();
}

void designPlaiting1(QPainter& p) {
    drawWeave(p, QColor(40, 90, 190), QColor(60, 160, 200), QColor(10, 30, 70), 10, 45);
}

void designPlaiting2(QPainter& p) {
    drawWeave(p, QColor(190, 40, 40), QColor(220, 170, 50), QColor(60, 10, 10), 11, 0);
}

void designClassicBlue(QPainter& p) {
    p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), QColor(22, 58, 150));
    // A fine lattice of light lines on the diagonals.
    p.setPen(thin(QColor(120, 160, 235), 0.9));
    for (qreal d = -kDesignHeight; d < kDesignWidth + kDesignHeight; d += 7) {
        p.drawLine(QPointF(d, 0), QPointF(d + kDesignHeight, kDesignHeight));
        p.drawLine(QPointF(d, 0), QPointF(d - kDesignHeight, kDesignHeight));
    }
    // Two frame lines and a medallion in the middle.
    p.setBrush(Qt::NoBrush);
    p.setPen(thin(Qt::white, 2.2));
    p.drawRoundedRect(QRectF(6, 6, kDesignWidth - 12, kDesignHeight - 12), 5, 5);
    p.setPen(thin(Qt::white, 1.0));
    p.drawRoundedRect(QRectF(10, 10, kDesignWidth - 20, kDesignHeight - 20), 3, 3);
    const QPointF c(kDesignWidth / 2, kDesignHeight / 2);
    p.setBrush(QColor(22, 58, 150));
    p.setPen(thin(Qt::white, 2.0));
    p.drawEllipse(c, 20, 26);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(6, -6, 5, -15, 0, -19);
        petal.cubicTo(-5, -15, -6, -6, 0, 0);
        p.setBrush(i % 2 ? QColor(170, 200, 250) : Qt::white);
        p.setPen(Qt::NoPen);
        p.drawPath(petal);
        p.restore();
    }
    p.setBrush(QColor(230, 190, 60));
    p.drawEllipse(c, 4, 4);
}

void designSnowman(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kDesignHeight);
    sky.setColorAt(0, QColor(16, 32, 90));
    sky.setColorAt(1, QColor(70, 110, 190));
    p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), sky);
    Dice dice(3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const qreal r = dice.range(0.7, 1.8);
        p.setBrush(QColor(255, 255, 255, 120 + dice.below(135)));
        p.drawEllipse(QPointF(dice.range(0, kDesignWidth), dice.range(0, kDesignHeight)), r, r);
    }
    // Snowy ground.
    QPainterPath ground;
    ground.moveTo(0, 100);
    ground.cubicTo(30, 90, 70, 96, 100, 92);
    ground.lineTo(100, 135);
    ground.lineTo(0, 135);
    ground.closeSubpath();
    p.setBrush(QColor(236, 244, 255));
    p.drawPath(ground);
    // The snowman: three balls, shaded.
    const auto ball = [&p](QPointF c, qreal r) {
        QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(180, 200, 230));
        p.setBrush(g);
        p.setPen(thin(QColor(150, 170, 210), 0.8));
        p.drawEllipse(c, r, r);
    };
    ball({50, 98}, 22);
    ball({50, 66}, 16);
    ball({50, 40}, 12);
    // Arms.
    p.setPen(thin(QColor(100, 60, 30), 2.0));
    p.drawLine(QPointF(36, 62), QPointF(18, 50));
    p.drawLine(QPointF(22, 53), QPointF(17, 55));
    p.drawLine(QPointF(64, 62), QPointF(82, 50));
    p.drawLine(QPointF(78, 53), QPointF(84, 46));
    // Scarf.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 40));
    p.drawRoundedRect(QRectF(38, 49, 24, 6), 3, 3);
    p.drawRoundedRect(QRectF(54, 52, 6, 16), 2, 2);
    // Hat.
    p.setBrush(QColor(20, 20, 24));
    p.drawRect(QRectF(34, 28, 32, 3));
    p.drawRect(QRectF(40, 12, 20, 17));
    p.setBrush(QColor(210, 30, 40));
    p.drawRect(QRectF(40, 24, 20, 3));
    // Face: coal eyes, carrot nose, smile.
    p.setBrush(QColor(20, 20, 24));
    p.drawEllipse(QPointF(45.5, 37), 1.6, 1.6);
    p.drawEllipse(QPointF(54.5, 37), 1.6, 1.6);
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(44 + i * 3, 46.5 - std::abs(i - 2) * 0.8), 0.9, 0.9);
    }
    QPainterPath nose;
    nose.moveTo(50, 39.5);
    nose.lineTo(62, 42);
    nose.lineTo(50, 43);
    nose.closeSubpath();
    p.setBrush(QColor(240, 130, 30));
    p.drawPath(nose);
    // Buttons.
    p.setBrush(QColor(20, 20, 24));
    for (qreal y : {62.0, 70.0, 90.0}) {
        p.drawEllipse(QPointF(50, y), 1.8, 1.8);
    }
}

void designRoses(QPainter& p) {
    p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), QColor(18, 52, 30));
    Dice dice(14);
    // Leaves first, then the blooms over them.
    const QPointF blooms[] = {{28, 26},  {74, 40},  {40, 70}, {78, 98},
                              {24, 112}, {58, 124}, {90, 8},  {8, 60}};
    for (const QPointF& c : blooms) {
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(c);
            p.rotate(dice.range(0, 360));
            QPainterPath leaf;
            leaf.moveTo(10, 0);
            leaf.cubicTo(14, -6, 22, -6, 26, 0);
            leaf.cubicTo(22, 6, 14, 6, 10, 0);
            p.setPen(thin(QColor(20, 70, 30), 0.6));
            p.setBrush(QColor(50, 120, 55));
            p.drawPath(leaf);
            p.restore();
        }
    }
    for (const QPointF& c : blooms) {
        const qreal r = 11;
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(150, 0, 20));
        g.setColorAt(1, QColor(225, 40, 60));
        p.setBrush(g);
        p.setPen(thin(QColor(110, 0, 20), 0.7));
        p.drawEllipse(c, r, r);
        // Petals curling in a spiral towards the centre.
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 4; ++k) {
            const qreal rr = r * (0.85 - k * 0.2);
            const int start = static_cast<int>(dice.range(0, 360)) * 16;
            p.setPen(thin(QColor(120, 0, 25), 1.1));
            p.drawArc(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), start, 200 * 16);
        }
    }
}

void designTropicalFish(QPainter& p) {
    QLinearGradient sea(0, 0, 0, kDesignHeight);
    sea.setColorAt(0, QColor(40, 170, 220));
    sea.setColorAt(1, QColor(10, 50, 120));
    p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), sea);
    // Sea grass and coral along the bottom.
    p.setPen(thin(QColor(40, 150, 80), 2.2));
    for (int i = 0; i < 7; ++i) {
        const qreal x = 6 + i * 15;
        QPainterPath weed;
        weed.moveTo(x, 135);
        weed.cubicTo(x - 6, 120, x + 6, 112, x - 2, 98 + (i % 3) * 6);
        p.drawPath(weed);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 90));
    p.drawEllipse(QPointF(30, 132), 14, 9);
    p.setBrush(QColor(250, 160, 120));
    p.drawEllipse(QPointF(78, 134), 16, 8);
    // Fish: a body, a tail and stripes.
    const auto fish = [&p](QPointF c, qreal s, bool left, const QColor& body,
                           const QColor& stripe) {
        p.save();
        p.translate(c);
        p.scale(left ? -s : s, s);
        QPainterPath tail;
        tail.moveTo(-8, 0);
        tail.lineTo(-15, -6);
        tail.lineTo(-15, 6);
        tail.closeSubpath();
        p.setPen(thin(QColor(20, 20, 30), 0.5));
        p.setBrush(body);
        p.drawPath(tail);
        QPainterPath shape;
        shape.moveTo(10, 0);
        shape.cubicTo(6, -9, -6, -9, -10, 0);
        shape.cubicTo(-6, 9, 6, 9, 10, 0);
        p.drawPath(shape);
        p.setClipPath(shape);
        p.setPen(thin(stripe, 2.2));
        p.drawLine(QPointF(3, -9), QPointF(3, 9));
        p.drawLine(QPointF(-4, -9), QPointF(-4, 9));
        p.setClipping(false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 30));
        p.drawEllipse(QPointF(6, -2), 1.1, 1.1);
        p.restore();
    };
    fish({34, 30}, 1.3, false, QColor(255, 200, 30), QColor(30, 30, 40));
    fish({70, 58}, 1.1, true, QColor(250, 120, 20), Qt::white);
    fish({32, 82}, 1.0, false, QColor(80, 200, 240), QColor(250, 230, 60));
    fish({72, 100}, 0.9, true, QColor(255, 200, 30), QColor(30, 30, 40));
    p.setBrush(Qt::NoBrush);
    p.setPen(thin(QColor(220, 245, 255), 0.7));
    for (const QPointF& b :
         {QPointF(52, 20), QPointF(55, 12), QPointF(50, 6), QPointF(86, 44), QPointF(88, 36)}) {
        p.drawEllipse(b, 1.6, 1.6);
    }
}

void designLake(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 70);
    sky.setColorAt(0, QColor(90, 150, 225));
    sky.setColorAt(1, QColor(210, 230, 250));
    p.fillRect(QRectF(0, 0, kDesignWidth, 70), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(76, 20), 8, 8);
    const auto mountains = [&p](bool reflected) {
        p.save();
        if (reflected) {
            p.translate(0, 140);
            p.scale(1, -1);
        }
        QPainterPath range;
        range.moveTo(0, 70);
        range.lineTo(0, 50);
        range.lineTo(22, 30);
        range.lineTo(36, 44);
        range.lineTo(56, 22);
        range.lineTo(80, 48);
        range.lineTo(92, 40);
        range.lineTo(100, 46);
        range.lineTo(100, 70);
        range.closeSubpath();
        p.setBrush(reflected ? QColor(70, 100, 140) : QColor(90, 110, 150));
        p.drawPath(range);
        QPainterPath snow;
        snow.moveTo(56, 22);
        snow.lineTo(64, 31);
        snow.lineTo(59, 29);
        snow.lineTo(55, 33);
        snow.lineTo(51, 28);
        snow.lineTo(48, 31);
        snow.closeSubpath();
        snow.moveTo(22, 30);
        snow.lineTo(28, 36);
        snow.lineTo(23, 35);
        snow.lineTo(18, 34);
        snow.closeSubpath();
        p.setBrush(reflected ? QColor(170, 190, 215) : QColor(245, 248, 255));
        p.drawPath(snow);
        // A dark line of forest along the shore.
        p.setBrush(reflected ? QColor(20, 60, 50) : QColor(30, 80, 50));
        QPainterPath forest;
        forest.moveTo(0, 70);
        for (int i = 0; i <= 25; ++i) {
            forest.lineTo(i * 4, 62 + ((i * 7) % 5));
            forest.lineTo(i * 4 + 2, 66);
        }
        forest.lineTo(100, 70);
        forest.closeSubpath();
        p.drawPath(forest);
        p.restore();
    };
    QLinearGradient water(0, 70, 0, kDesignHeight);
    water.setColorAt(0, QColor(60, 110, 160));
    water.setColorAt(1, QColor(20, 50, 90));
    p.fillRect(QRectF(0, 70, kDesignWidth, kDesignHeight - 70), water);
    mountains(true);
    mountains(false);
    // Ripples on the water.
    p.setPen(thin(QColor(200, 225, 250, 150), 0.8));
    Dice dice(20);
    for (int i = 0; i < 14; ++i) {
        const qreal y = dice.range(74, 132);
        const qreal x = dice.range(0, 90);
        p.drawLine(QPointF(x, y), QPointF(x + dice.range(6, 16), y));
    }
}

void designPainting(QPainter& p) {
    // A gilt frame round a pond of water lilies, painted in dabs.
    QLinearGradient gilt(0, 0, kDesignWidth, kDesignHeight);
    gilt.setColorAt(0, QColor(240, 200, 90));
    gilt.setColorAt(0.5, QColor(160, 110, 30));
    gilt.setColorAt(1, QColor(235, 190, 80));
    p.fillRect(QRectF(0, 0, kDesignWidth, kDesignHeight), gilt);
    const QRectF canvas(9, 9, kDesignWidth - 18, kDesignHeight - 18);
    p.setPen(thin(QColor(110, 70, 20), 1.2));
    p.drawRect(canvas.adjusted(-1.5, -1.5, 1.5, 1.5));
    p.save();
    p.setClipRect(canvas);
    p.fillRect(canvas, QColor(60, 110, 120));
    Dice dice(1);
    const QColor waterTones[] = {{70, 120, 160},  {110, 150, 190}, {60, 100, 110},
                                 {140, 130, 190}, {80, 140, 130},  {170, 190, 210}};
    for (int i = 0; i < 420; ++i) {
        const qreal x = dice.range(canvas.left() - 4, canvas.right());
        const qreal y = dice.range(canvas.top(), canvas.bottom());
        QColor c = waterTones[dice.below(6)];
        c.setAlpha(170);
        p.setPen(thin(c, dice.range(1.5, 3.0)));
        p.drawLine(QPointF(x, y), QPointF(x + dice.range(3, 8), y + dice.range(-0.6, 0.6)));
    }
    // Foliage hanging over the top, and the lily pads with their flowers.
    for (int i = 0; i < 140; ++i) {
        const qreal x = dice.range(canvas.left(), canvas.right());
        const qreal y = dice.range(canvas.top(), canvas.top() + 24);
        QColor c = i % 3 ? QColor(50, 110, 60, 190) : QColor(120, 160, 70, 190);
        p.setPen(thin(c, 2.4));
        p.drawLine(QPointF(x, y), QPointF(x + dice.range(-2, 2), y + dice.range(2, 6)));
    }
    for (int i = 0; i < 16; ++i) {
        const QPointF c(dice.range(canvas.left(), canvas.right()),
                        dice.range(canvas.top() + 30, canvas.bottom()));
        const qreal r = dice.range(4, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 140, 70, 220));
        p.drawEllipse(c, r * 1.4, r * 0.6);
        if (i % 3 == 0) {
            p.setBrush(QColor(245, 170, 200));
            p.drawEllipse(c + QPointF(0, -1.5), 2.4, 1.8);
            p.setBrush(QColor(255, 235, 240));
            p.drawEllipse(c + QPointF(0, -2.2), 1.2, 1.0);
        }
    }
    p.restore();
}

void drawDesign(QPainter& p, int number) {
    switch (number) {
    case 1:
        designPainting(p);
        break;
    case 3:
        designSnowman(p);
        break;
    case 6:
        designPlaiting2(p);
        break;
    case 7:
        designClassicBlue(p);
        break;
    case 14:
        designRoses(p);
        break;
    case 19:
        designTropicalFish(p);
        break;
    case 20:
        designLake(p);
        break;
    default:
        designPlaiting1(p);
        break;
    }
}

} // namespace

QImage drawBack(const CardSize& cardSize, int number, qreal pixelRatio) {
    QImage card = blankCard(cardSize, Qt::white, pixelRatio);
    const Design design = designFor(cardSize);
    const CardSize& size = design.base;
    QPainter p;
    beginPainter(p, card);
    p.scale(design.scaleX, design.scaleY);
    // A thin white margin round the design, as on a printed back. Thin, so
    // that face-down cards fanned a few pixels apart show a strip of their
    // pattern and not only white.
    const qreal margin = size.small() ? 1.0 : 2.0;
    const QRectF inner(margin, margin, size.width - 2 * margin, size.height - 2 * margin);
    QPainterPath clip;
    clip.addRoundedRect(inner, size.small() ? 1 : 2.5, size.small() ? 1 : 2.5);
    p.setClipPath(clip);
    p.save();
    p.translate(inner.topLeft());
    p.scale(inner.width() / kDesignWidth, inner.height() / kDesignHeight);
    drawDesign(p, number);
    p.restore();
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
    p.drawPath(clip);
    p.end();
    drawCardEdge(card);
    return card;
}

} // namespace vellomir::art
