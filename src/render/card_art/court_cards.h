#pragma once

#include "render/card_art/paint_kit.h"

#include <QPainter>
#include <QRectF>

namespace vellomir::art {

// Draws the framed, double-ended picture of a jack (11), queen (12) or king
// (13) into `frame`: a half figure in the top half and the same figure turned
// about the centre in the bottom half, as on a printed card.
void drawCourtPicture(QPainter& painter, const QRectF& frame, Suit suit, int rank);

// The jester of the joker, double-ended the same way.
void drawJesterPicture(QPainter& painter, const QRectF& frame);

} // namespace vellomir::art
