#include "engine/solver/compact_discard.h"

#include "engine/dealt_game.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

using Table = testing::UnrecordedGame;

// The moves the discard deal's tables allow on the table as it is now:
// tableau numbers whose top card the discard pile takes.
std::vector<int> tableMoves(const DiscardDeal& deal, const table::ProgramState& state) {
    std::uint32_t filled = 0;
    for (int t = 0; t < deal.tableaus; ++t) {
        if (!state.piles.tableau(t).empty()) {
            filled |= 1U << t;
        }
    }
    const int top = table::topCardOf(state.piles.stock(table::kDiscard));
    std::vector<int> moves;
    for (int t = 0; t < deal.tableaus; ++t) {
        const std::string& pile = state.piles.tableau(t);
        if (pile.empty() || (deal.coveredBy[static_cast<std::size_t>(t)] & filled) != 0) {
            continue;
        }
        if (deal.takes[static_cast<std::size_t>(top)]
                      [static_cast<std::size_t>(table::topCardOf(pile))]) {
            moves.push_back(t);
        }
    }
    return moves;
}

// The tableaus whose top card a click through the pointer input sends to
// the discard pile (a face-down card's first click only turns it up).
std::vector<int> clickMoves(const Table& table) {
    std::vector<int> moves;
    for (int t = 0; t < table::PileCounts::of(table.state.params).tableaus; ++t) {
        Table copy(table);
        const std::string name = table::pileName({table::PileKind::Tableau, t});
        const std::size_t before = copy.state.piles.tableau(t).size();
        const int top = table::topCardOf(copy.state.piles.tableau(t));
        if (top >= 1 && !copy.state.cards.isFaceUp(top)) {
            copy.run("click " + name);
        }
        copy.run("click " + name);
        if (copy.state.piles.tableau(t).size() < before) {
            moves.push_back(t);
        }
    }
    return moves;
}

// Along random lines of play, the tables allow exactly the clicks the
// pointer input carries out: the discard rule and, in the peaks, which
// cards are free.
TEST(DiscardDeal, TablesAllowWhatThePointerInputDoes) {
    std::mt19937 random(7);
    for (const int game : {kGolf, kBlackHole, kTriPeaks}) {
        for (const int deal : {1, 2, 3}) {
            Table table(game, deal);
            const std::optional<DiscardDeal> compact = discardDealFor(table.state, table.frontend);
            ASSERT_TRUE(compact) << "game " << game;
            for (int step = 0; step < 60; ++step) {
                const std::vector<int> expected = clickMoves(table);
                ASSERT_EQ(tableMoves(*compact, table.state), expected)
                    << "game " << game << " deal " << deal << " step " << step;
                if (!expected.empty() && random() % 4 != 0) {
                    const int t = expected[random() % expected.size()];
                    const std::string name = table::pileName({table::PileKind::Tableau, t});
                    const int top = table::topCardOf(table.state.piles.tableau(t));
                    if (!table.state.cards.isFaceUp(top)) {
                        table.run("click " + name);
                    }
                    ASSERT_TRUE(table.run("click " + name));
                } else if (!table.run("click Mazzo")) {
                    break;
                }
            }
        }
    }
}

TEST(DiscardDeal, OtherGamesAreNotDiscardDeals) {
    Table klondike(kKlondike, 1);
    EXPECT_FALSE(discardDealFor(klondike.state, klondike.frontend));
}

// Deals are searched out: won, with a line the pointer input plays to the
// win, or proved lost (the survey's deals, among them lost ones: Golf 1411
// and 1685, Black Hole 3740 and 3877); never given up at the default limit.
TEST(DiscardSearch, AnswersDealsAndItsWinsReplay) {
    struct Deals {
        int game;
        std::vector<int> deals;
    };
    for (const Deals& g : {Deals{kGolf, {1000, 1137, 1411, 1548, 1685}},
                           Deals{kBlackHole, {1000, 1137, 1274, 3740, 3877}},
                           Deals{kTriPeaks, {1000, 1137, 1274, 1411}}}) {
        int won = 0;
        int lost = 0;
        for (const int deal : g.deals) {
            Table table(g.game, deal);
            const SolveResult result = solveDeal(table.state, table.frontend);
            EXPECT_TRUE(result.fastSearch);
            ASSERT_NE(result.outcome, SolveOutcome::GaveUp)
                << "game " << g.game << " deal " << deal;
            if (result.outcome == SolveOutcome::Solved) {
                ++won;
                Table replay(g.game, deal);
                EXPECT_TRUE(replay.playsToTheWin(result.moves))
                    << "game " << g.game << " deal " << deal;
            } else {
                ++lost;
            }
        }
        EXPECT_GT(won, 0) << "game " << g.game;
        EXPECT_EQ(lost, g.game == kTriPeaks ? 0 : 2) << "game " << g.game;
    }
}

// Small deals made up on the tables of Golf (ranks in a line, king and ace
// apart) and of Black Hole (a ring): the search, with its counts of the
// cards each card may lie on, answers as a plain search of every position
// does, so no count ever calls a winnable deal lost.
int rankOf(int card) {
    return (card - 1) % 13 + 1;
}

struct MadeUpDeal {
    DiscardDeal deal;
    // The plain search's positions known lost.
    std::set<std::vector<int>> lost;

    bool wins(std::vector<int>& heights, int stock, int top) {
        if (std::ranges::all_of(heights, [](int h) { return h == 0; })) {
            return true;
        }
        std::vector<int> key = heights;
        key.push_back(stock);
        key.push_back(rankOf(top));
        if (lost.contains(key)) {
            return false;
        }
        for (std::size_t t = 0; t < heights.size(); ++t) {
            if (heights[t] == 0) {
                continue;
            }
            const int card = deal.piles[t][static_cast<std::size_t>(heights[t] - 1)];
            if (!deal.takes[static_cast<std::size_t>(top)][static_cast<std::size_t>(card)]) {
                continue;
            }
            --heights[t];
            const bool won = wins(heights, stock, card);
            ++heights[t];
            if (won) {
                return true;
            }
        }
        if (stock > 0 &&
            wins(heights, stock - 1, deal.stock[static_cast<std::size_t>(stock - 1)])) {
            return true;
        }
        lost.insert(key);
        return false;
    }
};

MadeUpDeal madeUpDeal(std::mt19937& random, bool ring, int tableaus, int height, int stock) {
    std::vector<int> pack(52);
    std::iota(pack.begin(), pack.end(), 1);
    std::ranges::shuffle(pack, random);
    MadeUpDeal made;
    DiscardDeal& deal = made.deal;
    deal.tableaus = tableaus;
    auto next = pack.begin();
    for (int t = 0; t < tableaus; ++t) {
        deal.piles.emplace_back(next, next + height);
        next += height;
    }
    deal.stock.assign(next, next + stock);
    next += stock;
    deal.discardTop = static_cast<std::uint8_t>(*next);
    deal.takes.assign(DiscardDeal::kCodes, {});
    for (int top = 1; top <= 52; ++top) {
        for (int card = 1; card <= 52; ++card) {
            const int apart = std::abs(rankOf(top) - rankOf(card));
            deal.takes[static_cast<std::size_t>(top)][static_cast<std::size_t>(card)] =
                apart == 1 || (ring && apart == 12);
        }
    }
    EXPECT_TRUE(layOutKeys(deal));
    return made;
}

TEST(DiscardSearch, CountsNeverCallAWinnableDealLost) {
    std::mt19937 random(29);
    for (const bool ring : {false, true}) {
        int won = 0;
        int lost = 0;
        for (int i = 0; i < 300; ++i) {
            const int stock = 4 + i % 12;
            MadeUpDeal made = madeUpDeal(random, ring, 4, 3, stock);
            std::vector<int> heights(4, 3);
            const bool wins = made.wins(heights, stock, made.deal.discardTop);
            const DiscardSearchResult found = searchDiscardDeal(made.deal, 1'000'000);
            ASSERT_EQ(found.outcome, wins ? DiscardSearchResult::Outcome::Won
                                          : DiscardSearchResult::Outcome::Exhausted)
                << (ring ? "ring" : "line") << " deal " << i;
            (wins ? won : lost) += 1;
        }
        // Both answers are tried.
        EXPECT_GT(won, 20) << lost;
        EXPECT_GT(lost, 20) << won;
    }
}

// A search stopped by its position limit gives up; it never calls the deal lost.
TEST(DiscardSearch, ABudgetRunOutIsNoProof) {
    Table table(kBlackHole, 1000);
    const std::optional<DiscardDeal> deal = discardDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    const DiscardSearchResult found = searchDiscardDeal(*deal, 10);
    EXPECT_EQ(found.outcome, DiscardSearchResult::Outcome::OutOfBudget);
    EXPECT_TRUE(found.line.empty());
}

} // namespace
} // namespace vellomir::engine
