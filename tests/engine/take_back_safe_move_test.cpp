#include "engine/solver/compact_search.h"

#include "engine/dealt_game.h"
#include "engine/solver/solver.h"
#include "support/table_builder.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

constexpr int kBritishCanister = 97;
// Card codes: hearts 1-13, diamonds 14-26, clubs 27-39, spades 40-52.
constexpr int kFiveHearts = 5;
constexpr int kThreeDiamonds = 16;

using testing::pileOf;
// British Canister with hearts, clubs and spades home up to the 4 and
// diamonds up to `diamondsHome`; the five of hearts lies on the first
// tableau, the other cards in play on the rest, no 3 of diamonds on top.
CompactMove safeMoveWith(int diamondsHome, bool& found) {
    testing::DealtGame dealt(kBritishCanister, 1, false);
    table::ProgramState& s = dealt.state;
    const std::vector<std::vector<int>> home{{1, 2, 3, 4}, {27, 28, 29, 30}, {40, 41, 42, 43}, {}};
    std::vector<int> homeCards;
    for (const auto& pile : home) {
        homeCards.insert(homeCards.end(), pile.begin(), pile.end());
    }
    std::vector<int> diamonds;
    for (int card = 14; card < 14 + diamondsHome; ++card) {
        diamonds.push_back(card);
        homeCards.push_back(card);
    }
    std::vector<int> rest;
    for (int card = 1; card <= 52; ++card) {
        s.cards.setFaceUp(card, true);
        if (std::find(homeCards.begin(), homeCards.end(), card) == homeCards.end() &&
            card != kFiveHearts) {
            rest.push_back(card);
        }
    }
    // The 3 of diamonds, where it is in play, at the bottom of a pile.
    std::stable_partition(rest.begin(), rest.end(), [](int c) { return c == kThreeDiamonds; });
    const std::size_t share = (rest.size() + 7) / 7;
    s.piles.tableau(0) = pileOf({rest.back(), kFiveHearts});
    rest.pop_back();
    for (int t = 1; t < 8; ++t) {
        const std::size_t from = std::min(rest.size(), static_cast<std::size_t>(t - 1) * share);
        const std::size_t to = std::min(rest.size(), from + share);
        s.piles.tableau(t) = pileOf({rest.begin() + static_cast<std::ptrdiff_t>(from),
                                     rest.begin() + static_cast<std::ptrdiff_t>(to)});
    }
    for (int f = 0; f < 3; ++f) {
        s.piles.foundation(f) = pileOf(home[static_cast<std::size_t>(f)]);
    }
    s.piles.foundation(3) = pileOf(diamonds);
    std::optional<CompactRules> rules = compactRulesFor(s, dealt.frontend);
    EXPECT_TRUE(rules);
    CompactMove move;
    if (rules) {
        rules->cautiousSafeMoves = true;
    }
    found = rules && CompactPosition(s, *rules).safeFoundationMove(move);
    return move;
}

// Where cards come back from the foundations, the red 5 may be wanted back
// on a tableau while a red 3 is in play, though both black 4s are home: a 4
// taken back onto it holds the 3. Under the cautious safe moves it goes up
// at once only once the 3s are home.
TEST(CompactPosition, ACardGoesUpSafelyOnlyWhenWhatItCouldHoldIsHome) {
    bool found = false;
    const CompactMove withThreeInPlay = safeMoveWith(2, found);
    EXPECT_FALSE(found && withThreeInPlay.card == kFiveHearts)
        << "the 5 of hearts went up while the 3 of diamonds was in play";
    const CompactMove withThreesHome = safeMoveWith(3, found);
    ASSERT_TRUE(found);
    EXPECT_EQ(withThreesHome.card, kFiveHearts);
}

// British Canister deal 6507998851871 is won only by taking cards back from
// the foundations onto the tableaus, and lost where a red 5 goes up as soon
// as both black 4s are home: the fast search, its first search ended without
// a win, wins it with the cautious safe moves within a modest budget, and
// the pointer input plays its line to the win.
TEST(CompactSearch, WinsBritishCanisterWithCardsTakenBack) {
    testing::DealtGame dealt(kBritishCanister, 6507998851871LL, false);
    SolveLimits limits;
    limits.fastPositions = 200000;
    limits.gestureSearch = false;
    const SolveResult result = solveDeal(dealt.state, dealt.frontend, limits);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.fastSearch);
    EXPECT_TRUE(dealt.playsToTheWin(result.moves));
}

} // namespace
} // namespace vellomir::engine
