#include "catalogue/catalogue_check.h"

#include "catalogue/catalogue_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace vellomir::catalogue {
namespace {

// The built catalogue as lines, to be damaged one way or another.
std::vector<std::string> builtLines() {
    std::ifstream in(std::string(VELLOMIR_BIN_DIR) + "GAMES.DAT", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::size_t lineOf(const std::vector<std::string>& lines, const std::string& start) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with(start)) {
            return i;
        }
    }
    ADD_FAILURE() << "no line starts with " << start;
    return 0;
}

class CatalogueCheck : public ::testing::Test {
protected:
    // The error the check throws for the catalogue made of `lines`, or an
    // empty text when it passes.
    std::string problemOf(const std::vector<std::string>& lines) {
        std::ostringstream text;
        for (const std::string& line : lines) {
            text << line << '\n';
        }
        const std::string path = m_dir.write("GAMES.DAT", text.str());
        try {
            checkCatalogue(path);
        } catch (const CatalogueError& error) {
            m_line = error.line();
            return error.what();
        }
        m_line = 0;
        return {};
    }

    testing::TempDir m_dir;
    int m_line = 0;
};

TEST_F(CatalogueCheck, TheBuiltCatalogueAgreesWithItself) {
    EXPECT_EQ(problemOf(builtLines()), "");
}

TEST_F(CatalogueCheck, AGarbledGameListLineIsReportedWithItsLine) {
    std::vector<std::string> lines = builtLines();
    const std::size_t first = lineOf(lines, "[Sect1]") + 1;
    lines[first + 2][1] = '#'; // a digit of the group number
    const std::string problem = problemOf(lines);
    EXPECT_NE(problem.find("GAMES.DAT"), std::string::npos) << problem;
    EXPECT_EQ(m_line, int(first + 3));

    // A dropped game makes every parameter line one value too long.
    lines = builtLines();
    lines.erase(lines.begin() + std::ptrdiff_t(first + 4));
    EXPECT_NE(problemOf(lines).find("values"), std::string::npos);
    EXPECT_EQ(m_line, int(lineOf(lines, "[Sect2]") + 2));
}

TEST_F(CatalogueCheck, AParameterSectionCutShortOrOutOfStepIsReported) {
    std::vector<std::string> lines = builtLines();
    const std::size_t section = lineOf(lines, "[Sect2]");
    // Cut at a line boundary: the last hundred parameters are gone.
    std::vector<std::string> cut(lines.begin(), lines.begin() + std::ptrdiff_t(section + 301));
    EXPECT_NE(problemOf(cut).find("ends after 300 of its 400 lines"), std::string::npos)
        << problemOf(cut);

    // A line cut inside its values.
    lines[section + 120].resize(lines[section + 120].size() - 30);
    EXPECT_NE(problemOf(lines).find("parameter 120"), std::string::npos);
    EXPECT_EQ(m_line, int(section + 121));

    // A line missing in the middle: the next one stands in its place.
    lines = builtLines();
    lines.erase(lines.begin() + std::ptrdiff_t(section + 7));
    EXPECT_NE(problemOf(lines).find("where the line of parameter 7 belongs"), std::string::npos)
        << problemOf(lines);
}

} // namespace
} // namespace vellomir::catalogue
