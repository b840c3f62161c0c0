#include "engine/actions/end_of_game.h"

#include "catalogue/parameter_index.h"
#include "engine/records/game_clock.h"
#include "seam/frontend.h"
#include "table/program_state.h"

namespace vellomir::engine {

using table::Flag;
namespace cell = table::cell;
namespace field = settings::field;

bool endOfGame(table::ProgramState& state, seam::Frontend& frontend) {
    table::EngineFlags& flags = state.flags;
    if (!flags.test(Flag::GameInPlay)) {
        return false;
    }
    frontend.setBusyCursor(true);
    frontend.hidePileSizePanel();

    // Games played for points are decided by the score alone.
    if (const int target = state.params[catalogue::param::TargetScore]; target != 0) {
        flags.set(Flag::Won, state.settings.readInt(field::Score, 0) >= target);
    }

    const bool clockWasRunning = flags.test(Flag::ClockRunning);
    flags.timeSlot(1) = frontend.timeOfDayMs();
    flags.clear(Flag::ClockRunning);

    frontend.setGameCommandsEnabled(false);
    state.mainGame.setCell(cell::PickedCard, 0);
    state.mainGame.setCell(cell::MovingTopCard, 0);
    // The last refresh shows the time up to the recorded end, which the
    // one-second timer may not have reached yet.
    if (clockWasRunning) {
        frontend.setClockText(clockText(flags.timeSlot(0), flags.timeSlot(1)));
    }

    const bool won = flags.test(Flag::Won) && !state.gameLost;
    state.gameLost = false;
    ++state.gamesEnded;
    state.lastEndingWon = won;
    flags.clear(Flag::Won);
    flags.clear(Flag::GameInPlay);
    flags.set(Flag::StopAutoplay);
    state.mainGame.setCell(cell::CloseRequested, 0);
    // The result counts now: a win is not lost to a crash or a kill during
    // its animation or the chooser after it.
    frontend.gameEnded();

    if (won) {
        frontend.setBusyCursor(false);
        frontend.pauseHandlingMessages(200);
        frontend.playSound("Won", state.settings.isYes(field::SoundsGameWon),
                           seam::SoundMode::AtOnce);
        frontend.runWinningAnimation();
    }
    frontend.setBusyCursor(false);

    if (state.mainGame.cell(cell::CloseRequested) == 1) {
        frontend.closeMainWindow();
    } else if (won && !flags.test(Flag::GameInPlay)) {
        // The animation left cards thrown all over the table.
        frontend.tableDrawing().redrawBackground();
        frontend.openGameChooser();
    }
    return won;
}

bool confirmQuit(const table::ProgramState& state, seam::Frontend& frontend,
                 std::string_view question) {
    const table::EngineFlags& flags = state.flags;
    if (flags.test(Flag::AnimationRunning)) {
        return false;
    }
    if (state.settings.read(field::ConfirmQuitGame) == "N") {
        return true;
    }
    if (!flags.test(Flag::GameInPlay) || flags.test(Flag::Won)) {
        return true;
    }
    return frontend.confirm(question.empty() ? kQuitGameQuestion : question);
}

} // namespace vellomir::engine
