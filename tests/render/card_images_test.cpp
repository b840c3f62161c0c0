#include "render/card_images.h"

#include "render/card_art/card_faces.h"
#include "render/card_art/pile_marks.h"
#include "resources/resource_library.h"
#include "table/program_state.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

#include <cstdlib>

namespace vellomir::render {
namespace {

using settings::field::BackCard;
using settings::field::Card;
using settings::field::CardSize;

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
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
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
    const QImage shrunk = s_library->loadBitmap("DB007").scaled(59, 80, Qt::IgnoreAspectRatio,
                                                                Qt::SmoothTransformation);
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
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++messages; });
    resources::ResourceLibrary closed; // nothing registered
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
    EXPECT_EQ(images.back().size(), QSize(59, 80)); // the shrunk back of a missing picture: blank
    EXPECT_TRUE(images.mark("004").isNull());
    EXPECT_TRUE(images.shadowPiece(1).isNull());
}

TEST(CardArt, ACardDrawnAtPixelRatioTwoHasTwiceThePixelsAndTheSamePicture) {
    const art::CardSize size = art::fittedSize(150);
    EXPECT_EQ(size.height, 203);
    const QImage one = art::drawFace(size, art::CardSet::Classic, art::Suit::Spades, 12);
    const QImage two = art::drawFace(size, art::CardSet::Classic, art::Suit::Spades, 12, 2.0);
    EXPECT_EQ(one.size(), QSize(150, 203));
    EXPECT_EQ(two.size(), QSize(300, 406));
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    // Scaled back down, the sharp picture is the same picture.
    const QImage down = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(meanDifference(one, down), 6.0);
}

// A fitted card covered in a fan keeps its top 18 rows (of 96) in view: its
// rank and suit both lie within them, so that below them the corner column
// is bare paper, down to the pips.
TEST(CardArt, TheIndexOfFittedCardsLiesWithinTheStripAFanShows) {
    for (const int width : {80, 150, 220}) {
        const art::CardSize size = art::fittedSize(width);
        const int strip = static_cast<int>(std::lround(18.0 * size.height / 96.0));
        const int column = width * 13 / 71;
        for (const art::CardSet set : {art::CardSet::Classic, art::CardSet::Bold}) {
            for (const art::Suit suit :
                 {art::Suit::Hearts, art::Suit::Diamonds, art::Suit::Clubs, art::Suit::Spades}) {
                for (int rank = 1; rank <= 13; ++rank) {
                    const QImage face = art::drawFace(size, set, suit, rank);
                    int ink = 0;
                    for (int y = strip; y < size.height * 3 / 10; ++y) {
                        for (int x = 2; x < column; ++x) {
                            const QRgb p = face.pixel(x, y);
                            ink += qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200 ? 1 : 0;
                        }
                    }
                    EXPECT_EQ(ink, 0) << "width " << width << " rank " << rank << " suit "
                                      << static_cast<int>(suit);
                }
            }
        }
    }
}

TEST(CardArt, TheFixedSizesAreTheirOwnDesignAndFittedCardsScaleOne) {
    EXPECT_EQ(art::designFor(art::kBig).scaleX, 1.0);
    EXPECT_EQ(art::designFor(art::kSmall).base.letter, 'L');
    EXPECT_EQ(art::designFor(art::fittedSize(142)).base.letter, 'B');
    EXPECT_NEAR(art::designFor(art::fittedSize(142)).scaleX, 2.0, 1e-9);
    EXPECT_EQ(art::designFor(art::fittedSize(50)).base.letter, 'M');
    EXPECT_EQ(art::designFor(art::fittedSize(30)).base.letter, 'L');
}

TEST(CardArt, TheSoftShadowFadesOutwardsAndLeavesTheCardClear) {
    const QImage right = art::drawSoftShadowPiece(71, 96, 1);
    ASSERT_EQ(right.size(), QSize(art::kShadowOffset, 98));
    // Darkest next to the card, see-through at the outer edge, soft between.
    const int mid = 50;
    EXPECT_GT(qAlpha(right.pixel(0, mid)), qAlpha(right.pixel(art::kShadowOffset - 2, mid)));
    EXPECT_EQ(qAlpha(right.pixel(art::kShadowOffset - 1, mid)) < 40, true);
    EXPECT_GT(qAlpha(right.pixel(0, mid)), 60);
    EXPECT_LT(qAlpha(right.pixel(0, mid)), 255);
}

TEST_F(CardImagesTest, FittedCardsAreDrawnAtTheirWidthOnceEachWhenFirstNeeded) {
    state.settings.write(CardSize, "F");
    state.cardSize = {150, 203};
    images.setCardSize(state);
    EXPECT_EQ(images.cardSize(), QSize(150, 203));
    const int before = images.fittedPicturesDrawn();
    const QImage* ace = images.faceOf(1);
    ASSERT_NE(ace, nullptr);
    EXPECT_EQ(ace->size(), QSize(150, 203));
    EXPECT_EQ(images.faceOf(53), ace); // the second pack shares the picture
    EXPECT_EQ(images.fittedPicturesDrawn(), before == 0 ? 1 : before);
    EXPECT_EQ(images.back().size(), QSize(150, 203));
    EXPECT_EQ(images.mark(QStringLiteral("_TABLEAU")).size(), QSize(150, 203));
    const int drawn = images.fittedPicturesDrawn();
    images.faceOf(1);
    images.back();
    images.setCardSize(state); // the same size keeps what was drawn
    EXPECT_EQ(images.fittedPicturesDrawn(), drawn);
    state.cardSize = {100, 135};
    images.setCardSize(state);
    EXPECT_EQ(images.faceOf(2)->size(), QSize(100, 135));
    // Big cards come back from the library as they were.
    setSize("B");
    EXPECT_TRUE(samePixels(images.face(14), s_library->loadBitmap("CB001D").copy(71, 0, 71, 96)));
}

} // namespace
} // namespace vellomir::render
