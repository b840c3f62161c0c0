#include "app_icon.h"

#include "render/card_art/card_outline.h"
#include "render/card_art/paint_kit.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QTransform>

namespace vellomir::tools {

using namespace art;
namespace {

const QColor kTableGreen(29, 107, 58);
const QColor kTableEdge(14, 66, 34);
const QColor kPaper(251, 251, 246);
const QColor kBackBlue(36, 72, 154);
const QColor kBackInner(58, 104, 200);

constexpr qreal kCardWidth = 104;
constexpr qreal kCardHeight = 148;
constexpr qreal kCardRadius = 12;
constexpr qreal kCardEdgeWidth = 4;
// The cards turn about a point below the middle of the table, as a hand holds a fan.
constexpr qreal kFanPivotX = 128;
constexpr qreal kFanPivotY = 250;
constexpr qreal kFanAngle = 20; // degrees between neighbouring cards
constexpr qreal kCardTop = 34;  // of the upright middle card

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QTransform fanTurn(qreal degrees) {
    QTransform turn;
    turn.translate(kFanPivotX, kFanPivotY);
    turn.rotate(degrees);
    turn.translate(-kFanPivotX, -kFanPivotY);
    return turn;
}

QRectF uprightCard() {
    return {kFanPivotX - kCardWidth / 2, kCardTop, kCardWidth, kCardHeight};
}

// A face-up card with a large suit in its middle and a small one in its
// top-left corner, turned by the fan's angle.
void addFace(QList<IconShape>& shapes, Suit suit, qreal degrees) {
    const QTransform turn = fanTurn(degrees);
    const QRectF card = uprightCard();
    shapes.push_back({turn.map(roundedRect(card, kCardRadius)), kPaper, kCardEdge, kCardEdgeWidth});
    const qreal big = 58;
    const QRectF middle(card.center().x() - big / 2, card.center().y() - big / 2 + 6, big, big);
    shapes.push_back({turn.map(suitPath(suit, middle)), inkOf(suit)});
    const qreal small = 22;
    shapes.push_back(
        {turn.map(suitPath(suit, QRectF(card.left() + 10, card.top() + 10, small, small))),
         inkOf(suit)});
}

// A face-down card: a blue back with a lighter panel and a diamond in it.
void addBack(QList<IconShape>& shapes, qreal degrees) {
    const QTransform turn = fanTurn(degrees);
    const QRectF card = uprightCard();
    shapes.push_back(
        {turn.map(roundedRect(card, kCardRadius)), kBackBlue, kCardEdge, kCardEdgeWidth});
    const QRectF panel = card.adjusted(12, 12, -12, -12);
    shapes.push_back({turn.map(roundedRect(panel, 6)), kBackInner, kPaper, 4});
    const qreal side = 40;
    shapes.push_back(
        {turn.map(suitPath(Suit::Diamonds, QRectF(panel.center().x() - side / 2,
                                                  panel.center().y() - side / 2, side, side))),
         kPaper});
}

QString number(qreal value) {
    return QString::number(value, 'f', 2);
}

// SVG path data of a painter path: moves, lines and cubic curves, closed
// where a figure ends on its first point.
QString svgPathData(const QPainterPath& path) {
    QString data;
    QPointF figureStart;
    QPointF current;
    const auto closeFigure = [&] {
        if (!data.isEmpty() && current == figureStart) {
            data += QLatin1String(" Z");
        }
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            closeFigure();
            data += QStringLiteral(" M%1 %2").arg(number(e.x), number(e.y));
            figureStart = e;
        } else if (e.isLineTo()) {
            data += QStringLiteral(" L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data += QStringLiteral(" C%1 %2 %3 %4 %5 %6")
                        .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                             number(end.y));
            i += 2;
            current = end;
            continue;
        }
        current = e;
    }
    closeFigure();
    return data.trimmed();
}

} // namespace

QList<IconShape> appIconShapes() {
    QList<IconShape> shapes;
    shapes.push_back({roundedRect(QRectF(14, 14, 228, 228), 44), kTableGreen, kTableEdge, 8});
    addBack(shapes, -kFanAngle);
    addFace(shapes, Suit::Spades, 0);
    addFace(shapes, Suit::Hearts, kFanAngle);
    return shapes;
}

QImage drawAppIcon(int size) {
    QImage image = newImage(size, size);
    QPainter painter;
    beginPainter(painter, image);
    painter.scale(qreal(size) / kAppIconDesignSize, qreal(size) / kAppIconDesignSize);
    for (const IconShape& shape : appIconShapes()) {
        painter.fillPath(shape.path, shape.fill);
        if (shape.stroke.alpha() > 0) {
            QPen pen(shape.stroke, shape.strokeWidth);
            pen.setJoinStyle(Qt::RoundJoin);
            pen.setCapStyle(Qt::RoundCap);
            painter.strokePath(shape.path, pen);
        }
    }
    painter.end();
    return image;
}

QString appIconSvg() {
    QString svg =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                       "viewBox=\"0 0 %1 %1\">\n")
            .arg(kAppIconDesignSize);
    for (const IconShape& shape : appIconShapes()) {
        svg += QStringLiteral("  <path d=\"%1\" fill=\"%2\" fill-rule=\"%3\"")
                   .arg(svgPathData(shape.path), shape.fill.name(),
                        shape.path.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                                 : QStringLiteral("evenodd"));
        if (shape.stroke.alpha() > 0) {
            svg += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\"")
                       .arg(shape.stroke.name(), number(shape.strokeWidth));
        }
        svg += QStringLiteral("/>\n");
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

QString writeAppIcons(const QString& folder, const QString& name) {
    for (const int size : kAppIconSizes) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir)) {
            return QStringLiteral("cannot create %1").arg(dir);
        }
        const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        QImageWriter writer(path, "png");
        if (!writer.write(drawAppIcon(size))) {
            return QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        }
    }
    const QString dir = folder + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(dir)) {
        return QStringLiteral("cannot create %1").arg(dir);
    }
    QSaveFile file(dir + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(appIconSvg().toUtf8()) < 0 ||
        !file.commit()) {
        return QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
    }
    return {};
}

} // namespace vellomir::tools
