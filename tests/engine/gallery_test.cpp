// Picture Gallery and Mod 3: gallery piles built up in suit by threes only
// on a card of their base rank (building rule 99), and a row of piles the
// stock deals onto that refills an emptied pile from the stock at once
// (FillStyle 11). Played through the pointer input.

#include "engine/dealt_game.h"
#include "engine/records/card_census.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

constexpr int kGalleryPiles = 24;
constexpr int kRowPiles = 8;

// Picture Gallery's base ranks, row by row from the top.
int galleryBase(int pile) {
    return 4 - pile / 8;
}

// The first-pack card of `suit` (0 hearts to 3 spades) and `rank`.
int cardOf(int suit, int rank) {
    return suit * 13 + rank;
}

// Runs a gesture and tells whether it changed the piles.
bool changes(DealtGame& t, const std::string& gesture) {
    const table::PileLists before = t.state.piles;
    t.run(gesture);
    return !(t.state.piles == before);
}

// Drags the top card of `from` onto `to` and tells whether `to` took it
// (a drop beside the place may land on a neighbour that takes the card).
bool takes(DealtGame& t, const std::string& from, table::PileRef to) {
    const int before = table::cardCount(t.state.piles.pile(to));
    t.run("drag " + from + " " + table::pileName(to));
    return table::cardCount(t.state.piles.pile(to)) > before;
}

table::PileRef galleryPile(int pile) {
    return {table::PileKind::Tableau, pile};
}
table::PileRef rowPile(int pile) {
    return {table::PileKind::Reserve, pile};
}

// Takes `card` out of wherever it lies and lays it alone on `pile`,
// putting the cards that were there under `spare` (the stock's bottom when
// none is named), so that every card stays on the table once.
void layAlone(table::ProgramState& state, table::PileRef pile, int card,
              table::PileRef spare = {table::PileKind::Stock, table::kStock}) {
    for (const table::PileRef any : table::everyPile()) {
        std::vector<int> cards = cardsOf(state.piles.pile(any));
        std::erase(cards, card);
        state.piles.pile(any) = pileOf(cards);
    }
    const bool toStock = spare.kind == table::PileKind::Stock;
    std::vector<int> under = cardsOf(state.piles.pile(spare));
    for (int c : cardsOf(state.piles.pile(pile))) {
        under.insert(under.begin(), c);
        state.cards.setFaceUp(c, !toStock);
    }
    state.piles.pile(spare) = pileOf(under);
    state.piles.pile(pile) = pileOf(std::vector<int>{card});
    state.cards.setFaceUp(card, true);
}

struct GalleryTable {
    DealtGame t{game::kPictureGallery, 3};
    GalleryTable() { t.state.autoplayTicked = false; }
    void gallery(int pile, int card) {
        layAlone(t.state, {table::PileKind::Tableau, pile}, card, spare);
    }
    void row(int pile, int card) {
        layAlone(t.state, {table::PileKind::Reserve, pile}, card, spare);
    }
    // Where the cards a laid card displaces go.
    table::PileRef spare{table::PileKind::Stock, table::kStock};
};

std::string fila(int pile) {
    return "Fila" + std::to_string(pile + 1);
}
std::string appogg(int pile) {
    return "Appogg" + std::to_string(pile + 1);
}

TEST(Gallery, APileBuildsByThreesInSuitOnlyOnItsBaseCard) {
    GalleryTable g;
    // Top row: from the fours. The 4 of clubs takes the 7 of clubs, not the
    // 7 of hearts nor the 8 of clubs.
    g.gallery(0, cardOf(1, 4));
    g.row(0, cardOf(0, 7));
    g.row(1, cardOf(1, 8));
    g.row(2, cardOf(1, 7));
    EXPECT_FALSE(takes(g.t, appogg(0), galleryPile(0)));
    EXPECT_FALSE(takes(g.t, appogg(1), galleryPile(0)));
    EXPECT_TRUE(takes(g.t, appogg(2), galleryPile(0)));
    // A 5 dealt into the top row takes nothing, not even the 8 of its suit,
    // which the same 5 takes in the bottom row's place.
    g.gallery(1, cardOf(1, 5));
    g.row(3, cardOf(1, 8) + 52);
    EXPECT_FALSE(takes(g.t, appogg(3), galleryPile(1)));
    g.gallery(16, cardOf(2, 2));
    g.row(4, cardOf(2, 5));
    EXPECT_TRUE(takes(g.t, appogg(4), galleryPile(16)));
    // An empty pile takes its row's base rank only: the 3 of spades goes to
    // the middle row, not the top or the bottom one.
    g.t.state.piles.tableau(2).clear();
    g.t.state.piles.tableau(10).clear();
    g.t.state.piles.tableau(18).clear();
    g.row(5, cardOf(3, 3));
    EXPECT_FALSE(takes(g.t, appogg(5), galleryPile(2)));
    EXPECT_FALSE(takes(g.t, appogg(5), galleryPile(18)));
    EXPECT_TRUE(takes(g.t, appogg(5), galleryPile(10)));
    // A full pile (4 7 10 K) takes nothing more, and an ace only goes up.
    g.gallery(3, cardOf(0, 4));
    for (int rank : {7, 10, 13}) {
        g.row(6, cardOf(0, rank));
        ASSERT_TRUE(takes(g.t, appogg(6), galleryPile(3))) << rank;
    }
    g.row(6, cardOf(0, 1));
    EXPECT_FALSE(takes(g.t, appogg(6), galleryPile(3)));
    EXPECT_TRUE(takes(g.t, appogg(6), {table::PileKind::Foundation, 0}));
}

TEST(Gallery, TheRowRefillsFromTheStockAtOnceAndTakesACardOnceItIsOut) {
    GalleryTable g;
    // The stock deals one card onto each pile of the row.
    const std::string stock = g.t.state.piles.stock(table::kStock);
    ASSERT_TRUE(changes(g.t, "click Mazzo"));
    EXPECT_EQ(table::cardCount(g.t.state.piles.stock(table::kStock)),
              table::cardCount(stock) - kRowPiles);
    for (int r = 0; r < kRowPiles; ++r) {
        EXPECT_EQ(table::cardCount(g.t.state.piles.reserve(r)), 2) << r;
    }
    // A pile of the row emptied takes the stock's top card at once, and one
    // step back takes both back.
    g.gallery(0, cardOf(1, 4));
    g.row(0, cardOf(1, 7));
    const table::PileLists before = g.t.state.piles;
    const int next = table::topCardOf(g.t.state.piles.stock(table::kStock));
    ASSERT_TRUE(takes(g.t, appogg(0), galleryPile(0)));
    EXPECT_EQ(g.t.state.piles.reserve(0), table::cardText(next));
    ASSERT_TRUE(g.t.engine.undo());
    EXPECT_TRUE(g.t.state.piles == before);
    // A gallery pile emptied is never refilled, and while the stock lasts
    // no pile of the row is empty to take a card.
    g.gallery(8, cardOf(2, 1));
    ASSERT_TRUE(takes(g.t, fila(8), {table::PileKind::Foundation, 0}));
    EXPECT_TRUE(g.t.state.piles.tableau(8).empty());
    g.gallery(9, cardOf(2, 9));
    EXPECT_FALSE(takes(g.t, fila(9), rowPile(0)));
    // With the stock out, an emptied pile of the row stays empty and takes
    // any one card, from the gallery too.
    while (!g.t.state.piles.stock(table::kStock).empty()) {
        ASSERT_TRUE(changes(g.t, "click Mazzo"));
    }
    g.spare = rowPile(kRowPiles - 1); // the stock stays out
    g.gallery(4, cardOf(3, 4));
    g.row(1, cardOf(3, 7));
    ASSERT_TRUE(takes(g.t, appogg(1), galleryPile(4)));
    EXPECT_TRUE(g.t.state.piles.reserve(1).empty());
    EXPECT_TRUE(takes(g.t, fila(9), rowPile(1)));
    EXPECT_FALSE(takes(g.t, appogg(2), rowPile(1)));
}

// Whether a gallery pile holds more than one card over a card that is not
// its base rank, or an empty pile of the row waits while the stock holds
// cards: neither may ever be seen.
std::string brokenGallery(const table::ProgramState& state, int (*base)(int)) {
    for (int t = 0; t < kGalleryPiles; ++t) {
        const std::vector<int> pile = cardsOf(state.piles.tableau(t));
        if (pile.size() > 1 && table::rankOf(pile[0]) != base(t)) {
            return "gallery pile " + std::to_string(t + 1) + " built on a wrong card";
        }
        for (std::size_t i = 1; i < pile.size(); ++i) {
            if (pile[i] % 13 != (pile[i - 1] + 3) % 13 ||
                (pile[i] - 1) / 13 % 4 != (pile[i - 1] - 1) / 13 % 4) {
                return "gallery pile " + std::to_string(t + 1) + " off the suit by threes";
            }
        }
    }
    if (!state.piles.stock(table::kStock).empty()) {
        for (int r = 0; r < kRowPiles; ++r) {
            if (state.piles.reserve(r).empty()) {
                return "row pile " + std::to_string(r + 1) + " empty while the stock lasts";
            }
        }
    }
    return "";
}

int modThreeBase(int pile) {
    return 2 + pile / 8;
}

// Random drags between the places and clicks on the stock, some taken
// back, in both games: every card stays on the table once, no gallery pile
// builds but on its base card by threes in suit, the row never waits empty
// while the stock lasts, and a step back restores the table.
TEST(Gallery, RandomPlayKeepsEveryCardAndTheGalleryInOrder) {
    std::vector<std::string> from;
    std::vector<std::string> to{"Dest1"};
    for (int t = 0; t < kGalleryPiles; ++t) {
        from.push_back(fila(t));
        to.push_back(fila(t));
    }
    for (int r = 0; r < kRowPiles; ++r) {
        from.push_back(appogg(r));
        to.push_back(appogg(r));
    }
    std::mt19937 random(173);
    const auto pick = [&random](const std::vector<std::string>& names) {
        return names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(random)];
    };
    int built = 0;
    for (const auto& [number, base] : {std::pair{game::kPictureGallery, &galleryBase},
                                       std::pair{game::kModThree, &modThreeBase}}) {
        for (const long long deal : {1LL, 2LL, 3LL}) {
            DealtGame t(number, deal);
            const engine::CardCensus dealt = engine::takeCardCensus(t.state);
            for (int step = 0; step < 4000; ++step) {
                const table::PileLists before = t.state.piles;
                const std::string gesture = std::uniform_int_distribution<int>(0, 20)(random) == 0
                                                ? std::string("click Mazzo")
                                                : "drag " + pick(from) + " " + pick(to);
                if (!changes(t, gesture)) {
                    continue;
                }
                ASSERT_EQ(engine::cardsOnTableOnce(t.state, dealt), "") << deal << " " << gesture;
                ASSERT_EQ(brokenGallery(t.state, base), "")
                    << number << " " << deal << " " << gesture;
                if (std::uniform_int_distribution<int>(0, 9)(random) == 0) {
                    ASSERT_TRUE(t.engine.undo());
                    ASSERT_TRUE(t.state.piles == before) << deal << " " << gesture;
                }
            }
            for (int p = 0; p < kGalleryPiles; ++p) {
                built += table::cardCount(t.state.piles.tableau(p)) > 1 ? 1 : 0;
            }
        }
    }
    // Piles were built on, so the rule was put to the test.
    EXPECT_GE(built, 12);
}

} // namespace
} // namespace vellomir::testing
