#include "startup/data_folder.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace vellomir::startup {
namespace {

TEST(DataFolder, AWritableProgramDirectoryKeepsTheFiles) {
    EXPECT_EQ(chooseDataFolder("/opt/vellomir/", true, "/xdg", "/home/anna"), "/opt/vellomir/");
    EXPECT_EQ(chooseDataFolder("/opt/vellomir", true, "", ""), "/opt/vellomir/");
}

TEST(DataFolder, AReadOnlyInstallationWritesUnderTheUsersDataFolder) {
    EXPECT_EQ(chooseDataFolder("/usr/share/vellomir/", false, "/xdg/data", "/home/anna"),
              "/xdg/data/vellomir/");
    EXPECT_EQ(chooseDataFolder("/usr/share/vellomir/", false, "/xdg/data/", "/home/anna"),
              "/xdg/data/vellomir/");
    // Unset, empty or relative XDG_DATA_HOME falls back to the home folder.
    EXPECT_EQ(chooseDataFolder("/usr/share/vellomir/", false, "", "/home/anna"),
              "/home/anna/.local/share/vellomir/");
    EXPECT_EQ(chooseDataFolder("/usr/share/vellomir/", false, "data", "/home/anna/"),
              "/home/anna/.local/share/vellomir/");
    // Nowhere else to go: the program directory, whose writes will report failing.
    EXPECT_EQ(chooseDataFolder("/usr/share/vellomir/", false, "", ""), "/usr/share/vellomir/");
}

TEST(DataFolder, WritabilityIsProbedOnTheRealFolder) {
    testing::TempFolder folder;
    EXPECT_TRUE(isWritableDirectory(folder.path().string()));
    EXPECT_FALSE(isWritableDirectory((folder / "missing").string()));
    EXPECT_EQ(dataFolder(folder.path().string()), folder.path().string() + "/");
}

// Files of the player beside the program that cannot be used are named,
// with the folder used instead: the statistics do not seem gone in silence.
TEST(DataFolder, APlayersFolderThatCannotBeWrittenIsNamedWithTheOneUsedInstead) {
    testing::TempFolder folder;
    const std::string program = folder.path().string() + "/";
    EXPECT_EQ(movedDataFolderNotice(program, "/xdg/vellomir/"), ""); // no files there
    std::filesystem::create_directories(folder / "DATA");
    testing::writeBytes(folder / "DATA" / "Stat_e00.dat", "");
    const std::string notice = movedDataFolderNotice(program, "/xdg/vellomir/");
    EXPECT_NE(notice.find(program + "DATA"), std::string::npos) << notice;
    EXPECT_NE(notice.find("/xdg/vellomir/"), std::string::npos) << notice;
    EXPECT_NE(notice.find("cannot be written"), std::string::npos) << notice;
    EXPECT_EQ(notice.find('%'), std::string::npos) << notice; // every place filled in
    EXPECT_EQ(movedDataFolderNotice(program, program), "");   // the folder is used
}

} // namespace
} // namespace vellomir::startup
