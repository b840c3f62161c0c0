#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vellomir::startup {

/// Measures how long the program takes from its entry to the first dealt
/// table on the screen, and where the time and the memory go on the way.
/// Switched on by the environment variable VELLOMIR_STARTUP_PROBE: the
/// program then prints, once the first dealt table has been painted, the
/// time to it and each step marked before it (time since the entry and
/// resident memory then) to standard error, and ends itself, so scripts can
/// time start-up without a person or a window manager. With the value
/// "stay" it prints the same and goes on running.
class StartupProbe {
public:
    using Clock = std::chrono::steady_clock;

    /// One marked step of start-up.
    struct Mark {
        std::string what;
        double ms = 0;
        /// Resident memory then, in KB; -1 where the system does not say.
        long residentKb = -1;
    };

    /// `start` is the moment the program was entered. With `quitAfter` the
    /// first dealt paint ends the program.
    StartupProbe(bool enabled, Clock::time_point start, bool quitAfter = true)
        : m_enabled(enabled), m_quitAfter(quitAfter), m_start(start) {}

    /// Reads VELLOMIR_STARTUP_PROBE: whether it is switched on.
    static bool requestedByEnvironment();
    /// Whether VELLOMIR_STARTUP_PROBE asks the program to end after the report.
    static bool quitRequestedByEnvironment();
    /// The moment the program was launched, where the launcher tells it in
    /// VELLOMIR_LAUNCHED_MS (milliseconds of the monotonic clock, taken just
    /// before the program's image was loaded): the time the system spends
    /// loading the libraries before the entry. Empty where it is not told or
    /// is not a time before `entered`.
    static std::optional<Clock::time_point> launchFromEnvironment(Clock::time_point entered);

    /// Counts the marks from `launched` instead of the entry; the entry
    /// itself becomes the first mark.
    void countFromLaunch(Clock::time_point launched);

    bool enabled() const { return m_enabled; }

    /// Notes that start-up has done `what`; nothing once the report is out.
    void mark(const std::string& what);
    const std::vector<Mark>& marks() const { return m_marks; }

    /// Called after every paint of the table; `dealt` tells whether a game is
    /// on it. The first dealt paint prints the report and, unless the probe
    /// stays, calls `quit`.
    void painted(bool dealt, const std::function<void()>& quit);

    /// Milliseconds from the start to the first dealt paint; -1 before it.
    double elapsedMs() const { return m_elapsedMs; }

    /// This process's resident memory in KB, -1 where the system does not say.
    static long residentKb();

private:
    bool m_enabled = false;
    bool m_quitAfter = true;
    Clock::time_point m_start;
    double m_elapsedMs = -1;
    std::vector<Mark> m_marks;
};

} // namespace vellomir::startup
