#include "cli_run.h"

#include "catalogue/catalogue_format.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vellomir::tools {
namespace {

using testing::CliRun;
using testing::runCommand;

CliRun run(const std::vector<std::string>& args,
           const std::string& programDirectory = VELLOMIR_BIN_DIR) {
    return runCommand(args, "", programDirectory);
}

TEST(Cli, UnknownCommandIsAUsageError) {
    const CliRun r = run({"frobnicate"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("usage"), std::string::npos);
    EXPECT_EQ(run({}).status, 2);
}

// docs/rule_codes.md is what `rule-codes` prints: regenerate it with
// `build/bin/vellomir-cli rule-codes > docs/rule_codes.md` after a change of
// the named codes.
TEST(Cli, TheCheckedInRuleCodesDocumentIsTheGeneratedOne) {
    const CliRun r = run({"rule-codes"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::ifstream in(VELLOMIR_RULE_CODES_DOCUMENT, std::ios::binary);
    ASSERT_TRUE(in) << VELLOMIR_RULE_CODES_DOCUMENT;
    std::ostringstream stored;
    stored << in.rdbuf();
    EXPECT_EQ(stored.str(), r.out);
    EXPECT_EQ(run({"rule-codes", "extra"}).status, 2);
}

TEST(CliGames, ListsTheGameListInOrder) {
    testing::TempDir dir;
    const auto line = [](const std::string& plain) { return catalogue::scramble(plain) + "\n"; };
    dir.write("GAMES.DAT", "[Sect1]\n" + line("014 0874 0Put-Them-In-Order (3x3 square)    ") +
                               line("005 0021 0Not offered") + line("005 0014 1Klondike"));
    const CliRun r = run({"games"}, dir.path());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "87\t14\tPut-Them-In-Order (3x3 square)\n1\t5\tKlondike\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliGames, AMissingOrBadCatalogueFails) {
    testing::TempDir dir;
    CliRun r = run({"games"}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(dir.path() + "GAMES.DAT: the catalogue file is missing"),
              std::string::npos)
        << r.err;

    dir.write("GAMES.DAT", "no sections at all\n");
    r = run({"games"}, dir.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no [Sect1] section"), std::string::npos) << r.err;

    EXPECT_EQ(run({"games", "extra"}, dir.path()).status, 2);
}

TEST(CliGames, TheBuiltCatalogueListsTheSlidingPuzzle) {
    const CliRun r = run({"games"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("87\t14\tPut-Them-In-Order (3x3 square)\n"), std::string::npos) << r.out;
}

} // namespace
} // namespace vellomir::tools
