#pragma once

#include "seam/frontend.h"
#include "settings/atomic_file.h"
#include "settings/translatable_text.h"
#include "table/program_state.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::startup {

/// The advice shown at start-up when the display has 256 colours or fewer.
inline constexpr std::string_view kAdvice256ColorsKey = "Screen_Under_256_Colors";
inline constexpr std::string_view kAdvice256ColorsText = VELLOMIR_TEXT(
    "Core",
    "At this time your video driver supports 256 colors or less. This program takes advantage "
    "of the 16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher "
    "resolutions. \rIf your video driver allows High or True color mode settings (16 bit or 24 "
    "bit), modify your screen resolution using the Display Properties Settings in the Control "
    "Panel.");

/// The start counter stops growing here.
inline constexpr int kRunExeLimit = 9;

/// What the start-up load hands to the main window beside the settings record.
struct LoadedPreferences {
    /// Large toolbar buttons.
    bool toolBarLarge = false;
    /// Flat toolbar buttons.
    bool toolBarFlat = true;
    /// Messages of the writes that failed during the load; the first one has
    /// been shown to the player.
    std::vector<std::string> writeFailures;
};

/// Reads the preferences at start-up into the settings record and TMainGame
/// (cells 103, 104, 105 and 108), in the order that lets later defaults
/// depend on earlier values. It also shows or hides the clock, the score and
/// the status bar, sets the cursor, ticks the Autoplay command as chosen,
/// creates the three default players on a fresh installation and counts the
/// start in Run_Exe. `display256ColorsOrFewer` picks the card set default and
/// shows the colour-depth advice (unless the player switched it off).
LoadedPreferences loadPreferences(table::ProgramState& state, seam::Frontend& frontend,
                                  const std::filesystem::path& preferencesPath,
                                  bool display256ColorsOrFewer);

/// Shows or hides the game clock. Showing makes the clock visible and
/// disables the "Show time" command, hiding does the reverse. With `save` the
/// choice goes to the settings record and the preferences file (Show_Time).
settings::WriteResult showOrHideClock(table::ProgramState& state, seam::Frontend& frontend,
                                      const std::filesystem::path& preferencesPath, bool show,
                                      bool save);

/// The same for the score (Show_Score).
settings::WriteResult showOrHideScore(table::ProgramState& state, seam::Frontend& frontend,
                                      const std::filesystem::path& preferencesPath, bool show,
                                      bool save);

/// Once the game list is loaded: a current game that is not in the list (or
/// not a number) is dropped, leaving no game chosen: Game becomes -1
/// ("-001") and Game_name is blanked. A negative Game is left alone. True
/// when the game was kept.
bool checkCurrentGame(table::ProgramState& state);

} // namespace vellomir::startup
