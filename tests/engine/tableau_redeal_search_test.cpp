// The redeal of the fans (La Belle Lucie, Trefoil, Cruel) in the fast
// search: the same piles as the pointer input's click, and proofs of loss
// that a search written apart confirms.

#include "engine/solver/compact_search.h"

#include "engine/actions/automatic_moves.h"
#include "engine/dealt_game.h"
#include "engine/input/legal_moves.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "engine/solver/tableau_redeal_plan.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/main_game.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

using RedealTable = testing::UnrecordedGame;

const std::vector<int> kRedealingFans{kLaBelleLucie, kTrefoil, kCruel};

std::optional<CompactMove> redealOffered(const CompactPosition& pos) {
    std::vector<CompactMove> moves;
    pos.legalMoves(moves);
    const auto at =
        std::ranges::find_if(moves, [&](const CompactMove& m) { return pos.isRedeal(m); });
    return at == moves.end() ? std::nullopt : std::optional<CompactMove>(*at);
}

// Plays up to `steps` random moves of the engine's list.
void playFansAtRandom(RedealTable& table, int steps, std::mt19937& random) {
    for (int step = 0; step < steps; ++step) {
        const std::vector<LegalMove> moves = legalMoves(table.state, table.frontend);
        if (moves.empty()) {
            return;
        }
        ASSERT_TRUE(playLegalMove(table.state, table.frontend, moves[random() % moves.size()]));
    }
}

// Between random moves, the fast position's redeal leaves the piles and the
// pass the pointer input's click on the stock leaves, it is offered exactly
// where that click is taken, and its undo gives the position back.
TEST(RedealInTheFastSearch, IsTheStockClickOfThePointerInput) {
    int redeals = 0;
    for (const int game : kRedealingFans) {
        for (int deal = 1; deal <= 4; ++deal) {
            RedealTable table(game, deal);
            if (autoplayActive(table.state)) {
                table.run("autoplay");
            }
            const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
            ASSERT_TRUE(rules && rules->redeal) << "game " << game;
            std::mt19937 random(static_cast<unsigned>(deal));
            for (int round = 0; round < 6; ++round) {
                playFansAtRandom(table, 4 + deal, random);
                const CompactPosition before(table.state, *rules);
                const std::optional<CompactMove> redeal = redealOffered(before);
                // The click redeals where it spends a pass (at the last pass a
                // click on the stock's place is taken, and deals nothing).
                RedealTable trial(table);
                const int pass = table.state.mainGame.cell(table::cell::PassNumber);
                const bool redealt = trial.run("click Mazzo") &&
                                     trial.state.mainGame.cell(table::cell::PassNumber) == pass + 1;
                ASSERT_EQ(redeal.has_value(), redealt)
                    << "game " << game << " deal " << deal << " round " << round;
                if (!redeal) {
                    break;
                }
                CompactPosition after = before;
                after.apply(*redeal);
                ASSERT_TRUE(table.run("click Mazzo"));
                const CompactPosition clickedPos(table.state, *rules);
                EXPECT_TRUE(after == clickedPos) << "game " << game << " deal " << deal;
                EXPECT_EQ(after.key(), clickedPos.key());
                after.undo(*redeal);
                EXPECT_TRUE(after == before);
                EXPECT_EQ(after.key(), before.key());
                ++redeals;
            }
        }
    }
    EXPECT_GE(redeals, 12);
}

// A position late in a deal: the cards below `rank` home, each foundation a
// suit in order, the others on the fans where the deal put them.
void homeBelowRank(table::ProgramState& s, int rank) {
    const table::PileCounts counts = table::PileCounts::of(s.params);
    for (int t = 0; t < counts.tableaus; ++t) {
        std::vector<int> cards = testing::cardsOf(s.piles.tableau(t));
        std::erase_if(cards, [&](int c) { return table::rankOf(c) < rank; });
        s.piles.tableau(t) = testing::pileOf(cards);
    }
    constexpr int kRanks = 13;
    for (int f = 0; f < counts.foundations; ++f) {
        std::vector<int> home;
        for (int r = 1; r < rank; ++r) {
            home.push_back(f * kRanks + r);
            s.cards.setFaceFlag(home.back(), '1');
        }
        s.piles.foundation(f) = testing::pileOf(home);
    }
}

// Late in deals of the redealing fans, where the search of actions (the
// engine's own drags and clicks, a search written apart that sends nothing
// up unasked) sees every position, the fast search answers alike: a win
// the pointer input plays, or a proof that the position is lost, with
// every redeal still to come and with the last one spent.
TEST(RedealInTheFastSearch, ProofsOfLossAgreeWithTheSearchOfActions) {
    int compared = 0;
    int lost = 0;
    for (const int game : kRedealingFans) {
        for (int deal = 1; deal <= 9; ++deal) {
            RedealTable table(game, deal);
            if (autoplayActive(table.state)) {
                table.run("autoplay");
            }
            // Nine to king, ten to king or jack to king left; every redeal
            // to come, the last one only, or none.
            constexpr int kNine = 9;
            homeBelowRank(table.state, kNine + deal % 3);
            const int passes = table.state.params[catalogue::param::StockPasses];
            if (passes > 0 && deal % 3 != 0) {
                table.state.mainGame.setCell(table::cell::PassNumber, passes - 2 + deal % 3);
            }
            SolveLimits limits;
            limits.gestureSearch = false;
            limits.fastPositions = 2'000'000;
            const SolveResult fast = solveDeal(table.state, table.frontend, limits);
            ASSERT_TRUE(fast.fastSearch);
            if (fast.outcome == SolveOutcome::GaveUp) {
                continue;
            }
            const std::optional<bool> slowWins =
                testing::searchOfActionsWins(table, 300000, testing::cardsOnFoundations, true);
            if (!slowWins) {
                continue;
            }
            ++compared;
            lost += fast.outcome == SolveOutcome::Unsolved ? 1 : 0;
            EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins)
                << "game " << game << " deal " << deal;
            if (fast.outcome == SolveOutcome::Solved) {
                EXPECT_TRUE(table.playsToTheWin(fast.moves)) << "game " << game << " deal " << deal;
            }
        }
    }
    RecordProperty("compared", compared);
    RecordProperty("lost", lost);
    EXPECT_GE(compared, 20);
    EXPECT_GT(lost, 0);
    EXPECT_LT(lost, compared);
}

} // namespace
} // namespace vellomir::engine
