#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vellomir::engine {
class PlayEngine;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::tools {

/// Deals `game` with `dealNumber` (13 digits) on the engine's fresh state as
/// `play` does: scoring scheme "01", no shadows, no animation, Autoplay
/// ticked when asked. False, with the reason on `err`, for a game not in the
/// catalogue or one that cannot be dealt.
bool dealForPlay(engine::PlayEngine& engine, int game, const std::string& dealNumber, bool autoplay,
                 std::ostream& err);

/// The pointer switches as the program has them: from DATA/CFG.DAT beside
/// the program when it is there, else the preferences' defaults.
void applyPointerPreferences(table::ProgramState& state, const std::string& programDirectory);

/// `play GAME DEALNUMBER [--autoplay on|off] [--area WxH]`: deals the game as
/// `deal` does (autoplay off unless asked for), prints the table, then reads
/// pointer commands from `in`, one per line, and drives the real pointer
/// input at the places the layout gives. A place is a pile name ("Fila3",
/// "Dest1", "Mazzo", "Mazzo_Vis", "Appogg2"): its top card, or its empty
/// place; "Fila3:I" is card I of the pile counted from 0 at the bottom. The
/// point pressed is 5 pixels right of and below the card's top-left corner.
/// Commands: press PLACE [right] [ctrl], move PLACE, release,
/// click PLACE [right], dblclick PLACE, drag PLACE PLACE (see
/// engine::PointerCommand), quit (the end of game the New game command runs
/// before it deals again: the only way to win a game that is won by its
/// score alone, such as Ninety-One), show, autoplay. Blank lines and lines
/// starting with "#" are skipped.
/// A deal that ends the game as it is dealt (Ninety-One dealt at 91) is
/// followed by "won" or "lost" before any command is read.
/// After each command one line: "won" or "lost" when the game ended,
/// "info: TEXT" for an information box, "beep" when the beep sounded, "ok"
/// otherwise; "error: ..." for a command or place it does not know. Returns
/// 0 at the end of the input, 1 for a game that cannot be dealt, 2 for a
/// usage error.
int runPlayCommand(const std::vector<std::string>& args, const std::string& programDirectory,
                   std::istream& in, std::ostream& out, std::ostream& err);

} // namespace vellomir::tools
