#include "render/card_art/card_faces.h"

#include "render/card_art/court_cards.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vellomir::art {
namespace {

// Where everything sits on a face of one size and set.
struct FaceLayout {
    QRectF rank;   // the corner rank, top left
    QRectF suit;   // the corner suit under it (beside it on the smallest size)
    qreal pen;     // stroke of the rank letters
    qreal pipLeft; // centre of the left pip column
    qreal pipTop;  // centre of the top pip row
    qreal pipRight;
    qreal pipBottom;
    QSizeF pip;
    QSizeF ace;
    QRectF frame;   // the court picture
    QRectF bigSuit; // the smallest size: one large suit
};

// The index of fitted cards drawn from the big design: shorter, so that a
// fan may close up to a step of 14.5 % of the card height and still show
// each rank, and the rank and the suit both end within the 18 rows a card
// covered in a fan keeps in view; with heavier strokes that stay bold when
// the card is large.
void useLargeIndex(FaceLayout& l, bool bold) {
    if (bold) {
        l.rank = {1.5, 1.5, 11.5, 9.5};
        l.suit = {2.5, 11.0, 8.5, 6.5};
        l.pen = 2.5;
    } else {
        l.rank = {2.0, 1.5, 10.5, 9.0};
        l.suit = {3.0, 10.5, 7.5, 7.0};
        l.pen = 2.0;
    }
}

FaceLayout layoutOf(const CardSize& size, CardSet set, bool largeIndex = false) {
    const bool bold = set == CardSet::Bold;
    FaceLayout l{};
    switch (size.letter) {
    case 'B':
        if (bold) {
            l.rank = {2.0, 3.0, 12.0, 15.5};
            l.suit = {2.5, 20.5, 11.0, 11.5};
            l.pen = 2.5;
            l.pipLeft = 24.0;
            l.pipRight = 47.0;
            l.pip = {11.5, 12.5};
            l.frame = {16.5, 7.5, 38.0, 81.0};
        } else {
            l.rank = {2.5, 4.0, 10.0, 12.5};
            l.suit = {3.0, 19.0, 9.0, 9.5};
            l.pen = 1.7;
            l.pipLeft = 22.0;
            l.pipRight = 49.0;
            l.pip = {12.0, 13.0};
            l.frame = {15.5, 7.5, 40.0, 81.0};
        }
        l.pipTop = 17.0;
        l.pipBottom = 79.0;
        l.ace = {30.0, 33.0};
        if (largeIndex) {
            useLargeIndex(l, bold);
        }
        break;
    case 'M':
        if (bold) {
            l.rank = {1.5, 2.5, 11.0, 13.5};
            l.suit = {2.0, 18.0, 10.0, 10.0};
            l.pen = 2.3;
            l.pipLeft = 21.0;
            l.pipRight = 38.0;
            l.pip = {9.5, 10.5};
            l.frame = {14.5, 6.5, 30.0, 67.0};
        } else {
            l.rank = {2.0, 3.5, 8.5, 10.5};
            l.suit = {2.5, 16.0, 7.5, 8.0};
            l.pen = 1.5;
            l.pipLeft = 18.5;
            l.pipRight = 40.5;
            l.pip = {10.0, 11.0};
            l.frame = {12.5, 6.5, 34.0, 67.0};
        }
        l.pipTop = 14.5;
        l.pipBottom = 65.5;
        l.ace = {25.0, 27.0};
        break;
    default:
        if (bold) {
            l.rank = {1.0, 1.5, 10.0, 13.0};
            l.suit = {13.0, 2.5, 10.0, 10.5};
            l.pen = 2.1;
            l.bigSuit = {6.5, 16.5, 12.0, 13.0};
        } else {
            l.rank = {1.5, 2.0, 8.0, 11.0};
            l.suit = {13.0, 2.5, 9.0, 9.5};
            l.pen = 1.5;
            l.bigSuit = {6.0, 15.5, 13.0, 14.0};
        }
        break;
    }
    return l;
}

QString rankText(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

// Pip places of the number cards as (column, row): column 0 left, 0.5
// middle, 1 right; row 0 top to 1 bottom. Pips below the middle stand upside
// down, as printed.
QList<QPointF> pipPlaces(int rank) {
    const qreal third = 1.0 / 3.0;
    switch (rank) {
    case 2:
        return {{0.5, 0}, {0.5, 1}};
    case 3:
        return {{0.5, 0}, {0.5, 0.5}, {0.5, 1}};
    case 4:
        return {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    case 5:
        return {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}};
    case 6:
        return {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 7:
        return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}};
    case 8:
        return {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}};
    case 9:
        return {{0, 0},         {1, 0},         {0, third}, {1, third}, {0.5, 0.5},
                {0, 2 * third}, {1, 2 * third}, {0, 1},     {1, 1}};
    case 10:
        return {{0, 0},         {1, 0},         {0.5, third / 2},     {0, third}, {1, third},
                {0, 2 * third}, {1, 2 * third}, {0.5, 1 - third / 2}, {0, 1},     {1, 1}};
    default:
        return {};
    }
}

// The rank's box; "10" gets a little more room so that its two digits stay apart.
QRectF rankBox(const FaceLayout& l, const QString& rank) {
    return rank.size() > 1 ? l.rank.adjusted(-1.0, 0, l.rank.width() * 0.3, 0) : l.rank;
}

void drawIndex(QPainter& painter, const FaceLayout& l, Suit suit, const QString& rank) {
    drawStrokeText(painter, rank, rankBox(l, rank), inkOf(suit), l.pen, Qt::AlignHCenter);
    drawSuit(painter, suit, l.suit);
}

// The corner index at top left, and the same turned about the card's centre.
void drawBothIndices(QPainter& painter, const CardSize& size, const FaceLayout& l, Suit suit,
                     const QString& rank) {
    drawIndex(painter, l, suit, rank);
    painter.save();
    painter.translate(size.width / 2.0, size.height / 2.0);
    painter.rotate(180);
    painter.translate(-size.width / 2.0, -size.height / 2.0);
    drawIndex(painter, l, suit, rank);
    painter.restore();
}

void drawPips(QPainter& painter, const FaceLayout& l, const CardSize& size, Suit suit, int rank) {
    if (rank == 1) {
        const QRectF box(
            QPointF(size.width / 2.0 - l.ace.width() / 2, size.height / 2.0 - l.ace.height() / 2),
            l.ace);
        drawSuit(painter, suit, box);
        if (suit == Suit::Spades) {
            // The ace of spades carries an ornament ring, as it always has.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(kBlackInk, 0.9));
            const qreal r = l.ace.height() * 0.72;
            painter.drawEllipse(QPointF(size.width / 2.0, size.height / 2.0), r * 0.92, r);
        }
        return;
    }
    for (const QPointF& place : pipPlaces(rank)) {
        const qreal cx = l.pipLeft + (l.pipRight - l.pipLeft) * place.x();
        const qreal cy = l.pipTop + (l.pipBottom - l.pipTop) * place.y();
        const QRectF box(cx - l.pip.width() / 2, cy - l.pip.height() / 2, l.pip.width(),
                         l.pip.height());
        drawSuit(painter, suit, box, place.y() > 0.5);
    }
}

} // namespace

QString setNumber(CardSet set) {
    return set == CardSet::Bold ? QStringLiteral("003") : QStringLiteral("001");
}

QImage drawFace(const CardSize& cardSize, CardSet set, Suit suit, int rank, qreal pixelRatio) {
    QImage card = blankCard(cardSize, Qt::white, pixelRatio);
    const Design design = designFor(cardSize);
    const CardSize& size = design.base;
    const FaceLayout l = layoutOf(size, set, design.largeIndex);
    QPainter painter;
    beginPainter(painter, card);
    painter.scale(design.scaleX, design.scaleY);
    if (size.small()) {
        // Too small for pips: the rank and suit side by side at the top, so
        // that a fanned pile still shows both, and one large suit below.
        drawStrokeText(painter, rankText(rank), l.rank.adjusted(0, 0, rank == 10 ? 2.5 : 0, 0),
                       inkOf(suit), l.pen, Qt::AlignHCenter);
        drawSuit(painter, suit, l.suit);
        if (rank >= 11) {
            // A gold band tells the courts apart from the number cards.
            painter.fillRect(QRectF(2, l.bigSuit.top() - 2.5, size.width - 4, 1.5),
                             QColor(226, 176, 40));
        }
        drawSuit(painter, suit, l.bigSuit);
    } else {
        if (rank >= 11) {
            drawCourtPicture(painter, l.frame, suit, rank);
        } else {
            drawPips(painter, l, size, suit, rank);
        }
        drawBothIndices(painter, size, l, suit, rankText(rank));
    }
    painter.end();
    drawCardEdge(card);
    return card;
}

QImage drawJoker(const CardSize& cardSize, qreal pixelRatio) {
    QImage card = blankCard(cardSize, Qt::white, pixelRatio);
    const Design design = designFor(cardSize);
    const CardSize& size = design.base;
    QPainter painter;
    beginPainter(painter, card);
    painter.scale(design.scaleX, design.scaleY);
    const FaceLayout l = layoutOf(size, CardSet::Classic);
    if (size.small()) {
        // Too small for the jester: a star in the corner and his cap.
        QPainterPath star;
        const QPointF c(6.5, 7.0);
        for (int i = 0; i < 10; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
            const qreal r = i % 2 ? 2.2 : 5.2;
            const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        painter.fillPath(star, kRedInk);
        QPainterPath cap;
        cap.moveTo(6, 28);
        cap.cubicTo(6, 22, 4, 19, 2.5, 17);
        cap.cubicTo(6, 17, 9, 19, 10.5, 21);
        cap.cubicTo(11, 17, 12, 14, 12.5, 11.5);
        cap.cubicTo(13, 14, 14, 17, 14.5, 21);
        cap.cubicTo(16, 19, 19, 17, 22.5, 17);
        cap.cubicTo(21, 19, 19, 22, 19, 28);
        cap.closeSubpath();
        painter.setPen(QPen(kBlackInk, 0.6));
        painter.setBrush(QColor(34, 66, 160));
        painter.drawPath(cap);
        painter.fillRect(QRectF(6, 26, 13, 2.5), QColor(236, 188, 44));
        painter.setBrush(QColor(236, 188, 44));
        for (const QPointF& bell : {QPointF(2.5, 17), QPointF(12.5, 11.5), QPointF(22.5, 17)}) {
            painter.drawEllipse(bell, 1.6, 1.6);
        }
    } else {
        drawJesterPicture(painter, l.frame);
        // "JOKER" down the index column, in both corners.
        const qreal letter = size.letter == 'B' ? 7.5 : 6.0;
        const qreal step = letter + (size.letter == 'B' ? 2.5 : 2.0);
        for (int end = 0; end < 2; ++end) {
            painter.save();
            if (end == 1) {
                painter.translate(size.width / 2.0, size.height / 2.0);
                painter.rotate(180);
                painter.translate(-size.width / 2.0, -size.height / 2.0);
            }
            const QString word = QStringLiteral("JOKER");
            for (int i = 0; i < word.size(); ++i) {
                const QRectF box(l.rank.left(), l.rank.top() + i * step, l.rank.width(),
                                 letter + 1.5);
                drawStrokeText(painter, word.mid(i, 1), box, kRedInk,
                               size.letter == 'B' ? 1.4 : 1.2, Qt::AlignHCenter);
            }
            painter.restore();
        }
    }
    painter.end();
    drawCardEdge(card);
    return card;
}

QImage drawFaceSheet(const CardSize& size, CardSet set, Suit suit) {
    QImage sheet = newImage(5 * size.width, 3 * size.height, Qt::white);
    QPainter painter(&sheet);
    for (int rank = 1; rank <= 13; ++rank) {
        const int cell = rank - 1;
        const int column = cell % 5;
        const int row = cell / 5;
        painter.drawImage(column * size.width, row * size.height, drawFace(size, set, suit, rank));
    }
    return sheet;
}

} // namespace vellomir::art
