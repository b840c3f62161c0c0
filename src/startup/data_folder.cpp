#include "startup/data_folder.h"

#include "startup/program_directory.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <cstdlib>

namespace vellomir::startup {

std::string chooseDataFolder(std::string_view programDirectory, bool programDirectoryWritable,
                             std::string_view xdgDataHome, std::string_view home) {
    if (programDirectoryWritable) {
        return withSlash(programDirectory);
    }
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        return withSlash(xdgDataHome) + "vellomir/";
    }
    if (!home.empty()) {
        return withSlash(home) + ".local/share/vellomir/";
    }
    return withSlash(programDirectory);
}

bool isWritableDirectory(std::string_view directory) {
    const std::string path = directory.empty() ? std::string(".") : std::string(directory);
    return ::access(path.c_str(), W_OK | X_OK) == 0;
}

bool canHoldDataFolder(std::string_view directory) {
    if (!isWritableDirectory(directory)) {
        return false;
    }
    const std::string data = withSlash(directory.empty() ? std::string_view(".") : directory) +
                             std::string(kDataSubfolder);
    struct stat info {};
    if (::lstat(data.c_str(), &info) != 0) {
        return errno == ENOENT; // made at start-up
    }
    return isWritableDirectory(data) && (S_ISDIR(info.st_mode) || S_ISLNK(info.st_mode));
}

std::optional<MovedDataFolder> movedDataFolder(std::string_view programDirectory,
                                               std::string_view chosen) {
    const std::string beside = withSlash(programDirectory.empty() ? "." : programDirectory);
    if (chosen.empty() || withSlash(chosen) == beside) {
        return std::nullopt;
    }
    const std::string data = beside + std::string(kDataSubfolder);
    bool holdsFiles = false;
    for (const char* name : {"CFG.DAT", "Stat_e00.dat", "SAVEDGAME.DAT"}) {
        holdsFiles = holdsFiles || ::access((data + "/" + name).c_str(), F_OK) == 0;
    }
    if (!holdsFiles) {
        return std::nullopt;
    }
    return MovedDataFolder{data, withSlash(chosen)};
}

std::string movedDataFolderNotice(std::string_view programDirectory, std::string_view chosen) {
    const std::optional<MovedDataFolder> moved = movedDataFolder(programDirectory, chosen);
    return moved ? settings::withTexts(kMovedDataFolderText, {moved->unused, moved->used}) : "";
}

std::string dataFolder(std::string_view programDirectory, bool installed) {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const bool keepBeside = !installed && canHoldDataFolder(programDirectory);
    return chooseDataFolder(programDirectory, keepBeside, xdg ? xdg : "", home ? home : "");
}

} // namespace vellomir::startup
