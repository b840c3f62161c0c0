#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::table {

class CardTable;

/// The four lists that hold the piles of the table.
enum class PileKind { Stock, Foundation, Tableau, Reserve };

/// Entries of the stock list.
inline constexpr int kStock = 0;   // "Mazzo"
inline constexpr int kWaste = 1;   // "Mazzo_Vis"
inline constexpr int kDiscard = 2; // "Mazzo_Waste"

inline constexpr int kStockPiles = 3;
inline constexpr int kMaxFoundations = 16;
inline constexpr int kMaxTableaus = 28;
inline constexpr int kMaxReserves = 10;

/// One pile: its list and its 0-based index in that list.
struct PileRef {
    PileKind kind;
    int index;
    friend bool operator==(const PileRef&, const PileRef&) = default;
};

/// Every pile of the pile lists, in their order: the stock list, the
/// foundations, the tableaus, the reserves.
std::vector<PileRef> everyPile();

/// The pile a name denotes: "Mazzo", "Mazzo_Vis", "Mazzo_Waste", or "Dest",
/// "Fila", "Appogg" followed by a 1-based number of one or two digits
/// ("Fila1" and "Fila01" are the same pile). Nothing for any other name.
std::optional<PileRef> parsePileName(std::string_view name);
/// The name of a pile, its number without padding ("Dest1", "Fila12").
std::string pileName(PileRef pile);

/// Number of cards in a pile string (three digits a card, "000" included).
inline int cardCount(std::string_view pile) {
    return static_cast<int>(pile.size() / 3);
}
/// Card code at 0-based position `i` of a pile string (0 the bottom card).
int cardAt(std::string_view pile, int i);
/// The top card of a pile string, 0 when it is empty.
int topCardOf(std::string_view pile);
/// The card codes of a pile string from the bottom, a byte each.
std::vector<std::uint8_t> cardCodes(std::string_view pile);

/// Mode of setFacesOfPile.
///   n >= 1: the top n cards get the flag;
///   -1: alternate from the bottom, face up first; -2: face down first;
///   -3: the bottom card face up, all others face down; other values: nothing.
void setFacesOfPile(CardTable& cards, std::string_view pile, int mode, char flag);

/// The pile strings of the table: the stock list (stock, waste, discard pile),
/// 16 foundations, 28 tableaus and 10 reserves. A pile string is the
/// three-digit codes of its cards, bottom card first; "000" marks an empty place.
class PileLists {
public:
    std::string& pile(PileRef ref);
    const std::string& pile(PileRef ref) const;

    std::string& stock(int i) { return m_stock.at(static_cast<std::size_t>(i)); }
    std::string& foundation(int i) { return m_foundations.at(static_cast<std::size_t>(i)); }
    std::string& tableau(int i) { return m_tableaus.at(static_cast<std::size_t>(i)); }
    std::string& reserve(int i) { return m_reserves.at(static_cast<std::size_t>(i)); }
    const std::string& stock(int i) const { return m_stock.at(static_cast<std::size_t>(i)); }
    const std::string& foundation(int i) const {
        return m_foundations.at(static_cast<std::size_t>(i));
    }
    const std::string& tableau(int i) const { return m_tableaus.at(static_cast<std::size_t>(i)); }
    const std::string& reserve(int i) const { return m_reserves.at(static_cast<std::size_t>(i)); }

    /// Top card of a named pile: 0 when the pile is empty, and 0 for every
    /// name other than "Mazzo", "Mazzo_Vis" or a foundation, tableau or
    /// reserve name.
    int topCard(std::string_view name) const;

    /// Appends a card (or the "000" placeholder for code 0). With a face
    /// flag, a real card's face flag is set in the card table too.
    void appendCard(CardTable& cards, PileRef ref, int code, std::optional<char> faceFlag);

    /// Empties every pile string.
    void clear();

    friend bool operator==(const PileLists&, const PileLists&) = default;

private:
    std::array<std::string, kStockPiles> m_stock;
    std::array<std::string, kMaxFoundations> m_foundations;
    std::array<std::string, kMaxTableaus> m_tableaus;
    std::array<std::string, kMaxReserves> m_reserves;
};

} // namespace vellomir::table
