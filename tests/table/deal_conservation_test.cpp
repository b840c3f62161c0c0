#include "table/deal_distribution.h"

#include "deal_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

namespace vellomir::table {
namespace {

using dealtest::cardsUpTo;
using dealtest::DealFixture;
namespace param = catalogue::param;

// Every card of the table, bottom to top, pile by pile.
std::vector<int> cardsOnTable(const PileLists& piles) {
    std::vector<int> cards;
    auto collect = [&](const std::string& pile) {
        EXPECT_EQ(pile.size() % 3, 0u) << pile;
        for (int i = 0; i < cardCount(pile); ++i) {
            if (const int card = cardAt(pile, i)) {
                cards.push_back(card);
            }
        }
    };
    for (int i = 0; i < kStockPiles; ++i) {
        collect(piles.stock(i));
    }
    for (int i = 0; i < kMaxFoundations; ++i) {
        collect(piles.foundation(i));
    }
    for (int i = 0; i < kMaxTableaus; ++i) {
        collect(piles.tableau(i));
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        collect(piles.reserve(i));
    }
    return cards;
}

class RandomDeals {
public:
    explicit RandomDeals(unsigned seed) : m_random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T> T pick(std::initializer_list<T> values) {
        return *(values.begin() + below(static_cast<int>(values.size())));
    }

    // One or two packs, with or without jokers, shuffled, sometimes cut short
    // or holding empty slots.
    std::vector<int> dealArray() {
        std::vector<int> cards = cardsUpTo(pick({52, 104}));
        for (int j = 0; j < below(5); ++j) {
            cards.push_back(105 + j);
        }
        std::shuffle(cards.begin(), cards.end(), m_random);
        if (below(4) == 0) {
            cards.resize(static_cast<std::size_t>(below(static_cast<int>(cards.size()) + 1)));
        }
        if (below(6) == 0) {
            cards.insert(cards.begin() + below(static_cast<int>(cards.size()) + 1), 0);
        }
        return cards;
    }

    void gameParameters(DealFixture& fx) {
        const int tableaus = below(14);
        fx.set({{param::CardCount, 52},
                {param::FoundationCount, below(10)},
                {param::TableauCount, tableaus},
                {param::ReserveCount, below(5)},
                {param::StockCards, below(30)},
                {param::StockFaceDown, below(2)},
                {param::WasteCards, below(4)},
                {param::DiscardCards, below(3)},
                {param::FirstDiscardCard, pick({0, 0, 7, 113, 230})},
                {param::FoundationBaseMode, below(5)},
                {param::ExtraCardToFoundation1, below(2)},
                {param::GameType, pick({0, 0, 11, 22})},
                {param::DealArrangement, below(16)},
                {param::SweepTableauByTableau, below(2)}});
        for (int f = 0; f < 16; ++f) {
            fx.set({{param::FoundationStartCard + f,
                     pick({0, 0, 0, 3, 20, 21, 55, 91, 92, 93, 94, 95, 96, 105, 108, 150})},
                    {param::FoundationBaseRank + f, pick({-1, 1, 13})}});
        }
        for (int t = 0; t < kMaxTableaus; ++t) {
            fx.set({{param::TableauStartCards + t,
                     below(8) == 0 ? pick({1001, 1013, 1501, 1504, 1500}) : below(9)},
                    {param::TableauStartFace + t, below(7) - 3},
                    {param::TableauEmptyCode + t, pick({0, 91})}});
        }
        for (int r = 0; r < kMaxReserves; ++r) {
            fx.set({{param::ReserveStartCards + r, below(6)},
                    {param::ReserveStartFace + r, below(5) - 3}});
        }
    }

    int draw(int bound) { return below(bound); }

private:
    std::mt19937 m_random;
};

TEST(DealConservation, EveryCardOfTheDealEndsOnTheTableOnceOrIsAccountedFor) {
    RandomDeals random(20240611);
    for (int round = 0; round < 3000; ++round) {
        DealFixture fx;
        random.gameParameters(fx);
        // Foundations that sometimes accept anything, sometimes build in suit.
        const bool lenient = random.below(2) == 0;
        fx.services.accepts = [lenient](const ProgramState& state, int card, int f) {
            return lenient || dealtest::upInSuit(state, card, f);
        };
        fx.services.random = [&random](int bound) { return random.draw(bound); };
        const std::vector<int> deal = random.dealArray();

        const DealOutcome outcome = fx.deal(deal);

        std::map<int, int> seen;
        for (int card : cardsOnTable(fx.state.piles)) {
            ++seen[card];
        }
        for (const std::vector<int>* elsewhere : {&outcome.setAside, &outcome.undealt}) {
            for (int card : *elsewhere) {
                ++seen[card];
            }
        }
        std::map<int, int> dealt;
        for (int card : deal) {
            if (card != 0) {
                ++dealt[card];
            }
        }
        ASSERT_EQ(seen, dealt) << "round " << round;
        ASSERT_TRUE(outcome.rejected.empty()) << "round " << round;
        ASSERT_EQ(fx.dealtScoreComputed, 1);
    }
}

TEST(DealConservation, AFullDealForPilesThatHoldItLeavesNothingBehind) {
    RandomDeals random(7);
    for (int round = 0; round < 200; ++round) {
        DealFixture fx;
        fx.set({{param::TableauCount, 10},
                {param::FoundationCount, 4},
                {param::ReserveCount, 2},
                {param::StockCards, random.below(20)},
                {param::ReserveStartCards, 3},
                {param::ReserveStartCards + 1, 3},
                {param::TableauStartCards + 9, 1000}});
        for (int t = 0; t < 9; ++t) {
            fx.set({{param::TableauStartCards + t, random.below(5)},
                    {param::TableauStartFace + t, 1}});
        }
        std::vector<int> deal = cardsUpTo(104);
        std::shuffle(deal.begin(), deal.end(), std::mt19937(static_cast<unsigned>(round)));

        const DealOutcome outcome = fx.deal(deal);

        std::vector<int> onTable = cardsOnTable(fx.state.piles);
        std::sort(onTable.begin(), onTable.end());
        ASSERT_EQ(onTable, cardsUpTo(104));
        ASSERT_TRUE(outcome.undealt.empty());
    }
}

} // namespace
} // namespace vellomir::table
