#pragma once

#include "table/pile_lists.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

class KeyboardPlay;
class SolverAssistant;
class TableView;

/// The card table for a screen reader. Through Qt's accessibility
/// interfaces (AT-SPI on the desktop) the table view is a list whose items
/// are the piles on the table, each named with its top card and what lies
/// under it; the item of the keyboard's focus is the focused child. Every
/// move, the solver's word on the deal and the end of the game are
/// announced: the last announcement is the name of the list's last child,
/// and each one sends a name-changed and an alert event for it.
class TableAccessibility : public QObject {
    Q_OBJECT
public:
    TableAccessibility(TableView& view, table::ProgramState& state, KeyboardPlay& keyboard,
                       SolverAssistant& assistant);

    /// The accessibility object of a table view, when it has one.
    static TableAccessibility* of(const TableView* view);

    /// The piles on the table, in the order of the pile lists.
    const std::vector<table::PileRef>& piles() const { return m_piles; }
    QString pileName(int index) const;
    /// What the focus on a pile adds to its name: the card framed under
    /// the top, or what is carried to it.
    QString pileDescription(int index) const;
    /// The pile's cards on the screen, in global coordinates.
    QRect pileScreenRect(int index) const;
    /// Index of the pile the keyboard focus is on; -1 for none.
    int focusedPile() const;
    QString lastAnnouncement() const { return m_announcement; }
    TableView& view() const { return m_view; }

    /// The table changed: the moves since the last call are announced, and
    /// the end of the game.
    void tableChanged();
    /// Says `text` to the screen reader.
    void announce(const QString& text);
    /// The solver's word on the deal changed.
    void statusWordChanged(const QString& word);

signals:
    /// Sent with every event told to the accessibility interfaces (as Qt
    /// tells them to a screen reader only while one listens): its type, a
    /// QAccessible::Event, and the child of the table it is about.
    void told(int eventType, int child);

private:
    void rebuildPiles();
    void focusMoved();
    void carryingChanged(bool carrying);
    void sendToChild(int child, int eventType);

    TableView& m_view;
    table::ProgramState& m_state;
    KeyboardPlay& m_keyboard;
    std::vector<table::PileRef> m_piles;
    /// Each pile's description as last told.
    std::vector<QString> m_told;
    /// Each pile's count of cards as last told.
    std::vector<int> m_counts;
    bool m_gameInPlay = false;
    QString m_dealTold;
    QString m_announcement;
};

} // namespace vellomir::ui
