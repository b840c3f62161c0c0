#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

class PlayEngine;

/// One step of a scripted play session, in the words `vellomir-cli play`
/// reads: press PLACE [right] [ctrl], move PLACE, release, click PLACE
/// [right], rclick PLACE (click PLACE right), dblclick PLACE, drag PLACE
/// PLACE, autoplay, quit. A place is a pile name
/// ("Fila3", "Dest1", "Mazzo", "Mazzo_Vis", "Appogg2"): its top card, or its
/// empty place; "Fila3:I" is card I of the pile counted from 0 at the bottom.
struct PointerCommand {
    enum class Verb { Press, Move, Release, Click, DoubleClick, Drag, Autoplay, Quit };
    Verb verb = Verb::Click;
    std::string place;
    std::string target; // the drop place of a drag
    bool right = false;
    bool ctrl = false;
};

/// The command a line names; nothing (with the reason in `problem`) for an
/// unknown command or wrong words. Places are checked when it runs.
std::optional<PointerCommand> parsePointerCommand(std::string_view line, std::string& problem);

/// The command as a line `parsePointerCommand` reads back.
std::string commandText(const PointerCommand& command);

/// A point on the table in window coordinates.
struct TablePoint {
    int x = 0;
    int y = 0;
};

/// The point a place names: 5 pixels right of and below the card's (or the
/// empty pile's) top-left corner. Nothing, with the reason, for an unknown
/// pile, a pile not on the table or a card the pile does not hold.
std::optional<TablePoint> placePoint(const table::ProgramState& state, std::string_view place,
                                     std::string& problem);

/// Runs a command as pointer events of the engine (a drag presses, moves to
/// half way, moves onto the target and releases; a double click delivers
/// press, release, double click, press, release). `autoplay` is the
/// Autoplay command (F7), which ticks or unticks it. `quit` ends the game as
/// the New game command does before it deals again: the end of game, won
/// when the game's target score is reached. False, with the reason, when a
/// place names nothing; then no event was sent.
bool runPointerCommand(PlayEngine& engine, const PointerCommand& command, std::string& problem);

/// Runs a command as the solver plays its lines: a click as its press and
/// its release only (a player's single click, with no double click made of
/// two in a row), any other command as runPointerCommand runs it. `held`,
/// when given, is for a click the card its press left carried before the
/// release (0 for none). False when a place names nothing.
bool runGesture(PlayEngine& engine, const PointerCommand& command, int* held = nullptr);

} // namespace vellomir::engine
