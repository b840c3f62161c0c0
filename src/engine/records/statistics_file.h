#pragma once

#include "settings/atomic_file.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::seam {
class Frontend;
}

namespace vellomir::engine {

/// The score file of earlier installations, relative to the data folder.
inline constexpr std::string_view kScoreFileName = "DATA/STAT_SCR.DAT";
/// The format version an upgraded score file carries. Versions compare as
/// text: "0299" is older, "0300" and "0301" are current.
inline constexpr std::string_view kScoreFileVersion = "0300";
/// Data lines (those starting with "0") are cut or blank-padded to this
/// length in the upgraded file, then followed by " x".
inline constexpr std::size_t kScoreLineLength = 89;
/// Per-player statistics files are "DATA/Stat_e" + two digits + ".dat".
inline constexpr std::string_view kPlayerStatisticsPrefix = "Stat_e";
inline constexpr std::string_view kPlayerStatisticsSuffix = ".dat";
/// A score file larger than this is not one; it is left alone.
inline constexpr std::size_t kMaxScoreFileSize = 64 * 1024 * 1024;

/// What readSectionKeys found.
struct SectionValues {
    /// One value per key: the file's, or the default when it was not found.
    std::vector<std::string> values;
    /// True when every key was found in the section.
    bool allFound = false;
};

/// Reads `keys` from `section` of a sectioned text file. The section starts
/// at the first line beginning with "[" + section + "]" and ends at the next
/// line beginning with "["; in it, a line beginning with a key (the first
/// that matches, in list order) gives that key everything after the line's
/// first "=". Names match exactly, case included. The search stops as soon as
/// every key is found. Keys without a value keep their default; a missing or
/// unreadable file gives the defaults.
SectionValues readSectionKeys(const std::filesystem::path& file, std::string_view section,
                              const std::vector<std::string>& keys,
                              const std::vector<std::string>& defaults);

/// The same over the text of a file.
SectionValues readSectionKeysInText(std::string_view text, std::string_view section,
                                    const std::vector<std::string>& keys,
                                    const std::vector<std::string>& defaults);

/// The upgraded form of an old score file's text: the header "[Version]",
/// "Version=0300" and an empty line, then every old line except those
/// starting with "[Version]" or "Version=", data lines made 89 characters
/// long and marked " x". Lines end in CR LF.
std::string upgradedScoreText(std::string_view oldText);

/// Brings the score file under `dataFolder` up to version 0300 when it is
/// older (a file without a version counts as "0000"), then rewrites the
/// legacy preference value "S" of Cards_Animate and ConfirmQuit as "Y". A
/// missing score file does nothing at all. The new file replaces the old one
/// atomically, so a failure at any step leaves the old file as it was; each
/// failure is shown to the player and start-up goes on. True when the file
/// was upgraded. `faults` lets tests make the replace fail.
bool upgradeScoreFile(const std::filesystem::path& dataFolder, seam::Frontend& frontend,
                      const settings::WriteFaults& faults = {});

/// Rewrites the preference values "S" of Cards_Animate and ConfirmQuit
/// (section Preference) as "Y" in the preferences file under `dataFolder`.
void fixLegacyPreferences(const std::filesystem::path& dataFolder, seam::Frontend& frontend);

/// True when any per-player statistics file "DATA/Stat_e00.dat" to
/// "DATA/Stat_e99.dat" exists under `dataFolder`. When none does (a first
/// run), the main window opens the game chooser by itself.
bool playerStatisticsExist(const std::filesystem::path& dataFolder);

} // namespace vellomir::engine
