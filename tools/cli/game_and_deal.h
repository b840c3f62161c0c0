#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vellomir::tools {

/// True for a non-empty text of decimal digits only.
bool isDigits(const std::string& text);

/// A game and a deal as the commands name them.
struct GameAndDeal {
    int game = -1;
    /// 13 digits, padded with zeros on the left.
    std::string dealNumber;
};

/// Reads the two positional arguments GAME DEALNUMBER of the play, hint and
/// solve commands: the game 1 to 4 digits, the deal 1 to 13. On a problem,
/// the text that says what is wrong.
std::optional<std::string> readGameAndDeal(const std::vector<std::string>& positional,
                                           GameAndDeal& read);

} // namespace vellomir::tools
