#pragma once

#include "engine/input/hit_test.h"
#include "engine/rules/card_move.h"
#include "seam/frontend.h"
#include "table/pile_lists.h"

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// What a drag holds between its press and its release: the cards lifted
/// (the move the rules judge at the release, aimed at the pile it is
/// dropped on), and for the gesture's own drawing the carried picture's
/// rectangle and where in it the pointer grabbed it, and the covered card
/// shown whole while the right button is held.
struct DragState {
    /// The card lifted, how many cards and from which pile.
    CardMove lifted;
    /// The rectangle of the carried image as it was last drawn.
    seam::Rect rect;
    /// Pointer position minus the picked card's top-left corner.
    int grabX = 0;
    int grabY = 0;
    /// Top-left corner of the covered card shown whole; 0, 0 for none.
    int coveredX = 0;
    int coveredY = 0;
};

/// The pointer's gestures on the table picture: a press (hit-tested to a
/// place), a drag, a release, a double click and a right click. What each
/// means in the current game is asked of the rules (press_rules.h,
/// lift_rules.h, drop_rules.h, send_rules.h); the gesture carries the card
/// picked up, drops it on the pile under it (pointer_drop.h) and sends a
/// card on a right, double or single click. It changes piles only through
/// the move executor.
class PointerInput {
public:
    PointerInput(table::ProgramState& state, seam::Frontend& frontend);

    /// Button 0 left, 1 right, 2 middle; `shift` bit value 4 is Ctrl.
    void buttonDown(int button, int shift, int x, int y);
    void pointerMove(int x, int y);
    void buttonUp();
    void doubleClick();
    /// The keyboard's send: the card at (x, y) goes to a foundation that
    /// takes it, by the rules of a double click's send but to the
    /// foundations alone, whatever the double-click switches say.
    void sendToFoundations(int x, int y);

    /// The rectangle of the carried image as it was last drawn.
    seam::Rect dragRect() const { return m_drag.rect; }
    /// Pointer position minus the picked card's top-left corner.
    int grabX() const { return m_drag.grabX; }
    int grabY() const { return m_drag.grabY; }
    /// The card held by the pointer (0 for none).
    int heldCard() const;
    /// The cards the pointer holds, as a move not yet aimed at any pile
    /// (meaningful while heldCard() is not 0).
    const CardMove& liftedCards() const { return m_drag.lifted; }
    /// True while a covered card is shown whole.
    bool coveredCardShown() const { return m_drag.coveredX >= 1 || m_drag.coveredY >= 1; }

private:
    enum class SendBy { RightClick, DoubleClick, SingleClick, FoundationKey };

    void send(const HitResult& hit, SendBy by);
    void startDrag(const HitResult& hit, bool run);
    void showCovered(const HitResult& hit);
    int cursorNumber() const;

    table::ProgramState& m_state;
    seam::Frontend& m_frontend;
    DragState m_drag;
    /// The pointer's last position, which a move away from hides the pile
    /// size panel.
    int m_lastX = -1;
    int m_lastY = -1;
};

} // namespace vellomir::engine
