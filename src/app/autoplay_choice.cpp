#include "app/autoplay_choice.h"

#include "app/number_text.h"

#include <cstddef>
#include <string>

namespace vellomir::app {
namespace {

constexpr std::string_view kSection = "Autoplay";
constexpr std::string_view kGamesKey = "Games";
constexpr int kFirstCustomisedGame = 8000;

std::string customisedKey(int gameNumber) {
    return "Cust_" + formatNumber(gameNumber, 4);
}

} // namespace

bool gameAutoplayChoice(const IniFile& preferences, int gameNumber) {
    if (gameNumber < 0) {
        return true;
    }
    if (gameNumber >= kFirstCustomisedGame) {
        return preferences.readText(kSection, customisedKey(gameNumber), "Y") != "N";
    }
    const std::string games = preferences.readText(kSection, kGamesKey, "");
    const auto index = static_cast<std::size_t>(gameNumber);
    return index >= games.size() || games[index] != 'N';
}

WriteResult storeGameAutoplayChoice(IniFile& preferences, int gameNumber, bool on) {
    const char choice = on ? 'Y' : 'N';
    if (gameNumber < 0) {
        return WriteResult::success();
    }
    if (gameNumber >= kFirstCustomisedGame) {
        return preferences.writeText(kSection, customisedKey(gameNumber), std::string(1, choice));
    }
    std::string games = preferences.readText(kSection, kGamesKey, "");
    const auto index = static_cast<std::size_t>(gameNumber);
    if (games.size() <= index + 1) {
        games.resize(index + 10, 'Y');
    }
    games[index] = choice;
    return preferences.writeText(kSection, kGamesKey, games);
}

} // namespace vellomir::app
