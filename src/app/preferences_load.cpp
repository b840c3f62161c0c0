#include "app/preferences_load.h"

#include "app/autoplay_choice.h"
#include "app/ini_file.h"
#include "app/number_text.h"
#include "app/settings_record.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace vellomir::app {
namespace {

constexpr int kDefaultBackgroundColour = -2147483633; // the system button-face colour
constexpr std::string_view kDefaultGameName = "Put-Them-In-Order (3x3 square)";
constexpr int kDefaultGame = 87;
constexpr std::string_view kDefaultPlayers[] = {"Player 1", "Player 2", "Player 3"};

// The sound switches, in the order the load reads them.
constexpr std::array<std::pair<std::string_view, SettingsField>, 20> kSoundSwitches{{
    {"Sounds_About", field::SoundsAbout},
    {"Sounds_Autoplay", field::SoundsAutoplay},
    {"Sounds_CardDown", field::SoundsCardDown},
    {"Sounds_CardUp", field::SoundsCardUp},
    {"Sounds_NewHiScores", field::SoundsNewHiScores},
    {"Sounds_FaceUp", field::SoundsFaceUp},
    {"Sounds_GameWon", field::SoundsGameWon},
    {"Sounds_HiScores", field::SoundsHiScores},
    {"Sounds_NewGame", field::SoundsNewGame},
    {"Sounds_Pairing", field::SoundsPairing},
    {"Sounds_Redeal", field::SoundsRedeal},
    {"Sounds_Redeal_Without_Animation", field::SoundsRedealWithoutAnimation},
    {"Sounds_Redo", field::SoundsRedo},
    {"Sounds_Restart", field::SoundsRestart},
    {"Sounds_Shuffle", field::SoundsShuffle},
    {"Sounds_Splash", field::SoundsSplash},
    {"Sounds_Stock", field::SoundsStock},
    {"Sounds_Foundation", field::SoundsFoundation},
    {"Sounds_Tableau", field::SoundsTableau},
    {"Sounds_Undo", field::SoundsUndo},
}};

// Reads keys of the preferences file into the settings record.
class Loader {
public:
    Loader(IniFile& file, SettingsRecord& settings) : m_file(file), m_settings(settings) {}

    std::string text(std::string_view key, std::string_view fallback,
                     std::string_view section = kPreferenceSection) const {
        return m_file.readText(section, key, fallback);
    }
    int number(std::string_view key, int fallback,
               std::string_view section = kPreferenceSection) const {
        return m_file.readInt(section, key, fallback);
    }
    // Stores the value as read: a flag other than "Y" counts as off wherever
    // it is tested.
    std::string toField(SettingsField f, std::string_view key, std::string_view fallback) {
        std::string value = text(key, fallback);
        m_settings.write(f, value);
        return value;
    }
    void numberToField(SettingsField f, std::string_view key, int fallback) {
        m_settings.writeInt(f, number(key, fallback));
    }

    // Keeps the outcome of a write so that a failure is not lost.
    void keep(const WriteResult& result) {
        if (!result) {
            m_failures.push_back(result.message);
        }
    }
    std::vector<std::string> takeFailures() { return std::move(m_failures); }

private:
    IniFile& m_file;
    SettingsRecord& m_settings;
    std::vector<std::string> m_failures;
};

WriteResult showOrHide(table::ProgramState& state, const std::filesystem::path& preferencesPath,
                       SettingsField f, std::string_view key, bool show, bool save) {
    if (!save) {
        return WriteResult::success();
    }
    state.settings.writeFlag(f, show);
    IniFile file(preferencesPath);
    return file.writeText(kPreferenceSection, key, show ? "Y" : "N");
}

// The card size of a fresh installation: cards fitted to the window.
constexpr std::string_view kFittedCardSizeLetter = "F";

} // namespace

LoadedPreferences loadPreferences(table::ProgramState& state, Frontend& frontend,
                                  const std::filesystem::path& preferencesPath,
                                  bool display256ColorsOrFewer) {
    // A fresh installation has no preferences file yet: its cards fit the
    // window. Files written before keep their size, "B" when they name none.
    std::error_code missingError;
    const bool freshInstallation = !std::filesystem::exists(preferencesPath, missingError);
    IniFile file(preferencesPath);
    SettingsRecord& settings = state.settings;
    table::TMainGame& mainGame = state.mainGame;
    Loader load(file, settings);
    LoadedPreferences result;

    load.toField(field::ShowToolTips, "Show_ToolTips", "Y");
    result.toolBarLarge = load.text("ToolBar_Large", "N") == "Y";
    result.toolBarFlat = load.text("ToolBar_Flat", "Y") == "Y";

    if (display256ColorsOrFewer &&
        file.readText(kShowMessagesSection, kAdvice256ColorsKey, "Y") != "N") {
        frontend.showAdvice(kAdvice256ColorsKey, kAdvice256ColorsText);
    }

    const int backCard = load.number("Back_Card", 11);
    settings.writePadded(field::BackCard, backCard == 0 ? 1 : backCard);
    settings.writePadded(field::Card, load.number("Card", display256ColorsOrFewer ? 3 : 1));
    if (freshInstallation) {
        settings.write(field::CardSize, kFittedCardSizeLetter);
        load.keep(file.writeText(kPreferenceSection, "Card_Size", kFittedCardSizeLetter));
    } else {
        load.toField(field::CardSize, "Card_Size", "B");
    }
    const std::string backgroundBmp = load.text("Background_bmp", "");
    settings.write(field::BackgroundBmp, backgroundBmp.empty() ? "0" : backgroundBmp);
    load.numberToField(field::BackgroundFixedCol, "Background_Fixed_Col", 32768);
    const int backgroundCol = load.number("Background_Col", kDefaultBackgroundColour);
    settings.writeInt(field::BackgroundCol,
                      backgroundCol == 0 ? kDefaultBackgroundColour : backgroundCol);
    load.toField(field::BackgroundDef, "Background_def", "N");
    load.toField(field::FadeBackground, "Fade_Background", "Y");
    settings.writeFlag(field::CustomBackgroundPresent,
                       !load.text("Customized_Background", "").empty());
    const int game = load.number("Game", kDefaultGame);
    settings.writePadded(field::Game, game);
    // The default name belongs to the default game; another game without a
    // name takes its name from the game list (checkCurrentGame).
    load.toField(field::GameName, "Game_name", game == kDefaultGame ? kDefaultGameName : "");
    const std::string showTime = load.toField(field::ShowTime, "Show_Time", "Y");
    const std::string showScore = load.toField(field::ShowScore, "Show_Score", "Y");
    const std::string cardsAnimate = load.toField(field::CardsAnimate, "Cards_Animate", "Y");
    // Shadows follow the animation choice until the player sets them apart.
    load.toField(field::CardsShadowed, "Cards_Shadowed", cardsAnimate);
    load.toField(field::PilesTT, "Piles_TT", "N");
    load.toField(field::AutomaticFaceUp, "Automatic_FaceUp", "Y");
    load.toField(field::DealAnimation, "Deal_Animation", "Y");
    load.toField(field::RedealAnimation, "Redeal_Animation", "Y");
    load.numberToField(field::Language, "Language", 20000);
    load.numberToField(field::SpeedMoveCard, "Speed_Move_Card", 10);
    const std::string statusBar = load.toField(field::StatusBar, "StatusBar", "N");
    const std::string userDefault = load.toField(field::UserDefault, "UserDefault", "");
    load.toField(field::UndoEnabled, "Undo_Enabled", "0");
    load.toField(field::ConfirmQuitGame, "ConfirmQuitGame", "N");
    load.toField(field::ConfirmEnterHiScores, "ConfirmEnterHiScores", "Y");
    load.toField(field::SoundsEnabled, "Sounds_Enabled", "Y");
    for (const auto& [key, f] : kSoundSwitches) {
        load.toField(f, key, "Y");
    }
    load.toField(field::RandomBackground, "Random_Background", "N");
    load.toField(field::RandomCard, "Random_Card", "N");
    load.toField(field::RandomDeck, "Random_Deck", "N");
    load.toField(field::VertScrollBar, "VertScrollBar", "Y");
    load.toField(field::ShowPilesSize, "ShowPilesSize", "N");
    load.toField(field::ShowMainPopupMenu, "Show_Main_Popup_Menu", "Y");
    load.toField(field::ShowPartialHiddenCard, "Show_Partial_Hidden_Card", "Y");
    load.toField(field::RightClickToFoundations, "RightClick_To_Foundations", "Y");
    load.toField(field::RightClickToTableaus, "RightClick_To_Tableaus", "Y");
    load.toField(field::DoubleClickToFoundations, "DoubleClick_To_Foundations", "Y");
    load.toField(field::DoubleClickToTableaus, "DoubleClick_To_Tableaus", "N");
    mainGame.setCell(table::cell::GamesFastSearchType,
                     load.number("Games_Fast_Search_Type", 0, kSettingsSection));
    const int cursor = load.number("Cursor", 10);
    settings.writeInt(field::Cursor, cursor);
    frontend.setCursor(cursor);
    mainGame.setCell(table::cell::HighlightFoundationsMark,
                     load.number("HighLights_Foundations_Mark", 0));
    mainGame.setCell(table::cell::RandomGameType,
                     load.number("Random_Game_Type", 2, kSettingsSection));
    const int runExe = load.number("Run_Exe", 0, kParametersSection);
    const int autoplayAllGames = load.number("AutoPlay_All_Games", 1);
    mainGame.setCell(table::cell::AutoplayAllGames, autoplayAllGames);
    // The one scoring scheme: five points a card.
    settings.write(field::ScoringScheme, "01");

    frontend.showClock(showTime == "Y");
    frontend.showScore(showScore == "Y");
    if (statusBar == "N") {
        frontend.setStatusBarVisible(false);
    }

    if (userDefault.empty()) {
        load.keep(file.writeText(kPreferenceSection, "UserDefault", kDefaultPlayers[0]));
        load.keep(file.writeText(kUsersSection, "User001", kDefaultPlayers[0]));
        load.keep(file.writeText(kUsersSection, "User002", kDefaultPlayers[1]));
        load.keep(file.writeText(kUsersSection, "User003", kDefaultPlayers[2]));
        settings.write(field::UserDefault, kDefaultPlayers[0]);
    }

    if (runExe < kRunExeLimit) {
        load.keep(file.writeInt(kParametersSection, "Run_Exe", runExe + 1));
    }

    // One choice for every game, or the current game's own choice.
    if (autoplayAllGames == 1) {
        state.autoplayTicked = load.text("AutoPlay", "Y") == "Y";
    } else {
        state.autoplayTicked = gameAutoplayChoice(file, settings.readInt(field::Game, -1));
    }
    frontend.setAutoplayChecked(state.autoplayTicked);

    result.writeFailures = load.takeFailures();
    if (!result.writeFailures.empty()) {
        frontend.showInformation(result.writeFailures.front());
    }
    return result;
}

WriteResult showOrHideClock(table::ProgramState& state, Frontend& frontend,
                            const std::filesystem::path& preferencesPath, bool show, bool save) {
    frontend.showClock(show);
    return showOrHide(state, preferencesPath, field::ShowTime, "Show_Time", show, save);
}

WriteResult showOrHideScore(table::ProgramState& state, Frontend& frontend,
                            const std::filesystem::path& preferencesPath, bool show, bool save) {
    frontend.showScore(show);
    return showOrHide(state, preferencesPath, field::ShowScore, "Show_Score", show, save);
}

bool checkCurrentGame(table::ProgramState& state) {
    const std::optional<int> game = parseInt(state.settings.read(field::Game));
    if (game && *game < 0) {
        return true;
    }
    if (game && state.mainGame.gameListIndex(*game) >= 0) {
        if (state.settings.read(field::GameName).empty()) {
            state.settings.write(field::GameName, state.mainGame.gameName(*game));
        }
        return true;
    }
    state.settings.writePadded(field::Game, -1);
    state.settings.write(field::GameName, "");
    return false;
}

} // namespace vellomir::app
