#include "table/game_layout.h"

#include "catalogue/parameter_index.h"
#include "seam/frontend.h"
#include "settings/settings_record.h"
#include "table/card_metrics.h"
#include "table/pile_positions.h"

#include <string>

namespace vellomir::table {
namespace {

namespace field = settings::field;
namespace param = catalogue::param;

constexpr std::string_view kNoticeTail = "using a predefined cards set.";

std::string smallScreenNotice(int screenClass, const std::string& gameName) {
    const std::string_view head =
        screenClass == 1
            ? "Your video card's display is 640x480 pixels. For the best graphics display the "
              "screen resolution should be set to 800x600 pixels or higher. However, it's "
              "possible to play "
            : "Your video card's display is 800x600 pixels. For the best graphics display of "
              "this game the screen resolution should be set to 1024x768 pixels or higher. "
              "However, it's possible to play ";
    return std::string(head) + gameName + " " + std::string(kNoticeTail);
}

bool screenTooSmall(int screenClass, int screenWidth) {
    return (screenClass == 1 && screenWidth < 650) || (screenClass == 2 && screenWidth < 810);
}

// A window narrower than the game needs is treated as a small screen, so
// that no pile ever lies out of the window; only a small screen gets the
// notice, which speaks of the display. A window of no width yet (before it
// is shown) does not count.
bool windowTooNarrow(int screenClass, const seam::Frontend& frontend) {
    const int width = frontend.drawingAreaWidth();
    return width > 0 && screenTooSmall(screenClass, width);
}

// Puts the player's own card size, set and back back after a predefined set
// replaced them, and forgets the saved copies.
void restoreSavedCards(settings::SettingsRecord& settings) {
    const std::string size = settings.read(field::SavedCardSize);
    const std::string back = settings.read(field::SavedCardBack);
    if (!size.empty()) {
        settings.write(field::CardSize, size);
    }
    settings.write(field::Card, settings.read(field::SavedCardSet));
    if (!back.empty()) {
        settings.write(field::BackCard, back);
    }
    settings.write(field::SavedCardSize, "");
    settings.write(field::SavedCardSet, "");
    settings.write(field::SavedCardBack, "");
}

} // namespace

void applySmallScreenRule(ProgramState& state, seam::Frontend& frontend) {
    settings::SettingsRecord& settings = state.settings;
    TMainGame& game = state.mainGame;
    const int screenClass = state.params[param::ScreenClass];

    const bool smallScreen = screenTooSmall(screenClass, frontend.screenWidth());
    if (!smallScreen && !windowTooNarrow(screenClass, frontend)) {
        if (!settings.read(field::SavedCardSet).empty()) {
            restoreSavedCards(settings);
        }
        frontend.setCustomizeEnabled(true);
        return;
    }
    if (settings.read(field::CardSize) != "B") {
        game.setCell(cell::CardSizeMode, kCardSizeChecked);
        return;
    }
    settings.write(field::SavedCardSize, settings.read(field::CardSize));
    settings.write(field::SavedCardSet, settings.read(field::Card));
    settings.write(field::SavedCardBack, settings.read(field::BackCard));
    settings.write(field::Card, "003");
    settings.write(field::CardSize, "M");
    if (game.cell(cell::CardSizeMode) != kCardSizeUnchecked) {
        return;
    }
    game.setCell(cell::CardSizeMode, kCardSizeChecked);
    if (!smallScreen) {
        return;
    }
    const int shownCell = screenClass == 1 ? cell::Notice640Shown : cell::Notice800Shown;
    if (game.cell(shownCell) == 0) {
        game.setCell(shownCell, 1);
        frontend.showInformation(smallScreenNotice(screenClass, settings.read(field::GameName)));
    }
}

bool prepareGameLayout(ProgramState& state, seam::Frontend& frontend,
                       const ParameterLoader& loadParameters) {
    state.params.clear();
    if (!loadParameters || !loadParameters(state.params)) {
        return false;
    }
    const std::string sizeBefore = state.settings.read(settings::field::CardSize);
    applySmallScreenRule(state, frontend);
    if (state.settings.read(settings::field::CardSize) != sizeBefore) {
        applyCardSize(state, frontend);
    }
    state.mainGame.resetGeometry();
    // The new game's fans are not dealt yet: fitted cards leave room for
    // their growth only until the deal is distributed and they are laid out
    // again.
    state.dealtFans = {};
    frontend.setAutoplayEnabled(state.params[param::AutoplayAvailable] != 0);
    computeFanSteps(state);
    computePilePositions(state, frontend);
    return true;
}

void layOutForWindow(ProgramState& state, seam::Frontend& frontend) {
    if (state.params[param::CardCount] == 0) {
        return; // no game loaded yet
    }
    const std::string sizeBefore = state.settings.read(settings::field::CardSize);
    applySmallScreenRule(state, frontend);
    if (state.settings.read(settings::field::CardSize) != sizeBefore) {
        applyCardSize(state, frontend);
    }
    computeFanSteps(state);
    computePilePositions(state, frontend);
}

} // namespace vellomir::table
