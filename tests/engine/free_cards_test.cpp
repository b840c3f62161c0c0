// Cards played from under others: the draw of Three Shuffles and a Draw
// (`TableauDraws`), taken once from under a fan's top card and given back by
// a step back, and Flower Garden's bouquet (`CoveredReserveSendable` -11),
// whose every card plays wherever it lies; and Kings' deal laid from the
// kings (`DealArrangement` 17); Miss Milligan's waiving place. Played
// through the pointer input.

#include "engine/dealt_game.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

// Cards of the first pack: ranks 1 to 13 within each suit, hearts first.
constexpr int kHeartsAce = 1;
constexpr int kClubsAce = 27;

// Puts `card` at `slot` of `pile`, the card that lay there taking the
// card's old place, wherever on the table that was.
void placeCardAt(table::ProgramState& state, int card, table::PileRef pile, int slot) {
    std::vector<int> target = cardsOf(state.piles.pile(pile));
    const int displaced = target.at(static_cast<std::size_t>(slot));
    for (int kind = 0; kind < 2; ++kind) {
        const table::PileKind k = kind == 0 ? table::PileKind::Tableau : table::PileKind::Reserve;
        const int count = k == table::PileKind::Tableau ? table::kMaxTableaus : table::kMaxReserves;
        for (int i = 0; i < count; ++i) {
            std::vector<int> cards = cardsOf(state.piles.pile({k, i}));
            auto at = std::ranges::find(cards, card);
            if (at != cards.end()) {
                *at = displaced;
                state.piles.pile({k, i}) = pileOf(cards);
            }
        }
    }
    target = cardsOf(state.piles.pile(pile));
    target.at(static_cast<std::size_t>(slot)) = card;
    state.piles.pile(pile) = pileOf(target);
}

int cardsIn(const std::string& pile) {
    return table::cardCount(pile);
}

TEST(FreeCards, ADrawTakesOneCardFromUnderAFanOnceAndAStepBackGivesItBack) {
    DealtGame t(game::kThreeShufflesAndADraw, 1);
    const table::PileRef first{table::PileKind::Tableau, 0};
    const table::PileRef second{table::PileKind::Tableau, 1};
    placeCardAt(t.state, kHeartsAce, first, 1);
    placeCardAt(t.state, kClubsAce, second, 0);
    const std::string firstBefore = t.state.piles.tableau(0);

    ASSERT_TRUE(t.run("drag Fila1:1 Dest1"));
    EXPECT_EQ(cardsOf(t.state.piles.foundation(0)), (std::vector<int>{kHeartsAce}));
    // The card above closes up over the drawn card's place.
    EXPECT_EQ(cardsIn(t.state.piles.tableau(0)), 2);
    EXPECT_EQ(table::topCardOf(t.state.piles.tableau(0)), table::topCardOf(firstBefore));

    // The one draw is taken: the ace of clubs under two cards stays put.
    t.run("drag Fila2:0 Dest2");
    EXPECT_TRUE(t.state.piles.foundation(1).empty());
    EXPECT_EQ(cardsIn(t.state.piles.tableau(1)), 3);

    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.state.piles.tableau(0), firstBefore);
    ASSERT_TRUE(t.run("drag Fila2:0 Dest2"));
    EXPECT_EQ(cardsOf(t.state.piles.foundation(1)), (std::vector<int>{kClubsAce}));
}

TEST(FreeCards, WithoutDrawsOnlyTheTopCardOfAFanMoves) {
    DealtGame t(game::kLaBelleLucie, 1);
    placeCardAt(t.state, kHeartsAce, {table::PileKind::Tableau, 0}, 1);
    t.run("drag Fila1:1 Dest1");
    EXPECT_TRUE(t.state.piles.foundation(0).empty());
    EXPECT_EQ(cardsIn(t.state.piles.tableau(0)), 3);
}

TEST(FreeCards, EveryCardOfTheBouquetPlaysWhereverItLies) {
    DealtGame t(game::kFlowerGarden, 1);
    const table::PileRef bouquet{table::PileKind::Reserve, 0};
    ASSERT_EQ(cardsIn(t.state.piles.reserve(0)), 16);
    placeCardAt(t.state, kHeartsAce, bouquet, 0);
    ASSERT_TRUE(t.run("drag Appogg1:0 Dest1"));
    EXPECT_EQ(cardsOf(t.state.piles.foundation(0)), (std::vector<int>{kHeartsAce}));
    EXPECT_EQ(cardsIn(t.state.piles.reserve(0)), 15);
    // Nothing goes back to the bouquet.
    t.run("drag Fila1 Appogg1");
    EXPECT_EQ(cardsIn(t.state.piles.reserve(0)), 15);
    EXPECT_EQ(cardsIn(t.state.piles.tableau(0)), 6);
}

TEST(FreeCards, KingsDealStartsEveryPileWithAKingAndSendsNothingUp) {
    for (long long deal : {1LL, 2LL, 1234567LL}) {
        DealtGame t(game::kKings, deal);
        int dealt = 0;
        for (int i = 0; i < 8; ++i) {
            const std::vector<int> pile = cardsOf(t.state.piles.tableau(i));
            ASSERT_FALSE(pile.empty()) << deal << " " << i;
            EXPECT_EQ(table::rankOf(pile.front()), 13) << deal << " " << i;
            EXPECT_EQ(std::ranges::count_if(pile, [](int c) { return table::rankOf(c) == 13; }), 1)
                << deal << " " << i;
            EXPECT_TRUE(
                std::ranges::all_of(pile, [&t](int c) { return t.state.cards.isFaceUp(c); }));
            dealt += static_cast<int>(pile.size());
        }
        EXPECT_EQ(dealt, 104) << deal;
        for (int f = 0; f < 8; ++f) {
            EXPECT_TRUE(t.state.piles.foundation(f).empty()) << deal;
        }
    }
}

// Miss Milligan's waiving place (the ninth pile, building rule 7) takes
// nothing while the stock holds cards, then one card or run while it is
// empty, and nothing more until its cards have been played back; the stock
// never deals to it.
TEST(FreeCards, TheWaivingPlaceOpensOnceTheStockIsOutAndHoldsOneWaiveAtATime) {
    DealtGame t(game::kMissMilligan, 1);
    t.run("drag Fila1 Fila9");
    EXPECT_TRUE(t.state.piles.tableau(8).empty());
    while (!t.state.piles.stock(table::kStock).empty()) {
        ASSERT_TRUE(t.run("click Mazzo"));
    }
    EXPECT_TRUE(t.state.piles.tableau(8).empty());
    const int waived = table::topCardOf(t.state.piles.tableau(0));
    ASSERT_TRUE(t.run("drag Fila1 Fila9"));
    EXPECT_EQ(cardsOf(t.state.piles.tableau(8)), (std::vector<int>{waived}));
    const std::string second = t.state.piles.tableau(1);
    t.run("drag Fila2 Fila9");
    EXPECT_EQ(cardsOf(t.state.piles.tableau(8)), (std::vector<int>{waived}));
    EXPECT_EQ(t.state.piles.tableau(1), second);
}

} // namespace
} // namespace vellomir::testing
