#include "cli_run.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

// The first line of `solve`, in the survey's words: outcome and count.
std::string solveAnswer(const std::string& game, const std::string& deal,
                        const std::vector<std::string>& options = {}) {
    std::vector<std::string> args{"solve", game, deal};
    args.insert(args.end(), options.begin(), options.end());
    const CliRun solved = runCommand(args);
    EXPECT_EQ(solved.status, 0) << solved.err;
    std::smatch m;
    const std::string first = solved.lines.empty() ? "" : solved.lines[0];
    if (!std::regex_match(first, m,
                          std::regex(R"((solved in|unsolved after|gave up after) (\d+) \w+)"))) {
        return "unreadable: " + first;
    }
    const std::string outcome =
        m[1] == "solved in" ? "solved" : (m[1] == "unsolved after" ? "unsolved" : "gave-up");
    return outcome + " " + m[2].str();
}

// One process, many deals of several games: each line is what `solve` says
// of that deal alone, so nothing of one deal leaks into the next (Ninety-One
// 14015 is won as it is dealt, the deal before it is searched).
TEST(SurveyCommand, EachLineIsWhatSolveSaysOfThatDeal) {
    // A small position limit keeps it quick, and shows that the survey
    // passes the search options on as solve takes them.
    const CliRun survey = runCommand(
        {"survey", "5", "18", "--deals", "1000-1275", "--step", "137", "--positions", "300"});
    ASSERT_EQ(survey.status, 0) << survey.err;
    ASSERT_EQ(survey.lines.size(), 6U);
    const std::regex form(R"((\d+) (\d+) (solved|unsolved|gave-up) (\d+) (\d+))");
    std::size_t i = 0;
    for (const std::string game : {"5", "18"}) {
        for (const std::string deal : {"1000", "1137", "1274"}) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(survey.lines[i], m, form)) << survey.lines[i];
            EXPECT_EQ(m[1].str() + " " + m[2].str(), game + " " + deal);
            EXPECT_EQ(m[3].str() + " " + m[4].str(),
                      solveAnswer(game, deal, {"--positions", "300"}))
                << survey.lines[i];
            ++i;
        }
    }
    const CliRun ninetyOne = runCommand({"survey", "50", "--deals", "14014-14015"});
    ASSERT_EQ(ninetyOne.lines.size(), 2U) << ninetyOne.err;
    EXPECT_EQ(ninetyOne.lines[0].substr(0, 9), "50 14014 ");
    EXPECT_EQ(ninetyOne.lines[1].rfind("50 14015 solved 0 ", 0), 0U) << ninetyOne.lines[1];
}

// Seven by Four deal 9494 is proved lost by the fast search after some tens
// of thousands of positions (Streets and Alleys deal 1000, once the example,
// now takes it 66, fewer than the clock can stop); a search the clock stops
// first has proved nothing, in both commands, and the gesture search (--dig)
// stops as the fast search does.
TEST(SurveyCommand, ADealTheClockStoppedIsGivenUpNeverLost) {
    ASSERT_EQ(solveAnswer("65", "9494").rfind("unsolved ", 0), 0U);
    for (const std::vector<std::string>& order :
         {std::vector<std::string>{}, std::vector<std::string>{"--dig"}}) {
        std::vector<std::string> args{"survey",    "65",        "--deals",
                                      "9494-9494", "--seconds", "0.0001"};
        args.insert(args.end(), order.begin(), order.end());
        const CliRun stopped = runCommand(args);
        ASSERT_EQ(stopped.lines.size(), 1U) << stopped.err;
        EXPECT_EQ(stopped.lines[0].rfind("65 9494 gave-up ", 0), 0U) << stopped.lines[0];
    }
    const CliRun solve = runCommand({"solve", "65", "9494", "--seconds", "0.0001"});
    ASSERT_EQ(solve.status, 0) << solve.err;
    ASSERT_EQ(solve.lines.size(), 1U);
    EXPECT_EQ(solve.lines[0].rfind("gave up after ", 0), 0U) << solve.lines[0];
    // A limit that is long enough changes nothing.
    EXPECT_EQ(runCommand({"solve", "65", "9494", "--seconds", "600"}).lines.at(0),
              runCommand({"solve", "65", "9494"}).lines.at(0));
}

TEST(SurveyCommand, UsageErrors) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"survey", "1"},
             {"survey", "--deals", "1-3"},
             {"survey", "1", "--deals", "3-1"},
             {"survey", "1", "--deals", "3"},
             {"survey", "1", "--deals", "-3"},
             {"survey", "1", "--deals"},
             {"survey", "1", "--deals", "1-9", "--step", "0"},
             {"survey", "1", "--deals", "1-9", "--step", "x"},
             {"survey", "1", "--deals", "1-9", "--step"},
             {"survey", "x", "--deals", "1-2"},
             {"survey", "1", "--deals", "1-2", "--seconds", "0"},
             {"survey", "1", "--deals", "1-2", "--seconds", "1e3"},
             {"survey", "1", "--deals", "1-2", "--seconds", "1.2.3"},
             {"survey", "1", "--deals", "1-2", "--seconds", "90000"},
             {"survey", "1", "--deals", "1-2", "--seconds"},
             {"survey", "1", "--deals", "1-2", "--depth", "3"},
             {"solve", "1", "1", "--seconds", "-1"},
         }) {
        EXPECT_EQ(runCommand(args).status, 2) << args.back();
    }
    const CliRun missing = runCommand({"survey", "777", "--deals", "1-2"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("game 777 is not in the catalogue"), std::string::npos);
}

} // namespace
} // namespace vellomir::tools
