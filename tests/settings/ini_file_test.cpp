#include "settings/ini_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <random>

namespace vellomir::settings {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path path = folder / "CFG.DAT";
    IniFile ini{path};

    void given(std::string_view bytes) { writeBytes(path, bytes); }
    std::string bytes() const { return readBytes(path); }
    bool onlyTheFileIsLeft() const {
        return folder.entries() == std::vector<std::string>{"CFG.DAT"};
    }
};

// --- Reading odd files --------------------------------------------------------

TEST_F(IniFileTest, NamesMatchWithoutCaseAndBlanksDoNotCount) {
    given("[preference]\n  SHOW_time  =  N  \n\t[ Settings ]\t\nrandom_game_type=\t3\n");
    EXPECT_EQ(ini.readText("Preference", "Show_Time", "Y"), "N");
    EXPECT_EQ(ini.readInt("SETTINGS", "Random_Game_Type", 2), 3);
    EXPECT_EQ(ini.readText("Preference", "Random_Game_Type", "none"), "none");
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
    EXPECT_EQ(ini.readText("Preference", "Card_Size", "B"), "B");
    EXPECT_EQ(ini.readInt("Preference", "Game", 87), 87);
    EXPECT_FALSE(ini.readProblem());
    ASSERT_TRUE(ini.writeInt("Preference", "Game", 12));
    EXPECT_EQ(bytes(), "[Preference]\nGame=12\n");
    EXPECT_EQ(ini.readInt("preference", "GAME", 87), 12);
}

TEST_F(IniFileTest, MalformedIntegersGiveTheDefault) {
    given("[P]\na=12x\nb=\nc=-5\nd=99999999999\ne= 42 \nf=+7\ng=0x10\n");
    EXPECT_EQ(ini.readInt("P", "a", 1), 1);
    EXPECT_EQ(ini.readInt("P", "b", 1), 1);
    EXPECT_EQ(ini.readInt("P", "c", 1), -5);
    EXPECT_EQ(ini.readInt("P", "d", 1), 1);
    EXPECT_EQ(ini.readInt("P", "e", 1), 42);
    EXPECT_EQ(ini.readInt("P", "f", 1), 7);
    EXPECT_EQ(ini.readInt("P", "g", 1), 1);
    // An empty value is a value for text, not the default.
    EXPECT_EQ(ini.readText("P", "b", "default"), "");
}

TEST_F(IniFileTest, FirstOfDuplicateKeysCountsAndIsTheOneUpdated) {
    given("[P]\nGame=5\ngame=6\n");
    EXPECT_EQ(ini.readInt("P", "Game", 0), 5);
    ASSERT_TRUE(ini.writeInt("P", "GAME", 7));
    // The key keeps the spelling it had in the file.
    EXPECT_EQ(bytes(), "[P]\nGame=7\ngame=6\n");
}

TEST_F(IniFileTest, KeysBeforeAnySectionBelongToNoSection) {
    given("Game=5\n[P]\nOther=1\n");
    EXPECT_EQ(ini.readInt("P", "Game", 87), 87);
    ASSERT_TRUE(ini.writeInt("P", "Game", 9));
    EXPECT_EQ(bytes(), "Game=5\n[P]\nOther=1\nGame=9\n");
}

TEST_F(IniFileTest, ASectionThatAppearsTwiceIsReadInBothAndGrowsInTheFirst) {
    given("[P]\na=1\n[Q]\nx=0\n[p]\nb=2\n");
    EXPECT_EQ(ini.readText("P", "b", ""), "2");
    ASSERT_TRUE(ini.writeText("P", "c", "3"));
    ASSERT_TRUE(ini.writeText("P", "b", "4"));
    EXPECT_EQ(bytes(), "[P]\na=1\nc=3\n[Q]\nx=0\n[p]\nb=4\n");
}

// --- Writing keeps the rest of the file ---------------------------------------

TEST_F(IniFileTest, CommentsUnknownLinesAndLayoutSurviveAWrite) {
    given("; written by hand\n"
          "[Preference]\n"
          "Game = 5\n"
          "this line means nothing\n"
          "=no name\n"
          "\n"
          "; about the users\n"
          "[Users]\n"
          "User001=Anna\n");
    ASSERT_TRUE(ini.writeInt("Preference", "Game", 6));
    ASSERT_TRUE(ini.writeText("Preference", "Card_Size", "M"));
    ASSERT_TRUE(ini.writeText("Users", "User002", "Bruno"));
    ASSERT_TRUE(ini.writeText("Autoplay", "Games", "YYN"));
    // A new key goes after the section's last line of content, so the blank
    // line and the comment that lead into the next section stay together.
    EXPECT_EQ(bytes(), "; written by hand\n"
                       "[Preference]\n"
                       "Game=6\n"
                       "this line means nothing\n"
                       "=no name\n"
                       "Card_Size=M\n"
                       "\n"
                       "; about the users\n"
                       "[Users]\n"
                       "User001=Anna\n"
                       "User002=Bruno\n"
                       "[Autoplay]\n"
                       "Games=YYN\n");
}

TEST_F(IniFileTest, WindowsLineEndsAreKept) {
    given("[P]\r\na=1\r\n\r\n[Q]\r\nb=2\r\n");
    EXPECT_EQ(ini.readText("P", "a", ""), "1");
    ASSERT_TRUE(ini.writeText("P", "a", "3"));
    ASSERT_TRUE(ini.writeText("Q", "c", "4"));
    ASSERT_TRUE(ini.writeText("R", "d", "5"));
    EXPECT_EQ(bytes(), "[P]\r\na=3\r\n\r\n[Q]\r\nb=2\r\nc=4\r\n[R]\r\nd=5\r\n");
}

TEST_F(IniFileTest, AFileWithoutAFinalLineEnd) {
    given("[P]\na=1");
    EXPECT_EQ(ini.readText("P", "a", ""), "1");
    ASSERT_TRUE(ini.writeText("P", "b", "2"));
    EXPECT_EQ(bytes(), "[P]\na=1\nb=2\n");
    given("[P]\r\na=1");
    ASSERT_TRUE(ini.writeText("Q", "b", "2"));
    EXPECT_EQ(bytes(), "[P]\r\na=1\r\n[Q]\r\nb=2\r\n");
}

TEST_F(IniFileTest, NamesAndValuesThatWouldBreakTheFileAreRefused) {
    given("[P]\na=1\n");
    const std::string before = bytes();
    for (const WriteResult& result : {
             ini.writeText("P", "a", "1\n[Evil]\nx=1"),
             ini.writeText("P", "a=b", "1"),
             ini.writeText("P", "", "1"),
             ini.writeText("P", "[x", "1"),
             ini.writeText("P]", "a", "1"),
             ini.writeText("P", "a\r", "1"),
         }) {
        EXPECT_FALSE(result);
        EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    }
    EXPECT_EQ(bytes(), before);
}

// --- Files that cannot be read ------------------------------------------------

TEST_F(IniFileTest, AnUnreadableFileGivesDefaultsAndIsNeverOverwritten) {
    // A folder where the file should be cannot be read as a file.
    std::filesystem::create_directory(path);
    EXPECT_EQ(ini.readInt("P", "a", 4), 4);
    ASSERT_TRUE(ini.readProblem());
    EXPECT_NE(ini.readProblem()->find(path.string()), std::string::npos);
    const WriteResult result = ini.writeText("P", "a", "1");
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("cannot be read"), std::string::npos) << result.message;
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST_F(IniFileTest, AFileWithoutReadPermissionIsNeverOverwritten) {
    given("[P]\na=1\n");
    ::chmod(path.c_str(), 0200);
    if (::access(path.c_str(), R_OK) == 0) {
        GTEST_SKIP() << "permissions are not enforced for this user";
    }
    EXPECT_EQ(ini.readText("P", "a", "default"), "default");
    const WriteResult result = ini.writeText("P", "b", "2");
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("Permission denied"), std::string::npos) << result.message;
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(bytes(), "[P]\na=1\n");
}

TEST_F(IniFileTest, HugeAndBinaryFilesDoNotBreakTheReader) {
    std::string huge(IniFile::kMaxSize + 1, 'x');
    huge.replace(0, 8, "[P]\na=1\n");
    given(huge);
    EXPECT_EQ(ini.readText("P", "a", "default"), "default");
    EXPECT_TRUE(ini.readProblem());
    EXPECT_FALSE(ini.writeText("P", "a", "2"));
    EXPECT_EQ(std::filesystem::file_size(path), huge.size());

    std::mt19937 random(7);
    std::string binary(256 * 1024, '\0');
    for (char& c : binary) {
        c = static_cast<char>(random() % 256);
    }
    given(binary);
    (void)ini.readText("P", "a", "");
    ASSERT_TRUE(ini.writeText("Vellomir", "Key", "Value"));
    EXPECT_EQ(ini.readText("vellomir", "key", ""), "Value");
}

// --- Atomic replace -----------------------------------------------------------

TEST_F(IniFileTest, AWriteThatFailsPartWayLeavesTheOldFileAndNoTemporary) {
    const std::string old = "[Preference]\r\nGame=5\r\n; keep me\r\n";
    given(old);
    const std::size_t newSize = old.size() + std::string("Card_Size=M\r\n").size();
    for (std::size_t after : {std::size_t{0}, std::size_t{1}, newSize / 2, newSize - 1}) {
        WriteFaults faults;
        faults.failAfterBytes = after;
        ini.injectWriteFaults(faults);
        const WriteResult result = ini.writeText("Preference", "Card_Size", "M");
        EXPECT_FALSE(result) << "failing after " << after << " bytes";
        EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("No space left on device"), std::string::npos)
            << result.message;
        EXPECT_EQ(bytes(), old);
        EXPECT_TRUE(onlyTheFileIsLeft());
    }
    // The whole text fits: the write goes through.
    WriteFaults enough;
    enough.failAfterBytes = newSize;
    ini.injectWriteFaults(enough);
    EXPECT_TRUE(ini.writeText("Preference", "Card_Size", "M"));
    EXPECT_EQ(bytes(), "[Preference]\r\nGame=5\r\nCard_Size=M\r\n; keep me\r\n");
    EXPECT_TRUE(onlyTheFileIsLeft());
}

TEST_F(IniFileTest, FailingToFlushOrRenameLeavesTheOldFile) {
    given("[P]\na=1\n");
    for (int which = 0; which < 2; ++which) {
        WriteFaults faults;
        faults.error = EIO;
        (which == 0 ? faults.failSync : faults.failRename) = true;
        ini.injectWriteFaults(faults);
        const WriteResult result = ini.writeText("P", "a", "2");
        EXPECT_FALSE(result);
        EXPECT_NE(result.message.find("Input/output error"), std::string::npos) << result.message;
        EXPECT_EQ(bytes(), "[P]\na=1\n");
        EXPECT_TRUE(onlyTheFileIsLeft());
    }
}

TEST_F(IniFileTest, AReadOnlyFolderMakesTheWriteFailAndKeepsTheFile) {
    given("[P]\na=1\n");
    ::chmod(folder.path().c_str(), 0500);
    if (::access(folder.path().c_str(), W_OK) == 0) {
        GTEST_SKIP() << "permissions are not enforced for this user";
    }
    const WriteResult result = ini.writeText("P", "a", "2");
    ::chmod(folder.path().c_str(), 0700);
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("Permission denied"), std::string::npos) << result.message;
    EXPECT_EQ(bytes(), "[P]\na=1\n");
    EXPECT_TRUE(onlyTheFileIsLeft());
}

TEST_F(IniFileTest, AReplaceKeepsPermissionsAndSymbolicLinks) {
    given("[P]\na=1\n");
    ::chmod(path.c_str(), 0640);
    const std::filesystem::path link = folder / "link.ini";
    std::filesystem::create_symlink(path, link);
    IniFile throughLink(link);
    ASSERT_TRUE(throughLink.writeText("P", "a", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(bytes(), "[P]\na=2\n");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(IniFileTest, AWriteIntoAMissingFolderSaysSo) {
    IniFile nowhere(folder / "DATA" / "CFG.DAT");
    const WriteResult result = nowhere.writeText("P", "a", "1");
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("DATA/CFG.DAT"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("No such file or directory"), std::string::npos)
        << result.message;
}

} // namespace
} // namespace vellomir::settings
