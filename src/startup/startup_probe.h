#pragma once

#include <chrono>
#include <functional>

namespace vellomir::startup {

/// Measures how long the program takes from its entry to the first dealt
/// table on the screen. Switched on by the environment variable
/// VELLOMIR_STARTUP_PROBE: the program then prints the time to standard
/// error once the first dealt table has been painted, and ends itself, so
/// scripts can time start-up without a person or a window manager.
class StartupProbe {
public:
    using Clock = std::chrono::steady_clock;

    /// `start` is the moment the program was entered.
    StartupProbe(bool enabled, Clock::time_point start) : m_enabled(enabled), m_start(start) {}

    /// Reads VELLOMIR_STARTUP_PROBE.
    static bool requestedByEnvironment();

    bool enabled() const { return m_enabled; }

    /// Called after every paint of the table; `dealt` tells whether a game is
    /// on it. The first dealt paint prints the time and calls `quit`.
    void painted(bool dealt, const std::function<void()>& quit);

    /// Milliseconds from the start to the first dealt paint; -1 before it.
    double elapsedMs() const { return m_elapsedMs; }

private:
    bool m_enabled = false;
    Clock::time_point m_start;
    double m_elapsedMs = -1;
};

} // namespace vellomir::startup
