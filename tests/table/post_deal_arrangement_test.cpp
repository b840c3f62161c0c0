#include "table/post_deal_arrangement.h"

#include "deal_fixture.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

using dealtest::cardsUpTo;
using dealtest::DealFixture;
namespace param = catalogue::param;
using dealtest::pileOf;

// Tableaus 1..n dealt with the given counts, top card face up.
void dealTableaus(DealFixture& fx, std::vector<int> counts) {
    fx.set({{param::TableauCount, static_cast<int>(counts.size())}});
    for (std::size_t t = 0; t < counts.size(); ++t) {
        fx.set({{param::TableauStartCards + static_cast<int>(t), counts[t]},
                {param::TableauStartFace + static_cast<int>(t), 1}});
    }
}

TEST(PostDealArrangement, ThreeByThreePuzzleDealsNineHeartsAndEmptiesTheCellOfTheNine) {
    DealFixture fx;
    fx.set({{param::CardCount, 52}, {param::DealArrangement, 9}});
    dealTableaus(fx, std::vector<int>(9, 1));
    std::vector<int> deal = {30, 5, 12, 9, 40, 1, 2, 50, 7, 3, 8, 6, 4};
    for (int c = 10; c <= 52; ++c) {
        if (c != 30 && c != 40 && c != 50 && c != 12) {
            deal.push_back(c);
        }
    }

    const DealOutcome outcome = fx.deal(deal);

    const std::vector<std::string> expected = {pileOf({5}), "",          pileOf({1}),
                                               pileOf({2}), pileOf({7}), pileOf({3}),
                                               pileOf({8}), pileOf({6}), pileOf({4})};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(fx.tableau(n), expected[static_cast<std::size_t>(n - 1)]) << "tableau " << n;
        EXPECT_EQ(fx.faces(fx.tableau(n)), n == 2 ? "" : "U") << "tableau " << n;
    }
    EXPECT_EQ(outcome.setAside.size(), 44u); // the 43 cards left out, then the nine
    EXPECT_EQ(outcome.setAside.back(), 9);
    EXPECT_TRUE(outcome.undealt.empty());
}

TEST(PostDealArrangement, AceStartsSweepTheTableausDepthByDepthOrTableauByTableau) {
    for (int byTableau : {0, 1}) {
        DealFixture fx;
        fx.set({{param::FoundationCount, 4}, {param::SweepTableauByTableau, byTableau}});
        for (int f = 0; f < 4; ++f) {
            fx.set({{param::FoundationStartCard + f, 93}});
        }
        dealTableaus(fx, {2, 2});

        fx.deal({2, 40, 4, 1, 14, 27, 3, 5});

        if (byTableau == 0) {
            // 2 and 3 at depth one, then 4 and 5 at depth two.
            EXPECT_EQ(fx.foundation(1), pileOf({1, 2, 3, 4, 5}));
            EXPECT_EQ(fx.tableau(1), "");
            EXPECT_EQ(fx.tableau(2), "");
            EXPECT_EQ(fx.scoredCards, 4);
        } else {
            // Tableau 1's 4 is offered before tableau 2's 3 has gone.
            EXPECT_EQ(fx.foundation(1), pileOf({1, 2, 3}));
            EXPECT_EQ(fx.tableau(1), pileOf({4}));
            EXPECT_EQ(fx.tableau(2), pileOf({5}));
            EXPECT_EQ(fx.scoredCards, 2);
        }
        EXPECT_EQ(fx.faces(fx.foundation(1)), std::string(cardCount(fx.foundation(1)), 'U'));
    }
}

TEST(PostDealArrangement, AcesGoUpAndTheStockThenTheWasteFillTheirPlaces) {
    DealFixture fx;
    fx.set({{param::FoundationCount, 4},
            {param::FoundationStartCard, 96},
            {param::StockCards, 3},
            {param::StockFaceDown, 1},
            {param::WasteCards, 1}});
    for (int f = 0; f < 4; ++f) {
        fx.set({{param::FoundationBaseRank + f, 1}});
    }
    dealTableaus(fx, {2, 1, 1});

    fx.deal({7, 8, 27, 9, 1, 6, 14, 40});

    // The ace of tableau 1 is replaced by the stock's ace, which goes up too.
    EXPECT_EQ(fx.foundation(1), pileOf({1}));
    EXPECT_EQ(fx.foundation(2), pileOf({27}));
    EXPECT_EQ(fx.foundation(3), pileOf({14}));
    EXPECT_EQ(fx.foundation(4), pileOf({40}));
    EXPECT_EQ(fx.tableau(1), pileOf({8, 6}));
    EXPECT_EQ(fx.faces(fx.tableau(1)), "UU");
    EXPECT_EQ(fx.tableau(2), pileOf({7}));
    EXPECT_EQ(fx.tableau(3), pileOf({9}));
    EXPECT_EQ(fx.stock(), "");
    EXPECT_EQ(fx.waste(), "");
}

TEST(PostDealArrangement, FamilyTwentyTwoPutsTheQueenOnTableauOneAndTheKingUnderTheStock) {
    DealFixture fx;
    fx.set({{param::GameType, 22}, {param::StockCards, 2}, {param::StockFaceDown, 1}});
    dealTableaus(fx, {2, 2});
    fx.deal({5, 6, 12, 7, 13, 8});
    EXPECT_EQ(fx.stock(), pileOf({13, 5, 6}));
    EXPECT_EQ(fx.faces(fx.stock()), "ddd");
    EXPECT_EQ(fx.tableau(1), pileOf({7, 12}));
    EXPECT_EQ(fx.faces(fx.tableau(1)), "UU");
    EXPECT_EQ(fx.tableau(2), pileOf({8}));
}

TEST(PostDealArrangement, KingsAtTheBottomAreExchangedWithTheStock) {
    DealFixture fx;
    fx.set({{param::DealArrangement, 1},
            {param::FoundationCount, 1},
            {param::FoundationStartCard, 139},
            {param::StockCards, 3},
            {param::StockFaceDown, 1}});
    dealTableaus(fx, {1, 1});

    fx.deal({39, 4, 5, 26, 13, 7});

    EXPECT_EQ(fx.tableau(1), pileOf({5}));
    EXPECT_EQ(fx.faces(fx.tableau(1)), "U");
    EXPECT_EQ(fx.tableau(2), pileOf({7}));
    EXPECT_EQ(fx.foundation(1), pileOf({4}));
    EXPECT_EQ(fx.faces(fx.foundation(1)), "U");
    EXPECT_EQ(fx.stock(), pileOf({39, 13, 26}));
    EXPECT_EQ(fx.faces(fx.stock()), "ddd");
}

TEST(PostDealArrangement, KingsOrQueensOpenTheTableausForTheRestOfTheDeal) {
    DealFixture kings;
    kings.set({{param::DealArrangement, 2}});
    dealTableaus(kings, {0, 0});
    const DealOutcome outcome = kings.deal({5, 13, 6, 26, 7, 39, 8});
    // The cards before the first king follow at the end; a third king stays
    // on the last tableau.
    EXPECT_EQ(kings.tableau(1), pileOf({13, 6}));
    EXPECT_EQ(kings.tableau(2), pileOf({26, 7, 39, 8, 5}));
    EXPECT_EQ(kings.faces(kings.tableau(2)), "ddddU");
    EXPECT_TRUE(outcome.undealt.empty());

    DealFixture queens;
    queens.set(
        {{param::DealArrangement, 4}, {param::FoundationCount, 1}, {param::FoundationBaseRank, 1}});
    dealTableaus(queens, {0, 0, 0});
    queens.deal({12, 1, 25, 2});
    // Laid out as 12 1 | 25 2, then swept: the ace and the two go up.
    EXPECT_EQ(queens.tableau(1), pileOf({12}));
    EXPECT_EQ(queens.tableau(2), pileOf({25}));
    EXPECT_EQ(queens.tableau(3), "");
    EXPECT_EQ(queens.foundation(1), pileOf({1, 2}));
}

TEST(PostDealArrangement, TableausAreRedealtWithoutARepeatedRank) {
    DealFixture fits;
    fits.set({{param::DealArrangement, 3}});
    dealTableaus(fits, {2, 2});
    fits.deal({1, 14, 2, 15});
    EXPECT_EQ(fits.tableau(1), pileOf({1, 2}));
    EXPECT_EQ(fits.tableau(2), pileOf({14, 15}));
    EXPECT_EQ(fits.faces(fits.tableau(2)), "dU");

    // Tableau 2 can take only one card by the rule; the two aces left over
    // still go into its open places rather than off the table.
    DealFixture leftover;
    leftover.set({{param::DealArrangement, 3}});
    dealTableaus(leftover, {3, 3});
    leftover.deal({1, 14, 2, 27, 3, 40});
    EXPECT_EQ(leftover.tableau(1), pileOf({1, 2, 3}));
    EXPECT_EQ(leftover.tableau(2), pileOf({14, 27, 40}));
}

TEST(PostDealArrangement, RestOfTheDealIsSortedByRank) {
    DealFixture byRank;
    byRank.set({{param::DealArrangement, 6}});
    dealTableaus(byRank, {0, 0, 0});
    DealOutcome outcome = byRank.deal({3, 1, 2, 14, 4, 105});
    EXPECT_EQ(byRank.tableau(1), pileOf({1, 14}));
    EXPECT_EQ(byRank.faces(byRank.tableau(1)), "dU");
    EXPECT_EQ(byRank.tableau(2), pileOf({2}));
    EXPECT_EQ(byRank.tableau(3), pileOf({3}));
    EXPECT_EQ(outcome.undealt, (std::vector<int>{4, 105}));

    DealFixture byRankLessOne;
    byRankLessOne.set({{param::DealArrangement, 5}});
    dealTableaus(byRankLessOne, {0, 0, 0});
    outcome = byRankLessOne.deal({3, 1, 2, 14, 4, 105});
    EXPECT_EQ(byRankLessOne.tableau(1), pileOf({2}));
    EXPECT_EQ(byRankLessOne.tableau(2), pileOf({3}));
    EXPECT_EQ(byRankLessOne.tableau(3), pileOf({4}));
    EXPECT_EQ(outcome.undealt, (std::vector<int>{1, 14, 105}));
}

TEST(PostDealArrangement, BottomCardsAreOfferedFromTheFoundationOfTheSameNumber) {
    DealFixture fx;
    fx.set({{param::DealArrangement, 7},
            {param::FoundationCount, 2},
            {param::FoundationBaseRank + 0, 1},
            {param::FoundationBaseRank + 1, 1}});
    dealTableaus(fx, {1, 2, 1});
    fx.deal({5, 1, 6, 14});
    EXPECT_EQ(fx.tableau(1), pileOf({5}));
    EXPECT_EQ(fx.foundation(1), ""); // tableau 2's ace starts at foundation 2
    EXPECT_EQ(fx.foundation(2), pileOf({1}));
    EXPECT_EQ(fx.tableau(2), pileOf({6}));
    EXPECT_EQ(fx.tableau(3), pileOf({14})); // no foundation 3
    EXPECT_EQ(fx.scoredCards, 1);
}

TEST(PostDealArrangement, AcesOrKingsBecomeGaps) {
    DealFixture aces;
    aces.set({{param::DealArrangement, 8}});
    dealTableaus(aces, {3, 2});
    DealOutcome outcome = aces.deal({2, 1, 3, 40, 5});
    EXPECT_EQ(aces.tableau(1), "002000003");
    EXPECT_EQ(aces.tableau(2), "000005");
    EXPECT_EQ(aces.faces(aces.tableau(1)), "d_U");
    EXPECT_EQ(outcome.setAside, (std::vector<int>{1, 40}));

    DealFixture kings;
    kings.set({{param::DealArrangement, 15}});
    dealTableaus(kings, {2, 0});
    outcome = kings.deal({13, 4});
    EXPECT_EQ(kings.tableau(1), "000004" + std::string(21, '0'));
    EXPECT_EQ(kings.tableau(2), std::string(27, '0'));
    EXPECT_EQ(outcome.setAside, (std::vector<int>{13}));
}

TEST(PostDealArrangement, RandomTableauOtherThanTheLastIsEmptied) {
    DealFixture fx;
    fx.set({{param::DealArrangement, 10}});
    dealTableaus(fx, {1, 2, 1, 1});
    fx.nextDraw = 1;
    const DealOutcome outcome = fx.deal({1, 2, 3, 4, 5});
    EXPECT_EQ(fx.drawBounds, (std::vector<int>{3}));
    EXPECT_EQ(fx.tableau(2), "");
    EXPECT_EQ(outcome.setAside, (std::vector<int>{2, 3}));
    EXPECT_EQ(fx.tableau(4), pileOf({5}));

    DealFixture single;
    single.set({{param::DealArrangement, 10}});
    dealTableaus(single, {1});
    single.deal({1});
    EXPECT_TRUE(single.drawBounds.empty());
    EXPECT_EQ(single.tableau(1), pileOf({1}));
}

TEST(PostDealArrangement, RestOfTheDealStartsTheFoundations) {
    DealFixture fx;
    fx.set({{param::DealArrangement, 13}, {param::FoundationCount, 3}});
    dealTableaus(fx, {1});
    fx.deal({9, 20, 31});
    EXPECT_EQ(fx.tableau(1), pileOf({9}));
    EXPECT_EQ(fx.foundation(1), pileOf({20}));
    EXPECT_EQ(fx.foundation(2), pileOf({31}));
    EXPECT_EQ(fx.foundation(3), "");
    EXPECT_EQ(fx.faces(fx.foundation(2)), "U");
}

} // namespace
} // namespace vellomir::table
