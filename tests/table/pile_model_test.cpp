#include "table/card_table.h"
#include "table/main_game.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

TEST(PileNames, OneAndTwoDigitNumbersNameTheSamePile) {
    EXPECT_EQ(parsePileName("Fila1"), (PileRef{PileKind::Tableau, 0}));
    EXPECT_EQ(parsePileName("Fila01"), (PileRef{PileKind::Tableau, 0}));
    EXPECT_EQ(parsePileName("Fila28"), (PileRef{PileKind::Tableau, 27}));
    EXPECT_EQ(parsePileName("Dest16"), (PileRef{PileKind::Foundation, 15}));
    EXPECT_EQ(parsePileName("Appogg3"), (PileRef{PileKind::Reserve, 2}));
    EXPECT_EQ(parsePileName("Mazzo_Vis"), (PileRef{PileKind::Stock, kWaste}));
    EXPECT_EQ(parsePileName("Mazzo_Waste"), (PileRef{PileKind::Stock, kDiscard}));
    EXPECT_FALSE(parsePileName("Fila29"));
    EXPECT_FALSE(parsePileName("Fila0"));
    EXPECT_FALSE(parsePileName("Dest17"));
    EXPECT_FALSE(parsePileName("Appogg11"));
    EXPECT_FALSE(parsePileName("Fila"));
    EXPECT_FALSE(parsePileName("Fila1x"));
    EXPECT_FALSE(parsePileName("fila1"));
    EXPECT_FALSE(parsePileName("Mazzo_"));
    for (PileRef ref : {PileRef{PileKind::Stock, 0}, PileRef{PileKind::Stock, 2},
                        PileRef{PileKind::Foundation, 9}, PileRef{PileKind::Tableau, 27},
                        PileRef{PileKind::Reserve, 9}}) {
        EXPECT_EQ(parsePileName(pileName(ref)), ref) << pileName(ref);
    }
}

TEST(PileLists, TopCardByName) {
    CardTable cards;
    PileLists piles;
    EXPECT_EQ(piles.topCard("Mazzo"), 0); // empty stock
    piles.appendCard(cards, {PileKind::Reserve, 2}, 17, std::nullopt);
    piles.appendCard(cards, {PileKind::Reserve, 2}, 5, std::nullopt);
    EXPECT_EQ(piles.reserve(2), "017005");
    EXPECT_EQ(piles.topCard("Appogg3"), 5);
    EXPECT_EQ(piles.topCard("Appogg03"), 5);
    EXPECT_EQ(piles.topCard("Appogg4"), 0);
    EXPECT_EQ(piles.topCard("Reserve3"), 0);
    piles.appendCard(cards, {PileKind::Stock, kDiscard}, 9, std::nullopt);
    EXPECT_EQ(piles.topCard("Mazzo_Waste"), 0); // not one of the names the lookup knows
    piles.appendCard(cards, {PileKind::Tableau, 0}, 0, '1');
    EXPECT_EQ(piles.tableau(0), "000");
    EXPECT_EQ(piles.topCard("Fila1"), 0);
}

TEST(PileLists, AppendSetsTheFaceFlagOfRealCardsOnly) {
    CardTable cards;
    PileLists piles;
    piles.appendCard(cards, {PileKind::Tableau, 3}, 44, '0');
    EXPECT_FALSE(cards.isFaceUp(44));
    piles.appendCard(cards, {PileKind::Tableau, 3}, 45, std::nullopt);
    EXPECT_TRUE(cards.isFaceUp(45));
    EXPECT_EQ(cardCount(piles.tableau(3)), 2);
    EXPECT_EQ(cardAt(piles.tableau(3), 0), 44);
    EXPECT_EQ(cardAt(piles.tableau(3), 2), 0);
}

TEST(SetFacesOfPile, EveryMode) {
    CardTable cards;
    const std::string pile = "001002003004005";
    setFacesOfPile(cards, pile, -1, '1');
    EXPECT_TRUE(cards.isFaceUp(1));
    EXPECT_FALSE(cards.isFaceUp(2));
    EXPECT_TRUE(cards.isFaceUp(3));
    EXPECT_FALSE(cards.isFaceUp(4));
    EXPECT_TRUE(cards.isFaceUp(5));

    setFacesOfPile(cards, pile, -2, '1');
    EXPECT_FALSE(cards.isFaceUp(1));
    EXPECT_TRUE(cards.isFaceUp(2));
    EXPECT_FALSE(cards.isFaceUp(5));

    setFacesOfPile(cards, pile, -3, '1');
    EXPECT_TRUE(cards.isFaceUp(1));
    for (int c = 2; c <= 5; ++c) {
        EXPECT_FALSE(cards.isFaceUp(c));
    }

    setFacesOfPile(cards, pile, 2, '1');
    EXPECT_FALSE(cards.isFaceUp(3));
    EXPECT_TRUE(cards.isFaceUp(4));
    EXPECT_TRUE(cards.isFaceUp(5));

    setFacesOfPile(cards, pile, 9, '0'); // more than the pile holds: all of them
    for (int c = 1; c <= 5; ++c) {
        EXPECT_FALSE(cards.isFaceUp(c));
    }

    setFacesOfPile(cards, pile, 0, '1');
    setFacesOfPile(cards, pile, -4, '1');
    for (int c = 1; c <= 5; ++c) {
        EXPECT_FALSE(cards.isFaceUp(c));
    }
}

TEST(MainGame, YPositionsAreHandedOutLessTheScrollOffset) {
    TMainGame game;
    game.resetGeometry();
    EXPECT_EQ(game.tableauX(27), kNotPlacedTableau);
    EXPECT_EQ(game.foundationX(15), kNotPlacedFoundation);
    EXPECT_EQ(game.reserveX(9), kNotPlacedReserve);
    EXPECT_EQ(game.stockX(2), kNotPlacedStock);
    game.setTableauY(2, 300);
    game.setFoundationY(1, 20);
    game.setCell(cell::ScrollOffset, 40);
    EXPECT_EQ(game.tableauY(2), 260);
    EXPECT_EQ(game.foundationY(1), -20);
}

TEST(MainGame, GameListLookupTriesTheIndexFirstThenSearches) {
    TMainGame game;
    game.gameList() = {
        "001 0004 XFirst game",
        "002 0874 +Put-Them-In-Order (3x3 square)                    ",
        "003 0024 *Second",
    };
    EXPECT_EQ(game.gameListIndex(0), 0);
    EXPECT_EQ(game.gameListIndex(2), 2);
    EXPECT_EQ(game.gameListIndex(87), 1);
    EXPECT_EQ(game.gameName(87), "Put-Them-In-Order (3x3 square)");
    EXPECT_EQ(game.gameListIndex(5), -1);
    EXPECT_EQ(game.gameName(5), "");
    EXPECT_EQ(game.gameListIndex(8000), -1);
    EXPECT_EQ(gameListGroup(game.gameList()[1]), 2);
    EXPECT_EQ(gameListChooserMark(game.gameList()[1]), '+');
}

TEST(ProgramState, SnapshotRestoresEveryPile) {
    ProgramState state;
    state.piles.appendCard(state.cards, {PileKind::Foundation, 4}, 12, std::nullopt);
    state.saveSnapshot();
    state.piles.foundation(4).clear();
    state.piles.stock(0) = "001";
    state.restoreSnapshot();
    EXPECT_EQ(state.piles.foundation(4), "012");
    EXPECT_EQ(state.piles.stock(0), "");
}

} // namespace
} // namespace vellomir::table
