#include "cli/solve_options.h"

#include "cli/game_and_deal.h"
#include "settings/number_text.h"

#include <charconv>

namespace vellomir::tools {
namespace {

// The number after a counting option: 1 to 999999999.
std::optional<int> countAfter(const std::vector<std::string>& args, std::size_t i) {
    if (i + 1 >= args.size() || !isDigits(args[i + 1]) || args[i + 1].size() > 9 ||
        settings::toInt(args[i + 1]) < 1) {
        return std::nullopt;
    }
    return settings::toInt(args[i + 1]);
}

// Seconds as digits with at most one decimal point ("0.1", "2", ".5"),
// above 0 and at most a day.
std::optional<double> secondsAfter(const std::vector<std::string>& args, std::size_t i) {
    if (i + 1 >= args.size()) {
        return std::nullopt;
    }
    const std::string& text = args[i + 1];
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos ||
        text.find('.') != text.rfind('.') || text == ".") {
        return std::nullopt;
    }
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || !(seconds > 0) ||
        seconds > kLongestSearchSeconds) {
        return std::nullopt;
    }
    return seconds;
}

} // namespace

std::optional<std::string> readSolveOptions(const std::vector<std::string>& args,
                                            SolveOptions& options, std::vector<std::string>& rest) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--positions" || args[i] == "--breadth") {
            const std::optional<int> n = countAfter(args, i);
            if (!n) {
                return args[i] + " needs a number from 1 to 999999999";
            }
            if (args[i] == "--positions") {
                options.limits.positions = *n;
            } else {
                options.limits.breadth = *n;
            }
            ++i;
        } else if (args[i] == "--seconds") {
            options.seconds = secondsAfter(args, i);
            if (!options.seconds) {
                return "--seconds needs a number of seconds above 0 and at most 86400";
            }
            ++i;
        } else if (args[i] == "--dig") {
            options.limits.digForNextCards = true;
        } else if (args[i] == "--cover") {
            options.limits.avoidCovering = true;
        } else if (args[i].starts_with("--")) {
            return "unknown option " + args[i];
        } else {
            rest.push_back(args[i]);
        }
    }
    return std::nullopt;
}

} // namespace vellomir::tools
