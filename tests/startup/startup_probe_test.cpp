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

TEST(StartupProbe, KeepsTheStepsUpToTheFirstDealtPaintAndMayStay) {
    StartupProbe probe(true, StartupProbe::Clock::now(), false);
    probe.mark("library opened");
    probe.mark("window shown");
    int quits = 0;
    probe.painted(true, [&quits] { ++quits; });
    // Staying, the program goes on after the report.
    EXPECT_EQ(quits, 0);
    probe.mark("after the report");

    const auto& marks = probe.marks();
    ASSERT_EQ(marks.size(), 3U);
    EXPECT_EQ(marks[0].what, "library opened");
    EXPECT_EQ(marks[1].what, "window shown");
    EXPECT_EQ(marks[2].what, "first dealt paint");
    EXPECT_LE(marks[0].ms, marks[1].ms);
    EXPECT_EQ(marks[2].ms, probe.elapsedMs());
#if defined(__linux__)
    EXPECT_GT(marks[0].residentKb, 0);
#endif
}

TEST(StartupProbe, SwitchedOffItNeverQuits) {
    StartupProbe probe(false, StartupProbe::Clock::now());
    int quits = 0;
    probe.painted(true, [&quits] { ++quits; });
    EXPECT_EQ(quits, 0);
    EXPECT_LT(probe.elapsedMs(), 0);
    probe.mark("nothing");
    EXPECT_TRUE(probe.marks().empty());
}

TEST(StartupProbe, CountsFromTheLaunchWhenTheLauncherTellsIt) {
    const auto entered = StartupProbe::Clock::now();
    StartupProbe probe(true, entered, false);
    probe.mark("application made");
    const double sinceEntry = probe.marks().front().ms;
    probe.countFromLaunch(entered - std::chrono::milliseconds(30));
    ASSERT_EQ(probe.marks().size(), 2U);
    EXPECT_EQ(probe.marks()[0].what, "program entered");
    EXPECT_NEAR(probe.marks()[0].ms, 30.0, 0.01);
    EXPECT_NEAR(probe.marks()[1].ms, sinceEntry + 30.0, 0.01);

    // A launch after the entry is no launch: nothing moves.
    StartupProbe later(true, entered, false);
    later.countFromLaunch(entered + std::chrono::milliseconds(5));
    EXPECT_TRUE(later.marks().empty());
}

} // namespace
} // namespace vellomir::startup
