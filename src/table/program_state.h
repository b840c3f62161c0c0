#pragma once

#include "catalogue/game_parameters.h"
#include "settings/settings_record.h"
#include "table/card_table.h"
#include "table/engine_flags.h"
#include "table/engine_hooks.h"
#include "table/fan_room.h"
#include "table/jitter_table.h"
#include "table/main_game.h"
#include "table/pile_lists.h"
#include "table/random_generator.h"
#include "table/undo_lists.h"

#include <string>
#include <string_view>

namespace vellomir::table {

/// What a carried group holds: nothing yet, one card, or a card with the
/// cards above it.
enum class CarriedCards { None, OneCard, Run };

/// Card size in pixels.
struct CardSize {
    int width = 71;
    int height = 96;
};

/// Everything the program holds for a run: the settings record, TMainGame,
/// the card table, the pile lists with their snapshot, the game parameter
/// table, the engine flags, the card size and the jitter table. Modules receive it by
/// reference; a test starts from a fresh one.
struct ProgramState {
    explicit ProgramState(std::string_view programDirectory = "") : settings(programDirectory) {
        mainGame.resetGeometry();
    }

    settings::SettingsRecord settings;
    TMainGame mainGame;
    CardTable cards;
    PileLists piles;
    PileLists snapshot;
    catalogue::GameParameters params;
    EngineFlags flags;
    CardSize cardSize;
    /// The fans as dealt, which a card size fitted to the window leaves room
    /// for, and how far each fan may reach before its steps close up.
    DealtFans dealtFans;
    FanLimits fanLimits;
    /// The folder the program writes its files under, with a trailing "/":
    /// the program directory, or the per-user folder of a read-only
    /// installation. Empty until start-up chooses it (the program directory
    /// is used then).
    std::string dataFolder;
    /// The preferences file, DATA/CFG.DAT under the data folder.
    std::string preferencesPath() const {
        return (dataFolder.empty() ? settings.programDirectory() : dataFolder) +
               settings.read(settings::field::PreferencesFile);
    }

    /// The Autoplay command's tick: autoplay sweeps run while it is set.
    bool autoplayTicked = false;
    /// The run's pseudo-random generator, seeded from the clock at start-up.
    RandomGenerator random;
    /// Sideways offsets of hand-laid tableau cards; rebuilt for every new game.
    JitterTable jitter;
    /// Extra room a card shadow needs: 9 pixels when cards are shadowed, else
    /// 0. Set once at start-up.
    int shadowOffset = 0;
    /// Height in pixels of the group the pointer holds or the automatic moves
    /// send: one card height for a single card, the fanned height of a run
    /// (also one card height for a run fanned sideways).
    int groupHeight = 0;
    /// Whether that group is one card or a run, as the gesture or move that
    /// took it says.
    CarriedCards carried = CarriedCards::None;

    /// Records the group the pointer holds or a move sends.
    void carryGroup(int height, CarriedCards cards) {
        groupHeight = height;
        carried = cards;
    }
    /// A single card is carried. Told by the flag the gesture set, not by
    /// the group's height: a run fanned to the right is one card high too.
    bool isSingleCardMove() const { return carried == CarriedCards::OneCard; }

    /// The undo side (undo lists and history 1) and the redo side (redo
    /// lists and history 2) of the snapshot record.
    UndoLists undoLists;
    UndoLists redoLists;
    UndoHistory undoHistory;
    UndoHistory redoHistory;
    /// Set by an executed action when a card left a tableau, so that the
    /// card it uncovered may turn face up.
    bool cardLeftTableau = false;
    /// Set when the game's own rules end it as lost (Hit or Miss after two
    /// passes without a hit); the end of game reads and clears it.
    bool gameLost = false;
    /// Games ended so far in this run (by the end of game), and whether the
    /// last of them was won: the play engine keeps the statistics from them.
    int gamesEnded = 0;
    bool lastEndingWon = false;
    /// Calls into engine parts wired at start-up.
    EngineHooks hooks;

    void saveSnapshot() { snapshot = piles; }
    void restoreSnapshot() { piles = snapshot; }
};

} // namespace vellomir::table
