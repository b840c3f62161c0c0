#pragma once

#include <string>
#include <vector>

namespace vellomir::catalogue {

/// The games the catalogue offers: one unscrambled line of its first section
/// per game, in file order. A line holds the group (characters 1-3), the
/// game's number (5-7), the chooser's mark (10) and the name (11-60).
class GameList {
public:
    std::vector<std::string>& entries() { return m_entries; }
    const std::vector<std::string>& entries() const { return m_entries; }

    /// 0-based index of a game in the list; -1 for numbers of 8000 and above
    /// (customised games) and for numbers not in the list.
    int indexOf(int gameNumber) const;
    /// Name of a game, blank-trimmed; empty when it is not in the list.
    std::string nameOf(int gameNumber) const;

private:
    std::vector<std::string> m_entries;
};

/// Fields of a game-list entry (1-based characters of the unscrambled line).
int gameListGroup(const std::string& entry);        // characters 1-3
int gameListNumber(const std::string& entry);       // characters 5-7
char gameListChooserMark(const std::string& entry); // character 10
std::string gameListName(const std::string& entry); // characters 11-60, trimmed

} // namespace vellomir::catalogue
