// Algerian Patience, the first game to play the stock's deal onto the
// reserves that ends with eight cards to the tableaus, and to start
// foundations with the second pack's kings.

#include "engine/actions/drop_rules.h"
#include "engine/dealt_game.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

constexpr int kAlgerian = 117;
constexpr int kReserves = 6;
constexpr int kTableaus = 8;
constexpr int kFoundations = 8;

using table::PileKind;
using table::PileRef;

struct AlgerianTable : DealtGame {
    AlgerianTable() : DealtGame(kAlgerian, 1) { state.autoplayTicked = false; }

    std::vector<PileRef> everyPile() const {
        std::vector<PileRef> piles{{PileKind::Stock, table::kStock}};
        for (int r = 0; r < kReserves; ++r) {
            piles.push_back({PileKind::Reserve, r});
        }
        for (int t = 0; t < kTableaus; ++t) {
            piles.push_back({PileKind::Tableau, t});
        }
        for (int f = 0; f < kFoundations; ++f) {
            piles.push_back({PileKind::Foundation, f});
        }
        return piles;
    }
    // Every card on the table, each as often as it lies there.
    std::multiset<int> cards() const {
        std::multiset<int> all;
        for (const PileRef& pile : everyPile()) {
            const std::string& cards = state.piles.pile(pile);
            for (int i = 0; i < table::cardCount(cards); ++i) {
                all.insert(table::cardAt(cards, i));
            }
        }
        return all;
    }
    int count(PileRef pile) const { return table::cardCount(state.piles.pile(pile)); }
    // Puts the card named on top of tableau t, swapping it with the card there.
    void bringToTableau(const std::string& name, int t) {
        const int wanted = card(name);
        std::string& target = state.piles.tableau(t);
        for (const PileRef& pile : everyPile()) {
            std::string& cards = state.piles.pile(pile);
            for (int i = 0; i < table::cardCount(cards); ++i) {
                if (table::cardAt(cards, i) == wanted) {
                    const std::size_t at = static_cast<std::size_t>(i) * 3;
                    const std::size_t top = target.size() - 3;
                    const std::string top3 = target.substr(top, 3);
                    target.replace(top, 3, cards.substr(at, 3));
                    cards.replace(at, 3, top3);
                    state.cards.setFaceFlag(wanted, '1');
                    state.cards.setFaceFlag(table::cardAt(cards, i), '1');
                    return;
                }
            }
        }
        ADD_FAILURE() << name << " is not on the table";
    }
    // Whether a drop of the card named, held alone, would go onto the pile.
    bool takes(const std::string& name, PileRef pile) {
        state.carryGroup(state.cardSize.height, table::CarriedCards::OneCard);
        const auto targets =
            engine::dropTargets(state, frontend, *engine::liftedMove(state, card(name), false));
        return std::ranges::find(targets, pile) != targets.end();
    }
};

PileRef foundation(int f) {
    return {PileKind::Foundation, f};
}

TEST(AlgerianPatience, TheStockFeedsTheReservesTwiceAClickAndItsLastEightGoToTheTableaus) {
    AlgerianTable t;
    const std::multiset<int> pack = t.cards();
    ASSERT_EQ(pack.size(), 104u);
    for (int f = 4; f < kFoundations; ++f) {
        EXPECT_EQ(table::cardAt(t.state.piles.foundation(f), 0), 52 + 13 * (f - 3)) << f;
    }
    ASSERT_EQ(t.count({PileKind::Stock, table::kStock}), 56);
    const table::PileLists dealt = t.state.piles;

    ASSERT_TRUE(t.run("click Mazzo"));
    EXPECT_EQ(t.count({PileKind::Stock, table::kStock}), 44);
    for (int r = 0; r < kReserves; ++r) {
        EXPECT_EQ(t.count({PileKind::Reserve, r}), 8) << r;
    }
    EXPECT_EQ(t.cards(), pack);
    // One undo takes back both rounds.
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.state.piles, dealt);

    for (int click = 0; click < 4; ++click) {
        ASSERT_TRUE(t.run("click Mazzo")) << click;
    }
    ASSERT_EQ(t.count({PileKind::Stock, table::kStock}), 8);
    const std::string lastEight = t.state.piles.stock(table::kStock);
    ASSERT_TRUE(t.run("click Mazzo"));
    EXPECT_TRUE(t.state.piles.stock(table::kStock).empty());
    std::set<int> dealtToTableaus;
    for (int tab = 0; tab < kTableaus; ++tab) {
        ASSERT_EQ(t.count({PileKind::Tableau, tab}), 2) << tab;
        dealtToTableaus.insert(table::topCardOf(t.state.piles.tableau(tab)));
    }
    std::set<int> expected;
    for (int i = 0; i < 8; ++i) {
        expected.insert(table::cardAt(lastEight, i));
    }
    EXPECT_EQ(dealtToTableaus, expected);
    for (int r = 0; r < kReserves; ++r) {
        EXPECT_EQ(t.count({PileKind::Reserve, r}), 14) << r;
    }
    EXPECT_EQ(t.cards(), pack);
    const table::PileLists spent = t.state.piles;
    t.run("click Mazzo");
    EXPECT_EQ(t.state.piles, spent);
}

TEST(AlgerianPatience, EachSuitGetsOneFoundationUpAndOneDown) {
    AlgerianTable t;
    t.bringToTableau("AH", 0);
    t.bringToTableau("AH'", 1);
    t.bringToTableau("AD", 2);
    t.bringToTableau("QH", 3);
    t.bringToTableau("QD", 4);
    for (int f = 0; f < 4; ++f) {
        EXPECT_TRUE(t.takes("AH", foundation(f))) << f;
    }
    ASSERT_TRUE(t.run("drag Fila1 Dest1"));
    ASSERT_EQ(table::topCardOf(t.state.piles.foundation(0)), card("AH"));
    // The other ace of hearts starts no second hearts foundation going up.
    for (int f = 1; f < 4; ++f) {
        EXPECT_FALSE(t.takes("AH'", foundation(f))) << f;
        EXPECT_TRUE(t.takes("AD", foundation(f))) << f;
    }
    // The kings' foundations go down in suit: the queen of hearts on the
    // king of hearts, the queen of diamonds not.
    EXPECT_TRUE(t.takes("QH", foundation(4)));
    EXPECT_FALSE(t.takes("QD", foundation(4)));
    EXPECT_TRUE(t.takes("QD", foundation(5)));
}

} // namespace
} // namespace vellomir::testing
