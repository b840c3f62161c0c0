// The engine's two answers to the keyboard: the foundation key's send, and
// how many cards a press would lift.

#include "engine/input/legal_moves.h"
#include "engine/input/pointer_input.h"
#include "engine/play_layout.h"

#include <gtest/gtest.h>

namespace vellomir::testing {
namespace {

using engine::PointerInput;
using table::PileKind;

struct Keys : LaidOutTable {
    PointerInput input{state, frontend};
    Keys() { klondikeRules(); }
};

// The key sends to a foundation whatever the double-click switches say, and
// never to a tableau; a card no foundation takes stays where it is.
TEST(FoundationKey, SendsToAFoundationOnly) {
    Keys t;
    t.state.settings.write(settings::field::DoubleClickToFoundations, "N");
    t.state.settings.write(settings::field::DoubleClickToTableaus, "Y");
    t.foundation(0, {"AH"}).tableau(0, {"2H"}).tableau(1, {"8S"}).tableau(2, {"9H"});
    t.input.sendToFoundations(tx(0), ty(0));
    EXPECT_EQ(t.state.piles.foundation(0), pileOf({"AH", "2H"}));
    EXPECT_EQ(t.state.piles.tableau(0), "");
    // 8S fits on 9H, but the key sends to foundations alone.
    t.input.sendToFoundations(tx(1), ty(0));
    EXPECT_EQ(t.state.piles.tableau(1), pileOf({"8S"}));
    EXPECT_EQ(t.state.piles.tableau(2), pileOf({"9H"}));
    // The next press is not swallowed as after a double click.
    t.input.buttonDown(0, 0, tx(1), ty(0));
    EXPECT_EQ(t.input.heldCard(), card("8S"));
    t.input.buttonUp();
}

// A run in order lifts from each of its cards; a face-down card lifts
// nothing; asking changes nothing on the table.
TEST(CardsLifted, CountsWhatAPressWouldTake) {
    Keys t;
    t.tableau(0, {"KS", "9C", "8H", "7S"}).faceDown("KS");
    const table::ProgramState before = t.state;
    const table::PileRef pile{PileKind::Tableau, 0};
    EXPECT_EQ(engine::cardsLifted(t.state, t.frontend, pile, card("7S")), 1);
    EXPECT_EQ(engine::cardsLifted(t.state, t.frontend, pile, card("8H")), 2);
    EXPECT_EQ(engine::cardsLifted(t.state, t.frontend, pile, card("9C")), 3);
    EXPECT_EQ(engine::cardsLifted(t.state, t.frontend, pile, card("KS")), 0);
    EXPECT_TRUE(t.state.piles == before.piles);
    EXPECT_EQ(t.state.mainGame.cell(table::cell::MovingTopCard),
              before.mainGame.cell(table::cell::MovingTopCard));
}

} // namespace
} // namespace vellomir::testing
