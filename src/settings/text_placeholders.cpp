#include "settings/text_placeholders.h"

#include <array>
#include <utility>

namespace vellomir::settings {

std::string replacePlaceholders(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPlaceholders{{
        {"[Program]", kProgramTitle},
        {"[Program_sw]", "Marbleon 2000"},
        {"[GameNum_sw]", "230"},
        {"[GameNum_fw]", "6"},
    }};
    std::string result(text);
    for (const auto& [placeholder, value] : kPlaceholders) {
        const std::size_t at = result.find(placeholder);
        if (at != std::string::npos) {
            result.replace(at, placeholder.size(), value);
        }
    }
    return result;
}

} // namespace vellomir::settings
