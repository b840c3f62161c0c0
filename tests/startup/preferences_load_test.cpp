#include "startup/preferences_load.h"

#include "settings/autoplay_choice.h"
#include "settings/ini_file.h"
#include "support/recording_frontend.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace vellomir::startup {
namespace {

using table::cell::AutoplayAllGames;
using table::cell::GamesFastSearchType;
using table::cell::HighlightFoundationsMark;
using table::cell::RandomGameType;

class PreferencesLoad : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::filesystem::path path = folder / "CFG.DAT";
    settings::IniFile ini{path};
    settings::PreferenceFile preferences{path};
    table::ProgramState state{folder.path().string() + "/"};
    testing::RecordingFrontend frontend;

    LoadedPreferences load(bool fewColours = false) {
        return loadPreferences(state, frontend, path, fewColours);
    }
    void given(std::string_view bytes) { testing::writeBytes(path, bytes); }
    std::string setting(settings::SettingsField f) const { return state.settings.read(f); }
};

TEST_F(PreferencesLoad, ExistingPreferencesKeepTheirCardSizeAndBigCardsWhenTheyNameNone) {
    given("[Preference]\r\nCard_Size=M\r\n");
    load();
    EXPECT_EQ(setting(settings::field::CardSize), "M");

    given("[Preference]\r\nGame=1\r\n");
    load();
    EXPECT_EQ(setting(settings::field::CardSize), "B");
    EXPECT_EQ(ini.readText("Preference", "Card_Size", ""), "");
}

TEST_F(PreferencesLoad, AFreshInstallationStartsWithTheDefaults) {
    const LoadedPreferences loaded = load();

    EXPECT_EQ(setting(settings::field::Game), "0087");
    EXPECT_EQ(setting(settings::field::GameName), "Put-Them-In-Order (3x3 square)");
    // Cards fitted to the window, kept in the new file for the next start.
    EXPECT_EQ(setting(settings::field::CardSize), "F");
    EXPECT_EQ(ini.readText("Preference", "Card_Size", ""), "F");
    EXPECT_EQ(setting(settings::field::BackCard), "011");
    EXPECT_EQ(setting(settings::field::Card), "001");
    EXPECT_EQ(setting(settings::field::BackgroundBmp), "0");
    EXPECT_EQ(setting(settings::field::BackgroundCol), "-2147483633");
    EXPECT_EQ(setting(settings::field::BackgroundFixedCol), "32768");
    EXPECT_EQ(setting(settings::field::BackgroundDef), "N");
    EXPECT_EQ(setting(settings::field::CustomBackgroundPresent), "N");
    EXPECT_EQ(setting(settings::field::CardsShadowed), "Y");
    EXPECT_EQ(setting(settings::field::Language), "20000");
    EXPECT_EQ(setting(settings::field::SpeedMoveCard), "10");
    EXPECT_EQ(setting(settings::field::Cursor), "10");
    EXPECT_EQ(setting(settings::field::UndoEnabled), "0");
    EXPECT_EQ(setting(settings::field::SoundsSplash), "Y");
    EXPECT_EQ(setting(settings::field::SoundsUndo), "Y");
    EXPECT_EQ(setting(settings::field::RandomDeck), "N");
    EXPECT_EQ(setting(settings::field::DoubleClickToFoundations), "Y");
    EXPECT_EQ(setting(settings::field::DoubleClickToTableaus), "N");
    EXPECT_EQ(setting(settings::field::ScoringScheme), "01");
    EXPECT_EQ(state.mainGame.cell(HighlightFoundationsMark), 0);
    EXPECT_EQ(state.mainGame.cell(RandomGameType), 2);
    EXPECT_EQ(state.mainGame.cell(AutoplayAllGames), 1);
    EXPECT_EQ(state.mainGame.cell(GamesFastSearchType), 0);
    EXPECT_FALSE(loaded.toolBarLarge);
    EXPECT_TRUE(loaded.toolBarFlat);
    EXPECT_TRUE(loaded.writeFailures.empty());

    // The three default players are created and the start is counted.
    EXPECT_EQ(setting(settings::field::UserDefault), "Player 1");
    EXPECT_EQ(testing::readBytes(path), "[Preference]\n"
                                        "Card_Size=F\n"
                                        "UserDefault=Player 1\n"
                                        "[Users]\n"
                                        "User001=Player 1\n"
                                        "User002=Player 2\n"
                                        "User003=Player 3\n"
                                        "[Parameters]\n"
                                        "Run_Exe=1\n");

    EXPECT_TRUE(state.autoplayTicked);
    EXPECT_EQ(frontend.calls, (std::vector<std::string>{"cursor 10", "clock shown", "score shown",
                                                        "status bar hidden", "autoplay ticked"}));
}

TEST_F(PreferencesLoad, StoredValuesAreNormalised) {
    given("[preference]\n"
          "Back_Card=0\nCard=2\nGame=5\nBackground_Col=0\nBackground_bmp=\n"
          "Customized_Background=C:\\pictures\\sea.bmp\nUserDefault=Anna\n"
          "ToolBar_Large=Y\nToolBar_Flat=N\nCursor=12\nLanguage=x\n"
          "HighLights_Foundations_Mark=4\nStatusBar=Y\nShow_Time=N\n"
          "[Settings]\nRandom_Game_Type=1\nGames_Fast_Search_Type=3\n");
    const LoadedPreferences loaded = load();
    EXPECT_EQ(setting(settings::field::BackCard), "001");
    EXPECT_EQ(setting(settings::field::Card), "002");
    EXPECT_EQ(setting(settings::field::Game), "0005");
    EXPECT_EQ(setting(settings::field::BackgroundCol), "-2147483633");
    EXPECT_EQ(setting(settings::field::BackgroundBmp), "0");
    EXPECT_EQ(setting(settings::field::CustomBackgroundPresent), "Y");
    EXPECT_EQ(setting(settings::field::UserDefault), "Anna");
    EXPECT_EQ(setting(settings::field::Language), "20000");
    EXPECT_EQ(setting(settings::field::Cursor), "12");
    EXPECT_EQ(state.mainGame.cell(HighlightFoundationsMark), 4);
    EXPECT_EQ(state.mainGame.cell(RandomGameType), 1);
    EXPECT_EQ(state.mainGame.cell(GamesFastSearchType), 3);
    EXPECT_TRUE(loaded.toolBarLarge);
    EXPECT_FALSE(loaded.toolBarFlat);
    EXPECT_TRUE(frontend.saw("cursor 12"));
    EXPECT_TRUE(frontend.saw("clock hidden"));
    EXPECT_FALSE(frontend.saw("status bar hidden"));
    // Showing the clock at start-up does not save anything.
    EXPECT_EQ(ini.readText("Preference", "Show_Time", ""), "N");
    EXPECT_EQ(setting(settings::field::ShowTime), "N");
    // A named player means no default players are written.
    EXPECT_FALSE(ini.find("Users", "User001"));

    given("[Preference]\nGame=-1\nBack_Card=7\n");
    load();
    EXPECT_EQ(setting(settings::field::Game), "-001");
    EXPECT_EQ(setting(settings::field::BackCard), "007");
}

TEST_F(PreferencesLoad, TheStartCounterStopsGrowingAtNine) {
    for (int start = 1; start <= 12; ++start) {
        load();
        EXPECT_EQ(ini.readInt("Parameters", "Run_Exe", 0), std::min(start, 9));
    }
    // Other keys are unharmed by the repeated writes.
    EXPECT_EQ(ini.readText("Users", "User003", ""), "Player 3");
}

TEST_F(PreferencesLoad, ShadowsFollowTheAnimationUnlessSetApart) {
    given("[Preference]\nCards_Animate=N\n");
    load();
    EXPECT_EQ(setting(settings::field::CardsAnimate), "N");
    EXPECT_EQ(setting(settings::field::CardsShadowed), "N");

    given("[Preference]\nCards_Animate=N\nCards_Shadowed=Y\n");
    load();
    EXPECT_EQ(setting(settings::field::CardsShadowed), "Y");
}

TEST_F(PreferencesLoad, RightClickSendsToBothKindsOfPileWhenTheKeysAreMissing) {
    given("[Preference]\nDoubleClick_To_Foundations=N\nDoubleClick_To_Tableaus=Y\n");
    load();
    EXPECT_EQ(setting(settings::field::RightClickToFoundations), "Y");
    EXPECT_EQ(setting(settings::field::RightClickToTableaus), "Y");
    EXPECT_EQ(setting(settings::field::DoubleClickToFoundations), "N");
    EXPECT_EQ(setting(settings::field::DoubleClickToTableaus), "Y");
}

TEST_F(PreferencesLoad, FewColoursGiveTheAdviceUnlessSwitchedOff) {
    load(true);
    ASSERT_FALSE(frontend.calls.empty());
    EXPECT_EQ(frontend.calls.front(),
              "advice: Screen_Under_256_Colors: At this time your video driver supports 256 colors "
              "or less. This program takes advantage of the 16 bit (65,536 colors) or the 24 bit "
              "(16.8 million colors) palettes or higher resolutions. \rIf your video driver allows "
              "High or True color mode settings (16 bit or 24 bit), modify your screen resolution "
              "using the Display Properties Settings in the Control Panel.");
    EXPECT_EQ(setting(settings::field::Card), "003");

    // Only an upper-case "N" switches the advice off.
    ASSERT_TRUE(ini.writeText("Show_Messages", "Screen_Under_256_Colors", "n"));
    frontend.calls.clear();
    load(true);
    EXPECT_EQ(frontend.callsStartingWith("advice").size(), 1u);

    ASSERT_TRUE(ini.writeText("show_messages", "SCREEN_UNDER_256_COLORS", "N"));
    frontend.calls.clear();
    load(true);
    EXPECT_TRUE(frontend.callsStartingWith("advice").empty());

    // Plenty of colours: no advice, and an explicit card set is kept.
    ASSERT_TRUE(ini.writeText("Show_Messages", "Screen_Under_256_Colors", "Y"));
    ASSERT_TRUE(ini.writeInt("Preference", "Card", 3));
    frontend.calls.clear();
    load(false);
    EXPECT_TRUE(frontend.callsStartingWith("advice").empty());
    EXPECT_EQ(setting(settings::field::Card), "003");
}

TEST_F(PreferencesLoad, AutoplayFollowsTheAllGamesChoiceOrTheCurrentGames) {
    given("[Preference]\nAutoPlay=N\n");
    load();
    EXPECT_FALSE(state.autoplayTicked);
    EXPECT_TRUE(frontend.saw("autoplay unticked"));

    // One choice per game: game 3 has "N", game 87 has none yet.
    given("[Preference]\nAutoPlay_All_Games=2\nAutoPlay=N\nGame=87\n[Autoplay]\nGames=YYYN\n");
    load();
    EXPECT_EQ(state.mainGame.cell(AutoplayAllGames), 2);
    EXPECT_TRUE(state.autoplayTicked);
    ASSERT_TRUE(ini.writeInt("Preference", "Game", 3));
    load();
    EXPECT_FALSE(state.autoplayTicked);
}

TEST_F(PreferencesLoad, AFileTooLargeToReadIsKeptAsideOnceAndTheDefaultsApply) {
    given("[Preference]\r\nCard_Size=M\r\n");
    std::filesystem::resize_file(path, settings::IniFile::kMaxSize + 1);
    const LoadedPreferences loaded = load();
    const std::vector<std::string> told = frontend.callsStartingWith("info: ");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told.front().find("larger than"), std::string::npos) << told.front();
    EXPECT_NE(told.front().find(".damaged"), std::string::npos) << told.front();
    EXPECT_TRUE(loaded.writeFailures.empty());
    EXPECT_EQ(std::filesystem::file_size(folder / "CFG.DAT.damaged"),
              settings::IniFile::kMaxSize + 1);
    // A fresh file with the defaults, the fitted size among them.
    EXPECT_EQ(setting(settings::field::CardSize), "F");
    EXPECT_LT(std::filesystem::file_size(path), 4096u);
}

TEST_F(PreferencesLoad, WritesThatFailAreReportedToThePlayer) {
    const std::filesystem::path nowhere = folder / "DATA" / "CFG.DAT";
    const LoadedPreferences loaded = loadPreferences(state, frontend, nowhere, false);
    // The fitted card size, four players and the counter.
    ASSERT_EQ(loaded.writeFailures.size(), 6u);
    EXPECT_NE(loaded.writeFailures.front().find(nowhere.string()), std::string::npos);
    EXPECT_EQ(frontend.callsStartingWith("info: ").size(), 1u);
    // The settings are loaded all the same.
    EXPECT_EQ(setting(settings::field::UserDefault), "Player 1");
    EXPECT_EQ(setting(settings::field::Game), "0087");
}

TEST_F(PreferencesLoad, ShowingOrHidingTheClockAndScoreSavesOnlyWhenAsked) {
    ASSERT_TRUE(showOrHideClock(state, frontend, path, false, false));
    EXPECT_FALSE(ini.find("Preference", "Show_Time"));
    EXPECT_EQ(setting(settings::field::ShowTime), "");

    ASSERT_TRUE(showOrHideClock(state, frontend, path, false, true));
    ASSERT_TRUE(showOrHideScore(state, frontend, path, true, true));
    EXPECT_EQ(setting(settings::field::ShowTime), "N");
    EXPECT_EQ(setting(settings::field::ShowScore), "Y");
    EXPECT_EQ(ini.readText("Preference", "Show_Time", ""), "N");
    EXPECT_EQ(ini.readText("Preference", "Show_Score", ""), "Y");
    EXPECT_EQ(frontend.calls,
              (std::vector<std::string>{"clock hidden", "clock hidden", "score shown"}));

    EXPECT_FALSE(showOrHideScore(state, frontend, folder / "none" / "CFG.DAT", false, true));
}

// --- The per-game autoplay choice -----------------------------------------------

TEST_F(PreferencesLoad, PerGameAutoplayChoicesAreStoredOneCharacterAGame) {
    EXPECT_TRUE(settings::gameAutoplayChoice(preferences, 5));
    ASSERT_TRUE(settings::storeGameAutoplayChoice(preferences, 5, false));
    // Game 5 is character 6; the text grows to 5 + 10 characters of "Y".
    EXPECT_EQ(ini.readText("Autoplay", "Games", ""), "YYYYYNYYYYYYYYY");
    EXPECT_FALSE(settings::gameAutoplayChoice(preferences, 5));
    EXPECT_TRUE(settings::gameAutoplayChoice(preferences, 4));
    EXPECT_TRUE(settings::gameAutoplayChoice(preferences, 200)); // beyond the text: no choice yet

    // A text that already reaches past the game's character keeps its length.
    ASSERT_TRUE(settings::storeGameAutoplayChoice(preferences, 2, false));
    ASSERT_TRUE(settings::storeGameAutoplayChoice(preferences, 5, true));
    EXPECT_EQ(ini.readText("Autoplay", "Games", ""), "YYNYYYYYYYYYYYY");
    // Exactly g + 1 characters still grows the text.
    ASSERT_TRUE(settings::storeGameAutoplayChoice(preferences, 14, false));
    EXPECT_EQ(ini.readText("Autoplay", "Games", ""), "YYNYYYYYYYYYYYNYYYYYYYYY");

    // Customised games have their own key.
    EXPECT_TRUE(settings::gameAutoplayChoice(preferences, 8001));
    ASSERT_TRUE(settings::storeGameAutoplayChoice(preferences, 8001, false));
    EXPECT_EQ(ini.readText("Autoplay", "Cust_8001", ""), "N");
    EXPECT_FALSE(settings::gameAutoplayChoice(preferences, 8001));
    EXPECT_TRUE(settings::gameAutoplayChoice(preferences, -1));
}

// --- The current game against the game list -----------------------------------

TEST(CurrentGameCheck, AGameNotInTheListLeavesNoGameChosen) {
    table::ProgramState state;
    state.mainGame.gameList() = {"001 0004 XFirst game",
                                 "002 0874 +Put-Them-In-Order (3x3 square)"};
    state.settings.writePadded(settings::field::Game, 87);
    state.settings.write(settings::field::GameName, "Put-Them-In-Order (3x3 square)");
    EXPECT_TRUE(checkCurrentGame(state));
    EXPECT_EQ(state.settings.read(settings::field::Game), "0087");
    EXPECT_EQ(state.settings.read(settings::field::GameName), "Put-Them-In-Order (3x3 square)");
    // A damaged name of a listed game is the list's name again.
    state.settings.write(settings::field::GameName, "J\x01unk");
    EXPECT_TRUE(checkCurrentGame(state));
    EXPECT_EQ(state.settings.read(settings::field::GameName), "Put-Them-In-Order (3x3 square)");

    for (std::string_view game : {"0999", "8001", "****"}) {
        state.settings.write(settings::field::Game, game);
        state.settings.write(settings::field::GameName, "Somewhere");
        EXPECT_FALSE(checkCurrentGame(state)) << game;
        EXPECT_EQ(state.settings.read(settings::field::Game), "-001");
        EXPECT_EQ(state.settings.read(settings::field::GameName), "");
    }

    // No game chosen stays so, whatever the name says.
    state.settings.write(settings::field::GameName, "Kept");
    EXPECT_TRUE(checkCurrentGame(state));
    EXPECT_EQ(state.settings.read(settings::field::Game), "-001");
    EXPECT_EQ(state.settings.read(settings::field::GameName), "Kept");
}

} // namespace
} // namespace vellomir::startup
