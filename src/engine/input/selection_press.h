#pragma once

#include <string>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// A press on the table as the hit test found it.
struct SelectionHit {
    int card = 0;
    std::string pileName;
    int button = 0;
    bool ctrl = false;
}; // button 0 left, 1 right, 2 middle

/// A press in a selection game; true when it changed the table.
bool selectionPress(table::ProgramState& state, seam::Frontend& frontend, const SelectionHit& hit);

} // namespace vellomir::engine
