#pragma once

#include <QString>

#include <string>
#include <vector>

namespace vellomir::ui {

/// One entry of the game chooser's list: the game name blank-padded to 50
/// characters, the three-digit type code, the three-digit game number and
/// the new-game mark, 57 characters in all, so that the sorted list is in
/// the order of the games' names.
struct ChooserEntry {
    QString name; // trimmed
    int typeCode = 0;
    int number = -1;
    char newGameMark = ' ';
};

/// The chooser's list from the game list (the kept catalogue lines), sorted
/// by name without regard to case.
std::vector<std::string> chooserGameList(const std::vector<std::string>& gameList);

/// The fields of one entry of chooserGameList.
ChooserEntry parseChooserEntry(const std::string& entry);

/// The library picture of a game node by the game's type code (2-22, and 800
/// for customised games); empty for a code in no row.
QString typeIconName(int typeCode);

} // namespace vellomir::ui
