#include "cli/console_frontend.h"

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

} // namespace vellomir::tools
