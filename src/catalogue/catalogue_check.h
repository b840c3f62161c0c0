#pragma once

#include <string>

namespace vellomir::catalogue {

/// The number of parameter lines of a whole catalogue: parameters 1 to 400.
inline constexpr int kParameterLines = 400;

/// Checks that a catalogue's two sections agree, so that no game reads
/// another game's column: every game-list line is whole (its group and game
/// numbers are digits), the parameter section holds the lines of parameters
/// 1 to 400 in order, and each of them holds one value per offered game,
/// no more and no fewer. Throws CatalogueError naming the file and the line
/// at the first disagreement.
void checkCatalogue(const std::string& path);

} // namespace vellomir::catalogue
