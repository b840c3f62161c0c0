#pragma once

// The game numbers of the shipped catalogue, read from the GAMES.DAT the
// build wrote into the program folder: the list the tests over every game
// walk through.

#include "engine/play/play_engine.h"
#include "support/recording_frontend.h"
#include "table/main_game.h"
#include "table/program_state.h"

#include <string>
#include <vector>

namespace vellomir::testing {

inline std::vector<int> catalogueGames(const std::string& programFolder) {
    table::ProgramState state(programFolder);
    RecordingFrontend frontend;
    engine::PlayEngine engine(state, frontend);
    std::vector<int> games;
    if (engine.loadGameList()) {
        for (const std::string& entry : state.mainGame.gameList()) {
            games.push_back(table::gameListNumber(entry));
        }
    }
    return games;
}

} // namespace vellomir::testing
