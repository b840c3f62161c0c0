#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

namespace vellomir::ui {

/// The outline of a suit symbol (0 hearts, 1 diamonds, 2 clubs, 3 spades)
/// filling `box`.
QPainterPath suitPath(int suit, const QRectF& box);

/// The product's title strip: "Vellomir" on a dark green cloth.
QImage productLogo(QSize size);
/// The product picture: a fan of four aces on the green cloth.
QImage productPicture(QSize size);
/// The advice pictures: a colour palette (page "Color") and a monitor
/// showing its resolution (page "640x480").
QImage colourAdvicePicture(QSize size);
QImage screenAdvicePicture(QSize size);

} // namespace vellomir::ui
