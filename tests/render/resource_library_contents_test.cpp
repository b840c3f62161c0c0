// The built KAR.RGF holds every name the program asks for, in the sizes
// the drawing code relies on.

#include "catalogue/catalogue_reader.h"
#include "resources/resource_library.h"
#include "table/main_game.h"

#include <QCursor>
#include <QFileInfo>
#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vellomir::resources {
namespace {

struct Size {
    const char* letter;
    int width;
    int height;
};
const Size kSizes[] = {{"B", 71, 96}, {"M", 59, 80}, {"L", 25, 32}};
const char* const kBacks[] = {"001", "003", "006", "007", "011", "014", "019", "020"};

QStringList markSuffixes() {
    QStringList list = {"001", "003", "004", "005", "006", "008", "009", "_WASTE", "_TABLEAU"};
    for (int n = 10; n <= 22; ++n) {
        list << QString::number(n).rightJustified(3, '0');
    }
    return list;
}

class LibraryContents : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_library = new ResourceLibrary;
        ASSERT_TRUE(s_library->open(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY)));
    }
    static void TearDownTestSuite() {
        delete s_library;
        s_library = nullptr;
    }
    static QSize sizeOf(const QString& name) { return s_library->loadBitmap(name).size(); }

    static ResourceLibrary* s_library;
};
ResourceLibrary* LibraryContents::s_library = nullptr;

TEST_F(LibraryContents, FaceSheetsAreFiveCardsAcrossAndThreeDown) {
    for (const Size& s : kSizes) {
        for (const char* set : {"001", "003"}) {
            for (const char* suit : {"H", "D", "C", "S"}) {
                const QString name = QStringLiteral("C%1%2%3").arg(s.letter, set, suit);
                EXPECT_EQ(sizeOf(name), QSize(5 * s.width, 3 * s.height)) << name.toStdString();
            }
        }
    }
}

TEST_F(LibraryContents, JokersBacksAndMarksAreOneCardInSize) {
    for (const Size& s : kSizes) {
        const QSize card(s.width, s.height);
        EXPECT_EQ(sizeOf(QStringLiteral("JOKER_") + s.letter), card) << s.letter;
        for (const char* back : kBacks) {
            const QString name = QStringLiteral("D%1%2").arg(s.letter, back);
            EXPECT_EQ(sizeOf(name), card) << name.toStdString();
        }
        for (const QString& suffix : markSuffixes()) {
            const QString name = QStringLiteral("W") + s.letter + suffix;
            EXPECT_EQ(sizeOf(name), card) << name.toStdString();
        }
    }
    for (const char* back : kBacks) {
        EXPECT_EQ(sizeOf(QStringLiteral("DB") + back), QSize(71, 96)) << back;
    }
}

// Counts the pixels of one colour, and all the others.
std::pair<int, int> countColour(const QImage& image, QRgb colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int same = 0;
    int other = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            ((rgb.pixel(x, y) & 0xffffff) == (colour & 0xffffff) ? same : other)++;
        }
    }
    return {same, other};
}

TEST_F(LibraryContents, ShadowAndBorderPiecesCoverTheirStripsAndCarryTheirSeeThroughColours) {
    constexpr int kShadow = 9;
    for (const Size& s : kSizes) {
        const QImage right = s_library->loadBitmap(QStringLiteral("SHADOW_") + s.letter + "1");
        const QImage below = s_library->loadBitmap(QStringLiteral("SHADOW_") + s.letter + "2");
        EXPECT_GE(right.width(), kShadow);
        EXPECT_GE(right.height(), s.height + 2);
        EXPECT_GE(below.width(), s.width + 1);
        EXPECT_GE(below.height(), kShadow);
        for (const QImage& piece : {right, below}) {
            const auto [white, other] = countColour(piece, qRgb(255, 255, 255));
            EXPECT_GT(white, 0) << s.letter;
            EXPECT_GT(other, 0) << s.letter;
        }
        // The edges of a deep pile are cut at up to 15 pixels deep, over the
        // card's height plus 13 and its width plus 11.
        const QImage vertical =
            s_library->loadBitmap(QStringLiteral("3D_BORDER_") + s.letter + "1");
        const QImage horizontal =
            s_library->loadBitmap(QStringLiteral("3D_BORDER_") + s.letter + "2");
        EXPECT_GE(vertical.width(), 16);
        EXPECT_GE(vertical.height(), s.height + 13);
        EXPECT_GE(horizontal.width(), s.width + 11);
        EXPECT_GE(horizontal.height(), 16);
        for (const QImage& piece : {vertical, horizontal}) {
            const auto [blue, other] = countColour(piece, qRgb(0, 0, 255));
            EXPECT_GT(blue, 0) << s.letter;
            EXPECT_GT(other, 0) << s.letter;
        }
    }
}

// The largest step in colour between two neighbouring columns (or rows).
int columnStep(const QImage& image, int a, int b, bool rows) {
    int sum = 0;
    const int n = rows ? image.width() : image.height();
    for (int i = 0; i < n; ++i) {
        const QRgb p = rows ? image.pixel(i, a) : image.pixel(a, i);
        const QRgb q = rows ? image.pixel(i, b) : image.pixel(b, i);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / n;
}

TEST_F(LibraryContents, BackgroundsTileWithoutASeam) {
    for (const char* number : {"102", "287", "296", "304", "311", "324"}) {
        const QImage tile = s_library->loadBitmap(QStringLiteral("B") + number);
        ASSERT_FALSE(tile.isNull()) << number;
        for (const bool rows : {false, true}) {
            const int last = (rows ? tile.height() : tile.width()) - 1;
            int worstInside = 0;
            for (int i = 0; i < last; ++i) {
                worstInside = std::max(worstInside, columnStep(tile, i, i + 1, rows));
            }
            // Where the tile meets its next copy the step is no larger than
            // the largest step inside it.
            EXPECT_LE(columnStep(tile, last, 0, rows), worstInside)
                << number << (rows ? " rows" : " columns");
        }
    }
}

TEST_F(LibraryContents, SymbolsIconsAndDescriptionPicturesArePresent) {
    QStringList names = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    for (const QString& name : names) {
        EXPECT_FALSE(s_library->loadBitmap(name).isNull()) << name.toStdString();
    }
    // Tree icons go into image lists that make RGB (128, 0, 0) see-through.
    QStringList icons = {"TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5"};
    for (const char* type :
         {"CANFIELD",          "FORTYTHIEVES", "FREECELL", "KLONDIKE",     "PAIRING",
          "SIMPLEGAMES",       "SPIDER",       "1DECK",    "2DECK",        "FAN",
          "BAKERSDOZEN",       "ROW",          "PUZZLE",   "ADDITION",     "MEMORY",
          "BELEAGUEREDCASTLE", "QUEENOFITALY", "YUKON",    "MATHEMATICAL", "SIRTOMMY",
          "NONBUILDERS"}) {
        icons << QStringLiteral("TREE5_%1_TYPE").arg(type);
    }
    icons << "TREE5_CUSTOMIZED_GAMES";
    for (const QString& name : icons) {
        const QImage icon = s_library->loadBitmap(name);
        ASSERT_EQ(icon.size(), QSize(16, 16)) << name.toStdString();
        const auto [mask, drawn] = countColour(icon, qRgb(128, 0, 0));
        EXPECT_GT(mask, 0) << name.toStdString();
        EXPECT_GT(drawn, 0) << name.toStdString();
    }
    for (const char* name :
         {"PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK", "PROG_DIFF_EASY",
          "PROG_DIFF_MEDIUM", "PROG_DIFF_HARD", "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH",
          "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW", "PROG_CHAN_VERYLOW", "PROG_SKILL_DIFFICULT",
          "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE", "PROG_SKILL_MOSTLYCHANCE",
          "PROG_SKILL_CHANCEONLY", "PROG_DISABLED"}) {
        EXPECT_FALSE(s_library->loadBitmap(name).isNull()) << name;
    }
}

TEST_F(LibraryContents, EveryCatalogueGameHasItsPreviewPicture) {
    // The catalogue the library was built from lies beside it.
    const QString catalogue = QFileInfo(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY)).absolutePath() +
                              QStringLiteral("/GAMES.DAT");
    table::TMainGame game;
    catalogue::loadGameList(catalogue.toStdString(), game.games());
    ASSERT_FALSE(game.gameList().empty());
    for (const std::string& line : game.gameList()) {
        const int number = table::gameListNumber(line);
        const QString name = QStringLiteral("GAME%1").arg(number, 4, 10, QLatin1Char('0'));
        const QImage preview = s_library->loadBitmap(name);
        ASSERT_EQ(preview.size(), QSize(300, 185)) << name.toStdString();
        // The top-left colour is the see-through cloth; every game deals at
        // least a stock, about 22 x 30 pixels in a preview.
        const auto [cloth, cards] = countColour(preview, preview.pixel(0, 0));
        EXPECT_GT(cards, 600) << name.toStdString();
        EXPECT_GT(cloth, 300 * 185 / 10) << name.toStdString();
    }
    // A number that is no game has no picture.
    EXPECT_TRUE(s_library->loadBitmap(QStringLiteral("GAME9999")).isNull());
}

TEST_F(LibraryContents, TwelveCursorsWithHotSpotsInsideThem) {
    for (const char* form : {"A", "B"}) {
        for (const char* kind :
             {"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1", "LEFT_HAND2"}) {
            const QString name = QStringLiteral("CUR_%1%2").arg(kind, form);
            ASSERT_TRUE(s_library->hasCursor(name)) << name.toStdString();
            const QCursor cursor = s_library->loadCursor(name);
            const QImage image = cursor.pixmap().toImage();
            ASSERT_FALSE(image.isNull()) << name.toStdString();
            EXPECT_TRUE(image.rect().contains(cursor.hotSpot())) << name.toStdString();
            // The hot spot lies on the drawn shape, not in the clear margin.
            EXPECT_GT(qAlpha(image.pixel(cursor.hotSpot())), 0) << name.toStdString();
        }
    }
    // Arrows point with their tip at the top left; hands with a finger.
    EXPECT_EQ(s_library->loadCursor("CUR_ARROW1A").hotSpot(), QPoint(1, 1));
    EXPECT_NE(s_library->loadCursor("CUR_RIGHT_HAND1A").hotSpot(),
              s_library->loadCursor("CUR_LEFT_HAND1A").hotSpot());
}

int g_messages = 0;
void countMessage(QtMsgType, const QMessageLogContext&, const QString&) {
    ++g_messages;
}

TEST_F(LibraryContents, AMissingNameGivesAnEmptyResultAndNoMessage) {
    g_messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countMessage);
    const QImage picture = s_library->loadBitmap(QStringLiteral("CB999H"));
    const bool cursor = s_library->hasCursor(QStringLiteral("CUR_NONE"));
    const QByteArray sound = s_library->loadWave(QStringLiteral("_tmp_stop_"));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(picture.isNull());
    EXPECT_FALSE(cursor);
    EXPECT_TRUE(sound.isEmpty());
    EXPECT_EQ(g_messages, 0);
}

} // namespace
} // namespace vellomir::resources
