#include "catalogue/catalogue_reader.h"

#include "catalogue/catalogue_format.h"
#include "settings/number_text.h"
#include "support/temp_dir.h"
#include "table/catalogue_loading.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace vellomir::catalogue {
namespace {

// A stored game-list line: group, number, availability mark, chooser mark, name.
std::string gameLine(int group, int number, char availability, const std::string& name) {
    std::string plain = settings::formatNumber(group, 3) + " " + settings::formatNumber(number, 3) +
                        availability + " 0" + name;
    plain.resize(60, ' ');
    return scramble(plain);
}

// A stored parameter line: the plain index, twelve unread characters, then
// one stored value per game column.
std::string valueLine(int index, std::initializer_list<std::string> values) {
    std::string line = settings::formatNumber(index, 4) + scramble("            ");
    for (const std::string& value : values) {
        std::string padded = value;
        padded.resize(10, ' ');
        line += scramble(padded) + scramble(" ");
    }
    return line;
}

class CatalogueReader : public ::testing::Test {
protected:
    std::string write(const std::string& text) { return m_dir.write("GAMES.DAT", text); }

    testing::TempDir m_dir;
    GameList m_games;
    GameParameters m_params;
};

TEST_F(CatalogueReader, GameListKeepsAvailableLinesInFileOrder) {
    const std::string path =
        write("; comment before any section\n[Sect1]\n" + gameLine(5, 1, '4', "Klondike") + "\n" +
              gameLine(7, 2, '3', "Hidden") + "\r\n" + gameLine(14, 87, '4', "Puzzle") + "\n" +
              "[Other]\n" + gameLine(1, 3, '4', "Not a game") + "\n");
    loadGameList(path, m_games);
    ASSERT_EQ(m_games.entries().size(), 2u);
    EXPECT_EQ(gameListName(m_games.entries()[0]), "Klondike");
    EXPECT_EQ(gameListGroup(m_games.entries()[1]), 14);
    EXPECT_EQ(m_games.nameOf(87), "Puzzle");
    EXPECT_EQ(m_games.indexOf(2), -1);
}

TEST_F(CatalogueReader, AHoldReadsTheFileOnceUntilItEnds) {
    const std::string path = write("[Sect1]\n" + gameLine(5, 1, '4', "Klondike") + "\n");
    const std::string other = m_dir.write("OTHER.DAT", "[Sect1]\n");
    {
        const CatalogueHold hold(path);
        const auto first = CatalogueFile::readShared(path);
        // Changed on disk while held: the held copy is what is read.
        write("[Sect1]\n" + gameLine(5, 1, '4', "Klondike") + "\n" +
              gameLine(5, 2, '4', "FreeCell") + "\n");
        EXPECT_EQ(CatalogueFile::readShared(path), first);
        loadGameList(path, m_games);
        EXPECT_EQ(m_games.entries().size(), 1u);
        // Another file is read as it is.
        EXPECT_NE(CatalogueFile::readShared(other), CatalogueFile::readShared(other));
    }
    // Without the hold every read reads the file.
    loadGameList(path, m_games);
    EXPECT_EQ(m_games.entries().size(), 2u);
    EXPECT_NE(CatalogueFile::readShared(path), CatalogueFile::readShared(path));
}

TEST_F(CatalogueReader, ADroppedGameListLineMovesLaterColumnsUp) {
    // Three columns in the second section; game 2 is not available, so game
    // 3 is the second game of the list and reads the second column.
    const std::string path = write(
        "[Sect1]\n" + gameLine(1, 1, '4', "One") + "\n" + gameLine(1, 2, ' ', "Two") + "\n" +
        gameLine(1, 3, '4', "Three") + "\n[Sect2]\n" + valueLine(1, {"11", "33", "99"}) + "\n");
    loadGameList(path, m_games);
    ASSERT_TRUE(loadParameters(path, m_games, 3, m_params));
    EXPECT_EQ(m_params[1], 33);
    ASSERT_TRUE(loadParameters(path, m_games, 1, m_params));
    EXPECT_EQ(m_params[1], 11);
}

TEST_F(CatalogueReader, ParametersGoWhereTheirIndexSays) {
    // Index 2 is absent, index 307 comes early, and a repeated [Sect2]
    // header appends its lines.
    const std::string path = write(
        "[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n" + gameLine(5, 2, '4', "B") + "\n[Sect2]\n" +
        valueLine(1, {"3", "-1"}) + "\n" + valueLine(307, {"52", "104"}) + "\n[Sect1]\n" +
        gameLine(5, 9, '1', "x") + "\n[Sect2]\n" + valueLine(400, {"-32768", "32767"}) + "\n");
    loadGameList(path, m_games);
    ASSERT_TRUE(loadParameters(path, m_games, 2, m_params));
    EXPECT_EQ(m_params[1], -1);
    EXPECT_EQ(m_params[2], 0);
    EXPECT_EQ(m_params[307], 104);
    EXPECT_EQ(m_params[400], 32767);
    ASSERT_TRUE(loadParameters(path, m_games, 1, m_params));
    EXPECT_EQ(m_params[400], -32768);
}

TEST_F(CatalogueReader, LoadingTakesTheBackupOfPerPileCells) {
    const std::string path = write("[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n[Sect2]\n" +
                                   valueLine(48, {"7"}) + "\n" + valueLine(128, {"13"}) + "\n");
    loadGameList(path, m_games);
    ASSERT_TRUE(loadParameters(path, m_games, 1, m_params));
    m_params.set(48, 2);
    m_params.set(128, 91);
    m_params.restore();
    EXPECT_EQ(m_params[48], 7);
    EXPECT_EQ(m_params[128], 13);
}

TEST_F(CatalogueReader, GamesNotInTheListLoadNothing) {
    const std::string path = write("[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n[Sect2]\n" +
                                   valueLine(307, {"52"}) + "\n");
    loadGameList(path, m_games);
    m_params.set(307, 52);
    EXPECT_FALSE(loadParameters(path, m_games, 2, m_params));
    EXPECT_EQ(m_params[307], 0); // reads as "no game loaded"
    EXPECT_FALSE(loadParameters(path, m_games, 8001, m_params));
    const int lines[] = {307, 1};
    const std::array<int, 9> values = readSelectedParameters(path, m_games, 8001, lines);
    for (int value : values) {
        EXPECT_EQ(value, -99);
    }
}

TEST_F(CatalogueReader, SelectedParametersAreReadByLinePosition) {
    // Line 1 holds index 5 on purpose: the chooser's read goes by position.
    const std::string path =
        write("[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n" + gameLine(5, 4, '4', "B") +
              "\n[Sect2]\n" + valueLine(5, {"10", "20"}) + "\n" + valueLine(2, {"-1", "-2"}) +
              "\n" + valueLine(3, {"30", "40"}) + "\n");
    loadGameList(path, m_games);
    const int lines[] = {3, -1, 1, 2, 4, 0};
    const std::array<int, 9> values = readSelectedParameters(path, m_games, 4, lines);
    EXPECT_EQ(values[0], 40);
    EXPECT_EQ(values[1], -99); // negative: not read
    EXPECT_EQ(values[2], 20);
    EXPECT_EQ(values[3], -2);
    EXPECT_EQ(values[4], -99); // past the last line
    EXPECT_EQ(values[5], -99);
    EXPECT_EQ(values[8], -99);
}

TEST_F(CatalogueReader, AMalformedValueNamesFileLineIndexAndColumn) {
    const std::string path =
        write("[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n" + gameLine(5, 2, '4', "B") +
              "\n[Sect2]\n" + valueLine(1, {"1", "2"}) + "\n" + valueLine(52, {"4", "1x"}) + "\n");
    loadGameList(path, m_games);
    m_params.set(1, 77);
    try {
        loadParameters(path, m_games, 2, m_params);
        FAIL() << "no error";
    } catch (const CatalogueError& error) {
        EXPECT_EQ(error.file(), path);
        EXPECT_EQ(error.line(), 6);
        EXPECT_EQ(error.parameterIndex(), 52);
        EXPECT_EQ(error.column(), 1);
        const std::string what = error.what();
        EXPECT_NE(what.find(path), std::string::npos) << what;
        EXPECT_NE(what.find("line 6"), std::string::npos) << what;
        EXPECT_NE(what.find("parameter 52"), std::string::npos) << what;
        EXPECT_NE(what.find("game column 1"), std::string::npos) << what;
        EXPECT_NE(what.find("\"1x\""), std::string::npos) << what;
    }
    EXPECT_EQ(m_params[1], 77); // the table is left as it was
    // The first game's column is sound and loads.
    EXPECT_TRUE(loadParameters(path, m_games, 1, m_params));
    EXPECT_EQ(m_params[52], 4);
    // The chooser's read of the bad line fails the same way.
    const int lines[] = {2};
    EXPECT_THROW(readSelectedParameters(path, m_games, 2, lines), CatalogueError);
}

TEST_F(CatalogueReader, ShortLinesAndBadIndexesAreErrorsToo) {
    const std::string head =
        "[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n" + gameLine(5, 2, '4', "B") + "\n[Sect2]\n";
    std::string path = write(head + valueLine(9, {"1"}) + "\n"); // no second column
    loadGameList(path, m_games);
    try {
        loadParameters(path, m_games, 2, m_params);
        FAIL() << "no error";
    } catch (const CatalogueError& error) {
        EXPECT_EQ(error.parameterIndex(), 9);
        EXPECT_NE(std::string(error.what()).find("missing"), std::string::npos) << error.what();
    }
    for (const char* index : {"0401", "12ab", "12"}) {
        path = write(head + std::string(index) + "\n");
        try {
            loadParameters(path, m_games, 1, m_params);
            FAIL() << "no error for " << index;
        } catch (const CatalogueError& error) {
            EXPECT_EQ(error.line(), 5);
            EXPECT_NE(std::string(error.what()).find("index"), std::string::npos) << error.what();
        }
    }
}

TEST_F(CatalogueReader, MissingFilesAndSectionsAreReported) {
    const std::string missing = m_dir.path() + "NOPE.DAT";
    try {
        loadGameList(missing, m_games);
        FAIL() << "no error";
    } catch (const CatalogueError& error) {
        EXPECT_EQ(error.file(), missing);
        EXPECT_NE(std::string(error.what()).find("missing"), std::string::npos) << error.what();
    }
    EXPECT_THROW(loadGameList(m_dir.path(), m_games), CatalogueError); // a folder

    m_games.entries() = {"kept"};
    const std::string path =
        write("[sect1]\n" + gameLine(5, 1, '4', "A") + "\n"); // header case differs
    EXPECT_THROW(loadGameList(path, m_games), CatalogueError);
    ASSERT_EQ(m_games.entries().size(), 1u); // unchanged

    const std::string noParameters = write("[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n");
    loadGameList(noParameters, m_games);
    EXPECT_THROW(loadParameters(noParameters, m_games, 1, m_params), CatalogueError);
}

TEST_F(CatalogueReader, ProgramStateReadsFromItsProgramDirectory) {
    write("[Sect1]\n" + gameLine(5, 1, '4', "A") + "\n[Sect2]\n" + valueLine(307, {"52"}) + "\n");
    table::ProgramState state(m_dir.path());
    table::loadGameList(state);
    EXPECT_TRUE(table::loadParameters(state, 1));
    EXPECT_EQ(state.params[307], 52);
}

} // namespace
} // namespace vellomir::catalogue
