#pragma once

#include "card_outline.h"
#include "paint_kit.h"

#include <QImage>
#include <QString>

namespace vellomir::tools {

class ResourceSet;

// The two card sets: "001" the classic cards, "003" a bold set with larger
// indices for medium cards on small screens.
enum class CardSet { Classic, Bold };
inline constexpr CardSet kCardSets[] = {CardSet::Classic, CardSet::Bold};
QString setNumber(CardSet set);

// One face: rank 1 (ace) to 13 (king).
QImage drawFace(const CardSize& size, CardSet set, Suit suit, int rank);
QImage drawJoker(const CardSize& size);
// The 13 faces of a suit on a sheet of 5 columns by 3 rows: A-5, 6-10, J-K.
QImage drawFaceSheet(const CardSize& size, CardSet set, Suit suit);

// Adds "C" + size + set + suit letter for every size, set and suit, and
// "JOKER_" + size.
void addCardFaces(ResourceSet& resources);

} // namespace vellomir::tools
