#include "engine/solver/up_order.h"

#include "engine/dealt_game.h"
#include "engine/solver/compact_position.h"
#include "engine/solver/compact_rules.h"
#include "engine/solver/compact_search.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using OrderTable = testing::UnrecordedGame;

constexpr int kTwoOfSpades = 41;
constexpr int kKingOfSpades = 52;
constexpr int kKings[] = {13, 26, 39, kKingOfSpades};

// Lucky Thirteen's thirteen piles of four laid out anew: the kings at the
// bottom of the first four piles, the other cards in order on them and
// after them. With `kingOnTwo` the king of spades lies on the 2 of spades.
void layOut(OrderTable& table, bool kingOnTwo) {
    std::vector<int> others;
    for (int card = 1; card <= 52; ++card) {
        if (card % 13 != 0 && (!kingOnTwo || card != kTwoOfSpades)) {
            others.push_back(card);
        }
    }
    std::vector<std::vector<int>> piles(13);
    for (int k = 0; k < 4; ++k) {
        piles[static_cast<std::size_t>(k)].push_back(kKings[k]);
    }
    if (kingOnTwo) { // the 2 of spades under the king of spades
        piles[3].insert(piles[3].begin(), kTwoOfSpades);
    }
    std::size_t next = 0;
    for (auto& pile : piles) {
        while (pile.size() < 4) {
            pile.push_back(others[next++]);
        }
    }
    for (int t = 0; t < 13; ++t) {
        std::string text;
        for (const int card : piles[static_cast<std::size_t>(t)]) {
            text += table::cardText(card);
        }
        table.state.piles.tableau(t) = text;
    }
}

// Kings have nowhere to go in Lucky Thirteen but up: one lying on a lower
// card of its suit can never let it go, while kings at the bottom of their
// piles hold nothing up.
TEST(UpOrder, AKingOnALowerCardOfItsSuitLosesLuckyThirteen) {
    for (const bool kingOnTwo : {false, true}) {
        OrderTable table(kLuckyThirteen, 1000);
        layOut(table, kingOnTwo);
        const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
        ASSERT_TRUE(rules);
        const CompactPosition position(table.state, *rules);
        EXPECT_EQ(upOrderInCircle(position), kingOnTwo);
    }
}

// No deal a search wins is called lost, in games whose cards move one at a
// time or in runs, with and without free piles: a card taken for one that
// only goes up, or a run not seen to lift it, would make a circle where
// there is none. In Lucky Thirteen most deals are lost so.
TEST(UpOrder, NoDealASearchWinsIsCalledLost) {
    int circles = 0;
    for (const int game : {kLuckyThirteen, kBisley, kShamrocks, kScotchPatience, kYukon}) {
        int won = 0;
        for (int deal = 1; deal <= 40; ++deal) {
            OrderTable table(game, deal);
            const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
            ASSERT_TRUE(rules) << "game " << game;
            const CompactPosition start(table.state, *rules);
            const bool circle = upOrderInCircle(start);
            circles += circle && game == kLuckyThirteen ? 1 : 0;
            const CompactSearchResult found =
                compactSearch(start, 20'000, {MoveOrder::NearestFirst});
            if (found.outcome == CompactOutcome::Won) {
                EXPECT_FALSE(circle) << "game " << game << " deal " << deal;
                ++won;
            }
        }
        if (game != kLuckyThirteen) { // its wins are few: 3 in 200 deals
            EXPECT_GT(won, 0) << "game " << game;
        }
    }
    EXPECT_GT(circles, 20);
}

} // namespace
} // namespace vellomir::engine
