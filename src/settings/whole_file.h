#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace vellomir::settings {

/// How reading a whole file ended.
enum class WholeFileStatus { Loaded, Missing, Failed, TooLarge };

/// A whole file's text, or why it could not be read.
struct WholeFile {
    WholeFileStatus status = WholeFileStatus::Missing;
    std::string text;
    /// Why it could not be read: the system's error text, "it is not a
    /// regular file" or "it is larger than N bytes".
    std::string problem;
    /// The system's error number of a failure to open or read, else 0.
    int error = 0;

    bool loaded() const { return status == WholeFileStatus::Loaded; }
    /// Missing, or a path through something that is not a folder: no file
    /// there, as std::filesystem::exists sees it.
    bool absent() const;
};

/// Reads a regular file of at most `maxBytes` bytes. It reads to the end
/// rather than trusting the size it was told, since the file may change
/// meanwhile, and stops as soon as the text passes the cap.
WholeFile readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace vellomir::settings
