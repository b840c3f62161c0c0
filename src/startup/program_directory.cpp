#include "startup/program_directory.h"

#include <system_error>

namespace vellomir::startup {

// The build says where the installed files lie from the installed executable
// (the GNU folders chosen at configure time); ../share/vellomir by default.
#ifdef VELLOMIR_DATA_FROM_BIN
constexpr const char* kInstalledDataFromExecutable = VELLOMIR_DATA_FROM_BIN;
#else
constexpr const char* kInstalledDataFromExecutable = "../share/vellomir";
#endif

namespace {

bool isFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

std::string withSlash(std::string_view folder) {
    std::string result(folder);
    if (!result.empty() && result.back() != '/') {
        result += '/';
    }
    return result;
}

ProgramLocation locateProgramDirectory(const std::filesystem::path& executableDirectory) {
    std::error_code error;
    std::filesystem::path beside = std::filesystem::absolute(executableDirectory, error);
    if (error) {
        beside = executableDirectory;
    }
    if (isFile(beside / "GAMES.DAT") || isFile(beside / "KAR.RGF")) {
        return {withSlash(beside.string()), false};
    }
    const std::filesystem::path installed =
        std::filesystem::canonical(beside / kInstalledDataFromExecutable, error);
    if (!error && std::filesystem::is_directory(installed, error)) {
        return {withSlash(installed.string()), true};
    }
    return {withSlash(beside.string()), false};
}

ProgramLocation locateOwnProgramDirectory() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        return {"./", false};
    }
    return locateProgramDirectory(self.parent_path());
}

} // namespace vellomir::startup
