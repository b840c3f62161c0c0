#include "startup/startup_probe.h"

#include <cstdio>
#include <cstdlib>

namespace vellomir::startup {

bool StartupProbe::requestedByEnvironment() {
    const char* value = std::getenv("VELLOMIR_STARTUP_PROBE");
    return value != nullptr && *value != '\0' && *value != '0';
}

void StartupProbe::painted(bool dealt, const std::function<void()>& quit) {
    if (!m_enabled || !dealt || m_elapsedMs >= 0) {
        return;
    }
    m_elapsedMs = std::chrono::duration<double, std::milli>(Clock::now() - m_start).count();
    std::fprintf(stderr, "first dealt table painted after %.1f ms\n", m_elapsedMs);
    if (quit) {
        quit();
    }
}

} // namespace vellomir::startup
