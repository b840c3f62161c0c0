#include "cli/game_and_deal.h"

#include "settings/number_text.h"

namespace vellomir::tools {

bool isDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::optional<std::string> readGameAndDeal(const std::vector<std::string>& positional,
                                           GameAndDeal& read) {
    if (positional.size() != 2) {
        return "give a game number and a deal number";
    }
    if (!isDigits(positional[0]) || positional[0].size() > 4) {
        return "bad game number '" + positional[0] + "'";
    }
    if (!isDigits(positional[1]) || positional[1].size() > 13) {
        return "a deal number is 1 to 13 digits";
    }
    read.game = settings::toInt(positional[0]);
    read.dealNumber = std::string(13 - positional[1].size(), '0') + positional[1];
    return std::nullopt;
}

} // namespace vellomir::tools
