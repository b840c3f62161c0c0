#include "engine/input/legal_moves.h"

#include "engine/dealt_game.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/solver_places.h"
#include "support/game_numbers.h"
#include "support/recording_frontend.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;

// A dealt game of the catalogue, played without undo steps.
struct DraggedTable : testing::DealtGame {
    DraggedTable(int game, int deal) : DealtGame(game, deal, false) {}

    bool drag(const std::string& place, const std::string& target) {
        PointerCommand command;
        command.verb = PointerCommand::Verb::Drag;
        command.place = place;
        command.target = target;
        std::string problem;
        return runPointerCommand(engine, command, problem);
    }
};

// The place a drag of the move's cards starts from.
std::string placeOf(const table::ProgramState& state, const LegalMove& move) {
    const std::string& pile = state.piles.pile(move.from);
    const int at = table::cardCount(pile) - move.count;
    const std::string name = table::pileName(move.from);
    return move.count == 1 && move.from.kind != table::PileKind::Tableau
               ? name
               : name + ":" + std::to_string(at);
}

// Plays random legal moves from the deal (stock clicks among them), calling
// `look` at every position reached.
template <typename Look>
void randomWalk(DraggedTable& table, int steps, unsigned seed, Look&& look) {
    std::mt19937 random(seed);
    for (int step = 0; step < steps; ++step) {
        look(table);
        const std::vector<LegalMove> moves = legalMoves(table.state, table.frontend);
        const bool hasStock = !table.state.piles.stock(table::kStock).empty() ||
                              !table.state.piles.stock(table::kWaste).empty();
        if (moves.empty() || (hasStock && random() % 4 == 0)) {
            if (!hasStock) {
                return;
            }
            PointerCommand click;
            click.place = "Mazzo";
            std::string problem;
            ASSERT_TRUE(runPointerCommand(table.engine, click, problem)) << problem;
            continue;
        }
        ASSERT_TRUE(playLegalMove(table.state, table.frontend, moves[random() % moves.size()]));
        if (!table.state.flags.test(table::Flag::GameInPlay)) {
            return;
        }
    }
}

TEST(LegalMoves, EveryMoveListedIsADropThePointerInputMakesTheSameWay) {
    for (const int game : {kKlondike, kThoughtful, kFreeCell, kBakersGame}) {
        DraggedTable dealt(game, 7);
        int tried = 0;
        randomWalk(dealt, 40, 11, [&](const DraggedTable& here) {
            for (const LegalMove& move : legalMoves(here.state, here.frontend)) {
                DraggedTable byDrag(here);
                DraggedTable byList(here);
                ASSERT_TRUE(byDrag.drag(placeOf(here.state, move), table::pileName(move.to)));
                ASSERT_TRUE(playLegalMove(byList.state, byList.frontend, move));
                EXPECT_NE(byDrag.state.piles, here.state.piles)
                    << "game " << game << ": the drop of " << move.card << " onto "
                    << table::pileName(move.to) << " was refused";
                EXPECT_EQ(byDrag.state.piles, byList.state.piles) << "game " << game;
                ++tried;
            }
        });
        EXPECT_GT(tried, 40) << "game " << game;
    }
}

TEST(LegalMoves, EveryDragThatMovesCardsIsListed) {
    for (const int game : {kKlondike, kFreeCell}) {
        DraggedTable dealt(game, 3);
        randomWalk(dealt, 25, 5, [&](const DraggedTable& here) {
            const std::vector<LegalMove> moves = legalMoves(here.state, here.frontend);
            const SolverPlaces places = solverPlaces(here.state);
            for (const std::string& source : places.sources) {
                const std::string pile = source.substr(0, source.find(':'));
                if (pile == "Mazzo") {
                    continue; // a press on the stock deals: no move of cards
                }
                for (const std::string& target : places.targets) {
                    DraggedTable trial(here);
                    const table::PileLists before = trial.state.piles;
                    if (!trial.drag(source, target) || trial.state.piles == before) {
                        continue;
                    }
                    // A press that only turned a card over moved nothing.
                    const auto from = table::parsePileName(pile);
                    const auto to = table::parsePileName(target);
                    if (!to || trial.state.piles.pile(*to) == before.pile(*to)) {
                        continue;
                    }
                    const bool listed = std::ranges::any_of(
                        moves, [&](const LegalMove& m) { return m.from == *from && m.to == *to; });
                    EXPECT_TRUE(listed) << "game " << game << ": drag " << source << " " << target
                                        << " moved cards but is not listed";
                }
            }
        });
    }
}

TEST(LegalMoves, AMoveNoLongerLegalChangesNothing) {
    DraggedTable freeCell(kFreeCell, 3);
    const std::vector<LegalMove> moves = legalMoves(freeCell.state, freeCell.frontend);
    ASSERT_FALSE(moves.empty());
    LegalMove wrong = moves.front();
    wrong.to = wrong.from; // onto its own pile
    const table::PileLists before = freeCell.state.piles;
    EXPECT_FALSE(playLegalMove(freeCell.state, freeCell.frontend, wrong));
    EXPECT_EQ(freeCell.state.piles, before);
}

} // namespace
} // namespace vellomir::engine
