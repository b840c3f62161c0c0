#include "help_builder/help_builder_command.h"

#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace vellomir::tools {
namespace {

namespace fs = std::filesystem;

std::string gameFile(int number, const std::string& name, const std::string& rules) {
    return "game: " + std::to_string(number) + "\nname: " + name +
           "\ngroup: 5\navailability: 4\nchooser-mark: 0\n\n[parameters]\nCardCount = 52\n" + rules;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A help folder and a games folder, built and run by each test.
class HelpBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir.path() + "help");
        fs::create_directories(dir.path() + "games");
        dir.write("help/contents.txt", "= Help\n\nSee [[index|the games]] and [[1019|options]].\n");
        dir.write("help/1019_options.txt", "= Options\n\n- **Sounds**: on or off.\n");
        dir.write("help/README.md", "not a topic\n");
        dir.write("games/001_cards.game",
                  gameFile(1, "Cards & <Pairs>",
                           "[rules]\nObject\nPair \"any\" two cards < 10 & win.\n\nScore\n- "
                           "5 points a pair.\n"));
        dir.write("games/087_apple.game", gameFile(87, "apple", "[rules]\nJust play.\n"));
    }

    int run(std::vector<std::string> args) {
        err.str("");
        std::ostringstream out;
        return runHelpBuilder(args, out, err);
    }

    int build() { return run({"-o", output(), dir.path() + "help", dir.path() + "games"}); }

    std::string output() const { return dir.path() + "out"; }
    std::string page(const std::string& name) const { return readFile(fs::path(output()) / name); }

    testing::TempDir dir;
    std::ostringstream err;
};

TEST_F(HelpBuilderTest, WritesContentsTopicsIndexAndOnePagePerGame) {
    ASSERT_EQ(build(), 0) << err.str();
    EXPECT_EQ(page("marbleon.qrc"),
              "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/help\">\n"
              "<file>1019.html</file>\n<file>3001.html</file>\n"
              "<file>3087.html</file>\n<file>contents.html</file>\n"
              "<file>index.html</file>\n</qresource>\n</RCC>\n");

    const std::string cards = page("3001.html");
    EXPECT_NE(cards.find("<title>Cards &amp; &lt;Pairs&gt;</title>"), std::string::npos) << cards;
    EXPECT_NE(cards.find("<h1>Cards &amp; &lt;Pairs&gt;</h1>\n<h2>Object</h2>\n"
                         "<p>Pair &quot;any&quot; two cards &lt; 10 &amp; win.</p>\n"
                         "<h2>Score</h2>\n<ul>\n<li>5 points a pair.</li>\n</ul>\n"),
              std::string::npos)
        << cards;
    EXPECT_NE(cards.find("<a href=\"index.html\">"), std::string::npos);
    EXPECT_EQ(cards.find("<script"), std::string::npos);

    // The index lists the games by name, whatever their case.
    const std::string index = page("index.html");
    const std::size_t apple = index.find("<li><a href=\"3087.html\">apple</a></li>");
    const std::size_t pairs =
        index.find("<li><a href=\"3001.html\">Cards &amp; &lt;Pairs&gt;</a></li>");
    ASSERT_NE(apple, std::string::npos) << index;
    ASSERT_NE(pairs, std::string::npos) << index;
    EXPECT_LT(apple, pairs);

    EXPECT_NE(page("contents.html").find("<a href=\"1019.html\">options</a>"), std::string::npos);
    EXPECT_NE(page("1019.html").find("<li><b>Sounds</b>: on or off.</li>"), std::string::npos);
}

TEST_F(HelpBuilderTest, GamesWithoutRulesTextFailWithFileAndLineAndWriteNothing) {
    dir.write("games/087_apple.game", gameFile(87, "apple", ""));
    dir.write("games/090_blank.game", gameFile(90, "blank", "[rules]\n\n   \n"));
    EXPECT_EQ(build(), 1);
    const std::string games = dir.path() + "games/";
    EXPECT_EQ(err.str(), games +
                             "087_apple.game:8: the game has no rules text (a [rules] section "
                             "at the end of the file)\n" +
                             games + "090_blank.game:9: the [rules] section holds no text\n");
    EXPECT_FALSE(fs::exists(output()));

    // --check reports the same and never writes.
    EXPECT_EQ(run({"--check", dir.path() + "help", games}), 1);
    EXPECT_NE(err.str().find("090_blank.game:9:"), std::string::npos);
}

TEST_F(HelpBuilderTest, RejectsBrokenTopicsAndClashingNumbers) {
    dir.write("help/contents.txt", "No title here, and a [[1234|missing page]].\n");
    dir.write("help/3005_clash.txt", "= Clash\n");
    dir.write("help/notes.txt", "= Notes\n");
    dir.write("games/088_again.game", gameFile(87, "again", "[rules]\nPlay.\n"));
    EXPECT_EQ(build(), 1);
    const std::string text = err.str();
    const std::string help = dir.path() + "help/";
    for (const std::string& expected :
         {help +
              "3005_clash.txt: the context numbers 3000 to 3999 belong to the games' rules pages",
          help + "contents.txt:1: a topic opens with its title, \"= Title\"",
          help + "notes.txt: a topic file is named contents.txt or NNNN_name.txt",
          dir.path() + "games/088_again.game:1: game 87 is also " + dir.path() +
              "games/087_apple.game",
          help + "contents.txt:1: the link target \"1234\" is no page of the help"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin:\n" << text;
    }
    EXPECT_FALSE(fs::exists(output()));
}

TEST_F(HelpBuilderTest, NeedsAContentsPageAndSaysHowToCallIt) {
    fs::remove(dir.path() + "help/contents.txt");
    fs::remove(dir.path() + "help/1019_options.txt");
    EXPECT_EQ(build(), 1);
    EXPECT_NE(err.str().find("help: the folder has no contents.txt"), std::string::npos)
        << err.str();

    EXPECT_EQ(run({dir.path() + "help", dir.path() + "games"}), 2); // neither -o nor --check
    EXPECT_EQ(run({"-o", output(), dir.path() + "help"}), 2);       // no game files
    EXPECT_EQ(run({"--bogus", dir.path() + "help", dir.path() + "games"}), 2);
}

} // namespace
} // namespace vellomir::tools
