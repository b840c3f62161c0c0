#include "catalogue/catalogue_format.h"

#include "settings/number_text.h"

namespace vellomir::catalogue {

char unscrambleChar(char stored) {
    const int code = static_cast<unsigned char>(stored);
    return static_cast<char>(code >= 80 ? code - 48 : code + 48);
}

std::string unscramble(std::string_view stored) {
    std::string plain(stored);
    for (char& c : plain) {
        c = unscrambleChar(c);
    }
    return plain;
}

std::string_view valueField(std::string_view line, int column) {
    if (column < 0) {
        return {};
    }
    const std::size_t start = kFirstValueOffset + kColumnStride * static_cast<std::size_t>(column);
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, kValueWidth);
}

std::optional<int16_t> parseStoredValue(std::string_view field) {
    // Fields are ten characters; unscramble into a small buffer without
    // allocating, since a game load reads four hundred of them.
    char plain[kValueWidth];
    if (field.size() > kValueWidth) {
        return std::nullopt;
    }
    std::size_t length = field.size();
    for (std::size_t i = 0; i < length; ++i) {
        plain[i] = unscrambleChar(field[i]);
    }
    while (length > 0 && plain[length - 1] == ' ') {
        --length;
    }
    const std::optional<int> value = settings::parseInt(std::string_view(plain, length));
    if (!value || *value < INT16_MIN || *value > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<int16_t>(*value);
}

} // namespace vellomir::catalogue
