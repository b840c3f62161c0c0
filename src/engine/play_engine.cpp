#include "engine/play_engine.h"

#include "app/frontend.h"
#include "catalogue/catalogue_reader.h"
#include "engine/end_of_game.h"
#include "engine/game_clock.h"
#include "engine/target_checks.h"
#include "table/program_state.h"

namespace vellomir::engine {

PlayEngine::PlayEngine(table::ProgramState& state, app::Frontend& frontend)
    : m_state(state), m_frontend(frontend) {}

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
    services.loadParameters = [this] { return loadCurrentParameters(); };
    services.confirmQuit = [this] { return confirmQuit(m_state, m_frontend, {}); };
    services.endOfGame = [this] { return endOfGame(m_state, m_frontend); };
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

void PlayEngine::clockTick() {
    engine::clockTick(m_state, m_frontend);
}

} // namespace vellomir::engine
