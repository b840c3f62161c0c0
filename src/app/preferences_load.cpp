#include "app/preferences_load.h"

#include "app/autoplay_choice.h"
#include "app/number_text.h"
#include "app/preference_table.h"
#include "app/settings_record.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace vellomir::app {
namespace {

constexpr std::string_view kDefaultGameName = "Put-Them-In-Order (3x3 square)";
constexpr std::string_view kDefaultPlayers[] = {"Player 1", "Player 2", "Player 3"};
constexpr int kPlayerCount = 3;
// The card set on a display of 256 colours or fewer.
constexpr int kFewColoursCard = 3;

// The sound switches, in the order the load reads them.
constexpr std::array<Pref, 20> kSoundSwitches{
    Pref::SoundsAbout,   Pref::SoundsAutoplay,    Pref::SoundsCardDown,
    Pref::SoundsCardUp,  Pref::SoundsNewHiScores, Pref::SoundsFaceUp,
    Pref::SoundsGameWon, Pref::SoundsHiScores,    Pref::SoundsNewGame,
    Pref::SoundsPairing, Pref::SoundsRedeal,      Pref::SoundsRedealWithoutAnimation,
    Pref::SoundsRedo,    Pref::SoundsRestart,     Pref::SoundsShuffle,
    Pref::SoundsSplash,  Pref::SoundsStock,       Pref::SoundsFoundation,
    Pref::SoundsTableau, Pref::SoundsUndo,
};

// Reads preferences into the settings record, at the positions the table gives.
class Loader {
public:
    Loader(PreferenceFile& file, SettingsRecord& settings) : m_file(file), m_settings(settings) {}

    std::string text(Pref pref) const { return m_file.text(pref); }
    int number(Pref pref) const { return m_file.number(pref); }
    // Stores the value as read: a flag other than "Y" counts as off wherever
    // it is tested.
    std::string toField(Pref pref) { return toField(pref, preferenceEntry(pref).fallback); }
    std::string toField(Pref pref, std::string_view fallback) {
        std::string value = m_file.text(pref, fallback);
        m_settings.write(preferenceEntry(pref).settings, value);
        return value;
    }
    void numberToField(Pref pref) {
        m_settings.writeInt(preferenceEntry(pref).settings, m_file.number(pref));
    }

    // Keeps the outcome of a write so that a failure is not lost.
    void keep(const WriteResult& result) {
        if (!result) {
            m_failures.push_back(result.message);
        }
    }
    std::vector<std::string> takeFailures() { return std::move(m_failures); }

private:
    PreferenceFile& m_file;
    SettingsRecord& m_settings;
    std::vector<std::string> m_failures;
};

WriteResult showOrHide(table::ProgramState& state, const std::filesystem::path& preferencesPath,
                       Pref pref, bool show, bool save) {
    if (!save) {
        return WriteResult::success();
    }
    state.settings.writeFlag(preferenceEntry(pref).settings, show);
    PreferenceFile file(preferencesPath);
    return file.writeYesNo(pref, show);
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
    PreferenceFile file(preferencesPath);
    SettingsRecord& settings = state.settings;
    table::TMainGame& mainGame = state.mainGame;
    Loader load(file, settings);
    LoadedPreferences result;

    load.toField(Pref::ShowToolTips);
    result.toolBarLarge = file.isYes(Pref::ToolBarLarge);
    result.toolBarFlat = file.isYes(Pref::ToolBarFlat);

    if (display256ColorsOrFewer && file.adviceShown(kAdvice256ColorsKey)) {
        frontend.showAdvice(kAdvice256ColorsKey, kAdvice256ColorsText);
    }

    settings.writePadded(field::BackCard, load.number(Pref::BackCard));
    settings.writePadded(field::Card, display256ColorsOrFewer
                                          ? file.number(Pref::Card, kFewColoursCard)
                                          : load.number(Pref::Card));
    if (freshInstallation) {
        settings.write(field::CardSize, kFittedCardSizeLetter);
        load.keep(file.write(Pref::CardSize, kFittedCardSizeLetter));
    } else {
        load.toField(Pref::CardSize);
    }
    load.toField(Pref::BackgroundBmp);
    load.numberToField(Pref::BackgroundFixedCol);
    load.numberToField(Pref::BackgroundCol);
    load.toField(Pref::BackgroundDef);
    load.toField(Pref::FadeBackground);
    settings.writeFlag(field::CustomBackgroundPresent,
                       !load.text(Pref::CustomizedBackground).empty());
    const int game = load.number(Pref::Game);
    settings.writePadded(field::Game, game);
    // The default name belongs to the default game; another game without a
    // name takes its name from the game list (checkCurrentGame).
    const bool defaultGame = game == toIntOr(preferenceEntry(Pref::Game).fallback, 0);
    load.toField(Pref::GameName, defaultGame ? kDefaultGameName : "");
    const std::string showTime = load.toField(Pref::ShowTime);
    const std::string showScore = load.toField(Pref::ShowScore);
    const std::string cardsAnimate = load.toField(Pref::CardsAnimate);
    // Shadows follow the animation choice until the player sets them apart.
    load.toField(Pref::CardsShadowed, cardsAnimate);
    load.toField(Pref::PilesTT);
    load.toField(Pref::AutomaticFaceUp);
    load.toField(Pref::DealAnimation);
    load.toField(Pref::RedealAnimation);
    load.numberToField(Pref::Language);
    load.numberToField(Pref::SpeedMoveCard);
    const std::string statusBar = load.toField(Pref::StatusBar);
    const std::string userDefault = load.toField(Pref::UserDefault);
    load.toField(Pref::UndoEnabled);
    load.toField(Pref::ConfirmQuitGame);
    load.toField(Pref::ConfirmEnterHiScores);
    load.toField(Pref::SoundsEnabled);
    for (const Pref sound : kSoundSwitches) {
        load.toField(sound);
    }
    load.toField(Pref::RandomBackground);
    load.toField(Pref::RandomCard);
    load.toField(Pref::RandomDeck);
    load.toField(Pref::VertScrollBar);
    load.toField(Pref::ShowPilesSize);
    load.toField(Pref::ShowMainPopupMenu);
    load.toField(Pref::ShowPartialHiddenCard);
    load.toField(Pref::RightClickToFoundations);
    load.toField(Pref::RightClickToTableaus);
    load.toField(Pref::DoubleClickToFoundations);
    load.toField(Pref::DoubleClickToTableaus);
    mainGame.setCell(table::cell::GamesFastSearchType, load.number(Pref::GamesFastSearchType));
    const int cursor = load.number(Pref::Cursor);
    settings.writeInt(field::Cursor, cursor);
    frontend.setCursor(cursor);
    mainGame.setCell(table::cell::HighlightFoundationsMark,
                     load.number(Pref::HighlightsFoundationsMark));
    mainGame.setCell(table::cell::RandomGameType, load.number(Pref::RandomGameType));
    const int runExe = load.number(Pref::RunExe);
    const int autoplayAllGames = load.number(Pref::AutoplayAllGames);
    mainGame.setCell(table::cell::AutoplayAllGames, autoplayAllGames);
    // The one scoring scheme: five points a card.
    settings.write(field::ScoringScheme, "01");

    frontend.showClock(showTime == "Y");
    frontend.showScore(showScore == "Y");
    if (statusBar == "N") {
        frontend.setStatusBarVisible(false);
    }

    if (userDefault.empty()) {
        load.keep(file.write(Pref::UserDefault, kDefaultPlayers[0]));
        for (int player = 1; player <= kPlayerCount; ++player) {
            load.keep(file.writePlayer(player, kDefaultPlayers[player - 1]));
        }
        settings.write(field::UserDefault, kDefaultPlayers[0]);
    }

    if (runExe < kRunExeLimit) {
        load.keep(file.writeNumber(Pref::RunExe, runExe + 1));
    }

    // One choice for every game, or the current game's own choice.
    if (autoplayAllGames == 1) {
        state.autoplayTicked = file.isYes(Pref::Autoplay);
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
    return showOrHide(state, preferencesPath, Pref::ShowTime, show, save);
}

WriteResult showOrHideScore(table::ProgramState& state, Frontend& frontend,
                            const std::filesystem::path& preferencesPath, bool show, bool save) {
    frontend.showScore(show);
    return showOrHide(state, preferencesPath, Pref::ShowScore, show, save);
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
