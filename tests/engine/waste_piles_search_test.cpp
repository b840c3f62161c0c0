#include "engine/solver/compact_waste_piles.h"

#include "engine/actions/automatic_moves.h"
#include "engine/dealt_game.h"
#include "engine/input/legal_moves.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <tuple>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using Table = testing::UnrecordedGame;

TEST(WastePilesDeal, ReadsTheGamesRulesFromTheEngine) {
    Table tommy(kSirTommy, 1000);
    const std::optional<WastePilesDeal> deal = wastePilesDealFor(tommy.state, tommy.frontend);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->piles, 4);
    EXPECT_EQ(deal->order.size(), 52U);
    EXPECT_FALSE(deal->firstOnWaste);
    const std::vector<std::uint8_t> aceToKing{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (const auto& chain : deal->chains) {
        EXPECT_EQ(chain, aceToKing);
    }
    // The stock's top card comes first.
    EXPECT_EQ(deal->order.front(), table::topCardOf(tommy.state.piles.stock(table::kStock)));

    // Calculation: the dealt ace, 2, 3 and 4 go on by ones, twos, threes
    // and fours, round the corner, each to its king.
    Table calculation(kCalculation, 1000);
    const std::optional<WastePilesDeal> steps =
        wastePilesDealFor(calculation.state, calculation.frontend);
    ASSERT_TRUE(steps);
    EXPECT_EQ(steps->order.size(), 48U);
    ASSERT_EQ(steps->chains.size(), 4U);
    EXPECT_EQ(steps->chains[1],
              (std::vector<std::uint8_t>{4, 6, 8, 10, 12, 1, 3, 5, 7, 9, 11, 13}));
    EXPECT_EQ(steps->chains[3],
              (std::vector<std::uint8_t>{8, 12, 3, 7, 11, 2, 6, 10, 1, 5, 9, 13}));

    // Frog: five waste piles and the reserve after them, its cards as dealt;
    // 104 cards are more than the exact key holds.
    Table frog(kFrog, 1000);
    const std::optional<WastePilesDeal> reserved = wastePilesDealFor(frog.state, frog.frontend);
    ASSERT_TRUE(reserved);
    EXPECT_EQ(reserved->piles, 5);
    ASSERT_TRUE(reserved->hasReserve);
    ASSERT_EQ(reserved->dealtPiles.size(), 6U);
    std::vector<std::uint8_t> reserve;
    const std::string& dealtReserve = frog.state.piles.reserve(0);
    for (int i = 0; i < table::cardCount(dealtReserve); ++i) {
        reserve.push_back(static_cast<std::uint8_t>(table::cardAt(dealtReserve, i)));
    }
    EXPECT_EQ(reserved->dealtPiles.back(), reserve);
    EXPECT_EQ(reserve.size(), 13U);
    EXPECT_TRUE(reserved->hashedKey);
    EXPECT_FALSE(deal->hashedKey);

    for (const int other : {kKlondike, kGolf}) {
        Table table(other, 1);
        EXPECT_FALSE(wastePilesDealFor(table.state, table.frontend)) << "game " << other;
    }
}

// A move as the engine's list and the model both name it.
using NamedWasteMove = std::tuple<int, int, int, int>; // kind, pile, foundation, card

// The engine's moves in the model's words: of empty piles only the first
// is a target, and of foundations that take the same ranks from here on
// only the first (the model's own choice of the two).
std::set<NamedWasteMove> engineMoves(Table& table, const WastePilesPosition& pos) {
    std::set<NamedWasteMove> named;
    const std::vector<LegalMove> moves = legalMoves(table.state, table.frontend);
    for (const LegalMove& m : moves) {
        int kind = -1;
        int pile = 0;
        int foundation = 0;
        if (m.from.kind == table::PileKind::Stock && m.to.kind == table::PileKind::Tableau) {
            kind = static_cast<int>(WastePilesMove::Kind::NextToPile);
            pile = m.to.index;
            if (table::cardCount(table.state.piles.tableau(pile)) == 0) {
                for (int t = 0; t < pile; ++t) {
                    if (table::cardCount(table.state.piles.tableau(t)) == 0) {
                        pile = t;
                        break;
                    }
                }
            }
        } else if (m.to.kind == table::PileKind::Foundation) {
            kind = static_cast<int>(m.from.kind == table::PileKind::Stock
                                        ? WastePilesMove::Kind::NextToFoundation
                                        : WastePilesMove::Kind::PileToFoundation);
            // The reserve is the model's pile after the waste piles.
            pile = m.from.kind == table::PileKind::Tableau   ? m.from.index
                   : m.from.kind == table::PileKind::Reserve ? pos.deal().piles
                                                             : 0;
            foundation = m.to.index;
            // The model names the first of the foundations that take alike.
            const WastePilesDeal& deal = pos.deal();
            auto rest = [&](int f) {
                const auto& chain = deal.chains[static_cast<std::size_t>(f)];
                return std::vector<std::uint8_t>(chain.begin() + pos.built(f), chain.end());
            };
            for (int g = 0; g < foundation; ++g) {
                if (rest(g) == rest(foundation)) {
                    foundation = g;
                    break;
                }
            }
        } else {
            kind = 100 + static_cast<int>(m.from.kind) * 10 + static_cast<int>(m.to.kind);
        }
        named.insert({kind, pile, foundation, m.card});
    }
    return named;
}

std::set<NamedWasteMove> modelMoves(const WastePilesPosition& pos) {
    std::vector<WastePilesMove> moves;
    pos.moves(moves);
    std::set<NamedWasteMove> named;
    for (const WastePilesMove& m : moves) {
        named.insert({static_cast<int>(m.kind), m.pile, m.foundation, m.card});
    }
    return named;
}

// The cards still to come, each pile's cards and the ranks each foundation
// takes from here on.
std::string describe(const WastePilesPosition& pos) {
    const WastePilesDeal& deal = pos.deal();
    std::string text = "to come";
    for (std::size_t i = static_cast<std::size_t>(pos.placed()); i < deal.order.size(); ++i) {
        text += " " + std::to_string(deal.order[i]);
    }
    for (int t = 0; t < deal.stacks(); ++t) {
        text += "; pile";
        for (int i = 0; i < pos.pileSize(t); ++i) {
            text += " " + std::to_string(pos.pileCard(t, i));
        }
    }
    for (int f = 0; f < deal.foundations; ++f) {
        text += "; takes";
        const auto& chain = deal.chains[static_cast<std::size_t>(f)];
        for (std::size_t h = static_cast<std::size_t>(pos.built(f)); h < chain.size(); ++h) {
            text += " " + std::to_string(chain[h]);
        }
    }
    return text;
}

// Random play through the engine's own moves; at every position, with the
// next card turned onto the waste, the model made of the table lists the
// moves the engine lists, and a move of the model leads to the position
// the engine's move leads to.
void expectTheEngineMovesInRandomPlay(int game) {
    for (int deal = 1; deal <= 6; ++deal) {
        Table table(game, deal);
        if (autoplayActive(table.state)) {
            table.run("autoplay"); // off: the walk sends the cards up itself
        }
        std::mt19937 random(static_cast<unsigned>(deal));
        for (int step = 0; step < 120 && table.state.flags.test(table::Flag::GameInPlay); ++step) {
            if (table.state.piles.stock(table::kWaste).empty() &&
                !table.state.piles.stock(table::kStock).empty()) {
                ASSERT_TRUE(table.run("click Mazzo"));
            }
            const std::optional<WastePilesDeal> model =
                wastePilesDealFor(table.state, table.frontend);
            ASSERT_TRUE(model) << "game " << game << " deal " << deal << " step " << step;
            WastePilesPosition pos(*model);
            const std::set<NamedWasteMove> fast = modelMoves(pos);
            ASSERT_EQ(engineMoves(table, pos), fast)
                << "game " << game << " deal " << deal << " step " << step;
            std::vector<WastePilesMove> moves;
            pos.moves(moves);
            if (moves.empty()) {
                break;
            }
            // Cards up more often than not, so that the walk goes on.
            WastePilesMove move = moves[random() % moves.size()];
            if (moves.front().kind != WastePilesMove::Kind::NextToPile && random() % 3 != 0) {
                move = moves.front();
            }
            LegalMove played;
            played.card = move.card;
            played.from = move.kind != WastePilesMove::Kind::PileToFoundation
                              ? table::PileRef{table::PileKind::Stock, table::kWaste}
                          : move.pile < model->piles
                              ? table::PileRef{table::PileKind::Tableau, move.pile}
                              : table::PileRef{table::PileKind::Reserve, 0};
            played.to = move.kind == WastePilesMove::Kind::NextToPile
                            ? table::PileRef{table::PileKind::Tableau, move.pile}
                            : table::PileRef{table::PileKind::Foundation, move.foundation};
            ASSERT_TRUE(playLegalMove(table.state, table.frontend, played));
            pos.apply(move);
            const std::optional<WastePilesDeal> after =
                wastePilesDealFor(table.state, table.frontend);
            ASSERT_TRUE(after);
            EXPECT_EQ(describe(WastePilesPosition(*after)), describe(pos))
                << "game " << game << " deal " << deal << " step " << step;
        }
    }
}

TEST(WastePilesPosition, ListsTheMovesTheEngineLists) {
    expectTheEngineMovesInRandomPlay(kSirTommy);
    expectTheEngineMovesInRandomPlay(kCalculation);
    expectTheEngineMovesInRandomPlay(kFrog); // its reserve's top card goes up too
}

// An independent search of small made-up deals: every card by its own
// code, every pile in its own place, no cut; plain depth first with a set
// of the whole positions seen.
bool winsByEveryMove(const WastePilesDeal& deal) {
    std::set<std::string> seen;
    std::vector<std::vector<std::uint8_t>> piles = deal.dealtPiles;
    std::vector<int> built(static_cast<std::size_t>(deal.foundations), 0);
    std::size_t placed = 0;
    std::function<bool()> search = [&]() -> bool {
        bool done = true;
        for (int f = 0; f < deal.foundations; ++f) {
            done = done && built[static_cast<std::size_t>(f)] ==
                               static_cast<int>(deal.chains[static_cast<std::size_t>(f)].size());
        }
        if (done) {
            return true;
        }
        std::string state(1, static_cast<char>(placed));
        for (const int h : built) {
            state += static_cast<char>(h);
        }
        for (const auto& pile : piles) {
            state += '|';
            state.append(pile.begin(), pile.end());
        }
        if (!seen.insert(state).second) {
            return false;
        }
        auto takes = [&](int f, int card) {
            const auto& chain = deal.chains[static_cast<std::size_t>(f)];
            const int h = built[static_cast<std::size_t>(f)];
            return h < static_cast<int>(chain.size()) &&
                   chain[static_cast<std::size_t>(h)] == deal.rankOf[card];
        };
        for (int f = 0; f < deal.foundations; ++f) {
            for (auto& pile : piles) {
                if (!pile.empty() && takes(f, pile.back())) {
                    const std::uint8_t card = pile.back();
                    pile.pop_back();
                    ++built[static_cast<std::size_t>(f)];
                    const bool wins = search();
                    --built[static_cast<std::size_t>(f)];
                    pile.push_back(card);
                    if (wins) {
                        return true;
                    }
                }
            }
            if (placed < deal.order.size() && takes(f, deal.order[placed])) {
                ++placed;
                ++built[static_cast<std::size_t>(f)];
                const bool wins = search();
                --built[static_cast<std::size_t>(f)];
                --placed;
                if (wins) {
                    return true;
                }
            }
        }
        if (placed < deal.order.size()) {
            for (auto& pile : piles) {
                pile.push_back(deal.order[placed++]);
                const bool wins = search();
                --placed;
                pile.pop_back();
                if (wins) {
                    return true;
                }
            }
        }
        return false;
    };
    return search();
}

// A made-up deal of `ranks` ranks, a card of each for each of two or three
// foundations, and one or two piles: chains by ones or by twos round the
// corner.
WastePilesDeal smallDeal(std::mt19937& random, int ranks, int foundations, int piles, bool steps) {
    WastePilesDeal deal;
    deal.piles = piles;
    deal.foundations = foundations;
    std::vector<std::uint8_t> cards;
    for (int f = 0; f < foundations; ++f) {
        std::vector<std::uint8_t> chain;
        for (int i = 0; i < ranks; ++i) {
            const int step = steps ? 1 + f % 2 : 1;
            chain.push_back(static_cast<std::uint8_t>((i * step) % ranks + 1));
        }
        if (steps && ranks % 2 == 0) {
            std::ranges::sort(chain); // by twos only round an odd count
        }
        deal.chains.push_back(chain);
        for (const int rank : chain) {
            const int card = static_cast<int>(cards.size()) + 1;
            deal.rankOf[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(rank);
            cards.push_back(static_cast<std::uint8_t>(card));
        }
    }
    std::ranges::shuffle(cards, random);
    deal.order = cards;
    deal.dealtPiles.assign(static_cast<std::size_t>(piles), {});
    return deal;
}

// The search's proofs of loss are proofs: on made-up deals small enough to
// search whole without any cut, it wins where that search wins and calls
// lost where it loses, with and without the cut of stuck ranks.
TEST(WastePilesSearch, ItsLossesAreThoseOfASearchOfEveryMove) {
    std::mt19937 random(7);
    int won = 0;
    int lost = 0;
    for (int i = 0; i < 200; ++i) {
        const WastePilesDeal deal =
            smallDeal(random, 3 + i % 3, 2 + i % 2, 1 + i / 2 % 2, i % 3 == 0);
        const bool wins = winsByEveryMove(deal);
        for (const bool cut : {true, false}) {
            const WastePilesSearchResult found =
                searchWastePilesDeal(deal, 10'000'000, nullptr, cut);
            ASSERT_EQ(found.outcome, wins ? WastePilesSearchResult::Outcome::Won
                                          : WastePilesSearchResult::Outcome::Exhausted)
                << "deal " << i << (cut ? "" : " without the cut");
            if (wins) {
                WastePilesPosition pos(deal);
                std::vector<WastePilesMove> moves;
                for (const WastePilesMove& move : found.line) {
                    pos.moves(moves);
                    ASSERT_NE(std::ranges::find(moves, move), moves.end()) << "deal " << i;
                    pos.apply(move);
                }
                EXPECT_TRUE(pos.won());
            }
        }
        (wins ? won : lost) += 1;
    }
    EXPECT_GT(won, 30) << lost;
    EXPECT_GT(lost, 30) << won;
}

// Whole deals: the solver answers through this search, and every win plays
// through the pointer input to the win.
TEST(WastePilesSearch, WinsWholeDealsThroughThePointerInput) {
    int solved = 0;
    for (const int game : {kSirTommy, kCalculation, kFrog}) {
        for (const int deal : {1000, 1137, 1274, 1411}) {
            Table table(game, deal);
            SolveLimits limits;
            limits.gestureSearch = false;
            limits.fastPositions = 300'000;
            const SolveResult result = solveDeal(table.state, table.frontend, limits);
            EXPECT_TRUE(result.fastSearch);
            if (result.outcome == SolveOutcome::Solved) {
                ++solved;
                Table replay(game, deal);
                EXPECT_TRUE(replay.playsToTheWin(result.moves))
                    << "game " << game << " deal " << deal;
            }
        }
    }
    EXPECT_GE(solved, 8);
}

// Late in a deal, where the search of actions (the engine's own drags and
// clicks, another search altogether) searches every position, the two
// agree on which positions are won.
TEST(WastePilesSearch, AgreesWithTheSearchOfActionsLateInADeal) {
    int compared = 0;
    int lost = 0;
    for (const int game : {kSirTommy, kCalculation}) {
        for (int deal = 1; deal <= 10; ++deal) {
            Table table(game, deal);
            if (autoplayActive(table.state)) {
                table.run("autoplay");
            }
            std::mt19937 random(static_cast<unsigned>(deal));
            // Random play to a few cards before the end of the stock.
            while (table::cardCount(table.state.piles.stock(table::kStock)) > 4) {
                if (table.state.piles.stock(table::kWaste).empty()) {
                    ASSERT_TRUE(table.run("click Mazzo"));
                }
                const std::optional<WastePilesDeal> model =
                    wastePilesDealFor(table.state, table.frontend);
                ASSERT_TRUE(model);
                WastePilesPosition pos(*model);
                std::vector<WastePilesMove> moves;
                pos.moves(moves);
                std::erase_if(moves, [](const WastePilesMove& m) {
                    return m.kind == WastePilesMove::Kind::PileToFoundation;
                });
                ASSERT_FALSE(moves.empty());
                const WastePilesMove move = moves.front().kind != WastePilesMove::Kind::NextToPile
                                                ? moves.front()
                                                : moves[random() % moves.size()];
                LegalMove played;
                played.card = move.card;
                played.from = {table::PileKind::Stock, table::kWaste};
                played.to = move.kind == WastePilesMove::Kind::NextToPile
                                ? table::PileRef{table::PileKind::Tableau, move.pile}
                                : table::PileRef{table::PileKind::Foundation, move.foundation};
                ASSERT_TRUE(playLegalMove(table.state, table.frontend, played));
            }
            const std::optional<WastePilesDeal> model =
                wastePilesDealFor(table.state, table.frontend);
            ASSERT_TRUE(model);
            const WastePilesSearchResult fast = searchWastePilesDeal(*model, 1'000'000);
            ASSERT_NE(fast.outcome, WastePilesSearchResult::Outcome::OutOfBudget);
            const std::optional<bool> slowWins =
                testing::searchOfActionsWins(table, 20000, testing::cardsOnFoundations, true);
            if (!slowWins) {
                continue;
            }
            ++compared;
            lost += fast.outcome == WastePilesSearchResult::Outcome::Exhausted ? 1 : 0;
            EXPECT_EQ(fast.outcome == WastePilesSearchResult::Outcome::Won, *slowWins)
                << "game " << game << " deal " << deal;
        }
    }
    EXPECT_GE(compared, 16);
    EXPECT_GE(lost, 4);
}

// A search stopped by its position limit gives up; it never calls the deal lost.
TEST(WastePilesSearch, ABudgetRunOutIsNoProof) {
    Table table(kCalculation, 1000);
    const std::optional<WastePilesDeal> deal = wastePilesDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    const WastePilesSearchResult found = searchWastePilesDeal(*deal, 3);
    EXPECT_EQ(found.outcome, WastePilesSearchResult::Outcome::OutOfBudget);
    EXPECT_TRUE(found.line.empty());
}

} // namespace
} // namespace vellomir::engine
