#include "engine/solver/compact_pairing.h"

#include "engine/dealt_game.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <tuple>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

using Table = testing::UnrecordedGame;

TEST(PairingDeal, ReadsTheGamesRulesFromTheEngine) {
    Table pyramid(kPyramid, 1000);
    const std::optional<PairingDeal> deal = pairingDealFor(pyramid.state, pyramid.frontend);
    ASSERT_TRUE(deal);
    ASSERT_EQ(deal->places.size(), 28U);
    EXPECT_EQ(deal->stock.size(), 24U);
    // The apex lies under the two cards of the second row; the bottom row is free.
    EXPECT_EQ(deal->coveredBy[0], 0b110U);
    EXPECT_EQ(deal->coveredBy[27], 0U);
    // Two turnovers in three passes, none in one, without end in the last variant.
    EXPECT_EQ(deal->turnovers, 2);
    Table onePass(kPyramidOnePass, 1000);
    EXPECT_EQ(pairingDealFor(onePass.state, onePass.frontend)->turnovers, 0);
    Table endless(kPyramidEndless, 1000);
    EXPECT_EQ(pairingDealFor(endless.state, endless.frontend)->turnovers,
              PairingDeal::kEndlessTurnovers);
    // A king leaves alone, a queen with an ace, never two aces.
    const int king = 13;
    const int queen = 12;
    const int ace = 1 + 13;
    EXPECT_TRUE(deal->alone[king]);
    EXPECT_FALSE(deal->alone[queen]);
    for (const int a : {king, queen, ace, 1}) {
        for (const int b : {king, queen, ace, 1}) {
            if (a != b) {
                const bool pairs =
                    deal->pairs[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
                EXPECT_EQ(pairs, table::rankOf(a) + table::rankOf(b) == 13) << a << " " << b;
            }
        }
    }
    EXPECT_FALSE(deal->stockTopAlone);
    EXPECT_TRUE(deal->stockTopPairs);
    EXPECT_TRUE(deal->wasteTopChosen);
    EXPECT_TRUE(deal->leavesGaps);

    // Fourteen Out: each card lies under every card above it in its pile.
    Table fourteen(kFourteenOut, 1000);
    const std::optional<PairingDeal> piles = pairingDealFor(fourteen.state, fourteen.frontend);
    ASSERT_TRUE(piles);
    ASSERT_EQ(piles->places.size(), 52U);
    EXPECT_FALSE(piles->leavesGaps);
    EXPECT_EQ(piles->coveredBy[0], 0b11110U);
    EXPECT_EQ(piles->coveredBy[4], 0U);
    EXPECT_TRUE(piles->stock.empty());

    // Nestor: pairs of one rank from the tops of eight columns and four
    // single cards, no stock.
    Table nestor(kNestor, 1000);
    const std::optional<PairingDeal> columns = pairingDealFor(nestor.state, nestor.frontend);
    ASSERT_TRUE(columns);
    ASSERT_EQ(columns->places.size(), 52U);
    EXPECT_EQ(columns->coveredBy[0], 0b111110U);
    EXPECT_EQ(columns->coveredBy[51], 0U);
    EXPECT_TRUE(columns->pairs[1][1 + 13]);
    EXPECT_FALSE(columns->pairs[1][2]);

    Table klondike(kKlondike, 1);
    EXPECT_FALSE(pairingDealFor(klondike.state, klondike.frontend));
    Table golf(kGolf, 1);
    EXPECT_FALSE(pairingDealFor(golf.state, golf.frontend));
}

// The search's answers agree with the search of actions, which plays the
// engine's own clicks, on deals it answers (those its survey answered
// soonest, wins and losses); every win plays through the pointer input to
// the win.
TEST(PairingSearch, AgreesWithTheSearchOfActions) {
    const std::vector<std::pair<int, int>> deals{
        {kPyramid, 20043},        {kPyramid, 2644},         {kPyramid, 10316},
        {kPyramidOnePass, 20043}, {kPyramidOnePass, 24016}, {kPyramidEndless, 2644},
        {kFourteenOut, 21550},    {kFourteenOut, 16070},    {kFourteenOut, 14015},
        {kFourteenOut, 19358},    {kFourteenOut, 1000},     {kFourteenOut, 1137},
        {kNestor, 11823},         {kNestor, 127862},        {kNestor, 21824},
        {kNestor, 28674}};
    int lost = 0;
    int compared = 0;
    for (const auto& [game, deal] : deals) {
        Table table(game, deal);
        const SolveResult fast = solveDeal(table.state, table.frontend);
        ASSERT_TRUE(fast.fastSearch);
        ASSERT_NE(fast.outcome, SolveOutcome::GaveUp) << "game " << game << " deal " << deal;
        if (fast.outcome == SolveOutcome::Solved) {
            Table replay(game, deal);
            EXPECT_TRUE(replay.playsToTheWin(fast.moves)) << "game " << game << " deal " << deal;
        } else {
            ++lost;
        }
        // Most cards discarded first.
        const std::optional<bool> slowWins =
            testing::searchOfActionsWins(table, 20000, testing::cardsDiscarded, false);
        if (!slowWins) {
            continue;
        }
        ++compared;
        EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins)
            << "game " << game << " deal " << deal;
    }
    EXPECT_GT(lost, 2);
    EXPECT_GE(compared, 11);
}

// Hint searches the table as it stands: a position part played, cards gone
// from the pyramid and the waste holding cards, is searched from there.
TEST(PairingSearch, SearchesAPositionPartPlayed) {
    Table table(kPyramid, 1137);
    const SolveResult whole = solveDeal(table.state, table.frontend);
    ASSERT_EQ(whole.outcome, SolveOutcome::Solved);
    const std::size_t half = whole.moves.size() / 2;
    for (std::size_t i = 0; i < half; ++i) {
        ASSERT_TRUE(table.run(commandText(whole.moves[i])));
    }
    ASSERT_TRUE(pairingDealFor(table.state, table.frontend));
    const SolveResult rest = solveDeal(table.state, table.frontend);
    ASSERT_EQ(rest.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(table.playsToTheWin(rest.moves));
}

// Small pyramids made up of pairs adding up to 13 and kings: the search,
// with its removals made at once and its cut at a card that can no longer
// leave, answers as a plain search of every position does.
struct SmallPyramid {
    PairingDeal deal;
    std::map<std::tuple<std::uint32_t, std::vector<int>, std::vector<int>, int>, bool> known;

    bool free(std::uint32_t gone, int p) const {
        return (gone >> p & 1U) == 0 && (deal.coveredBy[static_cast<std::size_t>(p)] & ~gone) == 0;
    }

    // `stock` from its top, `waste` from its bottom.
    bool wins(std::uint32_t gone, std::vector<int> stock, std::vector<int> waste, int turns) {
        const int places = static_cast<int>(deal.places.size());
        if (gone + 1 == 1U << places && stock.empty() && waste.empty()) {
            return true;
        }
        const auto key = std::make_tuple(gone, stock, waste, turns);
        if (const auto it = known.find(key); it != known.end()) {
            return it->second;
        }
        known[key] = false; // no line comes back here
        bool won = false;
        // Cards that may be chosen: free places (0 ..), the waste's top (-1),
        // the stock's top (-2).
        std::vector<int> refs;
        for (int p = 0; p < places; ++p) {
            if (free(gone, p)) {
                refs.push_back(p);
            }
        }
        if (!waste.empty()) {
            refs.push_back(-1);
        }
        if (!stock.empty()) {
            refs.push_back(-2);
        }
        auto card = [&](int ref) {
            return ref >= 0    ? deal.places[static_cast<std::size_t>(ref)].card
                   : ref == -1 ? waste.back()
                               : stock.front();
        };
        auto without = [&](std::vector<int> refsGone) {
            std::uint32_t g = gone;
            std::vector<int> s = stock;
            std::vector<int> w = waste;
            std::ranges::sort(refsGone); // the stock's before the waste's
            for (const int ref : refsGone) {
                if (ref >= 0) {
                    g |= 1U << ref;
                } else if (ref == -1) {
                    w.pop_back();
                } else {
                    s.erase(s.begin());
                }
            }
            return wins(g, s, w, turns);
        };
        for (std::size_t i = 0; i < refs.size() && !won; ++i) {
            const int a = card(refs[i]);
            if (deal.alone[static_cast<std::size_t>(a)] && refs[i] != -2) {
                won = without({refs[i]});
            }
            for (std::size_t j = i + 1; j < refs.size() && !won; ++j) {
                if (deal.pairs[static_cast<std::size_t>(a)]
                              [static_cast<std::size_t>(card(refs[j]))]) {
                    won = without({refs[i], refs[j]});
                }
            }
        }
        if (!won && !stock.empty()) {
            std::vector<int> s(stock.begin() + 1, stock.end());
            std::vector<int> w = waste;
            w.push_back(stock.front());
            won = wins(gone, s, w, turns);
        }
        if (!won && stock.empty() && !waste.empty() && turns < deal.turnovers) {
            std::vector<int> s = waste;
            std::vector<int> w;
            if (deal.turnoverDeals) {
                w.push_back(s.front());
                s.erase(s.begin());
            }
            won = wins(gone, s, w, turns + 1);
        }
        known[key] = won;
        return won;
    }
};

SmallPyramid smallPyramid(std::mt19937& random, int rows, int stockCards) {
    // Cards in pairs adding up to 13, and kings.
    std::vector<int> pack;
    const int cards = rows * (rows + 1) / 2 + stockCards;
    std::vector<int> codes(52);
    std::iota(codes.begin(), codes.end(), 1);
    std::ranges::shuffle(codes, random);
    for (const int code : codes) {
        if (static_cast<int>(pack.size()) >= cards) {
            break;
        }
        const int r = table::rankOf(code);
        if (r == 13) {
            pack.push_back(code);
            continue;
        }
        if (static_cast<int>(pack.size()) + 2 > cards ||
            std::ranges::find(pack, code) != pack.end()) {
            continue;
        }
        // A partner of the other rank not taken yet.
        for (const int other : codes) {
            if (table::rankOf(other) == 13 - r && std::ranges::find(pack, other) == pack.end()) {
                pack.push_back(code);
                pack.push_back(other);
                break;
            }
        }
    }
    std::ranges::shuffle(pack, random);
    SmallPyramid made;
    PairingDeal& deal = made.deal;
    int next = 0;
    for (int row = 0; row < rows; ++row) {
        for (int i = 0; i <= row; ++i) {
            const int place = static_cast<int>(deal.places.size());
            deal.places.push_back(
                {static_cast<std::uint8_t>(pack[static_cast<std::size_t>(next++)]),
                 static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(i)});
            if (row + 1 < rows) {
                const int below = place + row + 1;
                deal.coveredBy[static_cast<std::size_t>(place)] = 1U << below | 1U << (below + 1);
            }
        }
    }
    while (next < static_cast<int>(pack.size())) {
        deal.stock.push_back(static_cast<std::uint8_t>(pack[static_cast<std::size_t>(next++)]));
    }
    deal.wasteTopChosen = true;
    deal.stockTopPairs = true;
    deal.turnovers = static_cast<int>(random() % 3);
    deal.turnoverDeals = random() % 2 == 0;
    deal.pairs.assign(PairingDeal::kCodes, {});
    for (int a = 1; a <= 52; ++a) {
        deal.alone[static_cast<std::size_t>(a)] = table::rankOf(a) == 13;
        for (int b = 1; b <= 52; ++b) {
            deal.pairs[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
                table::rankOf(a) + table::rankOf(b) == 13;
        }
    }
    EXPECT_TRUE(layOutPairingKeys(deal));
    return made;
}

std::string describe(const PairingDeal& deal) {
    std::string text = ": pyramid";
    for (const PairingDeal::Place& place : deal.places) {
        text += " " + std::to_string(table::rankOf(place.card));
    }
    text += ", stock from its top";
    for (const int card : deal.stock) {
        text += " " + std::to_string(table::rankOf(card));
    }
    text += ", turnovers " + std::to_string(deal.turnovers) +
            (deal.turnoverDeals ? " dealing a card" : "");
    return text;
}

TEST(PairingSearch, ItsCutsNeverCallAWinnableDealLost) {
    std::mt19937 random(41);
    int won = 0;
    int lost = 0;
    for (int i = 0; i < 400; ++i) {
        SmallPyramid made = smallPyramid(random, 3 + i % 2, 4 + i % 7);
        std::vector<int> stock(made.deal.stock.begin(), made.deal.stock.end());
        const bool wins = made.wins(0, stock, {}, 0);
        for (const bool safeRemovals : {true, false}) {
            const PairingSearchResult found =
                searchPairingDeal(made.deal, 1'000'000, nullptr, safeRemovals);
            ASSERT_EQ(found.outcome, wins ? PairingSearchResult::Outcome::Won
                                          : PairingSearchResult::Outcome::Exhausted)
                << "deal " << i << (safeRemovals ? "" : " without the removals made at once")
                << describe(made.deal);
        }
        (wins ? won : lost) += 1;
    }
    // Both answers are tried.
    EXPECT_GT(won, 40) << lost;
    EXPECT_GT(lost, 40) << won;
}

// A search stopped by its position limit gives up; it never calls the deal lost.
TEST(PairingSearch, ABudgetRunOutIsNoProof) {
    Table table(kPyramid, 4014); // lost, proved after some 100,000 positions
    const std::optional<PairingDeal> deal = pairingDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    const PairingSearchResult found = searchPairingDeal(*deal, 5);
    EXPECT_EQ(found.outcome, PairingSearchResult::Outcome::OutOfBudget);
    EXPECT_TRUE(found.line.empty());
}

} // namespace
} // namespace vellomir::engine
