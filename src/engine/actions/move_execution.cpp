#include "engine/actions/move_execution.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/action_support.h"
#include "engine/actions/face_up.h"
#include "engine/actions/opening_move.h"
#include "engine/actions/score.h"
#include "engine/records/card_census.h"
#include "engine/rules/card_move.h"
#include "engine/rules/card_runs.h"
#include "engine/rules/grid_moves.h"
#include "engine/rules/suit_run_foundation.h"
#include "engine/rules/tableau_draw.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/card_removal.h"
#include "table/gap_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/reserve_faces.h"
#include "table/tableau_line.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::FanStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;
using table::Flag;
using table::PileKind;
using table::PileRef;
using table::ProgramState;
using table::cell::MovePhase;

namespace detail {

void playSwitched(const ProgramState& state, seam::Frontend& frontend, std::string_view name,
                  settings::SettingsField soundSwitch, seam::SoundMode mode) {
    frontend.playSound(name, state.settings.isYes(soundSwitch), mode);
}

bool cardsAnimate(const ProgramState& state) {
    return state.settings.read(settings::field::CardsAnimate) != "N";
}

void refreshClock(ProgramState& state, seam::Frontend& frontend) {
    if (state.hooks.refreshClock) {
        state.hooks.refreshClock(state, frontend);
    }
}

void fly(seam::Frontend& frontend, int card, table::CardPoint from, table::CardPoint to) {
    frontend.tableDrawing().flyCard(card, from.x, from.y, to.x, to.y, {});
}

std::string nameOf(PileRef pile) {
    return table::pileName(pile);
}

void drawWholeTable(ProgramState& state, seam::Frontend& frontend, bool dealAnimation) {
    state.mainGame.scrollToTop();
    frontend.tableDrawing().drawTable(dealAnimation);
}

void drawChangedPile(seam::Frontend& frontend, PileRef pile) {
    if (pile.kind == PileKind::Stock) {
        frontend.tableDrawing().drawPileTop(nameOf(pile));
    } else {
        frontend.tableDrawing().drawPile(nameOf(pile));
    }
}

void placeCard(ProgramState& state, PileRef pile, int card, char faceFlag, ActionContext& context) {
    state.piles.appendCard(state.cards, pile, card, faceFlag);
    context.lastCardTop = table::topCardPosition(state, pile).y;
}

int takeStockTop(ProgramState& state) {
    std::string& stock = state.piles.stock(table::kStock);
    if (stock.size() < 3) {
        return 0;
    }
    const int top = table::topCardOf(stock);
    stock.resize(stock.size() - 3);
    return top;
}

bool stockEmpty(const ProgramState& state) {
    return state.piles.stock(table::kStock).empty();
}

} // namespace detail

namespace {

using namespace detail;

// Redraws the pile a card (or run) left.
void redrawSource(seam::Frontend& frontend, std::optional<PileRef> source,
                  const std::string& before, const std::string& after) {
    if (!source) {
        return;
    }
    if (source->kind == PileKind::Stock) {
        frontend.tableDrawing().drawPileTop(nameOf(*source));
    } else {
        frontend.tableDrawing().redrawShrunkPile(before, after, nameOf(*source));
    }
}

// A card taken with removeAnywhere (cut) and placed face up on `target`:
// the common body of the moves to a foundation, a reserve, the waste and
// the discard pile. Answers where it came from.
table::Removal moveOneCard(ProgramState& state, seam::Frontend& frontend, int card, PileRef target,
                           ActionContext& context) {
    const std::optional<PileRef> source = pileAtLocation(locatePile(state, card));
    const std::string before = source ? state.piles.pile(*source) : std::string();
    const table::Removal removal = table::removeAnywhere(state, card, table::RemovalKind::Cut);
    placeCard(state, target, card, '1', context);
    if (removal.source == table::RemovalSource::Tableau) {
        state.cardLeftTableau = true;
    }
    if (removal.pile) {
        redrawSource(frontend, removal.pile, before, state.piles.pile(*removal.pile));
    }
    return removal;
}

// A complete run of one suit lifted from its tableau onto a foundation.
void moveSuitRun(ProgramState& state, seam::Frontend& frontend, int card, PileRef target,
                 ActionContext& context) {
    const std::optional<PileRef> source = pileAtLocation(locatePile(state, card));
    const std::string before = source ? state.piles.pile(*source) : std::string();
    for (int moved : extractRun(state, card, true)) {
        placeCard(state, target, moved, '1', context);
    }
    state.cardLeftTableau = true;
    if (source) {
        redrawSource(frontend, source, before, state.piles.pile(*source));
    }
}

bool moveToTableau(ProgramState& state, seam::Frontend& frontend, int card, int d,
                   ActionContext& context) {
    const PileRef target{PileKind::Tableau, d};
    takeUndoSnapshot(state);
    countDrawIfTaken(state, card);
    const int source = locatePile(state, card);
    const std::optional<PileRef> sourcePile = pileAtLocation(source);
    const std::string before = sourcePile ? state.piles.pile(*sourcePile) : std::string();

    std::vector<int> run;
    if (!state.isSingleCardMove()) {
        run = extractRun(state, card, true);
    }
    if (run.empty()) {
        const table::Removal removal = table::removeAnywhere(state, card, table::RemovalKind::Cut);
        placeCard(state, target, card, '1', context);
        if (removal.source == table::RemovalSource::Tableau) {
            state.cardLeftTableau = true;
        }
    } else {
        state.cardLeftTableau = true;
        for (int moved : run) {
            placeCard(state, target, moved, '1', context);
        }
    }
    if (sourcePile) {
        redrawSource(frontend, sourcePile, before, state.piles.pile(*sourcePile));
    }
    frontend.tableDrawing().drawPile(nameOf(target));
    playSwitched(state, frontend, "Tableau", settings::field::SoundsTableau);

    const catalogue::GameParameters& p = state.params;
    if (table::isTableauLine(p) && isTableauLocation(source)) {
        // The piles after the one that moved close up its place, in the same step.
        const int last = table::closeLineGap(state, source - 1);
        for (int t = source - 1; t <= last; ++t) {
            frontend.tableDrawing().drawPile(nameOf({PileKind::Tableau, t}));
        }
        state.flags.set(Flag::Won, winTest(state));
    }

    // A grid jump discards the card jumped over.
    if (p[param::TableauRule + d] == catalogue::codeOf(catalogue::BuildingRuleCode::JumpIntoGap) &&
        isTableauLocation(source)) {
        const std::optional<int> jumped = jumpedGridCell(p[param::GridWidth], source - 1, d);
        if (jumped && *jumped >= 0 && *jumped < table::kMaxTableaus &&
            !state.piles.tableau(*jumped).empty()) {
            const PileRef over{PileKind::Tableau, *jumped};
            const int bottom = table::cardAt(state.piles.tableau(*jumped), 0);
            fly(frontend, bottom, table::cardPosition(state, over, 0),
                table::nextCardPosition(state, {PileKind::Stock, table::kDiscard}));
            executeAction(state, frontend, bottom, {ActionKind::ToDiscard}, true);
            dropNewestSnapshots(state, 1);
        }
    }

    const GameType type = gameTypeOf(p);
    if (type == GameType::NineDownToOne || type == GameType::NinetyOne) {
        updateScore(state, frontend);
        state.flags.set(Flag::Won, winTest(state));
    }
    if (type == GameType::FoursOnEachTableau) {
        // A card that is not the tableau's base rank may only swap places
        // with a lone card: the card it landed on flies back to the source.
        const std::string& pile = state.piles.tableau(d);
        if (table::cardCount(pile) == 2 &&
            table::rankOf(table::cardAt(pile, 0)) != p[param::TableauEmptyCode + d] &&
            isTableauLocation(source) && source - 1 != d) {
            const PileRef back{PileKind::Tableau, source - 1};
            const int bottom = table::cardAt(pile, 0);
            frontend.pause(100);
            fly(frontend, bottom, table::cardPosition(state, target, 0),
                table::nextCardPosition(state, back));
            state.piles.tableau(d).erase(0, 3);
            // Appended, not put in place of the source's content: a legal
            // swap leaves the source empty, and nothing else may be lost.
            state.piles.appendCard(state.cards, back, bottom, std::nullopt);
            frontend.tableDrawing().drawPile(nameOf(target));
            frontend.tableDrawing().drawPile(nameOf(back));
        }
        updateScore(state, frontend);
        state.flags.set(Flag::Won, winTest(state));
    }
    return true;
}

// A card of the gap rows moves alone into the gap of `row` that takes it,
// leaving a gap where it was.
bool moveIntoGap(ProgramState& state, seam::Frontend& frontend, int card, int row,
                 ActionContext& context) {
    const int source = locatePile(state, card);
    const std::optional<int> slot = table::gapSlotFor(state, card, row);
    if (!isTableauLocation(source) || !slot) {
        return false;
    }
    const PileRef from{PileKind::Tableau, source - 1};
    const PileRef target{PileKind::Tableau, row};
    takeUndoSnapshot(state);
    table::removeFromPile(state.piles, from, card, table::RemovalKind::LeaveGap);
    state.piles.tableau(row).replace(static_cast<std::size_t>(*slot) * 3, 3, table::cardText(card));
    state.cards.setFaceUp(card, true);
    context.lastCardTop = table::cardPosition(state, target, *slot).y;
    frontend.tableDrawing().drawPile(nameOf(from));
    if (row != from.index) {
        frontend.tableDrawing().drawPile(nameOf(target));
    }
    playSwitched(state, frontend, "Tableau", settings::field::SoundsTableau);
    state.flags.set(Flag::Won, winTest(state));
    return true;
}

bool moveToFoundation(ProgramState& state, seam::Frontend& frontend, int card, int f,
                      bool automatic, ActionContext& context) {
    const PileRef target{PileKind::Foundation, f};
    takeUndoSnapshot(state);
    countDrawIfTaken(state, card);
    if (!state.isSingleCardMove() && foundationTakesSuitRun(state, f, card)) {
        moveSuitRun(state, frontend, card, target, context);
    } else {
        moveOneCard(state, frontend, card, target, context);
    }
    if (state.params[param::FoundationFanStyle] == codeOf(FanStyle::DownFirstStep)) {
        frontend.tableDrawing().drawPile(nameOf(target));
    } else {
        frontend.tableDrawing().drawPileTop(nameOf(target));
    }
    state.flags.set(Flag::Won, winTest(state));
    if (automatic) {
        playSwitched(state, frontend, "Autoplay", settings::field::SoundsAutoplay);
    } else {
        playSwitched(state, frontend, "Foundation", settings::field::SoundsFoundation);
    }
    if (state.mainGame.cell(table::cell::HighlightFoundationsMark) != 0) {
        frontend.tableDrawing().highlightFoundations(f);
    }
    return true;
}

bool moveToReserve(ProgramState& state, seam::Frontend& frontend, int card, int r,
                   ActionContext& context) {
    const PileRef target{PileKind::Reserve, r};
    takeUndoSnapshot(state);
    moveOneCard(state, frontend, card, target, context);
    frontend.tableDrawing().drawPile(nameOf(target));
    playSwitched(state, frontend, "Tableau", settings::field::SoundsTableau);
    return true;
}

bool moveToWaste(ProgramState& state, seam::Frontend& frontend, int card, ActionContext& context) {
    const PileRef target{PileKind::Stock, table::kWaste};
    takeUndoSnapshot(state);
    moveOneCard(state, frontend, card, target, context);
    frontend.tableDrawing().drawPileTop(nameOf(target));
    state.flags.set(Flag::Won, winTest(state));
    playSwitched(state, frontend, "Tableau", settings::field::SoundsTableau);
    return true;
}

bool moveToDiscard(ProgramState& state, seam::Frontend& frontend, int card,
                   ActionContext& context) {
    const PileRef target{PileKind::Stock, table::kDiscard};
    takeUndoSnapshot(state);
    moveOneCard(state, frontend, card, target, context);
    frontend.tableDrawing().drawPileTop(nameOf(target));
    state.flags.set(Flag::Won, winTest(state));
    if (gameTypeOf(state.params) == GameType::BlackHole) {
        playSwitched(state, frontend, "Eddy", settings::field::SoundsFoundation);
    }
    return true;
}

// The actions whose card argument means nothing: deals, refills, removals.
bool ignoresCard(ActionKind kind) {
    switch (kind) {
    case ActionKind::DealTableaus:
    case ActionKind::DealLastToTableaus:
    case ActionKind::FillTableaus:
    case ActionKind::DealReserves:
    case ActionKind::DealTableau:
    case ActionKind::DealReserve:
    case ActionKind::RemoveSelection:
    case ActionKind::FillEmptyTableaus:
    case ActionKind::CompactAndRefill:
    case ActionKind::RedealTableaus:
    case ActionKind::TurnClockCard:
        return true;
    default:
        return false;
    }
}

bool isFoundationMove(ActionKind kind) {
    return kind == ActionKind::ToFoundation || kind == ActionKind::ToFoundationByAutoplay;
}

// A reserve dealt with its top card face up above face-down cards shows its
// next card when the top one leaves: without it the rest of the reserve
// could never be played. A reserve dealt all face down to show only its
// last card turns that card once it is the only one left. The card turns as
// part of the action that uncovered it, inside that action's undo step.
void turnUncoveredReserveCards(ProgramState& state, seam::Frontend& frontend) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    for (int r = 0; r < counts.reserves; ++r) {
        const std::string& pile = state.piles.reserve(r);
        const int top = table::topCardOf(pile);
        const int mode = state.params[param::ReserveStartFace + r];
        const bool turns =
            mode >= 1 || (mode == table::kReserveLastCardUp && table::cardCount(pile) == 1);
        if (top < 1 || state.cards.isFaceUp(top) || !turns) {
            continue;
        }
        state.cards.setFaceFlag(top, '1');
        frontend.tableDrawing().drawPile(nameOf({PileKind::Reserve, r}));
        playSwitched(state, frontend, "Face_up", settings::field::SoundsFaceUp);
    }
}

bool autoplayOn(const ProgramState& state) {
    return state.autoplayTicked && state.params[param::AutoplayAvailable] != 0;
}

bool dispatch(ProgramState& state, seam::Frontend& frontend, int card, MoveAction action,
              ActionContext& context) {
    const int target = action.target;
    switch (action.kind) {
    case ActionKind::ToTableau:
        return moveToTableau(state, frontend, card, target, context);
    case ActionKind::ToFoundation:
        return moveToFoundation(state, frontend, card, target, false, context);
    case ActionKind::ToFoundationByAutoplay:
        return moveToFoundation(state, frontend, card, target, true, context);
    case ActionKind::ToReserve:
        return moveToReserve(state, frontend, card, target, context);
    case ActionKind::ToWaste:
        return moveToWaste(state, frontend, card, context);
    case ActionKind::ToDiscard:
        return moveToDiscard(state, frontend, card, context);
    case ActionKind::StockToWaste:
    case ActionKind::StockRedeal:
    case ActionKind::StockToDiscard:
        return executeStockAction(state, frontend, action.kind, context);
    case ActionKind::DealTableaus:
    case ActionKind::DealLastToTableaus:
    case ActionKind::FillTableaus:
    case ActionKind::DealReserves:
    case ActionKind::DealTableau:
    case ActionKind::DealReserve:
        return dealAction(state, frontend, action, context);
    case ActionKind::RemoveSelection:
        return removeSelection(state, frontend, context);
    case ActionKind::FillEmptyTableaus:
        return fillEmptyTableausFromStock(state, frontend, context);
    case ActionKind::CompactAndRefill:
        return compactAndRefill(state, frontend, context);
    case ActionKind::RedealTableaus:
        return redealTableaus(state, frontend, context);
    case ActionKind::TurnClockCard:
        return turnClockCard(state, frontend, context);
    case ActionKind::ToGap:
        return moveIntoGap(state, frontend, card, target, context);
    }
    return false;
}

// Sends the complete run of one suit on top of tableau `t` to the first
// foundation that takes it; whether one went up.
bool sendCompleteSuitRun(ProgramState& state, seam::Frontend& frontend, int t) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    const std::string& pile = state.piles.tableau(t);
    const int n = table::cardCount(pile);
    if (n < kSuitRunLength) {
        return false;
    }
    const int king = table::cardAt(pile, n - kSuitRunLength);
    for (int f = 0; f < counts.foundations; ++f) {
        if (!foundationTakesSuitRun(state, f, king)) {
            continue;
        }
        const table::CarriedCards carried = state.carried;
        state.carryGroup(state.groupHeight, table::CarriedCards::Run);
        const bool sent =
            executeAction(state, frontend, king, {ActionKind::ToFoundationByAutoplay, f}, true);
        state.carryGroup(state.groupHeight, carried);
        if (sent) {
            dropNewestSnapshots(state, 1);
        }
        return sent;
    }
    return false;
}

// Spider and its kin: a complete run of one suit on top of a tableau goes
// to the first foundation that takes it by itself, as part of the action
// that completed it (one undo takes both back). Where runs move whatever
// lies on them (Scorpion, Wasp), a complete run may lie under the one that
// went up: it follows.
void sendCompleteSuitRuns(ProgramState& state, seam::Frontend& frontend) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    for (int t = 0; t < counts.tableaus; ++t) {
        while (sendCompleteSuitRun(state, frontend, t)) {
        }
    }
}

} // namespace

bool detail::executeAction(ProgramState& state, seam::Frontend& frontend, int card,
                           MoveAction action, bool nested) {
    table::TMainGame& game = state.mainGame;
    const catalogue::GameParameters& p = state.params;
    if (!nested) {
        state.cardLeftTableau = false;
    }
    // Games that must open from the tableau refuse any other first action.
    if (openingMoveDue(state)) {
        const int from = ignoresCard(action.kind) ? location::Nowhere : locatePile(state, card);
        if (!allowedAsOpening(state, from, isFoundationMove(action.kind))) {
            return false;
        }
    }
    const bool spentAtEntry = stockAndWasteSpent(state);
    ActionContext context;
    const bool executed = dispatch(state, frontend, card, action, context);
    if (executed) {
        turnUncoveredReserveCards(state, frontend);
        if (!nested && state.params[param::FoundationTakesSuitRun] != 0) {
            sendCompleteSuitRuns(state, frontend);
        }
    }

    if (!spentAtEntry && stockAndWasteSpent(state)) {
        frontend.tableDrawing().drawPileTop("Mazzo");
    }
    if (executed && gameTypeOf(p) != GameType::Unscored) {
        updateScore(state, frontend);
    }
    if (state.cardLeftTableau && !autoplayOn(state)) {
        // The uncovered cards turn as part of the action: one undo step.
        const int turned = automaticFaceUp(state, frontend);
        if (turned > 0 && executed) {
            dropNewestSnapshots(state, turned);
        }
    }
    if (executed) {
        clearRedo(state);
        if (game.cell(MovePhase) <= 1) {
            game.setCell(MovePhase, game.cell(MovePhase) + 1);
        }
        // Some games fill their empty tableaus once, after the first action.
        if (p[param::FillTableausAfterFirstMove] == 1 && game.cell(MovePhase) == 1) {
            game.setCell(MovePhase, 2);
            executeAction(state, frontend, 0, {ActionKind::FillTableaus}, true);
        }
    }
    const int edge = context.lastCardTop + state.groupHeight + game.scrollOffset();
    game.setCell(
        table::cell::LowestCardEdge,
        std::clamp(std::max<int>(game.cell(table::cell::LowestCardEdge), edge), -32768, 32767));
    const GameType type = gameTypeOf(p);
    if (type == GameType::AcesUp || type == GameType::PutInOrder ||
        type == GameType::DiscardScore) {
        state.flags.set(Flag::Won, winTest(state));
    }
    // A game played for points ends as won as soon as its score reaches the
    // target, whatever action brought it there.
    if (const int target = p[param::TargetScore];
        executed && target != 0 && state.settings.readInt(settings::field::Score, 0) >= target) {
        state.flags.set(Flag::Won);
    }
    return executed;
}

bool executeMove(ProgramState& state, seam::Frontend& frontend, int card, MoveAction action) {
#ifndef NDEBUG
    const CardCensus before = takeCardCensus(state);
#endif
    const bool executed = detail::executeAction(state, frontend, card, action, false);
#ifndef NDEBUG
    // Every action must leave each dealt card on the table exactly once.
    const std::string fault = cardsOnTableOnce(state, before);
    if (!fault.empty()) {
        std::fprintf(stderr, "vellomir: after the action %s on card %d: %s\n",
                     moveActionText(action).c_str(), card, fault.c_str());
        std::abort();
    }
#endif
    return executed;
}

void appendToPile(ProgramState& state, std::string_view pileName, int card,
                  std::optional<char> faceFlag) {
    if (const auto pile = table::parsePileName(pileName)) {
        state.piles.appendCard(state.cards, *pile, card, faceFlag);
    } else if (card != 0 && faceFlag) {
        state.cards.setFaceFlag(card, *faceFlag);
    }
}

bool stockAndWasteSpent(const ProgramState& state) {
    return state.piles.stock(table::kStock).empty() &&
           table::cardCount(state.piles.stock(table::kWaste)) <= 1;
}

bool returnPickedCards(ProgramState& state, seam::Frontend& frontend, int firstCard, int dropX,
                       int dropY) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    std::vector<PileRef> order{{PileKind::Stock, table::kWaste}};
    for (int t = 0; t < counts.tableaus; ++t) {
        order.push_back({PileKind::Tableau, t});
    }
    for (int f = 0; f < table::kMaxFoundations; ++f) {
        order.push_back({PileKind::Foundation, f});
    }
    for (int r = 0; r < table::kMaxReserves; ++r) {
        order.push_back({PileKind::Reserve, r});
    }
    for (PileRef pile : order) {
        const int slot = positionInPile(state.piles.pile(pile), firstCard);
        if (slot < 0) {
            continue;
        }
        if (cardsAnimate(state)) {
            const table::CardPoint home = table::cardPosition(state, pile, slot);
            frontend.tableDrawing().flyCard(firstCard, dropX, dropY, home.x, home.y,
                                            {.pickUp = false});
        }
        drawChangedPile(frontend, pile);
        if (pile.kind == PileKind::Foundation &&
            state.mainGame.cell(table::cell::HighlightFoundationsMark) != 0) {
            frontend.tableDrawing().highlightFoundations(pile.index);
        }
        // The cards are heard landing only where they were seen lifted: with shadows on.
        if (state.settings.read(settings::field::CardsShadowed) != "N") {
            playSwitched(state, frontend, "card_down", settings::field::SoundsCardDown);
        }
        return true;
    }
    return false;
}

} // namespace vellomir::engine
