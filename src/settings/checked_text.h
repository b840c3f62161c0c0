#pragma once

#include <string>
#include <string_view>

namespace vellomir::settings {

/// The key of the line that closes a checked file: the 64-bit FNV-1a hash
/// of every byte before that line, as 16 lowercase hexadecimal digits.
inline constexpr std::string_view kChecksumKey = "Checksum";

/// The 16 digits of the hash of `text`.
std::string checksumDigits(std::string_view text);

/// `text`, which ends with `lineEnd`, closed by its checksum line.
std::string withChecksum(std::string text, std::string_view lineEnd);

/// A file's text split at its checksum line.
struct CheckedText {
    /// The last line is a checksum line.
    bool hasChecksum = false;
    /// The checksum line matches the bytes before it exactly.
    bool matches = false;
    /// The text before the checksum line (the whole text when there is none).
    std::string_view body;
};

/// Looks for the checksum line at the end of `text` (which must be the last
/// line, ended by one line end) and checks it. Any changed byte of the body
/// or of the line itself makes it not match.
CheckedText checkText(std::string_view text);

} // namespace vellomir::settings
