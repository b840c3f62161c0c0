#include "startup/preferences_load.h"

#include "settings/autoplay_choice.h"
#include "settings/ini_file.h"
#include "settings/number_text.h"
#include "settings/preference_table.h"
#include "settings/set_aside.h"
#include "settings/settings_record.h"
#include "settings/whole_file.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace vellomir::startup {
namespace {

constexpr std::string_view kDefaultGameName = "Put-Them-In-Order (3x3 square)";
constexpr std::string_view kDefaultPlayers[] = {"Player 1", "Player 2", "Player 3"};
constexpr int kPlayerCount = 3;
// The card set on a display of 256 colours or fewer.
constexpr int kFewColoursCard = 3;

// The sound switches, in the order the load reads them.
constexpr std::array<settings::Pref, 20> kSoundSwitches{
    settings::Pref::SoundsAbout,       settings::Pref::SoundsAutoplay,
    settings::Pref::SoundsCardDown,    settings::Pref::SoundsCardUp,
    settings::Pref::SoundsNewHiScores, settings::Pref::SoundsFaceUp,
    settings::Pref::SoundsGameWon,     settings::Pref::SoundsHiScores,
    settings::Pref::SoundsNewGame,     settings::Pref::SoundsPairing,
    settings::Pref::SoundsRedeal,      settings::Pref::SoundsRedealWithoutAnimation,
    settings::Pref::SoundsRedo,        settings::Pref::SoundsRestart,
    settings::Pref::SoundsShuffle,     settings::Pref::SoundsSplash,
    settings::Pref::SoundsStock,       settings::Pref::SoundsFoundation,
    settings::Pref::SoundsTableau,     settings::Pref::SoundsUndo,
};

// Reads preferences into the settings record, at the positions the table gives.
class Loader {
public:
    Loader(settings::PreferenceFile& file, settings::SettingsRecord& settings)
        : m_file(file), m_settings(settings) {}

    std::string text(settings::Pref pref) const { return m_file.text(pref); }
    int number(settings::Pref pref) const { return m_file.number(pref); }
    // Stores the value as read: a flag other than "Y" counts as off wherever
    // it is tested.
    std::string toField(settings::Pref pref) {
        return toField(pref, settings::preferenceEntry(pref).fallback);
    }
    std::string toField(settings::Pref pref, std::string_view fallback) {
        std::string value = m_file.text(pref, fallback);
        m_settings.write(settings::preferenceEntry(pref).settings, value);
        return value;
    }
    void numberToField(settings::Pref pref) {
        m_settings.writeInt(settings::preferenceEntry(pref).settings, m_file.number(pref));
    }

    // Keeps the outcome of a write so that a failure is not lost.
    void keep(const settings::WriteResult& result) {
        if (!result) {
            m_failures.push_back(result.message);
        }
    }
    std::vector<std::string> takeFailures() { return std::move(m_failures); }

private:
    settings::PreferenceFile& m_file;
    settings::SettingsRecord& m_settings;
    std::vector<std::string> m_failures;
};

settings::WriteResult showOrHide(table::ProgramState& state,
                                 const std::filesystem::path& preferencesPath, settings::Pref pref,
                                 bool show, bool save) {
    if (!save) {
        return settings::WriteResult::success();
    }
    state.settings.writeFlag(settings::preferenceEntry(pref).settings, show);
    settings::PreferenceFile file(preferencesPath);
    return file.writeYesNo(pref, show);
}

// The card size of a fresh installation: cards fitted to the window.
constexpr std::string_view kFittedCardSizeLetter = "F";

} // namespace

LoadedPreferences loadPreferences(table::ProgramState& state, seam::Frontend& frontend,
                                  const std::filesystem::path& preferencesPath,
                                  bool display256ColorsOrFewer) {
    // A file too large to read, or something else than a file, is kept
    // aside once, with one message, and the preferences start from their
    // defaults: every write would otherwise refuse it again. A file that
    // cannot be read for want of rights or a folder stays as it is.
    const settings::WholeFile existing =
        settings::readWholeFile(preferencesPath, settings::IniFile::kMaxSize);
    if (existing.status == settings::WholeFileStatus::TooLarge ||
        (existing.status == settings::WholeFileStatus::Failed && existing.error == 0)) {
        const settings::SetAside kept = settings::setAsideFile(preferencesPath);
        frontend.showInformation("The preferences file \"" + preferencesPath.string() +
                                 "\" cannot be read: " + existing.problem + ". " + kept.sentence +
                                 (kept.ok ? " The preferences start from their defaults." : ""));
    }
    // A fresh installation has no preferences file yet: its cards fit the
    // window. Files written before keep their size, "B" when they name none.
    std::error_code missingError;
    const bool freshInstallation = !std::filesystem::exists(preferencesPath, missingError);
    settings::PreferenceFile file(preferencesPath);
    settings::SettingsRecord& settings = state.settings;
    table::TMainGame& mainGame = state.mainGame;
    Loader load(file, settings);
    LoadedPreferences result;

    load.toField(settings::Pref::ShowToolTips);
    result.toolBarLarge = file.isYes(settings::Pref::ToolBarLarge);
    result.toolBarFlat = file.isYes(settings::Pref::ToolBarFlat);

    if (display256ColorsOrFewer && file.adviceShown(kAdvice256ColorsKey)) {
        frontend.showAdvice(kAdvice256ColorsKey, kAdvice256ColorsText);
    }

    settings.writePadded(settings::field::BackCard, load.number(settings::Pref::BackCard));
    settings.writePadded(settings::field::Card,
                         display256ColorsOrFewer
                             ? file.number(settings::Pref::Card, kFewColoursCard)
                             : load.number(settings::Pref::Card));
    if (freshInstallation) {
        settings.write(settings::field::CardSize, kFittedCardSizeLetter);
        load.keep(file.write(settings::Pref::CardSize, kFittedCardSizeLetter));
    } else {
        load.toField(settings::Pref::CardSize);
    }
    load.toField(settings::Pref::BackgroundBmp);
    load.numberToField(settings::Pref::BackgroundFixedCol);
    load.numberToField(settings::Pref::BackgroundCol);
    load.toField(settings::Pref::BackgroundDef);
    load.toField(settings::Pref::FadeBackground);
    settings.writeFlag(settings::field::CustomBackgroundPresent,
                       !load.text(settings::Pref::CustomizedBackground).empty());
    const int game = load.number(settings::Pref::Game);
    settings.writePadded(settings::field::Game, game);
    // The default name belongs to the default game; another game without a
    // name takes its name from the game list (checkCurrentGame).
    const bool defaultGame =
        game == settings::toIntOr(settings::preferenceEntry(settings::Pref::Game).fallback, 0);
    load.toField(settings::Pref::GameName, defaultGame ? kDefaultGameName : "");
    const std::string showTime = load.toField(settings::Pref::ShowTime);
    const std::string showScore = load.toField(settings::Pref::ShowScore);
    const std::string cardsAnimate = load.toField(settings::Pref::CardsAnimate);
    // Shadows follow the animation choice until the player sets them apart.
    load.toField(settings::Pref::CardsShadowed, cardsAnimate);
    load.toField(settings::Pref::PilesTT);
    load.toField(settings::Pref::AutomaticFaceUp);
    load.toField(settings::Pref::DealAnimation);
    load.toField(settings::Pref::RedealAnimation);
    load.numberToField(settings::Pref::Language);
    load.numberToField(settings::Pref::SpeedMoveCard);
    const std::string statusBar = load.toField(settings::Pref::StatusBar);
    const std::string userDefault = load.toField(settings::Pref::UserDefault);
    load.toField(settings::Pref::UndoEnabled);
    load.toField(settings::Pref::ConfirmQuitGame);
    load.toField(settings::Pref::ConfirmEnterHiScores);
    load.toField(settings::Pref::SoundsEnabled);
    for (const settings::Pref sound : kSoundSwitches) {
        load.toField(sound);
    }
    load.toField(settings::Pref::RandomBackground);
    load.toField(settings::Pref::RandomCard);
    load.toField(settings::Pref::RandomDeck);
    load.toField(settings::Pref::VertScrollBar);
    load.toField(settings::Pref::ShowPilesSize);
    load.toField(settings::Pref::ShowMainPopupMenu);
    load.toField(settings::Pref::ShowPartialHiddenCard);
    load.toField(settings::Pref::RightClickToFoundations);
    load.toField(settings::Pref::RightClickToTableaus);
    load.toField(settings::Pref::DoubleClickToFoundations);
    load.toField(settings::Pref::DoubleClickToTableaus);
    mainGame.setCell(table::cell::GamesFastSearchType,
                     load.number(settings::Pref::GamesFastSearchType));
    const int cursor = load.number(settings::Pref::Cursor);
    settings.writeInt(settings::field::Cursor, cursor);
    frontend.setCursor(cursor);
    mainGame.setCell(table::cell::HighlightFoundationsMark,
                     load.number(settings::Pref::HighlightsFoundationsMark));
    mainGame.setCell(table::cell::RandomGameType, load.number(settings::Pref::RandomGameType));
    const int runExe = load.number(settings::Pref::RunExe);
    const int autoplayAllGames = load.number(settings::Pref::AutoplayAllGames);
    mainGame.setCell(table::cell::AutoplayAllGames, autoplayAllGames);
    // The one scoring scheme: five points a card.
    settings.write(settings::field::ScoringScheme, "01");

    frontend.showClock(showTime == "Y");
    frontend.showScore(showScore == "Y");
    if (statusBar == "N") {
        frontend.setStatusBarVisible(false);
    }

    if (userDefault.empty()) {
        load.keep(file.write(settings::Pref::UserDefault, kDefaultPlayers[0]));
        for (int player = 1; player <= kPlayerCount; ++player) {
            load.keep(file.writePlayer(player, kDefaultPlayers[player - 1]));
        }
        settings.write(settings::field::UserDefault, kDefaultPlayers[0]);
    }

    if (runExe < kRunExeLimit) {
        load.keep(file.writeNumber(settings::Pref::RunExe, runExe + 1));
    }

    // One choice for every game, or the current game's own choice.
    if (autoplayAllGames == 1) {
        state.autoplayTicked = file.isYes(settings::Pref::Autoplay);
    } else {
        state.autoplayTicked =
            settings::gameAutoplayChoice(file, settings.readInt(settings::field::Game, -1));
    }
    frontend.setAutoplayChecked(state.autoplayTicked);

    result.writeFailures = load.takeFailures();
    if (!result.writeFailures.empty()) {
        frontend.showInformation(result.writeFailures.front());
    }
    return result;
}

settings::WriteResult showOrHideClock(table::ProgramState& state, seam::Frontend& frontend,
                                      const std::filesystem::path& preferencesPath, bool show,
                                      bool save) {
    frontend.showClock(show);
    return showOrHide(state, preferencesPath, settings::Pref::ShowTime, show, save);
}

settings::WriteResult showOrHideScore(table::ProgramState& state, seam::Frontend& frontend,
                                      const std::filesystem::path& preferencesPath, bool show,
                                      bool save) {
    frontend.showScore(show);
    return showOrHide(state, preferencesPath, settings::Pref::ShowScore, show, save);
}

bool checkCurrentGame(table::ProgramState& state) {
    const std::optional<int> game = settings::parseInt(state.settings.read(settings::field::Game));
    if (game && *game < 0) {
        return true;
    }
    if (game && state.mainGame.gameListIndex(*game) >= 0) {
        // The name is the catalogue's: the one in the file is only a copy
        // of it, and a damaged copy would name another game in the caption.
        state.settings.write(settings::field::GameName, state.mainGame.gameName(*game));
        return true;
    }
    state.settings.writePadded(settings::field::Game, -1);
    state.settings.write(settings::field::GameName, "");
    return false;
}

} // namespace vellomir::startup
