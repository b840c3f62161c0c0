#include "cli_run.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

TEST(DealCommand, PrintsThePuzzleWithItsLayout) {
    const CliRun r = runCommand({"deal", "87", "1234567890123", "--layout"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "game 87 Put-Them-In-Order (3x3 square)\n"
                     "deal 1234567890123\n"
                     "Fila1 [389,227]: 006\n"
                     "Fila2 [475,227]: 005\n"
                     "Fila3 [561,227]: 002\n"
                     "Fila4 [389,338]: 003\n"
                     "Fila5 [475,338]: 001\n"
                     "Fila6 [561,338]:\n"
                     "Fila7 [389,449]: 008\n"
                     "Fila8 [475,449]: 007\n"
                     "Fila9 [561,449]: 004\n"
                     "score -52\n");
}

TEST(DealCommand, KlondikeShowsFaceDownCardsAndTheStock) {
    const CliRun r = runCommand({"deal", "1", "42"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "game 1 Klondike");
    std::getline(lines, line);
    EXPECT_EQ(line, "deal 0000000000042");
    std::getline(lines, line);
    EXPECT_TRUE(line.starts_with("Mazzo:")) << line;
    EXPECT_EQ(std::count(line.begin(), line.end(), '*'), 24) << line;
    EXPECT_NE(r.out.find("\nFila7: "), std::string::npos);
    EXPECT_NE(r.out.find("\nscore -52\n"), std::string::npos) << r.out;
}

TEST(DealCommand, WithoutADealNumberANewOneIsDrawn) {
    const CliRun r = runCommand({"deal", "1", "--area", "800x600"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find("deal 0000000000000"), std::string::npos);
    EXPECT_NE(r.out.find("\ndeal "), std::string::npos);
}

TEST(DealCommand, RefusesUnknownGamesAndBadArguments) {
    const CliRun unknown = runCommand({"deal", "999", "1"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("999"), std::string::npos);
    EXPECT_EQ(runCommand({"deal"}).status, 2);
    EXPECT_EQ(runCommand({"deal", "x1"}).status, 2);
    EXPECT_EQ(runCommand({"deal", "1", "12345678901234"}).status, 2);
    EXPECT_EQ(runCommand({"deal", "1", "--area", "10x10"}).status, 2);
    EXPECT_EQ(runCommand({"deal", "1", "--bogus"}).status, 2);
}

} // namespace
} // namespace vellomir::tools
