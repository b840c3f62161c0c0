#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vellomir::startup {

/// Where the program's read-only files (GAMES.DAT, KAR.RGF, marbleon.hlp) are.
struct ProgramLocation {
    /// The program directory, ending with "/".
    std::string directory;
    /// True for an installed program, whose files lie in ../share/vellomir
    /// from its executable: the files it writes then go to the user's data
    /// folder, never beside the installed ones.
    bool installed = false;
};

/// `folder` ending with "/" (an empty text stays empty: the current folder).
std::string withSlash(std::string_view folder);

/// The folder under an installation prefix that holds the program's files
/// (the default layout; the build may choose other GNU folders).
inline constexpr const char* kInstalledDataFolder = "share/vellomir";

/// Finds the program directory from the folder of the executable: the
/// executable's own folder when GAMES.DAT or KAR.RGF lies there (a build
/// folder or a copied program), else ../share/vellomir when that exists,
/// else the executable's folder (whose missing files the start-up reports).
ProgramLocation locateProgramDirectory(const std::filesystem::path& executableDirectory);

/// locateProgramDirectory for the running executable (/proc/self/exe); the
/// current folder when that cannot be read.
ProgramLocation locateOwnProgramDirectory();

} // namespace vellomir::startup
