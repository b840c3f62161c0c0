#include "engine/records/game_statistics.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vellomir::engine {
namespace {

GameResult result(int game, bool won, long long seconds = 0, int moves = 0, int score = 0) {
    GameResult r;
    r.game = game;
    r.name = "Game " + std::to_string(game);
    r.won = won;
    r.elapsedMs = seconds * 1000 + 999;
    r.moves = moves;
    r.score = score;
    return r;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& path, std::string_view text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string figure(const GameStatistics& game, std::string_view label) {
    for (const auto& [name, value] : statisticsFigures(game)) {
        if (name == label) {
            return value;
        }
    }
    return "(none)";
}

// Wins and losses in a row make the streaks; the best time and the fewest
// moves come from wins only, the best score from every game.
TEST(GameStatistics, StreaksAndBestsFollowTheResults) {
    StatisticsBook book;
    addResult(book, result(1, true, 300, 120, 40));
    addResult(book, result(1, true, 200, 150, 10));
    addResult(book, result(1, false, 50, 3, 90));
    addResult(book, result(1, false, 10, 2, -52));
    addResult(book, result(1, false, 10, 1, -52));
    addResult(book, result(1, true, 400, 90, 0));
    const GameStatistics& game = book.at(1);
    EXPECT_EQ(game.played, 6);
    EXPECT_EQ(game.won, 3);
    EXPECT_EQ(game.lost, 3);
    EXPECT_EQ(game.streak, 1);
    EXPECT_EQ(game.longestWinningStreak, 2);
    EXPECT_EQ(game.longestLosingStreak, 3);
    EXPECT_EQ(game.bestTimeSeconds, 200);
    EXPECT_EQ(game.fewestMoves, 90);
    EXPECT_EQ(game.bestScore, 90);
    EXPECT_EQ(game.percentWon(), 50);
    EXPECT_EQ(figure(game, "Won share"), "50%");
    EXPECT_EQ(figure(game, "Current streak"), "1 win");
    EXPECT_EQ(figure(game, "Best time"), "0:03:20");
    EXPECT_EQ(book.count(2), 0U);

    // A lost game has no best time or fewest moves.
    addResult(book, result(2, false, 10, 4, -40));
    EXPECT_EQ(figure(book.at(2), "Best time"), "-");
    EXPECT_EQ(figure(book.at(2), "Fewest moves"), "-");
    EXPECT_EQ(figure(book.at(2), "Current streak"), "1 loss");
    EXPECT_EQ(figure(book.at(2), "Best score"), "-40");
}

TEST(GameStatistics, TextReadsBackAsWritten) {
    StatisticsBook book;
    addResult(book, result(1, true, 61, 80, 52));
    addResult(book, result(1, false));
    addResult(book, result(33, false, 5, 1, -104));
    book.at(33).name = "Forty Thieves";
    std::string problem;
    const std::optional<StatisticsBook> read = parseStatistics(statisticsText(book), problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(*read, book);
    // The empty book is a file too: the one the first run makes; an empty
    // text (the mark an earlier run leaves) holds no figures either.
    EXPECT_EQ(parseStatistics(statisticsText({}), problem), StatisticsBook{});
    // So is a file with nothing in it: the mark an earlier run leaves.
    EXPECT_EQ(parseStatistics("", problem), StatisticsBook{});
    EXPECT_EQ(parseStatistics("\r\n", problem), StatisticsBook{});
}

// The text as the version before the checksum wrote it.
std::string withoutChecksum(std::string text) {
    text.erase(text.rfind("Checksum="));
    text.replace(text.find("Version=2"), 9, "Version=1");
    return text;
}

TEST(GameStatistics, DamagedTextIsRefusedWithItsLine) {
    StatisticsBook book;
    addResult(book, result(4, true, 10, 10, 10));
    const std::string good = withoutChecksum(statisticsText(book));
    const std::vector<std::pair<std::string, std::string>> damaged{
        {"[Statistics]\r\n", "before its header"},
        {"garbage\r\n", "line 1"},
        {"[Statistics]\r\nVersion=9\r\n", "version"},
        {good + "Won=x\r\n", "does not read"},
        {good + "stray line\r\n", "not a figure"},
        {good + "[Game 4]\r\n", "not a game's section"},
        {good + "[Game four]\r\n", "not a game's section"},
        // Played is not won + lost.
        {"[Statistics]\r\nVersion=1\r\n[Game 1]\r\nPlayed=3\r\nWon=1\r\nLost=1\r\n", "add up"},
        {good + "[Game 7\r\n", "section"},
    };
    for (const auto& [text, reason] : damaged) {
        std::string problem;
        EXPECT_FALSE(parseStatistics(text, problem)) << text;
        EXPECT_NE(problem.find(reason), std::string::npos) << text << " -> " << problem;
    }
}

// Every single-bit flip is refused, so that no figure changes unseen; a file
// written before there was a checksum still reads.
TEST(GameStatistics, AChangedByteIsRefusedAndAnOldFileWithoutChecksumStillReads) {
    StatisticsBook book;
    addResult(book, result(4, true, 10, 10, 10));
    addResult(book, result(12, false, 100, 20, 3));
    const std::string text = statisticsText(book);
    std::string problem;
    int accepted = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string flipped = text;
            flipped[i] = static_cast<char>(flipped[i] ^ (1 << bit));
            accepted += parseStatistics(flipped, problem) ? 1 : 0;
        }
    }
    EXPECT_EQ(accepted, 0);
    std::string changed = text;
    changed[text.find("Won=1") + 4] = '2';
    EXPECT_FALSE(parseStatistics(changed, problem));
    EXPECT_NE(problem.find("checksum does not match"), std::string::npos) << problem;

    EXPECT_EQ(parseStatistics(withoutChecksum(text), problem), book) << problem;
    EXPECT_FALSE(parseStatistics(text.substr(0, text.rfind("Checksum=")), problem));
    EXPECT_NE(problem.find("checksum line is missing"), std::string::npos) << problem;
}

TEST(GameStatistics, FiguresBeyondAnyPlayerAreRefusedSoThatNothingOverflows) {
    const std::string head = "[Statistics]\r\nVersion=1\r\n[Game 1]\r\n";
    // Each adds up in arithmetic without limits, but won + lost, the
    // negated streak or the best time in milliseconds would not fit.
    for (const std::string figures :
         {"Played=2000000000\r\nWon=1000000001\r\nLost=999999999\r\n",
          "Played=2147483647\r\nWon=0\r\nLost=2147483647\r\nStreak=-2147483648\r\n",
          "Played=1\r\nWon=1\r\nLost=0\r\nBestTime=9223372036854775807\r\n"}) {
        std::string problem;
        EXPECT_FALSE(parseStatistics(head + figures, problem)) << figures;
        EXPECT_NE(problem.find("does not read"), std::string::npos) << problem;
    }
    // At the limit the file reads, and a game counts no more.
    std::string problem;
    std::optional<StatisticsBook> book = parseStatistics(
        head + "Played=1000000000\r\nWon=0\r\nLost=1000000000\r\nStreak=-1000000000\r\n"
               "LongestLosingStreak=1000000000\r\n",
        problem);
    ASSERT_TRUE(book) << problem;
    addResult(*book, result(1, false));
    EXPECT_EQ(book->at(1).played, kMostGamesCounted);
    EXPECT_TRUE(parseStatistics(statisticsText(*book), problem)) << problem;
}

// Results are counted into the file, which is written whole each time;
// a damaged file is kept aside under another name, never overwritten.
TEST(GameStatistics, RecordingKeepsADamagedFileAside) {
    testing::TempFolder folder;
    EXPECT_TRUE(recordResult(folder.path(), result(5, true, 100, 30, 20)).empty());
    EXPECT_TRUE(recordResult(folder.path(), result(5, false)).empty());
    StatisticsLoad load = loadStatistics(folder.path(), true);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.book.at(5).played, 2);

    const std::filesystem::path file = folder / "DATA/Stat_e00.dat";
    writeFile(file, "[Statistics]\r\nVersion=1\r\n[Game 5]\r\nPlayed=oops\r\n");
    const std::vector<std::string> messages = recordResult(folder.path(), result(6, true));
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_NE(messages[0].find("is damaged"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("Stat_e00.dat.damaged"), std::string::npos) << messages[0];
    EXPECT_EQ(fileText(folder / "DATA/Stat_e00.dat.damaged"),
              "[Statistics]\r\nVersion=1\r\n[Game 5]\r\nPlayed=oops\r\n");
    load = loadStatistics(folder.path(), true);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.book.size(), 1U);
    EXPECT_EQ(load.book.at(6).won, 1);

    // A second damaged file does not replace the first copy.
    writeFile(file, "nonsense");
    EXPECT_FALSE(loadStatistics(folder.path(), true).ok);
    EXPECT_EQ(fileText(folder / "DATA/Stat_e00.dat.damaged-2"), "nonsense");
    EXPECT_FALSE(std::filesystem::exists(file));

    // Only reading (the command line) reports it and moves nothing.
    writeFile(file, "nonsense again");
    load = loadStatistics(folder.path(), false);
    EXPECT_FALSE(load.ok);
    EXPECT_EQ(fileText(file), "nonsense again");
}

TEST(GameStatistics, AFailedWriteLeavesTheOldFile) {
    testing::TempFolder folder;
    ASSERT_TRUE(recordResult(folder.path(), result(5, true)).empty());
    const std::string before = fileText(folder / "DATA/Stat_e00.dat");
    settings::WriteFaults faults;
    faults.failAfterBytes = 10;
    StatisticsBook book = loadStatistics(folder.path(), true).book;
    addResult(book, result(5, false));
    EXPECT_FALSE(saveStatistics(folder.path(), book, faults));
    EXPECT_EQ(fileText(folder / "DATA/Stat_e00.dat"), before);
}

TEST(GameStatistics, AnEmptyFileHoldsNoFiguresAndIsNeverSetAside) {
    // The data folder keeps an empty file as the mark of an earlier run.
    testing::TempFolder folder;
    const std::filesystem::path file = folder / "DATA/Stat_e00.dat";
    for (const char* empty : {"", "\r\n"}) {
        writeFile(file, empty);
        const StatisticsLoad load = loadStatistics(folder.path(), true);
        EXPECT_TRUE(load.ok) << load.message;
        EXPECT_TRUE(load.book.empty());
        EXPECT_TRUE(std::filesystem::exists(file));
        EXPECT_FALSE(std::filesystem::exists(folder / "DATA/Stat_e00.dat.damaged"));
    }
}

TEST(GameStatistics, TheFirstRunMakesAnEmptyFileOnce) {
    testing::TempFolder folder;
    EXPECT_EQ(createStatisticsFile(folder.path()), "");
    ASSERT_TRUE(std::filesystem::exists(folder / "DATA/Stat_e00.dat"));
    ASSERT_TRUE(recordResult(folder.path(), result(2, true)).empty());
    EXPECT_EQ(createStatisticsFile(folder.path()), "");
    EXPECT_EQ(loadStatistics(folder.path(), true).book.at(2).won, 1);
}

} // namespace
} // namespace vellomir::engine
