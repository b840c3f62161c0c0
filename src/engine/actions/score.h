#pragma once

namespace vellomir::seam {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// Whether the game is won, by the game type (parameter 47): the general
/// test (stock, waste, tableaus and reserves empty) or the type's own.
bool winTest(const table::ProgramState& state);

/// The score of the current table by the game type; nothing for type 9,
/// whose score is left as it is.
int computeScore(const table::ProgramState& state);

/// Recomputes the score, shows it and stores it in settings field 122
/// (except in game type 9); then refreshes the joker label in games whose
/// first foundation builds with jokers (rules 72 and 75).
void updateScore(table::ProgramState& state, seam::Frontend& frontend);

/// For the new-game set-up: while the scoring scheme is "01" (and the game
/// type is not 9) either recomputes the score or adds 5 points for each of
/// `cards`, then shows and stores it.
void addToScore(table::ProgramState& state, seam::Frontend& frontend, int cards, bool recompute);

/// The row score of game type 46: rows of tableaus with "000" gaps, 5
/// points for each card that continues its suit's run from the ace (10 for
/// the card right after the ace), starting from -32.
int rowScore(const table::ProgramState& state);

/// Shows what the first joker on the foundations stands for, when that
/// changed since the label was last drawn (key in TMainGame cell 100).
void refreshJokerLabel(table::ProgramState& state, seam::Frontend& frontend);

} // namespace vellomir::engine
