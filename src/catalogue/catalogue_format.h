#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellomir::catalogue {

/// The catalogue file's name inside the program directory.
inline constexpr std::string_view kCatalogueFileName = "GAMES.DAT";

/// Section headers: the game list and the parameter columns.
inline constexpr std::string_view kGameListHeader = "[Sect1]";
inline constexpr std::string_view kParameterHeader = "[Sect2]";

/// Layout of a game-list line (0-based offsets into the unscrambled line).
inline constexpr std::size_t kGroupOffset = 0;        // characters 1-3
inline constexpr std::size_t kNumberOffset = 4;       // characters 5-7
inline constexpr std::size_t kAvailabilityOffset = 7; // character 8
inline constexpr std::size_t kChooserMarkOffset = 9;  // character 10
inline constexpr std::size_t kNameOffset = 10;        // characters 11-60
inline constexpr std::size_t kNameWidth = 50;
/// Only game-list lines with this availability mark are offered.
inline constexpr char kAvailableMark = '4';

/// Layout of a parameter line: four plain digits of the index, twelve
/// characters not read, then per game column ten scrambled characters of
/// value and one separator.
inline constexpr std::size_t kIndexWidth = 4;
inline constexpr std::size_t kFirstValueOffset = 16;
inline constexpr std::size_t kValueWidth = 10;
inline constexpr std::size_t kColumnStride = 11;

/// The stored form of a character and back: the ranges 32-79 and 80-127 swap
/// places (a code of 80 or more loses 48, any other gains 48). The mapping is
/// its own inverse for the characters 32-127.
char unscrambleChar(char stored);
inline char scrambleChar(char plain) {
    return unscrambleChar(plain);
}

/// Unscrambles (or scrambles) every character of a text.
std::string unscramble(std::string_view stored);
inline std::string scramble(std::string_view plain) {
    return unscramble(plain);
}

/// The stored value field of game column `column` (0-based) in a parameter
/// line: ten characters, fewer (or none) when the line is shorter.
std::string_view valueField(std::string_view line, int column);

/// The number a stored value field holds: unscrambled, trailing blanks
/// trimmed, a decimal integer that fits in 16 bits. Nothing when it is not.
std::optional<int16_t> parseStoredValue(std::string_view field);

} // namespace vellomir::catalogue
