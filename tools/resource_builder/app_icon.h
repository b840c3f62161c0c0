#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QString>

namespace vellomir::tools {

// The program's icon for the desktop: a fan of three cards on a green table.
// It is one list of filled and outlined shapes, so that the pictures in every
// size and the scalable SVG come from the same drawing.
struct IconShape {
    QPainterPath path;
    QColor fill;
    QColor stroke = Qt::transparent; // no outline when transparent
    qreal strokeWidth = 0;
};

// The side of the square the shapes are drawn in.
inline constexpr int kAppIconDesignSize = 256;

// The sizes of the hicolor theme the icon is drawn in.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

QList<IconShape> appIconShapes();

// The icon drawn into a square picture of that side.
QImage drawAppIcon(int size);

// The icon as an SVG document of the design size.
QString appIconSvg();

// Writes DIR/hicolor/NxN/apps/NAME.png for every size and
// DIR/hicolor/scalable/apps/NAME.svg. Returns an error text, empty on success.
QString writeAppIcons(const QString& folder, const QString& name);

} // namespace vellomir::tools
