#include "settings/number_text.h"

#include <gtest/gtest.h>

namespace vellomir::settings {
namespace {

TEST(FormatNumber, PadsWithZerosAndPutsTheSignInFront) {
    EXPECT_EQ(formatNumber(87, 4), "0087");
    EXPECT_EQ(formatNumber(-1, 4), "-001");
    EXPECT_EQ(formatNumber(0, 3), "000");
    EXPECT_EQ(formatNumber(108, 3), "108");
}

TEST(FormatNumber, FillsTheWidthWithStarsWhenTheNumberDoesNotFit) {
    EXPECT_EQ(formatNumber(12345, 4), "****");
    EXPECT_EQ(formatNumber(-1234, 4), "****");
    EXPECT_EQ(formatNumber(-999, 4), "-999");
}

TEST(ParseInt, AcceptsLeadingBlanksAndASignOnly) {
    EXPECT_EQ(parseInt("42"), 42);
    EXPECT_EQ(parseInt("  -7"), -7);
    EXPECT_EQ(parseInt("+3"), 3);
    EXPECT_FALSE(parseInt(""));
    EXPECT_FALSE(parseInt("   "));
    EXPECT_FALSE(parseInt("4 2"));
    EXPECT_FALSE(parseInt("12 "));
    EXPECT_FALSE(parseInt("0x10"));
    EXPECT_FALSE(parseInt("-"));
    EXPECT_FALSE(parseInt("99999999999"));
    EXPECT_THROW(toInt("abc"), ConversionError);
    EXPECT_EQ(toIntOr("abc", 5), 5);
}

} // namespace
} // namespace vellomir::settings
