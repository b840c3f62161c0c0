#pragma once

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

} // namespace vellomir::settings
