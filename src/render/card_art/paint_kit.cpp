#include "render/card_art/paint_kit.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace vellomir::art {
namespace {

// Suit outlines in a unit square, drawn as a pip stands: point or stem down.
QPainterPath unitHeart() {
    QPainterPath p;
    p.moveTo(0.5, 1.0);
    p.cubicTo(0.38, 0.80, 0.01, 0.62, 0.01, 0.31);
    p.cubicTo(0.01, 0.11, 0.15, 0.0, 0.28, 0.0);
    p.cubicTo(0.40, 0.0, 0.48, 0.08, 0.5, 0.19);
    p.cubicTo(0.52, 0.08, 0.60, 0.0, 0.72, 0.0);
    p.cubicTo(0.85, 0.0, 0.99, 0.11, 0.99, 0.31);
    p.cubicTo(0.99, 0.62, 0.62, 0.80, 0.5, 1.0);
    p.closeSubpath();
    return p;
}

QPainterPath unitDiamond() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.66, 0.27, 0.90, 0.5);
    p.quadTo(0.66, 0.73, 0.5, 1.0);
    p.quadTo(0.34, 0.73, 0.10, 0.5);
    p.quadTo(0.34, 0.27, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

void addStem(QPainterPath& p) {
    QPainterPath stem;
    stem.moveTo(0.47, 0.62);
    stem.quadTo(0.46, 0.90, 0.30, 1.0);
    stem.lineTo(0.70, 1.0);
    stem.quadTo(0.54, 0.90, 0.53, 0.62);
    stem.closeSubpath();
    p = p.united(stem);
}

QPainterPath unitSpade() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.38, 0.20, 0.01, 0.38, 0.01, 0.60);
    p.cubicTo(0.01, 0.77, 0.14, 0.85, 0.27, 0.85);
    p.cubicTo(0.38, 0.85, 0.46, 0.79, 0.5, 0.72);
    p.cubicTo(0.54, 0.79, 0.62, 0.85, 0.73, 0.85);
    p.cubicTo(0.86, 0.85, 0.99, 0.77, 0.99, 0.60);
    p.cubicTo(0.99, 0.38, 0.62, 0.20, 0.5, 0.0);
    p.closeSubpath();
    addStem(p);
    return p;
}

QPainterPath unitClub() {
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.25), 0.235, 0.235);
    p.addEllipse(QPointF(0.235, 0.60), 0.235, 0.235);
    p.addEllipse(QPointF(0.765, 0.60), 0.235, 0.235);
    QPainterPath middle;
    middle.addEllipse(QPointF(0.5, 0.52), 0.16, 0.16);
    p = p.united(middle);
    addStem(p);
    return p;
}

// Stroke letters in a box one unit high; each has its advance width.
struct Glyph {
    QPainterPath path;
    qreal width = 0.6;
};

QPainterPath ellipsePath(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath p;
    p.addEllipse(QRectF(x, y, w, h));
    return p;
}

Glyph glyphOf(QChar c) {
    QPainterPath p;
    qreal width = 0.6;
    switch (c.toLatin1()) {
    case 'A':
        p.moveTo(0.0, 1.0);
        p.lineTo(0.3, 0.0);
        p.lineTo(0.6, 1.0);
        p.moveTo(0.1, 0.68);
        p.lineTo(0.5, 0.68);
        break;
    case '1':
        p.moveTo(0.02, 0.2);
        p.lineTo(0.26, 0.0);
        p.lineTo(0.26, 1.0);
        width = 0.34;
        break;
    case '2':
        p.moveTo(0.03, 0.22);
        p.cubicTo(0.07, -0.04, 0.57, -0.05, 0.57, 0.27);
        p.cubicTo(0.57, 0.50, 0.20, 0.70, 0.01, 1.0);
        p.lineTo(0.6, 1.0);
        break;
    case '3':
        p.moveTo(0.03, 0.14);
        p.cubicTo(0.18, -0.05, 0.56, -0.03, 0.55, 0.24);
        p.cubicTo(0.54, 0.43, 0.38, 0.47, 0.22, 0.47);
        p.cubicTo(0.46, 0.47, 0.60, 0.56, 0.59, 0.74);
        p.cubicTo(0.58, 1.04, 0.14, 1.05, 0.0, 0.86);
        break;
    case '4':
        p.moveTo(0.46, 1.0);
        p.lineTo(0.46, 0.0);
        p.lineTo(0.0, 0.70);
        p.lineTo(0.6, 0.70);
        break;
    case '5':
        p.moveTo(0.55, 0.0);
        p.lineTo(0.09, 0.0);
        p.lineTo(0.05, 0.45);
        p.cubicTo(0.22, 0.35, 0.61, 0.34, 0.60, 0.68);
        p.cubicTo(0.59, 1.04, 0.13, 1.05, 0.0, 0.86);
        break;
    case '6':
        p.moveTo(0.52, 0.04);
        p.cubicTo(0.28, -0.06, 0.01, 0.10, 0.02, 0.64);
        p.addPath(ellipsePath(0.02, 0.38, 0.56, 0.62));
        break;
    case '7':
        p.moveTo(0.0, 0.0);
        p.lineTo(0.6, 0.0);
        p.cubicTo(0.42, 0.28, 0.25, 0.58, 0.21, 1.0);
        break;
    case '8':
        p.addPath(ellipsePath(0.06, 0.0, 0.48, 0.46));
        p.addPath(ellipsePath(0.0, 0.46, 0.6, 0.54));
        break;
    case '9':
        p.addPath(ellipsePath(0.02, 0.0, 0.56, 0.62));
        p.moveTo(0.58, 0.31);
        p.cubicTo(0.59, 0.92, 0.32, 1.06, 0.08, 0.96);
        break;
    case '0':
    case 'O':
        p.addPath(ellipsePath(0.0, 0.0, 0.6, 1.0));
        break;
    case 'J':
        p.moveTo(0.16, 0.0);
        p.lineTo(0.58, 0.0);
        p.moveTo(0.44, 0.0);
        p.lineTo(0.44, 0.72);
        p.cubicTo(0.44, 1.03, 0.04, 1.05, 0.0, 0.74);
        break;
    case 'Q':
        p.addPath(ellipsePath(0.0, 0.0, 0.62, 0.94));
        p.moveTo(0.34, 0.70);
        p.lineTo(0.64, 1.0);
        width = 0.64;
        break;
    case 'K':
        p.moveTo(0.04, 0.0);
        p.lineTo(0.04, 1.0);
        p.moveTo(0.58, 0.0);
        p.lineTo(0.04, 0.64);
        p.moveTo(0.23, 0.42);
        p.lineTo(0.6, 1.0);
        break;
    case 'E':
        p.moveTo(0.55, 0.0);
        p.lineTo(0.04, 0.0);
        p.lineTo(0.04, 1.0);
        p.lineTo(0.56, 1.0);
        p.moveTo(0.04, 0.5);
        p.lineTo(0.46, 0.5);
        width = 0.56;
        break;
    case 'R':
        p.moveTo(0.04, 1.0);
        p.lineTo(0.04, 0.0);
        p.lineTo(0.32, 0.0);
        p.cubicTo(0.62, 0.0, 0.62, 0.52, 0.32, 0.52);
        p.lineTo(0.04, 0.52);
        p.moveTo(0.30, 0.52);
        p.lineTo(0.58, 1.0);
        break;
    case '?':
        p.moveTo(0.04, 0.24);
        p.cubicTo(0.06, -0.06, 0.58, -0.06, 0.56, 0.26);
        p.cubicTo(0.55, 0.44, 0.30, 0.48, 0.30, 0.72);
        p.moveTo(0.30, 0.94);
        p.lineTo(0.30, 1.0);
        break;
    case '+':
        p.moveTo(0.3, 0.2);
        p.lineTo(0.3, 0.8);
        p.moveTo(0.0, 0.5);
        p.lineTo(0.6, 0.5);
        break;
    case '=':
        p.moveTo(0.02, 0.34);
        p.lineTo(0.58, 0.34);
        p.moveTo(0.02, 0.66);
        p.lineTo(0.58, 0.66);
        break;
    default:
        width = 0.4;
        break;
    }
    return {p, width};
}

constexpr qreal kLetterGap = 0.16;

} // namespace

QPainterPath suitPath(Suit suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
    case Suit::Hearts:
        unit = unitHeart();
        break;
    case Suit::Diamonds:
        unit = unitDiamond();
        break;
    case Suit::Clubs:
        unit = unitClub();
        break;
    case Suit::Spades:
        unit = unitSpade();
        break;
    }
    QTransform t;
    t.translate(box.x(), box.y());
    t.scale(box.width(), box.height());
    return t.map(unit);
}

void drawSuit(QPainter& painter, Suit suit, const QRectF& box, bool upsideDown) {
    drawSuit(painter, suit, box, inkOf(suit), upsideDown);
}

void drawSuit(QPainter& painter, Suit suit, const QRectF& box, const QColor& colour,
              bool upsideDown) {
    QPainterPath path = suitPath(suit, box);
    if (upsideDown) {
        QTransform t;
        const QPointF c = box.center();
        t.translate(c.x(), c.y());
        t.rotate(180);
        t.translate(-c.x(), -c.y());
        path = t.map(path);
    }
    painter.fillPath(path, colour);
}

qreal strokeTextWidth(const QString& text, qreal height) {
    qreal width = 0;
    for (int i = 0; i < text.size(); ++i) {
        width += glyphOf(text[i]).width + (i > 0 ? kLetterGap : 0);
    }
    return width * height;
}

void drawStrokeText(QPainter& painter, const QString& text, const QRectF& box, const QColor& colour,
                    qreal penWidth, Qt::Alignment alignment) {
    // The stroke must stay inside the box, so the letters are laid out in the
    // box shrunk by half a pen on every side.
    const QRectF inner = box.adjusted(penWidth / 2, penWidth / 2, -penWidth / 2, -penWidth / 2);
    const qreal height = inner.height();
    const qreal natural = strokeTextWidth(text, height);
    const qreal squeeze = natural > inner.width() ? inner.width() / natural : 1.0;
    const qreal width = natural * squeeze;
    qreal x = inner.left();
    if (alignment & Qt::AlignHCenter) {
        x = inner.center().x() - width / 2;
    } else if (alignment & Qt::AlignRight) {
        x = inner.right() - width;
    }
    QPainterPath all;
    for (const QChar c : text) {
        const Glyph glyph = glyphOf(c);
        QTransform t;
        t.translate(x, inner.top());
        t.scale(height * squeeze, height);
        all.addPath(t.map(glyph.path));
        x += (glyph.width + kLetterGap) * height * squeeze;
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(all);
    painter.restore();
}

QImage newImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void beginPainter(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

quint32 Dice::next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

TileNoise::TileNoise(int period, int cell, quint32 seed)
    : m_cells(std::max(1, period / cell)),
      m_cell(static_cast<qreal>(period) / std::max(1, period / cell)) {
    Dice dice(seed);
    m_values.resize(m_cells * m_cells);
    for (qreal& v : m_values) {
        v = dice.unit();
    }
}

qreal TileNoise::at(qreal x, qreal y) const {
    const qreal gx = x / m_cell;
    const qreal gy = y / m_cell;
    const int x0 = static_cast<int>(std::floor(gx));
    const int y0 = static_cast<int>(std::floor(gy));
    auto wrap = [this](int i) { return ((i % m_cells) + m_cells) % m_cells; };
    auto value = [&](int i, int j) { return m_values[wrap(j) * m_cells + wrap(i)]; };
    auto smooth = [](qreal t) { return t * t * (3 - 2 * t); };
    const qreal fx = smooth(gx - x0);
    const qreal fy = smooth(gy - y0);
    const qreal top = value(x0, y0) + (value(x0 + 1, y0) - value(x0, y0)) * fx;
    const qreal bottom = value(x0, y0 + 1) + (value(x0 + 1, y0 + 1) - value(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

TileFractal::TileFractal(int period, int largestCell, quint32 seed) {
    for (int cell = largestCell; cell >= 2; cell /= 2) {
        m_octaves.append(TileNoise(period, cell, seed + static_cast<quint32>(cell) * 7919u));
    }
}

qreal TileFractal::at(qreal x, qreal y) const {
    qreal sum = 0;
    qreal weight = 0;
    qreal w = 1;
    for (const TileNoise& octave : m_octaves) {
        sum += octave.at(x, y) * w;
        weight += w;
        w *= 0.5;
    }
    return weight > 0 ? sum / weight : 0;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QImage flattenOnMask(const QImage& image, const QColor& mask, const QColor& matte) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha < 128) {
                line[x] = mask.rgb();
                continue;
            }
            const qreal a = alpha / 255.0;
            QColor c = mix(matte, QColor(qRed(in[x]), qGreen(in[x]), qBlue(in[x])), a);
            if (c.rgb() == mask.rgb()) {
                // Never let a drawn pixel fall on the see-through colour.
                c.setRed(c.red() + 1);
            }
            line[x] = c.rgb();
        }
    }
    return out;
}

} // namespace vellomir::art
