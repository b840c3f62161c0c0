#pragma once

#include "ui/keyboard_places.h"

#include <QObject>

#include <vector>

class QPainter;

namespace vellomir::engine {
class PlayEngine;
}
namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::ui {

class TableView;
class TfrmMain;

/// Play by keyboard on the table view. A focus frame rests on a pile or on
/// a card a press would take; the keys work through the pointer's own path
/// (a press, a move onto the pile, a release), so that the engine judges
/// every gesture by the same rules as the mouse's:
///
/// - arrow keys move the focus over the piles and the cards that lift;
/// - Enter or Space presses the focused card (it is taken, turned, dealt,
///   selected, as a click would); while cards are carried, puts them on the
///   focused pile;
/// - Tab and Shift+Tab go through the piles that would take the carried
///   cards (through every pile while nothing is carried);
/// - F sends the focused card to a foundation that takes it;
/// - Esc puts carried cards back.
class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    /// The key that sends the focused card to a foundation.
    static constexpr Qt::Key kFoundationKey = Qt::Key_F;

    /// Why a key only beeped.
    enum Refusal {
        NoPileTakesThem,    ///< Tab: no pile would take the carried cards
        PileRefusedThem,    ///< Enter: the focused pile did not take them
        NoFoundationTakesIt ///< F: no foundation takes the focused card
    };

    KeyboardPlay(TfrmMain& window, table::ProgramState& state, seam::Frontend& frontend,
                 engine::PlayEngine& engine);

    /// The places of the table now, and the one the focus is on (-1 for none).
    const std::vector<KeyboardPlace>& places() const { return m_places; }
    int focusIndex() const { return m_focus; }
    const KeyboardPlace* focusPlace() const;
    /// True while cards taken by the keyboard are carried.
    bool carrying() const;
    /// Whether the focus frame is drawn (from the first key on the table
    /// until the next mouse press).
    bool frameShown() const { return m_frameShown; }

    /// The place an arrow key leads to from place `from` now.
    int stepFrom(int from, FocusStep step) const;

    /// The table changed (a move, an undo, a deal, a new layout): the
    /// places are found again, the focus stays on its pile.
    void tableChanged();

signals:
    /// The focus moved to another place (or its pile changed under it).
    void focusMoved();
    /// Cards were taken (true) or put down or back (false).
    void carryingChanged(bool carrying);
    /// The places were found again after a change of the table.
    void tableRefreshed();
    /// A key did nothing but beep: a KeyboardPlay::Refusal says which.
    void refused(int refusal);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    void moveFocus(FocusStep step);
    void cycle(bool forward);
    void press();
    void putDown();
    void putBack();
    void sendToFoundation();
    void setFocus(int index);
    void rebuild();
    void repaintFocus(const QRect& frame);
    void paintFocus(QPainter& painter) const;
    bool cardByCard() const;

    TfrmMain& m_window;
    TableView& m_view;
    table::ProgramState& m_state;
    seam::Frontend& m_frontend;
    engine::PlayEngine& m_engine;
    std::vector<KeyboardPlace> m_places;
    int m_focus = -1;
    /// The focused place by pile and slot, kept across changes of the table.
    KeyboardPlace m_remembered;
    bool m_haveRemembered = false;
    bool m_frameShown = false;
    /// The keyboard carries cards taken from this pile.
    bool m_carrying = false;
    KeyboardPlace m_source;
    QRect m_paintedFrame;
};

} // namespace vellomir::ui
