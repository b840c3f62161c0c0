#pragma once

#include "settings/translatable_text.h"

#include <string_view>

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The question the quit confirmation asks when the caller gives none.
inline constexpr std::string_view kQuitGameQuestion = VELLOMIR_TEXT("Core", "Quit this game?");

/// Ends the game in progress (engine flag 2); does nothing and answers false
/// without one. A game with a target score (game parameter 46) is won
/// exactly when the stored score reaches it, whatever the win test said;
/// otherwise the won flag (8) decides. The clock stops (end time in slot 1),
/// the in-play commands are disabled, the game flags are cleared and the
/// automatic moves told to stop. A won game then plays "Won" and its winning
/// animation. Afterwards a close the player asked for during the animation
/// (TMainGame cell 71) closes the main window; otherwise, for a won game
/// after which no new game was started, the table is cleared to its
/// background and the game chooser opens. Answers whether the game was won.
bool endOfGame(table::ProgramState& state, seam::Frontend& frontend);

/// Asks before a game is abandoned; true when it may go. Never while an
/// animation runs (flag 6); always without asking when ConfirmQuitGame
/// (settings field 185) is "N"; otherwise a game in progress and not won
/// asks `question` (kQuitGameQuestion when empty) and goes unless the player
/// cancels. With no game in progress, or a won one, the answer is yes.
bool confirmQuit(const table::ProgramState& state, seam::Frontend& frontend,
                 std::string_view question = {});

} // namespace vellomir::engine
