#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vellomir::tools {

/// A time limit for searches made on one thread: `start` arms it for the
/// calling thread, and once that thread has used `seconds` of processor time
/// the flag `stop()` points to turns true, which the solver reads as its
/// stop request (the search then answers "gave up"). Processor time rather
/// than the time of day, so that a limit means the same work on a loaded
/// machine. A small watch thread of its own looks at the clock; one clock
/// serves any number of searches in turn.
class SearchClock {
public:
    SearchClock();
    ~SearchClock();
    SearchClock(const SearchClock&) = delete;
    SearchClock& operator=(const SearchClock&) = delete;

    /// Clears the flag and starts counting the calling thread's processor
    /// time from now.
    void start(double seconds);
    /// Stops counting; the flag keeps its value until the next start.
    void halt();

    const std::atomic<bool>* stop() const { return &m_expired; }
    bool expired() const { return m_expired.load(); }

    /// Processor time the calling thread has used, in seconds.
    static double threadSeconds();

private:
    void watch(const std::stop_token& token);

    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    std::atomic<bool> m_expired{false};
    bool m_armed = false;
    // The watched thread's clock, and its reading at the start.
    clockid_t m_clock{};
    double m_startSeconds = 0;
    double m_limitSeconds = 0;
    std::jthread m_watcher;
};

} // namespace vellomir::tools
