#include "card_pictures.h"

#include "resource_set.h"

#include "render/card_art/card_backs.h"
#include "render/card_art/card_faces.h"
#include "render/card_art/pile_marks.h"

namespace vellomir::tools {

using namespace art;

void addCardFaces(ResourceSet& resources) {
    static const char kSuitLetters[] = {'H', 'D', 'C', 'S'};
    for (const CardSet set : kCardSets) {
        for (const CardSize& size : kCardSizes) {
            resources.setSection(
                QStringLiteral("Faces %1, size %2").arg(setNumber(set), size.name()));
            for (int s = 0; s < 4; ++s) {
                const QString name = QStringLiteral("C") + size.name() + setNumber(set) +
                                     QChar::fromLatin1(kSuitLetters[s]);
                resources.addBitmap(name, drawFaceSheet(size, set, kSuits[s]));
            }
        }
    }
    resources.setSection(QStringLiteral("Jokers"));
    for (const CardSize& size : kCardSizes) {
        resources.addBitmap(QStringLiteral("JOKER_") + size.name(), drawJoker(size));
    }
}

void addCardBacks(ResourceSet& resources) {
    for (const CardSize& size : kCardSizes) {
        resources.setSection(QStringLiteral("Backs, size %1").arg(size.name()));
        for (const int number : kBackNumbers) {
            resources.addBitmap(
                QStringLiteral("D%1%2").arg(size.name()).arg(number, 3, 10, QLatin1Char('0')),
                drawBack(size, number));
        }
    }
}

void addPileMarks(ResourceSet& resources) {
    for (const CardSize& size : kCardSizes) {
        resources.setSection(QStringLiteral("Pile marks, size %1").arg(size.name()));
        for (const QString& suffix : markSuffixes()) {
            resources.addBitmap(QStringLiteral("W") + size.name() + suffix,
                                drawPileMark(size, suffix));
        }
    }
}

void addPieces(ResourceSet& resources) {
    resources.setSection(QStringLiteral("Shadow and border pieces"));
    for (const CardSize& size : kCardSizes) {
        for (int which = 1; which <= 2; ++which) {
            resources.addBitmap(QStringLiteral("SHADOW_%1%2").arg(size.name()).arg(which),
                                drawShadowPiece(size, which));
        }
        for (int which = 1; which <= 2; ++which) {
            resources.addBitmap(QStringLiteral("3D_BORDER_%1%2").arg(size.name()).arg(which),
                                drawBorderPiece(size, which));
        }
    }
}

} // namespace vellomir::tools
