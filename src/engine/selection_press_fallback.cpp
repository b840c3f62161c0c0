// Stand-in for the selection games' press handling until it is built: every
// press in a selection game is refused with the beep a refused selection
// gives. Replace this file with the real selectionPress.
#include "engine/selection_press.h"

#include "app/frontend.h"

namespace vellomir::engine {

void selectionPress(table::ProgramState&, app::Frontend& frontend, const HitResult&, int, bool) {
    frontend.beep();
}

} // namespace vellomir::engine
