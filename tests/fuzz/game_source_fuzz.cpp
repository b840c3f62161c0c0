// The catalogue compiler's reading of a game file. Any text must give a game
// and a list of problems, never a crash; a game the compiler accepts without
// a problem must compile into a GAMES.DAT that the program's reader reads
// back with the very same parameters.

#include "fuzz_support.h"

#include "catalogue/catalogue_reader.h"
#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/game_checks.h"
#include "catalogue_compiler/game_source.h"
#include "table/main_game.h"

#include <vector>

using namespace vellomir;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<tools::Diagnostic> diagnostics;
    tools::GameSource game =
        tools::parseGameFile("fuzz.game", fuzz::asText(data, size), diagnostics);
    for (const tools::Diagnostic& diagnostic : diagnostics) {
        fuzz::require(!tools::formatDiagnostic(diagnostic).empty(),
                      "a problem is reported with a text");
    }
    if (!diagnostics.empty()) {
        return 0;
    }
    tools::resolveGame(game, diagnostics);
    const std::vector<tools::GameSource> games{game};
    tools::checkCatalogue(games, diagnostics);
    if (!diagnostics.empty() || game.availability != '4') {
        return 0;
    }

    const std::string path = (fuzz::scratchFolder() / "GAMES.DAT").string();
    fuzz::writeFile(path, tools::writeCatalogue(games));
    table::TMainGame mainGame;
    catalogue::GameParameters params;
    try {
        catalogue::loadGameList(path, mainGame.games());
        fuzz::require(catalogue::loadParameters(path, mainGame.games(), game.number, params),
                      "an accepted game is in the compiled game list");
    } catch (const catalogue::CatalogueError& error) {
        fuzz::require(false, error.what());
    }
    fuzz::require(mainGame.gameName(game.number) == game.name, "the name reads back");
    for (int i = 1; i < catalogue::GameParameters::kCells; ++i) {
        fuzz::require(params[i] == game.column[static_cast<size_t>(i)],
                      "every parameter reads back");
    }
    return 0;
}
