#pragma once

#include "sound_builder/synthesis.h"

#include <string_view>
#include <vector>

namespace vellomir::tools {

/// How one sound of the resource library is made.
struct SoundRecipe {
    std::string_view name; ///< resource name under /wave
    bool looped;           ///< played in a loop: its end must flow into its start
    double peak;           ///< loudest sample after normalising, below full scale
    Signal (*make)();      ///< the raw synthesis, before levelling
};

/// Every sound the program plays, in the order of the sound table.
const std::vector<SoundRecipe>& soundRecipes();

/// The finished sound: synthesised, faded in and out unless it loops,
/// normalised to the recipe's peak.
Signal renderSound(const SoundRecipe& recipe);

} // namespace vellomir::tools
