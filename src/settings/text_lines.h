#pragma once

#include <string_view>

namespace vellomir::settings {

/// Calls `visit` with every line of `text` without its line end (LF or CR LF);
/// a last line without a line end counts too. `visit` returns false to stop.
template <typename Visit> void forEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!visit(line)) {
            return;
        }
        start = next;
    }
}

} // namespace vellomir::settings
