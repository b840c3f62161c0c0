// The rules layer of the pointer input, asked without a gesture.

#include "engine/actions/send_rules.h"
#include "engine/input/hit_test.h"
#include "engine/input/press_rules.h"
#include "play_layout.h"

#include <gtest/gtest.h>

namespace vellomir::testing {
namespace {

using engine::PressAnswer;

// A point inside the card at `slot` of tableau `t` (cards 20 pixels apart).
engine::HitResult hitOn(const table::ProgramState& state, int t, int slot) {
    return engine::hitTest(state, 10 + 80 * t + 5, 150 + 20 * slot + 5);
}

TEST(PressRules, APressAnswersWhatTheGestureLiftsAndMovesNoCard) {
    LaidOutTable t;
    t.klondikeRules().param(param::RunCheck, 1);
    t.tableau(0, {"9S", "8H", "7C"}).tableau(1, {"KD", "4H", "7C"}).tableau(2, {"QS", "5D"});
    t.faceDown("QS").faceDown("5D");
    const table::PileLists before = t.state.piles;
    auto press = [&](int pile, int slot, int button) {
        return engine::pressRules(t.state, t.frontend, hitOn(t.state, pile, slot), button);
    };
    EXPECT_EQ(press(0, 2, 0), PressAnswer::LiftCard);
    EXPECT_EQ(press(0, 0, 0), PressAnswer::LiftRun);
    EXPECT_EQ(press(1, 0, 0), PressAnswer::Nothing); // not a run
    EXPECT_EQ(press(1, 0, 1), PressAnswer::Nothing); // nothing to show without the setting
    t.state.settings.write(settings::field::ShowPartialHiddenCard, "Y");
    EXPECT_EQ(press(1, 0, 1), PressAnswer::ShowCovered);
    EXPECT_EQ(t.state.piles, before);
    // A face-down top card turns at once: the rules act, nothing is lifted.
    EXPECT_EQ(press(2, 1, 0), PressAnswer::Nothing);
    EXPECT_TRUE(t.faceUp("5D"));
    EXPECT_EQ(t.state.piles, before);
}

TEST(SendRules, OnlyFaceUpCardsTheGameLetsGoAreSendableAndARunGoesWhole) {
    LaidOutTable t;
    t.klondikeRules();
    t.tableau(0, {"9S", "8H", "7C"}).tableau(1, {"KD"}).waste({"5C"}).foundation(0, {"AH"});
    t.faceDown("KD");
    const auto sendable = [&](std::string_view name, std::string_view pile) {
        return engine::sendableCard(t.state, card(name), pile);
    };
    ASSERT_TRUE(sendable("5C", "Mazzo_Vis"));
    EXPECT_TRUE(sendable("5C", "Mazzo_Vis")->single);
    EXPECT_FALSE(sendable("KD", "Fila2")); // face down
    EXPECT_FALSE(sendable("AH", "Dest1")); // no take-back
    // Tableau cards are sent only where runs are limited in size.
    t.param(param::RunSizeLimit, 0);
    EXPECT_FALSE(sendable("7C", "Fila1"));
    t.param(param::RunSizeLimit, 2).param(param::FoundationTakeBack, 1);
    ASSERT_TRUE(sendable("7C", "Fila1"));
    EXPECT_TRUE(sendable("7C", "Fila1")->single);
    ASSERT_TRUE(sendable("8H", "Fila1"));
    EXPECT_FALSE(sendable("8H", "Fila1")->single);
    EXPECT_FALSE(sendable("9S", "Fila1")); // a run of three is over the limit
    EXPECT_TRUE(sendable("AH", "Dest1"));
}

} // namespace
} // namespace vellomir::testing
