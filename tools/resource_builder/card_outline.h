#pragma once

#include <QChar>
#include <QColor>
#include <QImage>
#include <QString>

namespace vellomir::tools {

// The three card sizes of the program.
struct CardSize {
    char letter;
    int width;
    int height;

    QString name() const { return QString(QChar::fromLatin1(letter)); }
    bool small() const { return letter == 'L'; }
};

inline constexpr CardSize kBig{'B', 71, 96};
inline constexpr CardSize kMedium{'M', 59, 80};
inline constexpr CardSize kSmall{'L', 25, 32};
inline constexpr CardSize kCardSizes[] = {kBig, kMedium, kSmall};

inline const QColor kCardEdge{52, 52, 56};

// A card-sized picture filled with `paper`, ready for drawing on.
QImage blankCard(const CardSize& size, const QColor& paper = Qt::white);

// Draws the one-pixel card edge with cut corners. The table drawing rounds a
// card by replacing its corner pixels (three per corner, one on the smallest
// size) with what lies beneath, so the edge runs just inside them.
void drawCardEdge(QImage& card, const QColor& edge = kCardEdge);

} // namespace vellomir::tools
