#include "table/jitter_table.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

TEST(JitterTable, RowsStayWithinTheirBoundsForManySeeds) {
    bool anyOffset = false;
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        RandomGenerator random(seed * 2654435761u);
        JitterTable table;
        table.rebuild(random);
        for (int row = 1; row <= JitterTable::kRows; ++row) {
            EXPECT_EQ(table.entry(row, 0), 0);
            int sum = 0;
            for (int d = 1; d < JitterTable::kEntries; ++d) {
                const int offset = table.entry(row, d);
                EXPECT_GE(offset, -1) << "seed " << seed << " row " << row << " entry " << d;
                EXPECT_LE(offset, 2) << "seed " << seed << " row " << row << " entry " << d;
                sum += offset;
                EXPECT_GE(sum, -2) << "seed " << seed << " row " << row << " entry " << d;
                EXPECT_LE(sum, 2) << "seed " << seed << " row " << row << " entry " << d;
                anyOffset = anyOffset || offset != 0;
            }
        }
    }
    EXPECT_TRUE(anyOffset);
}

TEST(JitterTable, RebuildDrawsFourNumbersPerEntryFromTheRunGenerator) {
    RandomGenerator a(12345);
    RandomGenerator b(12345);
    JitterTable first;
    JitterTable second;
    first.rebuild(a);
    second.rebuild(b);
    EXPECT_EQ(first, second);
    // One draw to start each row and one per entry 1-12.
    RandomGenerator expected(12345);
    for (int i = 0; i < JitterTable::kRows * JitterTable::kEntries; ++i) {
        expected.draw(4);
    }
    EXPECT_EQ(a.currentSeed(), expected.currentSeed());
    // The next game gets another table.
    JitterTable third;
    third.rebuild(a);
    EXPECT_NE(first, third);
}

TEST(JitterTable, TableausShareSevenRows) {
    EXPECT_EQ(JitterTable::rowOf(0), 1);
    EXPECT_EQ(JitterTable::rowOf(6), 7);
    EXPECT_EQ(JitterTable::rowOf(7), 2); // 7 mod 6 + 1
    EXPECT_EQ(JitterTable::rowOf(12), 1);
    EXPECT_EQ(JitterTable::rowOf(27), 4);
}

TEST(JitterTable, LongPilesRepeatTheEntriesAfterThirteenCards) {
    RandomGenerator random(77);
    JitterTable table;
    table.rebuild(random);
    for (int t : {0, 3, 9}) {
        const int row = JitterTable::rowOf(t);
        EXPECT_EQ(table.offsetFor(t, 12), table.entry(row, 12));
        EXPECT_EQ(table.offsetFor(t, 13), table.entry(row, 1));
        EXPECT_EQ(table.offsetFor(t, 24), 0); // 24 mod 12
        EXPECT_EQ(table.offsetFor(t, 25), table.entry(row, 1));
    }
}

TEST(JitterTable, EntriesOutsideTheTableAreZero) {
    RandomGenerator random(5);
    JitterTable table;
    table.rebuild(random);
    EXPECT_EQ(table.entry(0, 3), 0);
    EXPECT_EQ(table.entry(8, 3), 0);
    EXPECT_EQ(table.entry(1, 13), 0);
    EXPECT_EQ(table.entry(1, -1), 0);
}

} // namespace
} // namespace vellomir::table
