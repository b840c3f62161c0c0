#pragma once

#include "card_outline.h"

#include <QImage>

namespace vellomir::tools {

class ResourceSet;

// The card backs by number, as the customise dialog lists them:
//   1 a painting (water lilies), 3 "Snowman", 6 "Plaiting 2", 7 "Classic blue",
//   11 "Plaiting 1" (the default), 14 "Roses", 19 "Tropical fish", 20 "Lake".
inline constexpr int kBackNumbers[] = {1, 3, 6, 7, 11, 14, 19, 20};

QImage drawBack(const CardSize& size, int number);

// Adds "D" + size + NNN for every size. The large backs "DB" + NNN, which
// medium cards shrink, are the same names as "D" + "B" + NNN.
void addCardBacks(ResourceSet& resources);

} // namespace vellomir::tools
