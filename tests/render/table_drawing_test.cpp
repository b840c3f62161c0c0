#include "drawing_fixture.h"

#include "catalogue/rule_codes.h"
#include "render/table_background.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/peak_rows.h"

#include <QPainter>

namespace vellomir::render::testing {
namespace {

class TableDrawingTest : public DrawingTest {};
class TableDrawingAtRatioTest : public DrawingAtRatioTest {};
INSTANTIATE_TEST_SUITE_P(OneAndTwo, TableDrawingAtRatioTest, ::testing::Values(1, 2));

TEST_F(TableDrawingTest, DefaultClothAndColourWithItsFade) {
    EXPECT_EQ(QColor(background().pixel(400, 300)), QColor(0, 96, 0));
    EXPECT_EQ(QColor(window().pixel(10, 590)), QColor(0, 96, 0));

    state.settings.write(settings::field::BackgroundDef, "N");
    state.settings.write(settings::field::BackgroundFixedCol, "32768"); // green, 0x008000
    state.settings.write(settings::field::FadeBackground, "N");
    renderer->redrawBackground();
    EXPECT_EQ(QColor(window().pixel(400, 300)), QColor(0, 128, 0));

    state.settings.write(settings::field::FadeBackground, "Y");
    renderer->redrawBackground();
    // Black at the bottom, nearly the colour at the top, darker on the way down.
    EXPECT_EQ(QColor(background().pixel(5, 0)), QColor(0, mulDiv(255, 128, 256), 0));
    EXPECT_EQ(QColor(background().pixel(5, 599)), QColor(0, 0, 0));
    int previous = 256;
    for (int y = 0; y < 600; y += 7) {
        const int green = qGreen(background().pixel(100, y));
        EXPECT_LE(green, previous) << y;
        previous = green;
        EXPECT_EQ(background().pixel(0, y), background().pixel(799, y));
    }
    EXPECT_EQ(differences(window(), background()), 0);

    // A library picture below 500 is tiled.
    state.settings.write(settings::field::BackgroundBmp, "102");
    renderer->redrawBackground();
    const QImage tile = s_library->loadBitmap("B102");
    ASSERT_FALSE(tile.isNull());
    EXPECT_EQ(background().pixel(3, 4), background().pixel(3 + tile.width(), 4 + tile.height()));
    EXPECT_EQ(QColor(background().pixel(3, 4)), QColor(tile.pixel(3, 4)));
}

TEST_F(TableDrawingTest, AMissingCustomisedPictureFallsBackOnceToTheDefaultCloth) {
    state.settings.write(settings::field::BackgroundDef, "N");
    state.settings.write(settings::field::CustomBackgroundPresent, "Y");
    renderer->redrawBackground();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("Customized background image not found: "));
    EXPECT_EQ(QColor(background().pixel(400, 300)), QColor(0, 96, 0));
    // The program is told to forget the picture; the drawing changes no setting.
    EXPECT_EQ(customPicturesForgotten, 1);
    EXPECT_EQ(state.settings.read(settings::field::CustomBackgroundPresent), "Y");
    renderer->redrawBackground();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(customPicturesForgotten, 1);
    EXPECT_EQ(QColor(background().pixel(400, 300)), QColor(0, 96, 0));
}

TEST_F(TableDrawingTest, FacesBacksAndRoundedCorners) {
    state.piles.tableau(0) = pileOf({"KS", "QH"});
    state.cards.setFaceUp(card("KS"), false);
    state.piles.tableau(1) = pileOf({"7D"});
    renderer->drawTable(false);

    const QImage& face7D = *images->faceOf(card("7D"));
    EXPECT_EQ(differencesFrom(buffer(), QPoint(100, 140), face7D), 0);
    // Only the top four rows of the face-down king show.
    for (int x = 2; x < W - 2; ++x) {
        for (int y = 0; y < 4; ++y) {
            EXPECT_EQ(buffer().pixel(20 + x, 140 + y), images->back().pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20, 144), *images->faceOf(card("QH"))), 0);
    // The corners of a lone card show the cloth, the pixel next to them the card.
    const QRgb cloth = background().pixel(100, 140);
    for (const QPoint p : {QPoint(100, 140), QPoint(101, 140), QPoint(100, 141), QPoint(170, 140),
                           QPoint(170, 235), QPoint(169, 235), QPoint(100, 235)}) {
        EXPECT_EQ(buffer().pixel(p), cloth) << p.x() << "," << p.y();
    }
    EXPECT_EQ(buffer().pixel(102, 140), face7D.pixel(2, 0));
    // The window shows the buffer.
    EXPECT_EQ(differences(window(), buffer()), 0);
    EXPECT_EQ(renderer->lowestDrawnEdge(), 144 + H);
}

TEST_F(TableDrawingTest, EmptyPilesShowTheirMarks) {
    state.params.set(param::TableauEmptyCode + 2, 13); // a king's place
    state.params.set(param::EmptyStockIsRedeal, 1);
    state.params.set(param::StockPasses, -1);
    state.params.set(param::PassCountingStyle, 1);
    renderer->drawTable(false);

    auto expected = [&](const QString& suffix, QPoint at) {
        QImage picture = background().copy(QRect(at, QSize(W, H)));
        QPainter painter(&picture);
        painter.drawImage(0, 0, images->mark(suffix));
        painter.end();
        return picture;
    };
    EXPECT_EQ(differencesFrom(buffer(), QPoint(180, 140), expected("011", QPoint(180, 140))), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20, 140), expected("_TABLEAU", QPoint(20, 140))), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(300, 20), expected("010", QPoint(300, 20))), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(20, 20), expected("022", QPoint(20, 20))), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(110, 20), expected("_WASTE", QPoint(110, 20))), 0);

    // The same place drawn again stays the same: marks do not pile up.
    const QImage before = buffer().copy();
    renderer->drawPile("Fila3");
    EXPECT_EQ(differences(buffer(), before), 0);
}

TEST_F(TableDrawingTest, DeepPilesShowEdgesThatGrowWithTheirDepth) {
    auto stockOf = [&](int cards) {
        std::string pile;
        for (int i = 0; i < cards; ++i) {
            pile += table::cardText(1 + i % 104);
        }
        state.piles.stock(table::kStock) = pile;
        renderer->drawTable(false);
    };
    const QRgb cloth = background().pixel(20, 20);
    for (const auto& [cards, depth] :
         std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {14, 3}, {200, 15}}) {
        stockOf(cards);
        const table::CardPoint top =
            table::pilePosition(state, {table::PileKind::Stock, table::kStock});
        EXPECT_EQ(top.x, 20 - depth) << cards;
        EXPECT_EQ(top.y, 20 - depth) << cards;
        // The top card lies at the moved place; its right edge ends depth pixels
        // before the base card's, and the edges fill that much below and right.
        EXPECT_EQ(differencesFrom(buffer(), QPoint(20 - depth, 20 - depth), images->back()), 0)
            << cards;
        EXPECT_NE(buffer().pixel(20 + W - 1, 20 + H / 2), cloth) << cards;
        EXPECT_EQ(buffer().pixel(20 + W, 20 + H / 2), cloth) << cards;
        EXPECT_EQ(buffer().pixel(20 + W / 2, 20 + H), cloth) << cards;
        EXPECT_EQ(buffer().pixel(20 - depth - 1, 20 + H / 2), cloth) << cards;
    }
    // A shallower pile leaves no trace of the deeper one.
    stockOf(200);
    state.piles.stock(table::kStock) = pileOf({"AH", "2H"});
    renderer->drawPileTop("Mazzo");
    EXPECT_EQ(table::pilePosition(state, {table::PileKind::Stock, table::kStock}).x, 19);
    EXPECT_EQ(buffer().pixel(20 - 15, 20 - 15), cloth);
    EXPECT_EQ(buffer().pixel(20 - 3, 20 + H / 2), cloth);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(19, 19), images->back()), 0);
}

TEST_P(TableDrawingAtRatioTest, AStockWhoseTopIsDrawnLooksAsAFreshDrawingAtEveryDepth) {
    // Stock clicks draw only the pile's top; a pile left with one card must
    // not keep the edge its deeper self drew along the card's right side.
    auto stockOf = [&](int cards) {
        std::string pile;
        for (int i = 0; i < cards; ++i) {
            pile += table::cardText(1 + i % 52);
        }
        return pile;
    };
    for (const auto& [before, after] :
         std::vector<std::pair<int, int>>{{2, 1}, {14, 1}, {0, 1}, {1, 2}, {13, 14}, {3, 0}}) {
        state.piles.stock(table::kStock) = stockOf(before);
        renderer->drawTable(false);
        state.piles.stock(table::kStock) = stockOf(after);
        renderer->drawPileTop("Mazzo");
        const QImage drawn = buffer().copy();
        const QImage shown = window().copy();
        renderer->drawTable(false);
        EXPECT_EQ(differences(drawn, buffer()), 0) << before << " to " << after;
        EXPECT_EQ(differences(shown, window()), 0) << before << " to " << after;
    }
}

TEST_F(TableDrawingTest, SelectedCardsShowInvertedWithRoundCorners) {
    state.params.set(param::GameType, 3);
    state.piles.tableau(3) = pileOf({"5C"});
    state.piles.tableau(4) = pileOf({"8H"});
    state.piles.foundation(0) = pileOf({"5C"});
    renderer->drawTable(false);
    renderer->invertSelectedCards();

    QImage inverted = images->faceOf(card("5C"))->copy();
    inverted.invertPixels();
    EXPECT_EQ(differencesFrom(buffer(), QPoint(260, 140), inverted), 0);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(340, 140), *images->faceOf(card("8H"))), 0);
    EXPECT_EQ(buffer().pixel(260, 140), background().pixel(260, 140));
    EXPECT_EQ(differences(window(), buffer()), 0);

    renderer->toggleSelectionMark(card("5C"));
    EXPECT_EQ(differencesFrom(buffer(), QPoint(260, 140), *images->faceOf(card("5C"))), 0);
}

TEST_P(TableDrawingAtRatioTest, TheDealAnimationEndsWithTheSamePicture) {
    state.piles.stock(table::kStock) = pileOf({"AH", "2H", "3H", "4H"});
    for (const char* c : {"AH", "2H", "3H", "4H"}) {
        state.cards.setFaceUp(card(c), false);
    }
    state.piles.tableau(0) = pileOf({"KS"});
    state.piles.tableau(1) = pileOf({"QS", "JD"});
    state.cards.setFaceUp(card("QS"), false);
    renderer->drawTable(false);
    const QImage still = buffer().copy();
    repaints.clear();
    renderer->drawTable(true);
    EXPECT_EQ(differences(buffer(), still), 0);
    EXPECT_EQ(differences(window(), still), 0);
    EXPECT_GT(repaints.size(), 10u); // it moved on the screen
}

TEST_P(TableDrawingAtRatioTest, AShrunkPileIsErasedAndItsNeighboursRedrawn) {
    state.piles.tableau(0) = pileOf({"KS", "QH", "JC", "10D", "9S", "8H"});
    state.piles.tableau(1) = pileOf({"4C"});
    // A reserve just below tableau 1's column, overlapped by its long fan.
    state.params.set(param::ReserveFanStyle, 1);
    state.mainGame.setReserveX(0, 40);
    state.mainGame.setReserveY(0, 300);
    state.piles.reserve(0) = pileOf({"2D"});
    renderer->drawTable(false);
    const std::string old = state.piles.tableau(0);
    state.piles.tableau(0) = pileOf({"KS", "QH"});
    renderer->redrawShrunkPile(old, state.piles.tableau(0), "Fila1");
    const QImage afterShrink = buffer().copy();
    renderer->drawTable(false);
    EXPECT_EQ(differences(afterShrink, buffer()), 0);
    EXPECT_EQ(differences(window(), buffer()), 0);
}

TEST_P(TableDrawingAtRatioTest, APileWhoseFanClosesUpOrOpensIsRedrawnWhole) {
    // Two backs and four faces reach just above the table's bottom; one card
    // more closes the fan up, and taking it away opens it again.
    state.piles.tableau(0) = pileOf({"KS", "QH", "JC", "10D", "9S", "8H"});
    state.cards.setFaceUp(card("KS"), false);
    state.cards.setFaceUp(card("QH"), false);
    state.piles.tableau(1) = pileOf({"4C", "3D"});
    state.fanLimits.bottom = 140 + 2 * 4 + 3 * 18 + H + 2;
    const table::PileRef column{table::PileKind::Tableau, 0};
    renderer->drawTable(false);
    const table::FanSteps open = table::fanSteps(state, column, state.piles.tableau(0));

    auto expectAsAFreshDrawing = [&](const char* step) {
        const QImage drawn = buffer().copy();
        const QImage shown = window().copy();
        renderer->drawTable(false);
        EXPECT_EQ(differences(drawn, buffer()), 0) << step;
        EXPECT_EQ(differences(shown, window()), 0) << step;
    };
    // A seven put on the column: its top is drawn, as after most moves.
    state.piles.tableau(0) += table::cardText(card("7C"));
    ASSERT_NE(table::fanSteps(state, column, state.piles.tableau(0)), open);
    renderer->drawPileTop("Fila1");
    expectAsAFreshDrawing("closed by the top drawn");

    // The same through the whole pile drawn.
    state.piles.tableau(0) = pileOf({"KS", "QH", "JC", "10D", "9S", "8H"});
    renderer->drawTable(false);
    state.piles.tableau(0) += table::cardText(card("7C"));
    renderer->drawPile("Fila1");
    expectAsAFreshDrawing("closed by the pile drawn");

    // Taking the card away again opens the fan.
    const std::string closed = state.piles.tableau(0);
    state.piles.tableau(0) = pileOf({"KS", "QH", "JC", "10D", "9S", "8H"});
    ASSERT_EQ(table::fanSteps(state, column, state.piles.tableau(0)), open);
    renderer->redrawShrunkPile(closed, state.piles.tableau(0), "Fila1");
    expectAsAFreshDrawing("opened");
}

// One peak of TriPeaks: rows half a card apart, each card over the middle
// of the two below it. Emptied places show no mark and never wipe out the
// cards of the rows around them.
TEST_F(TableDrawingTest, AnEmptiedPlaceOfThePeaksKeepsTheCardsItOverlaps) {
    constexpr int kPeaks = 1;
    constexpr int kStep = W + 9;
    state.params.set(param::TableauPeaks, kPeaks);
    state.params.set(param::TableauCount, table::peakTableauCount(kPeaks));
    state.params.set(param::TableauFanStyle, 4);
    const char* cards[] = {"KS", "QS", "JS", "10S", "9S", "8S", "2C", "3C", "4C", "5C"};
    for (int t = 0; t < table::peakTableauCount(kPeaks); ++t) {
        state.mainGame.setTableauX(t, 20 + table::peakHalfSteps(kPeaks, t) * kStep / 2);
        state.mainGame.setTableauY(t, 140 + table::peakSpot(kPeaks, t)->row * H / 2);
        state.piles.tableau(t) = pileOf({cards[t]});
        state.cards.setFaceUp(card(cards[t]), t >= 6);
    }
    renderer->drawTable(false);
    // The first card of the row above the bottom row loses the two cards on it.
    for (const int t : {6, 7}) {
        const std::string old = state.piles.tableau(t);
        state.piles.tableau(t).clear();
        renderer->redrawShrunkPile(old, "", "Fila" + std::to_string(t + 1));
    }
    const QPoint freed(state.mainGame.tableauX(3), state.mainGame.tableauY(3));
    EXPECT_EQ(differencesFrom(buffer(), freed, images->back()), 0);
    EXPECT_EQ(differencesFrom(window(), freed, images->back()), 0);
    const QImage afterShrink = buffer().copy();
    renderer->drawTable(false);
    EXPECT_EQ(differences(afterShrink, buffer()), 0);
    // The emptied bottom place shows the cloth where no card lies on it.
    const QRect uncovered(20, 140 + 3 * (H / 2) + 6, 36, H - 12);
    EXPECT_EQ(differencesIn(buffer(), background(), uncovered), 0);
}

TEST_F(TableDrawingTest, CompleteFoundationsAreHighlighted) {
    std::string hearts;
    for (int code = 1; code <= 13; ++code) {
        hearts += table::cardText(code);
    }
    state.piles.foundation(1) = hearts;
    state.piles.foundation(2) = pileOf({"AC"});
    state.mainGame.setCell(cell::HighlightFoundationsMark, 2); // a solid fill, black by default
    renderer->drawTable(false);
    EXPECT_EQ(QColor(buffer().pixel(380 + 30, 20 + 40)), QColor(0, 0, 0));
    EXPECT_EQ(buffer().pixel(380, 20),
              background().pixel(380, 20)); // the inset leaves the top-left edge
    EXPECT_EQ(differencesFrom(buffer(), QPoint(460, 20), *images->faceOf(card("AC"))), 0);
}

// Where foundations take whole suit runs (Spider), a completed run shows
// its king, as it lay in the tableau; other foundations show their top card.
TEST_F(TableDrawingTest, ACompletedSuitRunShowsItsKingOnItsFoundation) {
    const std::string run =
        pileOf({"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S", "AS"});
    state.piles.foundation(0) = run;
    renderer->drawTable(false);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(300, 20), *images->faceOf(card("AS"))), 0);
    state.params.set(param::FoundationTakesSuitRun, 1);
    renderer->drawTable(false);
    EXPECT_EQ(differencesFrom(buffer(), QPoint(300, 20), *images->faceOf(card("KS"))), 0);
    EXPECT_EQ(state.piles.foundation(0), run) << "only the drawing changes";
}

TEST_F(TableDrawingTest, JokerLabelAboveItsFoundation) {
    state.mainGame.setFoundationY(0, 60);
    state.piles.foundation(1) = pileOf({"5H", "JK1"});
    renderer->drawTable(false);
    renderer->showJokerLabel(1, 6, 0);
    const QRect label(380 + W / 2 - 29, 42, 59, 14);
    EXPECT_EQ(QColor(buffer().pixel(label.left() + 1, label.top() + 1)), QColor(Qt::white));
    EXPECT_EQ(QColor(buffer().pixel(label.right(), label.top() + 3)), QColor(Qt::black));
    EXPECT_EQ(differencesIn(window(), buffer(), window().rect()), 0);
    // A full redraw keeps it; a rank of 0 takes it away.
    renderer->drawTable(false);
    EXPECT_EQ(QColor(buffer().pixel(label.left() + 1, label.top() + 1)), QColor(Qt::white));
    renderer->showJokerLabel(1, 0, 0);
    EXPECT_EQ(differencesIn(buffer(), background(), label), 0);
}

TEST_F(TableDrawingTest, NothingIsDrawnWhileNoGameIsInPlay) {
    state.piles.tableau(0) = pileOf({"KS"});
    state.flags.clear(table::Flag::GameInPlay);
    renderer->drawTable(false);
    EXPECT_EQ(differences(buffer(), background()), 0);
    EXPECT_FALSE(renderer->tableDrawn());
}

// The hint's frame stands out on every card back of the library, the blue
// ones too: somewhere across its edge the marked card differs in brightness
// from the card as it was by well over a third of the scale (the blue edge
// alone stays below that on the blue backs).
TEST_F(TableDrawingTest, TheHintFrameShowsOnEveryBack) {
    state.piles.tableau(0) = pileOf({"KS"});
    state.cards.setFaceUp(card("KS"), false);
    QStringList backs;
    for (const QString& name : s_library->bitmapNames()) {
        if (name.startsWith(QStringLiteral("DB"))) {
            backs << name.mid(2);
        }
    }
    ASSERT_GE(backs.size(), 3);
    constexpr int kStrongContrast = 100;
    for (const QString& back : backs) {
        state.settings.write(settings::field::BackCard, back.toStdString());
        images->loadBack(state);
        renderer->drawTable(false);
        const QImage before = buffer().copy();
        renderer->markHint("Fila1", "");
        int strongest = 0;
        // Along a line from the card's left edge towards its middle.
        for (int x = 20; x < 20 + W / 3; ++x) {
            const int y = 140 + H / 2;
            strongest = std::max(strongest,
                                 std::abs(qGray(buffer().pixel(x, y)) - qGray(before.pixel(x, y))));
        }
        EXPECT_GE(strongest, kStrongContrast) << "back " << back.toStdString();
        renderer->clearHintMarks();
    }
}

// In a row of places side by side (the gap rows) a hint names places, not
// piles: the mark covers the card that moves and the gap it goes into,
// and leaves the other places of the rows as they were drawn.
TEST_F(TableDrawingTest, TheHintMarksTheGapOfARowAlone) {
    state.params.set(param::TableauFanStyle, catalogue::codeOf(catalogue::FanStyle::SideBySide));
    state.piles.tableau(0) = pileOf({"2H", "3H"}) + table::cardText(0) + pileOf({"4S", "5S"});
    for (const char* name : {"2H", "3H", "4S", "5S"}) {
        state.cards.setFaceUp(card(name), true);
    }
    renderer->drawTable(false);
    const QImage before = buffer().copy();
    renderer->markHint("Fila1:4", "Fila1:2");
    auto changedAt = [&](int place) {
        const table::CardPoint at =
            table::cardPosition(state, {table::PileKind::Tableau, 0}, place);
        const QPoint middle(at.x + W / 2, at.y + H / 2);
        return buffer().pixel(middle) != before.pixel(middle) ||
               buffer().pixel(middle.x() - W / 2 + 2, middle.y()) !=
                   before.pixel(middle.x() - W / 2 + 2, middle.y());
    };
    EXPECT_TRUE(changedAt(4)) << "the card that moves";
    EXPECT_TRUE(changedAt(2)) << "the gap";
    for (const int other : {0, 1, 3}) {
        EXPECT_FALSE(changedAt(other)) << "place " << other;
    }
}

// Where only single cards move, a card named under others is drawn out
// alone: the mark covers that card, not the cards fanned over it up to the
// top, as it does for a run.
TEST_F(TableDrawingTest, TheHintMarksACardDrawnFromUnderOthersAlone) {
    state.params.set(param::TableauFanStyle, catalogue::codeOf(catalogue::FanStyle::Down));
    state.piles.tableau(0) = pileOf({"KH", "9C", "5D", "2S"});
    for (const char* name : {"KH", "9C", "5D", "2S"}) {
        state.cards.setFaceUp(card(name), true);
    }
    const table::CardPoint named = table::cardPosition(state, {table::PileKind::Tableau, 0}, 0);
    const table::CardPoint top = table::cardPosition(state, {table::PileKind::Tableau, 0}, 3);
    ASSERT_GT(top.y - named.y, 4);
    // Just above the top card's lower edge: below the named card's face.
    const QPoint topEdge(top.x + W / 2, top.y + H - 3);
    const QPoint namedFace(named.x + W / 2, named.y + 3);
    for (const int runSize : {1, 0}) {
        state.params.set(param::RunSizeLimit, runSize);
        renderer->drawTable(false);
        const QImage before = buffer().copy();
        renderer->markHint("Fila1:0", "");
        EXPECT_NE(buffer().pixel(namedFace), before.pixel(namedFace)) << runSize;
        EXPECT_EQ(buffer().pixel(topEdge) != before.pixel(topEdge), runSize != 1) << runSize;
        renderer->clearHintMarks();
    }
}

} // namespace
} // namespace vellomir::render::testing
