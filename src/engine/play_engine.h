#pragma once

#include "engine/game_start.h"
#include "engine/pointer_input.h"

#include <string>
#include <string_view>

namespace vellomir::app {
class Frontend;
}
namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The play engine put together: it connects the modules of the engine
/// (set-up, moves, automatic moves, score and end of game) with each other,
/// the program state and the frontend. The main window and the command-line
/// companion drive the game through it.
class PlayEngine {
public:
    PlayEngine(table::ProgramState& state, app::Frontend& frontend);

    table::ProgramState& state() { return m_state; }
    app::Frontend& frontend() { return m_frontend; }

    /// Loads the game list from GAMES.DAT; false (with the reason shown) when
    /// the catalogue cannot be read.
    bool loadGameList();
    /// Loads the current game's parameters; false (with the reason shown for
    /// a damaged catalogue) when it cannot.
    bool loadCurrentParameters();

    /// A new deal of the current game.
    bool newGame();
    /// Opens a game as the game chooser does (see engine::openGame).
    bool openGame(int gameNumber, DealNumberMode mode, bool remember);

    /// Refreshes the clock label (the main window's one-second timer).
    void clockTick();

    /// The pointer events of the table picture (see PointerInput).
    void buttonDown(int button, int shift, int x, int y) { m_pointer.buttonDown(button, shift, x, y); }
    void pointerMove(int x, int y) { m_pointer.pointerMove(x, y); }
    void buttonUp() { m_pointer.buttonUp(); }
    void doubleClick() { m_pointer.doubleClick(); }
    const PointerInput& pointer() const { return m_pointer; }

    /// The Autoplay command (F7): flips the tick, see engine::toggleAutoplay.
    void toggleAutoplay();

    /// The services the set-up uses, wired to this engine.
    GameStartServices startServices();

private:
    table::ProgramState& m_state;
    app::Frontend& m_frontend;
    PointerInput m_pointer;
};

} // namespace vellomir::engine
