#pragma once

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Turns a face-down tableau card face up as its own undo step: a snapshot,
/// the face flag, the card drawn dropping into place (lifted first when
/// cards are shadowed), "Face_up".
void turnFaceUp(table::ProgramState& state, seam::Frontend& frontend, int card, int tableauIndex);

/// When the preference Automatic_FaceUp is not "N" and the game lets
/// uncovered cards turn (parameter 41), turns the face-down top card of
/// every tableau face up. Answers how many cards turned.
int automaticFaceUp(table::ProgramState& state, seam::Frontend& frontend);

} // namespace vellomir::engine
