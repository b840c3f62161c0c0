#include "drawing_fixture.h"

#include "table/card_position.h"
#include "table/card_removal.h"

#include <QCoreApplication>

namespace vellomir::render::testing {
namespace {

class CardMotionTest : public DrawingTest {
protected:
    // A tableau of six face-up cards on tableau 1; the top three are carried.
    void carryRun() {
        state.piles.tableau(0) = pileOf({"KS", "QH", "JC", "10D", "9S", "8H"});
        renderer->drawTable(false);
        // The run from the jack: its top at 140 + 2 * 18, down to the last card.
        runTop = QPoint(20, 140 + 2 * 18);
        runHeight = 3 * 18 + H;
        renderer->pickUpCarried(card("JC"), QRect(runTop, QSize(W, runHeight)), runHeight);
        renderer->drawTableWithout({card("JC"), card("10D"), card("9S"), card("8H")});
    }

    // Pixels of the window outside `keep` (logical) that differ from the
    // table buffer.
    int trailOutside(const QRect& keep) {
        const int r = pixelRatioOf(window());
        int trail = 0;
        for (int y = 0; y < window().height(); ++y) {
            for (int x = 0; x < window().width(); ++x) {
                if (!keep.contains(x / r, y / r) && window().pixel(x, y) != buffer().pixel(x, y)) {
                    ++trail;
                }
            }
        }
        return trail;
    }

    QPoint runTop;
    int runHeight = 0;
};

class CardMotionAtRatioTest : public CardMotionTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        CardMotionTest::SetUp();
        renderer->setPixelRatio(GetParam());
    }
};
INSTANTIATE_TEST_SUITE_P(OneAndTwo, CardMotionAtRatioTest, ::testing::Values(1, 2));

TEST_P(CardMotionAtRatioTest, AFlightEndsWithTheCardAtItsTargetAndNoTrail) {
    state.piles.tableau(2) = pileOf({"3D"});
    renderer->drawTable(false);
    const QImage before = buffer().copy();
    repaints.clear();
    renderer->flyCard(card("QH"), 20, 20, 500, 300, {});
    EXPECT_GT(repaints.size(), 5u);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(500, 300), *images->faceOf(card("QH"))), 0);
    EXPECT_EQ(differencesFrom(window(), QPoint(500, 300), *images->faceOf(card("QH"))), 0);
    // Everywhere else the window shows the table as it was.
    EXPECT_EQ(trailOutside(QRect(500, 300, W, H)), 0);
    EXPECT_EQ(differencesIn(buffer(), before, QRect(0, 0, 800, 300)), 0);
    // The corners show the cloth beneath.
    EXPECT_EQ(pixelSafe(buffer(), 500, 300), pixelSafe(background(), 500, 300));
}

TEST_F(CardMotionTest, ShortFastFlightsStillArrive) {
    renderer->drawTable(false);
    // A fast vertical step of a few pixels rounds to nothing; the card must
    // still land where it was sent.
    renderer->flyCard(card("5S"), 200, 300, 203, 308, {.fast = true});
    EXPECT_EQ(differencesFrom(buffer(), QPoint(203, 308), *images->faceOf(card("5S"))), 0);
    renderer->flyCard(-1, 400, 300, 400, 300, {.fast = true});
    EXPECT_EQ(differencesFrom(buffer(), QPoint(400, 300), images->back()), 0);
}

TEST_F(CardMotionTest, AFlightOffTheTableEndsThreeCardSizesOffTheTopLeft) {
    renderer->drawTable(false);
    const QImage before = buffer().copy();
    renderer->flyCard(card("5S"), 200, 300, -10001, -10001, {.final = false});
    EXPECT_EQ(renderer->dragRect().topLeft(), QPoint(-3 * W, -3 * H));
    EXPECT_EQ(differences(window(), before), 0);
}

TEST_P(CardMotionAtRatioTest, LiftedFlightsLandAtTheirTarget) {
    renderer->drawTable(false);
    renderer->flyCard(card("6C"), 100, 400, 600, 250, {.lifted = true});
    EXPECT_EQ(differencesFrom(buffer(), QPoint(600, 250), *images->faceOf(card("6C"))), 0);
    EXPECT_EQ(trailOutside(QRect(600, 250, W, H)), 0);
}

TEST_F(CardMotionTest, DrawCarriedRestoresTheUncoveredStripsAndTheShadow) {
    carryRun();
    const QImage& run = images->scratchCard();
    ASSERT_EQ(run.size(), QSize(W, runHeight));
    // The carried picture is the run as it lay fanned.
    EXPECT_EQ(run.pixel(30, 18 + 10), images->faceOf(card("10D"))->pixel(30, 10));
    EXPECT_EQ(run.pixel(30, 3 * 18 + 50), images->faceOf(card("8H"))->pixel(30, 50));

    // Move right and down, then left and up, then far away.
    const QPoint steps[] = {{35, 190}, {60, 230}, {44, 210}, {300, 350}, {298, 349}};
    for (const QPoint p : steps) {
        renderer->drawCarried(p.x(), p.y(), false, true);
        const QRect now(p, QSize(W, runHeight));
        EXPECT_EQ(renderer->dragRect(), now);
        EXPECT_EQ(window().pixel(p.x() + 30, p.y() + 3 * 18 + 50),
                  images->faceOf(card("8H"))->pixel(30, 50));
        // Only the picture and its shadow differ from the table.
        EXPECT_EQ(trailOutside(now.adjusted(0, 0, 9, 9)), 0) << p.x() << "," << p.y();
    }
    // A run casts the soft shadow: the table right of it is darkened, most
    // next to the cards and fading outwards, never to black.
    const QRect last(steps[4], QSize(W, runHeight));
    const int y = last.top() + 40;
    const QRgb near = window().pixel(last.right() + 1, y);
    const QRgb far = window().pixel(last.right() + 8, y);
    const QRgb table = buffer().pixel(last.right() + 1, y);
    EXPECT_LT(qGray(near), qGray(table));
    EXPECT_LE(qGray(near), qGray(far));
    EXPECT_NE(near, qRgb(0, 0, 0));
    // Below the run's whole height, not only one card's.
    EXPECT_LT(qGray(window().pixel(last.left() + 30, last.bottom() + 2)),
              qGray(buffer().pixel(last.left() + 30, last.bottom() + 2)));
    renderer->dropCarried();
    EXPECT_EQ(differences(window(), buffer()), 0);
    // The buffer shows the tableau without the run.
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20, 158), *images->faceOf(card("QH"))), 0);
    EXPECT_EQ(buffer().pixel(40, 158 + H + 5), background().pixel(40, 158 + H + 5));
}

TEST_F(CardMotionTest, ACardTakenFromARowOfCardsSideBySideLeavesItsPlaceEmpty) {
    // Two rows of a pyramid-like game: the cards lie side by side, and a card
    // taken away leaves a gap in its row.
    state.params.set(param::TableauFanStyle, 4);
    state.piles.tableau(0) = pileOf({"3S", "10H", "4D", "KC"});
    state.piles.tableau(1) = pileOf({"7C", "6H", "2D"});
    state.mainGame.setTableauX(1, 60);
    state.mainGame.setTableauY(1, 260);
    renderer->drawTable(false);
    for (const std::vector<int>& taken :
         {std::vector<int>{card("10H")}, std::vector<int>{card("4D"), card("6H")}}) {
        renderer->drawTableWithout(taken);
        const QImage without = buffer().copy();
        // What the table holds once those cards have gone.
        const table::PileLists held = state.piles;
        for (int code : taken) {
            for (int t = 0; t < 2; ++t) {
                table::removeFromPile(state.piles.tableau(t), code, table::RemovalKind::LeaveGap);
            }
        }
        renderer->drawTable(false);
        EXPECT_EQ(differences(without, buffer()), 0);
        state.piles = held;
        renderer->drawTable(false);
    }
    // The cards beside the gap stay where they were: the king is still in its place.
    renderer->drawTableWithout({card("10H")});
    const int step = W + 6;
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20 + 3 * step, 140), *images->faceOf(card("KC"))),
              0);
    EXPECT_EQ(buffer().pixel(20 + step + W / 2, 140 + H / 2),
              background().pixel(20 + step + W / 2, 140 + H / 2));
}

TEST_F(CardMotionTest, ASquaredPileCarriedWholeShowsItsTopCard) {
    // Accordion's piles lie squared, each card over the last; one carried
    // from its bottom card shows the card on top, not the bottom one.
    state.params.set(param::TableauFanStyle, 5);
    state.piles.tableau(0) = pileOf({"7H", "10H", "4H"});
    renderer->drawTable(false);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20, 140), *images->faceOf(card("4H"))), 0);
    state.carryGroup(H, table::CarriedCards::Run);
    renderer->pickUpCarried(card("7H"), QRect(20, 140, W, H), H);
    renderer->drawTableWithout({card("7H"), card("10H"), card("4H")});
    renderer->drawCarried(300, 200, false, true);
    EXPECT_EQ(differencesFrom(window(), QPoint(300, 200), *images->faceOf(card("4H"))), 0);
}

TEST_F(CardMotionTest, ASingleCardCastsTheSoftShadowOnlyWhenShadowsAreOn) {
    state.piles.tableau(1) = pileOf({"AD"});
    renderer->drawTable(false);
    renderer->pickUpCarried(card("AD"), QRect(100, 140, W, H), H);
    renderer->drawTableWithout({card("AD")});
    renderer->liftCarried();
    EXPECT_EQ(renderer->dragRect().topLeft(), QPoint(93, 133));
    const QRect lifted = renderer->dragRect();
    int shadowPixels = 0;
    for (int y = lifted.top() + 9; y < lifted.bottom() + 9; ++y) {
        for (int x = lifted.right() + 1; x <= lifted.right() + 9; ++x) {
            shadowPixels += window().pixel(x, y) != buffer().pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(shadowPixels, 100);
    // The rounded corner shows the shadow beneath, darker than the table.
    EXPECT_LT(qGray(window().pixel(lifted.right(), lifted.bottom() - 1)),
              qGray(buffer().pixel(lifted.right(), lifted.bottom() - 1)));

    renderer->dropCarried();
    state.settings.write(settings::field::CardsShadowed, "N");
    renderer->pickUpCarried(card("AD"), QRect(100, 140, W, H), H);
    renderer->drawCarried(150, 200, false, true);
    EXPECT_EQ(trailOutside(QRect(150, 200, W, H)), 0);
}

TEST_F(CardMotionTest, AFinalDrawingLeavesTheCarriedCardsOnTheTable) {
    carryRun();
    renderer->drawCarried(300, 200, false, true);
    renderer->drawCarried(400, 150, true, true);
    EXPECT_EQ(differences(window(), buffer()), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(400, 150 + 3 * 18), *images->faceOf(card("8H"))), 0);
}

TEST_P(CardMotionAtRatioTest, CarriedCardsPutBackLookAsAFreshDrawing) {
    // A run carried about, lifted, and laid down where it came from: the
    // table is the one a full drawing gives, corners and all.
    state.piles.tableau(1) = pileOf({"4C"});
    carryRun();
    const QImage fresh = [&] {
        renderer->drawTable(false);
        return buffer().copy();
    }();
    renderer->pickUpCarried(card("JC"), QRect(runTop, QSize(W, runHeight)), runHeight);
    renderer->drawTableWithout({card("JC"), card("10D"), card("9S"), card("8H")});
    for (const QPoint p : {QPoint(70, 200), QPoint(95, 150), QPoint(33, 171)}) {
        renderer->drawCarried(p.x(), p.y(), false, true);
        EXPECT_EQ(trailOutside(QRect(p, QSize(W, runHeight)).adjusted(0, 0, 9, 9)), 0)
            << p.x() << "," << p.y();
    }
    renderer->liftCarried();
    renderer->drawCarried(runTop.x(), runTop.y(), true, true);
    EXPECT_EQ(differences(fresh, buffer()), 0);
    renderer->dropCarried();
    EXPECT_EQ(differences(window(), buffer()), 0);
}

TEST_P(CardMotionAtRatioTest, ATurnedCardEndsFaceUpInPlace) {
    state.piles.tableau(0) = pileOf({"KS", "QH"});
    state.cards.setFaceUp(card("QH"), false);
    renderer->drawTable(false);
    state.cards.setFaceUp(card("QH"), true);
    renderer->drawCardTurned(card("QH"), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20, 158), *images->faceOf(card("QH"))), 0);
    EXPECT_EQ(differences(window(), buffer()), 0);
}

TEST_F(CardMotionTest, ACoveredCardShowsUntilHidden) {
    state.piles.tableau(0) = pileOf({"KS", "QH", "JC"});
    renderer->drawTable(false);
    renderer->showCoveredCard(card("QH"), 20, 158);
    EXPECT_EQ(differencesFrom(window(), QPoint(20, 158), *images->faceOf(card("QH"))), 0);
    EXPECT_NE(differences(window(), buffer()), 0);
    renderer->hideCoveredCard();
    EXPECT_EQ(differences(window(), buffer()), 0);
}

TEST_P(CardMotionAtRatioTest, TheWindowHoldsAPictureOfItsOwnOnlyWhileCardsMoveOrCover) {
    // At rest the window shows the table buffer itself: no second
    // screen-sized picture is held.
    renderer->drawTable(false);
    EXPECT_FALSE(renderer->holdsWindowPicture());
    const DrawingTarget::WindowView atRest = renderer->windowView();
    EXPECT_EQ(atRest.picture, &buffer());
    EXPECT_EQ(atRest.size, QSize(800, 600));

    // Lifted cards stay on the window while the buffer is drawn without them.
    carryRun();
    EXPECT_TRUE(renderer->holdsWindowPicture());
    EXPECT_EQ(differencesFrom(window(), runTop + QPoint(0, 3 * 18), *images->faceOf(card("8H"))),
              0);
    EXPECT_NE(differencesFrom(buffer(), runTop + QPoint(0, 3 * 18), *images->faceOf(card("8H"))),
              0);
    renderer->drawCarried(300, 200, false, true);
    EXPECT_EQ(renderer->windowView().picture, &window());
    // Given up once the program is idle again.
    renderer->dropCarried();
    QCoreApplication::processEvents();
    EXPECT_FALSE(renderer->holdsWindowPicture());

    // Flights keep it from one to the next.
    renderer->flyCard(card("QH"), 20, 20, 500, 300, {});
    renderer->flyCard(card("JS"), 20, 20, 600, 300, {});
    EXPECT_TRUE(renderer->holdsWindowPicture());
    QCoreApplication::processEvents();
    EXPECT_FALSE(renderer->holdsWindowPicture());
    renderer->showCoveredCard(card("KS"), 20, 140);
    EXPECT_TRUE(renderer->holdsWindowPicture());
    renderer->hideCoveredCard();
    QCoreApplication::processEvents();
    EXPECT_FALSE(renderer->holdsWindowPicture());
}

TEST_P(CardMotionAtRatioTest, DropTargetsAreMarkedUntilTheCardsAreLetGoAtEverySize) {
    for (const QSize size : {QSize(W, H), QSize(150, 203)}) {
        const bool fitted = size.width() != W;
        state.settings.write(settings::field::CardSize, fitted ? "F" : "B");
        state.cardSize = {size.width(), size.height()};
        images->setCardSize(state);
        const int w = size.width();
        const int h = size.height();
        for (int t = 0; t < 7; ++t) {
            state.mainGame.setTableauX(t, 20 + t * (w + 10));
            state.mainGame.setTableauY(t, 40 + h);
        }
        state.mainGame.setFoundationX(0, 20 + 3 * (w + 10));
        state.piles.tableau(0) = pileOf({"KS", "QH"});
        state.piles.tableau(1) = pileOf({"JC"});
        state.piles.tableau(2).clear();
        renderer->drawTable(false);
        const QImage fresh = buffer().copy();

        renderer->markDropTargets({"Fila1", "Fila3", "Dest1", "Nowhere"});
        const std::vector<QRect> marked{
            QRect(20, 40 + h + 18, w, h), // the queen, on top of tableau 1
            QRect(20 + 2 * (w + 10), 40 + h, w, h), QRect(20 + 3 * (w + 10), 20, w, h)};
        int outside = differences(fresh, buffer());
        for (const QRect& rect : marked) {
            const int inside = differencesIn(fresh, buffer(), rect);
            // The frame and the light cover the card, not only a few pixels.
            EXPECT_GT(inside, w * h / 2) << w;
            outside -= inside;
            EXPECT_EQ(differencesIn(window(), buffer(), rect), 0) << "shown at once, " << w;
            // The frame is a warm gold, whatever it lies on.
            const QRgb frame =
                pixelSafe(buffer(), rect.left() + std::max(2, w / 24) / 2, rect.center().y());
            EXPECT_GT(qRed(frame), 200) << w;
            EXPECT_GT(qRed(frame) - qBlue(frame), 100) << w;
        }
        EXPECT_EQ(outside, 0) << "nothing else marked, " << w;

        renderer->dropCarried();
        EXPECT_EQ(differences(fresh, buffer()), 0) << w;
        EXPECT_EQ(differences(window(), buffer()), 0) << w;
    }
}

} // namespace
} // namespace vellomir::render::testing
