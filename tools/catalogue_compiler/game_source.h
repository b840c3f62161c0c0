#pragma once

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_names.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::tools {

/// The largest game or help source file the tools read.
inline constexpr std::size_t kMaxSourceFileSize = 16 * 1024 * 1024;

/// The whole text of a source file; false when it cannot be read or is
/// larger than kMaxSourceFileSize.
bool readSourceFile(const std::filesystem::path& path, std::string& text);

/// A problem found in a game file, reported as "file:line: message".
struct Diagnostic {
    std::string file;
    int line = 0;
    std::string message;
};

std::string formatDiagnostic(const Diagnostic& diagnostic);

/// One "Name = values" line of a game file.
struct ParameterSetting {
    const catalogue::ParameterName* parameter = nullptr;
    std::vector<int> values;
    bool everyPile = false; // "all V": V for every pile of the kind
    int line = 0;
};

/// A game as written in its source file, and the column it compiles to.
struct GameSource {
    std::string file;
    int number = -1;
    int numberLine = 0;
    int group = -1;
    char availability = ' ';
    char chooserMark = ' ';
    std::string name;
    std::string rulesText;
    int rulesLine = 0; // the line of the [rules] header; 0 when the file has none
    std::vector<ParameterSetting> settings;

    /// Parameter n of the game's column; filled by resolveGame (0 when unset).
    std::array<int, catalogue::GameParameters::kCells> column{};

    /// The setting of a parameter, or nullptr when the file does not name it.
    const ParameterSetting* setting(int index) const;
};

/// Reads one game file. Syntax errors, unknown names and values out of range
/// are appended to `diagnostics`; the game holds whatever could be read.
GameSource parseGameFile(const std::string& file, std::string_view text,
                         std::vector<Diagnostic>& diagnostics);

} // namespace vellomir::tools
