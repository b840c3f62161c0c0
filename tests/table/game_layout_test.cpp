#include "table/game_layout.h"

#include "catalogue/parameter_index.h"
#include "support/recording_frontend.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

namespace field = settings::field;
namespace param = catalogue::param;

const std::string k640Notice =
    "info: Your video card's display is 640x480 pixels. For the best graphics display the screen "
    "resolution should be set to 800x600 pixels or higher. However, it's possible to play "
    "Big Spider using a predefined cards set.";
const std::string k800Notice =
    "info: Your video card's display is 800x600 pixels. For the best graphics display of this "
    "game the screen resolution should be set to 1024x768 pixels or higher. However, it's "
    "possible to play Big Spider using a predefined cards set.";

// A loader for a simple game of the given screen class: seven tableaus in a
// row with a stock, as a catalogue column would give them.
ParameterLoader gameOfClass(int screenClass, int autoplay = 1) {
    return [=](catalogue::GameParameters& p) {
        p.set(param::ScreenClass, screenClass);
        p.set(param::AutoplayAvailable, autoplay);
        p.set(param::TableauFanStyle, 1);
        p.set(param::StockLayout, 5);
        p.set(param::StockRow, 1);
        p.set(param::StockPilesPlaced, 2);
        p.set(param::TableauLayout, 1);
        p.set(param::TableauRow, 2);
        p.set(param::TableauCount, 7);
        p.set(param::CardCount, 52);
        return true;
    };
}

class SmallScreen : public ::testing::Test {
protected:
    SmallScreen() {
        state.settings.write(field::CardSize, "B");
        state.settings.write(field::Card, "001");
        state.settings.write(field::BackCard, "011");
        state.settings.write(field::GameName, "Big Spider");
        state.mainGame.setCell(cell::CardSizeMode, 0);
        state.shadowOffset = 9;
        frontend.screenW = 640;
        frontend.screenH = 480;
        frontend.areaWidth = 624;
        frontend.areaHeight = 400;
        frontend.outerHeight = 450;
    }

    // What Open game does before laying out a different game.
    void openGame(int screenClass) {
        state.mainGame.setCell(cell::CardSizeMode, 0);
        frontend.calls.clear();
        ASSERT_TRUE(prepareGameLayout(state, frontend, gameOfClass(screenClass)));
    }

    std::string read(settings::SettingsField f) const { return state.settings.read(f); }

    ProgramState state;
    testing::RecordingFrontend frontend;
};

TEST_F(SmallScreen, BigCardsGiveWayToThePredefinedMediumSetWithOneNotice) {
    openGame(1);
    EXPECT_EQ(read(field::CardSize), "M");
    EXPECT_EQ(read(field::Card), "003");
    EXPECT_EQ(read(field::BackCard), "011");
    EXPECT_EQ(read(field::SavedCardSize), "B");
    EXPECT_EQ(read(field::SavedCardSet), "001");
    EXPECT_EQ(read(field::SavedCardBack), "011");
    EXPECT_EQ(state.cardSize.width, 59);
    EXPECT_EQ(state.mainGame.cell(cell::CardSizeMode), 1);
    EXPECT_EQ(state.mainGame.cell(cell::Notice640Shown), 1);
    EXPECT_EQ(frontend.callsStartingWith("info: "), std::vector<std::string>{k640Notice});
    EXPECT_TRUE(frontend.saw("card size 59x80"));
    EXPECT_FALSE(frontend.saw("customize enabled"));
    // The layout used the medium cards.
    EXPECT_EQ(state.mainGame.stockX(0), 3 + 9 + 15);
    EXPECT_GT(state.mainGame.tableauX(6), state.mainGame.tableauX(0));

    // Another such game in the same run: the medium set stays, no notice.
    openGame(1);
    EXPECT_EQ(read(field::CardSize), "M");
    EXPECT_EQ(read(field::SavedCardSize), "B");
    EXPECT_EQ(read(field::SavedCardSet), "001");
    EXPECT_EQ(state.mainGame.cell(cell::CardSizeMode), 1);
    EXPECT_TRUE(frontend.callsStartingWith("info: ").empty());
    EXPECT_FALSE(frontend.saw("card size 59x80"));

    // A game that fits the screen gets the player's cards back.
    openGame(0);
    EXPECT_EQ(read(field::CardSize), "B");
    EXPECT_EQ(read(field::Card), "001");
    EXPECT_EQ(read(field::BackCard), "011");
    EXPECT_EQ(read(field::SavedCardSize), "");
    EXPECT_EQ(read(field::SavedCardSet), "");
    EXPECT_EQ(read(field::SavedCardBack), "");
    EXPECT_EQ(state.cardSize.width, 71);
    EXPECT_TRUE(frontend.saw("customize enabled"));
    EXPECT_TRUE(frontend.saw("card size 71x96"));

    // Too small again with big cards: the set is swapped again, but the
    // notice of this kind was shown this run already.
    openGame(1);
    EXPECT_EQ(read(field::CardSize), "M");
    EXPECT_EQ(read(field::Card), "003");
    EXPECT_TRUE(frontend.callsStartingWith("info: ").empty());
}

TEST_F(SmallScreen, EachScreenClassHasItsOwnNotice) {
    frontend.screenW = 800;
    frontend.screenH = 600;
    frontend.areaWidth = 784;
    openGame(1); // 800 pixels are enough for class 1
    EXPECT_EQ(read(field::CardSize), "B");
    EXPECT_TRUE(frontend.saw("customize enabled"));
    EXPECT_TRUE(frontend.callsStartingWith("info: ").empty());

    openGame(2);
    EXPECT_EQ(read(field::CardSize), "M");
    EXPECT_EQ(state.mainGame.cell(cell::Notice800Shown), 1);
    EXPECT_EQ(state.mainGame.cell(cell::Notice640Shown), 0);
    EXPECT_EQ(frontend.callsStartingWith("info: "), std::vector<std::string>{k800Notice});

    frontend.screenW = 810;
    frontend.areaWidth = 810;
    openGame(2);
    EXPECT_EQ(read(field::CardSize), "B");

    frontend.screenW = 640;
    frontend.areaWidth = 624;
    openGame(1); // the other kind's notice is still due once
    EXPECT_EQ(frontend.callsStartingWith("info: "), std::vector<std::string>{k640Notice});
}

// A window narrower than the game needs gets the smaller cards as a small
// screen does, but no notice about the display; a wide window brings the
// player's cards back.
TEST_F(SmallScreen, ANarrowWindowOnALargeScreenAlsoGetsSmallerCards) {
    frontend.screenW = 1920;
    frontend.screenH = 1080;
    frontend.areaWidth = 700;
    openGame(2);
    EXPECT_EQ(read(field::CardSize), "M");
    EXPECT_EQ(read(field::Card), "003");
    EXPECT_TRUE(frontend.callsStartingWith("info: ").empty());
    frontend.areaWidth = 1900;
    layOutForWindow(state, frontend);
    EXPECT_EQ(read(field::CardSize), "B");
    EXPECT_EQ(state.cardSize.width, 71);
}

TEST_F(SmallScreen, MediumOrLittleCardsAreLeftAlone) {
    for (const char* size : {"M", "L"}) {
        state.settings.write(field::CardSize, size);
        openGame(2);
        EXPECT_EQ(read(field::CardSize), size);
        EXPECT_EQ(read(field::Card), "001");
        EXPECT_EQ(read(field::SavedCardSet), "");
        EXPECT_EQ(state.mainGame.cell(cell::CardSizeMode), 1);
        EXPECT_TRUE(frontend.callsStartingWith("info: ").empty());
        EXPECT_TRUE(frontend.callsStartingWith("card size").empty());
    }
}

TEST_F(SmallScreen, NoNoticeWhileTheStartUpModeIsSet) {
    state.mainGame.setCell(cell::CardSizeMode, 2);
    frontend.calls.clear();
    ASSERT_TRUE(prepareGameLayout(state, frontend, gameOfClass(1)));
    EXPECT_EQ(read(field::CardSize), "M");
    EXPECT_EQ(state.mainGame.cell(cell::CardSizeMode), 2);
    EXPECT_EQ(state.mainGame.cell(cell::Notice640Shown), 0);
    EXPECT_TRUE(frontend.callsStartingWith("info: ").empty());
}

TEST(PrepareGameLayout, ParametersFanStepsCommandsAndPositions) {
    ProgramState state;
    testing::RecordingFrontend frontend;
    state.settings.write(field::CardSize, "B");
    state.cardSize = {71, 96};
    state.params.set(200, 77); // a leftover of the previous game
    state.mainGame.setCell(cell::ScrollOffset, 40);
    state.mainGame.setFoundationX(3, 500); // a pile the new game does not use

    ASSERT_TRUE(prepareGameLayout(state, frontend, gameOfClass(0, 0)));
    EXPECT_EQ(state.params[200], 0);
    EXPECT_EQ(state.params[param::TableauCount], 7);
    EXPECT_TRUE(frontend.saw("autoplay disabled"));
    EXPECT_TRUE(frontend.callsStartingWith("card size").empty()); // size unchanged
    EXPECT_EQ(state.mainGame.cell(cell::FaceUpStepDown), 18);
    EXPECT_EQ(state.mainGame.scrollOffset(), 0);
    EXPECT_EQ(state.mainGame.foundationX(3), kNotPlacedFoundation);
    EXPECT_EQ(state.mainGame.reserveX(0), kNotPlacedReserve);
    EXPECT_EQ(state.mainGame.stockX(kDiscard), kNotPlacedStock);
    EXPECT_GT(state.mainGame.tableauX(6), 0);

    ASSERT_TRUE(prepareGameLayout(state, frontend, gameOfClass(0, 1)));
    EXPECT_TRUE(frontend.saw("autoplay enabled"));
}

TEST(PrepareGameLayout, AFailedLoadLeavesTheLayoutAlone) {
    ProgramState state;
    testing::RecordingFrontend frontend;
    state.mainGame.setTableauX(0, 120);
    EXPECT_FALSE(
        prepareGameLayout(state, frontend, [](catalogue::GameParameters&) { return false; }));
    EXPECT_FALSE(prepareGameLayout(state, frontend, nullptr));
    EXPECT_EQ(state.mainGame.tableauX(0), 120);
    EXPECT_TRUE(frontend.calls.empty());
}

} // namespace
} // namespace vellomir::table
