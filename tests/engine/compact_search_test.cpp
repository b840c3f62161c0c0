#include "engine/solver/compact_search.h"

#include "engine/actions/automatic_moves.h"
#include "engine/dealt_game.h"
#include "engine/input/legal_moves.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/placement_check.h"
#include "engine/rules/target_checks.h"
#include "engine/search_of_actions.h"
#include "engine/solver/action_search.h"
#include "engine/solver/solver.h"
#include "support/catalogue_games.h"
#include "support/game_numbers.h"
#include "support/recording_frontend.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

// A dealt game of the catalogue, played without undo steps.
using Table = testing::UnrecordedGame;

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

// The pointer input's name of a pile of the fast position.
std::string compactPileName(const CompactPosition& pos, int pile) {
    const CompactRules& r = pos.rules();
    if (pile < r.tableaus) {
        return table::pileName({table::PileKind::Tableau, pile});
    }
    if (pile < pos.foundation(0)) {
        return table::pileName({table::PileKind::Reserve, pile - pos.reserve(0)});
    }
    if (pile < pos.stock()) {
        return table::pileName({table::PileKind::Foundation, pile - pos.foundation(0)});
    }
    return table::pileName(
        {table::PileKind::Stock, pile == pos.stock() ? table::kStock : table::kWaste});
}

// The engine's moves as the fast search counts them: of empty piles alike
// only the first is a target, and a whole pile never goes onto an empty pile of its own class.
std::set<Named> engineMoves(const Table& table, const CompactPosition& pos) {
    const CompactRules& r = pos.rules();
    std::set<Named> named;
    for (const LegalMove& m : legalMoves(table.state, table.frontend)) {
        // Nor moved from one free cell to another (the same position), nor,
        // unless the fast search plays every move, taken back from a
        // foundation into a free cell or another foundation.
        if ((m.from.kind == table::PileKind::Foundation && m.to.kind != table::PileKind::Tableau &&
             !r.everyMove) ||
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
        // A run carried through the spaces stands for several of the
        // engine's moves (ARunCarriedThroughTheSpacesIsTheDragsOfItsCards).
        const bool carried = m.count > 1 && pos.rules().runsThroughSpaces;
        // A bouquet's cards are reserves of their own in the fast position
        // and one reserve on the table.
        const bool fromBouquet =
            pos.rules().bouquet && m.from >= pos.reserve(0) && m.from < pos.foundation(0);
        if (m.draws == 0 && !pos.isDeal(m) && !pos.isRedeal(m) && !carried) {
            named.insert({m.card, fromBouquet ? pos.reserve(0) : m.from, m.to});
        }
    }
    return named;
}

// Plays random legal moves of the engine (and stock clicks), calling `look`
// with the table and its fast position at every position reached.
// With `cellsFirst` the free cells are filled whenever they can be (runs
// then move under tight limits), else last (the play goes on longer).
// With `everyMove` the fast position plays every move (CompactRules::everyMove).
template <typename Look>
void randomWalk(int game, int deal, int steps, unsigned seed, Look&& look, bool cellsFirst = false,
                bool everyMove = false) {
    Table table(game, deal);
    std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(rules) << "game " << game;
    rules->everyMove = everyMove;
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
        const bool stock = rules->hasStock || (rules->dealsToTableaus() &&
                                               !table.state.piles.stock(table::kStock).empty());
        if (moves.empty() && !stock) {
            return;
        }
        const bool click = moves.empty() || (stock && random() % 4 == 0);
        if (click && table.run("click Mazzo")) {
            continue;
        }
        // A stock that deals onto the tableaus may refuse while one is
        // empty (Spider); a move is played instead.
        ASSERT_TRUE(!click || (rules->dealsToTableaus() && !moves.empty()))
            << "game " << game << ": the stock click changed nothing";
        ASSERT_TRUE(playLegalMove(table.state, table.frontend, moves[random() % moves.size()]));
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
// Compares the fast position's moves with the engine's list on positions
// reached by random play of each game, free cells filled last and first.
void expectTheEngineMovesInRandomPlay(const std::vector<int>& games) {
    for (const int game : games) {
        int compared = 0;
        // A game whose random play soon runs out of moves (Bear River's
        // piles hold three cards at most) walks further deals until enough
        // positions were compared.
        for (int deal = 5; deal < 30 && compared <= 20; ++deal) {
            for (const bool cellsFirst : {false, true}) {
                randomWalk(
                    game, deal, 60, 3,
                    [&](const Table& table, const CompactPosition& pos) {
                        EXPECT_EQ(fastMoves(pos), engineMoves(table, pos)) << "game " << game;
                        ++compared;
                    },
                    cellsFirst);
            }
        }
        EXPECT_GT(compared, 20) << "game " << game;
    }
}

const std::vector<int> kFirstFamilies{kKlondike, kThoughtful, kFreeCell, kBakersGame,
                                      kGypsy,    kSpider,     kScorpion, kSimpleSimon};

TEST(CompactPosition, ListsTheMovesTheEngineLists) {
    expectTheEngineMovesInRandomPlay(kFirstFamilies);
}

// The same for the games of rules the tables learnt later: runs limited by
// the free cells and the spaces that take them (Eight Off, Seahaven Towers,
// Seven by Four), spaces that take single cards only (Martha) or nothing
// (Scotch Patience, Baker's Dozen), eighteen fans, fans of at most three
// cards (Shamrocks), and Spider's packs of one and two suits.
const std::vector<int> kWiderGames{kEightOff,      kSeahavenTowers, kSevenByFour, kMartha,
                                   kFan,           kScotchPatience, kShamrocks,   kBakersDozen,
                                   kSpiderOneSuit, kSpiderTwoSuits};

TEST(CompactPosition, ListsTheMovesTheEngineListsInTheWiderGames) {
    expectTheEngineMovesInRandomPlay(kWiderGames);
}

// And in every other game of the catalogue the fast search plays, so that
// a game that comes to be covered is compared too. It takes long (label
// "long", tests/CMakeLists.txt).
TEST(CompactPosition, ListsTheMovesTheEngineListsInEveryGameItPlays) {
    std::vector<int> others;
    for (const int game : testing::catalogueGames(VELLOMIR_BIN_DIR)) {
        Table table(game, 5);
        if (compactRulesFor(table.state, table.frontend) &&
            std::ranges::count(kFirstFamilies, game) + std::ranges::count(kWiderGames, game) == 0) {
            others.push_back(game);
        }
    }
    ASSERT_FALSE(others.empty()) << "no catalogue in " << VELLOMIR_BIN_DIR;
    RecordProperty("games", static_cast<int>(others.size()));
    expectTheEngineMovesInRandomPlay(others);
}

// The same for the Forty Thieves family (two packs, one card at a time, a
// stock turned once or twice a card at a time, some cards dealt face down)
// and for King Albert, whose reserve cards leave and none comes back.
TEST(CompactPosition, ListsTheMovesTheEngineListsInTheFortyThievesFamily) {
    expectTheEngineMovesInRandomPlay({kFortyThieves, kMaria, kIndian, kFortyAndEight,
                                      kNapoleonsExile, kEmperor, kDiplomat, kGargantua,
                                      kKingAlbert});
}

// Where cards move one at a time, a built run goes as one move of the fast
// search as far as the spaces carry it (a run of 2^s cards with s spaces
// besides the target): its drags, card by card, are each accepted by the
// pointer input and leave the table the move leaves, and a run one card
// longer than the spaces carry is no move. Positions reached by random
// play, with runs built and spaces made.
TEST(CompactPosition, ARunCarriedThroughTheSpacesIsTheDragsOfItsCards) {
    int carried = 0;
    for (const int game : {kFortyThieves, kMaria, kIndian, kNapoleonsExile, kDiplomat}) {
        for (int deal = 1; deal <= 12; ++deal) {
            randomWalk(game, deal, 150, static_cast<unsigned>(deal),
                       [&](const Table& table, const CompactPosition& pos) {
                           ASSERT_TRUE(pos.rules().runsThroughSpaces) << "game " << game;
                           std::vector<CompactMove> moves;
                           pos.legalMoves(moves);
                           int spaces = 0;
                           for (int t = 0; t < pos.rules().tableaus; ++t) {
                               spaces += pos.size(t) == 0 ? 1 : 0;
                           }
                           for (const CompactMove& m : moves) {
                               if (m.count < 2) {
                                   continue;
                               }
                               const int besides = spaces - (pos.size(m.to) == 0 ? 1 : 0);
                               EXPECT_LE(m.count, 1 << besides) << "game " << game;
                               Table played(table);
                               for (const CompactMove& step : pos.runSteps(m)) {
                                   PointerCommand drag;
                                   drag.verb = PointerCommand::Verb::Drag;
                                   drag.place = compactPileName(pos, step.from);
                                   drag.target = compactPileName(pos, step.to);
                                   ASSERT_TRUE(played.run(commandText(drag)))
                                       << "game " << game << ": " << commandText(drag);
                               }
                               CompactPosition after = pos;
                               after.apply(m);
                               EXPECT_TRUE(after == CompactPosition(played.state, pos.rules()))
                                   << "game " << game;
                               ++carried;
                           }
                       });
        }
    }
    EXPECT_GT(carried, 20);
}

// The same for Canfield and its kin, whose spaces the program fills from
// the reserve's top (the walks empty tableaus, so the fills come into
// play), for Superior Canfield, whose spaces any card fills, and for Eagle
// Wing, whose trunk plays only its last card.
TEST(CompactPosition, ListsTheMovesTheEngineListsInTheCanfieldFamily) {
    expectTheEngineMovesInRandomPlay(
        {kCanfield, kStorehouse, kRainbow, kRainfall, kChameleon, kSuperiorCanfield, kEagleWing});
}

// After a move that empties tableaus, the program fills each from the
// reserve's top, in order: the fast position ends where the pointer input
// does, and the undo gives the cards back.
TEST(CompactPosition, SpacesFillFromTheReserveAsThePointerInputFillsThem) {
    int fills = 0;
    for (const int game : {kCanfield, kStorehouse, kChameleon}) {
        randomWalk(game, 3, 120, 7, [&](const Table& table, const CompactPosition& pos) {
            std::vector<CompactMove> moves;
            pos.legalMoves(moves);
            for (const CompactMove& m : moves) {
                if (m.from >= pos.rules().tableaus || m.count != pos.size(m.from) || m.draws != 0 ||
                    table.state.piles.reserve(0).empty()) {
                    continue;
                }
                CompactPosition after = pos;
                after.apply(m);
                Table played(table);
                PointerCommand drag;
                drag.verb = PointerCommand::Verb::Drag;
                drag.place = table::pileName({table::PileKind::Tableau, m.from});
                drag.place += m.count == 1 ? "" : ":0";
                drag.target = compactPileName(pos, m.to);
                ASSERT_TRUE(played.run(commandText(drag))) << commandText(drag);
                EXPECT_TRUE(after == CompactPosition(played.state, pos.rules())) << "game " << game;
                after.undo(m);
                EXPECT_TRUE(after == pos) << "game " << game;
                ++fills;
            }
        });
    }
    EXPECT_GT(fills, 0);
}

// Zebra, Corona and their kin: the program fills a space at once with the
// waste's top card, or the stock's top when the waste is empty. After every
// move that empties a tableau, the fast position ends where the pointer
// input does, faces included, and the undo gives the cards back where they
// came from. The walks click the stock now and then, so that spaces take
// cards from both; Little Forty turns three cards a click and takes cards
// back from the foundations.
TEST(CompactPosition, SpacesFillFromTheWasteOrTheStockAsThePointerInputFillsThem) {
    int fromWaste = 0;
    int fromStock = 0;
    auto look = [&](const Table& table, const CompactPosition& pos) {
        ASSERT_TRUE(pos.rules().fillsFromWasteOrStock);
        std::vector<CompactMove> moves;
        pos.legalMoves(moves);
        for (const CompactMove& m : moves) {
            if (m.from >= pos.rules().tableaus || m.count != pos.size(m.from) || m.draws != 0) {
                continue;
            }
            CompactPosition after = pos;
            after.apply(m);
            Table played(table);
            PointerCommand drag;
            drag.verb = PointerCommand::Verb::Drag;
            drag.place = table::pileName({table::PileKind::Tableau, m.from});
            drag.place += m.count == 1 ? "" : ":0";
            drag.target = compactPileName(pos, m.to);
            ASSERT_TRUE(played.run(commandText(drag))) << commandText(drag);
            EXPECT_TRUE(after == CompactPosition(played.state, pos.rules())) << commandText(drag);
            if (pos.size(pos.waste()) > 0) {
                ++fromWaste;
            } else if (pos.size(pos.stock()) > 0) {
                ++fromStock;
            }
            after.undo(m);
            EXPECT_TRUE(after == pos);
            EXPECT_EQ(after.key(), pos.key());
        }
    };
    for (const int game : {kZebra, kCorona, kQuadrangle, kTripleLine, kLittleForty}) {
        for (int deal = 1; deal <= 4; ++deal) {
            SCOPED_TRACE("game " + std::to_string(game) + " deal " + std::to_string(deal));
            randomWalk(game, deal, 150, static_cast<unsigned>(deal), look);
        }
    }
    EXPECT_GT(fromWaste, 10);
    EXPECT_GT(fromStock, 10);
}

// Every move the fast position lists, its stock clicks first, leaves the
// position the pointer input's gestures leave, with the fills after it.
TEST(CompactPosition, EveryMoveWhereTheWasteOrStockFillsTheSpacesIsThePointerInputs) {
    int compared = 0;
    auto look = [&](const Table& table, const CompactPosition& pos) {
        std::vector<CompactMove> moves;
        pos.legalMoves(moves);
        for (const CompactMove& m : moves) {
            Table played(table);
            std::vector<std::string> gestures(m.draws, "click Mazzo");
            // A run carried through the spaces is the drags of its cards.
            for (const CompactMove& step :
                 CompactPosition::isClick(m) ? std::vector<CompactMove>{} : pos.runSteps(m)) {
                PointerCommand drag;
                drag.verb = PointerCommand::Verb::Drag;
                drag.place = compactPileName(pos, step.from);
                if (step.count > 1) {
                    drag.place += ":" + std::to_string(pos.size(step.from) - step.count);
                }
                drag.target = compactPileName(pos, step.to);
                gestures.push_back(commandText(drag));
            }
            for (const std::string& g : gestures) {
                ASSERT_TRUE(played.run(g)) << g;
            }
            CompactPosition after = pos;
            after.apply(m);
            EXPECT_TRUE(after == CompactPosition(played.state, pos.rules()))
                << gestures.back() << ", " << int(m.draws) << " clicks first";
            ++compared;
        }
    };
    for (const int game : {kZebra, kCorona, kQuadrangle, kTripleLine, kLittleForty}) {
        SCOPED_TRACE("game " + std::to_string(game));
        randomWalk(game, 2, 120, 5, look);
    }
    EXPECT_GT(compared, 500);
}

// Their moves are the engine's list, with the spaces the fills leave none
// of while the stock or the waste holds a card.
TEST(CompactPosition, ListsTheMovesTheEngineListsWhereTheWasteOrStockFillsTheSpaces) {
    expectTheEngineMovesInRandomPlay({kZebra, kCorona, kQuadrangle, kTripleLine, kLittleForty});
}

// Where the stock turns one card at a time a limited number of times, a
// click is a move of its own, the only stock move, and it leaves the
// position the pointer input's click leaves; once the stock is gone
// through, none is offered.
TEST(CompactPosition, AClickIsAMoveOfItsOwnWhereTheStockTurnsACardAtATime) {
    Table table(kFortyThieves, 4);
    const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(rules);
    ASSERT_TRUE(rules->clicksAsMoves);
    int clicks = 0;
    while (true) {
        CompactPosition pos(table.state, *rules);
        std::vector<CompactMove> moves;
        pos.legalMoves(moves);
        const auto stockMoves =
            std::ranges::count_if(moves, [](const CompactMove& m) { return m.draws > 0; });
        if (table.state.piles.stock(table::kStock).empty()) {
            EXPECT_EQ(stockMoves, 0);
            break;
        }
        ASSERT_EQ(stockMoves, 1);
        ASSERT_TRUE(std::ranges::find(moves, pos.clickMove()) != moves.end());
        pos.apply(pos.clickMove());
        ASSERT_TRUE(table.run("click Mazzo"));
        EXPECT_TRUE(pos == CompactPosition(table.state, *rules)) << "click " << clicks;
        ++clicks;
    }
    EXPECT_EQ(clicks, 64);
}

// The same in games of one pack whose runs move: Rainfall's stock goes
// round three times a card at a time, Gold Mine's once three cards at a
// time, Klondike's of three passes three cards at a time; once the passes
// are spent, no click is offered. Klondike's stock, gone through as often
// as the player likes, stays every card some clicks bring up.
TEST(CompactPosition, AClickIsAMoveOfItsOwnWhereAStockOfOnePackRunsOut) {
    for (const auto& [game, wantedClicks] : {std::pair{kRainfall, 34 * 3}, std::pair{kGoldMine, 18},
                                             std::pair{kKlondikeThreePasses, 8 * 3}}) {
        Table table(game, 7);
        const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
        ASSERT_TRUE(rules);
        EXPECT_TRUE(rules->clicksAsMoves && rules->onePackRestarts) << "game " << game;
        int clicks = 0;
        while (true) {
            CompactPosition pos(table.state, *rules);
            std::vector<CompactMove> moves;
            pos.legalMoves(moves);
            const auto stockMoves =
                std::ranges::count_if(moves, [](const CompactMove& m) { return m.draws > 0; });
            if (stockMoves == 0) {
                break;
            }
            ASSERT_EQ(stockMoves, 1) << "game " << game << " click " << clicks;
            pos.apply(pos.clickMove());
            ASSERT_TRUE(table.run("click Mazzo"));
            EXPECT_TRUE(pos == CompactPosition(table.state, *rules))
                << "game " << game << " click " << clicks;
            ++clicks;
        }
        EXPECT_EQ(clicks, wantedClicks) << "game " << game;
    }
    Table klondike(kKlondike, 7);
    const std::optional<CompactRules> rules = compactRulesFor(klondike.state, klondike.frontend);
    ASSERT_TRUE(rules);
    EXPECT_FALSE(rules->clicksAsMoves || rules->onePackRestarts);
}

TEST(CompactRules, NameTheRuleTheyCannotHold) {
    // The Clock's cards go round its face.
    Table clock(kClock, 1);
    const std::optional<std::string> why = compactRulesRefusal(clock.state);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("clock face"), std::string::npos) << *why;
    EXPECT_FALSE(compactRulesFor(clock.state, clock.frontend));
    for (const int game :
         {kFreeCell, kFortyThieves, kKingAlbert, kLaBelleLucie, kThreeShufflesAndADraw}) {
        Table table(game, 1);
        EXPECT_EQ(compactRulesRefusal(table.state), std::nullopt) << "game " << game;
        EXPECT_TRUE(compactRulesFor(table.state, table.frontend)) << "game " << game;
    }
}

// Playing every move, the fast position lists the engine's whole list,
// cards taken back from the foundations into free cells and onto other
// foundations included, in games whose foundations give cards back. The
// walks send cards to the foundations first, so that there are some.
TEST(CompactPosition, EveryMoveIsTheEngineWholeList) {
    for (const int game : {kFreeCell, kKlondike, kEightOff, kBakersDozen, kMartha}) {
        int compared = 0;
        int takenBack = 0;
        randomWalk(
            game, 7, 80, 5,
            [&](const Table& table, const CompactPosition& pos) {
                const std::set<Named> fast = fastMoves(pos);
                EXPECT_EQ(fast, engineMoves(table, pos)) << "game " << game;
                takenBack += static_cast<int>(std::ranges::count_if(fast, [&](const Named& m) {
                    return std::get<1>(m) >= pos.foundation(0) && std::get<1>(m) < pos.stock() &&
                           std::get<2>(m) >= pos.reserve(0) && std::get<2>(m) < pos.foundation(0);
                }));
                ++compared;
            },
            true, true);
        EXPECT_GT(compared, 20) << "game " << game;
        if (game == kFreeCell || game == kEightOff) {
            EXPECT_GT(takenBack, 0) << "game " << game << ": no card was taken back into a cell";
        }
    }
}

// Where cards come back from the foundations, a safe move under every move
// sends a card that no card of the game, home or not, could be built on,
// and onto an empty foundation: nothing it hides or holds could be wanted.
TEST(CompactPosition, SafeMovesWhereFoundationsGiveBackRegretNothing) {
    int safeMoves = 0;
    for (const int game : {kFreeCell, kBakersDozen, kKlondike}) {
        randomWalk(
            game, 2, 80, 9,
            [&](const Table& table, const CompactPosition& pos) {
                CompactMove safe;
                if (!pos.safeFoundationMove(safe)) {
                    return;
                }
                ++safeMoves;
                EXPECT_EQ(pos.size(safe.to), 0) << "game " << game;
                const table::PileCounts counts = table::PileCounts::of(table.state.params);
                for (int x = 1; x <= pos.rules().cards; ++x) {
                    for (int t = 0; t < counts.tableaus; ++t) {
                        testing::RecordingFrontend quiet;
                        EXPECT_FALSE(
                            placementAllowed(table.state, quiet,
                                             tableauPlacementQuery(table.state, t, safe.card, x)))
                            << "game " << game << ": card " << int{safe.card}
                            << " went up though card " << x << " could go on it";
                    }
                }
            },
            false, true);
    }
    EXPECT_GT(safeMoves, 0);
}

using testing::pileOf;
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

// Seahaven Towers: a space takes only a king, so it counts towards the
// length of a king's run but not a queen's. With one free cell the queen's
// three cards may not go onto their king (free cell + 1), nor the king's
// three into the space (free cell + space, the space being the target);
// with two free cells both may.
TEST(CompactPosition, ASpaceCountsOnlyForTheRunsItTakes) {
    constexpr int kQueenRun = 25, kKingOfQueen = 26, kKingRun = 13;
    const std::vector<int> queenRun{kQueenRun, 24, 23};
    const std::vector<int> kingRun{kKingRun, 12, 11};
    Table seahaven(kSeahavenTowers, 1);
    table::ProgramState& s = seahaven.state;
    std::vector<int> rest;
    for (int card = 1; card <= 52; ++card) {
        s.cards.setFaceUp(card, true);
        if (std::ranges::find(queenRun, card) == queenRun.end() &&
            std::ranges::find(kingRun, card) == kingRun.end() && card != kKingOfQueen) {
            rest.push_back(card);
        }
    }
    // Low cards under the runs, so that no run is a whole pile.
    s.piles.tableau(0) = pileOf({rest[0], queenRun[0], queenRun[1], queenRun[2]});
    s.piles.tableau(1).clear();
    s.piles.tableau(2) = pileOf({rest[1], kKingOfQueen});
    s.piles.tableau(3) = pileOf({rest[2], kingRun[0], kingRun[1], kingRun[2]});
    for (int c = 0; c < 4; ++c) {
        s.piles.reserve(c) = c < 3 ? pileOf({rest[static_cast<std::size_t>(3 + c)]}) : "";
    }
    const std::vector<int> others(rest.begin() + 6, rest.end());
    for (int t = 4; t < 10; ++t) {
        const std::size_t from = others.size() * static_cast<std::size_t>(t - 4) / 6;
        const std::size_t to = others.size() * static_cast<std::size_t>(t - 3) / 6;
        s.piles.tableau(t) = pileOf({others.begin() + static_cast<std::ptrdiff_t>(from),
                                     others.begin() + static_cast<std::ptrdiff_t>(to)});
    }
    for (int f = 0; f < 4; ++f) {
        s.piles.foundation(f).clear();
    }
    const std::optional<CompactRules> rules = compactRulesFor(s, seahaven.frontend);
    ASSERT_TRUE(rules);
    const Named queenUp{kQueenRun, 0, 2};
    const Named kingDown{kKingRun, 3, 1};
    const CompactPosition oneCell(s, *rules);
    EXPECT_FALSE(engineMoves(seahaven, oneCell).contains(queenUp));
    EXPECT_FALSE(engineMoves(seahaven, oneCell).contains(kingDown));
    EXPECT_EQ(fastMoves(oneCell), engineMoves(seahaven, oneCell));
    const std::string held = s.piles.reserve(2);
    s.piles.reserve(2).clear();
    s.piles.tableau(4) = held + s.piles.tableau(4);
    const CompactPosition twoCells(s, *rules);
    EXPECT_TRUE(engineMoves(seahaven, twoCells).contains(queenUp));
    EXPECT_TRUE(engineMoves(seahaven, twoCells).contains(kingDown));
    EXPECT_EQ(fastMoves(twoCells), engineMoves(seahaven, twoCells));
}

// Martha's spaces take a single card but never a run; the fast position
// lists the card and not the run, as the engine does.
TEST(CompactPosition, ASpaceForSingleCardsTakesNoRun) {
    Table martha(kMartha, 1);
    table::ProgramState& s = martha.state;
    // Turn every card up and empty tableau 0 onto tableau 1: its cards
    // lie there as they lay, not as a run.
    for (int card = 1; card <= 52; ++card) {
        s.cards.setFaceUp(card, true);
    }
    s.piles.tableau(1) += s.piles.tableau(0);
    s.piles.tableau(0).clear();
    // Tableau 2 ends in a run of two in alternating colours: a black five
    // on a red six.
    constexpr int kRedSix = 6, kBlackFive = 44;
    for (int t = 1; t < 12; ++t) {
        std::string& pile = s.piles.tableau(t);
        for (const int card : {kRedSix, kBlackFive}) {
            const std::size_t at = pile.find(pileOf({card}));
            if (at != std::string::npos && at % 3 == 0) {
                pile.erase(at, 3);
            }
        }
    }
    s.piles.tableau(2) += pileOf({kRedSix, kBlackFive});
    const std::optional<CompactRules> rules = compactRulesFor(s, martha.frontend);
    ASSERT_TRUE(rules);
    const CompactPosition pos(s, *rules);
    const std::set<Named> engine = engineMoves(martha, pos);
    EXPECT_TRUE(engine.contains(Named{kBlackFive, 2, 0}));
    EXPECT_FALSE(engine.contains(Named{kRedSix, 2, 0}));
    EXPECT_EQ(fastMoves(pos), engine);
}

// Flower Garden's bouquet, one reserve whose every card plays wherever it
// lies, is held as a reserve of its own for each card, none taking a card
// back. The fast search's line plays each bouquet card from where it lies
// on the table through the pointer input, and wins, with Autoplay unticked
// and kept ticked (as the window's hints keep it): there the search sends
// up every bouquet card a foundation takes, and the line drags those the
// engine's sweep, which takes the bouquet's last card only, left.
TEST(CompactRules, TheBouquetsCardsAreReservesOfTheirOwn) {
    Table table(kFlowerGarden, 3);
    const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(rules);
    EXPECT_TRUE(rules->bouquet);
    ASSERT_EQ(rules->reserves, 16);
    const CompactPosition pos(table.state, *rules);
    const std::string& bouquet = table.state.piles.reserve(0);
    for (int r = 0; r < rules->reserves; ++r) {
        EXPECT_FALSE(rules->reserveTakes[static_cast<std::size_t>(r)]);
        ASSERT_EQ(pos.size(pos.reserve(r)), 1);
        EXPECT_EQ(pos.at(pos.reserve(r), 0), table::cardAt(bouquet, r));
    }
    for (const bool autoplay : {false, true}) {
        Table game(kFlowerGarden, 3);
        game.state.autoplayTicked = autoplay;
        const SolveResult answer =
            solveDeal(game.state, game.frontend, {.gestureSearch = false, .keepAutoplay = true});
        ASSERT_EQ(answer.outcome, SolveOutcome::Solved) << autoplay;
        EXPECT_TRUE(answer.fastSearch);
        const bool fromInside = std::ranges::any_of(answer.moves, [](const PointerCommand& m) {
            return m.place.starts_with(table::pileName({table::PileKind::Reserve, 0}) + ":");
        });
        EXPECT_TRUE(fromInside) << "a bouquet card played from under another";
        EXPECT_TRUE(game.playsToTheWin(answer.moves)) << autoplay;
    }
}

// Three Shuffles and a Draw: once in a game a card from under a fan's top
// card plays alone. The fast position lists the draws the engine lists,
// and each leaves the position the pointer input's drag of that card leaves,
// the draw spent; the undo puts the card back under the cards it lay under.
TEST(CompactPosition, ADrawIsThePointerInputsDragFromUnderTheTop) {
    expectTheEngineMovesInRandomPlay({kThreeShufflesAndADraw});
    int compared = 0;
    auto look = [&](const Table& table, const CompactPosition& pos) {
        std::vector<CompactMove> moves;
        pos.legalMoves(moves);
        for (const CompactMove& m : moves) {
            if (!pos.isDraw(m)) {
                continue;
            }
            ASSERT_EQ(pos.drawsLeft(), 1);
            CompactPosition after = pos;
            after.apply(m);
            Table played(table);
            PointerCommand drag;
            drag.verb = PointerCommand::Verb::Drag;
            drag.place =
                compactPileName(pos, m.from) + ":" + std::to_string(pos.heightOf(m.from, m.card));
            drag.target = compactPileName(pos, m.to);
            ASSERT_TRUE(played.run(commandText(drag))) << commandText(drag);
            const CompactPosition engine(played.state, pos.rules());
            EXPECT_EQ(engine.drawsLeft(), 0);
            EXPECT_TRUE(after == engine) << commandText(drag);
            EXPECT_EQ(after.key(), engine.key()) << commandText(drag);
            after.undo(m);
            EXPECT_TRUE(after == pos);
            EXPECT_EQ(after.key(), pos.key());
            ++compared;
        }
    };
    for (int deal = 1; deal <= 3; ++deal) {
        randomWalk(kThreeShufflesAndADraw, deal, 30, static_cast<unsigned>(deal), look);
    }
    EXPECT_GT(compared, 20);
}

// Algerian Patience: the stock deals two rounds onto six free cells that
// hold piles, then its last eight cards onto the tableaus, and the aces'
// foundations keep four suits apart. The fast position lists the engine's
// moves in random play (an ace of a suit its row holds is offered to no
// empty foundation), and tells the free cells apart: the same card in
// another empty cell is another position, since the next deals differ.
TEST(CompactPosition, FreeCellsTheStockDealsOntoAreApart) {
    expectTheEngineMovesInRandomPlay({kAlgerianPatience});
    Table table(kAlgerianPatience, 2);
    const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(rules);
    EXPECT_TRUE(rules->reservesApart);
    EXPECT_TRUE(rules->suitsApartInRows);
    ASSERT_EQ(rules->lateDeals.size(), 1U);
    EXPECT_EQ(rules->lateDeals[0].stockCards, 8);
    EXPECT_EQ(rules->lateDeals[0].to, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    table::ProgramState first = table.state;
    table::ProgramState second = table.state;
    const std::string card = first.piles.tableau(0);
    first.piles.tableau(0).clear();
    second.piles.tableau(0).clear();
    first.piles.reserve(0) = card;
    first.piles.reserve(1).clear();
    second.piles.reserve(0).clear();
    second.piles.reserve(1) = card;
    EXPECT_NE(CompactPosition(first, *rules).key(), CompactPosition(second, *rules).key());
}

// Where foundations build both ways, a card is wanted by whichever of its
// suit's two comes to it first: with only the king of hearts home, the
// queen goes next, so a two lying on it covers it, and the queen on the two
// covers nothing. Algerian Patience's reserves hold piles, and count their
// covering cards as the tableaus do. With the ace home and no king the two
// goes first. A game whose foundations all build up keeps its count from
// the aces.
TEST(CompactPosition, ACardIsWantedByTheNearerOfItsSuitsTwoFoundations) {
    for (const int game : {kAlgerianPatience, kBisley}) {
        Table table(game, 3);
        const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
        ASSERT_TRUE(rules) << "game " << game;
        EXPECT_TRUE(rules->foundationsBothWays) << "game " << game;
        const table::PileCounts counts = table::PileCounts::of(table.state.params);
        table::ProgramState bare = table.state;
        for (int f = 0; f < counts.foundations; ++f) {
            bare.piles.foundation(f).clear();
        }
        const int downKingsAt = counts.foundations / 2;
        bare.piles.foundation(downKingsAt) = pileOf({"KH"});
        std::vector<table::PileRef> piles{{table::PileKind::Tableau, 0}};
        if (game == kAlgerianPatience) {
            piles.push_back({table::PileKind::Reserve, 0});
        }
        for (const table::PileRef& pile : piles) {
            table::ProgramState twoOnQueen = bare;
            table::ProgramState queenOnTwo = bare;
            twoOnQueen.piles.pile(pile) = pileOf({"QH", "2H"});
            queenOnTwo.piles.pile(pile) = pileOf({"2H", "QH"});
            const CompactPosition::DistanceWeights w;
            EXPECT_EQ(CompactPosition(twoOnQueen, *rules).distance(w),
                      CompactPosition(queenOnTwo, *rules).distance(w) + w.coveringCard)
                << "game " << game << ", pile kind " << static_cast<int>(pile.kind);
            // With the ace home and no king, the two goes next.
            for (table::ProgramState* s : {&twoOnQueen, &queenOnTwo}) {
                s->piles.foundation(0) = pileOf({"AH"});
                s->piles.foundation(downKingsAt).clear();
            }
            EXPECT_EQ(CompactPosition(queenOnTwo, *rules).distance(w),
                      CompactPosition(twoOnQueen, *rules).distance(w) + w.coveringCard)
                << "game " << game << ", pile kind " << static_cast<int>(pile.kind);
        }
    }
    Table forty(kFortyThieves, 3);
    const std::optional<CompactRules> up = compactRulesFor(forty.state, forty.frontend);
    ASSERT_TRUE(up);
    EXPECT_FALSE(up->foundationsBothWays);
}

// What a stock click deals is learnt from the pointer input: Spider deals
// a card to each of its ten tableaus and never while one is empty, Scorpion
// its three cards to the first three tableaus, Gypsy one to each of eight,
// gaps or not, Bristol one to each of its three reserves (piles 8 to 10 of
// the fast position) and none to its tableaus.
TEST(CompactRules, LearnWhatAStockClickDealsFromThePointerInput) {
    struct Expected {
        int game;
        std::vector<int> dealTo;
        bool gapRefuses;
    };
    for (const Expected& e :
         {Expected{kSpider, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
          Expected{kScorpion, {0, 1, 2}, false}, Expected{kGypsy, {0, 1, 2, 3, 4, 5, 6, 7}, false},
          Expected{kBristol, {8, 9, 10}, false}}) {
        Table table(e.game, 2);
        const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
        ASSERT_TRUE(rules) << "game " << e.game;
        EXPECT_FALSE(rules->hasStock) << "game " << e.game << ": no waste to turn";
        EXPECT_EQ(rules->deal.to, e.dealTo) << "game " << e.game;
        for (int t = 0; t < rules->tableaus; ++t) {
            EXPECT_EQ(rules->deal.refusedByGap[static_cast<std::size_t>(t)], e.gapRefuses)
                << "game " << e.game << " tableau " << t;
            EXPECT_FALSE(rules->deal.skipsEmpty[static_cast<std::size_t>(t)]);
        }
    }
}

// The fast position's deal leaves the table the pointer input's click
// leaves, card for card, and its undo the table before; with a gap in
// Spider neither deals.
TEST(CompactPosition, ADealIsTheStockClickOfThePointerInput) {
    for (const int game :
         {kSpider, kScorpion, kGypsy, kWillOTheWisp, kBristol, kAgnesBernauer, kAlgerianPatience}) {
        Table table(game, 3);
        const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
        ASSERT_TRUE(rules) << "game " << game;
        CompactPosition pos(table.state, *rules);
        const CompactPosition dealt = pos;
        const std::uint64_t key = pos.key();
        int deals = 0;
        while (!table.state.piles.stock(table::kStock).empty()) {
            std::vector<CompactMove> moves;
            pos.legalMoves(moves);
            ASSERT_TRUE(std::ranges::count(moves, pos.dealMove()) == 1) << "game " << game;
            pos.apply(pos.dealMove());
            ASSERT_TRUE(table.run("click Mazzo")) << "game " << game;
            ++deals;
            EXPECT_TRUE(pos == CompactPosition(table.state, *rules))
                << "game " << game << " deal " << deals;
        }
        EXPECT_GE(deals, 1) << "game " << game;
        std::vector<CompactMove> moves;
        pos.legalMoves(moves);
        EXPECT_EQ(std::ranges::count(moves, pos.dealMove()), 0) << "game " << game;
        for (int i = 0; i < deals; ++i) {
            pos.undo(pos.dealMove());
        }
        EXPECT_TRUE(pos == dealt) << "game " << game;
        EXPECT_EQ(pos.key(), key) << "game " << game;
    }
    Table spider(kSpider, 3);
    const std::optional<CompactRules> rules = compactRulesFor(spider.state, spider.frontend);
    ASSERT_TRUE(rules);
    spider.state.piles.tableau(4).clear();
    std::vector<CompactMove> moves;
    CompactPosition(spider.state, *rules).legalMoves(moves);
    EXPECT_EQ(std::ranges::count_if(moves, [](const CompactMove& m) { return m.from == m.to; }), 0);
    const std::string stock = spider.state.piles.stock(table::kStock);
    ASSERT_TRUE(spider.run("click Mazzo"));
    EXPECT_EQ(spider.state.piles.stock(table::kStock), stock) << "the engine dealt with a gap";

    // Grounds for a Divorce passes an empty tableau by, at its last click
    // too, where the four cards left go to the first four that hold cards.
    Table divorce(kGroundsForADivorce, 3);
    const std::optional<CompactRules> passing = compactRulesFor(divorce.state, divorce.frontend);
    ASSERT_TRUE(passing);
    constexpr int kLastFour = 4;
    while (table::cardCount(divorce.state.piles.stock(table::kStock)) > kLastFour) {
        ASSERT_TRUE(divorce.run("click Mazzo"));
    }
    divorce.state.piles.tableau(1) += divorce.state.piles.tableau(0);
    divorce.state.piles.tableau(0).clear();
    CompactPosition last(divorce.state, *passing);
    last.apply(last.dealMove());
    ASSERT_TRUE(divorce.run("click Mazzo"));
    EXPECT_TRUE(divorce.state.piles.stock(table::kStock).empty());
    EXPECT_TRUE(last == CompactPosition(divorce.state, *passing));
}

// Lays out a Spider table of two packs with `run` (from the bottom up) on a
// face-down card in tableau 0, the other cards face up over tableaus 1 to
// 9 and nothing in the stock; answers the face-down card.
int layOutRunOnTop(table::ProgramState& s, const std::vector<int>& run) {
    std::vector<int> rest;
    for (int card = 1; card <= 104; ++card) {
        s.cards.setFaceUp(card, true);
        if (std::ranges::find(run, card) == run.end()) {
            rest.push_back(card);
        }
    }
    s.cards.setFaceUp(rest[0], false);
    std::vector<int> first{rest[0]};
    first.insert(first.end(), run.begin(), run.end());
    s.piles.tableau(0) = pileOf(first);
    const std::size_t perPile = (rest.size() - 1) / 9;
    for (int t = 1; t < 10; ++t) {
        const auto from = rest.begin() + 1 + static_cast<std::ptrdiff_t>((t - 1) * perPile);
        s.piles.tableau(t) =
            pileOf({from, t == 9 ? rest.end() : from + static_cast<std::ptrdiff_t>(perPile)});
    }
    s.piles.stock(table::kStock).clear();
    return rest[0];
}

// A complete run of one suit, king to ace, on top of a Spider tableau goes
// to an empty foundation as one move, in the fast position's list as in the
// engine's; one card out of suit in it, and neither lists it.
TEST(CompactPosition, ACompleteSuitRunGoesUpAsTheEngineLetsIt) {
    constexpr int kSuit = 3; // the suit of codes 40 to 52
    Table spider(kSpider, 1);
    table::ProgramState& s = spider.state;
    // Tableau 0: a face-down card, then one suit from king to ace.
    std::vector<int> run;
    for (int rank = 13; rank >= 1; --rank) {
        run.push_back(kSuit * 13 + rank);
    }
    const int faceDown = layOutRunOnTop(s, run);
    const std::optional<CompactRules> rules = compactRulesFor(s, spider.frontend);
    ASSERT_TRUE(rules);
    ASSERT_TRUE(rules->suitRunFoundation);
    const CompactPosition complete(s, *rules);
    const Named up{run.front(), 0, complete.foundation(0)};
    EXPECT_TRUE(engineMoves(spider, complete).contains(up));
    // The engine sends a completed run up by itself: the fast search's only move.
    EXPECT_EQ(fastMoves(complete), std::set<Named>{up});
    CompactPosition moved = complete;
    moved.apply({0, static_cast<std::uint8_t>(complete.foundation(0)), 13, 0,
                 static_cast<std::uint8_t>(run.front())});
    EXPECT_EQ(moved.onFoundations(), 13);
    EXPECT_EQ(moved.topCode(0), faceDown) << "the card under the run turned up";
    // The run's five swapped for a five of another suit from the second pack.
    table::ProgramState broken = s;
    std::string& pile = broken.piles.tableau(0);
    const int fiveInRun = kSuit * 13 + 5;
    const int otherFive = 52 + 5;
    const std::size_t at = pile.find(pileOf({fiveInRun}));
    const std::size_t there = broken.piles.tableau(1).find(pileOf({otherFive}));
    ASSERT_NE(at, std::string::npos);
    if (there != std::string::npos) {
        broken.piles.tableau(1).replace(there, 3, pileOf({fiveInRun}));
    } else {
        for (int t = 2; t < 10; ++t) {
            const std::size_t elsewhere = broken.piles.tableau(t).find(pileOf({otherFive}));
            if (elsewhere != std::string::npos) {
                broken.piles.tableau(t).replace(elsewhere, 3, pileOf({fiveInRun}));
            }
        }
    }
    pile.replace(at, 3, pileOf({otherFive}));
    spider.state = broken;
    const CompactPosition notComplete(broken, *rules);
    EXPECT_FALSE(engineMoves(spider, notComplete).contains(up));
    EXPECT_EQ(fastMoves(notComplete), engineMoves(spider, notComplete));
}

// In Spider of one suit every card plays as a spade, in Spider of two the
// red ones as hearts and the black as spades: a run from king to ace of
// cards of any suits, or of red cards of both red suits, is complete there
// and goes up in the fast position as the engine lets it; a black card in
// the red run breaks it. Cards that play alike are one card to the key.
TEST(CompactPosition, PacksOfFewerSuitsJudgeRunsBySuitsInPlay) {
    constexpr int kHearts = 0, kDiamonds = 1, kClubs = 2;
    struct Case {
        int game;
        std::vector<int> suits; // of the run's cards, king first
        bool complete;
    };
    std::vector<int> anySuits;
    std::vector<int> redSuits;
    for (int k = 0; k < 13; ++k) {
        anySuits.push_back(k % 4);
        redSuits.push_back(k % 2 == 0 ? kHearts : kDiamonds);
    }
    std::vector<int> redWithBlack = redSuits;
    redWithBlack[6] = kClubs;
    for (const Case& c :
         {Case{kSpiderOneSuit, anySuits, true}, Case{kSpiderTwoSuits, redSuits, true},
          Case{kSpiderTwoSuits, redWithBlack, false}, Case{kSpider, redSuits, false}}) {
        Table spider(c.game, 1);
        std::vector<int> run;
        for (int k = 0; k < 13; ++k) {
            run.push_back(c.suits[static_cast<std::size_t>(k)] * 13 + 13 - k);
        }
        layOutRunOnTop(spider.state, run);
        const std::optional<CompactRules> rules = compactRulesFor(spider.state, spider.frontend);
        ASSERT_TRUE(rules) << "game " << c.game;
        const CompactPosition pos(spider.state, *rules);
        const Named up{run.front(), 0, pos.foundation(0)};
        EXPECT_EQ(engineMoves(spider, pos).contains(up), c.complete) << "game " << c.game;
        EXPECT_EQ(fastMoves(pos), c.complete ? std::set<Named>{up} : engineMoves(spider, pos))
            << "game " << c.game;
    }
    // The queen of hearts of tableau 0's run swapped with the queen of
    // diamonds of another pile: alike in play in Spider of two suits, not
    // in Spider.
    for (const int game : {kSpiderTwoSuits, kSpider}) {
        Table spider(game, 1);
        layOutRunOnTop(spider.state, {13, 12});
        const std::optional<CompactRules> rules = compactRulesFor(spider.state, spider.frontend);
        ASSERT_TRUE(rules) << "game " << game;
        table::ProgramState swapped = spider.state;
        const std::string heart = pileOf({12});
        const std::string diamond = pileOf({kDiamonds * 13 + 12});
        for (int t = 0; t < 10; ++t) {
            std::string& pile = swapped.piles.tableau(t);
            for (std::size_t i = 0; i < pile.size(); i += 3) {
                const std::string card = pile.substr(i, 3);
                pile.replace(i, 3, card == heart ? diamond : card == diamond ? heart : card);
            }
        }
        ASSERT_NE(swapped.piles.tableau(0), spider.state.piles.tableau(0));
        EXPECT_EQ(CompactPosition(swapped, *rules).key() ==
                      CompactPosition(spider.state, *rules).key(),
                  game == kSpiderTwoSuits)
            << "game " << game;
    }
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

// The twin cards of two packs play alike: swapped, they leave the key as it
// was, while two cards that play apart change it.
TEST(CompactPosition, TwinCardsOfTwoPacksGiveOneKey) {
    for (const int game : {kFortyThieves, kMaria, kIndian}) {
        Table dealt(game, 7);
        const std::optional<CompactRules> rules = compactRulesFor(dealt.state, dealt.frontend);
        ASSERT_TRUE(rules);
        const std::uint64_t key = CompactPosition(dealt.state, *rules).key();
        // Each card of the stock's top with its twin wherever that lies,
        // and with the next card of its own suit.
        const int top = testing::cardsOf(dealt.state.piles.stock(table::kStock)).back();
        const int twin = top > 52 ? top - 52 : top + 52;
        const int other = top % 13 == 0 ? top - 1 : top + 1;
        // The card of the same rank and pack in the next suit.
        constexpr int kRanks = 13;
        constexpr int kPack = 52;
        const int inPack = (top - 1) % kPack;
        const int sameRank = (inPack + kRanks) % kPack + 1 + (top > kPack ? kPack : 0);
        EXPECT_TRUE(rules->playAlike(top, twin));
        EXPECT_FALSE(rules->playAlike(top, other));
        EXPECT_FALSE(rules->playAlike(top, sameRank));
        auto swapped = [&](int a, int b) {
            table::ProgramState s = dealt.state;
            auto swapIn = [&](std::string& pile) {
                std::vector<int> cards = testing::cardsOf(pile);
                for (int& c : cards) {
                    c = c == a ? b : c == b ? a : c;
                }
                pile = testing::pileOf(cards);
            };
            // The faces go with the places, not the cards.
            const bool aUp = s.cards.isFaceUp(a);
            s.cards.setFaceFlag(a, s.cards.isFaceUp(b) ? '1' : '0');
            s.cards.setFaceFlag(b, aUp ? '1' : '0');
            for (int t = 0; t < table::PileCounts::of(s.params).tableaus; ++t) {
                swapIn(s.piles.tableau(t));
            }
            swapIn(s.piles.stock(table::kStock));
            return CompactPosition(s, *rules).key();
        };
        EXPECT_EQ(swapped(top, twin), key) << "game " << game;
        EXPECT_NE(swapped(top, other), key) << "game " << game;
        EXPECT_NE(swapped(top, sameRank), key) << "game " << game;
    }
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
    EXPECT_TRUE(dealt.playsToTheWin(result.moves));
}

// Spider (four suits) deal 3: the line deals from the stock onto the
// tableaus, the suit runs it completes go up by themselves (no drag names a
// foundation), and the pointer input plays it to the win.
TEST(CompactSearch, WinsSpiderThroughDealsAndSuitRuns) {
    Table dealt(kSpider, 3);
    const SolveResult result = solveDeal(dealt.state, dealt.frontend);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.fastSearch);
    EXPECT_GE(std::ranges::count_if(result.moves,
                                    [](const PointerCommand& m) {
                                        return m.verb == PointerCommand::Verb::Click &&
                                               m.place == "Mazzo";
                                    }),
              5);
    EXPECT_EQ(std::ranges::count_if(result.moves,
                                    [](const PointerCommand& m) {
                                        return m.verb == PointerCommand::Verb::Drag &&
                                               m.target.starts_with("Dest");
                                    }),
              0);
    for (const PointerCommand& move : result.moves) {
        ASSERT_TRUE(dealt.state.flags.test(table::Flag::GameInPlay));
        ASSERT_TRUE(dealt.run(commandText(move))) << commandText(move);
    }
    EXPECT_TRUE(dealt.frontend.saw("winning animation"));
}

// Forty Thieves: the line clicks the stock one card at a time and the
// pointer input plays it to the win; the fast search answers alone.
// Grounds for a Divorce's deal passes the empty tableaus by, so a space
// outlasts the deals: the search that keeps one open wins this deal within
// 15,000 positions, where it needed more than 40,000 when a space weighed
// as in Spider.
TEST(CompactSearch, WinsGroundsForADivorceKeepingASpaceThroughTheDeals) {
    Table dealt(kGroundsForADivorce, 9220);
    const SolveResult result =
        solveDeal(dealt.state, dealt.frontend, {.fastPositions = 15000, .gestureSearch = false});
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.fastSearch);
    for (const PointerCommand& move : result.moves) {
        ASSERT_TRUE(dealt.run(commandText(move))) << commandText(move);
    }
    EXPECT_TRUE(dealt.frontend.saw("winning animation"));
}

TEST(CompactSearch, WinsFortyThievesClickByClick) {
    Table dealt(kFortyThieves, 1000);
    SolveLimits limits;
    limits.gestureSearch = false;
    const SolveResult result = solveDeal(dealt.state, dealt.frontend, limits);
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(result.fastSearch);
    EXPECT_GE(std::ranges::count_if(result.moves,
                                    [](const PointerCommand& m) {
                                        return m.verb == PointerCommand::Verb::Click &&
                                               m.place == "Mazzo";
                                    }),
              60);
    EXPECT_TRUE(dealt.playsToTheWin(result.moves));
}

// Pas Seul (a single pass a card at a time) and Gold Mine (a single pass
// three cards at a time, the tableaus dealt empty): with the stock's clicks
// as moves of their own and short searches in turn, the fast search alone
// wins these deals within 60,000 positions, and the pointer input plays
// the lines to the win. Read as every card some clicks bring up alone, the
// stock was turned freely and none of them was won within that budget.
TEST(CompactSearch, WinsSinglePassGamesOfOnePackClickByClick) {
    for (const auto& [game, deal] : {std::pair{kPasSeul, 1}, std::pair{kPasSeul, 2},
                                     std::pair{kGoldMine, 1}, std::pair{kGoldMine, 2}}) {
        Table dealt(game, deal);
        SolveLimits limits;
        limits.gestureSearch = false;
        limits.fastPositions = 60'000;
        const SolveResult result = solveDeal(dealt.state, dealt.frontend, limits);
        ASSERT_EQ(result.outcome, SolveOutcome::Solved) << "game " << game << " deal " << deal;
        EXPECT_TRUE(result.fastSearch);
        EXPECT_TRUE(dealt.playsToTheWin(result.moves)) << "game " << game << " deal " << deal;
    }
}

// Quadrangle deal 18 and Little Forty deal 4 (three cards a click, cards
// taken back from the foundations), whose spaces the waste or the stock
// fills: the fast search alone finds a line the pointer input plays to the
// win. Quadrangle's foundations begin at the rank the deal turns up and go
// round the corner: one holding its thirteen cards takes no king more.
TEST(CompactSearch, WinsWhereTheWasteOrTheStockFillsTheSpaces) {
    for (const auto& [game, deal] : {std::pair{kQuadrangle, 18}, std::pair{kLittleForty, 4}}) {
        Table dealt(game, deal);
        SolveLimits limits;
        limits.gestureSearch = false;
        const SolveResult result = solveDeal(dealt.state, dealt.frontend, limits);
        ASSERT_EQ(result.outcome, SolveOutcome::Solved) << "game " << game;
        EXPECT_TRUE(result.fastSearch);
        EXPECT_TRUE(dealt.playsToTheWin(result.moves)) << "game " << game;
    }
}

// Miss Milligan's waiving place (tableau 8) takes a card or a run only
// while it is empty and the stock is spent: its tables are asked of a copy
// whose stock is spent, and while the stock holds cards the fast position
// lists no move onto it. Its moves are the engine's on the deal, once the
// stock is out, and once a card is waived.
TEST(CompactPosition, TheWaivingPlaceOpensOnceTheStockIsSpent) {
    constexpr int kWaiving = 8;
    Table table(kMissMilligan, 3);
    table.state.autoplayTicked = false;
    const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(rules);
    EXPECT_TRUE(rules->closedWhileStock[kWaiving]);
    EXPECT_EQ(rules->wantedFrom, 0) << "the foundations begin with the aces";
    EXPECT_EQ(rules->deal.to, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    auto waived = [](const CompactPosition& pos) {
        std::vector<CompactMove> moves;
        pos.legalMoves(moves);
        return std::ranges::count_if(moves, [](const CompactMove& m) { return m.to == kWaiving; });
    };
    const CompactPosition dealt(table.state, *rules);
    EXPECT_EQ(waived(dealt), 0);
    EXPECT_EQ(fastMoves(dealt), engineMoves(table, dealt));
    while (!table.state.piles.stock(table::kStock).empty()) {
        ASSERT_TRUE(table.run("click Mazzo"));
    }
    const CompactPosition spent(table.state, *rules);
    EXPECT_GT(waived(spent), 0);
    EXPECT_EQ(fastMoves(spent), engineMoves(table, spent));
    ASSERT_TRUE(table.run("drag Fila1 Fila9"));
    const CompactPosition held(table.state, *rules);
    EXPECT_EQ(waived(held), 0);
    EXPECT_EQ(fastMoves(held), engineMoves(table, held));
}

// Terrace's first move picks the foundations' base: the fast search takes
// the game only once it is made, and then its moves are the engine's, the
// terrace's cards going to the foundations only, through random play.
TEST(CompactPosition, TerracesMovesAfterTheFirstAreTheEngines) {
    constexpr int kTerrace = 112;
    Table table(kTerrace, 4);
    table.state.autoplayTicked = false;
    const std::optional<std::string> why = compactRulesRefusal(table.state);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("first move"), std::string::npos) << *why;
    ASSERT_TRUE(table.run("drag Fila2 Dest1"));
    const std::optional<CompactRules> rules = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(rules);
    // The terrace's cards go nowhere but up; the foundations want the ranks
    // from the base on.
    EXPECT_TRUE(rules->upOnlyReserve[0]);
    EXPECT_EQ(rules->wantedFrom, table::rankOf(table::cardAt(table.state.piles.foundation(0), 0)));
    EXPECT_FALSE(rules->foundationsInSuit);
    std::mt19937 random(7);
    int compared = 0;
    int fromTerrace = 0;
    for (int step = 0; step < 150 && table.state.flags.test(table::Flag::GameInPlay); ++step) {
        const CompactPosition pos(table.state, *rules);
        const std::set<Named> fast = fastMoves(pos);
        EXPECT_EQ(fast, engineMoves(table, pos)) << "step " << step;
        ++compared;
        for (const auto& [card, from, to] : fast) {
            if (from == pos.reserve(0)) {
                EXPECT_GE(to, pos.foundation(0)) << "a terrace card onto a tableau";
                ++fromTerrace;
            }
        }
        const std::vector<LegalMove> moves = legalMoves(table.state, table.frontend);
        if (moves.empty() || random() % 3 == 0) {
            if (!table.run("click Mazzo") && moves.empty()) {
                break;
            }
            continue;
        }
        ASSERT_TRUE(playLegalMove(table.state, table.frontend, moves[random() % moves.size()]));
    }
    EXPECT_GT(compared, 20);
    EXPECT_GT(fromTerrace, 0);
}

// Each of Terrace's first moves is searched as a deal of its own; the win
// answered begins with the choosing drag, and Miss Milligan's waives cards.
TEST(CompactSearch, WinsTerraceFromAChosenBaseAndMissMilliganByWaiving) {
    constexpr int kTerrace = 112;
    Table terrace(kTerrace, 11960);
    const SolveResult base = solveDeal(terrace.state, terrace.frontend, {.gestureSearch = false});
    ASSERT_EQ(base.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(base.fastSearch);
    ASSERT_FALSE(base.moves.empty());
    EXPECT_TRUE(base.moves.front().place.starts_with("Fila") &&
                base.moves.front().target.starts_with("Dest"));
    EXPECT_TRUE(terrace.playsToTheWin(base.moves));
    Table milligan(kMissMilligan, 64705);
    const SolveResult waiving =
        solveDeal(milligan.state, milligan.frontend, {.gestureSearch = false});
    ASSERT_EQ(waiving.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(waiving.fastSearch);
    EXPECT_TRUE(std::ranges::any_of(waiving.moves,
                                    [](const PointerCommand& m) { return m.target == "Fila9"; }));
    EXPECT_TRUE(milligan.playsToTheWin(waiving.moves));
}

constexpr int kChessboard = 124;

// Chessboard's first card sent up names every foundation's base, and may
// come at any time. The rules read for a base before any card is up are
// the ones the engine gives once a card of that rank is up; at the deal
// the fast moves are the engine's less the other ranks sent up.
TEST(CompactPosition, ChessboardsRulesForABaseAreThoseItsFirstCardUpSets) {
    Table table(kChessboard, 1137);
    table.state.autoplayTicked = false;
    ASSERT_TRUE(baseStillToChoose(table.state));
    ASSERT_FALSE(compactRulesFor(table.state, table.frontend));
    const int first = table::topCardOf(table.state.piles.tableau(0));
    const int rank = table::rankOf(first);
    const std::optional<CompactRules> based =
        compactRulesForBase(table.state, table.frontend, rank);
    ASSERT_TRUE(based);
    const CompactPosition dealt(table.state, *based);
    std::set<Named> engine = engineMoves(table, dealt);
    const auto otherRankUp = [&](const Named& move) {
        const auto& [card, from, to] = move;
        return to >= dealt.foundation(0) && to < dealt.stock() && table::rankOf(card) != rank;
    };
    EXPECT_GT(std::ranges::count_if(engine, otherRankUp), 0);
    std::erase_if(engine, otherRankUp);
    EXPECT_EQ(fastMoves(dealt), engine);
    EXPECT_TRUE(engine.contains({first, dealt.tableau(0), dealt.foundation(0)}));
    // Autoplay, kept ticked, sends nothing up before the first card.
    CompactRules sweeping = *based;
    sweeping.sweeps = true;
    CompactMove swept;
    EXPECT_FALSE(CompactPosition(table.state, sweeping).safeFoundationMove(swept));

    ASSERT_TRUE(table.run("drag Fila1 Dest3"));
    EXPECT_FALSE(baseStillToChoose(table.state));
    EXPECT_FALSE(compactRulesForBase(table.state, table.frontend, rank));
    const std::optional<CompactRules> up = compactRulesFor(table.state, table.frontend);
    ASSERT_TRUE(up);
    EXPECT_EQ(based->wantedFrom, rank);
    EXPECT_EQ(up->wantedFrom, rank);
    int differ = 0;
    for (int below = 0; below <= up->cards; ++below) {
        for (int card = 1; card <= up->cards; ++card) {
            for (int f = 0; f < up->foundations; ++f) {
                differ +=
                    based->foundationTakes(f, below, card) != up->foundationTakes(f, below, card);
            }
            for (int t = 0; t < up->tableaus; ++t) {
                differ += based->tableauTakes(t, below, card) != up->tableauTakes(t, below, card);
            }
        }
    }
    EXPECT_EQ(differ, 0);
}

// Each of Chessboard's bases is searched from the deal by the fast search:
// a win whose first card up sets the base, with Autoplay ticked as the
// player keeps it too (it sends nothing up before the first card), and a
// proof of loss, on budgets the search of actions, playing every first
// card, answers none of them on. Deal 1548 offers no move but a top card
// sent up; the gesture search over every move agrees that it is lost.
TEST(CompactSearch, PlaysChessboardFromTheDealBaseByBase) {
    const SolveLimits small{.positions = 50, .gestureSearch = false};
    Table won(kChessboard, 1137);
    won.state.autoplayTicked = false;
    const SolveResult win = solveDeal(won.state, won.frontend, small);
    ASSERT_EQ(win.outcome, SolveOutcome::Solved);
    EXPECT_TRUE(won.playsToTheWin(win.moves));
    Table swept(kChessboard, 1137);
    swept.state.autoplayTicked = true;
    SolveLimits kept = small;
    kept.keepAutoplay = true;
    const SolveResult sweeps = solveDeal(swept.state, swept.frontend, kept);
    ASSERT_EQ(sweeps.outcome, SolveOutcome::Solved);
    EXPECT_LT(sweeps.moves.size(), win.moves.size());
    EXPECT_TRUE(swept.playsToTheWin(sweeps.moves));
    Table lost(kChessboard, 1548);
    const SolveResult loss = solveDeal(lost.state, lost.frontend, small);
    EXPECT_EQ(loss.outcome, SolveOutcome::Unsolved);
}

// King Albert deal 2096 is lost (a search written apart from the engine
// agrees, see docs/games.md): the search of every move proves it, its
// reserve cards going nowhere but out.
TEST(CompactSearch, ProvesAKingAlbertDealLost) {
    Table dealt(kKingAlbert, 2096);
    const SolveResult result = solveDeal(dealt.state, dealt.frontend);
    EXPECT_EQ(result.outcome, SolveOutcome::Unsolved);
    EXPECT_TRUE(result.fastSearch);
}

// Beleaguered Castle 2781 and Citadel 1274 are lost (fc-solve agrees,
// without the cards taken back from the foundations these games allow).
// Their searches over every move run deeper than the depth-first search
// follows lines, so it is the best-first search after it that proves them.
TEST(CompactSearch, ProvesDealsLostWhoseLinesRunDeep) {
    for (const auto& [game, deal] : {std::pair{kBeleagueredCastle, 2781}, {kCitadel, 1274}}) {
        Table dealt(game, deal);
        const SolveResult result = solveDeal(dealt.state, dealt.frontend, {.gestureSearch = false});
        EXPECT_EQ(result.outcome, SolveOutcome::Unsolved) << "game " << game;
        EXPECT_TRUE(result.fastSearch) << "game " << game;
    }
}

// In Wasp any face-up card moves with whatever lies on it: the fast
// search's line of deal 1274 ends by completing the spades over a complete
// run of hearts. Both runs go up by themselves, as the search counts on.
TEST(CompactSearch, ACompleteRunUncoveredByTheOneThatWentUpFollowsIt) {
    Table dealt(kWasp, 1274);
    const SolveResult result = solveDeal(dealt.state, dealt.frontend, {.gestureSearch = false});
    ASSERT_EQ(result.outcome, SolveOutcome::Solved);
    testing::DealtGame played(kWasp, 1274);
    for (std::size_t i = 0; i + 1 < result.moves.size(); ++i) {
        ASSERT_TRUE(played.run(commandText(result.moves[i])));
    }
    ASSERT_TRUE(played.run(commandText(result.moves.back())));
    EXPECT_FALSE(played.state.flags.test(table::Flag::GameInPlay));
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(table::cardCount(played.state.piles.foundation(f)), 13) << f;
    }
}

// A position late in a deal of the Forty Thieves family: every card below
// `rank` is home, each foundation a suit of one pack in order, and the
// others lie where the deal put them, in its order.
void sendHomeBelow(table::ProgramState& s, int rank) {
    const table::PileCounts counts = table::PileCounts::of(s.params);
    auto keepHigh = [&](std::string& pile) {
        std::vector<int> cards = testing::cardsOf(pile);
        std::erase_if(cards, [&](int c) { return table::rankOf(c) < rank; });
        pile = testing::pileOf(cards);
    };
    for (int t = 0; t < counts.tableaus; ++t) {
        keepHigh(s.piles.tableau(t));
        // A face-down card the cards sent home left on top turns up, as it
        // would in play.
        const std::vector<int> left = testing::cardsOf(s.piles.tableau(t));
        if (!left.empty()) {
            s.cards.setFaceUp(left.back(), true);
        }
    }
    keepHigh(s.piles.stock(table::kStock));
    keepHigh(s.piles.stock(table::kWaste));
    constexpr int kSuits = 4;
    constexpr int kRanks = 13;
    constexpr int kPack = 52;
    for (int f = 0; f < counts.foundations; ++f) {
        std::vector<int> home;
        for (int r = 1; r < rank; ++r) {
            home.push_back((f % kSuits) * kRanks + r + (f / kSuits) * kPack);
            s.cards.setFaceFlag(home.back(), '1');
        }
        s.piles.foundation(f) = testing::pileOf(home);
    }
}

// Plays random moves of the engine's list, a stock click now and then, until
// the stock holds no more than `left` cards or the play is stuck.
void playAtRandomUntilTheStockHolds(Table& table, std::size_t left, unsigned seed) {
    std::mt19937 random(seed);
    while (testing::cardsOf(table.state.piles.stock(table::kStock)).size() > left) {
        const std::vector<LegalMove> moves = legalMoves(table.state, table.frontend);
        if (moves.empty() || random() % 3 == 0) {
            if (!table.run("click Mazzo")) {
                return;
            }
            continue;
        }
        ASSERT_TRUE(playLegalMove(table.state, table.frontend, moves[random() % moves.size()]));
    }
}

// A late position of deal `deal`: on even deals where `kingsAndQueens`,
// every card below the queens sent home; else the deal played at random
// until the stock holds `stockLeft` cards. Autoplay plays first, where it
// is ticked.
void playToALatePosition(Table& table, int deal, bool kingsAndQueens, std::size_t stockLeft) {
    if (autoplayActive(table.state)) {
        table.run("autoplay");
    }
    constexpr int kQueen = 12;
    if (kingsAndQueens && deal % 2 == 0) {
        sendHomeBelow(table.state, kQueen);
    } else {
        playAtRandomUntilTheStockHolds(table, stockLeft, static_cast<unsigned>(deal));
    }
}

// Searches a late position with the fast search alone and, where it
// answers, with the search of actions (the engine's own drags and clicks, a
// search written apart) too: both must answer alike, and a win must play
// through the pointer input. Whether the two were compared; `lost` counts
// the positions the fast search proved lost.
bool answersAsTheSearchOfActions(Table& table, int game, int deal, int& lost) {
    SolveLimits limits;
    limits.gestureSearch = false;
    limits.fastPositions = 2'000'000;
    const SolveResult fast = solveDeal(table.state, table.frontend, limits);
    if (fast.outcome == SolveOutcome::GaveUp) {
        return false;
    }
    const std::optional<bool> slowWins =
        testing::searchOfActionsWins(table, 20000, testing::cardsOnFoundations, true);
    if (!slowWins) {
        return false;
    }
    lost += fast.outcome == SolveOutcome::Unsolved ? 1 : 0;
    EXPECT_EQ(fast.outcome == SolveOutcome::Solved, *slowWins)
        << "game " << game << " deal " << deal;
    if (fast.outcome == SolveOutcome::Solved) {
        EXPECT_TRUE(table.playsToTheWin(fast.moves)) << "game " << game << " deal " << deal;
    }
    return true;
}

// Late in deals of the Forty Thieves family, where the search of actions
// (the engine's own drags and clicks, a search written apart) searches
// every position, the fast search answers alike: a win the pointer input
// plays, or a proof that the position is lost. The positions: the kings and
// queens of a deal alone left to play, and a deal played at random until
// its stock is nearly gone.
TEST(CompactSearch, AgreesWithTheSearchOfActionsLateInTheFortyThievesFamily) {
    int compared = 0;
    int lost = 0;
    for (const int game : {kFortyThieves, kMaria, kIndian, kNapoleonsExile, kBusyAces}) {
        for (int deal = 1; deal <= 6; ++deal) {
            Table table(game, deal);
            playToALatePosition(table, deal, true, 2);
            if (!answersAsTheSearchOfActions(table, game, deal, lost)) {
                continue;
            }
            ++compared;
        }
    }
    EXPECT_GE(compared, 15);
    EXPECT_GT(lost, 0);
    EXPECT_LT(lost, compared);
}

// The same where the program fills the spaces from the waste or the stock:
// late in deals of Zebra, Corona, Quadrangle, Triple Line and Little Forty
// the fast search's wins play through the pointer input and its proofs of
// loss are the search of actions' own. The positions: a deal played at
// random until its stock is nearly gone, and in the games whose foundations
// build up in suit from the ace, the kings and queens alone left to play.
TEST(CompactSearch, AgreesWithTheSearchOfActionsLateWhereTheWasteOrStockFillsTheSpaces) {
    int compared = 0;
    int lost = 0;
    for (const int game : {kZebra, kCorona, kQuadrangle, kTripleLine, kLittleForty}) {
        const bool inSuitFromAces = game == kCorona || game == kTripleLine || game == kLittleForty;
        for (int deal = 1; deal <= 8; ++deal) {
            Table table(game, deal);
            playToALatePosition(table, deal, inSuitFromAces, 3);
            if (!answersAsTheSearchOfActions(table, game, deal, lost)) {
                continue;
            }
            ++compared;
        }
    }
    RecordProperty("compared", compared);
    RecordProperty("lost", lost);
    EXPECT_GE(compared, 15);
    EXPECT_GT(lost, 0);
    EXPECT_LT(lost, compared);
}

// Late in deals of Miss Milligan, where cards are waived, and of Terrace,
// from the base its first move chose, the fast search's wins play through
// the pointer input and its proofs of loss are the search of actions' own.
// The positions: Miss Milligan's kings, queens and jacks alone left to play
// (half of them with the stock spent), and deals of both played at random
// until the stock is (nearly) gone.
TEST(CompactSearch, AgreesWithTheSearchOfActionsLateInMissMilliganAndTerrace) {
    constexpr int kTerrace = 112;
    int compared = 0;
    int lost = 0;
    for (const int game : {kMissMilligan, kTerrace}) {
        int comparedHere = 0;
        for (int deal = 1; deal <= 10; ++deal) {
            Table table(game, deal);
            table.state.autoplayTicked = false;
            if (game == kTerrace) {
                ASSERT_TRUE(table.run("drag Fila" + std::to_string(deal % 4 + 1) + " Dest1"));
                playAtRandomUntilTheStockHolds(table, 4, static_cast<unsigned>(deal));
            } else if (deal % 2 == 0) {
                constexpr int kJack = 11;
                sendHomeBelow(table.state, kJack);
                if (deal % 4 == 0) {
                    while (!table.state.piles.stock(table::kStock).empty()) {
                        ASSERT_TRUE(table.run("click Mazzo"));
                    }
                }
            } else {
                playAtRandomUntilTheStockHolds(table, 0, static_cast<unsigned>(deal));
            }
            if (!answersAsTheSearchOfActions(table, game, deal, lost)) {
                continue;
            }
            ++compared;
            ++comparedHere;
        }
        RecordProperty("compared in game " + std::to_string(game), comparedHere);
        EXPECT_GE(comparedHere, 4) << "game " << game;
    }
    RecordProperty("compared", compared);
    RecordProperty("lost", lost);
    EXPECT_GE(compared, 10);
    EXPECT_GT(lost, 0);
    EXPECT_LT(lost, compared);
}

// The same in the games of one pack whose stock runs out, searched click
// by click in short searches: late in deals of Rainbow, Chameleon,
// Rainfall (the Canfield kin, foundations from a card the deal turns up),
// Pas Seul, Vegas Klondike, Gold Mine and Klondike of three passes, the
// fast search's wins play through the pointer input and its proofs of
// loss are the search of actions' own.
TEST(CompactSearch, AgreesWithTheSearchOfActionsLateWhereAStockOfOnePackRunsOut) {
    int compared = 0;
    int lost = 0;
    for (const int game : {kRainbow, kChameleon, kRainfall, kPasSeul, kVegasKlondike, kGoldMine,
                           kKlondikeThreePasses}) {
        const bool fromAces = game == kPasSeul || game == kVegasKlondike || game == kGoldMine ||
                              game == kKlondikeThreePasses;
        for (int deal = 1; deal <= 8; ++deal) {
            Table table(game, deal);
            playToALatePosition(table, deal, fromAces, 3);
            if (!answersAsTheSearchOfActions(table, game, deal, lost)) {
                continue;
            }
            ++compared;
        }
    }
    RecordProperty("compared", compared);
    RecordProperty("lost", lost);
    EXPECT_GE(compared, 15);
    EXPECT_GT(lost, 0);
    EXPECT_LT(lost, compared);
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
