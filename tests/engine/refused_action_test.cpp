// A refused action leaves nothing behind that a later action could see: a
// press that lifts nothing, then the moves of the game, play exactly as
// they would have without it.

#include "engine/dealt_game.h"
#include "engine/input/legal_moves.h"
#include "support/game_numbers.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_counts.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

using testing::card;
using testing::DealtGame;

using namespace vellomir::testing::game;

std::string drag(const table::ProgramState& state, const LegalMove& move) {
    const std::string name = table::pileName(move.from);
    const int at = table::cardCount(state.piles.pile(move.from)) - move.count;
    const std::string place = move.count == 1 && move.from.kind != table::PileKind::Tableau
                                  ? name
                                  : name + ":" + std::to_string(at);
    return "drag " + place + " " + table::pileName(move.to);
}

TEST(RefusedLift, TheNextDropOntoItsPileIsTakenAtTheFirstTry) {
    // Forty Thieves: the six of hearts of tableau 6 is covered and may not
    // be lifted; the eight of hearts then turned goes onto that tableau.
    DealtGame forty(kFortyThieves, 2);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(forty.run("click Mazzo"));
    }
    forty.run("click Fila6:2");
    ASSERT_EQ(table::topCardOf(forty.state.piles.stock(table::kWaste)), card("8H"));
    EXPECT_TRUE(forty.run("drag Mazzo_Vis Fila6"));
    EXPECT_EQ(table::topCardOf(forty.state.piles.tableau(5)), card("8H"));

    // Beleaguered Castle: a covered card clicked, then a foundation's ace
    // dropped on that tableau.
    DealtGame castle(kBeleagueredCastle, 1);
    castle.run("click Fila4:4");
    ASSERT_EQ(table::topCardOf(castle.state.piles.foundation(0)), card("AH"));
    EXPECT_TRUE(castle.run("drag Dest1 Fila4"));
    EXPECT_EQ(table::topCardOf(castle.state.piles.tableau(3)), card("AH"));
    EXPECT_TRUE(castle.state.piles.foundation(0).empty());
}

// At every position of a random walk, a press on a tableau card that lifts
// nothing (one chosen at random): afterwards each listed move plays through
// the pointer just as it does without the press.
TEST(RefusedLift, ChangesNothingALaterMoveCanSee) {
    for (const int game : {kKlondike, kFreeCell, kBeleagueredCastle, kFortyThieves, kSpider}) {
        DealtGame dealt(game, 2, false);
        std::mt19937 random(static_cast<unsigned>(game));
        int refusals = 0;
        for (int step = 0; step < 20 && dealt.state.flags.test(table::Flag::GameInPlay); ++step) {
            // The moves listed on a copy: the position the presses start from
            // is the one the walk reached, whatever listing them does.
            const DealtGame listing(dealt);
            const std::vector<LegalMove> moves = legalMoves(listing.state, listing.frontend);
            if (moves.empty()) {
                break;
            }
            std::vector<std::string> refusedPlaces;
            for (int t = 0; t < table::PileCounts::of(dealt.state.params).tableaus; ++t) {
                const std::string& pile = dealt.state.piles.tableau(t);
                for (int i = 0; i + 1 < table::cardCount(pile); ++i) {
                    DealtGame trial(dealt);
                    const std::string place =
                        table::pileName({table::PileKind::Tableau, t}) + ":" + std::to_string(i);
                    trial.run("press " + place);
                    const bool lifted = trial.engine.pointer().heldCard() != 0;
                    trial.run("release");
                    // Not refused: it lifted cards, or turned one over.
                    if (!lifted && trial.state.piles == dealt.state.piles) {
                        refusedPlaces.push_back(place);
                    }
                }
            }
            if (!refusedPlaces.empty()) {
                const std::string place = refusedPlaces[random() % refusedPlaces.size()];
                DealtGame refused(dealt);
                refused.run("press " + place);
                refused.run("release");
                ++refusals;
                for (const LegalMove& move : moves) {
                    DealtGame after(refused);
                    DealtGame without(dealt);
                    after.run(drag(dealt.state, move));
                    without.run(drag(dealt.state, move));
                    ASSERT_EQ(after.state.piles, without.state.piles)
                        << "game " << game << ": " << drag(dealt.state, move)
                        << " after a press on " << place;
                }
            }
            ASSERT_TRUE(playLegalMove(dealt.state, dealt.frontend, moves[random() % moves.size()]));
        }
        EXPECT_GT(refusals, 0) << "game " << game;
    }
}

} // namespace
} // namespace vellomir::engine
