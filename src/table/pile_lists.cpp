#include "table/pile_lists.h"

#include "table/card.h"
#include "table/card_table.h"
#include "table/reserve_faces.h"

#include <algorithm>
#include <utility>

namespace vellomir::table {
namespace {

// The pile number that follows a prefix: one or two digits, nothing else.
std::optional<int> numberAfter(std::string_view name, std::string_view prefix, int count) {
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    int number = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        number = number * 10 + (ch - '0');
    }
    if (number < 1 || number > count) {
        return std::nullopt;
    }
    return number - 1;
}

} // namespace

std::vector<PileRef> everyPile() {
    std::vector<PileRef> piles;
    piles.reserve(kStockPiles + kMaxFoundations + kMaxTableaus + kMaxReserves);
    for (int i = 0; i < kStockPiles; ++i) {
        piles.push_back({PileKind::Stock, i});
    }
    for (int i = 0; i < kMaxFoundations; ++i) {
        piles.push_back({PileKind::Foundation, i});
    }
    for (int i = 0; i < kMaxTableaus; ++i) {
        piles.push_back({PileKind::Tableau, i});
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        piles.push_back({PileKind::Reserve, i});
    }
    return piles;
}

std::optional<PileRef> parsePileName(std::string_view name) {
    if (name == "Mazzo") {
        return PileRef{PileKind::Stock, kStock};
    }
    if (name == "Mazzo_Vis") {
        return PileRef{PileKind::Stock, kWaste};
    }
    if (name == "Mazzo_Waste") {
        return PileRef{PileKind::Stock, kDiscard};
    }
    if (auto i = numberAfter(name, "Dest", kMaxFoundations)) {
        return PileRef{PileKind::Foundation, *i};
    }
    if (auto i = numberAfter(name, "Fila", kMaxTableaus)) {
        return PileRef{PileKind::Tableau, *i};
    }
    if (auto i = numberAfter(name, "Appogg", kMaxReserves)) {
        return PileRef{PileKind::Reserve, *i};
    }
    return std::nullopt;
}

std::string pileName(PileRef pile) {
    switch (pile.kind) {
    case PileKind::Stock:
        return pile.index == kStock ? "Mazzo" : pile.index == kWaste ? "Mazzo_Vis" : "Mazzo_Waste";
    case PileKind::Foundation:
        return "Dest" + std::to_string(pile.index + 1);
    case PileKind::Tableau:
        return "Fila" + std::to_string(pile.index + 1);
    case PileKind::Reserve:
        return "Appogg" + std::to_string(pile.index + 1);
    }
    return {};
}

int cardAt(std::string_view pile, int i) {
    if (i < 0 || i >= cardCount(pile)) {
        return 0;
    }
    return std::max(0, cardFromText(pile.substr(static_cast<std::size_t>(i) * 3, 3)));
}

int topCardOf(std::string_view pile) {
    return pile.size() < 3 ? 0 : cardAt(pile, cardCount(pile) - 1);
}

std::vector<std::uint8_t> cardCodes(std::string_view pile) {
    std::vector<std::uint8_t> codes;
    for (int i = 0; i < cardCount(pile); ++i) {
        codes.push_back(static_cast<std::uint8_t>(cardAt(pile, i)));
    }
    return codes;
}

void setFacesOfPile(CardTable& cards, std::string_view pile, int mode, char flag) {
    const int n = cardCount(pile);
    if (mode >= 1) {
        for (int i = std::max(0, n - mode); i < n; ++i) {
            cards.setFaceFlag(cardAt(pile, i), flag);
        }
        return;
    }
    if (mode < kFacesBottomCardUp || mode == 0) {
        return;
    }
    for (int i = 0; i < n; ++i) {
        bool up = false;
        if (mode == kFacesAlternateFromBottom) {
            up = i % 2 == 0;
        } else if (mode == kFacesAlternateFromSecond) {
            up = i % 2 == 1;
        } else {
            up = i == 0;
        }
        cards.setFaceUp(cardAt(pile, i), up);
    }
}

std::string& PileLists::pile(PileRef ref) {
    return const_cast<std::string&>(std::as_const(*this).pile(ref));
}

const std::string& PileLists::pile(PileRef ref) const {
    switch (ref.kind) {
    case PileKind::Stock:
        return stock(ref.index);
    case PileKind::Foundation:
        return foundation(ref.index);
    case PileKind::Tableau:
        return tableau(ref.index);
    case PileKind::Reserve:
        break;
    }
    return reserve(ref.index);
}

int PileLists::topCard(std::string_view name) const {
    const std::optional<PileRef> ref = parsePileName(name);
    if (!ref || (ref->kind == PileKind::Stock && ref->index == kDiscard)) {
        return 0;
    }
    return topCardOf(pile(*ref));
}

void PileLists::appendCard(CardTable& cards, PileRef ref, int code, std::optional<char> faceFlag) {
    pile(ref) += cardText(code);
    if (code != 0 && faceFlag) {
        cards.setFaceFlag(code, *faceFlag);
    }
}

void PileLists::clear() {
    for (auto& p : m_stock) {
        p.clear();
    }
    for (auto& p : m_foundations) {
        p.clear();
    }
    for (auto& p : m_tableaus) {
        p.clear();
    }
    for (auto& p : m_reserves) {
        p.clear();
    }
}

} // namespace vellomir::table
