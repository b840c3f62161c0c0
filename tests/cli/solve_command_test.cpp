#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

TEST(SolveCommand, PrintsTheWinAsPlayCommandsThatWinThroughThePlayCommand) {
    const CliRun solved = runCommand({"solve", "5", "1"});
    ASSERT_EQ(solved.status, 0) << solved.err;
    ASSERT_FALSE(solved.lines.empty());
    std::smatch m;
    ASSERT_TRUE(std::regex_match(solved.lines[0], m, std::regex(R"(solved in (\d+) moves)")))
        << solved.lines[0];
    const std::size_t moves = std::stoul(m[1].str());
    ASSERT_EQ(solved.lines.size(), moves + 1);
    std::string script;
    for (std::size_t i = 1; i < solved.lines.size(); ++i) {
        EXPECT_TRUE(std::regex_match(solved.lines[i],
                                     std::regex(R"((click \S+|drag \S+ \S+|autoplay|quit))")))
            << solved.lines[i];
        script += solved.lines[i] + "\n";
    }
    const CliRun played = runCommand({"play", "5", "1"}, script);
    ASSERT_EQ(played.status, 0) << played.err;
    EXPECT_EQ(played.lines.back(), "won");
    // The same deal is searched the same way every time.
    EXPECT_EQ(runCommand({"solve", "5", "1"}).lines, solved.lines);
}

TEST(SolveCommand, GivesUpAtTheLimitAndCallsADealWithoutMovesUnsolved) {
    EXPECT_EQ(runCommand({"solve", "1", "2", "--positions", "3"}).lines,
              std::vector<std::string>{"gave up after 3 positions"});
    // Ninety-One deal 4 needs two moves to bring its tops to 91; a search
    // that may try just one position has to stop there.
    const CliRun small = runCommand({"solve", "50", "4", "--positions", "1"});
    ASSERT_EQ(small.status, 0);
    EXPECT_EQ(small.lines, std::vector<std::string>{"gave up after 1 positions"});
}

// Ninety-One deal 14015 is dealt with its tops already adding up to 91: the
// deal itself wins, and both commands say so instead of calling it lost.
TEST(SolveCommand, ADealThatIsWonAsItIsDealtNeedsNoMove) {
    EXPECT_EQ(runCommand({"solve", "50", "14015"}).lines,
              std::vector<std::string>{"solved in 0 moves"});
    const CliRun played = runCommand({"play", "50", "14015"}, "show\n");
    ASSERT_EQ(played.status, 0) << played.err;
    ASSERT_GE(played.lines.size(), 3U);
    EXPECT_EQ(played.lines.back(), "ok");
    EXPECT_EQ(played.lines[played.lines.size() - 2], "game won");
    EXPECT_EQ(played.lines[played.lines.size() - 3], "score 150");
    EXPECT_NE(std::find(played.lines.begin(), played.lines.end(), "won"), played.lines.end());
}

// A search that skipped positions, for the breadth bound or for idling,
// proves nothing: only a whole search calls a deal lost.
TEST(SolveCommand, OnlyAWholeSearchCallsADealLost) {
    // Streets and Alleys deal 1000 is lost within a few hundred positions.
    EXPECT_EQ(runCommand({"solve", "18", "1000"}).lines.at(0).rfind("unsolved after ", 0), 0U);
    const CliRun narrow = runCommand({"solve", "18", "1000", "--breadth", "1"});
    ASSERT_EQ(narrow.status, 0) << narrow.err;
    EXPECT_EQ(narrow.lines.at(0).rfind("gave up after ", 0), 0U) << narrow.lines.at(0);
}

TEST(SolveCommand, UsageErrors) {
    EXPECT_EQ(runCommand({"solve", "1"}).status, 2);
    EXPECT_EQ(runCommand({"solve", "1", "1", "--positions"}).status, 2);
    EXPECT_EQ(runCommand({"solve", "1", "1", "--positions", "0"}).status, 2);
    EXPECT_EQ(runCommand({"solve", "1", "1", "--depth", "3"}).status, 2);
    EXPECT_EQ(runCommand({"solve", "1", "1", "--breadth", "0"}).status, 2);
    EXPECT_EQ(runCommand({"solve", "x", "1"}).status, 2);
    const CliRun missing = runCommand({"solve", "777", "1"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("game 777 is not in the catalogue"), std::string::npos);
}

} // namespace
} // namespace vellomir::tools
