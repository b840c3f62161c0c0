#include "cli/search_clock.h"

#include <pthread.h>
#include <time.h>

#include <algorithm>
#include <chrono>

namespace vellomir::tools {
namespace {

// The watch thread never sleeps less than this between two looks, so that a
// limit nearly reached does not keep it busy.
constexpr double kShortestLookSeconds = 0.001;

double secondsOn(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace

SearchClock::SearchClock() : m_watcher([this](const std::stop_token& token) { watch(token); }) {}

SearchClock::~SearchClock() {
    m_watcher.request_stop();
    m_changed.notify_all();
}

double SearchClock::threadSeconds() {
    return secondsOn(CLOCK_THREAD_CPUTIME_ID);
}

void SearchClock::start(double seconds) {
    clockid_t clock{};
    if (pthread_getcpuclockid(pthread_self(), &clock) != 0) {
        clock = CLOCK_PROCESS_CPUTIME_ID;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_expired = false;
        m_clock = clock;
        m_startSeconds = secondsOn(clock);
        m_limitSeconds = seconds;
        m_armed = true;
    }
    m_changed.notify_all();
}

void SearchClock::halt() {
    {
        const std::lock_guard lock(m_mutex);
        m_armed = false;
    }
    m_changed.notify_all();
}

void SearchClock::watch(const std::stop_token& token) {
    std::unique_lock lock(m_mutex);
    while (!token.stop_requested()) {
        if (!m_armed) {
            m_changed.wait(lock, token, [this] { return m_armed; });
            continue;
        }
        const double left = m_limitSeconds - (secondsOn(m_clock) - m_startSeconds);
        if (left <= 0) {
            m_expired = true;
            m_armed = false;
            continue;
        }
        // Processor time runs no faster than the time of day, so the limit
        // cannot pass while this thread sleeps for what is left of it.
        const auto wait = std::chrono::duration<double>(std::max(left, kShortestLookSeconds));
        m_changed.wait_for(lock, token, wait, [] { return false; });
    }
}

} // namespace vellomir::tools
