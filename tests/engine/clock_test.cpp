// The Clock: each card turned goes under the pile of its rank, that pile
// turns next, and the fourth king ends the game.

#include "engine/actions/clock_rules.h"

#include "engine/dealt_game.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>

namespace vellomir::testing {
namespace {

using engine::clockPileOfRank;
using engine::clockPileToTurn;
using engine::kClockKingsPile;

using namespace vellomir::testing::game;
constexpr int kPiles = 13;
constexpr int kSuits = 4;

std::string cardName(int rank, int suit) {
    static constexpr std::array<const char*, 4> kSuitLetters{"H", "D", "C", "S"};
    const std::string ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return ranks[rank - 1] + kSuitLetters[static_cast<std::size_t>(suit)];
}

struct ClockTable : DealtGame {
    ClockTable() : DealtGame(kClock, 1) {}

    // Deals pile t the four cards of rank rankOfPile[t], all face down.
    void layOut(const std::array<int, kPiles>& rankOfPile) {
        for (int t = 0; t < kPiles; ++t) {
            std::string pile;
            for (int suit = 0; suit < kSuits; ++suit) {
                const int code = card(cardName(rankOfPile[static_cast<std::size_t>(t)], suit));
                pile += table::cardText(code);
                state.cards.setFaceFlag(code, '0');
            }
            state.piles.tableau(t) = pile;
        }
    }
    bool clickPile(int t) { return run("click Fila" + std::to_string(t + 1)); }
    // Every card of the clock once, and how many lie face up.
    int faceUpCards() {
        std::set<int> seen;
        int up = 0;
        for (int t = 0; t < kPiles; ++t) {
            const std::string& pile = state.piles.tableau(t);
            for (int i = 0; i < table::cardCount(pile); ++i) {
                const int code = table::cardAt(pile, i);
                EXPECT_TRUE(seen.insert(code).second) << "card " << code << " twice";
                up += state.cards.isFaceUp(code) ? 1 : 0;
            }
        }
        EXPECT_EQ(seen.size(), 52U);
        return up;
    }
};

TEST(Clock, EachTurnGoesUnderThePileOfItsRankAndThatPileTurnsNext) {
    ClockTable t;
    EXPECT_EQ(t.faceUpCards(), 0);
    ASSERT_EQ(clockPileToTurn(t.state), kClockKingsPile);
    // Only the pile whose turn it is answers a click.
    const table::PileLists dealt = t.state.piles;
    t.clickPile(0);
    EXPECT_EQ(t.state.piles, dealt);
    EXPECT_EQ(t.faceUpCards(), 0);

    const int first = table::topCardOf(t.state.piles.tableau(kClockKingsPile));
    ASSERT_TRUE(t.clickPile(kClockKingsPile));
    const int under = clockPileOfRank(table::rankOf(first));
    EXPECT_EQ(table::cardAt(t.state.piles.tableau(under), 0), first);
    EXPECT_TRUE(t.state.cards.isFaceUp(first));
    EXPECT_EQ(t.faceUpCards(), 1);
    EXPECT_EQ(clockPileToTurn(t.state), under);
    // One undo takes the card back face down onto the kings' pile.
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.state.piles, dealt);
    EXPECT_EQ(t.faceUpCards(), 0);

    // Played through, the deal ends won or lost after at most 52 turns, each
    // turning one more card; lost means the fourth king came up first.
    int turns = 0;
    while (const std::optional<int> next = clockPileToTurn(t.state)) {
        ASSERT_TRUE(t.clickPile(*next));
        ASSERT_EQ(t.faceUpCards(), ++turns);
        ASSERT_LE(turns, 52);
    }
    EXPECT_EQ(t.state.gamesEnded, 1);
    EXPECT_EQ(t.state.lastEndingWon, turns == 52);
    const std::string& kings = t.state.piles.tableau(kClockKingsPile);
    ASSERT_EQ(table::cardCount(kings), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(table::rankOf(table::cardAt(kings, i)), 13);
        EXPECT_TRUE(t.state.cards.isFaceUp(table::cardAt(kings, i)));
    }
}

TEST(Clock, TheDealComesOutWhenTheLastKingIsTheLastCard) {
    // Kings' pile: the aces; each hour's pile: the next rank up, so the
    // turns run ace, 2, ... queen, king four times round.
    ClockTable t;
    std::array<int, kPiles> ranks{};
    for (int hour = 1; hour <= 12; ++hour) {
        ranks[static_cast<std::size_t>(hour - 1)] = hour + 1;
    }
    ranks[kClockKingsPile] = 1;
    t.layOut(ranks);
    for (int turn = 1; turn <= 52; ++turn) {
        const std::optional<int> next = clockPileToTurn(t.state);
        ASSERT_TRUE(next.has_value()) << turn;
        EXPECT_EQ(*next, turn == 1 ? kClockKingsPile : (turn - 2) % 13) << turn;
        ASSERT_TRUE(t.clickPile(*next)) << turn;
    }
    EXPECT_EQ(t.faceUpCards(), 52);
    EXPECT_EQ(t.state.gamesEnded, 1);
    EXPECT_TRUE(t.state.lastEndingWon);
    EXPECT_EQ(t.state.settings.readInt(settings::field::Score, 0), 48);
    // Each pile holds the four cards of its own rank.
    for (int p = 0; p < kPiles; ++p) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(clockPileOfRank(table::rankOf(table::cardAt(t.state.piles.tableau(p), i))),
                      p);
        }
    }
}

TEST(Clock, FourKingsFirstLoseTheGame) {
    ClockTable t;
    std::array<int, kPiles> ranks{};
    for (int p = 0; p < kPiles; ++p) {
        ranks[static_cast<std::size_t>(p)] = p + 1; // the kings' pile holds the kings
    }
    t.layOut(ranks);
    for (int turn = 0; turn < 4; ++turn) {
        ASSERT_EQ(clockPileToTurn(t.state), kClockKingsPile);
        ASSERT_TRUE(t.clickPile(kClockKingsPile));
    }
    EXPECT_FALSE(clockPileToTurn(t.state).has_value());
    EXPECT_EQ(t.faceUpCards(), 4);
    EXPECT_EQ(t.state.gamesEnded, 1);
    EXPECT_FALSE(t.state.lastEndingWon);
    const table::PileLists ended = t.state.piles;
    t.clickPile(0);
    EXPECT_EQ(t.state.piles, ended);
}

} // namespace
} // namespace vellomir::testing
