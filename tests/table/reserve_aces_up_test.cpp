#include "table/reserve_aces_up.h"

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

// The aces of the first pack (ranks run 1 to 13 within each suit).
constexpr int kAceOfHearts = 1;
constexpr int kAceOfClubs = 27;
constexpr int kAceOfSpades = 40;

using testing::cardsOf;
using testing::pileOf;

struct ReserveAcesUp : ::testing::Test {
    ProgramState state;
    void SetUp() override {
        state.params.set(param::CardCount, 104);
        state.params.set(param::FoundationCount, 3);
        state.params.set(param::ReserveCount, 1);
        state.params.set(param::DealArrangement, kReserveAcesUpArrangement);
    }
};

// Each ace goes to the first empty foundation in the order it lies in the
// reserve, and the stock's top card takes its place, face up; an ace that
// comes up from the stock goes up in turn.
TEST_F(ReserveAcesUp, AcesGoUpInOrderAndTheStockRefillsTheReserve) {
    state.piles.reserve(0) = pileOf({5, kAceOfClubs, 6, kAceOfHearts});
    state.piles.stock(kStock) = pileOf({29, 30, 31, kAceOfSpades});
    for (int card : {29, 30, 31, kAceOfSpades}) {
        state.cards.setFaceUp(card, false);
    }
    sendReserveAcesUp(state);
    EXPECT_EQ(cardsOf(state.piles.foundation(0)), (std::vector<int>{kAceOfClubs}));
    EXPECT_EQ(cardsOf(state.piles.foundation(1)), (std::vector<int>{kAceOfHearts}));
    EXPECT_EQ(cardsOf(state.piles.foundation(2)), (std::vector<int>{kAceOfSpades}));
    // Four cards still, none an ace: the ace of spades came up for the ace
    // of clubs and went up in turn.
    EXPECT_EQ(cardsOf(state.piles.reserve(0)), (std::vector<int>{5, 6, 31, 30}));
    EXPECT_EQ(cardsOf(state.piles.stock(kStock)), (std::vector<int>{29}));
    EXPECT_TRUE(state.cards.isFaceUp(30));
    EXPECT_TRUE(state.cards.isFaceUp(kAceOfSpades));
    EXPECT_FALSE(state.cards.isFaceUp(29));
}

// With no empty foundation left, or no card left in the stock, the
// arrangement stops: the cards stay where they are and none is lost.
TEST_F(ReserveAcesUp, StopsWhenTheFoundationsOrTheStockRunOut) {
    state.params.set(param::FoundationCount, 1);
    state.piles.reserve(0) = pileOf({kAceOfHearts, kAceOfClubs, 7});
    sendReserveAcesUp(state);
    EXPECT_EQ(cardsOf(state.piles.foundation(0)), (std::vector<int>{kAceOfHearts}));
    EXPECT_EQ(cardsOf(state.piles.reserve(0)), (std::vector<int>{kAceOfClubs, 7}));
    EXPECT_TRUE(state.piles.stock(kStock).empty());
}

} // namespace
} // namespace vellomir::table
