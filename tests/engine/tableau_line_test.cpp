// Accordion and its kin: a line of piles, each moving whole onto the pile
// one or three places before it, the line closing up behind it.

#include "support/game_numbers.h"
#include "table/tableau_line.h"

#include "engine/dealt_game.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/card_removal.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

using namespace vellomir::testing::game;
constexpr int kLinePlaces = 28;

// A dealt Accordion game whose line the test lays out: the cards named go
// to the first places, one pile each, taken from the stock; every other
// card stays in the stock, so each card is on the table once.
struct AccordionTable : DealtGame {
    AccordionTable() : DealtGame(kAccordion, 1) {}

    void layLine(const std::vector<std::vector<std::string>>& piles) {
        std::string& stock = state.piles.stock(table::kStock);
        for (int t = 0; t < kLinePlaces; ++t) {
            stock += state.piles.tableau(t);
            state.piles.tableau(t).clear();
        }
        for (std::size_t t = 0; t < piles.size(); ++t) {
            for (const std::string& name : piles[t]) {
                const int code = card(name);
                ASSERT_TRUE(table::removeFromPile(stock, code, table::RemovalKind::Cut)) << name;
                state.piles.tableau(static_cast<int>(t)) += table::cardText(code);
                state.cards.setFaceFlag(code, '1');
            }
        }
    }
    std::vector<std::string> line() const {
        std::vector<std::string> piles;
        for (int t = 0; t < kLinePlaces; ++t) {
            piles.push_back(state.piles.tableau(t));
        }
        return piles;
    }
    int cardsOnTable() const {
        int cards = table::cardCount(state.piles.stock(table::kStock));
        for (int t = 0; t < kLinePlaces; ++t) {
            cards += table::cardCount(state.piles.tableau(t));
        }
        return cards;
    }
    int pileSize(int t) const { return table::cardCount(state.piles.tableau(t)); }
    int topOf(int t) const { return table::topCardOf(state.piles.tableau(t)); }
    static std::string place(int t) { return "Fila" + std::to_string(t + 1); }
};

TEST(TableauLine, APileMovesWholeOneOrThreePlacesBackOntoAMatchAndTheLineClosesUp) {
    AccordionTable t;
    // 0: 5H   1: 9C   2: 9S over the KD   3: 2S   4: 5D
    t.layLine({{"5H"}, {"9C"}, {"KD", "9S"}, {"2S"}, {"5D"}});
    ASSERT_EQ(table::linePiles(t.state), 5);
    const std::vector<std::string> dealt = t.line();
    auto drag = [&t](int from, int to) {
        return t.run("drag " + AccordionTable::place(from) + " " + AccordionTable::place(to));
    };

    // Two places back, onto a card of neither suit nor rank, or forward
    // along the line: nothing moves.
    ASSERT_TRUE(drag(3, 1));
    ASSERT_TRUE(drag(4, 3));
    ASSERT_TRUE(drag(1, 2));
    ASSERT_TRUE(drag(3, 0));
    EXPECT_EQ(t.line(), dealt);

    // The 9 of spades and the king under it go onto the 9 of clubs, one
    // place back (same rank); the piles after it close up.
    ASSERT_TRUE(drag(2, 1));
    EXPECT_EQ(t.pileSize(1), 3);
    EXPECT_EQ(t.topOf(1), card("9S"));
    EXPECT_EQ(t.topOf(2), card("2S"));
    EXPECT_EQ(t.topOf(3), card("5D"));
    EXPECT_TRUE(t.state.piles.tableau(4).empty());
    EXPECT_EQ(table::linePiles(t.state), 4);
    EXPECT_EQ(t.cardsOnTable(), 52);

    // One undo takes back the move and the closing up together.
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.line(), dealt);
    ASSERT_TRUE(drag(2, 1));

    // The 5 of diamonds, now three places after the 5 of hearts, goes onto
    // it (same rank); then the 2 of spades onto the 9 of spades, one place
    // back (same suit).
    ASSERT_TRUE(drag(3, 0));
    EXPECT_EQ(t.topOf(0), card("5D"));
    EXPECT_EQ(t.pileSize(0), 2);
    EXPECT_EQ(table::linePiles(t.state), 3);
    ASSERT_TRUE(drag(2, 1));
    EXPECT_EQ(t.topOf(1), card("2S"));
    EXPECT_EQ(t.pileSize(1), 4);
    EXPECT_EQ(table::linePiles(t.state), 2);
    EXPECT_EQ(t.cardsOnTable(), 52);
    // Score: -52 plus 5 for each of the four cards covered.
    EXPECT_EQ(t.state.settings.readInt(settings::field::Score, 0), -52 + 5 * 4);

    // A double click (with double clicks sending to the tableaus) moves a
    // pile three places back where it can, else one.
    t.state.settings.write(settings::field::DoubleClickToTableaus, "Y");
    t.layLine({{"3H"}, {"8C"}, {"7H"}, {"8H"}});
    ASSERT_TRUE(t.run("dblclick " + AccordionTable::place(3)));
    EXPECT_EQ(t.topOf(0), card("8H"));
    EXPECT_EQ(t.topOf(2), card("7H"));
    EXPECT_EQ(table::linePiles(t.state), 3);
    ASSERT_TRUE(t.run("dblclick " + AccordionTable::place(1)));
    EXPECT_EQ(t.topOf(0), card("8C"));
    EXPECT_EQ(t.pileSize(0), 3);
    EXPECT_EQ(t.cardsOnTable(), 52);
}

TEST(TableauLine, TheStockDealsToTheEndOfTheLineAndAFullLineTakesNoCard) {
    AccordionTable t;
    ASSERT_EQ(table::linePiles(t.state), 1);
    const int first = t.topOf(0);
    ASSERT_TRUE(t.run("click Mazzo"));
    EXPECT_EQ(table::linePiles(t.state), 2);
    EXPECT_EQ(t.topOf(0), first);
    EXPECT_TRUE(t.state.cards.isFaceUp(t.topOf(1)));
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(table::linePiles(t.state), 1);

    // Every place taken: a click deals nothing and says why.
    std::vector<std::vector<std::string>> full;
    const std::vector<std::string> ranks{"A", "2", "3",  "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K"};
    const std::string suits = "HCDS";
    for (int i = 0; i < kLinePlaces; ++i) {
        full.push_back({ranks[static_cast<std::size_t>(i % 13)] + suits.substr(i / 13, 1)});
    }
    t.layLine(full);
    const std::vector<std::string> laid = t.line();
    const int stock = table::cardCount(t.state.piles.stock(table::kStock));
    ASSERT_TRUE(t.run("click Mazzo"));
    EXPECT_EQ(table::cardCount(t.state.piles.stock(table::kStock)), stock);
    EXPECT_EQ(t.line(), laid);
    EXPECT_EQ(t.frontend.callsStartingWith("info: ").size(), 1U);
    EXPECT_EQ(t.cardsOnTable(), 52);
}

TEST(TableauLine, WonWhenTheStockIsDealtAndOnePileHoldsEveryCard) {
    AccordionTable t;
    t.layLine({{"AH"}, {"AS"}});
    // The rest of the pack under the ace of hearts: the stock is then empty.
    std::string& stock = t.state.piles.stock(table::kStock);
    t.state.piles.tableau(0).insert(0, stock);
    stock.clear();
    ASSERT_EQ(t.cardsOnTable(), 52);
    EXPECT_TRUE(t.state.flags.test(table::Flag::GameInPlay));
    ASSERT_TRUE(t.run("drag " + AccordionTable::place(1) + " " + AccordionTable::place(0)));
    EXPECT_EQ(t.pileSize(0), 52);
    // The game ends as won.
    EXPECT_TRUE(t.frontend.saw("winning animation"));
    EXPECT_FALSE(t.state.flags.test(table::Flag::GameInPlay));
    EXPECT_EQ(t.state.settings.readInt(settings::field::Score, 0), -52 + 5 * 51);
}

} // namespace
} // namespace vellomir::testing
