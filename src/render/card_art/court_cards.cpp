#include "render/card_art/court_cards.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

namespace vellomir::art {
namespace {

// The traditional court palette.
const QColor kCourtRed{196, 30, 44};
const QColor kCourtBlue{34, 66, 160};
const QColor kCourtGold{236, 188, 44};
const QColor kCourtBlack{34, 34, 44};
const QColor kSkin{252, 218, 184};
const QColor kOutline{30, 24, 24};
const QColor kPaper{255, 250, 236};

struct Robe {
    QColor main;
    QColor band;
};

Robe robeOf(Suit suit) {
    switch (suit) {
    case Suit::Hearts:
        return {kCourtRed, kCourtBlue};
    case Suit::Diamonds:
        return {kCourtBlue, kCourtRed};
    case Suit::Clubs:
        return {kCourtBlue, kCourtGold};
    case Suit::Spades:
        return {kCourtBlack, kCourtRed};
    }
    return {kCourtRed, kCourtBlue};
}

// Painting helpers in the unit space of one half of the frame (u right, v
// down, v = 1 on the card's centre line). The pen is cosmetic so that lines
// stay one pixel whatever the card size.
class Half {
public:
    explicit Half(QPainter& painter) : m_p(painter) {}

    void fill(const QPainterPath& path, const QColor& colour, bool outline = true) {
        m_p.setBrush(colour);
        m_p.setPen(outline ? pen() : QPen(Qt::NoPen));
        m_p.drawPath(path);
    }
    void line(qreal u1, qreal v1, qreal u2, qreal v2, const QColor& colour, qreal width = 0.8) {
        QPen p(colour, width);
        p.setCosmetic(true);
        p.setCapStyle(Qt::RoundCap);
        m_p.setPen(p);
        m_p.drawLine(QPointF(u1, v1), QPointF(u2, v2));
    }
    void ellipse(qreal cu, qreal cv, qreal ru, qreal rv, const QColor& colour,
                 bool outline = true) {
        QPainterPath p;
        p.addEllipse(QPointF(cu, cv), ru, rv);
        fill(p, colour, outline);
    }

    // Draws what follows larger about a point, until unzoom(): the heads are
    // drawn at a comfortable scale and then enlarged so that faces read well.
    void zoom(qreal factor, qreal u, qreal v) {
        m_p.save();
        m_p.translate(u, v);
        m_p.scale(factor, factor);
        m_p.translate(-u, -v);
    }
    void unzoom() { m_p.restore(); }

private:
    QPen pen() const {
        QPen p(kOutline, 0.7);
        p.setCosmetic(true);
        p.setJoinStyle(Qt::RoundJoin);
        return p;
    }
    QPainter& m_p;
};

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath p;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first) {
            p.moveTo(pt);
            first = false;
        } else {
            p.lineTo(pt);
        }
    }
    p.closeSubpath();
    return p;
}

enum class Trim { Ermine, Pearls, Stripes, Plain };

void drawRobe(Half& h, const Robe& robe, Trim trim) {
    QPainterPath body;
    body.moveTo(0.03, 1.0);
    body.cubicTo(0.05, 0.80, 0.16, 0.71, 0.34, 0.67);
    body.lineTo(0.66, 0.67);
    body.cubicTo(0.84, 0.71, 0.95, 0.80, 0.97, 1.0);
    body.closeSubpath();
    h.fill(body, robe.main);
    if (trim == Trim::Stripes) {
        // The jack's doublet: stripes of the second colour.
        for (qreal u : {0.14, 0.26, 0.74, 0.86}) {
            h.fill(polygon({{u - 0.03, 0.74}, {u + 0.03, 0.72}, {u + 0.05, 1.0}, {u - 0.05, 1.0}}),
                   robe.band, false);
        }
    } else if (trim == Trim::Pearls) {
        // The queen's gown is strewn with small gold flowers.
        for (qreal u : {0.16, 0.28, 0.72, 0.84}) {
            for (qreal v : {0.84, 0.95}) {
                h.ellipse(u + (v > 0.9 ? 0.04 : 0), v, 0.02, 0.02, kCourtGold, false);
            }
        }
    }
    // The front band with gold trim and a row of buttons.
    h.fill(polygon({{0.42, 0.70}, {0.58, 0.70}, {0.60, 1.0}, {0.40, 1.0}}), robe.band);
    h.line(0.42, 0.70, 0.40, 1.0, kCourtGold, 1.0);
    h.line(0.58, 0.70, 0.60, 1.0, kCourtGold, 1.0);
    for (qreal v : {0.80, 0.90}) {
        h.ellipse(0.5, v, 0.018, 0.018, kCourtGold, false);
    }
    // Sleeves' stripes.
    h.line(0.16, 0.80, 0.12, 1.0, kCourtGold, 1.0);
    h.line(0.84, 0.80, 0.88, 1.0, kCourtGold, 1.0);
    // The collar: ermine for the king, gold for the others, pearls for the queen.
    QPainterPath collar;
    collar.moveTo(0.28, 0.67);
    collar.quadTo(0.5, 0.88, 0.72, 0.67);
    collar.quadTo(0.5, 0.76, 0.28, 0.67);
    collar.closeSubpath();
    h.fill(collar, trim == Trim::Ermine ? QColor(Qt::white) : kCourtGold);
    if (trim == Trim::Ermine) {
        for (qreal u : {0.36, 0.5, 0.64}) {
            h.ellipse(u, u == 0.5 ? 0.78 : 0.735, 0.012, 0.02, kOutline, false);
        }
    } else if (trim == Trim::Pearls) {
        for (int i = 0; i <= 6; ++i) {
            const qreal t = i / 6.0;
            const qreal u = 0.36 + 0.28 * t;
            const qreal v = 0.70 + 0.09 * (1 - (2 * t - 1) * (2 * t - 1));
            h.ellipse(u, v, 0.018, 0.018, Qt::white);
        }
    }
}

void drawFace(Half& h, bool beard) {
    h.fill(polygon({{0.455, 0.58}, {0.545, 0.58}, {0.55, 0.70}, {0.45, 0.70}}), kSkin, false);
    h.ellipse(0.5, 0.47, 0.115, 0.145, kSkin);
    // Eyes, brows, nose and mouth.
    h.ellipse(0.455, 0.46, 0.014, 0.014, kOutline, false);
    h.ellipse(0.545, 0.46, 0.014, 0.014, kOutline, false);
    h.line(0.43, 0.43, 0.475, 0.425, kOutline, 0.7);
    h.line(0.525, 0.425, 0.57, 0.43, kOutline, 0.7);
    h.line(0.5, 0.47, 0.492, 0.52, kOutline, 0.6);
    if (!beard) {
        h.line(0.475, 0.555, 0.525, 0.555, kCourtRed, 0.9);
    }
}

void drawKing(Half& h, const Robe& robe) {
    // The sword behind the shoulder.
    h.line(0.17, 1.0, 0.19, 0.14, QColor(150, 156, 170), 1.6);
    h.line(0.10, 0.70, 0.28, 0.70, kCourtGold, 1.4);
    drawRobe(h, robe, Trim::Ermine);
    h.zoom(1.25, 0.5, 0.66);
    drawFace(h, true);
    // Hair, beard and moustache.
    QPainterPath beard;
    beard.moveTo(0.385, 0.47);
    beard.cubicTo(0.38, 0.62, 0.44, 0.74, 0.5, 0.76);
    beard.cubicTo(0.56, 0.74, 0.62, 0.62, 0.615, 0.47);
    beard.cubicTo(0.60, 0.55, 0.56, 0.57, 0.5, 0.57);
    beard.cubicTo(0.44, 0.57, 0.40, 0.55, 0.385, 0.47);
    beard.closeSubpath();
    const QColor hair(120, 84, 50);
    h.fill(beard, hair);
    h.line(0.455, 0.545, 0.545, 0.545, kOutline, 0.9);
    h.fill(polygon({{0.38, 0.36}, {0.40, 0.46}, {0.37, 0.50}, {0.35, 0.40}}), hair);
    h.fill(polygon({{0.62, 0.36}, {0.60, 0.46}, {0.63, 0.50}, {0.65, 0.40}}), hair);
    // Crown: a band with three points, each tipped with a pearl.
    h.fill(polygon({{0.36, 0.34},
                    {0.36, 0.19},
                    {0.43, 0.27},
                    {0.5, 0.16},
                    {0.57, 0.27},
                    {0.64, 0.19},
                    {0.64, 0.34}}),
           kCourtGold);
    h.line(0.36, 0.30, 0.64, 0.30, kOutline, 0.6);
    for (qreal u : {0.36, 0.5, 0.64}) {
        h.ellipse(u, u == 0.5 ? 0.155 : 0.185, 0.02, 0.02, Qt::white);
    }
    h.ellipse(0.5, 0.32, 0.022, 0.016, kCourtRed, false);
    h.unzoom();
}

void drawQueen(Half& h, const Robe& robe) {
    // The veil falls behind the head to the shoulders.
    QPainterPath veil;
    veil.moveTo(0.5, 0.06);
    veil.cubicTo(0.22, 0.08, 0.18, 0.50, 0.20, 0.80);
    veil.lineTo(0.80, 0.80);
    veil.cubicTo(0.82, 0.50, 0.78, 0.08, 0.5, 0.06);
    veil.closeSubpath();
    h.fill(veil, robe.band);
    // The flower she holds.
    h.line(0.80, 1.0, 0.82, 0.56, QColor(40, 120, 50), 1.2);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5;
        h.ellipse(0.82 + 0.045 * std::cos(a), 0.52 + 0.045 * std::sin(a), 0.035, 0.035, kCourtRed,
                  false);
    }
    h.ellipse(0.82, 0.52, 0.025, 0.025, kCourtGold, false);
    drawRobe(h, robe, Trim::Pearls);
    h.zoom(1.25, 0.5, 0.66);
    drawFace(h, false);
    // Golden hair framing the face.
    const QColor hair(230, 176, 60);
    QPainterPath left;
    left.moveTo(0.5, 0.31);
    left.cubicTo(0.40, 0.31, 0.34, 0.38, 0.34, 0.50);
    left.cubicTo(0.34, 0.60, 0.32, 0.66, 0.30, 0.70);
    left.lineTo(0.40, 0.68);
    left.cubicTo(0.39, 0.56, 0.39, 0.44, 0.42, 0.38);
    left.cubicTo(0.45, 0.35, 0.48, 0.35, 0.5, 0.35);
    left.closeSubpath();
    h.fill(left, hair);
    QTransform mirror(-1, 0, 0, 1, 1.0, 0);
    h.fill(mirror.map(left), hair);
    // A crown of rounded arches.
    QPainterPath crown;
    crown.moveTo(0.39, 0.33);
    crown.lineTo(0.39, 0.25);
    crown.quadTo(0.42, 0.19, 0.445, 0.25);
    crown.quadTo(0.5, 0.15, 0.555, 0.25);
    crown.quadTo(0.58, 0.19, 0.61, 0.25);
    crown.lineTo(0.61, 0.33);
    crown.closeSubpath();
    h.fill(crown, kCourtGold);
    h.ellipse(0.5, 0.29, 0.02, 0.02, kCourtBlue, false);
    h.unzoom();
}

void drawJack(Half& h, const Robe& robe) {
    // A staff with a leaf-shaped head.
    h.line(0.86, 1.0, 0.86, 0.40, QColor(130, 90, 50), 1.4);
    h.fill(polygon({{0.86, 0.22}, {0.91, 0.34}, {0.86, 0.42}, {0.81, 0.34}}),
           QColor(160, 166, 180));
    drawRobe(h, robe, Trim::Stripes);
    h.zoom(1.25, 0.5, 0.66);
    drawFace(h, false);
    // Hair in a bob.
    const QColor hair(150, 96, 40);
    h.fill(polygon({{0.38, 0.35}, {0.40, 0.52}, {0.36, 0.60}, {0.34, 0.42}}), hair);
    h.fill(polygon({{0.62, 0.35}, {0.60, 0.52}, {0.64, 0.60}, {0.66, 0.42}}), hair);
    // A plume sweeping back over a flat cap.
    QPainterPath plume;
    plume.moveTo(0.57, 0.29);
    plume.cubicTo(0.60, 0.22, 0.64, 0.19, 0.72, 0.18);
    plume.cubicTo(0.68, 0.22, 0.66, 0.26, 0.65, 0.31);
    plume.closeSubpath();
    h.fill(plume, robe.main);
    QPainterPath cap;
    cap.addEllipse(QPointF(0.5, 0.29), 0.17, 0.07);
    h.fill(cap, robe.band);
    h.fill(polygon({{0.36, 0.31}, {0.64, 0.31}, {0.64, 0.35}, {0.36, 0.35}}), kCourtGold);
    h.unzoom();
}

void drawDoubleEnded(QPainter& painter, const QRectF& frame, const QColor& ink,
                     const std::function<void(Half&, bool bottom)>& drawHalf) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(frame, kPaper);
    for (int end = 0; end < 2; ++end) {
        painter.save();
        painter.setClipRect(frame);
        const QPointF centre = frame.center();
        if (end == 1) {
            painter.translate(centre);
            painter.rotate(180);
            painter.translate(-centre);
        }
        painter.translate(frame.left(), frame.top());
        painter.scale(frame.width(), frame.height() / 2);
        Half half(painter);
        drawHalf(half, end == 1);
        painter.restore();
    }
    // The frame: the ink colour outside, a gold line inside, and the centre line.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.0));
    painter.drawRect(frame);
    painter.setPen(QPen(kCourtGold, 1.0));
    painter.drawRect(frame.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(ink, 0.8));
    painter.drawLine(QPointF(frame.left(), frame.center().y()),
                     QPointF(frame.right(), frame.center().y()));
    painter.restore();
}

} // namespace

void drawCourtPicture(QPainter& painter, const QRectF& frame, Suit suit, int rank) {
    const Robe robe = robeOf(suit);
    drawDoubleEnded(painter, frame, inkOf(suit), [&](Half& h, bool) {
        switch (rank) {
        case 11:
            drawJack(h, robe);
            break;
        case 12:
            drawQueen(h, robe);
            break;
        default:
            drawKing(h, robe);
            break;
        }
    });
    // The suit in the top corner of each half, beside the head.
    const qreal s = std::max(5.0, frame.width() * 0.17);
    // The suit sits on the side the figure leaves free: the king's sword is
    // on his left, the queen's flower and the jack's staff on their right.
    const bool left = rank != 13;
    const QRectF top(left ? frame.left() + 3 : frame.right() - 3 - s, frame.top() + 3, s, s * 1.05);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawSuit(painter, suit, top);
    const QPointF c = frame.center();
    painter.translate(c);
    painter.rotate(180);
    painter.translate(-c);
    drawSuit(painter, suit, top);
    painter.restore();
}

void drawJesterPicture(QPainter& painter, const QRectF& frame) {
    drawDoubleEnded(painter, frame, kBlackInk, [](Half& h, bool) {
        // A ruff collar over a chequered tunic.
        QPainterPath body;
        body.moveTo(0.06, 1.0);
        body.cubicTo(0.08, 0.80, 0.18, 0.72, 0.34, 0.70);
        body.lineTo(0.66, 0.70);
        body.cubicTo(0.82, 0.72, 0.92, 0.80, 0.94, 1.0);
        body.closeSubpath();
        h.fill(body, kCourtRed);
        h.fill(polygon({{0.5, 0.70}, {0.66, 0.70}, {0.80, 0.76}, {0.90, 1.0}, {0.5, 1.0}}),
               kCourtGold);
        for (int i = 0; i < 7; ++i) {
            const qreal u = 0.30 + i * 0.0667;
            h.ellipse(u, 0.70, 0.045, 0.035, Qt::white);
        }
        h.zoom(1.25, 0.5, 0.68);
        drawFace(h, false);
        h.ellipse(0.5, 0.545, 0.03, 0.012, kCourtRed, false);
        // The three-pointed cap with bells.
        QPainterPath cap;
        cap.moveTo(0.37, 0.40);
        cap.cubicTo(0.32, 0.32, 0.24, 0.30, 0.16, 0.35);
        cap.cubicTo(0.24, 0.26, 0.34, 0.26, 0.42, 0.31);
        cap.cubicTo(0.44, 0.24, 0.48, 0.20, 0.50, 0.16);
        cap.cubicTo(0.52, 0.20, 0.56, 0.24, 0.58, 0.31);
        cap.cubicTo(0.66, 0.26, 0.76, 0.26, 0.84, 0.35);
        cap.cubicTo(0.76, 0.30, 0.68, 0.32, 0.63, 0.40);
        cap.closeSubpath();
        h.fill(cap, kCourtBlue);
        h.fill(polygon({{0.37, 0.36}, {0.63, 0.36}, {0.63, 0.40}, {0.37, 0.40}}), kCourtGold);
        h.ellipse(0.16, 0.35, 0.03, 0.03, kCourtGold);
        h.ellipse(0.50, 0.16, 0.03, 0.03, kCourtGold);
        h.ellipse(0.84, 0.35, 0.03, 0.03, kCourtGold);
        h.unzoom();
    });
}

} // namespace vellomir::art
