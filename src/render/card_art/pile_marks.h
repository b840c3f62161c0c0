#pragma once

#include "render/card_art/card_outline.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace vellomir::art {

// Suffixes of the empty-pile marks "W" + size + suffix.
QStringList markSuffixes();
QImage drawPileMark(const CardSize& size, const QString& suffix, qreal pixelRatio = 1);

// The shadow strips under a carried card (white is see-through): the first
// lies right of the card, the second below it.
inline constexpr int kShadowOffset = 9;
QImage drawShadowPiece(const CardSize& size, int which);
// The same strips for carried cards `width` by `height` (one card, or a run)
// as a soft shadow: premultiplied alpha, darkest along the cards, fading out
// to nothing at the shadow's edge and its rounded corners.
QImage drawSoftShadowPiece(int width, int height, int which);

// The raised edges of a deep pile (pure blue is see-through): the first is
// the vertical strip at the pile's right, the second the horizontal strip at
// its bottom. Each pixel maps to a fixed place relative to the pile's base
// card, so any number of layers (up to 15) can be cut from the same piece.
inline constexpr int kMaxDepth = 15;
QImage drawBorderPiece(const CardSize& size, int which);

// The shadow and border pieces of every size.

} // namespace vellomir::art
