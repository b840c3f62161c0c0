#include "engine/compact_search.h"

#include "engine/dealt_game.h"
#include "engine/legal_moves.h"
#include "engine/pile_location.h"
#include "engine/placement_check.h"
#include "engine/play_engine.h"
#include "engine/pointer_command.h"
#include "engine/solver.h"
#include "engine/target_checks.h"
#include "support/recording_frontend.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

namespace vellomir::engine {
namespace {

constexpr int kKlondike = 1;
constexpr int kThoughtful = 3;
constexpr int kFreeCell = 10;
constexpr int kBakersGame = 11;

// A dealt game of the catalogue, played without undo steps.
struct Table : testing::DealtGame {
    Table(int game, int deal) : DealtGame(game, deal, false) {}
};

// A move as the engine's list and the fast position both name it: the card,
// where it comes from and where it goes, in the fast position's numbering.
using Named = std::tuple<int, int, int>;

int compactPile(const CompactPosition& pos, const table::PileRef& pile) {
    switch (pile.kind) {
    case table::PileKind::Tableau:
        return pos.tableau(pile.index);
    case table::PileKind::Reserve:
        return pos.reserve(pile.index);
    case table::PileKind::Foundation:
        return pos.foundation(pile.index);
    case table::PileKind::Stock:
        return pile.index == table::kStock ? pos.stock() : pos.waste();
    }
    return -1;
}

// The engine's moves as the fast search counts them: of empty piles alike
// only the first is a target, and a whole pile never goes onto an empty pile of its own class.
std::set<Named> engineMoves(const Table& table, const CompactPosition& pos) {
    const CompactRules& r = pos.rules();
    std::set<Named> named;
    for (const LegalMove& m : legalMoves(table.state, table.frontend)) {
        // Nor moved from one free cell to another (the same position), nor
        // taken back from a foundation into a free cell or another foundation.
        if ((m.from.kind == table::PileKind::Foundation && m.to.kind != table::PileKind::Tableau) ||
            (m.from.kind == table::PileKind::Reserve && m.to.kind == table::PileKind::Reserve)) {
            continue;
        }
        const int from = compactPile(pos, m.from);
        int to = compactPile(pos, m.to);
        if (pos.size(to) == 0) {
            if (m.to.kind == table::PileKind::Tableau) {
                if (m.from.kind == table::PileKind::Tableau && m.count == pos.size(from) &&
                    r.tableauClass[m.to.index] == r.tableauClass[m.from.index]) {
                    continue;
                }
                for (int t = 0; t < r.tableaus; ++t) {
                    if (pos.size(t) == 0 && r.tableauClass[t] == r.tableauClass[m.to.index]) {
                        to = t;
                        break;
                    }
                }
            } else if (m.to.kind == table::PileKind::Reserve) {
                for (int c = 0; c < r.reserves; ++c) {
                    if (pos.size(pos.reserve(c)) == 0) {
                        to = pos.reserve(c);
                        break;
                    }
                }
            } else if (m.to.kind == table::PileKind::Foundation) {
                for (int f = 0; f < r.foundations; ++f) {
                    if (pos.size(pos.foundation(f)) == 0 &&
                        r.foundationClass[f] == r.foundationClass[m.to.index]) {
                        to = pos.foundation(f);
                        break;
                    }
                }
            }
        }
        named.insert({m.card, from, to});
    }
    return named;
}

std::set<Named> fastMoves(const CompactPosition& pos) {
    std::vector<CompactMove> moves;
    pos.legalMoves(moves);
    std::set<Named> named;
    for (const CompactMove& m : moves) {
        if (m.draws == 0) {
            named.insert({m.card, m.from, m.to});
        }
    }
    return named;
}

// Plays random legal moves of the engine (and stock clicks), calling `look`
// with the table and its fast position at every position reached.
// With `cellsFirst` the free cells are filled whenever they can be (runs
// then move under tight limits), else last (the play goes on longer).
template <typename Look>
void randomWalk(int game, int deal, int steps, unsigned seed, Look&& look,
                bool cellsFirst = false) {
    Table table(game, deal);
    const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(rules) << "game " << game;
    std::mt19937 random(seed);
    for (int step = 0; step < steps && table.state.flags.test(table::Flag::GameInPlay); ++step) {
        const CompactPosition pos(table.state, *rules);
        look(table, pos);
        std::vector<LegalMove> moves = legalMoves(table.state, table.frontend);
        // Free cells are filled last, so that the play goes on longer.
        auto toCell = [](const LegalMove& m) { return m.to.kind == table::PileKind::Reserve; };
        if (cellsFirst && std::ranges::any_of(moves, toCell)) {
            std::erase_if(moves, [&](const LegalMove& m) { return !toCell(m); });
        } else if (!std::ranges::all_of(moves, toCell)) {
            std::erase_if(moves, toCell);
        }
        const bool stock = rules->hasStock;
        if (moves.empty() && !stock) {
            return;
        }
        if (moves.empty() || (stock && random() % 4 == 0)) {
            ASSERT_TRUE(table.run("click Mazzo"));
        } else {
            ASSERT_TRUE(playLegalMove(table.state, table.frontend, moves[random() % moves.size()]));
        }
    }
}

TEST(CompactRules, CoverTheFreeCellAndKlondikeFamiliesOnly) {
    for (const int game : {kKlondike, kThoughtful, kFreeCell, kBakersGame}) {
        Table table(game, 1);
        EXPECT_TRUE(compactRulesFor(table.state, table.frontend)) << "game " << game;
    }
    // Golf plays onto a discard pile, Monte Carlo removes pairs from a grid.
    for (const int game : {44, 37}) {
        Table table(game, 1);
        EXPECT_FALSE(compactRulesFor(table.state, table.frontend)) << "game " << game;
    }
}

// The fast position's moves, made from tables of the engine's answers, are
// the engine's own list (the pointer input's rules) on positions reached
// by random play.
TEST(CompactPosition, ListsTheMovesTheEngineLists) {
    for (const int game : {kKlondike, kThoughtful, kFreeCell, kBakersGame}) {
        int compared = 0;
        for (const bool cellsFirst : {false, true}) {
            randomWalk(
                game, 5, 60, 3,
                [&](const Table& table, const CompactPosition& pos) {
                    EXPECT_EQ(fastMoves(pos), engineMoves(table, pos)) << "game " << game;
                    ++compared;
                },
                cellsFirst);
        }
        EXPECT_GT(compared, 20) << "game " << game;
    }
}

std::string pileOf(const std::vector<int>& cards) {
    std::string pile;
    for (const int card : cards) {
        const std::string digits = std::to_string(card);
        pile += std::string(3 - digits.size(), '0') + digits;
    }
    return pile;
}

// FreeCell with every free cell held and no empty tableau: the queen of
// hearts and the jack of clubs on her may not move together onto the king
// of clubs; with one cell free they may. Random play seldom comes to runs
// at the limit, so this position is made by hand.
TEST(CompactPosition, ARunLongerThanTheFreeCellsAllowIsNoMove) {
    constexpr int kKingSpades = 52, kQueenHearts = 12, kJackClubs = 37, kKingClubs = 39;
    Table freeCell(kFreeCell, 1);
    table::ProgramState& s = freeCell.state;
    const std::vector<int> cells{2, 15, 28, 41};
    std::vector<int> rest;
    for (int card = 1; card <= 52; ++card) {
        s.cards.setFaceUp(card, true);
        if (std::ranges::find(cells, card) == cells.end() && card != kKingSpades &&
            card != kQueenHearts && card != kJackClubs && card != kKingClubs) {
            rest.push_back(card);
        }
    }
    s.piles.tableau(0) = pileOf({kKingSpades, kQueenHearts, kJackClubs});
    s.piles.tableau(1) = pileOf({kKingClubs});
    for (int t = 2; t < 8; ++t) {
        s.piles.tableau(t) = pileOf({rest.begin() + (t - 2) * 7, rest.begin() + (t - 1) * 7});
    }
    for (int c = 0; c < 4; ++c) {
        s.piles.reserve(c) = pileOf({cells[static_cast<std::size_t>(c)]});
    }
    for (int f = 0; f < 4; ++f) {
        s.piles.foundation(f).clear();
    }
    const std::optional<CompactRules> rules = compactRulesFor(s, freeCell.frontend);
    ASSERT_TRUE(rules);
    const Named run{kQueenHearts, 0, 1};
    const CompactPosition held(s, *rules);
    EXPECT_FALSE(engineMoves(freeCell, held).contains(run));
    EXPECT_EQ(fastMoves(held), engineMoves(freeCell, held));
    s.piles.reserve(3).clear();
    const CompactPosition oneFree(s, *rules);
    EXPECT_TRUE(engineMoves(freeCell, oneFree).contains(run));
    EXPECT_EQ(fastMoves(oneFree), engineMoves(freeCell, oneFree));
}

TEST(CompactPosition, UndoPutsBackEveryCardAndTheKey) {
    for (const int game : {kKlondike, kThoughtful, kFreeCell}) {
        Table table(game, 9);
        const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
        ASSERT_TRUE(rules);
        CompactPosition pos(table.state, *rules);
        const CompactPosition dealt = pos;
        const std::uint64_t key = pos.key();
        std::mt19937 random(17);
        std::vector<CompactMove> made;
        for (int i = 0; i < 80; ++i) {
            std::vector<CompactMove> moves;
            pos.legalMoves(moves);
            // Free cells are filled last, so that the play goes on longer.
            auto toCell = [&](const CompactMove& m) {
                return m.to >= pos.reserve(0) && m.to < pos.foundation(0);
            };
            if (!std::ranges::all_of(moves, toCell)) {
                std::erase_if(moves, toCell);
            }
            if (moves.empty()) {
                break;
            }
            made.push_back(moves[random() % moves.size()]);
            pos.apply(made.back());
        }
        ASSERT_GT(made.size(), 5u) << "game " << game;
        EXPECT_NE(pos.key(), key);
        for (auto m = made.rbegin(); m != made.rend(); ++m) {
            pos.undo(*m);
        }
        EXPECT_TRUE(pos == dealt) << "game " << game;
        EXPECT_EQ(pos.key(), key) << "game " << game;
    }
}

TEST(CompactPosition, PilesTheRulesTreatAlikeGiveOneKeyInAnyOrder) {
    Table freeCell(kFreeCell, 4);
    const std::optional<CompactRules> rules = compactRulesFor(freeCell.state, freeCell.frontend);
    ASSERT_TRUE(rules);
    const std::uint64_t dealt = CompactPosition(freeCell.state, *rules).key();
    // Two tableaus swapped, and a card in the first or the last free cell.
    table::ProgramState swapped = freeCell.state;
    std::swap(swapped.piles.tableau(0), swapped.piles.tableau(5));
    EXPECT_EQ(CompactPosition(swapped, *rules).key(), dealt);
    table::ProgramState first = freeCell.state;
    table::ProgramState last = freeCell.state;
    std::string& from = first.piles.tableau(2);
    first.piles.reserve(0) = from.substr(from.size() - 3);
    from.resize(from.size() - 3);
    last.piles.tableau(2) = from;
    last.piles.reserve(3) = first.piles.reserve(0);
    EXPECT_EQ(CompactPosition(first, *rules).key(), CompactPosition(last, *rules).key());
    EXPECT_NE(CompactPosition(first, *rules).key(), dealt);
    // In Klondike the stock and the waste are no tableaus: their order counts.
    Table klondike(kKlondike, 4);
    const std::optional<CompactRules> kRules = compactRulesFor(klondike.state, klondike.frontend);
    ASSERT_TRUE(kRules);
    table::ProgramState turned = klondike.state;
    std::string& stock = turned.piles.stock(table::kStock);
    std::swap_ranges(stock.begin(), stock.begin() + 3, stock.end() - 3);
    EXPECT_NE(CompactPosition(turned, *kRules).key(),
              CompactPosition(klondike.state, *kRules).key());
}

// A safe move sends a card no card still in play could be built on, asked
// of the engine's own placement test rather than the tables.
TEST(CompactPosition, SafeFoundationMovesNeverTakeACardStillNeeded) {
    int safeMoves = 0;
    for (const int game : {kKlondike, kFreeCell, kBakersGame}) {
        randomWalk(game, 2, 80, 9, [&](const Table& table, const CompactPosition& pos) {
            CompactMove safe;
            if (!pos.safeFoundationMove(safe)) {
                return;
            }
            ++safeMoves;
            const table::PileCounts counts = table::PileCounts::of(table.state.params);
            for (int x = 1; x <= pos.rules().cards; ++x) {
                bool home = false;
                for (int f = 0; f < counts.foundations; ++f) {
                    home = home || positionInPile(table.state.piles.foundation(f), x) >= 0;
                }
                for (int t = 0; t < counts.tableaus && !home; ++t) {
                    testing::RecordingFrontend quiet;
                    EXPECT_FALSE(placementAllowed(
                        table.state, quiet, tableauPlacementQuery(table.state, t, safe.card, x)))
                        << "game " << game << ": card " << int{safe.card} << " went up while card "
                        << x << " could still go on it";
                }
            }
        });
    }
    EXPECT_GT(safeMoves, 0);
}

TEST(CompactSearch, WinsFreeCellInAShortLineThatThePointerInputPlays) {
    Table dealt(kFreeCell, 3);
    const SolveResult result = solveDeal(dealt.state, dealt.frontend);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.fastSearch);
    EXPECT_LT(result.moves.size(), 150u);
    for (const PointerCommand& move : result.moves) {
        ASSERT_TRUE(dealt.state.flags.test(table::Flag::GameInPlay));
        ASSERT_TRUE(dealt.run(commandText(move))) << commandText(move);
    }
    EXPECT_TRUE(dealt.frontend.saw("winning animation"));
}

TEST(CompactSearch, WinsKlondikeThroughStockClicks) {
    Table dealt(kKlondike, 3);
    const SolveResult result = solveDeal(dealt.state, dealt.frontend);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.fastSearch);
    EXPECT_TRUE(std::ranges::any_of(result.moves, [](const PointerCommand& m) {
        return m.verb == PointerCommand::Verb::Click && m.place == "Mazzo";
    }));
    for (const PointerCommand& move : result.moves) {
        ASSERT_TRUE(dealt.run(commandText(move))) << commandText(move);
    }
    EXPECT_TRUE(dealt.frontend.saw("winning animation"));
}

TEST(CompactSearch, AStopFlagEndsTheSearchAsGivenUp) {
    Table dealt(kThoughtful, 2);
    const std::atomic<bool> stop{true};
    SolveLimits limits;
    limits.stop = &stop;
    const SolveResult result = solveDeal(dealt.state, dealt.frontend, limits);
    EXPECT_EQ(result.outcome, SolveOutcome::GaveUp);
    EXPECT_LE(result.positions, 1024);
}

} // namespace
} // namespace vellomir::engine
