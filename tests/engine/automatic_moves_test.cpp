#include "engine/actions/automatic_moves.h"

#include "engine/input/pointer_drop.h"
#include "engine/play_layout.h"
#include "engine/records/undo_snapshots.h"
#include "settings/autoplay_choice.h"
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vellomir::testing {
namespace {

using engine::DestinationKind;
using engine::DropCandidate;

// The rectangle of a single card held with its top-left corner at (x, y).
seam::Rect held(int x, int y) {
    return {x, y, x + 71, y + 96};
}

TEST(RectangleMeeting, CornersOrEdgePointsSampledEvery50PixelsMeet) {
    const seam::Rect target{90, 120, 161, 216};
    EXPECT_TRUE(engine::rectanglesMeet(held(150, 200), target)); // top-left corner inside
    EXPECT_TRUE(engine::rectanglesMeet(held(161, 216), target)); // edges are inclusive
    EXPECT_FALSE(engine::rectanglesMeet(held(162, 100), target));
    // A tall run whose corners all lie outside: its left edge crosses the
    // target and the point 150 pixels down lies within it.
    EXPECT_TRUE(engine::rectanglesMeet({100, 0, 171, 300}, target));
    // A short target between two samples of the edge is not met.
    EXPECT_FALSE(engine::rectanglesMeet({100, 0, 171, 300}, {90, 60, 161, 90}));
    EXPECT_EQ(engine::overlapMeasure(held(100, 130), target), 61 * 86);
    EXPECT_EQ(engine::overlapMeasure(held(300, 300), target), 0);
}

TEST(SettleDrop, TheLargerOverlapIsTriedFirstAndTiesGoToTheHigherKind) {
    // Tableau 3 (x 250, y 150) lies under foundation 1 (x 250, y 10).
    LaidOutTable t;
    t.klondikeRules().foundation(0, {"AH"}).tableau(3, {"3S"}).tableau(0, {"2H"});
    // Mostly over tableau 3, a little over foundation 1.
    std::vector<DropCandidate> c = engine::dropCandidates(t.state, held(250, 90));
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].kind, DestinationKind::Tableau);
    EXPECT_EQ(c[1].kind, DestinationKind::Foundation);
    t.state.carryGroup(96, table::CarriedCards::OneCard);
    EXPECT_TRUE(engine::settleDrop(t.state, t.frontend,
                                   *engine::liftedMove(t.state, card("2H"), false), held(250, 90)));
    EXPECT_EQ(t.tableauPile(3), pileOf({"3S", "2H"}));

    // Mostly over the foundation: it goes there.
    LaidOutTable u;
    u.klondikeRules().foundation(0, {"AH"}).tableau(3, {"3S"}).tableau(0, {"2H"});
    c = engine::dropCandidates(u.state, held(250, 60));
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].kind, DestinationKind::Foundation);
    EXPECT_TRUE(engine::settleDrop(u.state, u.frontend,
                                   *engine::liftedMove(u.state, card("2H"), false), held(250, 60)));
    EXPECT_EQ(u.state.piles.foundation(0), pileOf({"AH", "2H"}));
    EXPECT_TRUE(u.frontend.saw("sound: Foundation Y at-once"));

    // The same overlap on two piles: the foundation (kind 5) before the tableau (4).
    LaidOutTable v;
    v.state.mainGame.setTableauY(3, 10 + 96 + 4);
    c = engine::dropCandidates(v.state, held(250, 60));
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].overlap, c[1].overlap);
    EXPECT_EQ(c[0].kind, DestinationKind::Foundation);
}

TEST(SettleDrop, RowGamesAndGameType19NeverMoveADroppedCardToATableau) {
    for (int type : {32, 46, 19}) {
        LaidOutTable t;
        t.klondikeRules().param(param::GameType, type).tableau(0, {"9S"}).tableau(1, {"8H"});
        const table::PileLists before = t.state.piles;
        EXPECT_FALSE(engine::settleDrop(
            t.state, t.frontend, *engine::liftedMove(t.state, card("8H"), false), held(12, 160)))
            << type;
        EXPECT_EQ(t.state.piles, before) << type;
        EXPECT_TRUE(t.frontend.callsStartingWith("info").empty());
    }
}

TEST(SettleDrop, TheFirstMoveMustComeFromATableau) {
    LaidOutTable t;
    t.klondikeRules().param(param::FirstMoveFromTableau, 1).waste({"8H"}).tableau(0, {"9S"});
    EXPECT_FALSE(engine::settleDrop(
        t.state, t.frontend, *engine::liftedMove(t.state, card("8H"), false), held(12, 160)));
    EXPECT_EQ(t.wastePile(), pileOf({"8H"}));
}

TEST(Autoplay, AnUncoveredAceGoesUpAndTheCardUnderItTurnsFirst) {
    LaidOutTable t;
    t.klondikeRules().tableau(0, {"2H", "AH"}).faceDown("2H").faceDown("AH").tableau(1, {"KS"});
    t.state.autoplayTicked = true;
    EXPECT_TRUE(engine::autoplaySweep(t.state, t.frontend));
    EXPECT_EQ(t.state.piles.foundation(0), pileOf({"AH", "2H"}));
    EXPECT_EQ(t.frontend.callsStartingWith("sound: Autoplay").size(), 2u);
    EXPECT_EQ(t.frontend.callsStartingWith("sound: Face_up").size(), 2u);

    // Switched off, or without a game in play, nothing moves.
    LaidOutTable u;
    u.klondikeRules().tableau(0, {"AH"});
    EXPECT_FALSE(engine::autoplaySweep(u.state, u.frontend));
    u.state.autoplayTicked = true;
    u.state.flags.clear(table::Flag::GameInPlay);
    EXPECT_FALSE(engine::autoplaySweep(u.state, u.frontend));
    EXPECT_EQ(u.tableauPile(0), pileOf({"AH"}));
}

TEST(Autoplay, FoundationsWaitingForThePlayersFirstCardStayEmpty) {
    LaidOutTable t;
    for (int f = 0; f < 4; ++f) {
        t.foundationRule(f, 0, 1, 92);
    }
    t.tableau(0, {"5H"}).tableau(1, {"6H"});
    t.state.autoplayTicked = true;
    EXPECT_FALSE(engine::autoplaySweep(t.state, t.frontend));
    EXPECT_EQ(t.tableauPile(0), pileOf({"5H"}));
    // Once the player started a foundation, autoplay plays on it.
    EXPECT_TRUE(t.move("5H", "Dest1"));
    EXPECT_TRUE(engine::autoplaySweep(t.state, t.frontend));
    EXPECT_EQ(t.state.piles.foundation(0), pileOf({"5H", "6H"}));
}

TEST(FillEmptyPiles, StyleFiveTakesTheThreeTopWasteCards) {
    LaidOutTable t(4, 3);
    t.param(param::FillStyle, 5).tableau(0, {"9S"}).tableau(2, {"KD"});
    t.waste({"2C", "3C", "4C", "5C"});
    EXPECT_TRUE(engine::fillEmptyPiles(t.state, t.frontend));
    EXPECT_EQ(t.tableauPile(1), pileOf({"5C", "4C", "3C"}));
    EXPECT_EQ(t.wastePile(), pileOf({"2C"}));
}

TEST(FillEmptyPiles, SourcesByStyle) {
    struct Case {
        int style;
        std::string expectTableau1; // after filling the one empty tableau (index 1)
    };
    for (const Case& c : {Case{1, pileOf({"QS"})}, Case{2, pileOf({"5C"})}, Case{3, pileOf({"9D"})},
                          Case{6, ""}, Case{7, ""}, Case{9, pileOf({"9D", "8D", "7D", "6D"})}}) {
        LaidOutTable t(4, 3, 1);
        t.param(param::FillStyle, c.style).tableau(0, {"9S"}).tableau(2, {"KD"}).reserve(0, {"QS"});
        t.waste({"4C", "5C"}).stock({"6D", "7D", "8D", "9D"});
        engine::fillEmptyPiles(t.state, t.frontend);
        EXPECT_EQ(t.tableauPile(1), c.expectTableau1) << "style " << c.style;
    }
    // Style 10 waits while a reserve holds cards; style 8 fills reserves too.
    LaidOutTable ten(4, 3, 1);
    ten.param(param::FillStyle, 10).reserve(0, {"QS"}).waste({"5C"});
    EXPECT_FALSE(engine::fillEmptyPiles(ten.state, ten.frontend));
    LaidOutTable eight(4, 1, 2);
    eight.param(param::FillStyle, 8).tableau(0, {"9S"}).reserve(0, {"QS"}).waste({"4C", "5C"});
    EXPECT_TRUE(engine::fillEmptyPiles(eight.state, eight.frontend));
    EXPECT_EQ(eight.state.piles.reserve(1), pileOf({"5C"}));
}

TEST(FillEmptyPiles, OneUndoStepCoversTheMoveAndItsFilling) {
    LaidOutTable t(4, 3);
    t.klondikeRules()
        .param(param::FillStyle, 3)
        .tableau(0, {"9S"})
        .tableau(1, {"10H"})
        .tableau(2, {"KD"});
    t.stock({"2C", "3C"});
    const std::string before0 = engine::snapshotLine(t.state, t.tableauPile(0));
    const std::string before1 = engine::snapshotLine(t.state, t.tableauPile(1));
    EXPECT_TRUE(t.move("9S", "Fila2"));
    EXPECT_TRUE(engine::fillEmptyPiles(t.state, t.frontend));
    EXPECT_EQ(t.tableauPile(0), pileOf({"3C"}));
    ASSERT_EQ(t.state.undoLists.snapshotCount(), 1);
    EXPECT_EQ(t.state.undoLists.tableaus[0], before0);
    EXPECT_EQ(t.state.undoLists.tableaus[1], before1);
}

TEST(AutoplayCommand, TurningItOffFillsOnceAndStoresTheGamesChoice) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "vellomir_autoplay_cmd";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "DATA");
    LaidOutTable t(4, 2);
    t.state.dataFolder = folder.string() + "/";
    t.state.settings.write(settings::field::PreferencesFile,
                           std::string(settings::kPreferencesFileName));
    t.state.settings.write(settings::field::Game, "5");
    t.state.mainGame.setCell(table::cell::AutoplayAllGames, 2);
    t.param(param::FillStyle, 3).tableau(0, {"9S"}).stock({"2C"});
    t.state.autoplayTicked = true;

    // The program keeps the tick through its preference setter.
    const engine::GameAutoplayKeeper keep = [&](int gameNumber, bool on) {
        settings::PreferenceFile preferences(t.state.preferencesPath());
        return settings::storeGameAutoplayChoice(preferences, gameNumber, on);
    };
    engine::toggleAutoplay(t.state, t.frontend, keep);
    EXPECT_FALSE(t.state.autoplayTicked);
    EXPECT_TRUE(t.frontend.saw("autoplay unticked"));
    EXPECT_EQ(t.tableauPile(1), pileOf({"2C"}));
    EXPECT_FALSE(
        settings::gameAutoplayChoice(settings::PreferenceFile(t.state.preferencesPath()), 5));

    engine::toggleAutoplay(t.state, t.frontend, keep);
    EXPECT_TRUE(t.state.autoplayTicked);
    EXPECT_TRUE(
        settings::gameAutoplayChoice(settings::PreferenceFile(t.state.preferencesPath()), 5));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vellomir::testing
