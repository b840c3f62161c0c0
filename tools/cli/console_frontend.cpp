#include "cli/console_frontend.h"

#include <chrono>
#include <ctime>
#include <ostream>

namespace vellomir::tools {

void ConsoleFrontend::showInformation(std::string_view text) {
    m_messages << "info: " << text << '\n';
}

bool ConsoleFrontend::confirm(std::string_view text) {
    m_messages << "confirm: " << text << " (answered no)\n";
    return false;
}

void ConsoleFrontend::showAdvice(std::string_view key, std::string_view text) {
    m_messages << "advice: " << key << ": " << text << '\n';
}

long long ConsoleFrontend::timeOfDayMs() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const long long millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + millis;
}

} // namespace vellomir::tools
