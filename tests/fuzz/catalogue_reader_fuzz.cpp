// The catalogue reader on any GAMES.DAT: the game list, then one game's
// parameters and a few single values of it. A bad file must give a
// CatalogueError, never a crash; a file that reads must give a list whose
// every game loads or is refused the same way.

#include "fuzz_support.h"

#include "catalogue/catalogue_reader.h"
#include "table/main_game.h"

#include <array>

using namespace vellomir;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputBytes input(data, size);
    const int pick = input.below(1 << 16);
    const std::string path = (fuzz::scratchFolder() / "GAMES.DAT").string();
    fuzz::writeFile(path, input.rest());

    table::TMainGame mainGame;
    try {
        catalogue::loadGameList(path, mainGame.games());
    } catch (const catalogue::CatalogueError& error) {
        fuzz::require(error.what()[0] != '\0', "a catalogue error says what is wrong");
        return 0;
    }
    const auto& list = mainGame.gameList();
    // A game from the list, or now and then a number the list does not hold.
    const int gameNumber =
        list.empty() || pick % 8 == 0
            ? pick - 100
            : table::gameListNumber(list[static_cast<size_t>(pick) % list.size()]);
    catalogue::GameParameters params;
    try {
        catalogue::loadParameters(path, mainGame.games(), gameNumber, params);
        const std::array<int, 4> lines{1, 2, catalogue::GameParameters::kCells - 1, -1};
        catalogue::readSelectedParameters(path, mainGame.games(), gameNumber, lines);
    } catch (const catalogue::CatalogueError& error) {
        fuzz::require(error.what()[0] != '\0', "a catalogue error says what is wrong");
    }
    return 0;
}
