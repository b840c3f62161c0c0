#include "catalogue/catalogue_check.h"

#include "catalogue/catalogue_format.h"
#include "catalogue/catalogue_reader.h"

namespace vellomir::catalogue {
namespace {

// The number fields of a game-list line: group (characters 1-3) and game (5-7).
constexpr std::size_t kNumberWidth = 3;
// Every value is followed by its separator, which the last one may lack.
constexpr std::size_t kSeparatorWidth = kColumnStride - kValueWidth;

bool digitsAt(std::string_view text, std::size_t offset, std::size_t width) {
    if (text.size() < offset + width) {
        return false;
    }
    for (const char c : text.substr(offset, width)) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

} // namespace

void checkCatalogue(const std::string& path) {
    const std::shared_ptr<const CatalogueFile> held = CatalogueFile::readShared(path);
    const CatalogueFile& file = *held;
    bool found = false;
    int games = 0;
    for (const SectionLine& line : file.section(kGameListHeader, &found)) {
        const std::string plain = unscramble(line.text);
        if (!digitsAt(plain, kGroupOffset, kNumberWidth) ||
            !digitsAt(plain, kNumberOffset, kNumberWidth) || plain.size() <= kAvailabilityOffset) {
            throw CatalogueError(path,
                                 "the game list line is damaged (it does not start with a "
                                 "group and a game number)",
                                 line.fileLine);
        }
        games += plain[kAvailabilityOffset] == kAvailableMark ? 1 : 0;
    }
    if (!found) {
        throw CatalogueError(path,
                             "the catalogue has no " + std::string(kGameListHeader) + " section");
    }

    const std::vector<SectionLine> lines = file.section(kParameterHeader, &found);
    if (!found) {
        throw CatalogueError(path,
                             "the catalogue has no " + std::string(kParameterHeader) + " section");
    }
    const std::size_t fullLength = kFirstValueOffset + kColumnStride * std::size_t(games);
    int expected = 1;
    for (const SectionLine& line : lines) {
        const std::string index = std::to_string(10000 + expected).substr(1);
        if (expected > kParameterLines || !line.text.starts_with(index)) {
            throw CatalogueError(
                path,
                "the parameter line " + std::string(line.text.substr(0, kIndexWidth)) +
                    " stands where the line of parameter " + std::to_string(expected) + " belongs",
                line.fileLine, expected);
        }
        if (line.text.size() != fullLength && line.text.size() != fullLength - kSeparatorWidth) {
            const std::size_t values =
                line.text.size() < kFirstValueOffset
                    ? 0
                    : (line.text.size() - kFirstValueOffset + kSeparatorWidth) / kColumnStride;
            throw CatalogueError(path,
                                 "the line of parameter " + std::to_string(expected) + " holds " +
                                     std::to_string(line.text.size()) + " characters (" +
                                     std::to_string(values) + " values) instead of " +
                                     std::to_string(fullLength) + " for the " +
                                     std::to_string(games) + " games of the list",
                                 line.fileLine, expected);
        }
        ++expected;
    }
    if (expected <= kParameterLines) {
        const int last = lines.empty() ? 0 : lines.back().fileLine;
        throw CatalogueError(path,
                             "the parameter section ends after " + std::to_string(expected - 1) +
                                 " of its " + std::to_string(kParameterLines) + " lines",
                             last, expected);
    }
}

} // namespace vellomir::catalogue
