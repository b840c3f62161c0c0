#pragma once

// A game of the built catalogue dealt from a fixed deal number and played
// through the pointer input with the commands of `vellomir-cli play`.

#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "support/recording_frontend.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vellomir::testing {

struct CataloguePlay {
    table::ProgramState state{VELLOMIR_BIN_DIR};
    RecordingFrontend frontend;
    engine::PlayEngine engine{state, frontend};

    /// Deals `game` with deal number `deal`; Autoplay ticked as asked, the
    /// play command's plain settings (no shadows, no animation).
    CataloguePlay(int game, long long deal, bool autoplay = false) {
        state.settings.write(settings::field::ScoringScheme, "01");
        state.settings.write(settings::field::CardsShadowed, "N");
        state.settings.write(settings::field::CardsAnimate, "N");
        state.settings.write(settings::field::CardSize, "B");
        state.mainGame.setCell(table::cell::CardSizeMode, 2);
        state.autoplayTicked = autoplay;
        const std::string number = std::to_string(deal);
        state.settings.write(settings::field::DealNumber,
                             std::string(13 - number.size(), '0') + number);
        dealt = engine.loadGameList() && engine.openGame(game, engine::DealNumberMode::Keep, false);
    }

    /// Runs one play command ("drag Fila6:2 Fila1", "click Mazzo"); false
    /// when it names nothing.
    bool run(std::string_view line) {
        std::string problem;
        const auto command = engine::parsePointerCommand(line, problem);
        const bool ran = command && engine::runPointerCommand(engine, *command, problem);
        EXPECT_TRUE(ran) << line << ": " << problem;
        wonGame = wonGame || frontend.saw("winning animation");
        lastCalls = frontend.calls;
        frontend.calls.clear();
        return ran;
    }

    /// A pile's string by name ("Fila3", "Mazzo_Vis", "Appogg1").
    const std::string& pile(std::string_view name) const {
        return state.piles.pile(*table::parsePileName(name));
    }
    int cards(std::string_view name) const { return table::cardCount(pile(name)); }
    int top(std::string_view name) const { return table::topCardOf(pile(name)); }
    /// The game ended won (its winning animation ran).
    bool won() const { return wonGame || frontend.saw("winning animation"); }
    /// The game is over, won or lost.
    bool over() const { return !state.flags.test(table::Flag::GameInPlay); }

    bool dealt = false;
    bool wonGame = false;
    /// The frontend calls of the last command.
    std::vector<std::string> lastCalls;
};

/// The pile string of three-digit codes ("083073" for {83, 73}).
inline std::string codes(std::initializer_list<int> cards) {
    std::string text;
    for (int c : cards) {
        text += table::cardText(c);
    }
    return text;
}

} // namespace vellomir::testing
