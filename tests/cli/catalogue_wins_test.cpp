#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace vellomir::tools {
namespace {

// For every game of the catalogue, a deal number the solver wins within
// its default limit (found with scripts/solver_survey.sh; docs/games.md
// has the figures).
const std::map<int, int> kWinningDeal{
    // GAMES_TABLE
};

// Games no search of the solver wins yet, and why.
const std::map<int, std::string> kNotWonYet{
    // NOT_WON_TABLE
};

struct CliRun {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

CliRun runCommand(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(args, VELLOMIR_BIN_DIR, in, out, err);
    CliRun run{status, {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        run.lines.push_back(line);
    }
    return run;
}

TEST(CatalogueWins, EveryGameHasAWinningDealOrASaidReason) {
    const CliRun games = runCommand({"games"});
    ASSERT_EQ(games.status, 0) << games.err;
    std::set<int> listed;
    for (const std::string& line : games.lines) {
        listed.insert(std::stoi(line));
    }
    ASSERT_EQ(listed.size(), 54U);
    for (int game : listed) {
        EXPECT_TRUE(kWinningDeal.contains(game) != kNotWonYet.contains(game)) << "game " << game;
    }
    EXPECT_EQ(kWinningDeal.size() + kNotWonYet.size(), listed.size());
}

// With VELLOMIR_CATALOGUE_SAMPLE=N only every Nth game of the table is
// played (the sanitizer build of CI, where a search runs many times slower).
bool sampled(int game) {
    const char* every = std::getenv("VELLOMIR_CATALOGUE_SAMPLE");
    const int n = every != nullptr ? std::atoi(every) : 1;
    if (n <= 1) {
        return true;
    }
    int index = 0;
    for (const auto& [listed, deal] : kWinningDeal) {
        if (listed == game) {
            return index % n == 0;
        }
        ++index;
    }
    return false;
}

class CatalogueWin : public ::testing::TestWithParam<std::pair<const int, int>> {};

// The solver wins the recorded deal, and its moves, fed to the play command
// as a player would type them, end in "won" with every move accepted.
TEST_P(CatalogueWin, TheSolversLineWinsThroughThePlayCommand) {
    const auto [game, deal] = GetParam();
    if (!sampled(game)) {
        GTEST_SKIP() << "not in the sample";
    }
    const CliRun solved = runCommand({"solve", std::to_string(game), std::to_string(deal)});
    ASSERT_EQ(solved.status, 0) << solved.err;
    ASSERT_FALSE(solved.lines.empty());
    std::smatch m;
    ASSERT_TRUE(std::regex_match(solved.lines[0], m, std::regex(R"(solved in (\d+) moves)")))
        << "game " << game << " deal " << deal << ": " << solved.lines[0];
    const std::size_t moves = std::stoul(m[1].str());
    ASSERT_EQ(solved.lines.size(), moves + 1);
    std::string script;
    for (std::size_t i = 1; i < solved.lines.size(); ++i) {
        script += solved.lines[i] + "\n";
    }
    const CliRun played = runCommand({"play", std::to_string(game), std::to_string(deal)}, script);
    ASSERT_EQ(played.status, 0) << played.err;
    ASSERT_GE(played.lines.size(), moves);
    const std::vector<std::string> answers(played.lines.end() - static_cast<long>(moves),
                                           played.lines.end());
    for (std::size_t i = 0; i + 1 < answers.size(); ++i) {
        ASSERT_EQ(answers[i], "ok") << "game " << game << " move " << i + 1 << ": "
                                    << solved.lines[i + 1];
    }
    EXPECT_EQ(answers.back(), "won") << "game " << game;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueWin, ::testing::ValuesIn(kWinningDeal),
                         [](const auto& info) { return "game" + std::to_string(info.param.first); });

} // namespace
} // namespace vellomir::tools
