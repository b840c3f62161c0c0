#include "settings/preference_table.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>

namespace vellomir::settings {
namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return result;
}

TEST(PreferenceTable, EveryKeyIsNamedOnceInItsSectionAndCanBeStored) {
    std::set<std::pair<PreferenceSection, std::string>> seen;
    for (std::size_t i = 0; i < preferenceCount(); ++i) {
        const PreferenceEntry& entry = preferenceEntry(static_cast<Pref>(i));
        SCOPED_TRACE(std::string(entry.key));
        EXPECT_TRUE(seen.emplace(entry.section, lowered(entry.key)).second);
        EXPECT_FALSE(entry.key.empty());
        EXPECT_EQ(entry.key.find_first_of("=[]; \r\n"), std::string_view::npos);
        if (entry.normalisation == Normalisation::ZeroIsOne ||
            entry.normalisation == Normalisation::ZeroIsDefault) {
            EXPECT_NE(entry.fallback, "0");
        }
    }
}

class PreferenceFileTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::filesystem::path path = folder / "CFG.DAT";
    IniFile ini{path};
    PreferenceFile preferences{path};
};

TEST_F(PreferenceFileTest, MissingKeysGiveTheTableDefaultsAndValuesAreNormalised) {
    EXPECT_EQ(preferences.number(Pref::BackCard), 11);
    EXPECT_EQ(preferences.text(Pref::BackgroundBmp), "0");
    EXPECT_EQ(preferences.number(Pref::BackgroundCol), -2147483633);
    EXPECT_EQ(preferences.text(Pref::Card, "3"), "3");
    EXPECT_FALSE(preferences.find(Pref::BackCard));

    ASSERT_TRUE(preferences.writeNumber(Pref::BackCard, 0));
    ASSERT_TRUE(preferences.write(Pref::BackgroundBmp, ""));
    ASSERT_TRUE(preferences.writeNumber(Pref::BackgroundCol, 0));
    ASSERT_TRUE(preferences.write(Pref::Game, "not a number"));
    EXPECT_EQ(preferences.number(Pref::BackCard), 1);
    EXPECT_EQ(preferences.text(Pref::BackgroundBmp), "0");
    EXPECT_EQ(preferences.number(Pref::BackgroundCol), -2147483633);
    EXPECT_EQ(preferences.number(Pref::Game), 87);
    EXPECT_EQ(preferences.find(Pref::BackCard), "0"); // stored as written
}

TEST_F(PreferenceFileTest, WritesGoToTheTablesSectionAndSpelling) {
    ASSERT_TRUE(preferences.writeYesNo(Pref::ShowTime, false));
    ASSERT_TRUE(preferences.writeNumber(Pref::RunExe, 4));
    ASSERT_TRUE(preferences.writeNumber(Pref::RandomGameType, 1));
    ASSERT_TRUE(preferences.write(Pref::AutoplayGames, "YN"));
    ASSERT_TRUE(preferences.writePlayer(2, "Ann"));
    ASSERT_TRUE(preferences.writeCustomisedAutoplay(8001, "N"));
    ASSERT_TRUE(preferences.hideAdvice("Some_Advice"));
    EXPECT_EQ(ini.readText("Preference", "Show_Time", ""), "N");
    EXPECT_EQ(ini.readText("Parameters", "Run_Exe", ""), "4");
    EXPECT_EQ(ini.readText("Settings", "Random_Game_Type", ""), "1");
    EXPECT_EQ(ini.readText("Autoplay", "Games", ""), "YN");
    EXPECT_EQ(ini.readText("Users", "User002", ""), "Ann");
    EXPECT_EQ(ini.readText("Autoplay", "Cust_8001", ""), "N");
    EXPECT_EQ(preferences.customisedAutoplay(8001, "Y"), "N");
    EXPECT_FALSE(preferences.adviceShown("Some_Advice"));
    EXPECT_TRUE(preferences.adviceShown("Other_Advice"));
}

TEST_F(PreferenceFileTest, WinnableDealsOnlyIsAChoicePerGame) {
    EXPECT_FALSE(preferences.winnableDealsOnly(1));
    ASSERT_TRUE(preferences.writeWinnableDealsOnly(1, true));
    ASSERT_TRUE(preferences.writeWinnableDealsOnly(8001, true));
    EXPECT_TRUE(preferences.winnableDealsOnly(1));
    EXPECT_FALSE(preferences.winnableDealsOnly(10));
    EXPECT_TRUE(preferences.winnableDealsOnly(8001));
    EXPECT_EQ(ini.readText("Winnable_Deals", "Game_0001", ""), "Y");
    ASSERT_TRUE(preferences.writeWinnableDealsOnly(1, false));
    EXPECT_FALSE(preferences.winnableDealsOnly(1));
    EXPECT_TRUE(preferences.winnableDealsOnly(8001));
}

TEST_F(PreferenceFileTest, AFailedWriteSaysWhyAndKeepsTheFile) {
    ASSERT_TRUE(preferences.writeYesNo(Pref::ShowScore, true));
    PreferenceFile unreachable(folder / "none" / "CFG.DAT");
    const WriteResult written = unreachable.writeYesNo(Pref::ShowScore, false);
    EXPECT_FALSE(written);
    EXPECT_EQ(preferences.text(Pref::ShowScore), "Y");
}

} // namespace
} // namespace vellomir::settings
