#pragma once

#include <string>
#include <string_view>

namespace vellomir::settings {

/// The program's title, shown in the caption and the about box.
inline constexpr std::string_view kProgramTitle = "Vellomir";

/// Replaces the placeholders of a text shown to the player: "[Program]" by
/// the title, "[Program_sw]" by "Marbleon 2000", "[GameNum_sw]" by "230" and
/// "[GameNum_fw]" by "6". Only the first occurrence of each is replaced.
std::string replacePlaceholders(std::string_view text);

} // namespace vellomir::settings
