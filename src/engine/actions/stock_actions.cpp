#include "engine/actions/stock_actions.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/action_support.h"
#include "engine/actions/score.h"
#include "engine/records/undo_snapshots.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <optional>
#include <string>

namespace vellomir::engine::detail {

using catalogue::DealType;
using catalogue::FanStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;
using table::Flag;
using table::PileKind;
using table::PileRef;
using table::ProgramState;
using table::cell::PassNumber;
using table::cell::StockPressed;

const PileRef kStockPile{PileKind::Stock, table::kStock};
const PileRef kWastePile{PileKind::Stock, table::kWaste};
const PileRef kDiscardPile{PileKind::Stock, table::kDiscard};

int passNumber(const ProgramState& state) {
    return state.mainGame.cell(PassNumber);
}

void countPass(ProgramState& state) {
    state.mainGame.setCell(PassNumber, passNumber(state) + 1);
}

bool passesRemain(const ProgramState& state) {
    const int allowed = state.params[param::StockPasses];
    return allowed == -1 || passNumber(state) < allowed;
}

bool stockPressed(const ProgramState& state) {
    return state.mainGame.cell(StockPressed) == 1;
}

// The empty stock (or the empty waste) shows pressed while the player
// holds the button on it; the release runs the stock action again.
void pressStock(ProgramState& state, seam::Frontend& frontend) {
    const catalogue::GameParameters& p = state.params;
    if (p[param::EmptyStockIsRedeal] == 1 && stockEmpty(state)) {
        frontend.tableDrawing().drawPilePressed("Mazzo", true);
        state.mainGame.setCell(StockPressed, 1);
    } else if (p[param::EmptyWasteIsRedeal] == 1 && state.piles.stock(table::kWaste).empty()) {
        frontend.tableDrawing().drawPilePressed("Mazzo_Vis", true);
        state.mainGame.setCell(StockPressed, 1);
    }
}

// Turns the waste over onto the stock: top card first, so the stock holds
// the waste in reverse order and deals it again in the same order.
void turnWasteOver(ProgramState& state, seam::Frontend& frontend) {
    const catalogue::GameParameters& p = state.params;
    countPass(state);
    takeUndoSnapshot(state);
    state.piles.stock(table::kStock).clear();
    const char face = p[param::StockFaceDown] != 0 ? '0' : '1';
    const bool animate = state.settings.read(settings::field::RedealAnimation) != "N";
    if (animate) {
        playSwitched(state, frontend, "Redeal", settings::field::SoundsRedeal,
                     seam::SoundMode::Looped);
    } else {
        playSwitched(state, frontend, "Red_no_a", settings::field::SoundsRedealWithoutAnimation,
                     seam::SoundMode::Wait);
    }
    std::string& waste = state.piles.stock(table::kWaste);
    while (waste.size() >= 3) {
        const int card = table::topCardOf(waste);
        const table::CardPoint from = table::topCardPosition(state, kWastePile);
        waste.resize(waste.size() - 3);
        if (animate) {
            frontend.tableDrawing().drawPileTop("Mazzo");
            frontend.tableDrawing().drawPileTop("Mazzo_Vis");
            fly(frontend, p[param::StockFaceDown] == 1 ? -1 : card, from,
                table::pilePosition(state, kStockPile));
        }
        state.piles.appendCard(state.cards, kStockPile, card, face);
    }
    if (animate) {
        frontend.tableDrawing().drawPileTop("Mazzo_Vis");
        frontend.pause(100);
        frontend.stopSound();
    }
    frontend.tableDrawing().drawPileTop("Mazzo");
    // In the pyramid the stock's card may be selected: a card turned back
    // into the stock leaves the selection.
    std::string& selection = state.piles.foundation(0);
    if (gameTypeOf(p) == GameType::Pyramid && !selection.empty()) {
        const std::string& stock = state.piles.stock(table::kStock);
        const int bottom = table::cardAt(stock, 0);
        if (bottom == table::cardAt(selection, 0)) {
            selection.erase(0, 3);
        } else if (table::cardCount(selection) >= 2 && bottom == table::cardAt(selection, 1)) {
            selection.erase(3, 3);
        }
    }
}

// Deals up to parameter 21 cards from the stock to the waste (or, for the
// other stock names, to the discard pile).
bool dealFromStock(ProgramState& state, seam::Frontend& frontend, ActionKind kind,
                   bool snapshotTaken, ActionContext& context) {
    const PileRef target = kind == ActionKind::StockToWaste ? kWastePile : kDiscardPile;
    bool dealt = false;
    const int perClick = state.params[param::CardsPerStockClick];
    for (int i = 0; i < perClick && !stockEmpty(state); ++i) {
        if (!snapshotTaken) {
            takeUndoSnapshot(state);
            snapshotTaken = true;
        }
        const table::CardPoint from = table::topCardPosition(state, kStockPile);
        const int card = takeStockTop(state);
        placeCard(state, target, card, '1', context);
        frontend.tableDrawing().drawPileTop("Mazzo");
        if (cardsAnimate(state)) {
            frontend.pause(10);
            fly(frontend, card, from, table::topCardPosition(state, target));
        }
        frontend.tableDrawing().drawPileTop(nameOf(target));
        playSwitched(state, frontend, "Stock", settings::field::SoundsStock);
        state.flags.set(Flag::Won, winTest(state));
        dealt = true;
    }
    return dealt;
}

// The pile range and deal type of one deal action.
struct DealPlan {
    PileKind kind = PileKind::Tableau;
    int first = 0;
    int last = -1; // inclusive, 0-based
    bool reserveAction = false;
};

std::optional<DealPlan> planDeal(const ProgramState& state, MoveAction action) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    switch (action.kind) {
    case ActionKind::DealTableaus:
    case ActionKind::FillTableaus:
    case ActionKind::DealLastToTableaus:
        return DealPlan{PileKind::Tableau, 0, counts.tableaus - 1, false};
    case ActionKind::DealReserves:
        return DealPlan{PileKind::Reserve, 0, counts.reserves - 1, true};
    case ActionKind::DealTableau:
        return DealPlan{PileKind::Tableau, action.target, action.target, false};
    case ActionKind::DealReserve:
        return DealPlan{PileKind::Reserve, action.target, action.target, true};
    default:
        return std::nullopt;
    }
}

int dealTypeOf(const ProgramState& state, ActionKind kind, const DealPlan& plan, int p) {
    if (kind == ActionKind::DealLastToTableaus) {
        return 1;
    }
    if (kind == ActionKind::FillTableaus) {
        return state.piles.tableau(p).empty() ? 1 : 0;
    }
    return plan.reserveAction ? state.params[param::ReserveLaterDeal + p]
                              : state.params[param::TableauLaterDeal + p];
}

// Hit or Miss, at the end of a pass: counts it when it brought no hit and
// answers whether it is the second such pass in a row.
bool secondPassWithoutHit(ProgramState& state) {
    table::EngineFlags& flags = state.flags;
    const int hits = table::cardCount(state.piles.foundation(0));
    int& before = flags.counter(table::EngineFlags::kHitsBeforePass);
    int& without = flags.counter(table::EngineFlags::kPassesWithoutHit);
    without = hits == before ? without + 1 : 0;
    before = hits;
    return without >= 2;
}

} // namespace

bool executeStockAction(ProgramState& state, seam::Frontend& frontend, ActionKind kind,
                        ActionContext& context) {
    const catalogue::GameParameters& p = state.params;
    const bool remain = passesRemain(state);
    bool passCounted = false;
    bool turnedOver = false;
    if (p[param::PassCountingStyle] > 0 && remain) {
        if (stockEmpty(state) || p[param::PassCountingStyle] == catalogue::kEveryPressCountsAPass) {
            if (stockPressed(state)) {
                takeUndoSnapshot(state);
                countPass(state);
                passCounted = true;
            } else {
                pressStock(state, frontend);
            }
        }
    } else if (kind == ActionKind::StockToWaste && stockEmpty(state) &&
               table::cardCount(state.piles.stock(table::kWaste)) > 1 && remain) {
        if (stockPressed(state) && gameTypeOf(p) == GameType::HitOrMiss &&
            secondPassWithoutHit(state)) {
            // Two whole passes brought no hit: the game is lost.
            state.gameLost = true;
        } else if (stockPressed(state)) {
            turnWasteOver(state, frontend);
            turnedOver = true;
        } else {
            pressStock(state, frontend);
        }
    }
    bool dealt = false;
    if (!stockEmpty(state) && !passCounted) {
        dealt = dealFromStock(state, frontend, kind, turnedOver, context);
        if (dealt && gameTypeOf(p) == GameType::HitOrMiss) {
            ++state.flags.dealCounter();
            markNewest(state, 2);
            // Only this card is called with the new rank.
            state.flags.counter(table::EngineFlags::kCalledCard) =
                table::topCardOf(state.piles.stock(table::kWaste));
        }
    }
    return passCounted || turnedOver || dealt;
}

bool dealAction(ProgramState& state, seam::Frontend& frontend, MoveAction action,
                ActionContext& context) {
    if (stockEmpty(state)) {
        return false;
    }
    const std::optional<DealPlan> plan = planDeal(state, action);
    if (!plan) {
        return false;
    }
    const catalogue::GameParameters& p = state.params;
    if (plan->reserveAction &&
        p[param::ReserveLaterDeal] == static_cast<int>(DealType::FaceDownReserve) &&
        passNumber(state) >= p[param::StockPasses]) {
        return false;
    }
    // Refilling after the first action shares that action's undo step.
    bool snapshotTaken = action.kind == ActionKind::FillTableaus;
    bool dealt = false;
    for (int pile = plan->first; pile <= plan->last; ++pile) {
        const int code = dealTypeOf(state, action.kind, *plan, pile);
        if (code < static_cast<int>(DealType::OneEach) ||
            code > static_cast<int>(DealType::FourEach)) {
            continue;
        }
        if (stockEmpty(state)) {
            break;
        }
        const auto type = static_cast<DealType>(code);
        if (type == DealType::WhileTableauHoldsCards && state.piles.tableau(pile).empty()) {
            continue;
        }
        if (!snapshotTaken) {
            takeUndoSnapshot(state);
            snapshotTaken = true;
        }
        const PileRef target{plan->kind, pile};
        const table::CardPoint from = table::topCardPosition(state, kStockPile);
        const int card = takeStockTop(state);
        if (catalogue::tableauFanStyleOf(p) == FanStyle::FreeForm) {
            state.piles.appendCard(state.cards, {PileKind::Tableau, 0}, 0, std::nullopt);
        }
        const bool faceDown =
            (plan->reserveAction && type == DealType::FaceDownReserve) ||
            (action.kind == ActionKind::DealTableaus && type == DealType::FaceDownTableau);
        placeCard(state, target, card, faceDown ? '0' : '1', context);
        frontend.tableDrawing().drawPileTop("Mazzo");
        fly(frontend, faceDown ? -1 : card, from, table::topCardPosition(state, target));
        frontend.tableDrawing().drawPile(nameOf(target));
        playSwitched(state, frontend, "Shuffle", settings::field::SoundsShuffle);
        dealt = true;
    }
    if (dealt) {
        state.flags.set(Flag::Won, winTest(state));
    }
    return dealt;
}

bool fillEmptyTableausFromStock(ProgramState& state, seam::Frontend& frontend,
                                ActionContext& context) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    bool filled = false;
    for (int t = 0; t < counts.tableaus; ++t) {
        if (state.piles.tableau(t).empty() && !stockEmpty(state)) {
            const PileRef target{PileKind::Tableau, t};
            const table::CardPoint from = table::topCardPosition(state, kStockPile);
            const int card = takeStockTop(state);
            placeCard(state, target, card, '1', context);
            frontend.tableDrawing().drawPileTop("Mazzo");
            fly(frontend, card, from, table::topCardPosition(state, target));
            frontend.tableDrawing().drawPile(nameOf(target));
            playSwitched(state, frontend, "Shuffle", settings::field::SoundsShuffle);
            filled = true;
        }
        refreshClock(state, frontend);
    }
    return filled;
}

bool compactAndRefill(ProgramState& state, seam::Frontend& frontend, ActionContext& context) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    table::PileLists& piles = state.piles;
    bool anyEmpty = false;
    bool gapBeforeCards = false;
    bool seenCards = false;
    for (int t = counts.tableaus - 1; t >= 0; --t) {
        if (piles.tableau(t).empty()) {
            anyEmpty = true;
            gapBeforeCards = gapBeforeCards || seenCards;
        } else {
            seenCards = true;
        }
    }
    if (!anyEmpty || (stockEmpty(state) && !gapBeforeCards)) {
        return false;
    }
    drawWholeTable(state, frontend);
    piles.foundation(0).clear();

    for (int t = 0; t < counts.tableaus; ++t) {
        if (!piles.tableau(t).empty()) {
            continue;
        }
        int next = t + 1;
        while (next < counts.tableaus && piles.tableau(next).empty()) {
            ++next;
        }
        if (next >= counts.tableaus) {
            break;
        }
        const PileRef from{PileKind::Tableau, next};
        const PileRef to{PileKind::Tableau, t};
        const table::CardPoint start = table::topCardPosition(state, from);
        const int card = table::topCardOf(piles.tableau(next));
        piles.tableau(t) = std::move(piles.tableau(next));
        piles.tableau(next).clear();
        frontend.tableDrawing().drawPile(nameOf(from));
        fly(frontend, card, start, table::topCardPosition(state, to));
        frontend.tableDrawing().drawPile(nameOf(to));
        context.lastCardTop = table::topCardPosition(state, to).y;
        playSwitched(state, frontend, "Shuffle", settings::field::SoundsTableau);
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        if (piles.tableau(t).empty() && !stockEmpty(state)) {
            const PileRef target{PileKind::Tableau, t};
            const table::CardPoint from = table::topCardPosition(state, kStockPile);
            const int card = takeStockTop(state);
            placeCard(state, target, card, '1', context);
            frontend.tableDrawing().drawPileTop("Mazzo");
            fly(frontend, card, from, table::topCardPosition(state, target));
            frontend.tableDrawing().drawPile(nameOf(target));
            playSwitched(state, frontend, "Shuffle", settings::field::SoundsShuffle);
        }
        refreshClock(state, frontend);
    }
    return true;
}

} // namespace vellomir::engine::detail
