#include "engine/play/game_start.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/action_support.h"
#include "engine/records/game_clock.h"
#include "seam/frontend.h"
#include "settings/autoplay_choice.h"
#include "settings/preference_table.h"
#include "settings/text_placeholders.h"
#include "table/card_metrics.h"
#include "table/deal_distribution.h"
#include "table/deal_generation.h"
#include "table/dealt_out.h"
#include "table/fitted_layout.h"
#include "table/game_layout.h"
#include "table/pile_positions.h"
#include "table/program_state.h"

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;
namespace {

using settings::field::DealNumber;
using table::Flag;
namespace cell = table::cell;
namespace param = catalogue::param;

// The per-game autoplay choice, when autoplay is chosen game by game
// (preference AutoPlay_All_Games 2).
void applyGameAutoplayChoice(table::ProgramState& state, seam::Frontend& frontend) {
    if (state.mainGame.cell(cell::AutoplayAllGames) != table::kAutoplayChoicePerGame) {
        return;
    }
    const settings::PreferenceFile preferences(state.preferencesPath());
    const bool on = settings::gameAutoplayChoice(preferences,
                                                 state.settings.readInt(settings::field::Game, -1));
    if (on != state.autoplayTicked) {
        state.autoplayTicked = on;
        frontend.setAutoplayChecked(on);
    }
}

void reportWriteFailure(seam::Frontend& frontend, const settings::WriteResult& result) {
    if (!result.ok) {
        frontend.showInformation(result.message);
    }
}

// The dealing steps of a game start: parameters, clock, score, deal number
// and the deal itself.
bool dealNewGame(table::ProgramState& state, seam::Frontend& frontend, const StartOptions& options,
                 const GameStartServices& services) {
    if (state.params[param::CardCount] != 0) {
        // The same game again: undo what the last deal changed in the
        // per-pile parameters.
        state.params.restore();
    } else {
        const auto loader = [&](catalogue::GameParameters&) { return services.loadParameters(); };
        if (!table::prepareGameLayout(state, frontend, loader)) {
            return false;
        }
    }
    state.flags.clear(Flag::ClockRunning);
    showClockReset(frontend);
    state.mainGame.setCell(cell::PassNumber, 1);
    state.settings.write(settings::field::Score, "0");
    if (options.dealNumberMode == DealNumberMode::New) {
        table::newDealNumber(state.random, state.settings);
        frontend.setCaption(gameCaption(state));
    }
    const table::DealArray dealArray = table::buildDealArray(state, frontend);
    table::distributeDeal(state, dealArray, services.deal());
    // Cards fitted to the window leave room for the fans just dealt.
    table::recordDealtFans(state);
    if (table::cardsFitWindow(state.settings)) {
        table::computePilePositions(state, frontend);
    }
    return true;
}

} // namespace

std::string gameCaption(const table::ProgramState& state) {
    const std::string name = state.settings.read(settings::field::GameName);
    // With no game chosen the caption is the title alone, never "Vellomir []".
    if (name.empty()) {
        return std::string(settings::kProgramTitle);
    }
    std::string caption = std::string(settings::kProgramTitle) + " [" + name + "]";
    const std::string dealNumber = state.settings.read(DealNumber);
    if (!dealNumber.empty()) {
        caption += "  [" + dealNumber + "]";
    }
    return caption;
}

bool startGame(table::ProgramState& state, seam::Frontend& frontend, const StartOptions& options,
               const GameStartServices& services) {
    frontend.setBusyCursor(true);
    frontend.setCaption(gameCaption(state));

    state.mainGame.setCell(cell::StockPressed, 0);
    state.mainGame.setCell(cell::MovePhase, 0);
    state.mainGame.setCell(cell::MissCount, 0);
    state.flags.dealCounter() = 0;
    for (int c : {table::EngineFlags::kCalledCard, table::EngineFlags::kHitsBeforePass,
                  table::EngineFlags::kPassesWithoutHit}) {
        state.flags.counter(c) = 0;
    }
    state.gameLost = false;

    if (options.deal) {
        state.piles.clear();
        services.clearUndo();
    }
    services.clearRedo();
    state.flags.clear(Flag::GameInPlay);
    services.refillRandomOffsets();

    if (options.deal && !dealNewGame(state, frontend, options, services)) {
        frontend.setBusyCursor(false);
        return false;
    }

    state.flags.set(Flag::GameInPlay);
    state.flags.clear(Flag::Won);
    if (!options.keepPicture) {
        frontend.tableDrawing().redrawBackground();
    }
    frontend.setScoreText(state.settings.read(settings::field::Score));
    if (!options.keepPicture) {
        const bool animate =
            options.animate && state.settings.read(settings::field::DealAnimation) != "N";
        // The shuffle sounds while the dealt cards fly out.
        const bool cardsFly = animate && table::anyCardDealtOut(state.piles);
        if (cardsFly) {
            frontend.playSound("Shuffle", state.settings.isYes(settings::field::SoundsShuffle),
                               seam::SoundMode::Looped);
        }
        detail::drawWholeTable(state, frontend, animate);
        if (cardsFly) {
            frontend.stopSound();
        }
    }
    if (!state.flags.test(Flag::ClockRunning)) {
        state.flags.timeSlot(0) = frontend.timeOfDayMs();
        state.flags.set(Flag::ClockRunning);
        clockTick(state, frontend);
    }
    if (state.autoplayTicked && state.params[param::AutoplayAvailable] != 0) {
        frontend.pause(800);
        services.autoplaySweep();
    }
    frontend.setBusyCursor(false);
    if (gameTypeOf(state.params) == GameType::NinetyOne) {
        services.endOfGameCheck();
    }
    return true;
}

bool openGame(table::ProgramState& state, seam::Frontend& frontend, int gameNumber,
              std::string_view gameName, std::string_view playerName, DealNumberMode mode,
              bool remember, const GameStartServices& services) {
    frontend.setBusyCursor(true);
    const bool gameChanges = gameNumber != state.settings.readInt(settings::field::Game, -1);
    const bool playerChanges = playerName != state.settings.read(settings::field::UserDefault);
    if (!gameChanges && !playerChanges && state.flags.test(Flag::GameInPlay)) {
        frontend.setBusyCursor(false);
        return false;
    }
    if (!services.confirmQuit()) {
        frontend.setBusyCursor(false);
        return false;
    }
    if (services.endOfGame()) {
        frontend.setBusyCursor(false);
        return true;
    }

    if (playerChanges) {
        state.settings.write(settings::field::UserDefault, playerName);
        reportWriteFailure(frontend, services.rememberPlayer(playerName));
        frontend.setCaption(gameCaption(state));
    }
    if (gameChanges || state.mainGame.cell(cell::CardSizeMode) == table::kCardSizeAtStartUp) {
        state.mainGame.setCell(cell::CardSizeMode, table::kCardSizeUnchecked);
    }
    state.settings.writeInt(settings::field::Game, gameNumber);
    state.settings.write(settings::field::GameName, gameName);
    if (gameChanges) {
        // A different game: its parameters are loaded afresh by the layout.
        state.params.clear();
        const auto loader = [&](catalogue::GameParameters&) { return services.loadParameters(); };
        if (!table::prepareGameLayout(state, frontend, loader)) {
            frontend.setBusyCursor(false);
            return false;
        }
    }
    frontend.setGameCommandsEnabled(true);
    if (gameChanges) {
        applyGameAutoplayChoice(state, frontend);
    }
    StartOptions options;
    options.dealNumberMode = mode;
    const bool started = startGame(state, frontend, options, services);
    if (remember) {
        for (const settings::WriteResult& written : services.rememberGame(gameNumber, gameName)) {
            reportWriteFailure(frontend, written);
        }
    }
    frontend.setBusyCursor(false);
    return started;
}

} // namespace vellomir::engine
