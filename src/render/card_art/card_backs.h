#pragma once

#include "render/card_art/card_outline.h"

#include <QImage>

namespace vellomir::art {

// The card backs by number, as the customise dialog lists them:
//   1 a painting (water lilies), 3 "Snowman", 6 "Plaiting 2", 7 "Classic blue",
//   11 "Plaiting 1" (the default), 14 "Roses", 19 "Tropical fish", 20 "Lake".
inline constexpr int kBackNumbers[] = {1, 3, 6, 7, 11, 14, 19, 20};

QImage drawBack(const CardSize& size, int number, qreal pixelRatio = 1);

} // namespace vellomir::art
