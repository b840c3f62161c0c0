#include "engine/solver/compact_gallery.h"

#include "engine/dealt_game.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using GalleryTable = testing::UnrecordedGame;
using GalleryOutcome = GallerySearchResult::Outcome;

// The deal holds the table's cards, the stock from its top, and each row's
// base rank as the game file gives it (Picture Gallery's top row from the
// fours, Mod 3's from the twos); a game of another kind is not held.
TEST(GallerySearch, TheDealHoldsTheTableAndTheRowsBaseRanks) {
    const GalleryTable gallery(kPictureGallery, 1000);
    const std::optional<GalleryDeal> deal = galleryDealFor(gallery.state);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->tableaus, 24);
    EXPECT_EQ(deal->reserves, 8);
    EXPECT_EQ(deal->rankStep, 3);
    EXPECT_EQ(deal->tableauCards, 4);
    EXPECT_EQ(deal->baseRank.front(), 4);
    EXPECT_EQ(deal->baseRank.back(), 2);
    ASSERT_EQ(deal->piles.size(), 32U);
    EXPECT_EQ(deal->piles[24].front(), table::topCardOf(gallery.state.piles.reserve(0)));
    const std::string& stock = gallery.state.piles.stock(table::kStock);
    ASSERT_EQ(deal->stock.size(), static_cast<std::size_t>(table::cardCount(stock)));
    EXPECT_EQ(deal->stock.front(), table::topCardOf(stock));

    const GalleryTable modThree(kModThree, 1000);
    const std::optional<GalleryDeal> other = galleryDealFor(modThree.state);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->baseRank.front(), 2);
    EXPECT_EQ(other->baseRank.back(), 4);

    for (const int game : {kKlondike, kAuldLangSyne, kCalculation}) {
        const GalleryTable table(game, 1000);
        EXPECT_FALSE(galleryDealFor(table.state)) << "game " << game;
    }
}

// The search's rules are the engine's: every line it finds is played
// through the pointer input to the win, with Autoplay ticked (the aces go
// up by themselves, and an emptied reserve is refilled before the next ace
// goes) and unticked. A fault in the order the stock deals or refills
// shows as a line the input refuses: the solver then wins nothing here.
TEST(GallerySearch, TheSolverWinsMostDealsOfBothGamesThroughThePointerInput) {
    for (const int game : {kPictureGallery, kModThree}) {
        for (const bool autoplay : {true, false}) {
            int won = 0;
            for (int deal = 1; deal <= 6; ++deal) {
                GalleryTable table(game, deal);
                table.state.autoplayTicked = autoplay;
                SolveLimits limits;
                limits.keepAutoplay = true;
                limits.gestureSearch = false;
                const SolveResult answer = solveDeal(table.state, table.frontend, limits);
                EXPECT_TRUE(answer.fastSearch);
                if (answer.outcome == SolveOutcome::Solved) {
                    EXPECT_TRUE(table.playsToTheWin(answer.moves)) << game << " " << deal;
                    ++won;
                }
            }
            EXPECT_GE(won, 4) << "game " << game << (autoplay ? " with" : " without")
                              << " Autoplay";
        }
    }
}

// Once the stock is out, a card dealt into the wrong row leaves through an
// empty reserve. A gallery of two tableaus (the fours' row and the twos')
// holding a 5 and a 7 of hearts, each in the wrong row; a reserve holds
// the 2 under the 4. Only a second, empty reserve lets the 5 step aside,
// so that the 4 and then the 7 go to the fours' row, the 2 and the 5 to
// the twos'.
TEST(GallerySearch, AWrongRowCardLeavesThroughAnEmptyReserve) {
    const int twoOfHearts = 2;
    const int fourOfHearts = 4;
    const int fiveOfHearts = 5;
    const int sevenOfHearts = 7;
    GalleryDeal deal;
    deal.tableaus = 2;
    deal.reserves = 2;
    deal.rankStep = 3;
    deal.tableauCards = 2;
    deal.baseRank = {4, 2};
    deal.piles = {{fiveOfHearts}, {sevenOfHearts}, {twoOfHearts, fourOfHearts}, {}};
    const GallerySearchResult found = searchGalleryDeal(deal, 10'000);
    ASSERT_EQ(found.outcome, GalleryOutcome::Won);
    ASSERT_EQ(found.line.size(), 5U);
    EXPECT_EQ(found.line.front().to, 3); // the empty reserve

    // Without the second reserve nothing can move.
    deal.reserves = 1;
    deal.piles.pop_back();
    const GallerySearchResult stuck = searchGalleryDeal(deal, 10'000);
    EXPECT_NE(stuck.outcome, GalleryOutcome::Won);
    EXPECT_EQ(stuck.positions, 0);
}

} // namespace
} // namespace vellomir::engine
