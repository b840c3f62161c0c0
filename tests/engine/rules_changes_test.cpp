// Rules of single games and of the Spider family, played through the
// pointer input on dealt tables laid out by hand.

#include "catalogue/parameter_index.h"
#include "engine/laid_out_game.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_counts.h"

#include <gtest/gtest.h>

namespace vellomir::testing {
namespace {

namespace param = catalogue::param;
using table::PileKind;

using namespace vellomir::testing::game;

const table::PileRef kStockPile{PileKind::Stock, table::kStock};

int topOf(const DealtGame& game, table::PileRef pile) {
    return table::topCardOf(game.state.piles.pile(pile));
}

TEST(BaseFlags, TwoTurnsAtTheEndsWhateverTheDirectionThreeStopsThere) {
    // Spider builds down: under flag 2 a 2 goes on an ace; under the
    // family's own flag 3 nothing does.
    for (const int flag : {2, 3}) {
        DealtGame spider(kSpider, 1);
        layOut(spider, {{tableau(0), {"AS"}}, {tableau(1), {"2H"}}}, kStockPile);
        for (int t = 0; t < table::PileCounts::of(spider.state.params).tableaus; ++t) {
            spider.state.params.set(param::TableauBaseFlag + t, flag);
        }
        spider.run("drag Fila2 Fila1");
        EXPECT_EQ(topOf(spider, tableau(0)), card(flag == 2 ? "2H" : "AS")) << flag;
    }
}

TEST(RefusedDrop, TheCardsGoBackWithASoundOnlyWhenShadowed) {
    for (const char* shadowed : {"N", "Y"}) {
        DealtGame klondike(kKlondike, 1);
        klondike.state.settings.write(settings::field::CardsShadowed, shadowed);
        layOut(klondike, {{tableau(0), {"9H"}}, {tableau(1), {"9S"}}}, kStockPile);
        const table::PileLists before = klondike.state.piles;
        klondike.run("drag Fila1 Fila2");
        ASSERT_EQ(klondike.state.piles, before);
        EXPECT_EQ(klondike.frontend.callsStartingWith("sound: card_down").size(),
                  std::string(shadowed) == "Y" ? 1U : 0U)
            << shadowed;
    }
}

TEST(Deals, BusyAcesDealsOneCardToEachTableauAndWaspHidesCardsInFourColumns) {
    DealtGame busy(kBusyAces, 1);
    for (int t = 0; t < 12; ++t) {
        EXPECT_EQ(table::cardCount(busy.state.piles.tableau(t)), 1) << t;
    }
    EXPECT_EQ(table::cardCount(busy.state.piles.stock(table::kStock)), 92);

    DealtGame wasp(kWasp, 1);
    for (int t = 0; t < 7; ++t) {
        const std::string& pile = wasp.state.piles.tableau(t);
        int down = 0;
        for (int i = 0; i < table::cardCount(pile); ++i) {
            down += wasp.state.cards.isFaceUp(table::cardAt(pile, i)) ? 0 : 1;
        }
        EXPECT_EQ(down, t < 4 ? 3 : 0) << t;
    }
}

TEST(RunLimits, EightOffMovesIntoASpaceOnlyWhatTheFreeCellsHold) {
    // A run of three led by a king, two empty tableaus, one free cell: card
    // by card only two cards reach a space (no lower card rests in a
    // king-only space on the way).
    const std::vector<LaidPile> laid{{tableau(0), {"KH", "QH", "JH"}},
                                     {tableau(4), {"2C"}},
                                     {tableau(5), {"3C"}},
                                     {tableau(6), {"4C"}},
                                     {tableau(7), {"5C"}},
                                     {reserve(0), {"2D"}},
                                     {reserve(1), {"3D"}},
                                     {reserve(2), {"4D"}},
                                     {reserve(3), {"5D"}},
                                     {reserve(4), {"6D"}},
                                     {reserve(5), {"7D"}},
                                     {reserve(6), {"8D"}}};
    DealtGame one(kEightOff, 1);
    layOut(one, laid, tableau(3));
    one.run("drag Fila1:0 Fila2");
    EXPECT_EQ(table::cardCount(one.state.piles.tableau(0)), 3);
    EXPECT_TRUE(one.state.piles.tableau(1).empty());
    // Two free cells: three cards.
    std::vector<LaidPile> two = laid;
    two.pop_back();
    DealtGame more(kEightOff, 1);
    layOut(more, two, tableau(3));
    more.run("drag Fila1:0 Fila2");
    EXPECT_TRUE(more.state.piles.tableau(0).empty());
    EXPECT_EQ(table::cardCount(more.state.piles.tableau(1)), 3);
}

TEST(RunLimits, SevenByFourDoublesTheRunForEachEmptyTableau) {
    // No free cell, two empty tableaus: 1 doubled twice, four cards.
    DealtGame seven(kSevenByFour, 1);
    layOut(seven,
           {{tableau(1), {"10S"}},
            {tableau(2), {"9H", "8S", "7H", "6S"}},
            {tableau(5), {"KD"}},
            {tableau(6), {"KC"}},
            {reserve(0), {"QH"}},
            {reserve(1), {"QS"}},
            {reserve(2), {"QD"}},
            {reserve(3), {"QC"}}},
           tableau(0));
    seven.run("drag Fila3:0 Fila2");
    EXPECT_TRUE(seven.state.piles.tableau(2).empty());
    EXPECT_EQ(table::cardCount(seven.state.piles.tableau(1)), 5);
}

TEST(Foundations, OsmosisStartsItsFoundationsInOrder) {
    DealtGame osmosis(kOsmosis, 1);
    table::ProgramState& state = osmosis.state;
    const int base = topOf(osmosis, foundation(0));
    ASSERT_GT(base, 0);
    // Another card of the base rank, turned onto the waste.
    int other = 0;
    for (const table::PileRef& pile : everyPile()) {
        std::string& cards = state.piles.pile(pile);
        for (int i = 0; i < table::cardCount(cards) && other == 0; ++i) {
            const int c = table::cardAt(cards, i);
            if (pile.kind != PileKind::Foundation && c != base &&
                table::rankOf(c) == table::rankOf(base)) {
                other = c;
                cards.erase(static_cast<std::size_t>(i) * 3, 3);
            }
        }
    }
    ASSERT_GT(other, 0);
    state.piles.stock(table::kWaste) += table::cardText(other);
    state.cards.setFaceUp(other, true);

    osmosis.run("drag Mazzo_Vis Dest3");
    EXPECT_TRUE(state.piles.foundation(2).empty());
    osmosis.run("drag Mazzo_Vis Dest2");
    EXPECT_EQ(topOf(osmosis, foundation(1)), other);
}

TEST(SuitRuns, ACompletedRunGoesUpWithTheMoveThatCompletedItAndComesBackWithIt) {
    DealtGame spider(kSpider, 1);
    layOut(spider,
           {{tableau(0),
             {"~5H", "KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S", "3S", "2S"}},
            {tableau(1), {"AS"}},
            {tableau(2), {"9D"}}},
           kStockPile);
    const table::PileLists before = spider.state.piles;
    spider.run("drag Fila2 Fila1");
    EXPECT_EQ(table::cardCount(spider.state.piles.foundation(0)), 13);
    EXPECT_EQ(spider.state.piles.tableau(0), table::cardText(card("5H")));
    EXPECT_TRUE(spider.state.cards.isFaceUp(card("5H")));
    EXPECT_TRUE(spider.state.piles.tableau(1).empty());
    // One undo takes the run back down and the ace back to its place.
    ASSERT_TRUE(spider.engine.undo());
    EXPECT_EQ(spider.state.piles, before);
    EXPECT_FALSE(spider.state.cards.isFaceUp(card("5H")));
}

} // namespace
} // namespace vellomir::testing
