#include "table/deal_preparation.h"

#include "catalogue/rule_codes.h"
#include "table/card.h"

#include <algorithm>
#include <array>
#include <functional>

namespace vellomir::table {

using catalogue::codeOf;
using catalogue::DealArrangement;

namespace {

// Splits the cards into those kept and those returned as taken out.
std::vector<int> keepOnly(std::vector<int>& cards, const std::function<bool(int)>& keep) {
    std::vector<int> kept;
    std::vector<int> removed;
    for (int card : cards) {
        (keep(card) ? kept : removed).push_back(card);
    }
    cards = std::move(kept);
    return removed;
}

// Keeps the first card of each rank 1 to highestRank that also passes `fits`.
std::vector<int> keepFirstOfEachRank(std::vector<int>& cards, int highestRank,
                                     const std::function<bool(int)>& fits) {
    std::array<bool, 14> taken{};
    return keepOnly(cards, [&](int card) {
        const int rank = rankOf(card);
        if (rank < 1 || rank > std::min(highestRank, 13) || !fits(card) ||
            taken[static_cast<std::size_t>(rank)]) {
            return false;
        }
        taken[static_cast<std::size_t>(rank)] = true;
        return true;
    });
}

constexpr std::array kAlwaysKept = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
constexpr std::array kKeptUnlessThree = {9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
constexpr std::array kKeptUnlessThreeOrFour = {2,  10, 16, 24, 30, 38, 44, 52,
                                               54, 62, 68, 76, 82, 90, 96, 104};

template <std::size_t N> bool holds(const std::array<int, N>& set, int card) {
    return std::find(set.begin(), set.end(), card) != set.end();
}

} // namespace

std::vector<int> prepareDealCards(std::vector<int>& cards, int preparation, int tableauCount) {
    switch (preparation) {
    case codeOf(DealArrangement::SlidingPuzzle):
        // The cards 1 .. T of the first pack, hearts first and then clubs.
        return keepOnly(cards, [&](int card) {
            return (card >= 1 && card <= std::min(tableauCount, 13)) ||
                   (tableauCount > 13 && card >= 27 && card <= tableauCount + 13);
        });
    case codeOf(DealArrangement::FirstOfEachRank):
        return keepFirstOfEachRank(cards, tableauCount, [](int) { return true; });
    case codeOf(DealArrangement::OneSuitAceToNine): {
        // The suit comes from the first card that has one.
        const auto suited =
            std::find_if(cards.begin(), cards.end(), [](int card) { return suitOf(card) >= 0; });
        const int suit = suited == cards.end() ? -1 : suitOf(*suited);
        return keepFirstOfEachRank(cards, 9, [suit](int card) { return suitOf(card) == suit; });
    }
    case codeOf(DealArrangement::SelectionSet):
        return keepOnly(cards, [&](int card) {
            return holds(kAlwaysKept, card) ||
                   (tableauCount != 3 && holds(kKeptUnlessThree, card)) ||
                   (tableauCount != 3 && tableauCount != 4 && holds(kKeptUnlessThreeOrFour, card));
        });
    default:
        return {};
    }
}

} // namespace vellomir::table
