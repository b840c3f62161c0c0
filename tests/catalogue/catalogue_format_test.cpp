#include "catalogue/catalogue_format.h"

#include <gtest/gtest.h>

namespace vellomir::catalogue {
namespace {

TEST(Scrambling, SwapsTheTwoHalvesOfThePrintableRange) {
    EXPECT_EQ(scramble(" "), "P");
    EXPECT_EQ(scramble("-"), "]");
    EXPECT_EQ(scramble("0"), "`");
    EXPECT_EQ(scramble("9"), "i");
    EXPECT_EQ(unscramble("P`]"), " 0-");
    // Every character from blank to DEL comes back unchanged and stays in range.
    for (int code = 32; code <= 127; ++code) {
        const char plain = static_cast<char>(code);
        const char stored = scrambleChar(plain);
        EXPECT_GE(static_cast<unsigned char>(stored), 32);
        EXPECT_LE(static_cast<unsigned char>(stored), 127);
        EXPECT_NE(stored, plain);
        EXPECT_EQ(unscrambleChar(stored), plain) << "code " << code;
    }
}

TEST(Scrambling, BytesOutsideTheRangeDoNotCrash) {
    EXPECT_EQ(unscramble(std::string(1, '\xff')).size(), 1u);
    EXPECT_EQ(unscramble(std::string(1, '\0')), "0");
}

TEST(ValueFields, ColumnsStartAtCharacter17AndStepBy11) {
    const std::string line = "0012" + std::string(12, 'x') + "AAAAAAAAAA|BBBBBBBBBB|CCC";
    EXPECT_EQ(valueField(line, 0), "AAAAAAAAAA");
    EXPECT_EQ(valueField(line, 1), "BBBBBBBBBB");
    EXPECT_EQ(valueField(line, 2), "CCC"); // a short last column
    EXPECT_EQ(valueField(line, 3), "");
    EXPECT_EQ(valueField(line, -1), "");
}

TEST(ValueFields, StoredValuesAreScrambledNumbersPaddedWithBlanks) {
    EXPECT_EQ(parseStoredValue(scramble("-1        ")), -1);
    EXPECT_EQ(parseStoredValue(scramble("32767     ")), 32767);
    EXPECT_EQ(parseStoredValue(scramble("-32768    ")), -32768);
    EXPECT_EQ(parseStoredValue(scramble("  7       ")), 7);
    EXPECT_FALSE(parseStoredValue(scramble("32768     ")));
    EXPECT_FALSE(parseStoredValue(scramble("1x        ")));
    EXPECT_FALSE(parseStoredValue(scramble("          ")));
    EXPECT_FALSE(parseStoredValue(""));
    // Unscrambled digits are not a number: "1" is stored as "a".
    EXPECT_FALSE(parseStoredValue("1         "));
}

} // namespace
} // namespace vellomir::catalogue
