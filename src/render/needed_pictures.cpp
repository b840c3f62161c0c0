#include "render/needed_pictures.h"

#include "render/card_images.h"
#include "resources/resource_library.h"

#include <QSet>

namespace vellomir::render {
namespace {

namespace field = settings::field;

constexpr char kSizeLetters[] = {'B', 'M', 'L'};
// The card size fitted to the window (no pictures of its own in the library).
constexpr std::string_view kFittedSizeLetter = "F";
constexpr char kSuitLetters[] = {'H', 'D', 'C', 'S'};
// The mark that is loaded each time it is drawn, beside the kept ones.
constexpr const char* kUnkeptMark = "021";
constexpr int kDefaultCardSet = 1;
constexpr int kFewColoursCardSet = 3;
constexpr int kDefaultBack = 11;
constexpr int kFirstCursor = 10;
constexpr int kLastCursor = 15;

QString threeDigits(int number) {
    return QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

bool holdsCardSet(const QSet<QString>& held, char size, const QString& set) {
    for (const char suit : kSuitLetters) {
        if (!held.contains(QStringLiteral("C") + QChar::fromLatin1(size) + set +
                           QChar::fromLatin1(suit))) {
            return false;
        }
    }
    return true;
}

} // namespace

QStringList neededPictures(char sizeLetter, const QString& cardSet, const QString& back) {
    const QString size(QChar::fromLatin1(sizeLetter));
    QStringList names;
    for (const char suit : kSuitLetters) {
        names << QStringLiteral("C") + size + cardSet + QChar::fromLatin1(suit);
    }
    names << QStringLiteral("JOKER_") + size;
    // Medium cards shrink the large back, except for the back that has a
    // medium picture of its own.
    names << (sizeLetter == 'M' && back != QLatin1String("011")
                  ? QStringLiteral("DB") + back
                  : QStringLiteral("D") + size + back);
    QSet<QString> marks;
    for (const char* suffix : CardImages::keptMarkSuffixes()) {
        marks.insert(QLatin1String(suffix));
    }
    marks.insert(QLatin1String(kUnkeptMark));
    QStringList sortedMarks(marks.begin(), marks.end());
    sortedMarks.sort();
    for (const QString& suffix : sortedMarks) {
        names << QStringLiteral("W") + size + suffix;
    }
    for (const char* piece : {"SHADOW_", "3D_BORDER_"}) {
        names << QLatin1String(piece) + size + QStringLiteral("1")
              << QLatin1String(piece) + size + QStringLiteral("2");
    }
    return names;
}

QStringList missingNeededPictures(const table::ProgramState& state,
                                  const resources::ResourceLibrary& library) {
    const QString set = QString::fromStdString(state.settings.read(field::Card));
    const QString back = QString::fromStdString(state.settings.read(field::BackCard));
    const std::string current = state.settings.read(field::CardSize);
    const QStringList heldList = library.bitmapNames();
    const QSet<QString> held(heldList.begin(), heldList.end());
    QStringList missing;
    for (const char size : kSizeLetters) {
        const QStringList names = neededPictures(size, set, back);
        if (!current.empty() && current[0] == size) {
            // The pictures of the size in use are read whole: a damaged one counts as missing.
            missing << library.missingBitmaps(names);
            continue;
        }
        for (const QString& name : names) {
            if (!held.contains(name)) {
                missing << name;
            }
        }
    }
    missing.removeDuplicates();
    return missing;
}

QStringList keepPicturePreferencesInRange(table::ProgramState& state,
                                          const resources::ResourceLibrary& library,
                                          bool display256ColoursOrFewer) {
    settings::SettingsRecord& s = state.settings;
    const QStringList heldList = library.bitmapNames();
    const QSet<QString> held(heldList.begin(), heldList.end());
    QStringList putBack;

    const std::string size = s.read(field::CardSize);
    if (size != "B" && size != "M" && size != "L" && size != kFittedSizeLetter) {
        s.write(field::CardSize, "B");
        putBack << QStringLiteral("Card_Size");
    }
    // Fitted cards are drawn from the designs of the big ones: the card set
    // must be one the library holds in big cards.
    const char letter =
        s.read(field::CardSize) == kFittedSizeLetter ? 'B' : s.read(field::CardSize)[0];

    const QString set = QString::fromStdString(s.read(field::Card));
    if (!holdsCardSet(held, letter, set)) {
        s.writePadded(field::Card, display256ColoursOrFewer ? kFewColoursCardSet : kDefaultCardSet);
        putBack << QStringLiteral("Card");
    }
    const QString back = QString::fromStdString(s.read(field::BackCard));
    if (!held.contains(QStringLiteral("DB") + back)) {
        s.writePadded(field::BackCard, kDefaultBack);
        putBack << QStringLiteral("Back_Card");
    }
    bool numbered = false;
    const int background = QString::fromStdString(s.read(field::BackgroundBmp)).toInt(&numbered);
    if (!numbered || background < 0 ||
        (background != 0 && !held.contains(QStringLiteral("B") + threeDigits(background)))) {
        s.write(field::BackgroundBmp, "0");
        putBack << QStringLiteral("Background_bmp");
    }
    const int cursor = s.readInt(field::Cursor, kFirstCursor);
    if (cursor < kFirstCursor || cursor > kLastCursor) {
        s.writeInt(field::Cursor, kFirstCursor);
        putBack << QStringLiteral("Cursor");
    }
    return putBack;
}

} // namespace vellomir::render
