#include "app/installation_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vellomir::app {
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

WriteResult writeVersionMarker(std::string_view folder) {
    const std::filesystem::path path = std::string(folder) + versionMarkerName();
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        return WriteResult::success();
    }
    return replaceFileAtomically(path, versionMarkerText());
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

} // namespace vellomir::app
