#include "table/deal_placement.h"

#include "table/card_removal.h"

#include "deal_fixture.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

using dealtest::DealFixture;
namespace param = catalogue::param;
using dealtest::pileOf;

// Eight foundations that take any card, recording which were asked.
struct AskingFixture : DealFixture {
    std::vector<int> asked;
    int accepting = -1; // the one foundation that says yes; -1 none

    AskingFixture() {
        set({{param::FoundationCount, 8}, {param::TableauCount, 12}});
        services.accepts = [this](const ProgramState&, int, int f) {
            asked.push_back(f + 1);
            return f == accepting;
        };
    }
};

TEST(DealPlacement, PlaceOnFoundationTakesTheCardFromWhereItLiesAndScoresIt) {
    AskingFixture fx;
    fx.state.piles.tableau(2) = pileOf({5, 9, 6});
    fx.state.cards.setFaceUp(9, false);
    fx.accepting = 4;

    EXPECT_TRUE(placeOnFoundation(fx.state, fx.services, 9, 2));

    EXPECT_EQ(fx.asked, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(fx.tableau(3), pileOf({5, 6}));
    EXPECT_EQ(fx.foundation(5), pileOf({9}));
    EXPECT_TRUE(fx.state.cards.isFaceUp(9));
    EXPECT_EQ(fx.scoredCards, 1);
}

TEST(DealPlacement, ACardNoFoundationTakesOrThatIsNotOnTheTableStaysPut) {
    AskingFixture fx;
    fx.state.piles.tableau(0) = pileOf({5});
    EXPECT_FALSE(placeOnFoundation(fx.state, fx.services, 5));
    EXPECT_EQ(fx.asked.size(), 8u);
    EXPECT_EQ(fx.tableau(1), pileOf({5}));

    fx.accepting = 0;
    EXPECT_FALSE(placeOnFoundation(fx.state, fx.services, 7)); // lies nowhere
    EXPECT_EQ(fx.foundation(1), "");
    EXPECT_FALSE(placeOnFoundation(fx.state, fx.services, 0));
    EXPECT_EQ(fx.scoredCards, 0);
}

TEST(DealPlacement, TableauGroupsTryTheirOwnFoundations) {
    const std::vector<std::pair<int, std::vector<int>>> groups = {
        {0, {1, 2, 3, 4}}, {3, {1, 2, 3, 4}}, {4, {1, 2, 3, 4, 5, 6, 7, 8}},
        {6, {5, 6, 7, 8}}, {9, {5, 6, 7, 8}}, {11, {1, 2, 3, 4, 5, 6, 7, 8}}};
    for (const auto& [tableau, foundations] : groups) {
        AskingFixture fx;
        fx.state.piles.tableau(tableau) = pileOf({20});
        EXPECT_FALSE(placeByTableauGroup(fx.state, fx.services, 20, tableau));
        EXPECT_EQ(fx.asked, foundations) << "tableau index " << tableau;
    }

    AskingFixture fx;
    fx.set({{param::FoundationCount, 6}});
    fx.state.piles.tableau(7) = pileOf({20});
    fx.accepting = 5;
    EXPECT_TRUE(placeByTableauGroup(fx.state, fx.services, 20, 7));
    EXPECT_EQ(fx.asked, (std::vector<int>{5, 6}));
    EXPECT_EQ(fx.foundation(6), pileOf({20}));
}

TEST(DealPlacement, FillGapTakesTheFirstEmptyPlaceUnlessTheRankIsThere) {
    std::string pile = "005000000";
    EXPECT_TRUE(fillGap(pile, 19));
    EXPECT_EQ(pile, "005019000");
    EXPECT_FALSE(fillGap(pile, 32)); // a 6 is there already
    EXPECT_FALSE(fillGap(pile, 18)); // so is a 5
    EXPECT_TRUE(fillGap(pile, 1));
    EXPECT_EQ(pile, "005019001");
    EXPECT_FALSE(fillGap(pile, 2)); // no empty place left
}

TEST(DealPlacement, RemovalSearchesTheWasteFirstAndOnlyTheGamesTableaus) {
    DealFixture fx;
    fx.set({{param::TableauCount, 2}});
    fx.state.piles.tableau(2) = pileOf({8});
    fx.state.piles.stock(kDiscard) = pileOf({8, 9});
    fx.state.piles.reserve(9) = pileOf({10});
    fx.state.piles.tableau(0) = pileOf({3, 4, 5, 11});
    fx.state.piles.stock(kWaste) = pileOf({11});

    EXPECT_EQ(removeAnywhere(fx.state, 11, RemovalKind::Cut).pile,
              (PileRef{PileKind::Stock, kWaste}));
    EXPECT_EQ(removeAnywhere(fx.state, 8, RemovalKind::Cut).pile,
              (PileRef{PileKind::Stock, kDiscard}));
    EXPECT_EQ(fx.tableau(3), pileOf({8}));
    EXPECT_EQ(removeAnywhere(fx.state, 10, RemovalKind::Cut).pile, (PileRef{PileKind::Reserve, 9}));
    EXPECT_EQ(removeAnywhere(fx.state, 4, RemovalKind::Cut).pile, (PileRef{PileKind::Tableau, 0}));
    EXPECT_EQ(fx.tableau(1), pileOf({3, 5, 11}));
    EXPECT_FALSE(removeAnywhere(fx.state, 4, RemovalKind::Cut));

    std::string pile = pileOf({3, 5});
    insertCardIntoPile(pile, 1, 4);
    insertCardIntoPile(pile, 9, 6);
    EXPECT_EQ(pile, pileOf({3, 4, 5, 6}));
}

} // namespace
} // namespace vellomir::table
