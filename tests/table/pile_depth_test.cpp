#include "table/pile_depth.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

TEST(PileDepth, GrowsOnePixelEverySevenCardsUpToFifteen) {
    EXPECT_EQ(pileDepth(0), 0);
    EXPECT_EQ(pileDepth(1), 0);
    EXPECT_EQ(pileDepth(2), 1);
    EXPECT_EQ(pileDepth(3), 1);
    EXPECT_EQ(pileDepth(7), 2);
    EXPECT_EQ(pileDepth(14), 3);
    EXPECT_EQ(pileDepth(97), 14);
    EXPECT_EQ(pileDepth(98), 15);
    EXPECT_EQ(pileDepth(200), 15);
}

TEST(PileDepth, ThePreviewCountsEveryTwentyEightCards) {
    EXPECT_EQ(pileDepth(1, true), 0);
    EXPECT_EQ(pileDepth(2, true), 1);
    EXPECT_EQ(pileDepth(27, true), 1);
    EXPECT_EQ(pileDepth(28, true), 2);
    EXPECT_EQ(pileDepth(104, true), 4);
}

} // namespace
} // namespace vellomir::table
