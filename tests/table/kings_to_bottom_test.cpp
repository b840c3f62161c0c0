#include "table/kings_to_bottom.h"

#include "catalogue/parameter_index.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

constexpr int kKingOfHearts = 13;
constexpr int kKingOfClubs = 39;
constexpr int kKingOfSpades = 52;

using testing::cardsOf;
using testing::pileOf;
struct KingsToBottom : ::testing::Test {
    ProgramState state;
    void SetUp() override {
        state.params.set(param::TableauCount, 3);
        state.params.set(param::KingsToBottom, 1);
    }
};

TEST_F(KingsToBottom, KingsGoUnderTheOtherCardsEachKeepingItsOrder) {
    state.piles.tableau(0) = pileOf({5, kKingOfClubs, 20, kKingOfHearts});
    state.piles.tableau(1) = pileOf({kKingOfSpades, 7, 8});
    state.piles.tableau(2) = pileOf({1, 2, 3});
    moveKingsToBottom(state);
    EXPECT_EQ(cardsOf(state.piles.tableau(0)),
              (std::vector<int>{kKingOfClubs, kKingOfHearts, 5, 20}));
    EXPECT_EQ(cardsOf(state.piles.tableau(1)), (std::vector<int>{kKingOfSpades, 7, 8}));
    EXPECT_EQ(cardsOf(state.piles.tableau(2)), (std::vector<int>{1, 2, 3}));
}

// The top card was dealt face up and the others face down: after the kings
// go down, the new top card is the face-up one and the king lies face down.
TEST_F(KingsToBottom, FacesStayWithThePlacesOfThePile) {
    state.piles.tableau(0) = pileOf({4, 30, kKingOfHearts});
    state.cards.setFaceUp(4, false);
    state.cards.setFaceUp(30, false);
    state.cards.setFaceUp(kKingOfHearts, true);
    moveKingsToBottom(state);
    EXPECT_EQ(cardsOf(state.piles.tableau(0)), (std::vector<int>{kKingOfHearts, 4, 30}));
    EXPECT_FALSE(state.cards.isFaceUp(kKingOfHearts));
    EXPECT_FALSE(state.cards.isFaceUp(4));
    EXPECT_TRUE(state.cards.isFaceUp(30));
}

TEST_F(KingsToBottom, LeavesTheTableAloneWhenNotChosenAndSkipsPlacesBeyondTheCount) {
    const std::string pile = pileOf({5, kKingOfHearts});
    state.piles.tableau(0) = pile;
    state.piles.tableau(3) = pile;  // beyond TableauCount
    state.piles.tableau(1) = "000"; // an empty place's mark stays as it is
    moveKingsToBottom(state);
    EXPECT_EQ(state.piles.tableau(3), pile);
    EXPECT_EQ(state.piles.tableau(1), "000");
    state.params.set(param::KingsToBottom, 0);
    moveKingsToBottom(state);
    EXPECT_EQ(cardsOf(state.piles.tableau(0)), (std::vector<int>{kKingOfHearts, 5}));
    state.piles.tableau(0) = pile;
    moveKingsToBottom(state);
    EXPECT_EQ(state.piles.tableau(0), pile);
}

} // namespace
} // namespace vellomir::table
