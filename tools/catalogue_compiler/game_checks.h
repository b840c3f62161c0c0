#pragma once

#include "catalogue_compiler/game_source.h"

#include <vector>

namespace vellomir::tools {

/// Builds the game's column from its settings and checks that the settings
/// agree with each other (pile counts, cards dealt, layout codes).
void resolveGame(GameSource& game, std::vector<Diagnostic>& diagnostics);

/// Checks a whole catalogue: game numbers must be unique.
void checkCatalogue(const std::vector<GameSource>& games, std::vector<Diagnostic>& diagnostics);

} // namespace vellomir::tools
