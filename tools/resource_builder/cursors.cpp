#include "cursors.h"

#include "render/card_art/paint_kit.h"
#include "resource_set.h"

#include <QPainter>
#include <QPainterPath>

namespace vellomir::tools {

using namespace art;
namespace {

constexpr int kCursorSize = 32;

QPainterPath arrowPath() {
    QPainterPath p;
    p.moveTo(1.5, 1.5);
    p.lineTo(1.5, 19);
    p.lineTo(5.6, 15);
    p.lineTo(8.8, 22.2);
    p.lineTo(11.6, 21);
    p.lineTo(8.5, 13.8);
    p.lineTo(14, 13.8);
    p.closeSubpath();
    return p;
}

// A carried card beside the pointer, the sign of the dragging forms.
void drawCarriedCard(QPainter& p, const QPointF& at) {
    const QRectF card(at, QSizeF(11, 14));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 1.5, 1.5);
    drawSuit(p, Suit::Hearts, card.adjusted(2.5, 3.5, -2.5, -3.5));
}

CursorPicture arrow(bool second, bool dragging) {
    QImage image = newImage(kCursorSize, kCursorSize);
    QPainter p;
    beginPainter(p, image);
    if (dragging) {
        drawCarriedCard(p, {14.5, 15.5});
    }
    // The first arrow is white edged in black, the second black edged in white.
    p.setPen(
        QPen(second ? Qt::white : Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(second ? Qt::black : Qt::white);
    p.drawPath(arrowPath());
    p.end();
    return {image, {1, 1}};
}

// A right hand: pointing with the index finger, or closed round carried cards.
CursorPicture hand(bool glove, bool dragging, bool left) {
    QImage image = newImage(kCursorSize, kCursorSize);
    QPainter p;
    beginPainter(p, image);
    if (left) {
        p.translate(kCursorSize, 0);
        p.scale(-1, 1);
    }
    const QColor fill = glove ? QColor(255, 255, 255) : QColor(250, 214, 176);
    const QColor edge = glove ? QColor(20, 20, 20) : QColor(110, 60, 30);
    p.setPen(QPen(edge, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    QPoint hot;
    if (dragging) {
        drawCarriedCard(p, {13.5, 2.5});
        p.setPen(QPen(edge, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        QPainterPath fist;
        fist.setFillRule(Qt::WindingFill);
        fist.addRoundedRect(QRectF(6.5, 11.5, 18, 15), 5, 5);
        for (int i = 0; i < 4; ++i) {
            fist.addEllipse(QPointF(9.5 + i * 4.2, 12.5), 2.6, 2.8);
        }
        p.drawPath(fist.simplified());
        // Folded fingers and the thumb across them.
        for (int i = 1; i < 4; ++i) {
            p.drawLine(QPointF(7.5 + i * 4.2, 11), QPointF(7.5 + i * 4.2, 16));
        }
        p.drawRoundedRect(QRectF(4.5, 17.5, 12, 5), 2.5, 2.5);
        hot = {15, 14};
    } else {
        QPainterPath h;
        h.setFillRule(Qt::WindingFill);
        h.addRoundedRect(QRectF(9.5, 1.5, 5.5, 17), 2.7, 2.7); // index finger
        h.addRoundedRect(QRectF(8.5, 12.5, 16, 16), 5, 5);     // palm
        h.addEllipse(QPointF(18.2, 14.2), 2.8, 3.2);           // curled fingers
        h.addEllipse(QPointF(21.8, 15.2), 2.6, 3.0);
        h.addEllipse(QPointF(24.2, 17.2), 2.2, 2.6);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(3.5, 15.5, 9, 5), 2.5, 2.5);
        QTransform t;
        t.translate(8, 18);
        t.rotate(35);
        t.translate(-8, -18);
        h.addPath(t.map(thumb));
        p.drawPath(h.simplified());
        p.drawLine(QPointF(17.5, 17.5), QPointF(17.5, 21));
        p.drawLine(QPointF(21, 18.5), QPointF(21, 21.5));
        hot = {12, 2};
    }
    p.end();
    if (left) {
        hot.setX(kCursorSize - 1 - hot.x());
    }
    return {image, hot};
}

} // namespace

CursorPicture drawCursor(const QString& name) {
    const bool dragging = name.endsWith(QLatin1Char('B'));
    const bool second = name.contains(QLatin1Char('2'));
    if (name.startsWith(QLatin1String("CUR_ARROW"))) {
        return arrow(second, dragging);
    }
    return hand(second, dragging, name.startsWith(QLatin1String("CUR_LEFT")));
}

void addCursors(ResourceSet& resources) {
    resources.setSection(QStringLiteral("Cursors (hot spot in magenta)"));
    for (const char* form : {"A", "B"}) {
        for (const char* kind :
             {"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1", "LEFT_HAND2"}) {
            const QString name =
                QStringLiteral("CUR_%1%2").arg(QLatin1String(kind), QLatin1String(form));
            const CursorPicture c = drawCursor(name);
            resources.addCursor(name, c.image, c.hotSpot);
        }
    }
}

} // namespace vellomir::tools
