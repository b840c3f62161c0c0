#pragma once

#include "table/program_state.h"

#include <optional>
#include <string>

namespace vellomir::table {

/// The kinds of empty place a mark is drawn for, numbered as the drawing
/// code names them.
enum class MarkKind {
    Stock = 1,
    Waste = 2,
    Foundation = 3,
    Reserve = 5,
    Tableau = 6,
    Discard = 7,
};

/// The rank mark of a base-rank code: "010" for an ace (codes 1, 58, 81, 85),
/// "012" for a two (2, 90), "013"-"020" for 3-10, "006" a jack (11), "003" a
/// queen (12), "011" a king (13, 64, 84). Code 94 asks for no mark at all and
/// gives an empty text; every other code has no rank mark (nothing).
std::optional<std::string> rankMarkOf(int baseCode);

/// The suffix of the mark an empty pile shows ("W" + size letter + suffix
/// names the picture), or an empty text when it shows none. `pileIndex` is
/// the 0-based foundation, reserve or tableau index; the others ignore it.
///   stock:      "021" in families 8 and 45; "022" while a redeal is left,
///               "008" when none is (and always when the waste is down to one
///               card or none); in the games that deal their tableaus
///               again (parameter 388) "022" while a pass is left, else "008".
///   waste:      "_WASTE" when an empty stock is a redeal button (parameter 8
///               is 1); "008" without passes; else "022" or "008" as for the
///               stock in the games that count passes.
///   foundation: the queen's mark with rule 10, else its base rank's mark,
///               "004" when the rank has none.
///   reserve:    "009" or "011" for the whole game (parameter 268 of 9 or 8),
///               else by the reserve's own code: 88 "006", 89 "003",
///               90 "011", others "001".
///   tableau:    its empty code's rank mark, else "004" or "_TABLEAU".
///   discard:    "_WASTE".
std::string emptyPileMark(const ProgramState& state, MarkKind kind, int pileIndex = 0);

} // namespace vellomir::table
