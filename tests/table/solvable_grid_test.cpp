#include "table/solvable_grid.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <queue>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

std::string code(int card) {
    std::string s = std::to_string(card);
    return std::string(3 - s.size(), '0') + s;
}

// A grid `width` places wide, one card a place, 0 for the empty place.
ProgramState grid(const std::vector<int>& cards, int width, int solvable = 0) {
    ProgramState state;
    state.params.set(param::TableauCount, static_cast<int>(cards.size()));
    state.params.set(param::GridWidth, width);
    state.params.set(param::SolvableGridDeal, solvable);
    for (std::size_t t = 0; t < cards.size(); ++t) {
        state.piles.tableau(static_cast<int>(t)) = cards[t] == 0 ? "" : code(cards[t]);
    }
    return state;
}

std::vector<int> cardsOf(const ProgramState& state, int places) {
    std::vector<int> cards;
    for (int t = 0; t < places; ++t) {
        const std::string& pile = state.piles.tableau(t);
        cards.push_back(pile.empty() ? 0 : cardAt(pile, 0));
    }
    return cards;
}

// Every arrangement of the 3 x 3 puzzle that sliding reaches from the
// solved one (and so, sliding being reversible, every one that can be solved).
std::set<std::vector<int>> reachableFromSolved() {
    const std::vector<int> solved = {1, 2, 3, 4, 5, 6, 7, 8, 0};
    std::set<std::vector<int>> seen{solved};
    std::queue<std::vector<int>> open;
    open.push(solved);
    while (!open.empty()) {
        const std::vector<int> at = open.front();
        open.pop();
        const int gap = static_cast<int>(std::find(at.begin(), at.end(), 0) - at.begin());
        for (int next :
             {gap - 3, gap + 3, gap % 3 > 0 ? gap - 1 : -1, gap % 3 < 2 ? gap + 1 : -1}) {
            if (next < 0 || next >= 9) {
                continue;
            }
            std::vector<int> moved = at;
            std::swap(moved[static_cast<std::size_t>(gap)], moved[static_cast<std::size_t>(next)]);
            if (seen.insert(moved).second) {
                open.push(moved);
            }
        }
    }
    return seen;
}

TEST(SolvableGrid, TheParityTestAgreesWithASearchOfTheThreeByThreePuzzle) {
    const std::set<std::vector<int>> reachable = reachableFromSolved();
    EXPECT_EQ(reachable.size(), 181440u); // half of the 9! arrangements
    std::vector<int> cards = {1, 2, 3, 4, 5, 6, 7, 8, 0};
    std::mt19937 shuffle(20261208);
    for (int k = 0; k < 400; ++k) {
        std::shuffle(cards.begin(), cards.end(), shuffle);
        EXPECT_EQ(gridIsSolvable(grid(cards, 3)), reachable.contains(cards)) << k;
    }
}

TEST(SolvableGrid, KnownPositionsOfTheLargerSquares) {
    // The fifteen puzzle with its 14 and 15 exchanged cannot be solved; the
    // fifteen places are hearts ace to king, then the clubs ace and 2.
    std::vector<int> fifteen(16);
    std::iota(fifteen.begin(), fifteen.begin() + 13, 1);
    fifteen[13] = 28;
    fifteen[14] = 27;
    fifteen[15] = 0;
    EXPECT_FALSE(gridIsSolvable(grid(fifteen, 4)));
    std::swap(fifteen[13], fifteen[14]);
    EXPECT_TRUE(gridIsSolvable(grid(fifteen, 4)));
    // The same position with the gap slid up one row is solvable too.
    std::swap(fifteen[15], fifteen[11]);
    EXPECT_TRUE(gridIsSolvable(grid(fifteen, 4)));
    EXPECT_EQ(gridHomePlace(27), 13);
    EXPECT_EQ(gridHomePlace(38), 24);
}

TEST(SolvableGrid, AnUnsolvableDealSwapsItsFirstTwoCardsOnlyWhenTheGameAsksForIt) {
    const std::vector<int> unsolvable = {2, 1, 3, 4, 5, 6, 7, 8, 0};

    ProgramState untouched = grid(unsolvable, 3, 0);
    makeGridSolvable(untouched);
    EXPECT_EQ(cardsOf(untouched, 9), unsolvable);

    ProgramState mended = grid({0, 2, 1, 3, 4, 5, 6, 7, 8}, 3, 1);
    ASSERT_FALSE(gridIsSolvable(mended));
    makeGridSolvable(mended);
    EXPECT_EQ(cardsOf(mended, 9), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(gridIsSolvable(mended));

    const std::vector<int> solvable = {1, 2, 3, 4, 5, 6, 7, 8, 0};
    ProgramState kept = grid(solvable, 3, 1);
    makeGridSolvable(kept);
    EXPECT_EQ(cardsOf(kept, 9), solvable);
}

TEST(SolvableGrid, TablesThatAreNoPuzzleAreLeftAlone) {
    // No empty place, or two: nothing to judge, nothing moved.
    const std::vector<int> full = {2, 1, 3, 4};
    ProgramState noGap = grid(full, 2, 1);
    EXPECT_TRUE(gridIsSolvable(noGap));
    makeGridSolvable(noGap);
    EXPECT_EQ(cardsOf(noGap, 4), full);
    EXPECT_TRUE(gridIsSolvable(grid({0, 1, 0, 2}, 2, 1)));
}

} // namespace
} // namespace vellomir::table
