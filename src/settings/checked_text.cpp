#include "settings/checked_text.h"

#include <cstdint>

namespace vellomir::settings {
namespace {

constexpr std::size_t kDigits = 16;

} // namespace

std::string checksumDigits(std::string_view text) {
    constexpr std::uint64_t kOffset = 14695981039346656037ULL;
    constexpr std::uint64_t kPrime = 1099511628211ULL;
    std::uint64_t hash = kOffset;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * kPrime;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string digits(kDigits, '0');
    for (std::size_t i = kDigits; i-- > 0; hash >>= 4) {
        digits[i] = kHex[hash & 0xF];
    }
    return digits;
}

std::string withChecksum(std::string text, std::string_view lineEnd) {
    const std::string digits = checksumDigits(text);
    text.append(kChecksumKey).append("=").append(digits).append(lineEnd);
    return text;
}

CheckedText checkText(std::string_view text) {
    CheckedText checked;
    checked.body = text;
    std::string_view rest = text;
    if (!rest.ends_with('\n')) {
        return checked;
    }
    rest.remove_suffix(1);
    if (rest.ends_with('\r')) {
        rest.remove_suffix(1);
    }
    const std::size_t lastBreak = rest.rfind('\n');
    const std::size_t lineStart = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    const std::string_view line = rest.substr(lineStart);
    if (!line.starts_with(kChecksumKey) || line.size() <= kChecksumKey.size() ||
        line[kChecksumKey.size()] != '=') {
        return checked;
    }
    checked.hasChecksum = true;
    checked.body = text.substr(0, lineStart);
    const std::string_view digits = line.substr(kChecksumKey.size() + 1);
    checked.matches = digits == checksumDigits(checked.body);
    return checked;
}

} // namespace vellomir::settings
