#pragma once

#include "settings/atomic_file.h"
#include "settings/ini_file.h"
#include "settings/settings_record.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellomir::settings {

/// The sections of the preferences file.
enum class PreferenceSection {
    Preference,
    Settings,
    Users,
    Parameters,
    ShowMessages,
    Autoplay,
    WinnableDeals,
};

/// The name of a section as it stands in the file.
std::string_view sectionName(PreferenceSection section);

/// How a value read from the file becomes the value the program uses.
enum class Normalisation {
    AsRead,        ///< the text as it stands (a flag other than "Y" counts as off)
    ZeroIsOne,     ///< a number; 0 reads as 1
    ZeroIsDefault, ///< a number; 0 reads as the default
    EmptyIsZero,   ///< a text; an empty one reads as "0"
};

/// No settings position: the preference is read where it is used.
inline constexpr SettingsField kNoSettingsField{0, 0};

// Every preference with a fixed key: X(name, section, key, default, settings
// field, normalisation). The key is spelt as the program writes it; keys
// match without regard to case when read.
#define VELLOMIR_PREFERENCES(X)                                                                    \
    X(ShowToolTips, Preference, "Show_ToolTips", "Y", field::ShowToolTips, AsRead)                 \
    X(ToolBarLarge, Preference, "ToolBar_Large", "N", kNoSettingsField, AsRead)                    \
    X(ToolBarFlat, Preference, "ToolBar_Flat", "Y", kNoSettingsField, AsRead)                      \
    X(ToolBarVisible, Preference, "ToolBar_Visible", "Y", kNoSettingsField, AsRead)                \
    X(ShowStatusBar, Preference, "Show_StatusBar", "Y", kNoSettingsField, AsRead)                  \
    X(BackCard, Preference, "Back_Card", "11", field::BackCard, ZeroIsOne)                         \
    X(Card, Preference, "Card", "1", field::Card, AsRead)                                          \
    X(CardSize, Preference, "Card_Size", "B", field::CardSize, AsRead)                             \
    X(BackgroundBmp, Preference, "Background_bmp", "", field::BackgroundBmp, EmptyIsZero)          \
    X(BackgroundFixedCol, Preference, "Background_Fixed_Col", "32768", field::BackgroundFixedCol,  \
      AsRead)                                                                                      \
    X(BackgroundCol, Preference, "Background_Col", "-2147483633", field::BackgroundCol,            \
      ZeroIsDefault)                                                                               \
    X(BackgroundDef, Preference, "Background_Def", "N", field::BackgroundDef, AsRead)              \
    X(FadeBackground, Preference, "Fade_Background", "Y", field::FadeBackground, AsRead)           \
    X(CustomizedBackground, Preference, "Customized_Background", "", kNoSettingsField, AsRead)     \
    X(Game, Preference, "Game", "87", field::Game, AsRead)                                         \
    X(GameName, Preference, "Game_Name", "", field::GameName, AsRead)                              \
    X(GameTreeNum, Preference, "Game_TreeNum", "-30", kNoSettingsField, AsRead)                    \
    X(OpenPreviewGame, Preference, "Open_Preview_Game", "Y", kNoSettingsField, AsRead)             \
    X(ShowTime, Preference, "Show_Time", "Y", field::ShowTime, AsRead)                             \
    X(ShowScore, Preference, "Show_Score", "Y", field::ShowScore, AsRead)                          \
    X(CardsAnimate, Preference, "Cards_Animate", "Y", field::CardsAnimate, AsRead)                 \
    X(CardsShadowed, Preference, "Cards_Shadowed", "Y", field::CardsShadowed, AsRead)              \
    X(PilesTT, Preference, "Piles_TT", "N", field::PilesTT, AsRead)                                \
    X(AutomaticFaceUp, Preference, "Automatic_FaceUp", "Y", field::AutomaticFaceUp, AsRead)        \
    X(DealAnimation, Preference, "Deal_Animation", "Y", field::DealAnimation, AsRead)              \
    X(RedealAnimation, Preference, "Redeal_Animation", "Y", field::RedealAnimation, AsRead)        \
    X(Language, Preference, "Language", "20000", field::Language, AsRead)                          \
    X(SpeedMoveCard, Preference, "Speed_Move_Card", "10", field::SpeedMoveCard, AsRead)            \
    X(StatusBar, Preference, "StatusBar", "N", field::StatusBar, AsRead)                           \
    X(UserDefault, Preference, "UserDefault", "", field::UserDefault, AsRead)                      \
    X(UndoEnabled, Preference, "Undo_Enabled", "0", field::UndoEnabled, AsRead)                    \
    X(ConfirmQuit, Preference, "ConfirmQuit", "N", kNoSettingsField, AsRead)                       \
    X(ConfirmQuitGame, Preference, "ConfirmQuitGame", "N", field::ConfirmQuitGame, AsRead)         \
    X(ConfirmEnterHiScores, Preference, "ConfirmEnterHiScores", "Y", field::ConfirmEnterHiScores,  \
      AsRead)                                                                                      \
    X(SoundsEnabled, Preference, "Sounds_Enabled", "Y", field::SoundsEnabled, AsRead)              \
    X(SoundsAbout, Preference, "Sounds_About", "Y", field::SoundsAbout, AsRead)                    \
    X(SoundsAutoplay, Preference, "Sounds_Autoplay", "Y", field::SoundsAutoplay, AsRead)           \
    X(SoundsCardDown, Preference, "Sounds_CardDown", "Y", field::SoundsCardDown, AsRead)           \
    X(SoundsCardUp, Preference, "Sounds_CardUp", "Y", field::SoundsCardUp, AsRead)                 \
    X(SoundsNewHiScores, Preference, "Sounds_NewHiScores", "Y", field::SoundsNewHiScores, AsRead)  \
    X(SoundsFaceUp, Preference, "Sounds_FaceUp", "Y", field::SoundsFaceUp, AsRead)                 \
    X(SoundsGameWon, Preference, "Sounds_GameWon", "Y", field::SoundsGameWon, AsRead)              \
    X(SoundsHiScores, Preference, "Sounds_HiScores", "Y", field::SoundsHiScores, AsRead)           \
    X(SoundsNewGame, Preference, "Sounds_NewGame", "Y", field::SoundsNewGame, AsRead)              \
    X(SoundsPairing, Preference, "Sounds_Pairing", "Y", field::SoundsPairing, AsRead)              \
    X(SoundsRedeal, Preference, "Sounds_Redeal", "Y", field::SoundsRedeal, AsRead)                 \
    X(SoundsRedealWithoutAnimation, Preference, "Sounds_Redeal_Without_Animation", "Y",            \
      field::SoundsRedealWithoutAnimation, AsRead)                                                 \
    X(SoundsRedo, Preference, "Sounds_Redo", "Y", field::SoundsRedo, AsRead)                       \
    X(SoundsRestart, Preference, "Sounds_Restart", "Y", field::SoundsRestart, AsRead)              \
    X(SoundsShuffle, Preference, "Sounds_Shuffle", "Y", field::SoundsShuffle, AsRead)              \
    X(SoundsSplash, Preference, "Sounds_Splash", "Y", field::SoundsSplash, AsRead)                 \
    X(SoundsStock, Preference, "Sounds_Stock", "Y", field::SoundsStock, AsRead)                    \
    X(SoundsFoundation, Preference, "Sounds_Foundation", "Y", field::SoundsFoundation, AsRead)     \
    X(SoundsTableau, Preference, "Sounds_Tableau", "Y", field::SoundsTableau, AsRead)              \
    X(SoundsUndo, Preference, "Sounds_Undo", "Y", field::SoundsUndo, AsRead)                       \
    X(RandomBackground, Preference, "Random_Background", "N", field::RandomBackground, AsRead)     \
    X(RandomCard, Preference, "Random_Card", "N", field::RandomCard, AsRead)                       \
    X(RandomDeck, Preference, "Random_Deck", "N", field::RandomDeck, AsRead)                       \
    X(VertScrollBar, Preference, "VertScrollBar", "Y", field::VertScrollBar, AsRead)               \
    X(ShowPilesSize, Preference, "ShowPilesSize", "N", field::ShowPilesSize, AsRead)               \
    X(ShowMainPopupMenu, Preference, "Show_Main_Popup_Menu", "Y", field::ShowMainPopupMenu,        \
      AsRead)                                                                                      \
    X(ShowPartialHiddenCard, Preference, "Show_Partial_Hidden_Card", "Y",                          \
      field::ShowPartialHiddenCard, AsRead)                                                        \
    X(RightClickToFoundations, Preference, "RightClick_To_Foundations", "Y",                       \
      field::RightClickToFoundations, AsRead)                                                      \
    X(RightClickToTableaus, Preference, "RightClick_To_Tableaus", "Y",                             \
      field::RightClickToTableaus, AsRead)                                                         \
    X(DoubleClickToFoundations, Preference, "DoubleClick_To_Foundations", "Y",                     \
      field::DoubleClickToFoundations, AsRead)                                                     \
    X(DoubleClickToTableaus, Preference, "DoubleClick_To_Tableaus", "N",                           \
      field::DoubleClickToTableaus, AsRead)                                                        \
    X(Cursor, Preference, "Cursor", "10", field::Cursor, AsRead)                                   \
    X(HighlightsFoundationsMark, Preference, "HighLights_Foundations_Mark", "0", kNoSettingsField, \
      AsRead)                                                                                      \
    X(HighlightsFoundationsColor, Preference, "HighLights_Foundations_Color", "0",                 \
      kNoSettingsField, AsRead)                                                                    \
    X(AutoplayAllGames, Preference, "AutoPlay_All_Games", "1", kNoSettingsField, AsRead)           \
    X(Autoplay, Preference, "AutoPlay", "Y", kNoSettingsField, AsRead)                             \
    X(WinningAnimation, Preference, "Winning_Animation", "Y", kNoSettingsField, AsRead)            \
    X(WinningAnimations, Preference, "Winning_Animations", "(Random)", kNoSettingsField, AsRead)   \
    X(WinningAnimationsTime, Preference, "Winning_Animations_Time", "30", kNoSettingsField,        \
      AsRead)                                                                                      \
    X(WindowMaximized, Preference, "MainWindowState_Maximized", "Y", kNoSettingsField, AsRead)     \
    X(WindowLeft, Preference, "MainWindowState_Left", "50", kNoSettingsField, AsRead)              \
    X(WindowTop, Preference, "MainWindowState_Top", "50", kNoSettingsField, AsRead)                \
    X(WindowWidth, Preference, "MainWindowState_Width", "0", kNoSettingsField, AsRead)             \
    X(WindowHeight, Preference, "MainWindowState_Height", "0", kNoSettingsField, AsRead)           \
    X(InterfaceLanguage, Preference, "Interface_Language", "", kNoSettingsField, AsRead)           \
    X(GamesFastSearchType, Settings, "Games_Fast_Search_Type", "0", kNoSettingsField, AsRead)      \
    X(RandomGameType, Settings, "Random_Game_Type", "2", kNoSettingsField, AsRead)                 \
    X(RunExe, Parameters, "Run_Exe", "0", kNoSettingsField, AsRead)                                \
    X(AutoplayGames, Autoplay, "Games", "", kNoSettingsField, AsRead)

/// The preferences with a fixed key.
enum class Pref {
#define VELLOMIR_PREFERENCE_NAME(name, section, key, fallback, settings, normalisation) name,
    VELLOMIR_PREFERENCES(VELLOMIR_PREFERENCE_NAME)
#undef VELLOMIR_PREFERENCE_NAME
};

/// One row of the table.
struct PreferenceEntry {
    PreferenceSection section;
    std::string_view key;
    /// The value when the file has none (callers whose default depends on
    /// other choices give their own).
    std::string_view fallback;
    /// Where the start-up load puts it in the settings record, or
    /// kNoSettingsField.
    SettingsField settings;
    Normalisation normalisation;
};

/// The table row of a preference.
const PreferenceEntry& preferenceEntry(Pref pref);
/// Every row, in the order of `Pref`.
std::size_t preferenceCount();

/// The value used for `text` as read (or the default) under a normalisation.
std::string normalised(Normalisation normalisation, std::string text, std::string_view fallback);

/// A preference and the value it is to have.
struct PreferenceValue {
    Pref pref;
    std::string value;
};

/// The preferences file, read and written only through the table (and the
/// few keys named at run time below). Every call opens and closes the file.
class PreferenceFile {
public:
    explicit PreferenceFile(std::filesystem::path path) : m_file(std::move(path)) {}

    const std::filesystem::path& path() const { return m_file.path(); }

    /// The value (normalised), or the table's default when there is none.
    std::string text(Pref pref) const;
    /// The value (normalised), or `fallback` when there is none.
    std::string text(Pref pref, std::string_view fallback) const;
    /// The value as a number (normalised); the default when there is none or
    /// it is not a number.
    int number(Pref pref) const;
    int number(Pref pref, int fallback) const;
    /// Whether the value (or the default) is "Y".
    bool isYes(Pref pref) const { return text(pref) == "Y"; }
    /// The value as stored, or nothing when the key is not there.
    std::optional<std::string> find(Pref pref) const;

    [[nodiscard]] WriteResult write(Pref pref, std::string_view value);
    /// Several values with one write of the file: all kept, or none.
    [[nodiscard]] WriteResult writeAll(std::span<const PreferenceValue> values);
    [[nodiscard]] WriteResult writeNumber(Pref pref, long long value);
    /// "Y" or "N".
    [[nodiscard]] WriteResult writeYesNo(Pref pref, bool yes);

    /// Whether the advice of that name is still to be shown (section
    /// Show_Messages; on unless "N").
    bool adviceShown(std::string_view advice) const;
    [[nodiscard]] WriteResult hideAdvice(std::string_view advice);

    /// The player names of section Users ("User001", ...), 1-based.
    [[nodiscard]] WriteResult writePlayer(int number, std::string_view name);

    /// The autoplay choice of a customised game (section Autoplay, "Cust_"
    /// and the number in four digits).
    std::string customisedAutoplay(int gameNumber, std::string_view fallback) const;
    [[nodiscard]] WriteResult writeCustomisedAutoplay(int gameNumber, std::string_view value);

    /// Whether New game deals only deals the solver proves winnable in a
    /// game (section Winnable_Deals, "Game_" and the number in four digits;
    /// off unless "Y").
    bool winnableDealsOnly(int gameNumber) const;
    [[nodiscard]] WriteResult writeWinnableDealsOnly(int gameNumber, bool on);

    /// Why the file cannot be read, or nothing when it can or does not exist.
    std::optional<std::string> readProblem() const { return m_file.readProblem(); }
    /// Makes the following writes run into the given failures (for tests).
    void injectWriteFaults(const WriteFaults& faults) { m_file.injectWriteFaults(faults); }

private:
    IniFile m_file;
};

} // namespace vellomir::settings
