#include "resources/cursor_table.h"

#include "resources/resource_library.h"
#include "test_resource_file.h"

#include <gtest/gtest.h>

namespace vellomir::resources {
namespace {

using testing::TestResourceFile;

// A library holding every cursor but the last, each with its number as the
// hot spot's x so the test can tell which picture landed where.
class CursorTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const CursorTable::Entry& entry : CursorTable::kEntries) {
            if (entry.number != 25) {
                file.addCursor(QString::fromLatin1(entry.name), entry.number, 3);
            }
        }
        QString error;
        const QString path = file.build(&error);
        ASSERT_FALSE(path.isEmpty()) << error.toStdString();
        ASSERT_TRUE(library.open(path));
        table.setLibrary(library);
    }

    TestResourceFile file;
    ResourceLibrary library;
    CursorTable table;
};

TEST_F(CursorTableTest, RegistersTheNamesUnderTenToFifteenAndTwentyToTwentyFive) {
    const int numbers[] = {10, 11, 12, 13, 14, 15, 20, 21, 22, 23, 24};
    for (const int number : numbers) {
        const std::optional<QCursor> cursor = table.registered(number);
        ASSERT_TRUE(cursor) << number;
        EXPECT_EQ(cursor->hotSpot(), QPoint(number, 3)) << number;
    }
    for (const int unused : {0, 9, 16, 19, 26}) {
        EXPECT_FALSE(table.registered(unused)) << unused;
    }
}

TEST_F(CursorTableTest, AMissingNameLeavesItsNumberEmptyAndShowsTheArrow) {
    EXPECT_FALSE(table.registered(25));
    EXPECT_EQ(table.shape(25).shape(), Qt::ArrowCursor);
    EXPECT_EQ(table.cursorFor(15, true).shape(), Qt::ArrowCursor);
}

TEST_F(CursorTableTest, ChosenCursorAtRestAndItsDraggingFormWhileDragging) {
    EXPECT_EQ(CursorTable::screenNumber(12, false), 12);
    EXPECT_EQ(CursorTable::screenNumber(12, true), 22);
    EXPECT_EQ(table.cursorFor(13, false).hotSpot(), QPoint(13, 3));
    EXPECT_EQ(table.cursorFor(13, true).hotSpot(), QPoint(23, 3));
    EXPECT_EQ(table.cursorFor(11, true).shape(), Qt::BitmapCursor);
}

TEST_F(CursorTableTest, NumberTenIsTheSystemArrowAtRestAndWhileDragging) {
    EXPECT_EQ(CursorTable::screenNumber(10, false), 10);
    EXPECT_EQ(CursorTable::screenNumber(10, true), 10);
    EXPECT_EQ(table.cursorFor(10, false).shape(), Qt::ArrowCursor);
    EXPECT_EQ(table.cursorFor(10, true).shape(), Qt::ArrowCursor);
}

TEST(CursorTableEmpty, AnEmptyLibraryGivesTheArrowEverywhere) {
    ResourceLibrary closed;
    CursorTable table;
    table.setLibrary(closed);
    for (const CursorTable::Entry& entry : CursorTable::kEntries) {
        EXPECT_FALSE(table.registered(entry.number));
        EXPECT_EQ(table.shape(entry.number).shape(), Qt::ArrowCursor);
    }
}

} // namespace
} // namespace vellomir::resources
