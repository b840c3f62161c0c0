#pragma once

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vellomir::settings {

/// The step of an atomic replace that failed.
enum class WriteStep { None, Create, Write, Sync, Rename };

/// The outcome of writing a file: success, or a message that names the file
/// and says what went wrong.
struct WriteResult {
    bool ok = true;
    std::string message;
    /// Which step of a replace failed (None for other failures).
    WriteStep failedStep = WriteStep::None;
    /// The temporary file that step worked on; it has been removed again.
    std::filesystem::path temporary;

    explicit operator bool() const { return ok; }
    static WriteResult success() { return {}; }
    static WriteResult failure(std::string message) {
        WriteResult result;
        result.ok = false;
        result.message = std::move(message);
        return result;
    }
};

/// Failures a test can make an atomic replace run into, to check that the
/// old file survives them.
struct WriteFaults {
    /// Creating the temporary file fails with `error`.
    bool failCreate = false;
    /// The write fails with `error` once this many bytes have been written.
    std::optional<std::size_t> failAfterBytes;
    /// Flushing the new file to the disk fails with `error`.
    bool failSync = false;
    /// Renaming the new file over the old one fails with `error`.
    bool failRename = false;
    int error = ENOSPC;
};

/// Prefix of the temporary file a replace writes first, in the same folder.
inline constexpr std::string_view kTemporaryPrefix = "rpl";

/// Replaces the file at `path` by `contents` so that, whatever happens, the
/// file holds either its old bytes or all the new ones: the contents go to a
/// temporary file "rpl..." in the same folder, which is flushed to the disk
/// and then renamed over the old file. On failure the temporary is removed,
/// the old file is untouched and the result names the file and the reason.
/// A new file gets the old one's permissions (or the usual ones when there
/// was none). When `path` is a symbolic link, the file it points to is replaced.
WriteResult replaceFileAtomically(const std::filesystem::path& path, std::string_view contents,
                                  const WriteFaults& faults = {});

/// Remembers that nothing can be written under `folder` and that the player
/// has been told so once: from now on every replace under it fails with an
/// empty message, which the reporters do not show again.
void markFolderUnwritable(const std::filesystem::path& folder);
/// True when `path` lies under a folder marked unwritable.
bool isUnderUnwritableFolder(const std::filesystem::path& path);

/// The text of an operating-system error number.
std::string errorText(int error);

/// A path in double quotes, as the messages about files name it.
std::string quoted(const std::filesystem::path& path);

} // namespace vellomir::settings
