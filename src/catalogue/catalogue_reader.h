#pragma once

#include "catalogue/game_list.h"
#include "catalogue/game_parameters.h"

#include <array>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::catalogue {

/// A catalogue that cannot be used: the file is missing or unreadable, a
/// section is missing, or a line holds what is not a number. what() names the
/// file and, where they apply, the line, the parameter index and the game
/// column; the accessors give them one by one (0 or -1 when they do not apply).
class CatalogueError : public std::runtime_error {
public:
    CatalogueError(std::string file, const std::string& message, int line = 0,
                   int parameterIndex = -1, int column = -1);

    const std::string& file() const { return m_file; }
    int line() const { return m_line; }
    int parameterIndex() const { return m_parameterIndex; }
    int column() const { return m_column; }

private:
    std::string m_file;
    int m_line;
    int m_parameterIndex;
    int m_column;
};

/// One line of a section with its 1-based line number in the file. The text
/// points into the CatalogueFile it came from.
struct SectionLine {
    std::string_view text;
    int fileLine;
};

/// A catalogue file read whole. Trailing carriage returns are dropped.
class CatalogueFile {
public:
    /// Reads the file; throws CatalogueError when it is missing or unreadable.
    static CatalogueFile read(const std::string& path);
    /// The same, but while a CatalogueHold of the path lives, every read
    /// after the first shares the copy that one made.
    static std::shared_ptr<const CatalogueFile> readShared(const std::string& path);
    /// A file from text held in memory, reported under `path`.
    static CatalogueFile fromText(std::string path, std::string text);

    const std::string& path() const { return m_path; }

    /// The lines of every section whose header line starts with `header`
    /// (compared exactly), concatenated in file order. A section runs to the
    /// next line starting with "["; empty lines belong to no section.
    /// `found` tells whether the header occurs at all.
    std::vector<SectionLine> section(std::string_view header, bool* found = nullptr) const;

private:
    struct LineSpan {
        std::size_t start;
        std::size_t length;
    };

    std::string m_path;
    std::string m_text;
    std::vector<LineSpan> m_lines;
};

/// Keeps the catalogue at `path` in memory while it lives, so that the reads
/// of a short stretch (start-up reads the game list, checks the file and
/// loads the first game) read the file once. Only one hold is kept at a
/// time; the file is taken to stay unchanged meanwhile.
class CatalogueHold {
public:
    explicit CatalogueHold(std::string path);
    ~CatalogueHold();
    CatalogueHold(const CatalogueHold&) = delete;
    CatalogueHold& operator=(const CatalogueHold&) = delete;
};

/// The catalogue's path in a program directory (which ends with "/").
std::string catalogueFilePath(std::string_view programDirectory);

/// Replaces `games` with the unscrambled lines of the
/// first section whose availability mark is "4", in file order. Throws
/// CatalogueError when the file cannot be read or has no "[Sect1]"; the list
/// is left unchanged then.
void loadGameList(const std::string& path, GameList& games);

/// Loads the column of game `gameNumber` (its index in the game list) into
/// `params` and refreshes the per-pile backup. A number that is not in the
/// game list (customised games of 8000 and above included) loads no game: the
/// table is cleared, which reads as "no game loaded" (parameter 307 is 0), and
/// the answer is false. Throws CatalogueError on an unreadable file, a missing
/// "[Sect2]" or a malformed index or value; `params` is left unchanged then.
bool loadParameters(const std::string& path, const GameList& games, int gameNumber,
                    GameParameters& params);

/// Reads single values of a game without loading it: for each line number
/// that is not negative, the value on that line of the second section (line n
/// holds parameter n) in the game's column. Values not read, and all values of
/// a game not in the list, are -99. Throws CatalogueError like loadParameters.
std::array<int, 9> readSelectedParameters(const std::string& path, const GameList& games,
                                          int gameNumber, std::span<const int> lineNumbers);

} // namespace vellomir::catalogue
