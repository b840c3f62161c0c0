#include "cli/search_clock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vellomir::tools {
namespace {

// Keeps the thread busy until the clock runs out or `cpuSeconds` of
// processor time are used; a test that goes wrong ends anyway.
void spin(const SearchClock& clock, double cpuSeconds) {
    const double started = SearchClock::threadSeconds();
    volatile unsigned sink = 0;
    while (!clock.expired() && SearchClock::threadSeconds() - started < cpuSeconds) {
        for (unsigned i = 0; i < 1000; ++i) {
            sink = sink + i;
        }
    }
}

TEST(SearchClock, RunsOutAfterItsProcessorTimeAndNotBefore) {
    SearchClock clock;
    EXPECT_FALSE(clock.expired());
    const double started = SearchClock::threadSeconds();
    clock.start(0.05);
    spin(clock, 5);
    const double used = SearchClock::threadSeconds() - started;
    EXPECT_TRUE(clock.expired());
    EXPECT_TRUE(clock.stop()->load());
    EXPECT_GE(used, 0.05);
    // A new start clears the flag; the clock serves deal after deal.
    clock.start(0.02);
    EXPECT_FALSE(clock.expired());
    spin(clock, 5);
    EXPECT_TRUE(clock.expired());
}

TEST(SearchClock, AHaltedClockNeverRunsOut) {
    SearchClock clock;
    clock.start(0.01);
    clock.halt();
    spin(clock, 0.05);
    EXPECT_FALSE(clock.expired());
}

} // namespace
} // namespace vellomir::tools
