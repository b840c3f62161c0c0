#include "engine/records/undo_snapshots.h"

#include "catalogue/parameter_index.h"
#include "engine/records/selection_state.h"
#include "table/card.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

namespace {

using table::ProgramState;
using table::UndoHistory;
using table::UndoLists;

UndoLists& listsOf(ProgramState& state, UndoSide side) {
    return side == UndoSide::Undo ? state.undoLists : state.redoLists;
}
UndoHistory& historyOf(ProgramState& state, UndoSide side) {
    return side == UndoSide::Undo ? state.undoHistory : state.redoHistory;
}
const UndoHistory& historyOf(const ProgramState& state, UndoSide side) {
    return side == UndoSide::Undo ? state.undoHistory : state.redoHistory;
}

// Joins the newest n + 1 items of a history into one, oldest text first.
void joinNewestItems(UndoHistory& history, int n) {
    std::string joined;
    for (int i = 0; i <= n && history.itemCount() > 0; ++i) {
        joined.insert(0, history.newest());
        history.removeNewest();
    }
    history.push(joined);
}

} // namespace

std::string snapshotLine(const ProgramState& state, std::string_view pile) {
    std::string line;
    line.reserve(pile.size() / 3 * 4);
    for (int i = 0; i < table::cardCount(pile); ++i) {
        const int code = table::cardAt(pile, i);
        if (code < 1) {
            line += "0000";
        } else {
            line += state.cards.isFaceUp(code) ? '1' : '0';
            line += table::cardText(code);
        }
    }
    return line;
}

void takeUndoSnapshot(ProgramState& state, UndoSide side) {
    UndoLists& lists = listsOf(state, side);
    const table::PileLists& piles = state.piles;
    for (int i = 0; i < table::kStockPiles; ++i) {
        lists.stock.push_back(snapshotLine(state, piles.stock(i)));
    }
    const bool selection = foundationOneIsSelection(state);
    for (int f = 0; f < table::kMaxFoundations; ++f) {
        lists.foundations.push_back(f == 0 && selection ? std::string()
                                                        : snapshotLine(state, piles.foundation(f)));
    }
    for (int t = 0; t < table::kMaxTableaus; ++t) {
        lists.tableaus.push_back(snapshotLine(state, piles.tableau(t)));
    }
    for (int r = 0; r < table::kMaxReserves; ++r) {
        lists.reserves.push_back(snapshotLine(state, piles.reserve(r)));
    }
    historyOf(state, side).push("");
    state.settings.write(side == UndoSide::Undo ? settings::field::UndoSnapshotState
                                                : settings::field::RedoSnapshotState,
                         "0");
}

void dropNewestSnapshots(ProgramState& state, int n) {
    n = std::min(n, state.undoLists.snapshotCount() - 1);
    if (n <= 0) {
        return;
    }
    for (int i = 0; i < n; ++i) {
        state.undoLists.dropNewest();
    }
    joinNewestItems(state.undoHistory, n);
}

void dropOlderSnapshots(ProgramState& state, int n) {
    dropNewestSnapshots(state, n);
}

void clearRedo(ProgramState& state) {
    state.redoLists.clear();
    state.redoHistory.clear();
    state.settings.write(settings::field::RedoSnapshotState, "0");
}

void clearUndoRecord(ProgramState& state) {
    state.undoLists.clear();
    state.undoHistory.clear();
    clearRedo(state);
}

void pushHistoryItem(ProgramState& state, UndoSide side, std::string_view item) {
    historyOf(state, side).push(item);
}

void removeNewestHistoryItem(ProgramState& state, UndoSide side) {
    historyOf(state, side).removeNewest();
}

int historyCount(const ProgramState& state, UndoSide side, int code) {
    return historyOf(state, side).count(code);
}

void clearHistory(ProgramState& state, UndoSide side) {
    historyOf(state, side).clear();
}

void markNewest(ProgramState& state, int code) {
    state.undoHistory.markNewest(code);
}

} // namespace vellomir::engine
