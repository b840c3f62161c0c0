#include "cli_run.h"

#include "engine/records/game_statistics.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

CliRun stats(const std::vector<std::string>& words, const std::string& programDirectory,
             bool installed = false) {
    std::vector<std::string> args{"stats"};
    args.insert(args.end(), words.begin(), words.end());
    return runCommand(args, "", programDirectory, installed);
}

// Klondike: a win in 61 s and 80 moves, then a loss; Forty Thieves: a loss.
void writeStatistics(const std::filesystem::path& dataFolder) {
    engine::StatisticsBook book;
    engine::addResult(book, {1, "Klondike", true, 61000, 80, 52});
    engine::addResult(book, {1, "Klondike", false, 0, 3, 5});
    engine::addResult(book, {33, "Forty Thieves", false, 0, 9, -104});
    ASSERT_TRUE(engine::saveStatistics(dataFolder, book));
}

TEST(CliStats, PrintsEveryGamePlayedOrOneGamesFigures) {
    testing::TempDir dir;
    EXPECT_EQ(stats({}, dir.path()).out, "no games played yet\n");
    writeStatistics(dir.path());

    CliRun r = stats({}, dir.path());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "game    played     won    lost   won %  name\n"
                     "1            2       1       1     50%  Klondike\n"
                     "33           1       0       1      0%  Forty Thieves\n");

    r = stats({"1"}, dir.path());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "game 1 Klondike\nPlayed: 2\nWon: 1\nLost: 1\nWon share: 50%\n"
                     "Current streak: 1 loss\nLongest winning streak: 1\n"
                     "Longest losing streak: 1\nBest time: 0:01:01\nFewest moves: 80\n"
                     "Best score: 52\n");
    EXPECT_EQ(stats({"5"}, dir.path()).out, "game 5: not played yet\n");
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"x"}, {"-1"}, {"1", "2"}, {""}}) {
        EXPECT_EQ(stats(bad, dir.path()).status, 2);
    }
}

TEST(CliStats, ADamagedFileIsReportedAndLeftAsItIs) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() + "DATA");
    const std::string damaged = "[Statistics]\r\nVersion=1\r\n[Game 5]\r\nPlayed=oops\r\n";
    dir.write("DATA/Stat_e00.dat", damaged);
    const CliRun r = stats({}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("is damaged"), std::string::npos) << r.err;
    std::ifstream in(dir.path() + "DATA/Stat_e00.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), damaged);
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "DATA/Stat_e00.dat.damaged"));
}

TEST(CliStats, AnInstalledCompanionReadsTheUsersDataFolderAsTheProgramDoes) {
    testing::TempDir share;
    testing::TempDir xdg;
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string kept = old ? old : "";
    ::setenv("XDG_DATA_HOME", xdg.path().c_str(), 1);
    writeStatistics(xdg.path() + "vellomir/");
    const CliRun installed = stats({"33"}, share.path(), true);
    // Beside the files of a program directory that may be written, but is
    // not the program's data folder, there is nothing.
    const CliRun beside = stats({"33"}, share.path(), false);
    if (old) {
        ::setenv("XDG_DATA_HOME", kept.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
    EXPECT_EQ(installed.status, 0) << installed.err;
    EXPECT_TRUE(installed.out.starts_with("game 33 Forty Thieves\n")) << installed.out;
    EXPECT_EQ(beside.out, "game 33: not played yet\n");
}

} // namespace
} // namespace vellomir::tools
