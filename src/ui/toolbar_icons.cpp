#include "ui/toolbar_icons.h"

#include "ui/form_pictures.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace vellomir::ui {
namespace {

// A playing card seen from the front with a suit symbol, in a unit square.
void paintCard(QPainter& p, const QRectF& r, int suit) {
    p.setPen(QPen(QColor(50, 50, 50), 0.03));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 0.06, 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(suit < 2 ? QColor(200, 20, 30) : Qt::black);
    const qreal s = r.width() * 0.55;
    p.drawPath(suitPath(suit, QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s)));
}

void paintNew(QPainter& p) {
    paintCard(p, QRectF(0.08, 0.14, 0.5, 0.72), 3);
    paintCard(p, QRectF(0.38, 0.2, 0.5, 0.72), 0);
    // A spark: a fresh deal.
    QPainterPath star;
    const QPointF c(0.8, 0.18);
    for (int i = 0; i < 8; ++i) {
        const qreal r = i % 2 == 0 ? 0.16 : 0.05;
        const qreal a = i * 3.14159265 / 4;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(160, 110, 0), 0.02));
    p.setBrush(QColor(255, 210, 40));
    p.drawPath(star);
}

void paintOpen(QPainter& p) {
    p.setPen(QPen(QColor(130, 90, 10), 0.03));
    p.setBrush(QColor(235, 185, 60));
    QPainterPath back;
    back.moveTo(0.06, 0.24);
    back.lineTo(0.36, 0.24);
    back.lineTo(0.44, 0.32);
    back.lineTo(0.86, 0.32);
    back.lineTo(0.86, 0.84);
    back.lineTo(0.06, 0.84);
    back.closeSubpath();
    p.drawPath(back);
    paintCard(p, QRectF(0.34, 0.12, 0.34, 0.48), 1);
    p.setPen(QPen(QColor(130, 90, 10), 0.03));
    p.setBrush(QColor(250, 210, 100));
    QPainterPath front;
    front.moveTo(0.06, 0.84);
    front.lineTo(0.2, 0.46);
    front.lineTo(0.98, 0.46);
    front.lineTo(0.86, 0.84);
    front.closeSubpath();
    p.drawPath(front);
}

void paintRules(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 110), 0.03));
    p.setBrush(QColor(50, 90, 190));
    p.drawRoundedRect(QRectF(0.16, 0.08, 0.66, 0.84), 0.05, 0.05);
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(0.24, 0.12, 0.54, 0.76));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(64);
    p.save();
    p.scale(0.01, 0.01);
    p.setFont(font);
    p.setPen(QColor(20, 40, 110));
    p.drawText(QRectF(24, 12, 54, 76), Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

void paintExit(QPainter& p) {
    p.setPen(QPen(QColor(70, 40, 20), 0.03));
    p.setBrush(QColor(150, 95, 50));
    p.drawRect(QRectF(0.12, 0.08, 0.46, 0.84));
    p.setBrush(QColor(230, 200, 60));
    p.drawEllipse(QPointF(0.48, 0.52), 0.04, 0.04);
    // An arrow leaving through the door.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    QPainterPath arrow;
    arrow.moveTo(0.5, 0.42);
    arrow.lineTo(0.72, 0.42);
    arrow.lineTo(0.72, 0.3);
    arrow.lineTo(0.96, 0.52);
    arrow.lineTo(0.72, 0.74);
    arrow.lineTo(0.72, 0.62);
    arrow.lineTo(0.5, 0.62);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

void paintUndo(QPainter& p) {
    paintCard(p, QRectF(0.42, 0.3, 0.46, 0.62), 2);
    // An arrow bending back to the left: the last action taken back.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 110, 40), 0.1, Qt::SolidLine, Qt::RoundCap));
    QPainterPath bend;
    bend.moveTo(0.72, 0.5);
    bend.cubicTo(0.72, 0.18, 0.4, 0.12, 0.22, 0.3);
    p.drawPath(bend);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 110, 40));
    QPainterPath head;
    head.moveTo(0.06, 0.2);
    head.lineTo(0.34, 0.2);
    head.lineTo(0.16, 0.46);
    head.closeSubpath();
    p.drawPath(head);
}

} // namespace

QIcon toolbarIcon(ToolbarIcon which, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);
    switch (which) {
    case ToolbarIcon::New:
        paintNew(p);
        break;
    case ToolbarIcon::Open:
        paintOpen(p);
        break;
    case ToolbarIcon::Rules:
        paintRules(p);
        break;
    case ToolbarIcon::Exit:
        paintExit(p);
        break;
    case ToolbarIcon::Undo:
        paintUndo(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace vellomir::ui
