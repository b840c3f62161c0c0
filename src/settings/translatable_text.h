#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

/// Marks a text the core hands to the screen (a message, a question, a word
/// of the statistics) so that the translation tools collect it in `context`;
/// the window side translates it in that context where it shows it. The
/// core itself always works with the English text.
#define VELLOMIR_TEXT(context, text) text

namespace vellomir::settings {

/// A marked text with its "%1" replaced by `number`: the window side finds
/// the marked text again from the digits and translates it whole.
inline std::string withNumber(std::string_view text, long long number) {
    std::string result(text);
    if (const auto at = result.find("%1"); at != std::string::npos) {
        result.replace(at, 2, std::to_string(number));
    }
    return result;
}

/// A marked text with every "%1", "%2"... replaced by the texts in their
/// order (as QString::arg does where the text is shown translated).
inline std::string withTexts(std::string_view text, std::initializer_list<std::string_view> texts) {
    std::string result;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[at] == '%' && next >= '1' && next <= '9' && index < texts.size()) {
            result += *(texts.begin() + index);
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}

} // namespace vellomir::settings
