#include "settings/ini_file.h"

#include "settings/whole_file.h"

#include "settings/text_lines.h"

#include "settings/number_text.h"

#include <algorithm>
#include <vector>

namespace vellomir::settings {
namespace {

// --- Reading the file -------------------------------------------------------

WholeFile loadFile(const std::filesystem::path& path) {
    return readWholeFile(path, IniFile::kMaxSize);
}

// --- Understanding the lines ------------------------------------------------

enum class LineKind { Blank, Comment, Section, Key, Other };

struct Line {
    std::string_view text; // the whole line without its line end
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // key value, trimmed
};

struct ParsedFile {
    std::vector<Line> lines;
    bool crlf = false;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

Line parseLine(std::string_view text) {
    Line line;
    line.text = text;
    const std::string_view body = trim(text);
    if (body.empty()) {
        line.kind = LineKind::Blank;
    } else if (body.front() == ';' || body.front() == '#') {
        line.kind = LineKind::Comment;
    } else if (body.front() == '[') {
        line.kind = LineKind::Section;
        const std::size_t close = body.find(']');
        line.name = trim(body.substr(1, close == std::string_view::npos ? body.npos : close - 1));
    } else if (const std::size_t equals = body.find('='); equals != std::string_view::npos) {
        line.name = trim(body.substr(0, equals));
        line.value = trim(body.substr(equals + 1));
        line.kind = line.name.empty() ? LineKind::Other : LineKind::Key;
    }
    return line;
}

// The views point into `text`, which must outlive the result.
ParsedFile parse(std::string_view text) {
    ParsedFile parsed;
    const std::size_t firstEnd = text.find('\n');
    parsed.crlf = firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r';
    forEachLine(text, [&](std::string_view content) {
        parsed.lines.push_back(parseLine(content));
        return true;
    });
    return parsed;
}

// Where a key is, or where a new one would go.
struct Location {
    std::optional<std::size_t> key;
    std::optional<std::size_t> section; // header of the section's first appearance
    std::size_t insertAfter = 0;        // last key or other line of that appearance
};

Location locate(const ParsedFile& parsed, std::string_view section, std::string_view key) {
    Location where;
    bool inSection = false;
    bool inFirstAppearance = false;
    for (std::size_t i = 0; i < parsed.lines.size(); ++i) {
        const Line& line = parsed.lines[i];
        switch (line.kind) {
        case LineKind::Section:
            inSection = sameName(line.name, section);
            inFirstAppearance = inSection && !where.section;
            if (inFirstAppearance) {
                where.section = i;
                where.insertAfter = i;
            }
            break;
        case LineKind::Key:
            if (inSection && sameName(line.name, key)) {
                where.key = i;
                return where;
            }
            [[fallthrough]];
        case LineKind::Other:
            if (inFirstAppearance) {
                where.insertAfter = i;
            }
            break;
        case LineKind::Blank:
        case LineKind::Comment:
            break;
        }
    }
    return where;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// Why a section, key and value cannot be written as lines of the file, or
// nothing when they can.
std::optional<std::string> unstorable(std::string_view section, std::string_view key,
                                      std::string_view value) {
    if (section.empty() || trim(section) != section || hasLineBreak(section) ||
        section.find(']') != std::string_view::npos) {
        return "the section name \"" + std::string(section) + "\" cannot be stored";
    }
    if (key.empty() || trim(key) != key || hasLineBreak(key) ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
        key.front() == '#') {
        return "the key name \"" + std::string(key) + "\" cannot be stored";
    }
    if (hasLineBreak(value)) {
        return "the value of " + std::string(key) + " holds a line break";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> IniFile::find(std::string_view section, std::string_view key) const {
    const WholeFile file = loadFile(m_path);
    if (!file.loaded()) {
        return std::nullopt;
    }
    const ParsedFile parsed = parse(file.text);
    const Location where = locate(parsed, section, key);
    if (!where.key) {
        return std::nullopt;
    }
    return std::string(parsed.lines[*where.key].value);
}

std::string IniFile::readText(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    std::optional<std::string> value = find(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

int IniFile::readInt(std::string_view section, std::string_view key, int fallback) const {
    const std::optional<std::string> value = find(section, key);
    return value ? toIntOr(*value, fallback) : fallback;
}

std::optional<std::string> IniFile::readProblem() const {
    const WholeFile file = loadFile(m_path);
    if (file.status == WholeFileStatus::Missing || file.loaded()) {
        return std::nullopt;
    }
    return "Cannot read the file " + quoted(m_path) + ": " + file.problem;
}

WriteResult IniFile::writeText(std::string_view section, std::string_view key,
                               std::string_view value) {
    const IniEntry entry{section, key, value};
    return writeEntries(std::span<const IniEntry>(&entry, 1));
}

WriteResult IniFile::writeEntries(std::span<const IniEntry> entries) {
    for (const IniEntry& entry : entries) {
        if (const std::optional<std::string> problem =
                unstorable(entry.section, entry.key, entry.value)) {
            return WriteResult::failure("Cannot write the file " + quoted(m_path) + ": " +
                                        *problem);
        }
    }
    if (isUnderUnwritableFolder(m_path)) {
        return WriteResult::failure(""); // the player has been told once
    }
    const WholeFile file = loadFile(m_path);
    if (!file.loaded() && file.status != WholeFileStatus::Missing) {
        // Writing now would replace what we could not read: refuse instead.
        return WriteResult::failure("Cannot write the file " + quoted(m_path) +
                                    ": it cannot be read (" + file.problem + ")");
    }
    // Each entry changes the text in memory; the file is replaced once.
    std::string text = file.text;
    for (const IniEntry& entry : entries) {
        const ParsedFile parsed = parse(text);
        const Location where = locate(parsed, entry.section, entry.key);

        std::vector<std::string_view> lines;
        lines.reserve(parsed.lines.size() + 2);
        for (const Line& line : parsed.lines) {
            lines.push_back(line.text);
        }
        // A key keeps the spelling it already has in the file.
        const std::string newLine =
            std::string(where.key ? parsed.lines[*where.key].name : entry.key) + "=" +
            std::string(entry.value);
        const std::string header = "[" + std::string(entry.section) + "]";
        if (where.key) {
            lines[*where.key] = newLine;
        } else if (where.section) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(where.insertAfter) + 1,
                         newLine);
        } else {
            lines.push_back(header);
            lines.push_back(newLine);
        }

        const std::string_view lineEnd = parsed.crlf ? "\r\n" : "\n";
        std::string changed;
        changed.reserve(text.size() + newLine.size() + header.size() + 8);
        for (std::string_view line : lines) {
            changed.append(line);
            changed.append(lineEnd);
        }
        text = std::move(changed);
    }
    return replaceFileAtomically(m_path, text, m_faults);
}

WriteResult IniFile::writeInt(std::string_view section, std::string_view key, long long value) {
    return writeText(section, key, std::to_string(value));
}

} // namespace vellomir::settings
