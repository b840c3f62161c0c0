#include "startup/startup_probe.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace vellomir::startup {
namespace {

constexpr const char* kVariable = "VELLOMIR_STARTUP_PROBE";

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
