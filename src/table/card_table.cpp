#include "table/card_table.h"

#include "table/card.h"

namespace vellomir::table {
namespace {

constexpr const char* kSuitNames[] = {"CUORI", "QUADR", "FIORI", "PICCH"};

std::string rankName(int rank) {
    switch (rank) {
    case 1:
        return "A";
    case 11:
        return "J";
    case 12:
        return "Q";
    case 13:
        return "K";
    default:
        return rank < 10 ? "0" + std::to_string(rank) : std::to_string(rank);
    }
}

const std::string kNoEntry;

} // namespace

CardTable::CardTable() {
    fill();
}

void CardTable::fill() {
    for (int code = 1; code <= kEntries; ++code) {
        std::string name;
        char suitDigit = '4';
        if (isJoker(code)) {
            name = "JOKER";
        } else {
            const int suit = suitOf(code);
            name = std::string(kSuitNames[suit]) + "_" + rankName(rankOf(code));
            suitDigit = static_cast<char>('1' + suit);
        }
        name.resize(15, ' ');
        m_entries[static_cast<std::size_t>(code - 1)] = name + suitDigit + cardText(code) + '1';
    }
}

const std::string& CardTable::entry(int code) const {
    if (code < 1 || code > kEntries) {
        return kNoEntry;
    }
    return m_entries[static_cast<std::size_t>(code - 1)];
}

std::string CardTable::pictureName(int code) const {
    std::string name = entry(code).substr(0, 15);
    const std::size_t last = name.find_last_not_of(' ');
    name.erase(last == std::string::npos ? 0 : last + 1);
    return name;
}

bool CardTable::isFaceUp(int code) const {
    const std::string& e = entry(code);
    return e.size() == kEntryLength && e[19] == '1';
}

void CardTable::setFaceFlag(int code, char flag) {
    if (code < 1 || code > kEntries) {
        return;
    }
    m_entries[static_cast<std::size_t>(code - 1)][19] = flag;
}

} // namespace vellomir::table
