#include "table/deal_preparation.h"

#include "deal_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vellomir::table {
namespace {

using dealtest::cardsUpTo;

std::vector<int> reversedPack(int n) {
    std::vector<int> cards = cardsUpTo(n);
    std::reverse(cards.begin(), cards.end());
    return cards;
}

TEST(DealPreparation, PuzzleOfNineKeepsTheHeartsUpToNineInDealOrder) {
    std::vector<int> cards = {30, 5, 12, 9, 40, 1, 2, 50, 7, 3, 8, 6, 4, 105, 53};
    const std::vector<int> removed = prepareDealCards(cards, 9, 9);
    EXPECT_EQ(cards, (std::vector<int>{5, 9, 1, 2, 7, 3, 8, 6, 4}));
    EXPECT_EQ(removed, (std::vector<int>{30, 12, 40, 50, 105, 53}));
}

TEST(DealPreparation, PuzzleOfMoreThanThirteenCarriesOnWithTheClubs) {
    std::vector<int> cards = reversedPack(52);
    prepareDealCards(cards, 9, 15);
    EXPECT_EQ(cards, (std::vector<int>{28, 27, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST(DealPreparation, OneCardOfEachRankUpToTheTableauCount) {
    std::vector<int> cards = {14, 2, 1, 27, 15, 3, 105, 5, 4, 16};
    const std::vector<int> removed = prepareDealCards(cards, 11, 4);
    EXPECT_EQ(cards, (std::vector<int>{14, 2, 3, 4}));
    EXPECT_EQ(removed, (std::vector<int>{1, 27, 15, 105, 5, 16}));
}

TEST(DealPreparation, RanksOneToNineInTheSuitOfTheFirstCard) {
    std::vector<int> cards = {105, 20, 3, 14, 66, 22, 23, 24, 25, 26, 15, 16, 17, 18, 19, 21};
    prepareDealCards(cards, 14, 9);
    // The joker has no suit: the first suited card, 20, is a diamond.
    EXPECT_EQ(cards, (std::vector<int>{20, 14, 22, 15, 16, 17, 18, 19, 21}));
}

TEST(DealPreparation, FixedSetShrinksWithThreeOrFourTableaus) {
    for (auto [tableaus, kept] : {std::pair{3, 12}, std::pair{4, 24}, std::pair{5, 40}}) {
        std::vector<int> cards = cardsUpTo(108);
        prepareDealCards(cards, 12, tableaus);
        EXPECT_EQ(static_cast<int>(cards.size()), kept) << tableaus << " tableaus";
    }
    std::vector<int> cards = reversedPack(20);
    prepareDealCards(cards, 12, 3);
    EXPECT_EQ(cards, (std::vector<int>{19, 15, 5, 1}));
}

TEST(DealPreparation, OtherCodesKeepEveryCard) {
    for (int code : {0, 1, 3, 10, 13, 15}) {
        std::vector<int> cards = cardsUpTo(52);
        EXPECT_TRUE(prepareDealCards(cards, code, 9).empty()) << code;
        EXPECT_EQ(cards, cardsUpTo(52));
    }
}

} // namespace
} // namespace vellomir::table
