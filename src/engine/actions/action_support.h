#pragma once

// Shared by the executor's action files; not used outside the engine.

#include "engine/actions/move_action.h"
#include "seam/frontend.h"
#include "settings/settings_record.h"
#include "table/card_position.h"
#include "table/pile_lists.h"

#include <string_view>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine::detail {

/// What one executed action leaves for the executor's final steps.
struct ActionContext {
    /// Window y of the top of the last card placed, for the lowest card edge.
    int lastCardTop = 0;
};

/// Plays a sound when its own switch reads "Y" (the frontend checks the
/// master switch).
void playSwitched(const table::ProgramState& state, seam::Frontend& frontend, std::string_view name,
                  settings::SettingsField soundSwitch,
                  seam::SoundMode mode = seam::SoundMode::AtOnce);

/// Cards fly unless the preference Cards_Animate is "N".
bool cardsAnimate(const table::ProgramState& state);

/// Brings the clock label up to date through the wired hook.
void refreshClock(table::ProgramState& state, seam::Frontend& frontend);

/// A card flight between two table points; `card` -1 flies a back.
void fly(seam::Frontend& frontend, int card, table::CardPoint from, table::CardPoint to);

/// The pile name handed to the frontend ("Fila3", "Mazzo_Vis").
std::string nameOf(table::PileRef pile);

/// Draws the whole table again from its top: a full drawing scrolls the
/// table back up.
void drawWholeTable(table::ProgramState& state, seam::Frontend& frontend,
                    bool dealAnimation = false);

/// Draws a pile after a change: every card of a tableau, reserve or
/// foundation, the top card of the stock, waste or discard pile.
void drawChangedPile(seam::Frontend& frontend, table::PileRef pile);

/// Appends a card face up (or as given) and records where its top lies.
void placeCard(table::ProgramState& state, table::PileRef pile, int card, char faceFlag,
               ActionContext& context);

/// Takes the stock's top card off the stock; 0 when the stock is empty.
int takeStockTop(table::ProgramState& state);

bool stockEmpty(const table::ProgramState& state);

/// The action bodies dispatched by executeMove. Each answers whether it
/// executed something. executeStockAction runs the actions that take cards
/// from the stock (picked for a press by pressStock, press_rules.h).
bool executeStockAction(table::ProgramState& state, seam::Frontend& frontend, ActionKind kind,
                        ActionContext& context);
bool dealAction(table::ProgramState& state, seam::Frontend& frontend, MoveAction action,
                ActionContext& context);
bool fillEmptyTableausFromStock(table::ProgramState& state, seam::Frontend& frontend,
                                ActionContext& context);
bool compactAndRefill(table::ProgramState& state, seam::Frontend& frontend, ActionContext& context);
/// Gathers every tableau card, pile by pile from the bottom up, shuffles
/// them when the game says so (parameter 389) and deals them face up again,
/// parameter 388 cards to a pile from the first tableau on (the last pile
/// takes what is left over). Counts a pass.
bool redealTableaus(table::ProgramState& state, seam::Frontend& frontend, ActionContext& context);
bool removeSelection(table::ProgramState& state, seam::Frontend& frontend, ActionContext& context);
/// The Clock's one move (clock_rules.h): the next card turns face up and goes
/// under the pile of its rank; the game is won or lost when the sequence ends.
bool turnClockCard(table::ProgramState& state, seam::Frontend& frontend, ActionContext& context);

/// The executor without the entry check of the card census; nested actions
/// (the discard after a grid jump, the one-time refill) come through here.
bool executeAction(table::ProgramState& state, seam::Frontend& frontend, int card,
                   MoveAction action, bool nested);

} // namespace vellomir::engine::detail
