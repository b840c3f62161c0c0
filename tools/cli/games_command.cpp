#include "cli/games_command.h"

#include "catalogue/catalogue_reader.h"
#include "table/main_game.h"

#include <ostream>

namespace vellomir::tools {

int runGamesCommand(const std::string& programDirectory, std::ostream& out, std::ostream& err) {
    table::TMainGame mainGame;
    try {
        catalogue::loadGameList(catalogue::catalogueFilePath(programDirectory), mainGame.games());
    } catch (const catalogue::CatalogueError& error) {
        err << "vellomir-cli: " << error.what() << "\n";
        return 1;
    }
    for (const std::string& entry : mainGame.gameList()) {
        out << table::gameListNumber(entry) << '\t' << table::gameListGroup(entry) << '\t'
            << table::gameListName(entry) << '\n';
    }
    return 0;
}

} // namespace vellomir::tools
