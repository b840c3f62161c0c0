#pragma once

#include <array>
#include <string>

namespace vellomir::table {

/// The card table: one 20-character entry per card code, giving the card's
/// picture name (characters 1-15), suit digit (16), code (17-19) and face
/// flag (20, "1" face up). A card's face state lives here, not in its pile:
/// every code is on the table at most once.
class CardTable {
public:
    static constexpr int kEntries = 108;
    static constexpr std::size_t kEntryLength = 20;

    /// Fills the table in code order with every card face up.
    CardTable();
    void fill();

    /// The whole 20-character entry of a card, empty for codes outside 1-108.
    const std::string& entry(int code) const;
    /// The picture name without trailing blanks ("CUORI_A", "JOKER").
    std::string pictureName(int code) const;
    bool isFaceUp(int code) const;
    /// Replaces the face flag (character 20) with '1' or '0'.
    void setFaceFlag(int code, char flag);
    void setFaceUp(int code, bool up) { setFaceFlag(code, up ? '1' : '0'); }

private:
    std::array<std::string, kEntries> m_entries;
};

} // namespace vellomir::table
