// Poker Square (`PokerHands`): the American points of a hand, the square's
// ten hands counted as the cards are laid, a card laid staying put, and
// the search that lays the turned cards so that the square reaches the
// target, played through the pointer input.

#include "engine/actions/poker_square.h"

#include "engine/dealt_game.h"
#include "engine/solver/poker_square_search.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::testing {
namespace {

// Runs a gesture and tells whether it changed the piles (a refused drag
// still answers, with the card back where it was).
bool laysCard(DealtGame& t, const std::string& gesture) {
    const table::PileLists before = t.state.piles;
    t.run(gesture);
    return !(t.state.piles == before);
}

int handOf(std::initializer_list<std::string_view> names) {
    std::vector<int> hand;
    for (const std::string_view name : names) {
        hand.push_back(name == "--" ? 0 : card(name));
    }
    return engine::pokerHandPoints(hand);
}

TEST(PokerSquare, EachHandScoresItsAmericanPoints) {
    EXPECT_EQ(handOf({"10S", "JS", "QS", "KS", "AS"}), 100);
    EXPECT_EQ(handOf({"AH", "2H", "3H", "4H", "5H"}), 75);
    EXPECT_EQ(handOf({"9D", "KD", "10D", "JD", "QD"}), 75);
    EXPECT_EQ(handOf({"7C", "7H", "7D", "7S", "2C"}), 50);
    EXPECT_EQ(handOf({"7C", "7H", "7D", "2S", "2C"}), 25);
    EXPECT_EQ(handOf({"2C", "9C", "4C", "KC", "7C"}), 20);
    EXPECT_EQ(handOf({"10S", "JH", "QS", "KD", "AS"}), 15);
    EXPECT_EQ(handOf({"AH", "2S", "3H", "4D", "5H"}), 15);
    EXPECT_EQ(handOf({"7C", "7H", "7D", "2S", "3C"}), 10);
    EXPECT_EQ(handOf({"7C", "7H", "3D", "2S", "3C"}), 5);
    EXPECT_EQ(handOf({"7C", "7H", "3D", "2S", "KC"}), 2);
    EXPECT_EQ(handOf({"7C", "8H", "3D", "2S", "KC"}), 0);
    // No straight round the corner, none from the ace and the king low.
    EXPECT_EQ(handOf({"QH", "KS", "AH", "2D", "3H"}), 0);
    // A hand still being laid counts its sets, never a flush or a straight.
    EXPECT_EQ(handOf({"7C", "--", "7D", "--", "--"}), 2);
    EXPECT_EQ(handOf({"2C", "9C", "4C", "KC", "--"}), 0);
    EXPECT_EQ(handOf({"2C", "3H", "4C", "5D", "--"}), 0);
}

TEST(PokerSquare, ASquareScoresItsRowsAndColumns) {
    engine::PokerSquareGrid grid{};
    // A row of a flush and a column of four aces: the ace of clubs is in both.
    const std::vector<std::string_view> row{"AC", "3C", "6C", "9C", "QC"};
    for (int i = 0; i < 5; ++i) {
        grid[static_cast<std::size_t>(i)] = card(row[static_cast<std::size_t>(i)]);
    }
    grid[5] = card("AH");
    grid[10] = card("AD");
    grid[15] = card("AS");
    EXPECT_EQ(engine::pokerSquarePoints(grid), 20 + 50);
}

TEST(PokerSquare, ACardTurnedIsLaidOnceAndStaysWhereItLies) {
    DealtGame t(game::kPokerSquare, 3);
    ASSERT_EQ(table::cardCount(t.state.piles.stock(table::kStock)), 52);
    ASSERT_TRUE(laysCard(t, "click Mazzo"));
    const int first = table::topCardOf(t.state.piles.stock(table::kWaste));
    // The next card waits until this one is laid.
    t.run("click Mazzo");
    EXPECT_EQ(table::cardCount(t.state.piles.stock(table::kWaste)), 1);
    ASSERT_TRUE(laysCard(t, "drag Mazzo_Vis Fila7"));
    EXPECT_EQ(table::topCardOf(t.state.piles.tableau(6)), first);
    EXPECT_FALSE(laysCard(t, "drag Fila7 Fila8"));
    ASSERT_TRUE(laysCard(t, "click Mazzo"));
    EXPECT_FALSE(laysCard(t, "drag Mazzo_Vis Fila7"));
    ASSERT_TRUE(laysCard(t, "drag Mazzo_Vis Fila8"));
    EXPECT_EQ(t.state.settings.readInt(settings::field::Score, -1),
              engine::pokerSquarePoints(engine::pokerSquareOf(t.state)));
    ASSERT_TRUE(t.engine.undo());
    EXPECT_TRUE(t.state.piles.tableau(7).empty());
}

// Cards laid in the order they come, place after place: the game is won
// exactly when the points reach 100, and while they are below it the
// square fills to the last place.
TEST(PokerSquare, TheGameIsWonExactlyWhenThePointsReachTheTarget) {
    for (const long long deal : {1LL, 2LL, 3LL, 4LL, 5LL}) {
        DealtGame t(game::kPokerSquare, deal);
        int laid = 0;
        while (laid < 25 && !t.frontend.saw("winning animation")) {
            ASSERT_TRUE(laysCard(t, "click Mazzo"));
            ASSERT_TRUE(laysCard(t, "drag Mazzo_Vis Fila" + std::to_string(++laid)));
            const int points = engine::pokerSquarePoints(engine::pokerSquareOf(t.state));
            EXPECT_EQ(t.state.settings.readInt(settings::field::Score, -1), points);
            EXPECT_EQ(t.frontend.saw("winning animation"), points >= 100) << deal << " " << laid;
        }
    }
}

TEST(PokerSquare, TheSearchLaysTheCardsToTheTarget) {
    for (const long long deal : {1LL, 2LL, 3LL}) {
        UnrecordedGame table(game::kPokerSquare, deal);
        const engine::SolveResult result = engine::solveDeal(table.state, table.frontend);
        EXPECT_TRUE(result.fastSearch);
        ASSERT_EQ(result.outcome, engine::SolveOutcome::Solved) << deal;
        DealtGame replay(game::kPokerSquare, deal);
        EXPECT_TRUE(replay.playsToTheWin(result.moves)) << deal;
        EXPECT_GE(replay.state.settings.readInt(settings::field::Score, 0), 100) << deal;
    }
}

} // namespace
} // namespace vellomir::testing
