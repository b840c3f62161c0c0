#pragma once

#include <array>
#include <span>

namespace vellomir::table {

struct ProgramState;

/// The catalogue's game list and game columns read into the program state,
/// with GAMES.DAT taken from the program directory of its settings record
/// (the errors are those of catalogue::loadGameList and the like).
void loadGameList(ProgramState& state);
/// Loads the parameters of game `gameNumber` into the state's parameters.
bool loadParameters(ProgramState& state, int gameNumber);
/// Reads single parameter lines of a game without loading it.
std::array<int, 9> readSelectedParameters(const ProgramState& state, int gameNumber,
                                          std::span<const int> lineNumbers);

} // namespace vellomir::table
