#pragma once

// What the play targets share: the catalogue they deal from (the shipped
// game files compiled once per run into GAMES.DAT of a scratch program
// folder), a game dealt as the companion deals it, and points on its table.

#include "fuzz_support.h"

#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/game_checks.h"
#include "catalogue_compiler/game_source.h"
#include "cli/console_frontend.h"
#include "engine/play/play_engine.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace vellomir::fuzz {

struct CompiledCatalogue {
    /// The numbers of the games a player can open, in order.
    std::vector<int> games;
    /// The program folder holding GAMES.DAT, with a trailing "/".
    std::string programDirectory;
};

inline const CompiledCatalogue& compiledCatalogue() {
    static const CompiledCatalogue catalogue = [] {
        const auto readAll = [](const std::filesystem::path& path) {
            std::ifstream in(path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>());
        };
        std::vector<tools::GameSource> games;
        std::vector<tools::Diagnostic> diagnostics;
        for (const auto& entry : std::filesystem::directory_iterator(VELLOMIR_GAMES_DIR)) {
            if (entry.path().extension() != ".game") {
                continue;
            }
            tools::GameSource game =
                tools::parseGameFile(entry.path().string(), readAll(entry.path()), diagnostics);
            tools::resolveGame(game, diagnostics);
            games.push_back(std::move(game));
        }
        tools::checkCatalogue(games, diagnostics);
        require(diagnostics.empty() && !games.empty(), "the shipped game files compile");
        CompiledCatalogue compiled;
        for (const tools::GameSource& game : games) {
            if (game.availability == '4') {
                compiled.games.push_back(game.number);
            }
        }
        std::sort(compiled.games.begin(), compiled.games.end());
        compiled.programDirectory = (scratchFolder() / "program").string() + "/";
        writeFile(compiled.programDirectory + "GAMES.DAT", tools::writeCatalogue(std::move(games)));
        return compiled;
    }();
    return catalogue;
}

/// A game of the compiled catalogue chosen by the input, dealt on a deal
/// number it gives, with the switches of the pointer input it gives.
struct FuzzGame {
    table::ProgramState state{compiledCatalogue().programDirectory};
    std::ostream nowhere{nullptr};
    tools::ConsoleFrontend frontend{nowhere};
    engine::PlayEngine engine{state, frontend};

    explicit FuzzGame(InputBytes& input) {
        const std::vector<int>& games = compiledCatalogue().games;
        const int game = games[static_cast<size_t>(input.byte()) % games.size()];
        const int deal = input.below(100000) + 1;
        const int switches = input.byte();
        state.settings.write(settings::field::CardSize, "B");
        state.settings.write(settings::field::ScoringScheme, "01");
        state.mainGame.setCell(table::cell::CardSizeMode, 2);
        const std::string digits = std::to_string(deal);
        state.settings.write(settings::field::DealNumber,
                             std::string(13 - digits.size(), '0') + digits);
        state.settings.write(settings::field::DoubleClickToFoundations, switches & 1 ? "Y" : "N");
        state.settings.write(settings::field::RightClickToTableaus, switches & 2 ? "Y" : "N");
        state.settings.write(settings::field::RightClickToFoundations, switches & 4 ? "Y" : "N");
        state.settings.write(settings::field::ShowPartialHiddenCard, switches & 8 ? "Y" : "N");
        state.autoplayTicked = (switches & 16) != 0;
        require(engine.loadGameList(), "the compiled catalogue loads");
        require(engine.openGame(game, engine::DealNumberMode::Keep, false),
                "a catalogue game opens");
    }
};

// A point on a card of a pile in use (or its empty place), or anywhere.
inline std::pair<int, int> pointFrom(InputBytes& input, const table::ProgramState& state) {
    using table::PileKind;
    using table::PileRef;
    const int choice = input.byte();
    if (choice % 4 == 0) {
        return {input.below(1060) - 20, input.below(810) - 20};
    }
    const table::PileCounts counts = table::PileCounts::of(state.params);
    std::vector<PileRef> piles{{PileKind::Stock, 0}, {PileKind::Stock, 1}, {PileKind::Stock, 2}};
    for (int f = 0; f < counts.foundations; ++f) {
        piles.push_back({PileKind::Foundation, f});
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        piles.push_back({PileKind::Tableau, t});
    }
    for (int r = 0; r < counts.reserves; ++r) {
        piles.push_back({PileKind::Reserve, r});
    }
    const PileRef pile = piles[static_cast<size_t>(input.byte()) % piles.size()];
    const int cards = table::cardCount(state.piles.pile(pile));
    const int slot = cards > 0 ? input.byte() % cards : 0;
    const table::CardPoint at = table::cardPosition(state, pile, slot);
    return {at.x + input.byte() % 71, at.y + input.byte() % 21};
}

/// One gesture the input spells out: a press, a move, a release, a whole
/// drag or a double click, on cards of the piles in use or anywhere.
inline void gestureFrom(InputBytes& input, engine::PlayEngine& engine) {
    const int verb = input.byte() % 8;
    const auto [x, y] = pointFrom(input, engine.state());
    switch (verb) {
    case 0:
    case 1:
        engine.buttonDown(0, 0, x, y);
        break;
    case 2:
        engine.buttonDown(1, (input.byte() & 1) * 4, x, y);
        break;
    case 3:
        engine.pointerMove(x, y);
        break;
    case 4:
        engine.buttonUp();
        break;
    case 5: {
        engine.buttonDown(0, 0, x, y);
        const auto [toX, toY] = pointFrom(input, engine.state());
        engine.pointerMove((x + toX) / 2, (y + toY) / 2);
        engine.pointerMove(toX, toY);
        engine.buttonUp();
        break;
    }
    default:
        engine.buttonDown(0, 0, x, y);
        engine.buttonUp();
        engine.doubleClick();
        break;
    }
}

} // namespace vellomir::fuzz
