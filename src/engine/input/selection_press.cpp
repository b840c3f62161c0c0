#include "engine/input/selection_press.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/end_of_game.h"
#include "engine/actions/face_up.h"
#include "engine/actions/move_execution.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/selection_rules.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;
using table::Flag;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

constexpr int kLeftButton = 0;

bool isOneOf(GameType family, std::initializer_list<GameType> families) {
    return std::ranges::find(families, family) != families.end();
}

std::string& selectionPile(ProgramState& state) {
    return state.piles.foundation(0);
}

bool isStock(const std::optional<PileRef>& pile, int entry) {
    return pile && pile->kind == PileKind::Stock && pile->index == entry;
}

// Empties the selection, taking each card's mark off.
void dropSelection(ProgramState& state, seam::Frontend& frontend) {
    for (int card : selectedCards(state)) {
        frontend.tableDrawing().toggleSelectionMark(card);
    }
    selectionPile(state).clear();
}

// Runs an action and then the end of the game when the action won it.
bool act(ProgramState& state, seam::Frontend& frontend, int card, MoveAction action) {
    const bool executed = executeMove(state, frontend, card, action);
    if (executed && state.flags.test(Flag::Won)) {
        endOfGame(state, frontend);
    }
    return executed;
}

// A complete selection leaves the table in one action; presses arriving
// meanwhile are dropped so that no second action starts inside it.
bool removeSelection(ProgramState& state, seam::Frontend& frontend, const SelectionRule& rule) {
    if (rule.leaving) {
        const std::vector<int> leaving = rule.leaving(state, selectedCards(state));
        for (int card : selectedCards(state)) {
            if (std::ranges::find(leaving, card) == leaving.end()) {
                frontend.tableDrawing().toggleSelectionMark(card);
                table::removeFromPile(selectionPile(state), card, table::RemovalKind::Cut);
            }
        }
    }
    frontend.setInputBlocked(true);
    bool executed = executeMove(state, frontend, 0, {ActionKind::RemoveSelection});
    // The family that refills its places at once deals onto every place the
    // pair left empty.
    if (gameTypeOf(state.params) == GameType::RefillingRankPairs) {
        executed = executeMove(state, frontend, 0, {ActionKind::FillEmptyTableaus}) || executed;
    }
    frontend.setInputBlocked(false);
    if (state.flags.test(Flag::Won)) {
        endOfGame(state, frontend);
    }
    return executed;
}

// Selecting a card: a selected card is taken out again; another joins when
// the family lets it, and a complete selection is removed at once. A card
// the family refuses sounds the beep and leaves no mark.
bool toggleCard(ProgramState& state, seam::Frontend& frontend, const SelectionRule& rule,
                const PressedCard& pressed, bool quietWhenNotSelectable) {
    std::string& selection = selectionPile(state);
    if (positionInPile(selection, pressed.card) >= 0) {
        table::removeFromPile(selection, pressed.card, table::RemovalKind::Cut);
        frontend.tableDrawing().toggleSelectionMark(pressed.card);
        return false;
    }
    std::vector<int> cards = selectedCards(state);
    if (!rule.maySelect(state, cards, pressed)) {
        if (!quietWhenNotSelectable) {
            frontend.beep();
        }
        return false;
    }
    selection += table::cardText(pressed.card);
    cards.push_back(pressed.card);
    const SelectionVerdict verdict = rule.judge(state, cards);
    if (verdict == SelectionVerdict::Refused) {
        table::removeFromPile(selection, pressed.card, table::RemovalKind::Cut);
        frontend.beep();
        return false;
    }
    frontend.tableDrawing().toggleSelectionMark(pressed.card);
    return verdict == SelectionVerdict::Complete && removeSelection(state, frontend, rule);
}

// The pyramid's stock press when no card is chosen: the ordinary deal to the
// waste, or the pass count of the games that count passes on the stock.
bool pyramidStockPress(ProgramState& state, seam::Frontend& frontend) {
    const catalogue::GameParameters& p = state.params;
    const std::string& stock = state.piles.stock(table::kStock);
    const int top = table::topCardOf(stock);
    if (p[param::EmptyWasteIsRedeal] == 1) {
        const bool deals =
            p[param::WasteButtonDealMode] == 0 || state.piles.stock(table::kWaste).empty();
        return deals && act(state, frontend, top, {ActionKind::StockToWaste});
    }
    const int passStyle = p[param::PassCountingStyle];
    if ((passStyle > 0 && stock.empty()) || passStyle == catalogue::kEveryPressCountsAPass) {
        return act(state, frontend, top, {ActionKind::StockRedeal});
    }
    return act(state, frontend, top, {ActionKind::StockToWaste});
}

// Fourteen Out and the pyramid select through the ordinary pick-up places:
// a tableau's top card, a free pyramid card, the waste card, and in the
// pyramid the stock's top card once a card is chosen.
bool pickUpFamilyPress(ProgramState& state, seam::Frontend& frontend, const SelectionHit& hit,
                       const SelectionRule& rule) {
    const GameType family = gameTypeOf(state.params);
    const std::optional<PileRef> pile = table::parsePileName(hit.pileName);
    if (!pile) {
        return false;
    }
    const PressedCard pressed{hit.card, hit.pileName};
    if (pile->kind == PileKind::Tableau) {
        return hit.card > 0 && toggleCard(state, frontend, rule, pressed, true);
    }
    if (family != GameType::Pyramid) {
        return false;
    }
    if (isStock(pile, table::kWaste)) {
        if (hit.card > 0) {
            return toggleCard(state, frontend, rule, pressed, true);
        }
        const bool redeal =
            state.params[param::PassCountingStyle] > 0 && state.piles.stock(table::kStock).empty();
        return redeal && act(state, frontend, 0, {ActionKind::StockRedeal});
    }
    if (isStock(pile, table::kStock) && hit.button == kLeftButton) {
        const int top = table::topCardOf(state.piles.stock(table::kStock));
        if (top > 0 && !selectionPile(state).empty()) {
            return toggleCard(state, frontend, rule, {top, hit.pileName}, true);
        }
        return pyramidStockPress(state, frontend);
    }
    return false;
}

// The stock press of the families that deal or refill on their own.
bool familyStockPress(ProgramState& state, seam::Frontend& frontend, GameType family) {
    if (isOneOf(family, {GameType::MonteCarlo, GameType::TouchingSuitPairs})) {
        // The refill empties the selection and moves the cards, so their
        // marks come off first, and go back on when there was nothing to do.
        const std::vector<int> selected = selectedCards(state);
        for (int card : selected) {
            frontend.tableDrawing().toggleSelectionMark(card);
        }
        const bool executed = act(state, frontend, 0, {ActionKind::CompactAndRefill});
        if (!executed) {
            for (int card : selected) {
                frontend.tableDrawing().toggleSelectionMark(card);
            }
        }
        return executed;
    }
    if (family == GameType::RowsOfSeven) {
        dropSelection(state, frontend);
    }
    if (isOneOf(family,
                {GameType::Decades, GameType::BetweenMatchingCards, GameType::RoyalMarriage,
                 GameType::SuitNeighbours, GameType::NumbersMakeTheCourt, GameType::RowsOfSeven})) {
        return act(state, frontend, 0, {ActionKind::DealTableaus});
    }
    if (isOneOf(family, {GameType::RankPairsWithWaste, GameType::RankPairsWithWasteToo}) &&
        state.piles.stock(table::kWaste).empty()) {
        const int top = table::topCardOf(state.piles.stock(table::kStock));
        return top > 0 && act(state, frontend, top, {ActionKind::StockToWaste});
    }
    return false;
}

// Which presses the adding and pairing games of parameter 38 look at: a
// left press on a tableau; a left press anywhere in the families that play
// the stock or the waste; a press on a foundation; any press in the family
// that takes cards from the foundations.
bool pressIsHandled(GameType family, const std::optional<PileRef>& pile, int button) {
    const bool left = button == kLeftButton;
    const bool onTableau = pile && pile->kind == PileKind::Tableau;
    const bool onFoundation = pile && pile->kind == PileKind::Foundation;
    const bool anyPile = isOneOf(family, {GameType::MonteCarlo, GameType::RankPairsWithWaste,
                                          GameType::RankPairsWithWasteToo, GameType::Decades,
                                          GameType::BetweenMatchingCards, GameType::RoyalMarriage,
                                          GameType::SuitNeighbours, GameType::TouchingSuitPairs,
                                          GameType::RowsOfSeven, GameType::RefillingRankPairs});
    return (left && (onTableau || anyPile)) || onFoundation ||
           family == GameType::NumbersMakeTheCourt;
}

bool targetFamilyPress(ProgramState& state, seam::Frontend& frontend, const SelectionHit& hit,
                       const SelectionRule& rule) {
    const GameType family = gameTypeOf(state.params);
    const std::optional<PileRef> pile = table::parsePileName(hit.pileName);
    if (!pile || !pressIsHandled(family, pile, hit.button)) {
        return false;
    }
    if (isStock(pile, table::kStock)) {
        return hit.button == kLeftButton && familyStockPress(state, frontend, family);
    }
    if (hit.card <= 0) {
        return false;
    }
    // A face-down top card turns face up first in the families that uncover
    // the cards of their columns.
    if (pile->kind == PileKind::Tableau &&
        isOneOf(family, {GameType::UncoverRankPairs, GameType::UncoverElevens}) &&
        !state.cards.isFaceUp(hit.card) &&
        table::topCardOf(state.piles.tableau(pile->index)) == hit.card) {
        turnFaceUp(state, frontend, hit.card, pile->index);
        return true;
    }
    return toggleCard(state, frontend, rule, {hit.card, hit.pileName}, false);
}

} // namespace

bool selectionPress(ProgramState& state, seam::Frontend& frontend, const SelectionHit& hit) {
    const GameType family = gameTypeOf(state.params);
    if (family == GameType::MarkOnly) {
        // Marking cards only: the selection records nothing.
        const std::optional<PileRef> pile = table::parsePileName(hit.pileName);
        if (pile && pile->kind == PileKind::Tableau && hit.card > 0) {
            frontend.tableDrawing().toggleSelectionMark(hit.card);
        }
        return false;
    }
    const SelectionRule* rule = selectionRuleOf(state);
    if (rule == nullptr) {
        return false;
    }
    if (family == GameType::FourteenOut || family == GameType::Pyramid) {
        return pickUpFamilyPress(state, frontend, hit, *rule);
    }
    return targetFamilyPress(state, frontend, hit, *rule);
}

} // namespace vellomir::engine
