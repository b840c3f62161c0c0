#include "settings/autoplay_choice.h"

#include <cstddef>
#include <string>

namespace vellomir::settings {
namespace {

constexpr int kFirstCustomisedGame = 8000;

} // namespace

bool gameAutoplayChoice(const PreferenceFile& preferences, int gameNumber) {
    if (gameNumber < 0) {
        return true;
    }
    if (gameNumber >= kFirstCustomisedGame) {
        return preferences.customisedAutoplay(gameNumber, "Y") != "N";
    }
    const std::string games = preferences.text(Pref::AutoplayGames);
    const auto index = static_cast<std::size_t>(gameNumber);
    return index >= games.size() || games[index] != 'N';
}

WriteResult storeGameAutoplayChoice(PreferenceFile& preferences, int gameNumber, bool on) {
    const char choice = on ? 'Y' : 'N';
    if (gameNumber < 0) {
        return WriteResult::success();
    }
    if (gameNumber >= kFirstCustomisedGame) {
        return preferences.writeCustomisedAutoplay(gameNumber, std::string(1, choice));
    }
    std::string games = preferences.text(Pref::AutoplayGames);
    const auto index = static_cast<std::size_t>(gameNumber);
    if (games.size() <= index + 1) {
        games.resize(index + 10, 'Y');
    }
    games[index] = choice;
    return preferences.write(Pref::AutoplayGames, games);
}

} // namespace vellomir::settings
