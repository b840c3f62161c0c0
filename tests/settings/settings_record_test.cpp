#include "settings/settings_record.h"

#include <gtest/gtest.h>

namespace vellomir::settings {
namespace {

TEST(SettingsRecord, NewRecordHoldsTheFileNameAndProgramDirectory) {
    SettingsRecord record("/opt/vellomir/");
    EXPECT_EQ(record.read(field::PreferencesFile), "DATA/CFG.DAT");
    EXPECT_EQ(record.programDirectory(), "/opt/vellomir/");
    EXPECT_EQ(record.read(field::Game), "");
}

TEST(SettingsRecord, WriteStripsLeadingBlanksAndReadTrimsTrailingOnes) {
    SettingsRecord record;
    record.write(62, 4, "  42");
    EXPECT_EQ(record.read(62, 4), "42");
    // The field is "42" and two blanks: the next field is untouched.
    EXPECT_EQ(record.read(62, 5), "42");
    record.write(field::ShowTime, "Y");
    EXPECT_EQ(record.read(62, 5), "42  Y");
}

TEST(SettingsRecord, LongValuesAreCutToTheWidth) {
    SettingsRecord record;
    record.write(field::GameName, "Put-Them-In-Order (3x3 square)");
    EXPECT_EQ(record.read(field::GameName), "Put-Them-In-Order (3x3 square)");
    const std::string sixty(60, 'x');
    record.write(field::GameName, sixty);
    EXPECT_EQ(record.read(field::GameName), std::string(50, 'x'));
    EXPECT_EQ(record.read(field::AutomaticFaceUp), "");
}

TEST(SettingsRecord, EmptyValueBlanksTheField) {
    SettingsRecord record;
    record.write(field::UserDefault, "Player 1");
    record.write(field::UserDefault, "");
    EXPECT_EQ(record.read(field::UserDefault), "");
}

TEST(SettingsRecord, FieldsAroundTheSegmentBoundariesAreIndependent) {
    SettingsRecord record;
    record.write(field::DoubleClickToFoundations, "Y"); // 249
    record.write(field::DoubleClickToTableaus, "N");    // 251
    EXPECT_EQ(record.read(249, 1), "Y");
    EXPECT_EQ(record.read(251, 1), "N");
    // A read at 250 reads from 251.
    EXPECT_EQ(record.read(250, 1), "N");
    record.write(field::ProgramDirectory, "/dir/");
    EXPECT_EQ(record.read(500, 5), "/dir/");
}

TEST(SettingsRecord, AWriteAtPosition250InsertsInFrontOfTheSegment) {
    SettingsRecord record;
    record.write(251, 1, "N");
    record.write(252, 1, "Y");
    record.write(250, 1, "Z");
    // Everything in segment B moved one place to the right.
    EXPECT_EQ(record.read(251, 1), "Z");
    EXPECT_EQ(record.read(252, 1), "N");
    EXPECT_EQ(record.read(253, 1), "Y");
}

TEST(SettingsRecord, PositionsFrom1000AreOutsideTheRecord) {
    SettingsRecord record;
    record.write(1000, 3, "abc");
    std::string out = "untouched";
    record.readInto(1000, 3, out);
    EXPECT_EQ(out, "untouched");
    EXPECT_EQ(record.read(1200, 3), "");
}

TEST(SettingsRecord, WritesPastTheEndLengthenTheSegment) {
    SettingsRecord record;
    record.write(990, 20, "abcdefghijklmnopqrst");
    EXPECT_EQ(record.read(990, 20), "abcdefghijklmnopqrst");
    EXPECT_EQ(record.read(995, 200), "fghijklmnopqrst");
}

TEST(SettingsRecord, NumbersAreWrittenPaddedOrPlain) {
    SettingsRecord record;
    record.writePadded(field::Game, 87);
    EXPECT_EQ(record.read(field::Game), "0087");
    EXPECT_EQ(record.readInt(field::Game), 87);
    record.writePadded(field::Game, -1);
    EXPECT_EQ(record.read(field::Game), "-001");
    EXPECT_EQ(record.readInt(field::Game), -1);
    record.writeInt(field::Game, 87);
    EXPECT_EQ(record.read(field::Game), "87");
    record.write(field::Game, "x");
    EXPECT_EQ(record.readInt(field::Game, -5), -5);
}

} // namespace
} // namespace vellomir::settings
