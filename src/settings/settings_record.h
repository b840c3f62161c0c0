#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vellomir::settings {

/// A field of the settings record: its 1-based position and its width.
struct SettingsField {
    int position;
    int width;
};

/// The fields of the settings record. Every part of the program exchanges
/// preferences and small pieces of game state through these positions.
namespace field {
inline constexpr SettingsField PreferencesFile{1, 20};
inline constexpr SettingsField BackCard{21, 3};
inline constexpr SettingsField Card{24, 3};
inline constexpr SettingsField BackgroundDef{27, 1};
inline constexpr SettingsField BackgroundCol{28, 15};
inline constexpr SettingsField BackgroundBmp{43, 4};
inline constexpr SettingsField BackgroundFixedCol{47, 15};
inline constexpr SettingsField Game{62, 4};
inline constexpr SettingsField ShowTime{66, 1};
inline constexpr SettingsField CardsAnimate{67, 1};
inline constexpr SettingsField Language{68, 6};
inline constexpr SettingsField SpeedMoveCard{74, 2};
inline constexpr SettingsField StatusBar{76, 1};
inline constexpr SettingsField UserDefault{77, 30};
inline constexpr SettingsField ScoringScheme{120, 2};
inline constexpr SettingsField Score{122, 6};
inline constexpr SettingsField CardSize{128, 1};
inline constexpr SettingsField SavedCardSet{129, 3};
inline constexpr SettingsField SavedCardBack{132, 3};
inline constexpr SettingsField FadeBackground{135, 1};
inline constexpr SettingsField ShowScore{136, 1};
inline constexpr SettingsField UndoEnabled{137, 1};
/// "0" once a snapshot was taken on the undo side (138) or the redo side (139).
inline constexpr SettingsField UndoSnapshotState{138, 1};
inline constexpr SettingsField RedoSnapshotState{139, 1};
inline constexpr SettingsField SoundsEnabled{141, 1};
inline constexpr SettingsField SoundsAbout{142, 1};
inline constexpr SettingsField SoundsAutoplay{143, 1};
inline constexpr SettingsField SoundsGameWon{144, 1};
inline constexpr SettingsField SoundsNewGame{145, 1};
inline constexpr SettingsField SoundsRedo{146, 1};
inline constexpr SettingsField SoundsRestart{147, 1};
inline constexpr SettingsField SoundsSplash{148, 1};
inline constexpr SettingsField SoundsShuffle{149, 1};
inline constexpr SettingsField SoundsUndo{151, 1};
inline constexpr SettingsField RandomBackground{152, 1};
inline constexpr SettingsField DealNumber{153, 15};
inline constexpr SettingsField SoundsHiScores{171, 1};
inline constexpr SettingsField Cursor{172, 2};
inline constexpr SettingsField SoundsNewHiScores{174, 1};
inline constexpr SettingsField SoundsPairing{175, 1};
inline constexpr SettingsField SoundsStock{176, 1};
inline constexpr SettingsField SoundsTableau{177, 1};
inline constexpr SettingsField CardsShadowed{178, 1};
inline constexpr SettingsField PilesTT{179, 1};
inline constexpr SettingsField SoundsFaceUp{180, 1};
inline constexpr SettingsField SoundsCardDown{181, 1};
inline constexpr SettingsField SoundsCardUp{182, 1};
inline constexpr SettingsField SoundsRedeal{183, 1};
inline constexpr SettingsField SoundsFoundation{184, 1};
inline constexpr SettingsField ConfirmQuitGame{185, 1};
inline constexpr SettingsField ConfirmEnterHiScores{186, 1};
inline constexpr SettingsField RandomCard{187, 1};
inline constexpr SettingsField RandomDeck{188, 1};
inline constexpr SettingsField GameName{189, 50};
inline constexpr SettingsField AutomaticFaceUp{239, 1};
inline constexpr SettingsField SavedCardSize{240, 1};
inline constexpr SettingsField DealAnimation{241, 1};
inline constexpr SettingsField RedealAnimation{242, 1};
inline constexpr SettingsField VertScrollBar{243, 1};
inline constexpr SettingsField ShowToolTips{244, 1};
inline constexpr SettingsField ShowPilesSize{245, 1};
inline constexpr SettingsField CustomBackgroundPresent{246, 1};
inline constexpr SettingsField RightClickToFoundations{247, 1};
inline constexpr SettingsField RightClickToTableaus{248, 1};
inline constexpr SettingsField DoubleClickToFoundations{249, 1};
inline constexpr SettingsField DoubleClickToTableaus{251, 1};
inline constexpr SettingsField SoundsRedealWithoutAnimation{252, 1};
inline constexpr SettingsField ShowMainPopupMenu{253, 1};
inline constexpr SettingsField ShowPartialHiddenCard{255, 1};
inline constexpr SettingsField ProgramDirectory{501, 200};
} // namespace field

/// The preferences file's name, relative to the program directory.
inline constexpr std::string_view kPreferencesFileName = "DATA/CFG.DAT";

/// The fixed-position text record of 999 positions through which the parts
/// of the program hand each other preferences and small state.
///
/// Positions 1-249, 250-499 and 500-999 live in three text segments. Position
/// 250 and 500 fall on character 0 of their segment: a read there reads from
/// the next position, a write there inserts in front of the segment. No field
/// uses them. Positions from 1000 on are outside the record.
class SettingsRecord {
public:
    /// A record of blanks with the program directory at 501 and the
    /// preferences file name at 1.
    explicit SettingsRecord(std::string_view programDirectory = "");

    /// Stores `value` without its leading blanks, cut or blank-padded to `width`.
    void write(int position, int width, std::string_view value);
    /// Up to `width` characters from `position`, without trailing blanks;
    /// empty text outside the record.
    std::string read(int position, int width) const;
    /// Like read, but leaves `out` untouched when the position is outside the record.
    void readInto(int position, int width, std::string& out) const;

    void write(SettingsField f, std::string_view value) { write(f.position, f.width, value); }
    std::string read(SettingsField f) const { return read(f.position, f.width); }

    /// True when the field reads exactly "Y".
    bool isYes(SettingsField f) const { return read(f) == "Y"; }
    void writeFlag(SettingsField f, bool yes) { write(f, yes ? "Y" : "N"); }
    /// The field as an integer, or `fallback` when it does not hold one.
    int readInt(SettingsField f, int fallback = 0) const;
    /// Writes the number as plain decimal text.
    void writeInt(SettingsField f, long long value);
    /// Writes the number zero-padded to the field width (sign in front).
    void writePadded(SettingsField f, long long value);

    /// The program directory with a trailing "/".
    std::string programDirectory() const { return read(field::ProgramDirectory); }

private:
    std::array<std::string, 3> m_segments;
};

} // namespace vellomir::settings
