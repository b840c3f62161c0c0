#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace vellomir::art {

enum class Suit { Hearts, Diamonds, Clubs, Spades };

inline constexpr Suit kSuits[] = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

// The ink of the two card colours, chosen far apart so that a glance tells them.
inline const QColor kRedInk{206, 17, 38};
inline const QColor kBlackInk{20, 20, 24};

inline bool isRed(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}
inline QColor inkOf(Suit suit) {
    return isRed(suit) ? kRedInk : kBlackInk;
}

// The outline of a suit symbol filling the given box.
QPainterPath suitPath(Suit suit, const QRectF& box);

// Fills a suit symbol; upside-down symbols are turned about their centre.
void drawSuit(QPainter& painter, Suit suit, const QRectF& box, bool upsideDown = false);
void drawSuit(QPainter& painter, Suit suit, const QRectF& box, const QColor& colour,
              bool upsideDown = false);

// Text drawn with the builder's own stroke letters: the pictures must look the
// same on every machine, whatever fonts it has. Known characters: A-Z as far
// as the pictures need them (A E J K O Q R), the digits and '?', '+', '='.
// The string is fitted into the box: its height is the letter height, and it is
// narrowed when it would be wider than the box.
void drawStrokeText(QPainter& painter, const QString& text, const QRectF& box, const QColor& colour,
                    qreal penWidth, Qt::Alignment alignment = Qt::AlignLeft);
// The natural width of a string at a letter height, before any narrowing.
qreal strokeTextWidth(const QString& text, qreal height);

// A new ARGB image of that size filled with the colour (transparent by default).
QImage newImage(int width, int height, const QColor& fill = Qt::transparent);
// A painter with antialiasing switched on.
void beginPainter(QPainter& painter, QImage& image);

// A cheap deterministic random generator so that every build draws the same
// pictures (xorshift).
class Dice {
public:
    explicit Dice(quint32 seed) : m_state(seed ? seed : 0x9e3779b9u) {}
    quint32 next();
    // A number in [0, 1).
    qreal unit() { return (next() >> 8) / 16777216.0; }
    qreal range(qreal low, qreal high) { return low + (high - low) * unit(); }
    int below(int n) { return static_cast<int>(next() % static_cast<quint32>(n)); }

private:
    quint32 m_state;
};

// Value noise that repeats every `period` pixels in both directions, so that
// textures built from it tile without seams. Returns 0..1.
class TileNoise {
public:
    TileNoise(int period, int cell, quint32 seed);
    qreal at(qreal x, qreal y) const;

private:
    int m_cells;
    qreal m_cell;
    QList<qreal> m_values;
};

// Sum of octaves of tiling noise, cells from `largestCell` halving down to 2.
class TileFractal {
public:
    TileFractal(int period, int largestCell, quint32 seed);
    qreal at(qreal x, qreal y) const;

private:
    QList<TileNoise> m_octaves;
};

QColor mix(const QColor& a, const QColor& b, qreal t);

// Replaces see-through pixels by a mask colour: pixels at least half covered
// are laid on `matte`, the rest become `mask`. Used for pictures whose users
// make one colour transparent.
QImage flattenOnMask(const QImage& image, const QColor& mask, const QColor& matte);

} // namespace vellomir::art
