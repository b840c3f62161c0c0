#pragma once

#include <iosfwd>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::tools {

/// Prints the piles a game uses, one line each, in the order stock, waste,
/// discard pile, foundations, tableaus, reserves: the pile's name (with its
/// x and y in brackets when `withLayout`), a colon, then its cards as
/// three-digit codes, a face-down card followed by "*", gaps as "000".
/// Then "score S".
void printTable(const table::ProgramState& state, bool withLayout, std::ostream& out);

} // namespace vellomir::tools
