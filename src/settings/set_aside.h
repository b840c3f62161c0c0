#pragma once

#include <filesystem>
#include <string>

namespace vellomir::settings {

/// Suffix of a file the program refused and kept for the player to look at.
inline constexpr std::string_view kSetAsideSuffix = ".damaged";
/// At most this many set-aside copies of one file; later ones stay where they are.
inline constexpr int kMostSetAsideCopies = 99;

/// Where a refused file went.
struct SetAside {
    bool ok = false;
    /// The copy's path when ok.
    std::filesystem::path copy;
    /// One sentence for the player: where the file is now, or why it stays.
    std::string sentence;
};

/// Renames a file the program cannot use to "NAME.damaged" (or
/// "NAME.damaged-2" and on when that exists), never over an existing file.
/// The file is never deleted: when no free name is left or the rename
/// fails, it stays where it is.
SetAside setAsideFile(const std::filesystem::path& file);

} // namespace vellomir::settings
