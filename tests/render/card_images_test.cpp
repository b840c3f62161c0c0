#include "render/card_images.h"

#include "resources/resource_library.h"
#include "table/program_state.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vellomir::render {
namespace {

using app::field::BackCard;
using app::field::Card;
using app::field::CardSize;

bool samePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// Mean difference per colour channel between two pictures of one size.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int j = 0; j < x.height(); ++j) {
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j);
            const QRgb q = y.pixel(i, j);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

class CardImagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_library = new resources::ResourceLibrary;
        ASSERT_TRUE(s_library->open(QStringLiteral(VELLOMIR_RESOURCE_LIBRARY)));
    }
    static void TearDownTestSuite() {
        delete s_library;
        s_library = nullptr;
    }
    void SetUp() override {
        state.settings.write(CardSize, "B");
        state.settings.write(Card, "001");
        state.settings.write(BackCard, "011");
    }
    void setSize(const char* letter) {
        state.settings.write(CardSize, letter);
        images.setCardSize(state);
    }

    static resources::ResourceLibrary* s_library;
    table::ProgramState state;
    CardImages images{*s_library};
};
resources::ResourceLibrary* CardImagesTest::s_library = nullptr;

TEST(FaceIndex, BothPacksShareTheFacesAndEveryJokerIsTheJoker) {
    EXPECT_EQ(CardImages::faceIndexOf(1), 0);
    EXPECT_EQ(CardImages::faceIndexOf(53), 0);
    EXPECT_EQ(CardImages::faceIndexOf(52), 51);
    EXPECT_EQ(CardImages::faceIndexOf(104), 51);
    EXPECT_EQ(CardImages::faceIndexOf(66), 13);
    for (int joker = 105; joker <= 108; ++joker) {
        EXPECT_EQ(CardImages::faceIndexOf(joker), CardImages::kJokerFace);
    }
    EXPECT_EQ(CardImages::faceIndexOf(0), -1);
    EXPECT_EQ(CardImages::faceIndexOf(-3), -1);
}

TEST_F(CardImagesTest, FacesAreCutFromTheSuitSheetsCellByCell) {
    images.setCardSize(state);
    ASSERT_EQ(images.cardSize(), QSize(71, 96));
    EXPECT_EQ(state.cardSize.width, 71);
    EXPECT_EQ(state.cardSize.height, 96);
    const QImage diamonds = s_library->loadBitmap("CB001D");
    // Diamonds start at face 13: the 2 is in column 1 of row 0, the 8 in
    // column 2 of row 1, the king in column 2 of row 2.
    EXPECT_TRUE(samePixels(images.face(14), diamonds.copy(71, 0, 71, 96)));
    EXPECT_TRUE(samePixels(images.face(20), diamonds.copy(142, 96, 71, 96)));
    EXPECT_TRUE(samePixels(images.face(25), diamonds.copy(142, 192, 71, 96)));
    EXPECT_TRUE(samePixels(images.face(CardImages::kJokerFace), s_library->loadBitmap("JOKER_B")));
    for (int i = 0; i < CardImages::kFaceCount; ++i) {
        EXPECT_EQ(images.face(i).size(), QSize(71, 96)) << i;
    }
    // Card numbers of the second pack show the first pack's faces.
    ASSERT_NE(images.faceOf(1), nullptr);
    EXPECT_TRUE(samePixels(*images.faceOf(1), *images.faceOf(53)));
    EXPECT_FALSE(samePixels(*images.faceOf(1), *images.faceOf(2)));
    EXPECT_TRUE(samePixels(*images.faceOf(107), images.face(CardImages::kJokerFace)));
    EXPECT_EQ(images.faceOf(0), nullptr);
}

TEST_F(CardImagesTest, SizeLettersSetTheCardSizeAndTheScratchImageFollows) {
    EXPECT_EQ(images.scratchCard().size(), QSize(100, 200));
    setSize("L");
    EXPECT_EQ(images.cardSize(), QSize(25, 32));
    EXPECT_EQ(state.cardSize.width, 25);
    EXPECT_EQ(state.cardSize.height, 32);
    EXPECT_EQ(images.face(40).size(), QSize(25, 32));
    EXPECT_EQ(images.back().size(), QSize(25, 32));
    EXPECT_TRUE(samePixels(images.scratchCard(), images.face(0)));
    EXPECT_TRUE(samePixels(images.mark("_TABLEAU"), s_library->loadBitmap("WL_TABLEAU")));

    // An unknown letter keeps the size in force.
    setSize("X");
    EXPECT_EQ(images.cardSize(), QSize(25, 32));
    EXPECT_EQ(state.cardSize.width, 25);

    setSize("M");
    EXPECT_EQ(images.cardSize(), QSize(59, 80));
    EXPECT_EQ(images.scratchCard().size(), QSize(59, 80));
}

TEST_F(CardImagesTest, ChangingTheCardSetChangesTheFaces) {
    images.setCardSize(state);
    const QImage classic = images.face(0);
    state.settings.write(Card, "003");
    images.rebuildImages(state);
    EXPECT_FALSE(samePixels(images.face(0), classic));
    EXPECT_TRUE(samePixels(images.face(0), s_library->loadBitmap("CB003H").copy(0, 0, 71, 96)));
}

TEST_F(CardImagesTest, MediumCardsShowTheLargeBackShrunkExceptBackEleven) {
    setSize("M");
    EXPECT_TRUE(samePixels(images.back(), s_library->loadBitmap("DM011")));

    state.settings.write(BackCard, "007");
    images.loadBack(state);
    ASSERT_EQ(images.back().size(), QSize(59, 80));
    const QImage shrunk = s_library->loadBitmap("DB007").scaled(59, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(meanDifference(images.back(), shrunk), 4.0);
    EXPECT_FALSE(samePixels(images.back(), s_library->loadBitmap("DM007")));

    // Large and small cards load the back of their own size.
    setSize("B");
    EXPECT_TRUE(samePixels(images.back(), s_library->loadBitmap("DB007")));
    setSize("L");
    EXPECT_TRUE(samePixels(images.back(), s_library->loadBitmap("DL007")));
}

TEST_F(CardImagesTest, ABackNumberWithoutLeadingZerosStillNamesItsPicture) {
    state.settings.write(BackCard, "19");
    images.setCardSize(state);
    EXPECT_TRUE(samePixels(images.back(), s_library->loadBitmap("DB019")));
}

TEST_F(CardImagesTest, MarksAreKeptAndTheStockMark021IsLoadedWhenAsked) {
    images.setCardSize(state);
    EXPECT_TRUE(samePixels(images.mark("004"), s_library->loadBitmap("WB004")));
    EXPECT_TRUE(samePixels(images.mark("010"), s_library->loadBitmap("WB010")));
    EXPECT_TRUE(samePixels(images.mark("021"), s_library->loadBitmap("WB021")));
    EXPECT_TRUE(images.mark("nope").isNull());
    EXPECT_EQ(CardImages::keptMarkSuffixes().size(), 22u);
}

TEST_F(CardImagesTest, PiecesAreSeeThroughInTheirKeyColour) {
    images.setCardSize(state);
    const auto count = [](const QImage& image) {
        int clear = 0;
        int solid = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                (qAlpha(image.pixel(x, y)) == 0 ? clear : solid)++;
            }
        }
        return std::pair{clear, solid};
    };
    for (int which = 1; which <= 2; ++which) {
        const auto [shadowClear, shadowSolid] = count(images.shadowPiece(which));
        EXPECT_GT(shadowClear, 0);
        EXPECT_GT(shadowSolid, 0);
        const auto [borderClear, borderSolid] = count(images.borderPiece(which));
        EXPECT_GT(borderClear, 0);
        EXPECT_GT(borderSolid, 0);
        // No see-through colour survives as a visible pixel.
        const QImage border = images.borderPiece(which).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < border.height(); ++y) {
            for (int x = 0; x < border.width(); ++x) {
                const QRgb p = border.pixel(x, y);
                ASSERT_FALSE(qAlpha(p) != 0 && qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 255);
            }
        }
    }
}

TEST(CardImagesWithoutPictures, MissingPicturesLeaveBlankCardsAndNoMessage) {
    static int messages = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
    resources::ResourceLibrary closed;  // nothing registered
    table::ProgramState state;
    state.settings.write(CardSize, "M");
    state.settings.write(Card, "999");
    state.settings.write(BackCard, "099");
    CardImages images(closed);
    images.setCardSize(state);
    qInstallMessageHandler(previous);

    EXPECT_EQ(messages, 0);
    EXPECT_EQ(images.face(5).size(), QSize(59, 80));
    EXPECT_EQ(images.face(5).pixel(30, 40), qRgb(255, 255, 255));
    EXPECT_TRUE(images.face(CardImages::kJokerFace).isNull());
    EXPECT_EQ(images.back().size(), QSize(59, 80));  // the shrunk back of a missing picture: blank
    EXPECT_TRUE(images.mark("004").isNull());
    EXPECT_TRUE(images.shadowPiece(1).isNull());
}

} // namespace
} // namespace vellomir::render
