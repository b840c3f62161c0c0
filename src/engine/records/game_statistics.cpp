#include "engine/records/game_statistics.h"

#include "engine/records/game_clock.h"
#include "settings/checked_text.h"
#include "settings/number_text.h"
#include "settings/set_aside.h"
#include "settings/translatable_text.h"
#include "settings/whole_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

namespace vellomir::engine {

namespace {

constexpr std::string_view kHeader = "[Statistics]";
// Version 2 closes with a checksum line; version 1, written before there
// was one, is still read.
constexpr std::string_view kVersionLine = "Version=2";
constexpr std::string_view kUncheckedVersionLine = "Version=1";
constexpr std::string_view kGameSection = "[Game ";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNone = "-";

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.remove_suffix(1);
    }
    return line;
}

template <typename T>
void writeOptional(std::string& text, std::string_view key, const std::optional<T>& value) {
    if (value) {
        text.append(key).append("=").append(std::to_string(*value)).append(kLineEnd);
    }
}

// Sets one figure from a key and its value; false when the value does not
// read. Unknown keys are left alone (a later version may add some).
bool setFigure(GameStatistics& game, std::string_view key, std::string_view value) {
    if (key == "Name") {
        game.name = std::string(value);
        return true;
    }
    const std::optional<long long> number = settings::readExactNumber<long long>(value);
    const auto small = [&](int& into) {
        if (!number || *number < INT32_MIN || *number > INT32_MAX) {
            return false;
        }
        into = static_cast<int>(*number);
        return true;
    };
    // A count of games, or a streak (negative for losses).
    const auto count = [&](int& into) {
        if (!number || *number < -kMostGamesCounted || *number > kMostGamesCounted) {
            return false;
        }
        into = static_cast<int>(*number);
        return true;
    };
    int figure = 0;
    if (key == "Played") {
        return count(game.played);
    }
    if (key == "Won") {
        return count(game.won);
    }
    if (key == "Lost") {
        return count(game.lost);
    }
    if (key == "Streak") {
        return count(game.streak);
    }
    if (key == "LongestWinningStreak") {
        return count(game.longestWinningStreak);
    }
    if (key == "LongestLosingStreak") {
        return count(game.longestLosingStreak);
    }
    if (key == "BestTime") {
        if (!number || *number < 0 || *number > kLongestBestTimeSeconds) {
            return false;
        }
        game.bestTimeSeconds = *number;
        return true;
    }
    if (key == "FewestMoves") {
        if (!small(figure) || figure < 0) {
            return false;
        }
        game.fewestMoves = figure;
        return true;
    }
    if (key == "BestScore") {
        if (!small(figure)) {
            return false;
        }
        game.bestScore = figure;
        return true;
    }
    return true;
}

bool figuresAddUp(const GameStatistics& game) {
    return game.played >= 0 && game.won >= 0 && game.lost >= 0 &&
           game.played == game.won + game.lost && game.longestWinningStreak >= 0 &&
           game.longestLosingStreak >= 0 && game.streak <= game.longestWinningStreak &&
           -game.streak <= game.longestLosingStreak && game.longestWinningStreak <= game.won &&
           game.longestLosingStreak <= game.lost;
}

std::string streakText(int streak) {
    if (streak == 0) {
        return std::string(kNone);
    }
    const int n = std::abs(streak);
    if (streak > 0) {
        return settings::withNumber(
            n == 1 ? VELLOMIR_TEXT("Core", "%1 win") : VELLOMIR_TEXT("Core", "%1 wins"), n);
    }
    return settings::withNumber(
        n == 1 ? VELLOMIR_TEXT("Core", "%1 loss") : VELLOMIR_TEXT("Core", "%1 losses"), n);
}

template <typename T> std::string optionalText(const std::optional<T>& value) {
    return value ? std::to_string(*value) : std::string(kNone);
}

} // namespace

int GameStatistics::percentWon() const {
    return played > 0 ? static_cast<int>((100LL * won + played / 2) / played) : 0;
}

void addResult(StatisticsBook& book, const GameResult& result) {
    GameStatistics& game = book[result.game];
    if (game.played >= kMostGamesCounted) {
        return;
    }
    if (!result.name.empty()) {
        game.name = result.name;
    }
    ++game.played;
    if (result.won) {
        ++game.won;
        game.streak = game.streak > 0 ? game.streak + 1 : 1;
        game.longestWinningStreak = std::max(game.longestWinningStreak, game.streak);
        const long long seconds =
            std::min(std::max(0LL, result.elapsedMs) / 1000, kLongestBestTimeSeconds);
        game.bestTimeSeconds = std::min(game.bestTimeSeconds.value_or(seconds), seconds);
        game.fewestMoves = std::min(game.fewestMoves.value_or(result.moves), result.moves);
    } else {
        ++game.lost;
        game.streak = game.streak < 0 ? game.streak - 1 : -1;
        game.longestLosingStreak = std::max(game.longestLosingStreak, -game.streak);
    }
    game.bestScore = std::max(game.bestScore.value_or(result.score), result.score);
}

std::string statisticsText(const StatisticsBook& book) {
    std::string text;
    text.append(kHeader).append(kLineEnd).append(kVersionLine).append(kLineEnd);
    for (const auto& [number, game] : book) {
        text.append(kLineEnd).append(kGameSection).append(std::to_string(number)).append("]");
        text.append(kLineEnd);
        text.append("Name=").append(game.name).append(kLineEnd);
        const std::pair<std::string_view, int> figures[] = {
            {"Played", game.played},
            {"Won", game.won},
            {"Lost", game.lost},
            {"Streak", game.streak},
            {"LongestWinningStreak", game.longestWinningStreak},
            {"LongestLosingStreak", game.longestLosingStreak}};
        for (const auto& [key, value] : figures) {
            text.append(key).append("=").append(std::to_string(value)).append(kLineEnd);
        }
        writeOptional(text, "BestTime", game.bestTimeSeconds);
        writeOptional(text, "FewestMoves", game.fewestMoves);
        writeOptional(text, "BestScore", game.bestScore);
    }
    return settings::withChecksum(std::move(text), kLineEnd);
}

std::optional<StatisticsBook> parseStatistics(std::string_view text, std::string& problem) {
    StatisticsBook book;
    // An empty file holds no figures to lose: the data folder keeps one as
    // the mark that the program has run before.
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return book;
    }
    const settings::CheckedText checked = settings::checkText(text);
    if (checked.hasChecksum && !checked.matches) {
        problem = "its checksum does not match: the file was changed";
        return std::nullopt;
    }
    const std::string_view versionLine = checked.hasChecksum ? kVersionLine : kUncheckedVersionLine;
    std::istringstream lines{std::string(checked.body)};
    int lineNumber = 0;
    bool header = false;
    bool version = false;
    GameStatistics* game = nullptr;
    int gameNumber = -1;
    const auto fail = [&](const std::string& why) {
        problem = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    const auto checkGame = [&]() { return game == nullptr || figuresAddUp(*game); };
    for (std::string raw; std::getline(lines, raw);) {
        ++lineNumber;
        const std::string_view line = trimmed(raw);
        if (line.empty()) {
            continue;
        }
        if (!header) {
            if (line != kHeader) {
                return fail("the file does not start with " + std::string(kHeader));
            }
            header = true;
            continue;
        }
        if (!version) {
            if (line == kVersionLine && !checked.hasChecksum) {
                return fail("its checksum line is missing");
            }
            if (line != versionLine) {
                return fail("unknown version \"" + std::string(line) + "\"");
            }
            version = true;
            continue;
        }
        if (line.starts_with('[')) {
            if (!checkGame()) {
                return fail("the figures of game " + std::to_string(gameNumber) + " do not add up");
            }
            const std::optional<long long> number =
                line.starts_with(kGameSection) && line.ends_with(']')
                    ? settings::readExactNumber<long long>(
                          line.substr(kGameSection.size(), line.size() - kGameSection.size() - 1))
                    : std::nullopt;
            if (!number || *number < 0 || *number > INT32_MAX ||
                book.contains(static_cast<int>(*number))) {
                return fail("\"" + std::string(line) + "\" is not a game's section");
            }
            gameNumber = static_cast<int>(*number);
            game = &book[gameNumber];
            continue;
        }
        const auto equals = line.find('=');
        if (game == nullptr || equals == std::string_view::npos) {
            return fail("\"" + std::string(line.substr(0, 60)) + "\" is not a figure of a game");
        }
        if (!setFigure(*game, line.substr(0, equals), line.substr(equals + 1))) {
            return fail("the value of \"" + std::string(line.substr(0, 60)) + "\" does not read");
        }
    }
    if (!version) {
        ++lineNumber;
        return fail("the file ends before its header");
    }
    if (!checkGame()) {
        return fail("the figures of game " + std::to_string(gameNumber) + " do not add up");
    }
    return book;
}

std::vector<std::pair<std::string, std::string>> statisticsFigures(const GameStatistics& game) {
    return {
        {VELLOMIR_TEXT("Core", "Played"), std::to_string(game.played)},
        {VELLOMIR_TEXT("Core", "Won"), std::to_string(game.won)},
        {VELLOMIR_TEXT("Core", "Lost"), std::to_string(game.lost)},
        {VELLOMIR_TEXT("Core", "Won share"), std::to_string(game.percentWon()) + "%"},
        {VELLOMIR_TEXT("Core", "Current streak"), streakText(game.streak)},
        {VELLOMIR_TEXT("Core", "Longest winning streak"),
         std::to_string(game.longestWinningStreak)},
        {VELLOMIR_TEXT("Core", "Longest losing streak"), std::to_string(game.longestLosingStreak)},
        {VELLOMIR_TEXT("Core", "Best time"),
         game.bestTimeSeconds ? formatElapsed(*game.bestTimeSeconds * 1000) : std::string(kNone)},
        {VELLOMIR_TEXT("Core", "Fewest moves"), optionalText(game.fewestMoves)},
        {VELLOMIR_TEXT("Core", "Best score"), optionalText(game.bestScore)},
    };
}

std::filesystem::path statisticsPath(const std::filesystem::path& dataFolder) {
    return dataFolder / kStatisticsFileName;
}

StatisticsLoad loadStatistics(const std::filesystem::path& dataFolder, bool setAside) {
    StatisticsLoad load;
    const std::filesystem::path file = statisticsPath(dataFolder);
    const settings::WholeFile text = settings::readWholeFile(file, kMaxStatisticsFileSize);
    if (text.absent()) {
        return load;
    }
    std::string problem = text.problem;
    std::optional<StatisticsBook> book;
    if (text.loaded()) {
        book = parseStatistics(text.text, problem);
    }
    if (book) {
        load.book = std::move(*book);
        return load;
    }
    load.ok = false;
    load.message = "The statistics file \"" + file.string() + "\" is damaged (" + problem + ").";
    if (setAside) {
        const settings::SetAside kept = settings::setAsideFile(file);
        load.message += " " + kept.sentence;
        if (kept.ok) {
            load.message += " The statistics start afresh.";
        }
    }
    return load;
}

settings::WriteResult saveStatistics(const std::filesystem::path& dataFolder,
                                     const StatisticsBook& book,
                                     const settings::WriteFaults& faults) {
    const std::filesystem::path file = statisticsPath(dataFolder);
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    return settings::replaceFileAtomically(file, statisticsText(book), faults);
}

std::vector<std::string> recordResult(const std::filesystem::path& dataFolder,
                                      const GameResult& result) {
    std::vector<std::string> messages;
    StatisticsLoad load = loadStatistics(dataFolder, true);
    if (!load.ok) {
        messages.push_back(load.message);
        std::error_code error;
        if (std::filesystem::exists(statisticsPath(dataFolder), error)) {
            // Left where it was: it must not be overwritten.
            return messages;
        }
    }
    addResult(load.book, result);
    if (const settings::WriteResult written = saveStatistics(dataFolder, load.book); !written) {
        messages.push_back(written.message);
    }
    return messages;
}

std::string createStatisticsFile(const std::filesystem::path& dataFolder) {
    std::error_code error;
    if (std::filesystem::exists(statisticsPath(dataFolder), error)) {
        return {};
    }
    const settings::WriteResult written = saveStatistics(dataFolder, {});
    return written ? std::string() : written.message;
}

} // namespace vellomir::engine
