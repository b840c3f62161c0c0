#pragma once

#include "settings/atomic_file.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vellomir::settings {

/// One key's new value.
struct IniEntry {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

/// An INI-format text file: "[Section]" lines and "Key=Value" lines.
///
/// Section and key names match without regard to case; blanks around names,
/// around "=" and around values do not count. Every call opens, reads or
/// writes, and closes the file: nothing is kept between calls, so what
/// another part of the program wrote is seen at once.
///
/// Reading never fails: a missing or unreadable file, a missing key, or a
/// malformed number gives the caller's default. When a key appears twice in
/// a section the first one counts. A key before any section belongs to none.
///
/// Writing keeps every other line as it was (comments and lines it does not
/// understand included) and the file's line ends (CRLF or LF). The file is
/// replaced atomically: a failed write leaves it as it was and says why.
class IniFile {
public:
    /// Files larger than this are refused: a preferences file is a few
    /// kilobytes, so anything this big is not one.
    static constexpr std::size_t kMaxSize = 16 * 1024 * 1024;

    explicit IniFile(std::filesystem::path path) : m_path(std::move(path)) {}

    const std::filesystem::path& path() const { return m_path; }

    /// The value of `key` in `section`, or `fallback` when there is none.
    std::string readText(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
    /// The value as a decimal integer, or `fallback` when there is none or it
    /// is not a valid integer.
    int readInt(std::string_view section, std::string_view key, int fallback) const;
    /// The value, or nothing when the key is not in the section.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    /// Sets `key` in `section` to `value`: the first such key is updated, a
    /// new key goes after the section's last key, a new section at the end.
    /// A missing file is created. Names and values that cannot be stored in
    /// a line of the file (line breaks, "=" in a key, "]" in a section) are
    /// refused.
    WriteResult writeText(std::string_view section, std::string_view key, std::string_view value);
    WriteResult writeInt(std::string_view section, std::string_view key, long long value);
    /// Sets several keys as writeText does, with one replace of the file:
    /// all of them are kept, or (on failure) none.
    WriteResult writeEntries(std::span<const IniEntry> entries);

    /// Why the file cannot be read, or nothing when it can or does not exist.
    std::optional<std::string> readProblem() const;

    /// Makes the following writes run into the given failures (for tests).
    void injectWriteFaults(const WriteFaults& faults) { m_faults = faults; }

private:
    std::filesystem::path m_path;
    WriteFaults m_faults;
};

} // namespace vellomir::settings
