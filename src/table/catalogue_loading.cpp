#include "table/catalogue_loading.h"

#include "catalogue/catalogue_reader.h"
#include "table/program_state.h"

namespace vellomir::table {

void loadGameList(ProgramState& state) {
    catalogue::loadGameList(catalogue::catalogueFilePath(state.settings.programDirectory()),
                            state.mainGame.games());
}

bool loadParameters(ProgramState& state, int gameNumber) {
    return catalogue::loadParameters(
        catalogue::catalogueFilePath(state.settings.programDirectory()), state.mainGame.games(),
        gameNumber, state.params);
}

std::array<int, 9> readSelectedParameters(const ProgramState& state, int gameNumber,
                                          std::span<const int> lineNumbers) {
    return catalogue::readSelectedParameters(
        catalogue::catalogueFilePath(state.settings.programDirectory()), state.mainGame.games(),
        gameNumber, lineNumbers);
}

} // namespace vellomir::table
