#include "catalogue_compiler/game_source.h"

#include "catalogue/catalogue_format.h"
#include "catalogue/rule_codes.h"
#include "settings/number_text.h"
#include "settings/whole_file.h"

#include <optional>

namespace vellomir::tools {
namespace {

enum class Part { Header, Parameters, Rules };

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

// A "#" at the start of a line or after a blank starts a comment, unless it
// is the character between the quotes of a character literal.
std::string_view stripComment(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\'') {
            quoted = !quoted;
        } else if (line[i] == '#' && !quoted && (i == 0 || isBlank(line[i - 1]))) {
            return line.substr(0, i);
        }
    }
    return line;
}

bool isPrintable(char c) {
    return c >= 32 && c <= 126;
}

// A whole number written in decimal (an optional sign, then digits only).
std::optional<int> parseWhole(std::string_view text) {
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 9) {
        return std::nullopt;
    }
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    return settings::parseInt(text);
}

class Parser {
public:
    Parser(const std::string& file, std::vector<Diagnostic>& diagnostics)
        : m_diagnostics(diagnostics) {
        m_game.file = file;
    }

    GameSource run(std::string_view text) {
        std::vector<std::string_view> rules;
        int lineNumber = 0;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            ++lineNumber;
            start = end + 1;
            if (m_part == Part::Rules) {
                rules.push_back(line);
                continue;
            }
            handleLine(stripComment(line), lineNumber);
        }
        finishHeader(lineNumber);
        m_game.rulesText = joinRules(rules);
        if (m_part != Part::Rules) {
            report(lineNumber,
                   "the game has no rules text (a [rules] section at the end of the file)");
        } else if (m_game.rulesText.empty()) {
            report(m_game.rulesLine, "the [rules] section holds no text");
        }
        if (!m_sawParameters) {
            report(lineNumber, "the game has no [parameters] section");
        }
        return std::move(m_game);
    }

private:
    void report(int line, std::string message) {
        m_diagnostics.push_back({m_game.file, line, std::move(message)});
    }

    void handleLine(std::string_view raw, int line) {
        const std::string_view text = trim(raw);
        if (text.empty()) {
            return;
        }
        if (text.front() == '[') {
            switchPart(text, line);
            return;
        }
        if (m_part == Part::Header) {
            headerLine(text, line);
        } else {
            parameterLine(text, line);
        }
    }

    void switchPart(std::string_view header, int line) {
        if (header == "[parameters]" && m_part == Part::Header) {
            finishHeader(line);
            m_part = Part::Parameters;
            m_sawParameters = true;
        } else if (header == "[rules]" && m_part == Part::Parameters) {
            m_part = Part::Rules;
            m_game.rulesLine = line;
        } else if (header == "[parameters]" || header == "[rules]") {
            report(line, "the section " + std::string(header) +
                             " is out of place: a game file holds its header, then [parameters], "
                             "then [rules]");
        } else {
            report(line, "unknown section " + std::string(header) +
                             " (expected [parameters] or [rules])");
        }
    }

    void headerLine(std::string_view text, int line) {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos) {
            report(line, "expected \"key: value\" in the game's header");
            return;
        }
        const std::string key(trim(text.substr(0, colon)));
        const std::string_view value = trim(text.substr(colon + 1));
        if (key != "game" && key != "name" && key != "group" && key != "availability" &&
            key != "chooser-mark") {
            report(line, "unknown header key \"" + key +
                             "\" (the keys are game, name, group, availability and chooser-mark)");
            return;
        }
        for (const std::string& seen : m_keys) {
            if (seen == key) {
                report(line, "the header key \"" + key + "\" is given twice");
                return;
            }
        }
        m_keys.push_back(key);
        if (key == "game" || key == "group") {
            const std::optional<int> number = parseWhole(value);
            if (!number || *number < 0 || *number > 999) {
                report(line, "the " + key + " number must be a whole number from 0 to 999, not \"" +
                                 std::string(value) + "\"");
                return;
            }
            if (key == "game") {
                m_game.number = *number;
                m_game.numberLine = line;
            } else {
                m_game.group = *number;
            }
        } else if (key == "name") {
            if (value.empty() || value.size() > catalogue::kNameWidth) {
                report(line, "the name must have 1 to 50 characters");
                return;
            }
            for (char c : value) {
                if (!isPrintable(c)) {
                    report(line, "the name may hold printable ASCII characters only");
                    return;
                }
            }
            m_game.name = std::string(value);
        } else {
            if (value.size() != 1 || !isPrintable(value.front())) {
                report(line, "the " + key + " must be one printable character");
                return;
            }
            (key == "availability" ? m_game.availability : m_game.chooserMark) = value.front();
        }
    }

    void finishHeader(int line) {
        if (m_headerChecked) {
            return;
        }
        m_headerChecked = true;
        for (const char* key : {"game", "name", "group", "availability", "chooser-mark"}) {
            bool seen = false;
            for (const std::string& k : m_keys) {
                seen = seen || k == key;
            }
            if (!seen) {
                report(line, std::string("the header has no \"") + key + ":\" line");
            }
        }
    }

    void parameterLine(std::string_view text, int line) {
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            report(line, "expected \"Name = value\"");
            return;
        }
        const std::string name(trim(text.substr(0, equals)));
        const catalogue::ParameterName* parameter = catalogue::findParameter(name);
        if (parameter == nullptr) {
            report(line, "unknown parameter name \"" + name + "\"");
            return;
        }
        for (const ParameterSetting& earlier : m_game.settings) {
            if (earlier.parameter == parameter) {
                report(line, name + " is already set on line " + std::to_string(earlier.line));
                return;
            }
        }
        ParameterSetting setting;
        setting.parameter = parameter;
        setting.line = line;
        std::string_view rest = trim(text.substr(equals + 1));
        if (rest.starts_with("all") && (rest.size() == 3 || isBlank(rest[3]))) {
            if (parameter->shape == catalogue::ParameterShape::Single) {
                report(line, name + " is a single value; \"all\" is only for per-pile parameters");
                return;
            }
            setting.everyPile = true;
            rest = trim(rest.substr(3));
        }
        if (!readValues(rest, setting, line)) {
            return;
        }
        if (setting.values.empty()) {
            report(line, name + " has no value");
            return;
        }
        const bool single =
            parameter->shape == catalogue::ParameterShape::Single || setting.everyPile;
        if (single && setting.values.size() > 1) {
            report(line, name + (setting.everyPile ? " with \"all\" takes one value"
                                                   : " takes one value"));
            return;
        }
        if (setting.values.size() > static_cast<std::size_t>(parameter->cells())) {
            report(line, name + " has " + std::to_string(setting.values.size()) +
                             " values; there are at most " + std::to_string(parameter->cells()) +
                             " piles of its kind");
            return;
        }
        m_game.settings.push_back(std::move(setting));
    }

    // Whole numbers, character literals ('Q' stands for its code, 81) and
    // the names of named codes (GameType = Pyramid).
    bool readValues(std::string_view rest, ParameterSetting& setting, int line) {
        const catalogue::ParameterName& parameter = *setting.parameter;
        while (!rest.empty()) {
            int value = 0;
            std::size_t used = 0;
            if (rest.front() == '\'') {
                if (rest.size() < 3 || rest[2] != '\'' || !isPrintable(rest[1])) {
                    report(line, "a character value is written as one printable character in "
                                 "quotes, like 'Q'");
                    return false;
                }
                value = static_cast<unsigned char>(rest[1]);
                used = 3;
            } else {
                while (used < rest.size() && !isBlank(rest[used]) && rest[used] != ',') {
                    ++used;
                }
                const std::string_view word = rest.substr(0, used);
                std::optional<int> number = parseWhole(word);
                // A named code (docs/rule_codes.md) stands for its number.
                if (const catalogue::CodeFamily* family =
                        catalogue::codeFamilyOfParameter(parameter.index);
                    !number && family != nullptr) {
                    number = catalogue::codeNamed(*family, word);
                }
                if (!number) {
                    report(line, "\"" + std::string(word) + "\" is not a whole number");
                    return false;
                }
                value = *number;
            }
            if (value < parameter.minValue || value > parameter.maxValue) {
                report(line, std::string(parameter.name) + " value " + std::to_string(value) +
                                 " is out of range " + std::to_string(parameter.minValue) + " to " +
                                 std::to_string(parameter.maxValue));
                return false;
            }
            setting.values.push_back(value);
            rest.remove_prefix(used);
            if (!rest.empty() && !isBlank(rest.front()) && rest.front() != ',') {
                report(line, "values are separated by blanks or commas");
                return false;
            }
            while (!rest.empty() && (isBlank(rest.front()) || rest.front() == ',')) {
                rest.remove_prefix(1);
            }
        }
        return true;
    }

    static std::string joinRules(const std::vector<std::string_view>& lines) {
        std::size_t first = 0;
        std::size_t last = lines.size();
        while (first < last && trim(lines[first]).empty()) {
            ++first;
        }
        while (last > first && trim(lines[last - 1]).empty()) {
            --last;
        }
        std::string text;
        for (std::size_t i = first; i < last; ++i) {
            std::string_view line = lines[i];
            while (!line.empty() && isBlank(line.back())) {
                line.remove_suffix(1);
            }
            text.append(line);
            text.push_back('\n');
        }
        return text;
    }

    GameSource m_game;
    std::vector<Diagnostic>& m_diagnostics;
    std::vector<std::string> m_keys;
    Part m_part = Part::Header;
    bool m_sawParameters = false;
    bool m_headerChecked = false;
};

} // namespace

bool readSourceFile(const std::filesystem::path& path, std::string& text) {
    settings::WholeFile file = settings::readWholeFile(path, kMaxSourceFileSize);
    text = std::move(file.text);
    return file.loaded();
}

std::string formatDiagnostic(const Diagnostic& diagnostic) {
    if (diagnostic.line > 0) {
        return diagnostic.file + ":" + std::to_string(diagnostic.line) + ": " + diagnostic.message;
    }
    return diagnostic.file + ": " + diagnostic.message;
}

const ParameterSetting* GameSource::setting(int index) const {
    for (const ParameterSetting& s : settings) {
        if (s.parameter->index == index) {
            return &s;
        }
    }
    return nullptr;
}

GameSource parseGameFile(const std::string& file, std::string_view text,
                         std::vector<Diagnostic>& diagnostics) {
    return Parser(file, diagnostics).run(text);
}

} // namespace vellomir::tools
