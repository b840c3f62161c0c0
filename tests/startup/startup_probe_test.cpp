#include "startup/startup_probe.h"

#include <gtest/gtest.h>

namespace vellomir::startup {
namespace {

TEST(StartupProbe, ReportsOnlyTheFirstPaintOfADealtTableAndQuitsOnce) {
    const auto start = StartupProbe::Clock::now();
    StartupProbe probe(true, start);
    int quits = 0;
    const auto quit = [&quits] { ++quits; };

    probe.painted(false, quit); // the empty cloth before the deal
    EXPECT_EQ(quits, 0);
    EXPECT_LT(probe.elapsedMs(), 0);

    probe.painted(true, quit);
    EXPECT_EQ(quits, 1);
    EXPECT_GE(probe.elapsedMs(), 0);

    const double first = probe.elapsedMs();
    probe.painted(true, quit);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(probe.elapsedMs(), first);
}

TEST(StartupProbe, SwitchedOffItNeverQuits) {
    StartupProbe probe(false, StartupProbe::Clock::now());
    int quits = 0;
    probe.painted(true, [&quits] { ++quits; });
    EXPECT_EQ(quits, 0);
    EXPECT_LT(probe.elapsedMs(), 0);
}

} // namespace
} // namespace vellomir::startup
