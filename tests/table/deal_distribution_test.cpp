#include "table/deal_distribution.h"

#include "deal_fixture.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

using dealtest::cardsUpTo;
using dealtest::DealFixture;
namespace param = catalogue::param;
using dealtest::pileOf;

TEST(DealDistribution, KlondikeLikeDealFillsTheStockThenTheTableausWithTheirTopCardsUp) {
    DealFixture fx;
    fx.set({{param::CardCount, 52},
            {param::FoundationCount, 4},
            {param::TableauCount, 7},
            {param::StockCards, 24},
            {param::StockFaceDown, 1}});
    for (int t = 0; t < 7; ++t) {
        fx.set({{param::TableauStartCards + t, t + 1}, {param::TableauStartFace + t, 1}});
    }
    std::vector<int> deal;
    for (int c = 52; c >= 1; --c) {
        deal.push_back(c);
    }

    const DealOutcome outcome = fx.deal(deal);

    std::string stock;
    for (int c = 52; c >= 29; --c) {
        stock += cardText(c);
    }
    EXPECT_EQ(fx.stock(), stock);
    EXPECT_EQ(fx.faces(fx.stock()), std::string(24, 'd'));
    EXPECT_EQ(fx.tableau(1), pileOf({28}));
    EXPECT_EQ(fx.tableau(2), pileOf({27, 26}));
    EXPECT_EQ(fx.tableau(3), pileOf({25, 24, 23}));
    EXPECT_EQ(fx.tableau(4), pileOf({22, 21, 20, 19}));
    EXPECT_EQ(fx.tableau(5), pileOf({18, 17, 16, 15, 14}));
    EXPECT_EQ(fx.tableau(6), pileOf({13, 12, 11, 10, 9, 8}));
    EXPECT_EQ(fx.tableau(7), pileOf({7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(fx.faces(fx.tableau(7)), "ddddddU");
    EXPECT_EQ(fx.faces(fx.tableau(1)), "U");
    EXPECT_TRUE(fx.waste().empty());
    EXPECT_TRUE(outcome.undealt.empty());
    EXPECT_TRUE(outcome.setAside.empty());
    EXPECT_EQ(fx.dealtScoreComputed, 1);
}

TEST(DealDistribution, PilesAreDealtInTheirFixedOrderWithTheirFaces) {
    DealFixture fx;
    fx.set({{param::TableauCount, 2},
            {param::ReserveCount, 1},
            {param::TableauStartCards + 0, 2},
            {param::TableauStartFace + 0, -1},
            {param::TableauStartCards + 1, 1013},
            {param::TableauStartFace + 1, 1},
            {param::StockCards, 2},
            {param::StockFaceDown, 0},
            {param::WasteCards, 1},
            {param::DiscardCards, 1},
            {param::ReserveStartCards, 2},
            {param::ReserveStartFace, 1}});

    const DealOutcome outcome = fx.deal({5, 13, 7, 8, 9, 10, 11, 12, 14, 15, 16});

    // The king of tableau 2's special count is found first, then the stock,
    // waste, tableau 1, discard pile and reserve take the deal in order.
    EXPECT_EQ(fx.tableau(2), pileOf({13}));
    EXPECT_EQ(fx.faces(fx.tableau(2)), "U");
    EXPECT_EQ(fx.stock(), pileOf({5, 7}));
    EXPECT_EQ(fx.faces(fx.stock()), "UU");
    EXPECT_EQ(fx.waste(), pileOf({8}));
    EXPECT_EQ(fx.faces(fx.waste()), "U");
    EXPECT_EQ(fx.tableau(1), pileOf({9, 10}));
    EXPECT_EQ(fx.faces(fx.tableau(1)), "Ud");
    EXPECT_EQ(fx.discard(), pileOf({11}));
    EXPECT_EQ(fx.faces(fx.discard()), "U");
    EXPECT_EQ(fx.reserve(1), pileOf({12, 14}));
    EXPECT_EQ(fx.faces(fx.reserve(1)), "dU");
    EXPECT_EQ(outcome.undealt, (std::vector<int>{15, 16}));
}

TEST(DealDistribution, SpecialTableauCountsDealOneCardOfARankOrAJoker) {
    DealFixture fx;
    fx.set({{param::TableauCount, 4},
            {param::TableauStartCards + 0, 1501},
            {param::TableauStartCards + 1, 1504},
            {param::TableauStartCards + 2, 1001},
            {param::TableauStartCards + 3, 1500},
            {param::TableauStartFace + 2, 1},
            {param::StockCards, 10}});

    const DealOutcome outcome = fx.deal({3, 105, 40, 2, 1, 6});

    EXPECT_EQ(fx.tableau(1), pileOf({105}));
    EXPECT_EQ(fx.tableau(2), "");           // joker 108 is not in this deal
    EXPECT_EQ(fx.tableau(3), pileOf({40})); // the first ace
    EXPECT_EQ(fx.faces(fx.tableau(1)), "d");
    EXPECT_EQ(fx.faces(fx.tableau(3)), "U");
    EXPECT_EQ(fx.tableau(4), ""); // 1500 names no card
    EXPECT_EQ(fx.stock(), pileOf({3, 2, 1, 6}));
    EXPECT_TRUE(outcome.undealt.empty());
}

TEST(DealDistribution, ShortDealArraysFillWhatTheyCanAndBadEntriesAreNeverDealt) {
    DealFixture fx;
    fx.set({{param::TableauCount, 3}, {param::StockCards, 4}});
    for (int t = 0; t < 3; ++t) {
        fx.set({{param::TableauStartCards + t, 3}, {param::TableauStartFace + t, 1}});
    }

    const DealOutcome outcome = fx.deal({0, 5, 5, 200, -3, 7, 0, 9, 10, 11, 12});

    EXPECT_EQ(fx.stock(), pileOf({5, 7, 9, 10}));
    EXPECT_EQ(fx.tableau(1), pileOf({11, 12}));
    EXPECT_EQ(fx.faces(fx.tableau(1)), "dU");
    EXPECT_EQ(fx.tableau(2), "");
    EXPECT_EQ(outcome.rejected, (std::vector<int>{5, 200, -3}));
    EXPECT_TRUE(outcome.undealt.empty());
}

TEST(DealDistribution, OnlyTheGamesTableausAndReservesAreDealt) {
    DealFixture fx;
    fx.set({{param::TableauCount, 1},
            {param::TableauStartCards + 0, 1},
            {param::TableauStartCards + 1, 2},
            {param::ReserveCount, 0},
            {param::ReserveStartCards, 2}});

    const DealOutcome outcome = fx.deal(cardsUpTo(5));

    EXPECT_EQ(fx.tableau(1), pileOf({1}));
    EXPECT_EQ(fx.tableau(2), "");
    EXPECT_EQ(fx.reserve(1), "");
    EXPECT_EQ(outcome.undealt, (std::vector<int>{2, 3, 4, 5}));
}

// Starting cards of foundations, by the code of parameter 96 + f.
struct StartingCase {
    const char* what;
    std::vector<std::pair<int, int>> codes; // foundation number, code
    std::vector<int> deal;
    std::vector<std::string> foundations; // foundations 1.. after the deal
    std::vector<int> bases;
};

void PrintTo(const StartingCase& c, std::ostream* out) {
    *out << c.what;
}

class StartingCards : public ::testing::TestWithParam<StartingCase> {};

TEST_P(StartingCards, PutTheNamedCardFaceUpAndTakeItsRankAsBase) {
    const StartingCase& c = GetParam();
    DealFixture fx;
    fx.set({{param::CardCount, 52}, {param::FoundationCount, 4}});
    for (int f = 0; f < 4; ++f) {
        fx.set({{param::FoundationBaseRank + f, -1}});
    }
    for (auto [n, code] : c.codes) {
        fx.set({{param::FoundationStartCard + n - 1, code}});
    }

    fx.deal(c.deal);

    for (std::size_t i = 0; i < c.foundations.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        EXPECT_EQ(fx.foundation(n), c.foundations[i]) << c.what << ", foundation " << n;
        EXPECT_EQ(fx.faces(fx.foundation(n)), std::string(cardCount(c.foundations[i]), 'U'));
        EXPECT_EQ(fx.base(n), c.bases[i]) << c.what << ", base of foundation " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    DealDistribution, StartingCards,
    ::testing::Values(
        StartingCase{"none", {{1, 0}}, {1, 2}, {""}, {-1}},
        StartingCase{"rank in the foundation's suit",
                     {{1, 5}, {2, 5}, {3, 13}},
                     cardsUpTo(52),
                     {pileOf({5}), pileOf({18}), pileOf({39})},
                     {5, 5, 13}},
        StartingCase{"code + 100", {{2, 113}}, cardsUpTo(52), {"", pileOf({13})}, {-1, 13}},
        StartingCase{"first card of the deal",
                     {{1, 20}, {2, 20}},
                     {44, 2, 3},
                     {pileOf({44}), pileOf({2})},
                     {5, 2}},
        StartingCase{"first card of a suit not yet on a foundation",
                     {{1, 20}, {2, 21}, {3, 21}},
                     {2, 3, 105, 15, 4, 28},
                     {pileOf({2}), pileOf({15}), pileOf({28})},
                     {2, 2, 2}},
        StartingCase{"first card of rank code - 50",
                     {{1, 53}, {2, 63}},
                     {14, 52, 16, 3, 26},
                     {pileOf({16}), pileOf({52})},
                     {3, 13}},
        StartingCase{"the first card's rank in every suit",
                     {{1, 91}, {2, 91}, {3, 91}, {4, 91}},
                     {10, 23, 36, 49, 1},
                     {pileOf({23}), pileOf({36}), pileOf({49}), pileOf({10})},
                     {10, 10, 10, 10}},
        StartingCase{"the first card's rank, wrapping past the last card",
                     {{1, 91}, {2, 91}, {3, 91}, {4, 91}},
                     {52, 13, 26, 39, 1},
                     {pileOf({13}), pileOf({26}), pileOf({39}), pileOf({52})},
                     {13, 13, 13, 13}},
        StartingCase{"base of foundation 1 copied",
                     {{1, 7}, {2, 92}},
                     cardsUpTo(52),
                     {pileOf({7}), ""},
                     {7, 7}},
        StartingCase{"the four aces of the first pack",
                     {{1, 93}, {2, 93}, {3, 94}, {4, 93}},
                     {40, 53, 27, 14, 1},
                     {pileOf({1}), pileOf({14}), pileOf({27}), pileOf({40})},
                     {1, 1, 1, 1}},
        StartingCase{"the four kings",
                     {{1, 95}, {2, 95}, {3, 95}, {4, 95}},
                     cardsUpTo(52),
                     {pileOf({13}), pileOf({26}), pileOf({39}), pileOf({52})},
                     {13, 13, 13, 13}},
        StartingCase{"no card for 96", {{1, 96}}, cardsUpTo(52), {""}, {-1}},
        StartingCase{"a card asked for twice goes to the first foundation only",
                     {{1, 101}, {2, 101}},
                     cardsUpTo(52),
                     {pileOf({1}), ""},
                     {1, -1}},
        StartingCase{"a card the deal does not hold", {{1, 208}}, cardsUpTo(52), {""}, {-1}},
        StartingCase{"a joker starts a foundation of any base",
                     {{1, 20}},
                     {106, 5},
                     {pileOf({106})},
                     {-2}}));

TEST(DealDistribution, FirstDiscardCardIsTakenFromTheDealOnce) {
    DealFixture fx;
    fx.set({{param::FirstDiscardCard, 112}, {param::DiscardCards, 1}, {param::StockCards, 1}});
    fx.deal({3, 12, 4});
    EXPECT_EQ(fx.discard(), pileOf({12, 4}));
    EXPECT_EQ(fx.faces(fx.discard()), "UU");
    EXPECT_EQ(fx.stock(), pileOf({3}));

    DealFixture missing;
    missing.set({{param::FirstDiscardCard, 30}, {param::StockCards, 10}});
    missing.deal({3, 12, 4});
    EXPECT_EQ(missing.discard(), "");
}

TEST(DealDistribution, BaseModeOneWithAJokerGivesEveryFoundationTheJokerBase) {
    DealFixture fx;
    fx.set({{param::FoundationCount, 4}, {param::FoundationBaseMode, 1}, {param::StockCards, 2}});
    fx.deal({1, 2, 107, 3});
    EXPECT_EQ(fx.foundation(1), pileOf({107}));
    EXPECT_EQ(fx.faces(fx.foundation(1)), "U");
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(fx.base(n), -2) << n;
    }

    DealFixture seven;
    seven.set({{param::FoundationCount, 4}, {param::FoundationBaseMode, 1}});
    seven.deal({20});
    EXPECT_EQ(seven.base(1), 7);
    EXPECT_EQ(seven.base(16), 7);
}

TEST(DealDistribution, BaseModesTwoThreeAndFour) {
    DealFixture two;
    two.set({{param::FoundationCount, 3}, {param::FoundationBaseMode, 2}});
    two.deal({5, 19, 52, 8});
    EXPECT_EQ(two.foundation(1), pileOf({5}));
    EXPECT_EQ(two.foundation(2), pileOf({19}));
    EXPECT_EQ(two.foundation(3), pileOf({52}));
    EXPECT_EQ(two.foundation(4), "");
    EXPECT_EQ(two.base(1), 5);
    EXPECT_EQ(two.base(2), 6);
    EXPECT_EQ(two.base(3), 13);

    DealFixture three;
    three.set({{param::FoundationCount, 3},
               {param::ReserveCount, 2},
               {param::FoundationBaseMode, 3},
               {param::ReserveStartCards + 0, 2},
               {param::ReserveStartCards + 1, 1},
               {param::FoundationBaseRank + 2, 9}});
    three.deal({4, 13, 5});
    EXPECT_EQ(three.base(1), 1); // one above the king wraps to the ace
    EXPECT_EQ(three.base(2), 6);
    EXPECT_EQ(three.base(3), 9); // reserve 3 is empty
    EXPECT_EQ(three.foundation(1), "");

    DealFixture four;
    four.set({{param::FoundationCount, 8},
              {param::FoundationBaseMode, 4},
              {param::FoundationBaseRank, 3}});
    four.deal({26, 1});
    EXPECT_EQ(four.foundation(1), pileOf({26}));
    EXPECT_EQ(four.base(1), 3);
    for (int n = 2; n <= 4; ++n) {
        EXPECT_EQ(four.base(n), 13) << n;
    }
    for (int n = 5; n <= 8; ++n) {
        EXPECT_EQ(four.base(n), 1) << n;
    }
}

TEST(DealDistribution, EmptyTableauCode91BecomesOneRankBelowFoundationOnesBase) {
    auto codesAfterDeal = [](std::vector<std::pair<int, int>> extra, std::vector<int> deal) {
        DealFixture fx;
        fx.set({{param::FoundationCount, 1},
                {param::TableauEmptyCode + 0, 91},
                {param::TableauEmptyCode + 1, 5},
                {param::TableauEmptyCode + 27, 91}});
        for (auto [i, v] : extra) {
            fx.set({{i, v}});
        }
        fx.deal(deal);
        return std::vector<int>{fx.state.params[param::TableauEmptyCode],
                                fx.state.params[param::TableauEmptyCode + 1],
                                fx.state.params[param::TableauEmptyCode + 27]};
    };
    EXPECT_EQ(codesAfterDeal({{param::FoundationBaseRank, 1}}, {}), (std::vector<int>{13, 5, 13}));
    EXPECT_EQ(codesAfterDeal({{param::FoundationBaseMode, 1}}, {18}), (std::vector<int>{4, 5, 4}));
    EXPECT_EQ(codesAfterDeal({{param::FoundationBaseMode, 1}}, {105}),
              (std::vector<int>{-1, 5, -1}));
}

TEST(DealDistribution, ParameterElevenAddsOneCardToFoundationOneAfterTheOtherPiles) {
    DealFixture fx;
    fx.set({{param::FoundationCount, 1},
            {param::ExtraCardToFoundation1, 1},
            {param::ReserveCount, 1},
            {param::ReserveStartCards, 1},
            {param::FoundationStartCard, 102}});
    fx.deal({2, 7, 8});
    EXPECT_EQ(fx.reserve(1), pileOf({7}));
    EXPECT_EQ(fx.foundation(1), pileOf({2, 8}));
    EXPECT_EQ(fx.faces(fx.foundation(1)), "UU");
}

TEST(DealDistribution, FamilyElevenSendsReserveAcesOutAndRefillsFromTheWaste) {
    DealFixture fx;
    fx.set({{param::GameType, 11},
            {param::FoundationCount, 4},
            {param::ReserveCount, 1},
            {param::WasteCards, 5},
            {param::ReserveStartCards, 4},
            {param::ReserveStartFace, 1}});
    // waste: 5 40 6 27 7 (top 7); reserve 1: 14 2 1 3
    fx.deal({5, 40, 6, 27, 7, 14, 2, 1, 3});

    EXPECT_EQ(fx.foundation(2), pileOf({14}));
    EXPECT_EQ(fx.foundation(3), pileOf({1}));
    EXPECT_EQ(fx.foundation(1), pileOf({27}));
    // Two aces left the reserve: the waste's 7 and then 6 (27 went to
    // foundation 1) take their places on top.
    EXPECT_EQ(fx.reserve(1), pileOf({2, 3, 7, 6}));
    EXPECT_EQ(fx.faces(fx.reserve(1)), "dddU");
    EXPECT_EQ(fx.waste(), pileOf({5, 40}));
}

} // namespace
} // namespace vellomir::table
