#include "startup/startup_probe.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace vellomir::startup {
namespace {

constexpr const char* kVariable = "VELLOMIR_STARTUP_PROBE";
constexpr const char* kLaunchVariable = "VELLOMIR_LAUNCHED_MS";

double millisecondsSince(StartupProbe::Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(StartupProbe::Clock::now() - start).count();
}

} // namespace

bool StartupProbe::requestedByEnvironment() {
    const char* value = std::getenv(kVariable);
    return value != nullptr && *value != '\0' && *value != '0';
}

bool StartupProbe::quitRequestedByEnvironment() {
    const char* value = std::getenv(kVariable);
    return value == nullptr || std::strcmp(value, "stay") != 0;
}

std::optional<StartupProbe::Clock::time_point>
StartupProbe::launchFromEnvironment(Clock::time_point entered) {
    const char* value = std::getenv(kLaunchVariable);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    char* end = nullptr;
    const double ms = std::strtod(value, &end);
    if (end == value || *end != '\0' || !(ms >= 0)) {
        return std::nullopt;
    }
    const auto launched = Clock::time_point(
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(ms)));
    if (launched > entered) {
        return std::nullopt;
    }
    return launched;
}

void StartupProbe::countFromLaunch(Clock::time_point launched) {
    if (!m_enabled || launched > m_start) {
        return;
    }
    const double entered = std::chrono::duration<double, std::milli>(m_start - launched).count();
    for (Mark& step : m_marks) {
        step.ms += entered;
    }
    m_marks.insert(m_marks.begin(), Mark{"program entered", entered, residentKb()});
    m_start = launched;
}

long StartupProbe::residentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = -1;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

void StartupProbe::mark(const std::string& what) {
    if (!m_enabled || m_elapsedMs >= 0) {
        return;
    }
    m_marks.push_back({what, millisecondsSince(m_start), residentKb()});
}

void StartupProbe::painted(bool dealt, const std::function<void()>& quit) {
    if (!m_enabled || !dealt || m_elapsedMs >= 0) {
        return;
    }
    mark("first dealt paint");
    m_elapsedMs = m_marks.back().ms;
    std::fprintf(stderr, "first dealt table painted after %.1f ms\n", m_elapsedMs);
    for (const Mark& step : m_marks) {
        std::fprintf(stderr, "  start-up %8.1f ms %7ld KB  %s\n", step.ms, step.residentKb,
                     step.what.c_str());
    }
    if (m_quitAfter && quit) {
        quit();
    }
}

} // namespace vellomir::startup
