#pragma once

#include "catalogue_compiler/game_source.h"

#include <string>
#include <vector>

namespace vellomir::tools {

/// The scrambled two-section catalogue text of the games, in game-number
/// order. Only games whose availability mark is "4" get a parameter column.
std::string writeCatalogue(std::vector<GameSource> games);

} // namespace vellomir::tools
