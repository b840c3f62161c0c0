#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::tools {

/// `play GAME DEALNUMBER [--autoplay on|off] [--area WxH]`: deals the game as
/// `deal` does (autoplay off unless asked for), prints the table, then reads
/// pointer commands from `in`, one per line, and drives the real pointer
/// input at the places the layout gives. A place is a pile name ("Fila3",
/// "Dest1", "Mazzo", "Mazzo_Vis", "Appogg2"): its top card, or its empty
/// place; "Fila3:I" is card I of the pile counted from 0 at the bottom. The
/// point pressed is 5 pixels right of and below the card's top-left corner.
/// Commands: press PLACE [right] [ctrl], move PLACE, release,
/// click PLACE [right], dblclick PLACE, drag PLACE PLACE, show, autoplay.
/// After each command one line: "won" or "lost" when the game ended,
/// "info: TEXT" for an information box, "beep" when the beep sounded, "ok"
/// otherwise; "error: ..." for a command or place it does not know. Returns
/// 0 at the end of the input, 1 for a game that cannot be dealt, 2 for a
/// usage error.
int runPlayCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::istream& in, std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
