#pragma once

#include "engine/hit_test.h"

namespace vellomir::app {
class Frontend;
}

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// A button-down in a selection game (parameter 38 not 0, or game types 3,
/// 4 and 33): selects or deselects the card under the pointer, or acts on
/// the stock, instead of picking a card up. `hit` is the hit test at the
/// press, `button` 0 left, 1 right, 2 middle. A refused press beeps.
void selectionPress(table::ProgramState& state, app::Frontend& frontend, const HitResult& hit,
                    int button, bool ctrl);

} // namespace vellomir::engine
