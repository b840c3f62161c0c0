#include "catalogue/catalogue_format.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/parameter_index.h"
#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/compiler_command.h"
#include "catalogue_compiler/game_checks.h"
#include "catalogue_compiler/game_source.h"
#include "support/temp_dir.h"
#include "table/main_game.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vellomir::tools {
namespace {

namespace param = catalogue::param;

GameSource game(int number, const std::string& name, char availability = '4') {
    GameSource g;
    g.file = "test.game";
    g.number = number;
    g.group = number % 23;
    g.availability = availability;
    g.chooserMark = '0';
    g.name = name;
    return g;
}

class RoundTrip : public ::testing::Test {
protected:
    // Compiles the games into GAMES.DAT in a fresh folder and reads its game list.
    void compile(const std::vector<GameSource>& games) {
        m_path = m_dir.write("GAMES.DAT", writeCatalogue(games));
        catalogue::loadGameList(m_path, m_mainGame.games());
    }

    testing::TempDir m_dir;
    std::string m_path;
    table::TMainGame m_mainGame;
    catalogue::GameParameters m_params;
};

TEST_F(RoundTrip, EveryPrintableCharacterOfANameSurvives) {
    // Names are stored scrambled; spread the printable characters over a few
    // names of at most 50 characters that end in a visible character.
    std::vector<GameSource> games;
    std::string all;
    for (char c = ' '; c <= '~'; ++c) {
        all += c;
    }
    for (std::size_t start = 0, number = 1; start < all.size(); start += 48, ++number) {
        games.push_back(game(static_cast<int>(number), all.substr(start, 48) + "|"));
    }
    compile(games);
    ASSERT_EQ(m_mainGame.gameList().size(), games.size());
    for (const GameSource& g : games) {
        EXPECT_EQ(m_mainGame.gameName(g.number), g.name);
        const int index = m_mainGame.gameListIndex(g.number);
        EXPECT_EQ(table::gameListGroup(m_mainGame.gameList()[static_cast<std::size_t>(index)]),
                  g.group);
    }
}

TEST_F(RoundTrip, ColumnsComeBackValueForValue) {
    GameSource a = game(87, "A");
    GameSource b = game(3, "B");
    for (int i = 1; i < catalogue::GameParameters::kCells; ++i) {
        a.column[static_cast<std::size_t>(i)] = (i % 2 == 0 ? -1 : 1) * i * 81;
        b.column[static_cast<std::size_t>(i)] = i == 400 ? -32768 : 400 - i;
    }
    compile({a, b}); // written in game-number order: B is column 0
    EXPECT_EQ(m_mainGame.gameListIndex(3), 0);
    ASSERT_TRUE(catalogue::loadParameters(m_path, m_mainGame.games(), 87, m_params));
    for (int i = 1; i < catalogue::GameParameters::kCells; ++i) {
        ASSERT_EQ(m_params[i], a.column[static_cast<std::size_t>(i)]) << "index " << i;
    }
    EXPECT_EQ(m_params[0], 0);
    ASSERT_TRUE(catalogue::loadParameters(m_path, m_mainGame.games(), 3, m_params));
    EXPECT_EQ(m_params[400], -32768);
    EXPECT_EQ(m_params[1], 399);

    const int lines[] = {395, 396, 397, 398, 399, 400, 307, 14};
    const std::array<int, 9> chooser =
        catalogue::readSelectedParameters(m_path, m_mainGame.games(), 87, lines);
    EXPECT_EQ(chooser[0], a.column[395]);
    EXPECT_EQ(chooser[6], a.column[307]);
    EXPECT_EQ(chooser[7], a.column[14]);
    EXPECT_EQ(chooser[8], -99);
}

TEST_F(RoundTrip, UnavailableGamesAreListedButGetNoColumn) {
    GameSource one = game(1, "One");
    GameSource two = game(2, "Two", '1');
    GameSource three = game(3, "Three");
    one.column[param::CardCount] = 52;
    two.column[param::CardCount] = 104;
    three.column[param::CardCount] = 32;
    compile({three, two, one});
    EXPECT_EQ(m_mainGame.gameList().size(), 2u);
    EXPECT_EQ(m_mainGame.gameListIndex(2), -1);
    ASSERT_TRUE(catalogue::loadParameters(m_path, m_mainGame.games(), 3, m_params));
    EXPECT_EQ(m_params[param::CardCount], 32);
    // The stored game list still holds the line, with its own mark.
    std::ifstream in(m_path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find(catalogue::scramble("002 0021 0Two")), std::string::npos);
}

// The compiler command end to end: game files in, GAMES.DAT out.
class CompilerCommand : public ::testing::Test {
protected:
    int run(const std::vector<std::string>& args) {
        m_out.str("");
        m_err.str("");
        return runCatalogueCompiler(args, m_out, m_err);
    }

    static std::string gameFile(int number, const std::string& extra = "") {
        return "game: " + std::to_string(number) + "\nname: Game " + std::to_string(number) +
               "\ngroup: 7\navailability: 4\nchooser-mark: 0\n"
               "[parameters]\nCardCount = 52\nTableauCount = 2\nTableauLayout = 2\n"
               "TableauStartCards = 26 26\nTableauRule = 3 2\nTableauEmptyCode = -1 13\n" +
               extra + "[rules]\nRules.\n";
    }

    testing::TempDir m_dir;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(CompilerCommand, CompilesAFolderOfGames) {
    m_dir.write("b.game", gameFile(20));
    m_dir.write("a.game", gameFile(10, "TargetScore = -300\n"));
    m_dir.write("notes.txt", "not a game");
    EXPECT_EQ(run({"--check", m_dir.path()}), 0) << m_err.str();
    const std::string output = m_dir.path() + "GAMES.DAT";
    ASSERT_EQ(run({"-o", output, m_dir.path()}), 0) << m_err.str();

    table::TMainGame mainGame;
    catalogue::GameParameters params;
    catalogue::loadGameList(output, mainGame.games());
    ASSERT_EQ(mainGame.gameList().size(), 2u);
    EXPECT_EQ(mainGame.gameName(20), "Game 20");
    ASSERT_TRUE(catalogue::loadParameters(output, mainGame.games(), 10, params));
    EXPECT_EQ(params[param::TargetScore], -300);
    EXPECT_EQ(params[param::TableauRule + 1], 2);
    EXPECT_EQ(params[param::TableauEmptyCode], -1);
    EXPECT_EQ(params[param::TableauEmptyCode + 1], 13);
}

TEST_F(CompilerCommand, ABrokenGameLeavesTheOldCatalogueInPlace) {
    const std::string output = m_dir.write("GAMES.DAT", "old catalogue");
    m_dir.write("a.game", gameFile(10));
    m_dir.write("b.game", gameFile(10, "Bogus = 1\n"));
    EXPECT_EQ(run({"-o", output, m_dir.path() + "a.game", m_dir.path() + "b.game"}), 1);
    const std::string err = m_err.str();
    EXPECT_NE(err.find(m_dir.path() + "b.game:13: unknown parameter name \"Bogus\""),
              std::string::npos)
        << err;
    EXPECT_NE(err.find(m_dir.path() + "b.game:1: game number 10 is also used by"),
              std::string::npos)
        << err;
    std::ifstream in(output);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "old catalogue");
}

TEST_F(CompilerCommand, UsageErrorsAndMissingFiles) {
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({m_dir.path()}), 2); // neither --check nor -o
    EXPECT_EQ(run({"--frobnicate", m_dir.path()}), 2);
    EXPECT_EQ(run({"--check", m_dir.path()}), 1);
    EXPECT_NE(m_err.str().find("holds no .game files"), std::string::npos);
    EXPECT_EQ(run({"--check", m_dir.path() + "missing.game"}), 1);
    EXPECT_NE(m_err.str().find("missing.game: cannot read the game file"), std::string::npos)
        << m_err.str();
}

} // namespace
} // namespace vellomir::tools
