#include "engine/solver/foundations_only_search.h"

#include "engine/solver/compact_dealt_piles.h"

#include "engine/dealt_game.h"
#include "engine/input/legal_moves.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using UpOnlyTable = testing::UnrecordedGame;
using Outcome = ActionSearchResult::Outcome;

// Enough for the whole search to settle the late positions below.
constexpr long kWholeSearchPositions = 20'000;
constexpr long kAtOnceSearchPositions = 20'000;

TEST(FoundationsOnlySearch, TakesTheGamesWhoseCardsOnlyGoUp) {
    for (const int game : {kOsmosis, kPeek, kCarpet, kAuldLangSyne}) {
        const UpOnlyTable table(game, 1000);
        EXPECT_TRUE(foundationsOnlyGame(table.state)) << "game " << game;
        // Auld Lang Syne's foundations take any suit: two cards may want
        // the same place.
        EXPECT_EQ(sendsNeverContend(table.state), game != kAuldLangSyne) << "game " << game;
    }
    for (const int game : {kKlondike, kFreeCell, kGolf, kMontana, kAccordion}) {
        const UpOnlyTable table(game, 1000);
        EXPECT_FALSE(foundationsOnlyGame(table.state)) << "game " << game;
        EXPECT_FALSE(sendsNeverContend(table.state)) << "game " << game;
    }
}

// A position late in a deal: `clicks` clicks on the stock, and between
// them every card turned up and sent up as soon as it may go (onto a
// foundation picked at random where several take it).
void walkInto(UpOnlyTable& table, int clicks, std::mt19937& random) {
    while (clicks > 0 && !table.frontend.saw("winning animation")) {
        for (int t = 0; t < 20; ++t) {
            const std::string& pile = table.state.piles.tableau(t);
            if (!pile.empty() && !table.state.cards.isFaceUp(table::topCardOf(pile))) {
                table.run("click " + table::pileName({table::PileKind::Tableau, t}));
            }
        }
        const std::vector<LegalMove> moves = legalMoves(table.state, table.frontend);
        if (!moves.empty()) {
            const LegalMove& move = moves[random() % moves.size()];
            ASSERT_TRUE(
                table.run("drag " + table::pileName(move.from) + " " + table::pileName(move.to)));
            continue;
        }
        if (!table.run("click Mazzo")) {
            return; // the stock is spent
        }
        --clicks;
    }
}

// The search that makes the moves nothing contends at once answers as the
// search of every step: on late positions of Osmosis, Peek, Carpet and
// Auld Lang Syne that the whole search settles, the same, wins and
// losses. (Made at once in Carpet too, a card leaving a space the waste
// fills would turn wins into losses here; in Auld Lang Syne, a card sent
// where another could go.)
TEST(FoundationsOnlySearch, MovesUpAtOnceAnswerAsTheWholeSearch) {
    struct Walk {
        int game;
        int clicks;
    };
    for (const Walk walk :
         {Walk{kOsmosis, 60}, Walk{kPeek, 60}, Walk{kCarpet, 14}, Walk{kAuldLangSyne, 8}}) {
        int won = 0;
        int lost = 0;
        std::mt19937 random(static_cast<unsigned>(walk.game));
        int settled = 0;
        for (int deal = 1000; deal < 1000 + 60 * 137; deal += 137) {
            UpOnlyTable table(walk.game, deal);
            walkInto(table, walk.clicks, random);
            if (table.frontend.saw("winning animation")) {
                continue;
            }
            const std::optional<ActionSearchResult> whole = searchFoundationsOnly(
                table.state, table.frontend, kWholeSearchPositions, false, false);
            ASSERT_TRUE(whole);
            if (whole->outcome == Outcome::OutOfBudget) {
                continue;
            }
            const std::optional<ActionSearchResult> atOnce = searchFoundationsOnly(
                table.state, table.frontend, kAtOnceSearchPositions, false, true);
            ASSERT_TRUE(atOnce);
            EXPECT_EQ(atOnce->outcome, whole->outcome) << "game " << walk.game << " deal " << deal;
            EXPECT_LE(atOnce->positions, whole->positions);
            (whole->outcome == Outcome::Won ? won : lost) += 1;
            ++settled;
        }
        EXPECT_GT(settled, 10) << "game " << walk.game;
    }
}

// An end of Auld Lang Syne made up: the stock dealt, foundations built to
// random heights (a card of each rank up to its top, suits at random), the
// cards left shuffled onto the four piles.
void layOutAnEnd(UpOnlyTable& table, std::mt19937& random) {
    constexpr int kRanks = 13;
    constexpr int kPiles = 4;
    std::vector<int> heights(kPiles);
    for (int& height : heights) {
        height = 7 + static_cast<int>(random() % 5);
    }
    std::vector<int> left;
    for (int f = 0; f < kPiles; ++f) {
        table.state.piles.foundation(f).clear();
    }
    for (int rank = 1; rank <= kRanks; ++rank) {
        std::vector<int> suits{0, 1, 2, 3};
        std::shuffle(suits.begin(), suits.end(), random);
        for (int f = 0; f < kPiles; ++f) {
            const int card = suits[static_cast<std::size_t>(f)] * kRanks + rank;
            if (rank <= heights[static_cast<std::size_t>(f)]) {
                table.state.piles.foundation(f) += table::cardText(card);
            } else {
                left.push_back(card);
            }
        }
    }
    std::shuffle(left.begin(), left.end(), random);
    for (int t = 0; t < kPiles; ++t) {
        table.state.piles.tableau(t).clear();
    }
    for (std::size_t i = 0; i < left.size(); ++i) {
        table.state.piles.tableau(static_cast<int>(i % kPiles)) += table::cardText(left[i]);
        table.state.cards.setFaceUp(left[i], true);
    }
    table.state.piles.stock(table::kStock).clear();
}

// Where the foundations take any suit, a card is sent at once only when no
// other card could want its place: on made-up ends of Auld Lang Syne, some
// won and some lost, the answer is the whole search's.
TEST(FoundationsOnlySearch, UncontestedMovesUpAnswerAsTheWholeSearch) {
    std::mt19937 random(150);
    int won = 0;
    int lost = 0;
    for (int end = 0; end < 60; ++end) {
        UpOnlyTable table(kAuldLangSyne, 1000);
        layOutAnEnd(table, random);
        const std::optional<ActionSearchResult> whole =
            searchFoundationsOnly(table.state, table.frontend, kWholeSearchPositions, false, false);
        ASSERT_TRUE(whole);
        if (whole->outcome == Outcome::OutOfBudget) {
            continue;
        }
        const std::optional<ActionSearchResult> atOnce =
            searchFoundationsOnly(table.state, table.frontend, kAtOnceSearchPositions, false, true);
        ASSERT_TRUE(atOnce);
        EXPECT_EQ(atOnce->outcome, whole->outcome) << "end " << end;
        (whole->outcome == Outcome::Won ? won : lost) += 1;
    }
    EXPECT_GT(won, 5);
    EXPECT_GT(lost, 5);
}

// The solver answers these games with its own search: a won deal's line
// replays to the win through the pointer input, and a lost deal is called
// lost (a deal of Osmosis the whole search cannot settle in time).
TEST(FoundationsOnlySearch, TheSolverAnswersWithIt) {
    UpOnlyTable won(kOsmosis, 1959);
    SolveLimits limits;
    const SolveResult answer = solveDeal(won.state, won.frontend, limits);
    ASSERT_EQ(answer.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(answer.fastSearch);
    EXPECT_TRUE(won.playsToTheWin(answer.moves));

    UpOnlyTable lost(kOsmosis, 1000);
    const SolveResult none = solveDeal(lost.state, lost.frontend, limits);
    EXPECT_EQ(none.outcome, SolveOutcome::Unsolved);
}

// A game that lets a card go anywhere but up is not searched by it.
TEST(FoundationsOnlySearch, RefusesAMoveOntoAnythingButAFoundation) {
    UpOnlyTable freeCell(kFreeCell, 1000); // its free cells take any card
    EXPECT_FALSE(searchFoundationsOnly(freeCell.state, freeCell.frontend, 100, false, false));
}

// Auld Lang Syne's own search holds the engine's rules: each click deals
// the stock's next four cards, one on each pile in turn, and a foundation
// takes the rank above its top card, in any suit.
TEST(DealtPilesSearch, TheDealHoldsTheEnginesRules) {
    const UpOnlyTable table(kAuldLangSyne, 1000);
    const std::optional<DealtPilesDeal> deal = dealtPilesDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->piles, 4);
    const std::string& stock = table.state.piles.stock(table::kStock);
    ASSERT_EQ(deal->clicks.size(), 11U);
    int fromTop = table::cardCount(stock) - 1;
    for (const auto& dealtNow : deal->clicks) {
        for (int t = 0; t < 4; ++t) {
            EXPECT_EQ(dealtNow[static_cast<std::size_t>(t)], table::cardAt(stock, fromTop--));
        }
    }
    for (int top = 1; top <= 52; ++top) {
        for (int card = 1; card <= 52; ++card) {
            const bool next = table::rankOf(card) == table::rankOf(top) + 1;
            EXPECT_EQ((deal->takes[static_cast<std::size_t>(top)] >> card) & 1U, next ? 1U : 0U)
                << top << " " << card;
        }
    }
    for (const int game : {kOsmosis, kCarpet, kKlondike}) {
        const UpOnlyTable other(game, 1000);
        EXPECT_FALSE(dealtPilesDealFor(other.state, other.frontend)) << "game " << game;
    }
}

// It answers as the search of the engine's own moves (every step, nothing
// made at once): on made-up ends and on positions late in real deals.
TEST(DealtPilesSearch, AnswersAsTheSearchOfTheEnginesMoves) {
    std::mt19937 random(1500);
    int won = 0;
    int lost = 0;
    for (int round = 0; round < 80; ++round) {
        UpOnlyTable table(kAuldLangSyne, 1000 + 137 * round);
        if (round % 2 == 0) {
            layOutAnEnd(table, random);
        } else {
            walkInto(table, 8, random);
        }
        if (table.frontend.saw("winning animation")) {
            continue;
        }
        const std::optional<ActionSearchResult> whole =
            searchFoundationsOnly(table.state, table.frontend, kWholeSearchPositions, false, false);
        ASSERT_TRUE(whole);
        if (whole->outcome == Outcome::OutOfBudget) {
            continue;
        }
        const std::optional<DealtPilesDeal> deal = dealtPilesDealFor(table.state, table.frontend);
        ASSERT_TRUE(deal) << "round " << round;
        const DealtPilesSearchResult fast = searchDealtPilesDeal(*deal, kWholeSearchPositions);
        ASSERT_NE(fast.outcome, DealtPilesSearchResult::Outcome::OutOfBudget);
        EXPECT_EQ(fast.outcome == DealtPilesSearchResult::Outcome::Won,
                  whole->outcome == Outcome::Won)
            << "round " << round;
        (whole->outcome == Outcome::Won ? won : lost) += 1;
    }
    EXPECT_GT(won, 5);
    EXPECT_GT(lost, 5);
}

// The solver answers Auld Lang Syne with it: a won deal's line plays to the
// win through the pointer input, and a lost deal is called lost at once.
TEST(DealtPilesSearch, TheSolverAnswersWithIt) {
    UpOnlyTable won(kAuldLangSyne, 42237);
    const SolveResult answer = solveDeal(won.state, won.frontend, SolveLimits{});
    ASSERT_EQ(answer.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(won.playsToTheWin(answer.moves));
    UpOnlyTable lost(kAuldLangSyne, 1000);
    EXPECT_EQ(solveDeal(lost.state, lost.frontend, SolveLimits{}).outcome, SolveOutcome::Unsolved);
}

} // namespace
} // namespace vellomir::engine
