#pragma once

#include <string>
#include <string_view>

namespace vellomir::startup {

/// The folder under which the program writes its files (the DATA folder with
/// the preferences, the version marker), with a trailing "/".
///
/// That is the program directory when the program may write there and in
/// its DATA folder. A
/// read-only installation writes to `$XDG_DATA_HOME/vellomir/` instead, or
/// to `~/.local/share/vellomir/` when XDG_DATA_HOME is unset, empty or not
/// an absolute path. With neither variable usable the program directory is
/// kept, and the writes there report their failure.
std::string chooseDataFolder(std::string_view programDirectory, bool programDirectoryWritable,
                             std::string_view xdgDataHome, std::string_view home);

/// True when files can be created in `directory`.
bool isWritableDirectory(std::string_view directory);

/// The folder of the preferences and other per-player files inside a data folder.
inline constexpr std::string_view kDataSubfolder = "DATA";

/// True when `directory` can keep the program's files: it can be written,
/// and its DATA folder is missing (it will be made) or is a folder that can
/// be written.
bool canHoldDataFolder(std::string_view directory);

/// chooseDataFolder for this process: it looks at the program directory and
/// the environment. An installed program (`installed`, its files found under
/// share/vellomir) never writes beside its installed files, even where it
/// could: a package manager owns that folder and would drop what the player
/// kept there.
std::string dataFolder(std::string_view programDirectory, bool installed = false);

/// When the program's own DATA folder holds the player's files but cannot
/// be written, so that `chosen` (another folder) is used: one paragraph for
/// the player saying where the files are kept now and why. Empty otherwise.
std::string movedDataFolderNotice(std::string_view programDirectory, std::string_view chosen);

} // namespace vellomir::startup
