#include "table/card_position.h"

#include "catalogue/parameter_index.h"
#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;
using testing::pileOf;

// A table with big cards, the fan steps of the layout for big cards, and
// tableau 1 at (100, 50), foundation 1 at (400, 20), reserve 1 at (600, 30).
class CardPositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        TMainGame& g = state.mainGame;
        g.setCell(cell::FaceUpStepDown, 18);
        g.setCell(cell::FaceDownStepDown, 4);
        g.setCell(cell::FaceUpStepRight, 12);
        g.setCell(cell::FaceDownStepRight, 4);
        g.setCell(cell::SpacingUnit, 6);
        g.setCell(cell::PlainFanStep, 3);
        g.setCell(cell::FanStyle6StepA, 7);
        g.setTableauX(0, 100);
        g.setTableauY(0, 50);
        g.setFoundationX(0, 400);
        g.setFoundationY(0, 20);
        g.setReserveX(0, 600);
        g.setReserveY(0, 30);
        g.setStockX(kStock, 10);
        g.setStockY(kStock, 15);
        state.settings.write(settings::field::PilesTT, "N");
        state.piles.tableau(0) = pileOf({"KS", "QH", "JC", "10D", "9S"});
        state.piles.foundation(0) = pileOf({"AH", "2H", "3H"});
        state.piles.reserve(0) = pileOf({"5C", "6C", "7C"});
        state.piles.stock(kStock) = pileOf({"4D", "5D"});
        state.cards.setFaceUp(testing::card("KS"), false);
        state.cards.setFaceUp(testing::card("QH"), false);
    }
    CardPoint tableau(int index) { return cardPosition(state, {PileKind::Tableau, 0}, index); }

    ProgramState state;
};

TEST_F(CardPositionTest, DownwardFanStepsByTheFaceOfEachCardBelow) {
    state.params.set(param::TableauFanStyle, 1);
    EXPECT_EQ(tableau(0), (CardPoint{100, 50}));
    EXPECT_EQ(tableau(1), (CardPoint{100, 54})); // over one face-down card
    EXPECT_EQ(tableau(2), (CardPoint{100, 58}));
    EXPECT_EQ(tableau(3), (CardPoint{100, 76})); // then face-up steps
    EXPECT_EQ(tableau(4), (CardPoint{100, 94}));
    EXPECT_EQ(topCardPosition(state, {PileKind::Tableau, 0}), tableau(4));
}

TEST_F(CardPositionTest, SidewaysFansAndTheSingleStepOfStyleSeven) {
    state.params.set(param::TableauFanStyle, 2);
    EXPECT_EQ(tableau(3), (CardPoint{100 + 4 + 4 + 12, 50}));
    state.params.set(param::TableauFanStyle, 4);
    EXPECT_EQ(tableau(2), (CardPoint{100 + 2 * (71 + 6), 50}));
    state.params.set(param::TableauFanStyle, 6);
    EXPECT_EQ(tableau(4), (CardPoint{100 + 4 * 7, 50}));
    state.params.set(param::TableauFanStyle, 7);
    EXPECT_EQ(tableau(0), (CardPoint{100, 50}));
    EXPECT_EQ(tableau(1), (CardPoint{100, 68}));
    EXPECT_EQ(tableau(4), (CardPoint{100, 68}));
    state.params.set(param::TableauFanStyle, 3); // squared up
    EXPECT_EQ(tableau(4), (CardPoint{100, 50}));
}

TEST_F(CardPositionTest, EachKindFollowsItsOwnFanStyle) {
    state.params.set(param::TableauFanStyle, 1);
    state.params.set(param::FoundationFanStyle, 3);
    state.params.set(param::ReserveFanStyle, 5);
    EXPECT_EQ(cardPosition(state, {PileKind::Foundation, 0}, 2), (CardPoint{400, 20}));
    EXPECT_EQ(cardPosition(state, {PileKind::Reserve, 0}, 2), (CardPoint{600, 36}));
    // The stock list never fans; the top card of its two lies up and left by
    // the pile's depth, one pixel, as it is drawn.
    EXPECT_EQ(cardPosition(state, {PileKind::Stock, kStock}, 1), (CardPoint{9, 14}));
    // Style 5 belongs to reserves and style 6 to tableaus only.
    state.params.set(param::TableauFanStyle, 5);
    EXPECT_EQ(tableau(3), (CardPoint{100, 50}));
    state.params.set(param::ReserveFanStyle, 6);
    EXPECT_EQ(cardPosition(state, {PileKind::Reserve, 0}, 2), (CardPoint{600, 30}));
    state.params.set(param::FoundationFanStyle, 1);
    EXPECT_EQ(cardPosition(state, {PileKind::Foundation, 0}, 2), (CardPoint{400, 56}));
}

TEST_F(CardPositionTest, PositionsAreHandedOutLessTheScrollOffset) {
    state.params.set(param::TableauFanStyle, 1);
    state.mainGame.setCell(cell::ScrollOffset, 30);
    EXPECT_EQ(tableau(4), (CardPoint{100, 64}));
    EXPECT_EQ(pilePosition(state, {PileKind::Stock, kStock}), (CardPoint{9, -16}));
}

TEST_F(CardPositionTest, HandLaidPilesTakeTheJitterOfTheirRow) {
    RandomGenerator random(99);
    state.jitter.rebuild(random);
    state.params.set(param::TableauFanStyle, 1);
    const CardPoint straight = tableau(4);
    state.settings.write(settings::field::PilesTT, "Y");
    EXPECT_EQ(tableau(4).x, straight.x + state.jitter.entry(1, 4));
    EXPECT_EQ(tableau(4).y, straight.y);
    // Any setting but "N" counts as on.
    state.settings.write(settings::field::PilesTT, "");
    EXPECT_EQ(tableau(4).x, straight.x + state.jitter.entry(1, 4));

    // Card 13 of a long pile takes entry 1 again.
    std::string longPile;
    for (int code = 27; code <= 41; ++code) { // clubs, all face up
        longPile += cardText(code);
    }
    state.piles.tableau(8) = longPile;
    state.mainGame.setTableauX(8, 300);
    state.mainGame.setTableauY(8, 0);
    const CardPoint c13 = cardPosition(state, {PileKind::Tableau, 8}, 13);
    EXPECT_EQ(c13.x, 300 + state.jitter.entry(JitterTable::rowOf(8), 1));
    EXPECT_EQ(c13.y, 13 * 18);

    // Other styles and other kinds never jitter.
    state.params.set(param::TableauFanStyle, 2);
    EXPECT_EQ(tableau(4).y, 50);
    EXPECT_EQ(tableau(4).x, 100 + 4 + 4 + 12 + 12);
    state.params.set(param::FoundationFanStyle, 1);
    EXPECT_EQ(cardPosition(state, {PileKind::Foundation, 0}, 2).x, 400);
}

TEST_F(CardPositionTest, PlacementFollowsTheNotPlacedMarker) {
    EXPECT_TRUE(isPlaced(state, {PileKind::Tableau, 0}));
    state.mainGame.resetGeometry();
    EXPECT_FALSE(isPlaced(state, {PileKind::Tableau, 0}));
    EXPECT_FALSE(isPlaced(state, {PileKind::Stock, kDiscard}));
}

// A long fan that would run past the table's bottom closes up: face-down
// steps first, then face-up steps, never below the step that shows each
// card's index; the next card's place follows the same steps.
TEST_F(CardPositionTest, AFanRunningPastTheBottomClosesUpFaceDownCardsFirst) {
    state.params.set(param::TableauFanStyle, 1);
    state.settings.write(settings::field::CardSize, "B");
    // Plain: the top card (index 4) lies at 94 and ends at 190.
    state.fanLimits.bottom = 190;
    EXPECT_EQ(tableau(4), (CardPoint{100, 94}));
    // Four pixels short: the two face-down steps shrink from 4 to 2.
    state.fanLimits.bottom = 186;
    EXPECT_EQ(tableau(2), (CardPoint{100, 54}));
    EXPECT_EQ(tableau(4), (CardPoint{100, 90}));
    // Shorter still: the face-up steps close up to the big index's 17 pixels.
    state.fanLimits.bottom = 150;
    const FanSteps steps = fanSteps(state, {PileKind::Tableau, 0}, state.piles.tableau(0));
    EXPECT_EQ(steps, (FanSteps{2, 17}));
    EXPECT_EQ(tableau(4), (CardPoint{100, 50 + 2 * 2 + 2 * 17}));
    // The place of a card to come closes up with the pile it joins.
    EXPECT_EQ(nextCardPosition(state, {PileKind::Tableau, 0}).y, 50 + 2 * 2 + 3 * 17);
}

TEST_F(CardPositionTest, FittedLargeCardsCloseUpToTheirShorterIndex) {
    state.params.set(param::TableauFanStyle, 1);
    state.settings.write(settings::field::CardSize, "F");
    state.cardSize = {142, 192};
    state.mainGame.setCell(cell::FaceUpStepDown, 36);
    state.mainGame.setCell(cell::FaceDownStepDown, 8);
    state.fanLimits.bottom = 50 + 192; // no room at all
    EXPECT_EQ(fanSteps(state, {PileKind::Tableau, 0}, state.piles.tableau(0)),
              (FanSteps{2, 28})); // 14.5 % of 192, rounded up
}

TEST_F(CardPositionTest, ASidewaysFanClosesUpBeforeThePileBesideIt) {
    state.params.set(param::TableauFanStyle, 2);
    state.settings.write(settings::field::CardSize, "M");
    state.cardSize = {59, 80};
    state.fanLimits.tableauRight[0] = 100 + 59 + 4 + 4 + 10 + 10 - 4;
    const FanSteps steps = fanSteps(state, {PileKind::Tableau, 0}, state.piles.tableau(0));
    EXPECT_EQ(steps.faceDown, 2);
    // Medium cards' face-up steps are as close as their index allows.
    EXPECT_EQ(tableau(4).x, 100 + 2 + 2 + 12 + 12);
}

} // namespace
} // namespace vellomir::table
