#include "engine/actions/face_up.h"

#include "catalogue/parameter_index.h"
#include "engine/records/undo_snapshots.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/peak_rows.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

namespace param = catalogue::param;
using settings::field::AutomaticFaceUp;

void turnFaceUp(table::ProgramState& state, seam::Frontend& frontend, int card, int tableauIndex) {
    takeUndoSnapshot(state);
    state.cards.setFaceFlag(card, '1');
    const std::string& pile = state.piles.tableau(tableauIndex);
    const int count = table::cardCount(pile);
    const bool onlyCard = count == 1;
    const std::string name = table::pileName({table::PileKind::Tableau, tableauIndex});
    if (state.settings.read(settings::field::CardsShadowed) != "N") {
        const bool belowFaceUp = count >= 2 && state.cards.isFaceUp(table::cardAt(pile, count - 2));
        if (onlyCard || belowFaceUp) {
            frontend.tableDrawing().drawTableWithout({card});
        }
        frontend.tableDrawing().drawCardTurned(card, tableauIndex);
    } else {
        frontend.tableDrawing().drawPile(name);
    }
    frontend.playSound("Face_up", state.settings.isYes(settings::field::SoundsFaceUp),
                       seam::SoundMode::AtOnce);
    if (onlyCard) {
        frontend.tableDrawing().drawPile(name);
    }
}

int automaticFaceUp(table::ProgramState& state, seam::Frontend& frontend) {
    if (state.settings.read(AutomaticFaceUp) == "N" || state.params[param::AutomaticFaceUp] == 0) {
        return 0;
    }
    int turned = 0;
    const int tableaus = std::clamp(state.params[param::TableauCount], 0, table::kMaxTableaus);
    for (int t = 0; t < tableaus; ++t) {
        const int top = table::topCardOf(state.piles.tableau(t));
        if (top >= 1 && !state.cards.isFaceUp(top) && !table::peakCovered(state, t)) {
            turnFaceUp(state, frontend, top, t);
            ++turned;
        }
    }
    return turned;
}

} // namespace vellomir::engine
