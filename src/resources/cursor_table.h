#pragma once

#include <QCursor>

#include <array>
#include <map>
#include <optional>

namespace vellomir::resources {

class ResourceLibrary;

/// The program's twelve cursors by number, and the rule choosing the one
/// the main window shows.
///
/// The player picks a cursor number (settings field Cursor, 10-15). The
/// table shows that cursor at rest and its dragging form, number + 10,
/// while cards are carried. Number 10 stands for the system's arrow in both
/// states.
class CursorTable {
public:
    struct Entry {
        int number;
        const char* name;
    };
    /// The library cursors and the numbers they are registered under.
    static constexpr std::array<Entry, 12> kEntries = {{
        {10, "CUR_ARROW1A"},
        {11, "CUR_ARROW2A"},
        {12, "CUR_RIGHT_HAND1A"},
        {13, "CUR_RIGHT_HAND2A"},
        {14, "CUR_LEFT_HAND1A"},
        {15, "CUR_LEFT_HAND2A"},
        {20, "CUR_ARROW1B"},
        {21, "CUR_ARROW2B"},
        {22, "CUR_RIGHT_HAND1B"},
        {23, "CUR_RIGHT_HAND2B"},
        {24, "CUR_LEFT_HAND1B"},
        {25, "CUR_LEFT_HAND2B"},
    }};
    /// The number standing for the system's arrow.
    static constexpr int kSystemArrow = 10;

    /// Registers the twelve cursors of the library under their numbers. Each
    /// is read from the library when first asked for (most runs show only
    /// the system's arrow and one or two others), so the library must stay
    /// open while the table is used. A name the library lacks leaves its
    /// number empty; nothing is reported.
    void setLibrary(const ResourceLibrary& library);

    /// The cursor registered under `number`, or nullopt for an empty or unknown number.
    std::optional<QCursor> registered(int number) const;

    /// The cursor number to show for the chosen cursor: the chosen number at
    /// rest, its dragging form while dragging; 10 stays 10.
    static int screenNumber(int chosen, bool dragging);

    /// The cursor for a screen cursor number: 10, and any number with no
    /// cursor registered, give the system's arrow.
    QCursor shape(int number) const;

    /// shape(screenNumber(chosen, dragging)).
    QCursor cursorFor(int chosen, bool dragging) const {
        return shape(screenNumber(chosen, dragging));
    }

private:
    const ResourceLibrary* m_library = nullptr;
    // The cursors read so far; nullopt where the library lacks the name.
    mutable std::map<int, std::optional<QCursor>> m_cursors;
};

} // namespace vellomir::resources
