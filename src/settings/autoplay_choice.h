#pragma once

#include "settings/atomic_file.h"
#include "settings/preference_table.h"

namespace vellomir::settings {

/// Whether the player wants autoplay in one game, as stored in section
/// "Autoplay" of the preferences file. Used when the preference
/// AutoPlay_All_Games is 2 (one choice per game).
///
/// Games below 8000 share the key "Games": character g + 1 (1-based) holds
/// the choice for game g, and a text too short to hold it counts as no
/// choice. Customised games (8000 and above) have their own key "Cust_" and
/// the number in four digits. Autoplay is on unless the choice is "N".
bool gameAutoplayChoice(const PreferenceFile& preferences, int gameNumber);

/// Stores the choice for a game ("Y" or "N"). A "Games" text that does not
/// reach past the game's character is first extended with "Y" to g + 10
/// characters. Negative game numbers (no game) store nothing.
WriteResult storeGameAutoplayChoice(PreferenceFile& preferences, int gameNumber, bool on);

} // namespace vellomir::settings
