#include "settings/number_text.h"

#include <charconv>
#include <climits>
#include <cstdlib>

namespace vellomir::settings {

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

std::string formatNumber(long long value, int width) {
    if (width <= 0) {
        return {};
    }
    const bool negative = value < 0;
    // Work in unsigned to keep LLONG_MIN safe.
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    const std::size_t needed = digits.size() + (negative ? 1 : 0);
    if (needed > static_cast<std::size_t>(width)) {
        return std::string(static_cast<std::size_t>(width), '*');
    }
    std::string padded(static_cast<std::size_t>(width) - needed, '0');
    return (negative ? "-" : "") + padded + digits;
}

std::optional<int> parseInt(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') {
        ++start;
    }
    std::string_view rest = text.substr(start);
    if (!rest.empty() && rest.front() == '+') {
        rest.remove_prefix(1);
        if (!rest.empty() && rest.front() == '-') {
            return std::nullopt;
        }
    }
    if (rest.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const char* first = rest.data();
    const char* last = rest.data() + rest.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

int toInt(std::string_view text) {
    const std::optional<int> value = parseInt(text);
    if (!value) {
        throw ConversionError(text);
    }
    return *value;
}

int toIntOr(std::string_view text, int fallback) {
    return parseInt(text).value_or(fallback);
}

} // namespace vellomir::settings
