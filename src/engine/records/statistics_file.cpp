#include "engine/records/statistics_file.h"

#include "seam/frontend.h"
#include "settings/atomic_file.h"
#include "settings/preference_table.h"
#include "settings/settings_record.h"
#include "settings/text_lines.h"
#include "settings/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace vellomir::engine {
namespace {

constexpr std::string_view kVersionSection = "Version";
constexpr std::string_view kVersionKey = "Version";
constexpr std::string_view kNoVersion = "0000";
constexpr std::string_view kLineEnd = "\r\n";

// The whole score file, or why it cannot be read.
settings::WholeFile loadText(const std::filesystem::path& path) {
    settings::WholeFile file = settings::readWholeFile(path, kMaxScoreFileSize);
    if (file.status == settings::WholeFileStatus::TooLarge) {
        file.problem += ", so it is not a score file";
    }
    return file;
}

} // namespace

SectionValues readSectionKeysInText(std::string_view text, std::string_view section,
                                    const std::vector<std::string>& keys,
                                    const std::vector<std::string>& defaults) {
    SectionValues answer;
    answer.values.resize(keys.size());
    for (std::size_t i = 0; i < keys.size() && i < defaults.size(); ++i) {
        answer.values[i] = defaults[i];
    }
    if (keys.empty()) {
        return answer;
    }
    const std::string header = "[" + std::string(section) + "]";
    std::vector<bool> found(keys.size(), false);
    std::size_t foundCount = 0;
    bool inSection = false;
    settings::forEachLine(text, [&](std::string_view line) {
        if (!inSection) {
            inSection = line.starts_with(header);
            return true;
        }
        if (line.starts_with('[')) {
            return false;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return true;
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (line.starts_with(keys[i])) {
                answer.values[i] = std::string(line.substr(equals + 1));
                if (!found[i]) {
                    found[i] = true;
                    ++foundCount;
                }
                break;
            }
        }
        answer.allFound = foundCount == keys.size();
        return !answer.allFound;
    });
    return answer;
}

SectionValues readSectionKeys(const std::filesystem::path& file, std::string_view section,
                              const std::vector<std::string>& keys,
                              const std::vector<std::string>& defaults) {
    const settings::WholeFile loaded = loadText(file);
    return readSectionKeysInText(loaded.loaded() ? std::string_view(loaded.text)
                                                 : std::string_view(),
                                 section, keys, defaults);
}

std::string upgradedScoreText(std::string_view oldText) {
    std::string text;
    text.reserve(oldText.size() + oldText.size() / 8 + 64);
    text.append("[").append(kVersionSection).append("]").append(kLineEnd);
    text.append(kVersionKey).append("=").append(kScoreFileVersion).append(kLineEnd);
    text.append(kLineEnd);
    const std::string versionHeader = "[" + std::string(kVersionSection) + "]";
    const std::string versionKey = std::string(kVersionKey) + "=";
    settings::forEachLine(oldText, [&](std::string_view line) {
        if (line.starts_with(versionHeader) || line.starts_with(versionKey)) {
            return true;
        }
        if (line.starts_with('0')) {
            // A data line: fixed width, then the mark of the new layout.
            const std::size_t kept = std::min(line.size(), kScoreLineLength);
            text.append(line.substr(0, kept));
            text.append(kScoreLineLength - kept, ' ');
            text.append(" x");
        } else {
            text.append(line);
        }
        text.append(kLineEnd);
        return true;
    });
    return text;
}

bool upgradeScoreFile(const std::filesystem::path& dataFolder, seam::Frontend& frontend,
                      const settings::WriteFaults& faults) {
    const std::filesystem::path scoreFile = dataFolder / kScoreFileName;
    std::error_code ec;
    if (!std::filesystem::exists(scoreFile, ec)) {
        return false;
    }

    bool upgraded = false;
    const settings::WholeFile old = loadText(scoreFile);
    if (!old.loaded()) {
        frontend.showInformation("Cannot read the file " + settings::quoted(scoreFile) + ": " +
                                 old.problem);
    } else {
        const SectionValues version = readSectionKeysInText(
            old.text, kVersionSection, {std::string(kVersionKey)}, {std::string(kNoVersion)});
        if (version.values.front() < kScoreFileVersion) {
            // The new file goes to a temporary "rpl..." beside the old one
            // and is renamed over it only once it is complete on the disk:
            // the old scores survive any failure.
            const settings::WriteResult result =
                settings::replaceFileAtomically(scoreFile, upgradedScoreText(old.text), faults);
            upgraded = result.ok;
            switch (result.failedStep) {
            case settings::WriteStep::None:
                if (!result.ok) {
                    frontend.showInformation(result.message);
                }
                break;
            case settings::WriteStep::Create:
                frontend.showInformation("Error creating temp file.");
                break;
            case settings::WriteStep::Write:
            case settings::WriteStep::Sync:
                frontend.showInformation(result.message);
                break;
            case settings::WriteStep::Rename:
                frontend.showInformation("Error in renaming the file: " +
                                         result.temporary.string() + "\rto: " + scoreFile.string());
                break;
            }
        }
    }
    fixLegacyPreferences(dataFolder, frontend);
    return upgraded;
}

void fixLegacyPreferences(const std::filesystem::path& dataFolder, seam::Frontend& frontend) {
    settings::PreferenceFile preferences(dataFolder / settings::kPreferencesFileName);
    for (const settings::Pref pref : {settings::Pref::CardsAnimate, settings::Pref::ConfirmQuit}) {
        if (preferences.find(pref) != "S") {
            continue;
        }
        if (const settings::WriteResult result = preferences.writeYesNo(pref, true); !result) {
            frontend.showInformation(result.message);
            return;
        }
    }
}

bool playerStatisticsExist(const std::filesystem::path& dataFolder) {
    const std::filesystem::path folder = dataFolder / "DATA";
    std::error_code ec;
    auto isFile = [&](const std::filesystem::path& path) {
        return std::filesystem::is_regular_file(path, ec);
    };

    // A quick look for any name of the pattern first; most folders have none.
    bool anyMatch = false;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= kPlayerStatisticsPrefix.size() + kPlayerStatisticsSuffix.size() &&
            name.starts_with(kPlayerStatisticsPrefix) && name.ends_with(kPlayerStatisticsSuffix) &&
            isFile(it->path())) {
            anyMatch = true;
            break;
        }
    }
    if (!anyMatch) {
        return false;
    }
    for (int n = 0; n <= 99; ++n) {
        const std::string digits = (n < 10 ? "0" : "") + std::to_string(n);
        if (isFile(folder / (std::string(kPlayerStatisticsPrefix) + digits +
                             std::string(kPlayerStatisticsSuffix)))) {
            return true;
        }
    }
    return false;
}

} // namespace vellomir::engine
