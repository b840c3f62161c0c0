#include "startup/installation_files.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <system_error>

namespace vellomir::startup {
namespace {

std::string numbered(std::string_view prefix, int number, int digits, std::string_view suffix) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, number);
    return std::string(prefix) + buffer + std::string(suffix);
}

} // namespace

std::string versionMarkerName() {
    return "KARV" + std::string(kVersionString) + ".DAT";
}

std::string versionMarkerText() {
    return "Marbleon version: " + std::string(kVersionString.substr(0, 2)) + "." +
           std::string(kVersionString.substr(2, 2)) + "\n";
}

settings::WriteResult writeVersionMarker(std::string_view folder) {
    const std::filesystem::path path = std::string(folder) + versionMarkerName();
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return settings::WriteResult::success();
    }
    return settings::replaceFileAtomically(path, versionMarkerText());
}

std::vector<std::vector<std::string>> leftoverFileGroups() {
    std::vector<std::vector<std::string>> groups;

    // Game pictures that are now drawn by the program itself.
    std::vector<std::string> games;
    for (int n = 0; n <= 100; ++n) {
        games.push_back(numbered("IMAGES/GAME", n, 4, ".BMP"));
    }
    groups.push_back(std::move(games));

    // Pile marks in three sizes. The marker file is WB001, which the list
    // below holds too.
    std::vector<std::string> marks{"IMAGES/WB001.BMP"};
    for (const char* prefix : {"IMAGES/WB", "IMAGES/WM", "IMAGES/WP"}) {
        for (int n = 0; n <= 25; ++n) {
            marks.push_back(numbered(prefix, n, 3, ".BMP"));
        }
    }
    groups.push_back(std::move(marks));

    // Card sheets.
    std::vector<std::string> sheets{"IMAGES/CB001C.BMP"};
    for (int n = 1; n <= 5; ++n) {
        for (const char* suit : {"C.BMP", "D.BMP", "H.BMP", "S.BMP"}) {
            sheets.push_back(numbered("IMAGES/CB", n, 3, suit));
        }
    }
    for (const char* prefix : {"IMAGES/CM003", "IMAGES/CL003"}) {
        for (const char* suit : {"C.BMP", "D.BMP", "H.BMP", "S.BMP"}) {
            sheets.push_back(std::string(prefix) + suit);
        }
    }
    groups.push_back(std::move(sheets));

    groups.push_back({"MARBLEON.DLL"});
    return groups;
}

int removeLeftoverFiles(std::string_view programDirectory) {
    int removed = 0;
    for (const std::vector<std::string>& group : leftoverFileGroups()) {
        std::error_code error;
        if (!std::filesystem::exists(std::string(programDirectory) + group.front(), error)) {
            continue;
        }
        for (const std::string& name : group) {
            if (std::filesystem::remove(std::string(programDirectory) + name, error)) {
                ++removed;
            }
        }
    }
    return removed;
}

namespace {

// The process id in a temporary file's name `name` made of `prefix`, the
// id and, when `numbered`, "_" + digits + "_" + digits; -1 when the name is
// not of that form.
long temporaryFileOwner(std::string_view name, std::string_view prefix, bool numbered) {
    if (!name.starts_with(prefix)) {
        return -1;
    }
    name.remove_prefix(prefix.size());
    const std::regex form(numbered ? "([0-9]+)_[0-9]+_[0-9]+" : "([0-9]+)");
    std::match_results<std::string_view::const_iterator> match;
    if (!std::regex_match(name.begin(), name.end(), match, form) || match[1].length() > 9) {
        return -1;
    }
    return std::stol(match[1].str());
}

bool processRuns(long pid) {
    return pid == static_cast<long>(::getpid()) || ::kill(static_cast<pid_t>(pid), 0) == 0 ||
           errno == EPERM;
}

int removeOwnedBy(const std::string& folder, std::string_view prefix, bool numbered) {
    int removed = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const long owner = temporaryFileOwner(name, prefix, numbered);
        std::error_code kind;
        if (owner <= 0 || processRuns(owner) || !it->is_regular_file(kind)) {
            continue;
        }
        std::error_code gone;
        removed += std::filesystem::remove(it->path(), gone) ? 1 : 0;
    }
    return removed;
}

} // namespace

int removeStaleTemporaryFiles(const std::vector<std::string>& folders,
                              std::string_view programDirectory) {
    int removed = 0;
    for (const std::string& folder : folders) {
        removed += removeOwnedBy(folder, settings::kTemporaryPrefix, true);
    }
    removed += removeOwnedBy(std::string(programDirectory), "GAMES.DAT.tmp", false);
    return removed;
}

} // namespace vellomir::startup
