#pragma once

// A game of the catalogue dealt as the companion's play command deals it:
// the general score scheme, no shadows and no flights, the deal number given.

#include "engine/play/game_start.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "support/recording_frontend.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vellomir::testing {

struct DealtGame {
    table::ProgramState state{VELLOMIR_BIN_DIR};
    RecordingFrontend frontend;
    engine::PlayEngine engine{state, frontend};

    /// With `recording` false the actions keep no undo steps, as the
    /// solver's trials do.
    DealtGame(int game, long long deal, bool recording = true) {
        state.settings.write(settings::field::ScoringScheme, "01");
        state.settings.write(settings::field::CardsShadowed, "N");
        state.settings.write(settings::field::CardsAnimate, "N");
        const std::string digits = std::to_string(deal);
        state.settings.write(settings::field::DealNumber,
                             std::string(13 - std::min<std::size_t>(13, digits.size()), '0') +
                                 digits);
        EXPECT_TRUE(engine.loadGameList());
        EXPECT_TRUE(engine.openGame(game, engine::DealNumberMode::Keep, false));
        engine.setRecording(recording);
    }
    /// A copy of another's table to try moves on: it keeps no undo steps.
    DealtGame(const DealtGame& other) : state(other.state), engine(state, frontend) {
        engine.setRecording(false);
    }
    DealtGame& operator=(const DealtGame&) = delete;

    /// Runs a command line of the play command; false when it names nothing
    /// or changes nothing.
    bool run(const std::string& line) {
        std::string problem;
        const auto command = engine::parsePointerCommand(line, problem);
        return command && engine::runPointerCommand(engine, *command, problem);
    }

    /// Plays a solver's line through the pointer input: fails at the first
    /// move the input refuses, or when the line ends without the win.
    ::testing::AssertionResult playsToTheWin(const std::vector<engine::PointerCommand>& line) {
        for (const engine::PointerCommand& move : line) {
            if (!run(engine::commandText(move))) {
                return ::testing::AssertionFailure() << "refused: " << engine::commandText(move);
            }
        }
        if (!frontend.saw("winning animation")) {
            return ::testing::AssertionFailure() << "the line ends without the win";
        }
        return ::testing::AssertionSuccess();
    }
};

/// A dealt game whose actions keep no undo steps, as the solver's trials
/// play.
struct UnrecordedGame : DealtGame {
    UnrecordedGame(int game, long long deal) : DealtGame(game, deal, false) {}
    UnrecordedGame(const UnrecordedGame& other) = default;
};

} // namespace vellomir::testing
