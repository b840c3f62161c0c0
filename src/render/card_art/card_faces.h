#pragma once

#include "render/card_art/card_outline.h"
#include "render/card_art/paint_kit.h"

#include <QImage>
#include <QString>

namespace vellomir::art {

// The two card sets: "001" the classic cards, "003" a bold set with larger
// indices for medium cards on small screens.
enum class CardSet { Classic, Bold };
inline constexpr CardSet kCardSets[] = {CardSet::Classic, CardSet::Bold};
QString setNumber(CardSet set);

// One face: rank 1 (ace) to 13 (king), with `pixelRatio` device pixels to
// each card pixel.
QImage drawFace(const CardSize& size, CardSet set, Suit suit, int rank, qreal pixelRatio = 1);
QImage drawJoker(const CardSize& size, qreal pixelRatio = 1);
// The 13 faces of a suit on a sheet of 5 columns by 3 rows: A-5, 6-10, J-K.
QImage drawFaceSheet(const CardSize& size, CardSet set, Suit suit);

} // namespace vellomir::art
