// A catalogue game compiled from its game file, dealt, and played by pointer
// events the input spells out: presses, moves, releases, double clicks and
// whole drags, on cards of the piles in use or anywhere on the table. Every
// card dealt stays on the table exactly once, whatever the events.

#include "fuzz_support.h"

#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/game_checks.h"
#include "catalogue_compiler/game_source.h"
#include "cli/console_frontend.h"
#include "engine/card_census.h"
#include "engine/play_engine.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <vector>

using namespace vellomir;

namespace {

using table::PileKind;
using table::PileRef;

// The game numbers of the compiled catalogue, written once per run.
std::vector<int> g_games;
std::string g_programDirectory;

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void compileCatalogue() {
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
    fuzz::require(diagnostics.empty() && !games.empty(), "the shipped game files compile");
    for (const tools::GameSource& game : games) {
        if (game.availability == '4') {
            g_games.push_back(game.number);
        }
    }
    std::sort(g_games.begin(), g_games.end());
    g_programDirectory = (fuzz::scratchFolder() / "program").string() + "/";
    fuzz::writeFile(g_programDirectory + "GAMES.DAT", tools::writeCatalogue(std::move(games)));
}

// A point on a card of a pile in use (or its empty place), or anywhere.
std::pair<int, int> pointFrom(fuzz::InputBytes& input, const table::ProgramState& state) {
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

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    compileCatalogue();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (g_games.empty()) {
        compileCatalogue();
    }
    fuzz::InputBytes input(data, size);
    const int game = g_games[static_cast<size_t>(input.byte()) % g_games.size()];
    const int deal = input.below(100000) + 1;
    const int switches = input.byte();

    table::ProgramState state(g_programDirectory);
    std::ostream nowhere(nullptr);
    tools::ConsoleFrontend frontend(nowhere);
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
    engine::PlayEngine engine(state, frontend);
    fuzz::require(engine.loadGameList(), "the compiled catalogue loads");
    fuzz::require(engine.openGame(game, engine::DealNumberMode::Keep, false),
                  "a catalogue game opens");
    const engine::CardCensus dealt = engine::takeCardCensus(state);

    for (int step = 0; step < 400 && !input.empty() && state.flags.test(table::Flag::GameInPlay);
         ++step) {
        const int verb = input.byte() % 8;
        const auto [x, y] = pointFrom(input, state);
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
            const auto [toX, toY] = pointFrom(input, state);
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
        if (state.mainGame.cell(table::cell::PickedCard) == 0) {
            const std::string fault = engine::cardsOnTableOnce(state, dealt);
            fuzz::require(fault.empty(), fault);
        }
    }
    engine.buttonUp();
    const std::string fault = engine::cardsOnTableOnce(state, dealt);
    fuzz::require(fault.empty(), fault);
    return 0;
}
