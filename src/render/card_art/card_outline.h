#pragma once

#include <QChar>
#include <QColor>
#include <QImage>
#include <QString>

namespace vellomir::art {

// A card size: the three fixed sizes "B", "M" and "L" of the resource
// library, or "F", a card of any width fitted to the window, with the
// proportions of the big card.
struct CardSize {
    char letter;
    int width;
    int height;

    QString name() const { return QString(QChar::fromLatin1(letter)); }
    bool small() const { return letter == 'L'; }
    bool fitted() const { return letter == 'F'; }
};

inline constexpr CardSize kBig{'B', 71, 96};
inline constexpr CardSize kMedium{'M', 59, 80};
inline constexpr CardSize kSmall{'L', 25, 32};
inline constexpr CardSize kCardSizes[] = {kBig, kMedium, kSmall};

// A fitted card of the given width (at least 1); its height keeps 71 x 96.
CardSize fittedSize(int width);

// A fitted card is drawn as one of the fixed designs scaled up or down: the
// big one from 66 pixels wide, the medium one from 40, the little one below.
// The fixed sizes are their own design at scale 1.
struct Design {
    CardSize base;
    qreal scaleX = 1;
    qreal scaleY = 1;
    // A fitted card drawn from the big design, with the larger index of the
    // fitted cards.
    bool largeIndex = false;
};
Design designFor(const CardSize& size);

inline const QColor kCardEdge{52, 52, 56};

// A card-sized picture filled with `paper`, ready for drawing on, with
// `pixelRatio` device pixels to each card pixel (the picture is that many
// times larger and carries the ratio, so that painting on it stays in card
// pixels).
QImage blankCard(const CardSize& size, const QColor& paper = Qt::white, qreal pixelRatio = 1);

// Draws the one-pixel card edge with cut corners. The table drawing rounds a
// card by replacing its corner pixels (three per corner, one on the smallest
// size) with what lies beneath, so the edge runs just inside them.
void drawCardEdge(QImage& card, const QColor& edge = kCardEdge);

} // namespace vellomir::art
