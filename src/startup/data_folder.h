#pragma once

#include "settings/translatable_text.h"

#include <optional>
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

/// The program's own DATA folder that holds the player's files but cannot be
/// written, and the folder used instead.
struct MovedDataFolder {
    std::string unused;
    std::string used;
};

/// The folders of the notice below when the program's own DATA folder holds
/// the player's files but cannot be written, so that `chosen` (another
/// folder) is used; nothing otherwise.
std::optional<MovedDataFolder> movedDataFolder(std::string_view programDirectory,
                                               std::string_view chosen);

/// The notice's text as the window side translates it: "%1" is the unused
/// folder, "%2" the folder used.
inline constexpr const char* kMovedDataFolderText = VELLOMIR_TEXT(
    "Core", "The folder %1 holds your preferences and statistics but cannot be written, so this "
            "run keeps its files in %2 instead: what is in %1 is not used. Make that folder "
            "writable to go on with it.");

/// One paragraph for the player saying where the files are kept now and why
/// (kMovedDataFolderText filled in); empty when no folder was moved.
std::string movedDataFolderNotice(std::string_view programDirectory, std::string_view chosen);

} // namespace vellomir::startup
