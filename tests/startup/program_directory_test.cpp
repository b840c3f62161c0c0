#include "startup/program_directory.h"

#include "startup/data_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace vellomir::startup {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

TEST(ProgramDirectory, FilesBesideTheExecutableMakeAProgramFolder) {
    testing::TempFolder root;
    touch(root / "bin/GAMES.DAT");
    fs::create_directories(root / "share/vellomir");
    const ProgramLocation location = locateProgramDirectory(root / "bin");
    EXPECT_EQ(location.directory, (root / "bin").string() + "/");
    EXPECT_FALSE(location.installed);

    // The resource library alone is enough too: the start-up then reports the
    // missing catalogue in that folder.
    testing::TempFolder other;
    touch(other / "bin/KAR.RGF");
    EXPECT_EQ(locateProgramDirectory(other / "bin").directory, (other / "bin").string() + "/");
}

TEST(ProgramDirectory, AnInstalledProgramFindsShareBesideBin) {
    testing::TempFolder root;
    fs::create_directories(root / "usr/bin");
    touch(root / "usr/share/vellomir/GAMES.DAT");
    const ProgramLocation location = locateProgramDirectory(root / "usr/bin");
    EXPECT_EQ(location.directory, fs::canonical(root / "usr/share/vellomir").string() + "/");
    EXPECT_TRUE(location.installed);
    // Also from a path with a trailing slash, or through a link to the prefix.
    EXPECT_EQ(locateProgramDirectory((root / "usr/bin").string() + "/").directory,
              location.directory);
    fs::create_directory_symlink(root / "usr", root / "prefix");
    EXPECT_EQ(locateProgramDirectory(root / "prefix/bin").directory, location.directory);
}

TEST(ProgramDirectory, NeitherLayoutKeepsTheExecutablesFolder) {
    testing::TempFolder root;
    fs::create_directories(root / "bin");
    const ProgramLocation location = locateProgramDirectory(root / "bin");
    EXPECT_EQ(location.directory, (root / "bin").string() + "/");
    EXPECT_FALSE(location.installed);
}

TEST(ProgramDirectory, TheRunningTestFindsItsOwnFolder) {
    const ProgramLocation location = locateOwnProgramDirectory();
    EXPECT_EQ(location.directory, fs::canonical("/proc/self/exe").parent_path().string() + "/");
}

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(ProgramDirectory, AnInstalledProgramWritesUnderTheUsersDataFolderEvenWhenItCouldWriteBeside) {
    testing::TempFolder root;
    const fs::path share = root / "usr/share/vellomir";
    fs::create_directories(share);
    const ScopedVariable xdg("XDG_DATA_HOME", (root / "xdg").string());
    EXPECT_EQ(dataFolder(share.string() + "/", true), (root / "xdg/vellomir").string() + "/");
    // A program folder outside an installation keeps its files beside it.
    EXPECT_EQ(dataFolder(share.string() + "/", false), share.string() + "/");
}

} // namespace
} // namespace vellomir::startup
