#include "catalogue/catalogue_reader.h"

#include "catalogue/catalogue_format.h"
#include "catalogue/parameter_names.h"
#include "settings/number_text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>

namespace vellomir::catalogue {
namespace {

std::string describeError(const std::string& file, const std::string& message, int line) {
    std::string text = file;
    if (line > 0) {
        text += ", line " + std::to_string(line);
    }
    return text + ": " + message;
}

std::vector<SectionLine> requireSection(const CatalogueFile& file, std::string_view header) {
    bool found = false;
    std::vector<SectionLine> lines = file.section(header, &found);
    if (!found) {
        throw CatalogueError(file.path(),
                             "the catalogue has no " + std::string(header) + " section");
    }
    return lines;
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

int16_t readValue(const CatalogueFile& file, const SectionLine& line, int parameterIndex,
                  int column, int gameNumber) {
    const std::string_view field = valueField(line.text, column);
    const std::optional<int16_t> value = parseStoredValue(field);
    if (!value) {
        std::string what = "parameter " + std::to_string(parameterIndex);
        if (parameterAt(parameterIndex) != nullptr) {
            what += " (" + cellLabel(parameterIndex) + ")";
        }
        what += ", game column " + std::to_string(column) + " (game " + std::to_string(gameNumber) +
                "): ";
        std::string plain = unscramble(field);
        plain.erase(plain.find_last_not_of(' ') + 1);
        what += field.empty() ? std::string("the value is missing")
                              : "the value " + inQuotes(plain) +
                                    " is not a whole number from -32768 to 32767";
        throw CatalogueError(file.path(), what, line.fileLine, parameterIndex, column);
    }
    return *value;
}

int readIndex(const CatalogueFile& file, const SectionLine& line) {
    const std::string_view digits = std::string_view(line.text).substr(0, kIndexWidth);
    bool allDigits = digits.size() == kIndexWidth;
    for (char c : digits) {
        allDigits = allDigits && c >= '0' && c <= '9';
    }
    const int index = allDigits ? settings::toInt(digits) : -1;
    if (index < 0 || index >= GameParameters::kCells) {
        throw CatalogueError(file.path(),
                             "the parameter index " + inQuotes(digits) +
                                 " is not four digits from 0000 to 0400",
                             line.fileLine);
    }
    return index;
}

} // namespace

CatalogueError::CatalogueError(std::string file, const std::string& message, int line,
                               int parameterIndex, int column)
    : std::runtime_error(describeError(file, message, line)), m_file(std::move(file)), m_line(line),
      m_parameterIndex(parameterIndex), m_column(column) {}

CatalogueFile CatalogueFile::read(const std::string& path) {
    std::error_code directoryError;
    if (std::filesystem::is_directory(path, directoryError)) {
        throw CatalogueError(path, "the catalogue file is a folder");
    }
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        const int error = errno;
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            throw CatalogueError(path, "the catalogue file is missing");
        }
        throw CatalogueError(path, std::string("the catalogue file cannot be read: ") +
                                       std::strerror(error));
    }
    const std::streamoff size = in.tellg();
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    in.seekg(0);
    if (size < 0 || !in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
        throw CatalogueError(path, "the catalogue file cannot be read");
    }
    return fromText(path, std::move(text));
}

namespace {

// The catalogue a hold keeps: its path and, once read, its copy.
struct HeldCatalogue {
    std::mutex mutex;
    std::string path;
    std::shared_ptr<const CatalogueFile> file;
};

HeldCatalogue& heldCatalogue() {
    static HeldCatalogue held;
    return held;
}

} // namespace

std::shared_ptr<const CatalogueFile> CatalogueFile::readShared(const std::string& path) {
    HeldCatalogue& held = heldCatalogue();
    const std::lock_guard lock(held.mutex);
    if (held.path.empty() || held.path != path) {
        return std::make_shared<const CatalogueFile>(read(path));
    }
    if (!held.file) {
        held.file = std::make_shared<const CatalogueFile>(read(path));
    }
    return held.file;
}

CatalogueHold::CatalogueHold(std::string path) {
    HeldCatalogue& held = heldCatalogue();
    const std::lock_guard lock(held.mutex);
    held.path = std::move(path);
    held.file.reset();
}

CatalogueHold::~CatalogueHold() {
    HeldCatalogue& held = heldCatalogue();
    const std::lock_guard lock(held.mutex);
    held.path.clear();
    held.file.reset();
}

CatalogueFile CatalogueFile::fromText(std::string path, std::string whole) {
    CatalogueFile file;
    file.m_path = std::move(path);
    file.m_text = std::move(whole);
    const std::string_view text = file.m_text;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::size_t length = end - start;
        if (length > 0 && text[end - 1] == '\r') {
            --length;
        }
        file.m_lines.push_back({start, length});
        start = end + 1;
    }
    return file;
}

std::vector<SectionLine> CatalogueFile::section(std::string_view header, bool* found) const {
    std::vector<SectionLine> lines;
    bool inside = false;
    bool seen = false;
    const std::string_view text = m_text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string_view line = text.substr(m_lines[i].start, m_lines[i].length);
        if (!line.empty() && line.front() == '[') {
            inside = line.starts_with(header);
            seen = seen || inside;
            continue;
        }
        if (inside && !line.empty()) {
            lines.push_back({line, static_cast<int>(i) + 1});
        }
    }
    if (found != nullptr) {
        *found = seen;
    }
    return lines;
}

std::string catalogueFilePath(std::string_view programDirectory) {
    return std::string(programDirectory) + std::string(kCatalogueFileName);
}

void loadGameList(const std::string& path, GameList& list) {
    const std::shared_ptr<const CatalogueFile> held = CatalogueFile::readShared(path);
    const CatalogueFile& file = *held;
    std::vector<std::string> games;
    for (const SectionLine& line : requireSection(file, kGameListHeader)) {
        std::string plain = unscramble(line.text);
        if (plain.size() > kAvailabilityOffset && plain[kAvailabilityOffset] == kAvailableMark) {
            games.push_back(std::move(plain));
        }
    }
    list.entries() = std::move(games);
}

bool loadParameters(const std::string& path, const GameList& games, int gameNumber,
                    GameParameters& params) {
    const int column = games.indexOf(gameNumber);
    if (column < 0) {
        params.clear();
        params.backup();
        return false;
    }
    const std::shared_ptr<const CatalogueFile> held = CatalogueFile::readShared(path);
    const CatalogueFile& file = *held;
    GameParameters loaded;
    for (const SectionLine& line : requireSection(file, kParameterHeader)) {
        const int index = readIndex(file, line);
        loaded.set(index, readValue(file, line, index, column, gameNumber));
    }
    loaded.backup();
    params = loaded;
    return true;
}

std::array<int, 9> readSelectedParameters(const std::string& path, const GameList& games,
                                          int gameNumber, std::span<const int> lineNumbers) {
    std::array<int, 9> values;
    values.fill(-99);
    const int column = games.indexOf(gameNumber);
    if (column < 0) {
        return values;
    }
    const std::shared_ptr<const CatalogueFile> held = CatalogueFile::readShared(path);
    const CatalogueFile& file = *held;
    const std::vector<SectionLine> lines = requireSection(file, kParameterHeader);
    for (std::size_t i = 0; i < values.size() && i < lineNumbers.size(); ++i) {
        const int lineNumber = lineNumbers[i];
        if (lineNumber < 1 || static_cast<std::size_t>(lineNumber) > lines.size()) {
            continue;
        }
        const SectionLine& line = lines[static_cast<std::size_t>(lineNumber - 1)];
        values[i] = readValue(file, line, lineNumber, column, gameNumber);
    }
    return values;
}

} // namespace vellomir::catalogue
