#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// `hint GAME DEALNUMBER [--autoplay on|off] [--area WxH] [--positions N]`:
/// deals the game as `play` does, plays the command lines of `in` (the ones
/// `play` reads) and searches for a win from where they left the table
/// (engine::solveDeal, the position limit as `solve` has it). Prints the
/// next move of a winning line as a play command ("drag Fila7 Dest1"),
/// after the `autoplay` lines that tick or untick Autoplay for it when the
/// line starts with them; or
/// "no win from here: unsolved after N positions" when every position was
/// searched; or "no win found: gave up after N positions" at the limit; or
/// "the game is over: won" (or lost) when there is nothing left to play.
/// A command line that names no command or place stops it with the line's
/// number and the reason on `err` and returns 1, as does a game that cannot
/// be dealt; 2 for a usage error; 0 otherwise.
int runHintCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::istream& in, std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
