#pragma once

#include "settings/atomic_file.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellomir::engine {

/// The first player's statistics file, under the data folder.
inline constexpr std::string_view kStatisticsFileName = "DATA/Stat_e00.dat";
/// A statistics file larger than this is not one.
inline constexpr std::size_t kMaxStatisticsFileSize = 4 * 1024 * 1024;
/// The most games a game's figures count (played, won, lost, streaks), and
/// the longest best time in seconds, that a file may hold: far beyond any
/// player, and small enough that no sum, negation or conversion to
/// milliseconds of them overflows.
inline constexpr int kMostGamesCounted = 1'000'000'000;
inline constexpr long long kLongestBestTimeSeconds = 1'000'000'000;

/// How a game ended, for the statistics: won, or abandoned after its first
/// move (a game left before any move counts nothing).
struct GameResult {
    int game = -1;
    std::string name;
    bool won = false;
    long long elapsedMs = 0;
    int moves = 0;
    int score = 0;
};

/// One game's figures.
struct GameStatistics {
    std::string name;
    int played = 0;
    int won = 0;
    int lost = 0;
    /// The current streak: wins in a row when above 0, losses when below.
    int streak = 0;
    int longestWinningStreak = 0;
    int longestLosingStreak = 0;
    /// Of the games won: the shortest time in seconds, the fewest moves.
    std::optional<long long> bestTimeSeconds;
    std::optional<int> fewestMoves;
    /// The best score of any game played.
    std::optional<int> bestScore;

    /// The share of the games played that were won, in whole per cent.
    int percentWon() const;
    friend bool operator==(const GameStatistics&, const GameStatistics&) = default;
};

/// Every game's figures, by game number.
using StatisticsBook = std::map<int, GameStatistics>;

/// Counts a result in; a game that has counted kMostGamesCounted games
/// counts no more.
void addResult(StatisticsBook& book, const GameResult& result);

/// The file's text, and back. Reading refuses (with the reason) anything
/// that is not a statistics file: no header, a line that is neither a
/// section nor a key, a number that does not read, figures that do not add up.
std::string statisticsText(const StatisticsBook& book);
std::optional<StatisticsBook> parseStatistics(std::string_view text, std::string& problem);

/// A game's figures as labelled lines, as the dialog and the command line
/// show them: played, won, lost, share won, streaks, best time, fewest
/// moves and best score.
std::vector<std::pair<std::string, std::string>> statisticsFigures(const GameStatistics& game);

/// What loading the statistics file found.
struct StatisticsLoad {
    StatisticsBook book;
    /// False when the file could not be read or was damaged.
    bool ok = true;
    /// For the player when not ok: what was wrong, and where a damaged file
    /// was kept.
    std::string message;
};

/// The statistics file's path under `dataFolder`.
std::filesystem::path statisticsPath(const std::filesystem::path& dataFolder);

/// Reads the statistics. A missing file is an empty book. A damaged file is
/// never overwritten: with `setAside` it is renamed ("Stat_e00.dat.damaged",
/// or with a number when that exists) and the book starts empty; without,
/// the load only reports it.
StatisticsLoad loadStatistics(const std::filesystem::path& dataFolder, bool setAside);

/// Writes the book atomically.
settings::WriteResult saveStatistics(const std::filesystem::path& dataFolder,
                                     const StatisticsBook& book,
                                     const settings::WriteFaults& faults = {});

/// Counts a result into the file: reads it afresh, adds, writes. The
/// messages for the player (a damaged file set aside, a write that failed);
/// empty when all went well.
std::vector<std::string> recordResult(const std::filesystem::path& dataFolder,
                                      const GameResult& result);

/// Creates an empty statistics file when there is none (the first run);
/// the message of a failure, empty otherwise.
std::string createStatisticsFile(const std::filesystem::path& dataFolder);

} // namespace vellomir::engine
