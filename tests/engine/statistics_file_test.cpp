#include "engine/records/statistics_file.h"

#include "settings/ini_file.h"
#include "support/recording_frontend.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vellomir::engine {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const std::string kHeader = "[Version]\r\nVersion=0300\r\n\r\n";

// A data folder with its DATA folder, holding a score file and preferences.
struct ScoreFileTest : ::testing::Test {
    TempFolder folder;
    testing::RecordingFrontend frontend;

    ScoreFileTest() { std::filesystem::create_directory(folder / "DATA"); }

    std::filesystem::path scoreFile() const { return folder / "DATA/STAT_SCR.DAT"; }
    std::filesystem::path preferencesFile() const { return folder / "DATA/CFG.DAT"; }
    void writeScores(std::string_view bytes) const { writeBytes(scoreFile(), bytes); }
    std::string scores() const { return readBytes(scoreFile()); }
    std::vector<std::string> dataEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder / "DATA")) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

// --- Section reader ---------------------------------------------------------

TEST(SectionReader, ReadsKeysOfOneSectionOnly) {
    const std::string text = "Version=0100\r\n[Other]\r\nVersion=0200\r\n[Version] old\r\n"
                             "junk line\r\nVersionDate=1999=12\r\nName=a=b\r\n[Next]\r\nSize=3\r\n";
    // The section starts at a line beginning with its header; a key matches
    // the start of a line and takes everything after the first "=".
    SectionValues found =
        readSectionKeysInText(text, "Version", {"Version", "Name"}, {"0000", "?"});
    EXPECT_TRUE(found.allFound);
    EXPECT_EQ(found.values, (std::vector<std::string>{"1999=12", "a=b"}));
    // The next section ends the search; keys not found keep their defaults.
    found = readSectionKeysInText(text, "Version", {"Size", "Name"}, {"9", "?"});
    EXPECT_FALSE(found.allFound);
    EXPECT_EQ(found.values, (std::vector<std::string>{"9", "a=b"}));
    // Names match exactly.
    found = readSectionKeysInText(text, "version", {"Version"}, {"0000"});
    EXPECT_FALSE(found.allFound);
    EXPECT_EQ(found.values.front(), "0000");
}

TEST(SectionReader, StopsAtTheFirstCompleteAnswer) {
    const std::string text = "[Version]\nVersion=0300\nVersion=0100\n";
    const SectionValues found = readSectionKeysInText(text, "Version", {"Version"}, {"0000"});
    EXPECT_TRUE(found.allFound);
    EXPECT_EQ(found.values.front(), "0300");
}

TEST(SectionReader, AMissingFileGivesTheDefaults) {
    TempFolder folder;
    const SectionValues found =
        readSectionKeys(folder / "none.dat", "Version", {"Version", "Other"}, {"0000"});
    EXPECT_FALSE(found.allFound);
    EXPECT_EQ(found.values, (std::vector<std::string>{"0000", ""}));
    writeBytes(folder / "some.dat", "[Version]\r\nVersion=0250\r\n");
    EXPECT_EQ(readSectionKeys(folder / "some.dat", "Version", {"Version"}, {"0000"}).values,
              std::vector<std::string>{"0250"});
}

// --- Upgrade ----------------------------------------------------------------

TEST_F(ScoreFileTest, ACurrentFileIsLeftAsItIs) {
    for (const std::string version : {"0300", "0301", "1000"}) {
        SCOPED_TRACE(version);
        const std::string current = "[Version]\r\nVersion=" + version + "\r\n\r\n0123\r\n";
        writeScores(current);
        EXPECT_FALSE(upgradeScoreFile(folder.path(), frontend));
        EXPECT_EQ(scores(), current);
    }
    EXPECT_EQ(dataEntries(), std::vector<std::string>{"STAT_SCR.DAT"});
    EXPECT_TRUE(frontend.calls.empty());
}

TEST_F(ScoreFileTest, AFileWithoutAVersionIsUpgraded) {
    writeScores("[Scores]\r\nPlayer=Ann\r\n0abc\r\n\r\nlast");
    EXPECT_TRUE(upgradeScoreFile(folder.path(), frontend));
    EXPECT_EQ(scores(), kHeader + "[Scores]\r\nPlayer=Ann\r\n0abc" + std::string(85, ' ') +
                            " x\r\n\r\nlast\r\n");
    EXPECT_EQ(dataEntries(), std::vector<std::string>{"STAT_SCR.DAT"});
    EXPECT_TRUE(frontend.calls.empty());
}

TEST_F(ScoreFileTest, AnOldFileLosesItsVersionLinesWhereverTheyStand) {
    writeScores("Version=0001\n[Scores]\n[Version]\nVersion=0299\n0" + std::string(120, '7') +
                "\n 0 not data\n[Version]x\n");
    EXPECT_TRUE(upgradeScoreFile(folder.path(), frontend));
    const std::string dataLine = "0" + std::string(88, '7') + " x";
    EXPECT_EQ(dataLine.size(), 91U);
    EXPECT_EQ(scores(), kHeader + "[Scores]\r\n" + dataLine + "\r\n 0 not data\r\n");
    // Once upgraded it stays as it is.
    const std::string upgraded = scores();
    EXPECT_FALSE(upgradeScoreFile(folder.path(), frontend));
    EXPECT_EQ(scores(), upgraded);
}

TEST_F(ScoreFileTest, DamagedFilesAreCopiedWithoutLosingBytes) {
    std::string junk;
    for (int i = 0; i < 256; ++i) {
        junk += static_cast<char>(i == '\n' ? 'n' : i);
    }
    const std::string longLine(200'000, 'z');
    writeScores(junk + "\n" + longLine + "\r\n\r\n0\r\x01tail");
    EXPECT_TRUE(upgradeScoreFile(folder.path(), frontend));
    EXPECT_EQ(scores(), kHeader + junk + "\r\n" + longLine + "\r\n\r\n0\r\x01tail" +
                            std::string(kScoreLineLength - 7, ' ') + " x\r\n");
    EXPECT_TRUE(frontend.calls.empty());
}

TEST_F(ScoreFileTest, AFailureAtAnyStepKeepsTheOldFile) {
    const std::string old = "[Scores]\r\n0001 Ann 120\r\n0002 Bob 80\r\n";
    const std::size_t newSize = upgradedScoreText(old).size();
    struct Case {
        const char* name;
        settings::WriteFaults faults;
        std::string message;
    };
    auto faults = [](auto set) {
        settings::WriteFaults f;
        set(f);
        return f;
    };
    const std::string cannotWrite =
        "info: Cannot write the file \"" + scoreFile().string() + "\": No space left on device";
    const std::vector<Case> cases = {
        {"create", faults([](auto& f) { f.failCreate = true; }), "info: Error creating temp file."},
        {"first byte", faults([](auto& f) { f.failAfterBytes = 0; }), cannotWrite},
        {"mid-header", faults([](auto& f) { f.failAfterBytes = 10; }), cannotWrite},
        {"last byte", faults([&](auto& f) { f.failAfterBytes = newSize - 1; }), cannotWrite},
        {"sync", faults([](auto& f) { f.failSync = true; }), cannotWrite},
        {"rename", faults([](auto& f) { f.failRename = true; }), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeScores(old);
        frontend.calls.clear();
        EXPECT_FALSE(upgradeScoreFile(folder.path(), frontend, c.faults));
        EXPECT_EQ(scores(), old);
        EXPECT_EQ(dataEntries(), std::vector<std::string>{"STAT_SCR.DAT"});
        ASSERT_EQ(frontend.calls.size(), 1U);
        if (!c.message.empty()) {
            EXPECT_EQ(frontend.calls.front(), c.message);
        }
    }
    // The rename message names the temporary file and the score file.
    const std::string& renamed = frontend.calls.front();
    const std::string prefix =
        "info: Error in renaming the file: " + (folder / "DATA/rpl").string();
    EXPECT_TRUE(renamed.starts_with(prefix)) << renamed;
    EXPECT_TRUE(renamed.ends_with("\rto: " + scoreFile().string())) << renamed;

    // With the fault gone the upgrade completes.
    EXPECT_TRUE(upgradeScoreFile(folder.path(), frontend));
    EXPECT_EQ(scores(), upgradedScoreText(old));
}

TEST_F(ScoreFileTest, AScoreFileThatCannotBeReadIsReportedAndKept) {
    std::filesystem::create_directory(scoreFile());
    EXPECT_FALSE(upgradeScoreFile(folder.path(), frontend));
    ASSERT_EQ(frontend.calls.size(), 1U);
    EXPECT_EQ(frontend.calls.front(), "info: Cannot read the file \"" + scoreFile().string() +
                                          "\": it is not a regular file");
    EXPECT_TRUE(std::filesystem::is_directory(scoreFile()));
}

// --- Preference fix ---------------------------------------------------------

TEST_F(ScoreFileTest, LegacyPreferenceValuesBecomeYes) {
    writeBytes(preferencesFile(),
               "[Preference]\r\nCards_Animate=S\r\nConfirmQuit=N\r\nOther=S\r\n");
    writeScores("[Version]\r\nVersion=0300\r\n");
    upgradeScoreFile(folder.path(), frontend);
    EXPECT_EQ(readBytes(preferencesFile()),
              "[Preference]\r\nCards_Animate=Y\r\nConfirmQuit=N\r\nOther=S\r\n");

    writeBytes(preferencesFile(), "[Preference]\nconfirmquit=S\n");
    writeScores("old");
    EXPECT_TRUE(upgradeScoreFile(folder.path(), frontend));
    EXPECT_EQ(readBytes(preferencesFile()), "[Preference]\nconfirmquit=Y\n");
    EXPECT_TRUE(frontend.calls.empty());
}

TEST_F(ScoreFileTest, WithoutAScoreFileThePreferencesAreLeftAlone) {
    writeBytes(preferencesFile(), "[Preference]\r\nConfirmQuit=S\r\n");
    EXPECT_FALSE(upgradeScoreFile(folder.path(), frontend));
    EXPECT_EQ(readBytes(preferencesFile()), "[Preference]\r\nConfirmQuit=S\r\n");
    EXPECT_EQ(dataEntries(), std::vector<std::string>{"CFG.DAT"});
}

TEST_F(ScoreFileTest, TheFixRunsEvenWhenTheUpgradeFails) {
    writeBytes(preferencesFile(), "[Preference]\r\nCards_Animate=S\r\n");
    writeScores("old");
    settings::WriteFaults faults;
    faults.failCreate = true;
    EXPECT_FALSE(upgradeScoreFile(folder.path(), frontend, faults));
    EXPECT_EQ(scores(), "old");
    EXPECT_EQ(readBytes(preferencesFile()), "[Preference]\r\nCards_Animate=Y\r\n");
}

// --- Player statistics --------------------------------------------------------

TEST_F(ScoreFileTest, PlayerStatisticsAreFoundByTheirNumberedNames) {
    EXPECT_FALSE(playerStatisticsExist(folder.path()));
    // Names of the pattern that are not numbered 00 to 99 do not count, nor
    // does a folder, nor another case.
    writeBytes(folder / "DATA/Stat_eXY.dat", "");
    writeBytes(folder / "DATA/Stat_e100.dat", "");
    writeBytes(folder / "DATA/STAT_E05.DAT", "");
    std::filesystem::create_directory(folder / "DATA/Stat_e03.dat");
    EXPECT_FALSE(playerStatisticsExist(folder.path()));
    writeBytes(folder / "DATA/Stat_e07.dat", "");
    EXPECT_TRUE(playerStatisticsExist(folder.path()));
    std::filesystem::remove(folder / "DATA/Stat_e07.dat");
    writeBytes(folder / "DATA/Stat_e99.dat", "x");
    EXPECT_TRUE(playerStatisticsExist(folder.path()));
}

TEST(PlayerStatistics, AMissingDataFolderHasNone) {
    TempFolder folder;
    EXPECT_FALSE(playerStatisticsExist(folder.path()));
    EXPECT_FALSE(playerStatisticsExist(folder / "absent"));
}

} // namespace
} // namespace vellomir::engine
