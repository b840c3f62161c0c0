#include "startup/installation_files.h"
#include "settings/text_placeholders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vellomir::startup {
namespace {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

TEST(VersionMarker, IsWrittenOnceAndNeverRewritten) {
    testing::TempDir dir;
    const std::string marker = dir.path() + "KARV0520.DAT";
    ASSERT_TRUE(writeVersionMarker(dir.path()));
    EXPECT_EQ(readWhole(marker), "Marbleon version: 05.20\n");

    // A second start finds the marker and leaves it as it is.
    dir.write("KARV0520.DAT", "kept");
    ASSERT_TRUE(writeVersionMarker(dir.path()));
    EXPECT_EQ(readWhole(marker), "kept");
}

TEST(VersionMarker, AFolderThatCannotBeWrittenIsReported) {
    const settings::WriteResult result = writeVersionMarker("/nonexistent-folder-of-vellomir/");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("KARV0520.DAT"), std::string::npos);
}

TEST(LeftoverFiles, AGroupGoesOnlyWhenItsMarkerFileExists) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() + "IMAGES");
    // Game pictures without GAME0000: nothing of that group goes.
    dir.write("IMAGES/GAME0001.BMP", "x");
    // Card sheets with their marker: the whole group goes.
    dir.write("IMAGES/CB001C.BMP", "x");
    dir.write("IMAGES/CB005S.BMP", "x");
    dir.write("IMAGES/CM003H.BMP", "x");
    dir.write("IMAGES/CL003D.BMP", "x");
    // The marks group has no marker here; its other files stay.
    dir.write("IMAGES/WM010.BMP", "x");
    dir.write("MARBLEON.DLL", "x");
    dir.write("IMAGES/OTHER.BMP", "x");

    EXPECT_EQ(removeLeftoverFiles(dir.path()), 5);
    EXPECT_TRUE(exists(dir.path() + "IMAGES/GAME0001.BMP"));
    EXPECT_FALSE(exists(dir.path() + "IMAGES/CB001C.BMP"));
    EXPECT_FALSE(exists(dir.path() + "IMAGES/CB005S.BMP"));
    EXPECT_FALSE(exists(dir.path() + "IMAGES/CM003H.BMP"));
    EXPECT_FALSE(exists(dir.path() + "IMAGES/CL003D.BMP"));
    EXPECT_TRUE(exists(dir.path() + "IMAGES/WM010.BMP"));
    EXPECT_FALSE(exists(dir.path() + "MARBLEON.DLL"));
    EXPECT_TRUE(exists(dir.path() + "IMAGES/OTHER.BMP"));
}

TEST(LeftoverFiles, TheGroupsNameTheirFilesInFull) {
    const auto groups = leftoverFileGroups();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].front(), "IMAGES/GAME0000.BMP");
    EXPECT_EQ(groups[0].back(), "IMAGES/GAME0100.BMP");
    EXPECT_EQ(groups[1].front(), "IMAGES/WB001.BMP");
    EXPECT_EQ(groups[1].back(), "IMAGES/WP025.BMP");
    EXPECT_EQ(groups[2].front(), "IMAGES/CB001C.BMP");
    EXPECT_EQ(groups[2].back(), "IMAGES/CL003S.BMP");
    EXPECT_EQ(groups[3], std::vector<std::string>{"MARBLEON.DLL"});
}

TEST(Placeholders, EachIsReplacedAtItsFirstOccurrence) {
    EXPECT_EQ(settings::replacePlaceholders("A&bout [Program]..."), "A&bout Vellomir...");
    EXPECT_EQ(settings::replacePlaceholders("[Program] and [Program]"), "Vellomir and [Program]");
    EXPECT_EQ(settings::replacePlaceholders("[Program_sw]: [GameNum_sw] games, [GameNum_fw] more"),
              "Marbleon 2000: 230 games, 6 more");
}

} // namespace
} // namespace vellomir::startup
