#include "cli_run.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

std::string firstLines(const std::string& text, int count) {
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; count-- > 0 && std::getline(lines, line);) {
        kept += line + "\n";
    }
    return kept;
}

// Taking the hint again and again from wherever the table is wins the
// sliding puzzle, and each hint is a command the play command takes.
TEST(HintCommand, FollowingTheHintsWinsTheGame) {
    std::string script;
    std::string answer;
    for (int step = 0; step < 40; ++step) {
        const CliRun hint = runCommand({"hint", "87", "3"}, script);
        ASSERT_EQ(hint.status, 0) << hint.err;
        answer = hint.out;
        if (answer.starts_with("the game is over")) {
            break;
        }
        ASSERT_TRUE(std::regex_match(answer, std::regex("click Fila\\d\n"))) << answer;
        script += answer;
    }
    EXPECT_EQ(answer, "the game is over: won\n");
    const CliRun played = runCommand({"play", "87", "3"}, script);
    EXPECT_TRUE(played.out.ends_with("\nwon\n")) << played.out;
}

// Half way through a Klondike win the hint is a move the table takes, an
// Autoplay tick coming first when the line needs one, and from the deal it
// is the first move of the solver's line.
TEST(HintCommand, GivesAMoveThatChangesATableHalfWayThrough) {
    const CliRun solved = runCommand({"solve", "1", "3"});
    ASSERT_TRUE(solved.out.starts_with("solved in ")) << solved.out;
    const std::string line = solved.out.substr(solved.out.find('\n') + 1);
    EXPECT_EQ(runCommand({"hint", "1", "3"}).out.substr(0, 10), line.substr(0, 10));
    const std::string half = firstLines(line, 60);
    const CliRun hint = runCommand({"hint", "1", "3"}, half);
    ASSERT_TRUE(
        std::regex_match(hint.out, std::regex("(autoplay\n)*(click \\S+|drag \\S+ \\S+)\n")))
        << hint.out;
    const CliRun played = runCommand({"play", "1", "3"}, half + hint.out + "show\n");
    EXPECT_EQ(played.out.find("beep"), std::string::npos) << played.out;
    EXPECT_TRUE(played.out.ends_with("game in play\nok\n")) << played.out;
}

TEST(HintCommand, SaysWhenNoWinWasFoundAndWhy) {
    // Beleaguered Castle deal 1 is lost from the deal: every position searched.
    EXPECT_TRUE(std::regex_match(runCommand({"hint", "17", "1"}).out,
                                 std::regex("no win from here: unsolved after \\d+ positions\n")));
    EXPECT_TRUE(std::regex_match(runCommand({"hint", "1", "2", "--positions", "3"}).out,
                                 std::regex("no win found: gave up after \\d+ positions\n")));
    // Moves that change nothing (the beep) and comments are no reason to stop.
    const CliRun refused = runCommand({"hint", "1", "3"}, "# a wrong drag\ndrag Fila1 Fila2\n");
    EXPECT_EQ(refused.status, 0) << refused.err;
    EXPECT_EQ(refused.out, runCommand({"hint", "1", "3"}).out);
}

TEST(HintCommand, ABadCommandLineStopsItWithTheLineAndNoHint) {
    const CliRun bad = runCommand({"hint", "1", "3"}, "click Mazzo\n\njump Fila1\nclick Mazzo\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("vellomir-cli hint: line 3: unknown command 'jump'"), std::string::npos)
        << bad.err;
    const CliRun noCard = runCommand({"hint", "1", "3"}, "drag Fila1:4 Dest1\n");
    EXPECT_EQ(noCard.status, 1);
    EXPECT_NE(noCard.err.find("line 1: no card 4 in Fila1"), std::string::npos) << noCard.err;

    EXPECT_EQ(runCommand({"hint", "1"}).status, 2);
    EXPECT_EQ(runCommand({"hint", "1", "3", "--positions", "0"}).status, 2);
    EXPECT_EQ(runCommand({"hint", "1", "3", "--fast"}).status, 2);
    EXPECT_EQ(runCommand({"hint", "99999", "3"}).status, 2);
    EXPECT_EQ(runCommand({"hint", "9998", "3"}).status, 1);
}

} // namespace
} // namespace vellomir::tools
