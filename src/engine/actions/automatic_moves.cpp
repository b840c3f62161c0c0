#include "engine/actions/automatic_moves.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/action_support.h"
#include "engine/actions/end_of_game.h"
#include "engine/actions/face_up.h"
#include "engine/actions/move_execution.h"
#include "engine/actions/opening_move.h"
#include "engine/actions/send_rules.h"
#include "engine/records/undo_snapshots.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/pile_location.h"
#include "settings/preference_table.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/peak_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <optional>

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::FanStyle;
using catalogue::FillStyle;

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;
using table::CardPoint;
using table::Flag;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

namespace {

using detail::cardsAnimate;

// A sweep or a filling stops after this many passes even if something keeps
// moving: every real pass sends a card to a foundation, so no game comes near it.
constexpr int kMaxPasses = 2000;

} // namespace

bool autoplayActive(const ProgramState& state) {
    return state.autoplayTicked && state.params[param::AutoplayAvailable] != 0;
}

bool autoplaySweep(ProgramState& state, seam::Frontend& frontend) {
    if (!autoplayActive(state) || !state.flags.test(Flag::GameInPlay)) {
        return false;
    }
    table::EngineFlags& flags = state.flags;
    flags.clear(Flag::StopAutoplay);
    const SendRequest toFoundations{true, true, false, false, true};
    const table::PileCounts counts = table::PileCounts::of(state.params);
    const bool mayTurn = state.settings.read(settings::field::AutomaticFaceUp) != "N" &&
                         state.params[param::AutomaticFaceUp] == 1;
    bool anything = false;
    bool stopped = false;
    for (int pass = 0; pass < kMaxPasses && !stopped; ++pass) {
        bool sentInPass = false;
        for (bool again = true; again && !stopped;) {
            again = false;
            for (int r = 0; r < counts.reserves && !stopped; ++r) {
                const int top = table::topCardOf(state.piles.reserve(r));
                if (top >= 1 && sendCard(state, frontend, top, toFoundations)) {
                    again = sentInPass = true;
                }
                stopped = flags.test(Flag::StopAutoplay);
            }
        }
        if (!stopped && state.params[param::WasteCardLocked] == 0) {
            const int top = table::topCardOf(state.piles.stock(table::kWaste));
            if (top >= 1 && sendCard(state, frontend, top, toFoundations)) {
                sentInPass = true;
            }
            stopped = flags.test(Flag::StopAutoplay);
        }
        for (int t = 0; t < counts.tableaus && !stopped; ++t) {
            int top = table::topCardOf(state.piles.tableau(t));
            if (top < 1 || table::peakCovered(state, t)) {
                continue;
            }
            if (!state.cards.isFaceUp(top) && mayTurn) {
                turnFaceUp(state, frontend, top, t);
                dropNewestSnapshots(state, 1);
            }
            const bool sent = sendCard(state, frontend, top, toFoundations);
            sentInPass = sentInPass || sent;
            stopped = flags.test(Flag::StopAutoplay);
            if (sent && counts.reserves > 0) {
                break;
            }
        }
        anything = anything || sentInPass;
        if (!sentInPass) {
            break;
        }
    }
    if (flags.test(Flag::Won)) {
        endOfGame(state, frontend);
    }
    flags.clear(Flag::StopAutoplay);
    return anything;
}

namespace {

// The tableaus FromWasteToCornerTableaus fills: the ends of four rows of seven.
constexpr int kCornerRows = 4;
constexpr int kCornerRowLength = 7;

std::optional<PileRef> nonEmpty(const ProgramState& state, PileRef pile) {
    if (state.piles.pile(pile).empty()) {
        return std::nullopt;
    }
    return pile;
}

// The pile the next filling card comes from, by filling style.
std::optional<PileRef> fillingSource(const ProgramState& state, int style) {
    const PileRef stock{PileKind::Stock, table::kStock};
    const PileRef waste{PileKind::Stock, table::kWaste};
    switch (style) {
    case 1:
        return nonEmpty(state, {PileKind::Reserve, 0});
    case 2:
    case 4:
    case 8:
    case 10:
        return nonEmpty(state, waste) ? waste : nonEmpty(state, stock);
    case 3:
        return nonEmpty(state, stock) ? stock : nonEmpty(state, waste);
    case 5:
    case 6:
        return nonEmpty(state, waste);
    case 7:
    case 9:
    case 11:
        return nonEmpty(state, stock);
    default:
        return std::nullopt;
    }
}

bool tableauFilled(int style, int index, int locked) {
    switch (style) {
    case codeOf(FillStyle::FromWasteOrStock):
    case codeOf(FillStyle::FromWasteOrStockUnmarked):
    case codeOf(FillStyle::FromWasteOrStockWithReserves):
    case codeOf(FillStyle::FromWasteOrStockReservesEmpty):
        return index >= locked;
    case codeOf(FillStyle::FromWasteToCornerTableaus):
        // The first and last places of the four rows of seven.
        return index < kCornerRows * kCornerRowLength &&
               (index % kCornerRowLength == 0 || index % kCornerRowLength == kCornerRowLength - 1);
    case codeOf(FillStyle::FromStockFromTableau11):
        return index >= 10;
    case codeOf(FillStyle::ReservesFromStock):
        return false;
    default:
        return true;
    }
}

// One card from the style's source onto an empty pile, joined to the undo
// step of the action that emptied it.
bool fillOne(ProgramState& state, seam::Frontend& frontend, int style, PileRef target) {
    const std::optional<PileRef> source = fillingSource(state, style);
    if (!source) {
        return false;
    }
    const int card = table::topCardOf(state.piles.pile(*source));
    state.carryGroup(state.cardSize.height, table::CarriedCards::OneCard);
    frontend.tableDrawing().drawTableWithout({card});
    if (cardsAnimate(state)) {
        const CardPoint from = table::topCardPosition(state, *source);
        const CardPoint to = table::nextCardPosition(state, target);
        frontend.tableDrawing().flyCard(card, from.x, from.y, to.x, to.y, {});
    }
    if (!executeMove(state, frontend, card, *moveOnto(target))) {
        return false;
    }
    if (source->kind == PileKind::Stock) {
        frontend.tableDrawing().drawPileTop(table::pileName(*source));
    } else {
        frontend.tableDrawing().drawPile(table::pileName(*source));
    }
    dropNewestSnapshots(state, 1);
    return true;
}

} // namespace

bool fillEmptyPiles(ProgramState& state, seam::Frontend& frontend) {
    const catalogue::GameParameters& p = state.params;
    const int style = p[param::FillStyle];
    if (style <= 0 || style > codeOf(FillStyle::ReservesFromStock)) {
        return false;
    }
    if (openingMoveDue(state)) {
        return false;
    }
    const table::PileCounts counts = table::PileCounts::of(p);
    const bool stockOrWaste =
        !state.piles.stock(table::kStock).empty() || !state.piles.stock(table::kWaste).empty();
    if (style == codeOf(FillStyle::FromFirstReserve) && state.piles.reserve(0).empty()) {
        return false;
    }
    if ((style == codeOf(FillStyle::FromWasteOrStock) ||
         style == codeOf(FillStyle::FromStockOrWaste) ||
         style == codeOf(FillStyle::FromWasteOrStockWithReserves) ||
         style == codeOf(FillStyle::FourFromStock) ||
         style == codeOf(FillStyle::FromWasteOrStockReservesEmpty)) &&
        !stockOrWaste) {
        return false;
    }
    if (style == codeOf(FillStyle::FromWasteOrStockReservesEmpty)) {
        for (int r = 0; r < counts.reserves; ++r) {
            if (!state.piles.reserve(r).empty()) {
                return false;
            }
        }
    }
    if (style == codeOf(FillStyle::FromWasteOrStockUnmarked) &&
        historyCount(state, UndoSide::Undo, 1) > 0) {
        return false;
    }
    const int locked = std::max(0, p[param::LockedTableauRows] * p[param::LockedTableauRowLength]);
    const int cardsEach = style == codeOf(FillStyle::ThreeFromWaste)  ? 3
                          : style == codeOf(FillStyle::FourFromStock) ? 4
                                                                      : 1;
    bool filled = false;
    for (int t = 0; t < counts.tableaus; ++t) {
        if (!state.piles.tableau(t).empty() || !tableauFilled(style, t, locked)) {
            continue;
        }
        for (int n = 0; n < cardsEach; ++n) {
            if (!fillOne(state, frontend, style, {PileKind::Tableau, t})) {
                break;
            }
            filled = true;
        }
    }
    if (style == codeOf(FillStyle::FromWasteOrStockWithReserves) ||
        style == codeOf(FillStyle::ReservesFromStock)) {
        for (int r = locked; r < counts.reserves; ++r) {
            if (state.piles.reserve(r).empty() &&
                fillOne(state, frontend, style, {PileKind::Reserve, r})) {
                filled = true;
            }
        }
    }
    return filled;
}

void runAutomaticSteps(ProgramState& state, seam::Frontend& frontend) {
    // The fills are the game's own rules and run whatever the Autoplay
    // tick; the tick only decides whether cards go up to the foundations.
    for (int pass = 0; pass < kMaxPasses && state.flags.test(Flag::GameInPlay); ++pass) {
        fillEmptyPiles(state, frontend);
        if (!autoplayActive(state) || !autoplaySweep(state, frontend)) {
            break;
        }
    }
}

void toggleAutoplay(ProgramState& state, seam::Frontend& frontend, const GameAutoplayKeeper& keep) {
    state.autoplayTicked = !state.autoplayTicked;
    frontend.setAutoplayChecked(state.autoplayTicked);
    if (!state.autoplayTicked && state.flags.test(Flag::GameInPlay)) {
        fillEmptyPiles(state, frontend);
    }
    if (keep && state.params[param::AutoplayAvailable] != 0 &&
        state.mainGame.cell(table::cell::AutoplayAllGames) == table::kAutoplayChoicePerGame) {
        const settings::WriteResult result =
            keep(state.settings.readInt(settings::field::Game, -1), state.autoplayTicked);
        if (!result.ok) {
            frontend.showInformation(result.message);
        }
    }
}

} // namespace vellomir::engine
