#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellomir::table {

/// Lines a snapshot adds to each of the four undo lists: stock list,
/// foundations, tableaus, reserves.
inline constexpr int kSnapshotStockLines = 3;
inline constexpr int kSnapshotFoundationLines = 16;
inline constexpr int kSnapshotTableauLines = 28;
inline constexpr int kSnapshotReserveLines = 10;

/// One side (undo or redo) of the snapshot record: four lists that each
/// snapshot extends by 3, 16, 28 and 10 lines. A line holds one pile as
/// four-character groups, bottom card first: the face flag and the
/// three-digit code ("0000" for a placeholder).
struct UndoLists {
    std::vector<std::string> stock;
    std::vector<std::string> foundations;
    std::vector<std::string> tableaus;
    std::vector<std::string> reserves;

    /// Number of whole snapshots held.
    int snapshotCount() const { return static_cast<int>(tableaus.size()) / kSnapshotTableauLines; }
    void clear();
    /// Deletes the newest snapshot (its last 3, 16, 28 and 10 lines).
    void dropNewest();

    friend bool operator==(const UndoLists&, const UndoLists&) = default;
};

/// An undo history: a text of items, each followed by a comma, one item per
/// snapshot. An item is empty or holds three-digit marks ("002" a stock
/// deal that counts as a move, "001" a move found by the destination search).
class UndoHistory {
public:
    const std::string& text() const { return m_text; }
    /// Appends `item` and a comma.
    void push(std::string_view item);
    /// Deletes the newest item (back to the comma in front of it).
    void removeNewest();
    /// The newest item's text, empty when there is none.
    std::string newest() const;
    /// Replaces the newest item with the three-digit code.
    void markNewest(int code);
    /// How many three-digit groups of all items equal the code.
    int count(int code) const;
    /// Number of items.
    int itemCount() const;
    void clear() { m_text.clear(); }
    /// Puts back a history text taken earlier with text().
    void assign(std::string text) { m_text = std::move(text); }

    friend bool operator==(const UndoHistory&, const UndoHistory&) = default;

private:
    std::string m_text;
};

} // namespace vellomir::table
