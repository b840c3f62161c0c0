// The drop-target marks name exactly the piles a drop would move the carried
// card to, in every game of the catalogue.

#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/input/pointer_drop.h"
#include "engine/play/play_engine.h"
#include "support/catalogue_games.h"
#include "support/recording_frontend.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

using table::PileKind;
using table::PileRef;
namespace cell = table::cell;

// Records the marks asked for, apart from the other calls.
class MarkingFrontend : public testing::RecordingFrontend {
public:
    void markDropTargets(const std::vector<std::string>& pileNames) override {
        marks.push_back(pileNames);
    }
    std::vector<std::vector<std::string>> marks;
};

std::vector<int> catalogueGames() {
    return testing::catalogueGames(VELLOMIR_BIN_DIR);
}

// The piles whose top card may be carried alone: tableaus, reserves, the waste.
std::vector<PileRef> carriedFrom(const table::ProgramState& state) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    std::vector<PileRef> piles{{PileKind::Stock, table::kWaste}};
    for (int t = 0; t < counts.tableaus; ++t) {
        piles.push_back({PileKind::Tableau, t});
    }
    for (int r = 0; r < counts.reserves; ++r) {
        piles.push_back({PileKind::Reserve, r});
    }
    return piles;
}

TEST(DropTargets, TheMarkedPilesAreThoseADropMovesTheCardToInEveryGame) {
    const std::vector<int> games = catalogueGames();
    ASSERT_FALSE(games.empty());
    int marked = 0;
    for (int game : games) {
        table::ProgramState state(VELLOMIR_BIN_DIR);
        testing::RecordingFrontend frontend;
        state.settings.write(settings::field::CardSize, "B");
        state.settings.write(settings::field::CardsAnimate, "N");
        state.settings.write(settings::field::DealNumber, std::string(12, '0') + "5");
        PlayEngine engine(state, frontend);
        ASSERT_TRUE(engine.loadGameList());
        ASSERT_TRUE(engine.openGame(game, DealNumberMode::Keep, false)) << "game " << game;
        for (const PileRef& from : carriedFrom(state)) {
            const int card = table::topCardOf(state.piles.pile(from));
            if (card < 1 || !state.cards.isFaceUp(card)) {
                continue;
            }
            // The card held as a drag holds it.
            state.carryGroup(state.cardSize.height, table::CarriedCards::OneCard);
            state.mainGame.setCell(cell::PickedCard, card);
            const std::vector<PileRef> targets =
                dropTargets(state, frontend, *liftedMove(state, card, false));
            const std::set<std::string> named = [&] {
                std::set<std::string> names;
                for (const PileRef& pile : targets) {
                    names.insert(table::pileName(pile));
                }
                return names;
            }();
            EXPECT_EQ(named.size(), targets.size());
            // Each destination tried as a drop right onto it, on a copy.
            std::set<std::string> taken;
            forEachDropDestination(state, [&](DestinationKind kind, int index) {
                const PileRef pile = destinationPile(kind, index);
                if (pile == from) {
                    return;
                }
                table::ProgramState trial = state;
                QuietFrontend quiet(frontend);
                if (dropMayMove(trial, card) &&
                    tryDestination(trial, quiet, *liftedMove(trial, card, false),
                                   destinationRect(trial, kind, index), kind, index, false)) {
                    taken.insert(table::pileName(pile));
                }
            });
            EXPECT_EQ(named, taken) << "game " << game << " card " << table::cardText(card)
                                    << " from " << table::pileName(from);
            marked += static_cast<int>(named.size());
            state.mainGame.setCell(cell::PickedCard, 0);
        }
    }
    // Dealt tables offer moves in most games: the comparison is not empty.
    EXPECT_GT(marked, 40);
}

TEST(DropTargets, ADragMarksItsTargetsAndAHeldCardChangesNothing) {
    table::ProgramState state(VELLOMIR_BIN_DIR);
    MarkingFrontend frontend;
    state.settings.write(settings::field::CardSize, "B");
    state.settings.write(settings::field::CardsAnimate, "N");
    state.settings.write(settings::field::CardsShadowed, "N");
    PlayEngine engine(state, frontend);
    ASSERT_TRUE(engine.loadGameList());
    // Klondike, dealt until a tableau card can go onto another tableau.
    for (int deal = 1; deal < 60; ++deal) {
        state.settings.write(settings::field::DealNumber,
                             std::string(12, '0') + std::to_string(deal));
        ASSERT_TRUE(engine.openGame(1, DealNumberMode::Keep, false));
        for (int t = 0; t < 7; ++t) {
            const PileRef from{PileKind::Tableau, t};
            const int card = table::topCardOf(state.piles.pile(from));
            state.carryGroup(state.cardSize.height, table::CarriedCards::OneCard);
            state.mainGame.setCell(cell::PickedCard, card);
            const std::vector<PileRef> targets =
                dropTargets(state, frontend, *liftedMove(state, card, false));
            state.mainGame.setCell(cell::PickedCard, 0);
            if (targets.empty()) {
                continue;
            }
            const std::string piles = state.piles.tableau(0) + state.piles.tableau(t);
            const table::CardPoint at = table::topCardPosition(state, from);
            frontend.marks.clear();
            engine.buttonDown(0, 0, at.x + 5, at.y + 5);
            engine.pointerMove(at.x + 40, at.y + 60);
            ASSERT_EQ(frontend.marks.size(), 1u) << "deal " << deal;
            std::vector<std::string> expected;
            for (const PileRef& pile : targets) {
                expected.push_back(table::pileName(pile));
            }
            EXPECT_EQ(frontend.marks.front(), expected);
            // Asking changed no pile.
            EXPECT_EQ(state.piles.tableau(0) + state.piles.tableau(t), piles);
            engine.buttonUp();
            return;
        }
    }
    FAIL() << "no Klondike deal offered a tableau move";
}

} // namespace
} // namespace vellomir::engine
