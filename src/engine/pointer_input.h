#pragma once

#include "engine/hit_test.h"
#include "seam/frontend.h"
#include "table/pile_lists.h"

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The four pointer events of the table picture and what they mean in the
/// current game: picking up a card or a run, dragging it, dropping it onto
/// the pile under it, turning a face-down card, acting on the stock, and
/// sending a card away on a right click, a double click or a single click.
/// It changes piles only through the move executor.
class PointerInput {
public:
    PointerInput(table::ProgramState& state, seam::Frontend& frontend);

    /// Button 0 left, 1 right, 2 middle; `shift` bit value 4 is Ctrl.
    void buttonDown(int button, int shift, int x, int y);
    void pointerMove(int x, int y);
    void buttonUp();
    void doubleClick();

    /// The rectangle of the carried image as it was last drawn.
    seam::Rect dragRect() const { return m_dragRect; }
    /// Pointer position minus the picked card's top-left corner.
    int grabX() const { return m_grabX; }
    int grabY() const { return m_grabY; }
    /// The card held by the pointer (0 for none).
    int heldCard() const;
    /// True while a covered card is shown whole.
    bool coveredCardShown() const { return m_coveredX >= 1 || m_coveredY >= 1; }

private:
    enum class SendBy { RightClick, DoubleClick, SingleClick };

    bool pickUpRules(const HitResult& hit, int button);
    void pressTableau(const HitResult& hit, int button, table::PileRef pile);
    void wasteBuildingClick(const HitResult& hit);
    void discardNeighbourClick(const HitResult& hit);
    // A press on the stock: picks the stock action the game calls for.
    void pressStock();
    void send(const HitResult& hit, SendBy by);
    void startDrag(const HitResult& hit, bool run);
    void discardAtOnce(const HitResult& hit);
    void endOfGameTest();
    int cursorNumber() const;

    table::ProgramState& m_state;
    seam::Frontend& m_frontend;
    int m_grabX = 0;
    int m_grabY = 0;
    seam::Rect m_dragRect;
    int m_coveredX = 0;
    int m_coveredY = 0;
    int m_lastX = -1;
    int m_lastY = -1;
};

} // namespace vellomir::engine
