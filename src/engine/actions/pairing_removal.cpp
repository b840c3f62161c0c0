#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/action_support.h"
#include "engine/actions/score.h"
#include "engine/actions/stock_actions.h"
#include "engine/records/undo_snapshots.h"
#include "engine/rules/card_move.h"
#include "engine/rules/pile_location.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/card_removal.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <cstdlib>
#include <optional>
#include <vector>

namespace vellomir::engine {

using catalogue::codeOf;
using catalogue::FanStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;
using table::Flag;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

const PileRef kDiscardPile{PileKind::Stock, table::kDiscard};

// Game type 47 lays its tableaus out in three rows of seven.
constexpr int kRowLength = 7;
constexpr int kRowTableaus = 21;

// Where a card lies for its flight to the discard pile.
table::CardPoint placeOf(const ProgramState& state, int card) {
    const std::optional<PileRef> pile = pileAtLocation(locatePile(state, card));
    if (!pile) {
        return table::pilePosition(state, kDiscardPile);
    }
    return table::cardPosition(state, *pile, positionInPile(state.piles.pile(*pile), card));
}

// The selected cards of game type 47: the two cards of one rank whose
// tableaus lie two apart. The card on the later tableau goes first.
std::vector<int> rowPairOrder(const ProgramState& state, const std::string& selection) {
    if (table::cardCount(selection) != 2) {
        return {};
    }
    const int first = table::cardAt(selection, 0);
    const int second = table::cardAt(selection, 1);
    const int a = std::abs(locatePile(state, first));
    const int b = std::abs(locatePile(state, second));
    return a > b ? std::vector<int>{first, second} : std::vector<int>{second, first};
}

} // namespace

bool rowHasOnePile(const ProgramState& state, int tableauIndex) {
    if (tableauIndex < 0 || tableauIndex >= kRowTableaus) {
        return false;
    }
    const int start = tableauIndex / kRowLength * kRowLength;
    int nonEmpty = 0;
    for (int t = start; t < start + kRowLength; ++t) {
        nonEmpty += state.piles.tableau(t).empty() ? 0 : 1;
    }
    return nonEmpty == 1;
}

void closeRowGaps(ProgramState& state, seam::Frontend& frontend, int tableauIndex) {
    if (tableauIndex < 0 || tableauIndex >= kRowTableaus) {
        return;
    }
    const int start = tableauIndex / kRowLength * kRowLength;
    const int end = start + kRowLength;
    table::PileLists& piles = state.piles;
    for (;;) {
        int gap = start;
        while (gap < end && !piles.tableau(gap).empty()) {
            ++gap;
        }
        int from = gap + 1;
        while (from < end && piles.tableau(from).empty()) {
            ++from;
        }
        if (gap >= end || from >= end) {
            return;
        }
        const PileRef source{PileKind::Tableau, from};
        const PileRef target{PileKind::Tableau, gap};
        while (!piles.tableau(from).empty()) {
            std::string& cards = piles.tableau(from);
            const int card = table::cardAt(cards, 0);
            const table::CardPoint origin = table::cardPosition(state, source, 0);
            cards.erase(0, 3);
            piles.appendCard(state.cards, target, card, std::nullopt);
            detail::fly(frontend, state.cards.isFaceUp(card) ? card : -1, origin,
                        table::topCardPosition(state, target));
            frontend.tableDrawing().drawPile(detail::nameOf(target));
            detail::playSwitched(state, frontend, "Shuffle", settings::field::SoundsTableau);
        }
        frontend.tableDrawing().drawPile(detail::nameOf(source));
    }
}

bool detail::removeSelection(ProgramState& state, seam::Frontend& frontend,
                             ActionContext& context) {
    const catalogue::GameParameters& p = state.params;
    table::PileLists& piles = state.piles;
    std::string& selection = piles.foundation(0);
    const GameType type = gameTypeOf(p);
    const int fanStyle = p[param::TableauFanStyle];

    // The order the cards leave in: as selected; in game type 47 the two
    // cards of the pair, the one on the later tableau first.
    std::vector<int> order;
    std::vector<int> rowTableaus;
    if (type == GameType::RowsOfSeven) {
        // Where the selected cards lie, not where the selection lists them.
        const std::string selected = std::move(selection);
        selection.clear();
        order = rowPairOrder(state, selected);
        for (int card : order) {
            const int location = locatePile(state, card);
            if (isTableauLocation(location)) {
                rowTableaus.push_back(location - 1);
            }
        }
        selection = selected;
    } else {
        for (int i = 0; i < table::cardCount(selection); ++i) {
            order.push_back(table::cardAt(selection, i));
        }
    }
    if (order.empty()) {
        return false;
    }

    playSwitched(state, frontend, "Pairing", settings::field::SoundsPairing);
    const int tableauOneTop = table::topCardOf(piles.tableau(0));
    const bool gridTopSelected = fanStyle == codeOf(FanStyle::FreeForm) &&
                                 positionInPile(selection, tableauOneTop) >= 0 &&
                                 tableauOneTop >= 1;
    takeUndoSnapshot(state);
    frontend.pause(150);

    std::vector<int> leaving;
    for (int card : order) {
        table::removeFromPile(selection, card, table::RemovalKind::Cut);
        if (locatePile(state, card) == location::Nowhere) {
            continue; // a stale code in the selection: nothing to take away
        }
        frontend.tableDrawing().drawTableWithout({card});
        const table::CardPoint from = placeOf(state, card);
        if (fanStyle == codeOf(FanStyle::SideBySide)) {
            const int location = locatePile(state, card);
            const bool stockOrWaste = location == location::Stock || location == location::Waste;
            table::removeAnywhere(
                state, card, stockOrWaste ? table::RemovalKind::Cut : table::RemovalKind::LeaveGap);
        } else if (fanStyle == codeOf(FanStyle::FreeForm)) {
            leaving.push_back(card);
        } else {
            table::removeAnywhere(state, card, table::RemovalKind::Cut);
        }
        placeCard(state, kDiscardPile, card, '1', context);
        frontend.tableDrawing().drawPileTop("Mazzo_Waste");
        fly(frontend, card, from, table::topCardPosition(state, kDiscardPile));
        refreshClock(state, frontend);
    }
    selection.clear();

    if (fanStyle == codeOf(FanStyle::FreeForm)) {
        // The grid of one tableau keeps a marker in front of each card.
        for (int card : leaving) {
            std::string& grid = piles.tableau(0);
            if (!table::removeFromPile(grid, card, table::RemovalKind::CutWithMarker)) {
                // Every card that goes to the discard pile must leave its
                // place, wherever it lay.
                std::string& discard = piles.stock(table::kDiscard);
                table::removeFromPile(discard, card, table::RemovalKind::Cut);
                table::removeAnywhere(state, card, table::RemovalKind::Cut);
                piles.appendCard(state.cards, kDiscardPile, card, '1');
            }
        }
        if (!gridTopSelected) {
            drawWholeTable(state, frontend);
        }
    }
    if (type == GameType::RowsOfSeven) {
        for (int t : rowTableaus) {
            frontend.tableDrawing().drawPile(nameOf({PileKind::Tableau, t}));
        }
        for (int t : rowTableaus) {
            closeRowGaps(state, frontend, t);
        }
        updateScore(state, frontend);
    }
    if (type == GameType::UncoverRankPairs || type == GameType::UncoverElevens) {
        state.cardLeftTableau = true;
    }
    if (type == GameType::MarkOnly && state.hooks.fillEmptyPiles) {
        state.hooks.fillEmptyPiles(state, frontend);
    }
    state.flags.set(Flag::Won, winTest(state));
    return true;
}

} // namespace vellomir::engine
