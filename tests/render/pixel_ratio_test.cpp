// The table drawn for a HiDPI screen: two device pixels each way to every
// logical pixel the table is laid out in.

#include "drawing_fixture.h"

#include "render/card_art/card_backs.h"
#include "render/card_art/card_faces.h"
#include "render/card_corners.h"

#include <cstdlib>

namespace vellomir::render::testing {
namespace {

constexpr int kRatio = 2;

class PixelRatioTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        renderer->setPixelRatio(kRatio);
    }

    // Whether the device pixels of logical pixel `at` in `a` equal those of
    // logical pixel `from` in `b` (both at the ratio).
    static bool sameBlock(const QImage& a, QPoint at, const QImage& b, QPoint from) {
        for (int dy = 0; dy < kRatio; ++dy) {
            for (int dx = 0; dx < kRatio; ++dx) {
                if (a.pixel(at.x() * kRatio + dx, at.y() * kRatio + dy) !=
                    b.pixel(from.x() * kRatio + dx, from.y() * kRatio + dy)) {
                    return false;
                }
            }
        }
        return true;
    }

    // Mean difference per colour channel between two pictures of one size.
    static double meanDifference(const QImage& a, const QImage& b) {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                       std::abs(qBlue(p) - qBlue(q));
            }
        }
        return sum / (3.0 * a.width() * a.height());
    }
};

TEST_F(PixelRatioTest, TheBuffersAndTheWindowHaveTwiceThePixelsEachWay) {
    for (const QImage* image : {&buffer(), &background(), &window()}) {
        EXPECT_EQ(image->size(), QSize(1600, 1200));
        EXPECT_EQ(image->devicePixelRatio(), 2.0);
        EXPECT_EQ(logicalRect(*image), QRect(0, 0, 800, 600));
    }
    // Resizing keeps the ratio; the sizes asked for stay logical.
    renderer->resizeBuffers(QSize(900, 700));
    renderer->setWindowSize(QSize(640, 480));
    EXPECT_EQ(buffer().size(), QSize(1800, 1400));
    EXPECT_EQ(window().size(), QSize(1280, 960));
    // A window wider than the buffer shows black beyond it.
    renderer->setWindowSize(QSize(1000, 500));
    renderer->showCoveredCard(card("5S"), 920, 10); // drawn on the window only
    EXPECT_NE(pixelSafe(window(), 950, 50), qRgb(0, 0, 0));
    renderer->repaintWindow();
    EXPECT_EQ(pixelSafe(window(), 950, 50), qRgb(0, 0, 0));
    EXPECT_EQ(window().pixel(2 * 900 - 1, 20), buffer().pixel(2 * 900 - 1, 20));
    EXPECT_EQ(window().pixel(2 * 900, 20), qRgb(0, 0, 0));
    // The card pictures come at the ratio too, drawn sharp, not enlarged.
    const QImage* queen = images->faceOf(card("QH"));
    ASSERT_NE(queen, nullptr);
    EXPECT_EQ(queen->size(), QSize(2 * W, 2 * H));
    EXPECT_EQ(*queen, art::drawFace(art::kBig, art::CardSet::Classic, art::Suit::Hearts, 12, 2.0)
                          .convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(images->back().size(), QSize(2 * W, 2 * H));
    EXPECT_EQ(images->scratchCard().devicePixelRatio(), 2.0);
}

TEST_F(PixelRatioTest, ACardCutFromTheTableIsTheCardDrawnAtTheRatioAndItsCornersShowBeneath) {
    state.piles.tableau(0) = pileOf({"KS", "QH"});
    state.piles.tableau(1) = pileOf({"5D"});
    renderer->drawTable(false);
    const QImage& five = *images->faceOf(card("5D"));
    const QImage& king = *images->faceOf(card("KS"));
    const QImage& queen = *images->faceOf(card("QH"));
    // Tableau 2 at (100, 140); the queen lies 18 below the king at (20, 140).
    EXPECT_EQ(differencesFrom(buffer(), QPoint(100, 140), five), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20, 158), queen), 0);
    EXPECT_EQ(differences(window(), buffer()), 0);

    // Corners, each logical corner pixel a whole 2 x 2 block: a single card
    // shows the cloth at all four; the queen's top corners show the king
    // beneath, its bottom ones the cloth.
    int cornerPixels = 0;
    forEachCornerPixel(QRect(100, 140, W, H), true, true, 3, [&](int x, int y, bool, bool) {
        EXPECT_TRUE(sameBlock(buffer(), {x, y}, background(), {x, y})) << x << "," << y;
        ++cornerPixels;
    });
    EXPECT_EQ(cornerPixels, 12);
    forEachCornerPixel(QRect(20, 158, W, H), true, false, 3, [&](int x, int y, bool, bool) {
        EXPECT_TRUE(sameBlock(buffer(), {x, y}, king, {x - 20, y - 140})) << x << "," << y;
    });
    forEachCornerPixel(QRect(20, 158, W, H), false, true, 3, [&](int x, int y, bool, bool) {
        EXPECT_TRUE(sameBlock(buffer(), {x, y}, background(), {x, y})) << x << "," << y;
    });
    // Next to a corner the card's own edge is kept.
    EXPECT_TRUE(sameBlock(buffer(), {102, 140}, five, {2, 0}));
}

TEST_F(PixelRatioTest, TheFixedSizesLookAsTheLibrarysPicturesOnlySharper) {
    CardImages library(*s_library); // one pixel each, from the library
    library.setCardSize(state);
    for (const char* name : {"AS", "7D", "KH"}) {
        const QImage sharp = images->faceOf(card(name))->copy();
        const QImage down = sharp.scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
        // About 2 to 9 for the same card (the one-pixel edge and the index
        // shrink softer); another card differs by 40 and more.
        EXPECT_LT(meanDifference(down, *library.faceOf(card(name))), 15.0) << name;
    }
    // Medium cards keep the big back shrunk, except back 11.
    state.settings.write(settings::field::CardSize, "M");
    state.settings.write(settings::field::BackCard, "014");
    images->setCardSize(state);
    EXPECT_EQ(images->back().size(), QSize(2 * 59, 2 * 80));
    const QImage big = art::drawBack(art::kBig, 14, 2.0);
    EXPECT_LT(meanDifference(images->back(), big.scaled(2 * 59, 2 * 80, Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation)
                                                 .convertToFormat(QImage::Format_RGB32)),
              1.0);
}

TEST_F(PixelRatioTest, BackAtRatioOneTheTableIsDrawnAsBefore) {
    // Nothing drawn at ratio 2 stays behind when the window returns to a
    // screen of ratio 1: pictures, pieces and buffers are all made afresh.
    state.piles.stock(table::kStock) = pileOf({"AH", "2H", "3H", "4H", "5H", "6H"});
    state.piles.tableau(0) = pileOf({"KS", "QH", "JC"});
    state.piles.tableau(3) = pileOf({"9D"});
    CardImages onceImages(*s_library);
    onceImages.setCardSize(state);
    table::ProgramState once = state;
    TableRenderer plain(once, onceImages, *s_library);
    plain.resizeBuffers(QSize(800, 600));
    plain.setWindowSize(QSize(800, 600));
    plain.drawTable(false);

    renderer->drawTable(false);
    renderer->setPixelRatio(1);
    EXPECT_EQ(buffer().size(), QSize(800, 600));
    renderer->drawTable(false);
    EXPECT_EQ(differences(buffer(), plain.tableBuffer()), 0);
    EXPECT_EQ(differences(window(), plain.windowImage()), 0);
}

TEST_F(PixelRatioTest, SelectionsHighlightsAndTheJokerLabelComeAndGoWholeBlocks) {
    // A selected card inverted and put back is the fresh table again.
    state.params.set(param::GameType, 3);
    state.piles.tableau(3) = pileOf({"5C"});
    state.piles.foundation(0) = pileOf({"5C"});
    renderer->drawTable(false);
    const QImage fresh = buffer().copy();
    renderer->invertSelectedCards();
    QImage inverted = images->faceOf(card("5C"))->copy();
    inverted.invertPixels();
    EXPECT_EQ(differencesFrom(buffer(), QPoint(260, 140), inverted), 0);
    renderer->toggleSelectionMark(card("5C"));
    EXPECT_EQ(differences(fresh, buffer()), 0);
    state.piles.foundation(0).clear();

    // Hatching (a picture of one pixel each) lies on the complete foundation
    // in whole blocks: black every third diagonal, the card between.
    std::string hearts;
    for (int code = 1; code <= 13; ++code) {
        hearts += table::cardText(code);
    }
    state.piles.foundation(1) = hearts;
    state.mainGame.setCell(cell::HighlightFoundationsMark, 1);
    renderer->drawTable(false);
    const QImage& king = *images->faceOf(13);
    QImage black(2 * kRatio, kRatio, QImage::Format_RGB32);
    black.setDevicePixelRatio(kRatio);
    black.fill(Qt::black);
    // Logical (x, y) of the hatch is (380 + 1 + x, 20 + 1 + y) on the table.
    EXPECT_TRUE(sameBlock(buffer(), {381 + 3, 21 + 3}, black, {0, 0}));
    EXPECT_TRUE(sameBlock(buffer(), {381 + 4, 21 + 3}, king, {1 + 4, 1 + 3}));
    state.mainGame.setCell(cell::HighlightFoundationsMark, 0);

    // The joker label, sharp text on white, and gone again to the bare cloth.
    state.mainGame.setFoundationY(0, 60);
    state.piles.foundation(1) = pileOf({"5H", "JK1"});
    renderer->drawTable(false);
    renderer->showJokerLabel(1, 6, 0);
    const QRect label(380 + W / 2 - 29, 42, 59, 14);
    EXPECT_EQ(pixelSafe(buffer(), label.left() + 1, label.top() + 1), qRgb(255, 255, 255));
    EXPECT_EQ(differences(window(), buffer()), 0);
    renderer->showJokerLabel(1, 0, 0);
    EXPECT_EQ(differencesIn(buffer(), background(), label), 0);
}

TEST(PixelOpsAtRatio, CopiesMoveWholeBlocksAndAOnePixelSourceIsRepeated) {
    QImage table(40, 20, QImage::Format_RGB32);
    table.setDevicePixelRatio(2);
    table.fill(Qt::black);
    QImage card(8, 8, QImage::Format_RGB32);
    card.setDevicePixelRatio(2);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            card.setPixel(x, y, qRgb(x * 30, y * 30, 7));
        }
    }
    // Logical (1, 1) to (3, 3) of the card, to logical (5, 2).
    copyPixels(table, QPoint(5, 2), card, QRect(1, 1, 2, 2));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(table.pixel(10 + x, 4 + y), card.pixel(2 + x, 2 + y));
        }
    }
    EXPECT_EQ(table.pixel(9, 4), qRgb(0, 0, 0));
    EXPECT_EQ(table.pixel(14, 7), qRgb(0, 0, 0));
    // Clipped at the right edge (logical 20 wide): only what fits.
    copyPixels(table, QPoint(19, 0), card);
    EXPECT_EQ(table.pixel(38, 0), card.pixel(0, 0));
    EXPECT_EQ(table.pixel(39, 1), card.pixel(1, 1));

    // A picture of one pixel each (a background picture) is repeated.
    QImage tile(2, 1, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 0, qRgb(0, 0, 255));
    copyPixels(table, QPoint(0, 9), tile);
    EXPECT_EQ(table.pixel(0, 18), qRgb(255, 0, 0));
    EXPECT_EQ(table.pixel(1, 19), qRgb(255, 0, 0));
    EXPECT_EQ(table.pixel(2, 18), qRgb(0, 0, 255));
    EXPECT_EQ(table.pixel(3, 19), qRgb(0, 0, 255));

    // Single pixels are blocks too.
    setPixelSafe(table, 15, 5, qRgb(1, 2, 3));
    EXPECT_EQ(table.pixel(31, 11), qRgb(1, 2, 3));
    EXPECT_EQ(table.pixel(29, 11), qRgb(0, 0, 0));
    EXPECT_EQ(pixelSafe(table, 15, 5), qRgb(1, 2, 3));
    EXPECT_EQ(pixelSafe(table, 20, 5, 42), 42u);
    darkenPixelSafe(table, 15, 5, 255);
    EXPECT_EQ(table.pixel(30, 10), qRgb(0, 0, 0));
    EXPECT_EQ(table.pixel(31, 11), qRgb(0, 0, 0));
    invertPixels(table, QRect(0, 0, 1, 1));
    EXPECT_EQ(table.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(table.pixel(2, 0), qRgb(0, 0, 0));
}

} // namespace
} // namespace vellomir::render::testing
