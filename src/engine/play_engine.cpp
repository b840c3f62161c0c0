#include "engine/play_engine.h"

#include "app/frontend.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/parameter_index.h"
#include "engine/automatic_moves.h"
#include "engine/end_of_game.h"
#include "engine/game_clock.h"
#include "engine/score.h"
#include "engine/undo_snapshots.h"
#include "engine/target_checks.h"
#include "table/program_state.h"

namespace vellomir::engine {

PlayEngine::PlayEngine(table::ProgramState& state, app::Frontend& frontend)
    : m_state(state), m_frontend(frontend), m_pointer(state, frontend) {
    // Long actions refresh the clock label between their cards.
    m_state.hooks.refreshClock = [](table::ProgramState& s, app::Frontend& f) { engine::clockTick(s, f); };
    // Actions that empty piles (the pairing removals) refill them at once.
    m_state.hooks.fillEmptyPiles = [](table::ProgramState& s, app::Frontend& f) { return fillEmptyPiles(s, f); };
}

bool PlayEngine::loadGameList() {
    try {
        catalogue::loadGameList(m_state);
        return true;
    } catch (const catalogue::CatalogueError& error) {
        m_frontend.showInformation(error.what());
        return false;
    }
}

bool PlayEngine::loadCurrentParameters() {
    try {
        return catalogue::loadParameters(m_state, m_state.settings.readInt(app::field::Game, -1));
    } catch (const catalogue::CatalogueError& error) {
        m_frontend.showInformation(error.what());
        m_state.params.clear();
        return false;
    }
}

GameStartServices PlayEngine::startServices() {
    GameStartServices services;
    services.deal.foundationAccepts = [this](const table::ProgramState& state, int card, int foundation) {
        return dealFoundationCheck(state, m_frontend, foundation, card);
    };
    services.deal.randomBelow = [this](int bound) { return m_state.random.draw(bound); };
    services.deal.addToScore = [this](table::ProgramState& state, int cards) {
        addToScore(state, m_frontend, cards, false);
    };
    services.deal.computeDealtScore = [this](table::ProgramState& state) { updateScore(state, m_frontend); };
    services.clearUndo = [this] { clearUndoRecord(m_state); };
    services.clearRedo = [this] { clearRedo(m_state); };
    services.refillRandomOffsets = [this] { m_state.jitter.rebuild(m_state.random); };
    services.endOfGameCheck = [this] {
        // The game ends here only when it is over: won by its test or, in
        // a game played for points, by a dealt score that reaches the
        // target. Ending it regardless would lose every deal at once.
        const int target = m_state.params[catalogue::param::TargetScore];
        const bool over = winTest(m_state) ||
                          (target != 0 && m_state.settings.readInt(app::field::Score, 0) >= target);
        m_state.flags.set(table::Flag::Won, over);
        if (over) {
            endOfGame(m_state, m_frontend);
        }
    };
    services.loadParameters = [this] { return loadCurrentParameters(); };
    services.confirmQuit = [this] { return confirmQuit(m_state, m_frontend, {}); };
    services.endOfGame = [this] { return endOfGame(m_state, m_frontend); };
    services.autoplaySweep = [this] { autoplaySweep(m_state, m_frontend); };
    return services;
}

bool PlayEngine::newGame() {
    StartOptions options;
    return startGame(m_state, m_frontend, options, startServices());
}

bool PlayEngine::openGame(int gameNumber, DealNumberMode mode, bool remember) {
    const std::string name = m_state.mainGame.gameName(gameNumber);
    const std::string player = m_state.settings.read(app::field::UserDefault);
    return engine::openGame(m_state, m_frontend, gameNumber, name, player, mode, remember, startServices());
}

void PlayEngine::toggleAutoplay() {
    engine::toggleAutoplay(m_state, m_frontend);
}

void PlayEngine::clockTick() {
    engine::clockTick(m_state, m_frontend);
}

} // namespace vellomir::engine
