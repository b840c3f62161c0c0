#include "ui/form_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace vellomir::ui {
namespace {

const QColor kCloth(0, 110, 40);
const QColor kDarkCloth(0, 60, 25);
const QColor kRed(200, 20, 30);

QImage blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void paintCloth(QPainter& p, const QRectF& r) {
    QRadialGradient cloth(r.center(), r.width() * 0.7);
    cloth.setColorAt(0, kCloth.lighter(120));
    cloth.setColorAt(1, kDarkCloth);
    p.fillRect(r, cloth);
}

// A card lying at the origin of the painter, `w` x `h`, showing an ace.
void paintAce(QPainter& p, qreal w, qreal h, int suit) {
    const qreal radius = w * 0.08;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0, 0, w, h), radius, radius);
    const QColor ink = suit < 2 ? kRed : Qt::black;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const qreal big = w * 0.5;
    p.drawPath(suitPath(suit, QRectF((w - big) / 2, (h - big) / 2, big, big)));
    const qreal small = w * 0.16;
    p.drawPath(suitPath(suit, QRectF(w * 0.08, h * 0.2, small, small)));
    p.drawPath(suitPath(suit, QRectF(w - w * 0.08 - small, h * 0.8 - small, small, small)));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(h * 0.13));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(w * 0.06, h * 0.03, small * 1.5, h * 0.16), Qt::AlignCenter,
               QStringLiteral("A"));
}

} // namespace

QPainterPath suitPath(int suit, const QRectF& box) {
    const qreal x = box.x();
    const qreal y = box.y();
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
    case 0: // hearts: two lobes and a point
        path.moveTo(x + w / 2, y + h);
        path.cubicTo(x - w * 0.1, y + h * 0.55, x + w * 0.05, y - h * 0.05, x + w / 2,
                     y + h * 0.28);
        path.cubicTo(x + w * 0.95, y - h * 0.05, x + w * 1.1, y + h * 0.55, x + w / 2, y + h);
        break;
    case 1: // diamonds
        path.moveTo(x + w / 2, y);
        path.lineTo(x + w * 0.9, y + h / 2);
        path.lineTo(x + w / 2, y + h);
        path.lineTo(x + w * 0.1, y + h / 2);
        path.closeSubpath();
        break;
    case 2: { // clubs: three leaves and a stem
        const qreal r = w * 0.24;
        path.addEllipse(QPointF(x + w / 2, y + r), r, r);
        path.addEllipse(QPointF(x + r, y + h * 0.55), r, r);
        path.addEllipse(QPointF(x + w - r, y + h * 0.55), r, r);
        path.addRect(QRectF(x + w * 0.45, y + h * 0.4, w * 0.1, h * 0.35));
        path.moveTo(x + w * 0.3, y + h);
        path.lineTo(x + w / 2, y + h * 0.6);
        path.lineTo(x + w * 0.7, y + h);
        path.closeSubpath();
        break;
    }
    default: // spades: an upturned heart with a stem
        path.moveTo(x + w / 2, y);
        path.cubicTo(x + w * 1.15, y + h * 0.5, x + w * 0.8, y + h * 0.95, x + w / 2, y + h * 0.7);
        path.cubicTo(x + w * 0.2, y + h * 0.95, x - w * 0.15, y + h * 0.5, x + w / 2, y);
        path.moveTo(x + w * 0.3, y + h);
        path.lineTo(x + w / 2, y + h * 0.6);
        path.lineTo(x + w * 0.7, y + h);
        path.closeSubpath();
        break;
    }
    return path;
}

QImage productLogo(QSize size) {
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(image.rect());
    QLinearGradient band(r.topLeft(), r.bottomLeft());
    band.setColorAt(0, kDarkCloth);
    band.setColorAt(1, kCloth);
    p.fillRect(r, band);
    // The window font, larger: looking up another family costs start-up time.
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size.height() * 0.5));
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(r.translated(2, 2), Qt::AlignCenter, QStringLiteral("Vellomir"));
    p.setPen(QColor(250, 235, 170));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("Vellomir"));
    // A suit symbol at each end of the strip.
    const qreal s = size.height() * 0.35;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 235, 170));
    p.drawPath(suitPath(0, QRectF(size.height() * 0.3, (size.height() - s) / 2, s, s)));
    p.drawPath(
        suitPath(3, QRectF(size.width() - size.height() * 0.3 - s, (size.height() - s) / 2, s, s)));
    return image;
}

QImage productPicture(QSize size) {
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintCloth(p, QRectF(image.rect()));
    // The fan is kept inside the picture: its cards are at most half as
    // tall as the picture, and the pivot lies below the middle.
    const qreal h = std::min(size.height() * 0.55, size.width() * 0.45);
    const qreal w = h * 71.0 / 96.0;
    const QPointF pivot(size.width() / 2.0, size.height() * 0.5 + h * 0.75);
    constexpr std::array<int, 4> kSuits{3, 0, 2, 1};
    for (std::size_t i = 0; i < kSuits.size(); ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-21.0 + 14.0 * static_cast<double>(i));
        p.translate(-w / 2, -h * 1.3);
        paintAce(p, w, h, kSuits[i]);
        p.restore();
    }
    return image;
}

QImage colourAdvicePicture(QSize size) {
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int cells = 4;
    const qreal cw = size.width() / static_cast<qreal>(cells);
    const qreal ch = size.height() / static_cast<qreal>(cells);
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const int hue = (row * cells + col) * 360 / (cells * cells);
            p.fillRect(QRectF(col * cw, row * ch, cw, ch), QColor::fromHsv(hue, 200, 230));
        }
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    return image;
}

QImage screenAdvicePicture(QSize size) {
    QImage image = blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const QRectF screen(w * 0.05, h * 0.05, w * 0.9, h * 0.65);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(40, 40, 40));
    p.drawRoundedRect(screen, 3, 3);
    p.fillRect(screen.adjusted(4, 4, -4, -4), kCloth);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(w * 0.42, h * 0.7, w * 0.16, h * 0.14));
    p.drawRect(QRectF(w * 0.25, h * 0.84, w * 0.5, h * 0.08));
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(h * 0.16));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(screen, Qt::AlignCenter, QStringLiteral("640x480"));
    return image;
}

} // namespace vellomir::ui
