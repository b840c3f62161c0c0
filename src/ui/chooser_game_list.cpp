#include "ui/chooser_game_list.h"

#include "settings/number_text.h"

#include <algorithm>
#include <cctype>

namespace vellomir::ui {
namespace {

constexpr std::size_t kNameWidth = 50;

// Characters `from` (1-based) to `from + count - 1` of a line, blank-padded
// when the line is shorter.
std::string field(const std::string& line, std::size_t from, std::size_t count) {
    std::string text = line.size() >= from ? line.substr(from - 1, count) : std::string();
    text.resize(count, ' ');
    return text;
}

std::string upper(const std::string& text) {
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return result;
}

} // namespace

std::vector<std::string> chooserGameList(const std::vector<std::string>& gameList) {
    std::vector<std::string> list;
    list.reserve(gameList.size());
    for (const std::string& line : gameList) {
        list.push_back(field(line, 11, kNameWidth) + field(line, 1, 3) + field(line, 5, 3) +
                       field(line, 10, 1));
    }
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return upper(a) < upper(b);
    });
    return list;
}

ChooserEntry parseChooserEntry(const std::string& entry) {
    ChooserEntry e;
    QString name = QString::fromStdString(field(entry, 1, kNameWidth));
    while (name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    e.name = name;
    e.typeCode = settings::toIntOr(field(entry, kNameWidth + 1, 3), 0);
    e.number = settings::toIntOr(field(entry, kNameWidth + 4, 3), -1);
    e.newGameMark = field(entry, kNameWidth + 7, 1)[0];
    return e;
}

QString typeIconName(int typeCode) {
    static const char* const kIcons[] = {"TREE5_CANFIELD_TYPE",     "TREE5_FORTYTHIEVES_TYPE",
                                         "TREE5_FREECELL_TYPE",     "TREE5_KLONDIKE_TYPE",
                                         "TREE5_PAIRING_TYPE",      "TREE5_SIMPLEGAMES_TYPE",
                                         "TREE5_SPIDER_TYPE",       "TREE5_1DECK_TYPE",
                                         "TREE5_2DECK_TYPE",        "TREE5_FAN_TYPE",
                                         "TREE5_BAKERSDOZEN_TYPE",  "TREE5_ROW_TYPE",
                                         "TREE5_PUZZLE_TYPE",       "TREE5_ADDITION_TYPE",
                                         "TREE5_MEMORY_TYPE",       "TREE5_BELEAGUEREDCASTLE_TYPE",
                                         "TREE5_QUEENOFITALY_TYPE", "TREE5_YUKON_TYPE",
                                         "TREE5_MATHEMATICAL_TYPE", "TREE5_SIRTOMMY_TYPE",
                                         "TREE5_NONBUILDERS_TYPE"};
    if (typeCode >= 2 && typeCode <= 22) {
        return QString::fromLatin1(kIcons[typeCode - 2]);
    }
    if (typeCode == 800) {
        return QStringLiteral("TREE5_CUSTOMIZED_GAMES");
    }
    return {};
}

} // namespace vellomir::ui
