#include "catalogue/game_list.h"

#include "settings/number_text.h"

namespace vellomir::catalogue {
namespace {

std::string slice(const std::string& text, std::size_t first1, std::size_t count) {
    if (first1 - 1 >= text.size()) {
        return {};
    }
    return text.substr(first1 - 1, count);
}

std::string trimRight(std::string text) {
    const std::size_t last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

bool entryHasNumber(const std::string& entry, int gameNumber) {
    return slice(entry, 5, 3) == settings::formatNumber(gameNumber, 3);
}

} // namespace

int GameList::indexOf(int gameNumber) const {
    if (gameNumber >= 8000 || gameNumber < 0) {
        return -1;
    }
    // The list is usually ordered so that a game's number is its index.
    if (static_cast<std::size_t>(gameNumber) < m_entries.size() &&
        entryHasNumber(m_entries[static_cast<std::size_t>(gameNumber)], gameNumber)) {
        return gameNumber;
    }
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (entryHasNumber(m_entries[i], gameNumber)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string GameList::nameOf(int gameNumber) const {
    const int index = indexOf(gameNumber);
    return index < 0 ? std::string{} : gameListName(m_entries[static_cast<std::size_t>(index)]);
}

int gameListGroup(const std::string& entry) {
    return settings::toIntOr(slice(entry, 1, 3), 0);
}

int gameListNumber(const std::string& entry) {
    return settings::toIntOr(slice(entry, 5, 3), -1);
}

char gameListChooserMark(const std::string& entry) {
    return entry.size() >= 10 ? entry[9] : ' ';
}

std::string gameListName(const std::string& entry) {
    return trimRight(slice(entry, 11, 50));
}

} // namespace vellomir::catalogue
