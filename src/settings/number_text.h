#pragma once

#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vellomir::settings {

/// Thrown when a text that must hold a decimal integer does not.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);
};

/// Decimal text of `value` zero-padded on the left to `width` characters, with a
/// minus sign in front of the zeros (-1 in width 4 is "-001"). A number that
/// does not fit in `width` characters becomes a run of `width` asterisks.
std::string formatNumber(long long value, int width);

/// Parses a decimal integer with an optional sign. Leading blanks are allowed,
/// anything else that is not a digit is not. Returns nothing on malformed text
/// or a value outside the range of `int`.
std::optional<int> parseInt(std::string_view text);

/// Like parseInt, but throws ConversionError on malformed text.
int toInt(std::string_view text);

/// Parses like parseInt and falls back to `fallback` on malformed text.
int toIntOr(std::string_view text, int fallback);

/// The whole of `text` read as a decimal `Number`: no blanks and no plus
/// sign. Returns nothing when the text is empty, holds anything else, or the
/// value does not fit. Files the program writes itself are read this strictly.
template <typename Number> std::optional<Number> readExactNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace vellomir::settings
