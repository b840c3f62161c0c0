#include "engine/records/play_history.h"

#include "engine/records/selection_state.h"
#include "engine/records/undo_snapshots.h"
#include "table/program_state.h"

namespace vellomir::engine {

namespace {

using table::Flag;

// The lines of the newest snapshots beyond `keep` whole snapshots, cut from
// the lists and returned.
table::UndoLists cutSnapshotsAfter(table::UndoLists& lists, int keep) {
    table::UndoLists cut;
    const auto move = [](std::vector<std::string>& from, std::vector<std::string>& to,
                         std::size_t keepLines) {
        if (from.size() > keepLines) {
            to.assign(
                std::make_move_iterator(from.begin() + static_cast<std::ptrdiff_t>(keepLines)),
                std::make_move_iterator(from.end()));
            from.resize(keepLines);
        }
    };
    const auto n = static_cast<std::size_t>(keep);
    move(lists.stock, cut.stock, n * table::kSnapshotStockLines);
    move(lists.foundations, cut.foundations, n * table::kSnapshotFoundationLines);
    move(lists.tableaus, cut.tableaus, n * table::kSnapshotTableauLines);
    move(lists.reserves, cut.reserves, n * table::kSnapshotReserveLines);
    return cut;
}

void appendLines(table::UndoLists& lists, const table::UndoLists& lines) {
    lists.stock.insert(lists.stock.end(), lines.stock.begin(), lines.stock.end());
    lists.foundations.insert(lists.foundations.end(), lines.foundations.begin(),
                             lines.foundations.end());
    lists.tableaus.insert(lists.tableaus.end(), lines.tableaus.begin(), lines.tableaus.end());
    lists.reserves.insert(lists.reserves.end(), lines.reserves.begin(), lines.reserves.end());
}

bool gameOpenForSteps(const table::ProgramState& state) {
    return state.flags.test(Flag::GameInPlay) && !state.flags.test(Flag::Won) &&
           !state.flags.test(Flag::AnimationRunning) && playerHoldsNothing(state);
}

} // namespace

bool playerHoldsNothing(const table::ProgramState& state) {
    return state.mainGame.cell(table::cell::PickedCard) == 0 &&
           state.mainGame.cell(table::cell::StockPressed) == 0;
}

void PlayHistory::clear() {
    m_done.clear();
    m_undone.clear();
    m_pending.reset();
}

void PlayHistory::beginEvent(const table::ProgramState& state) {
    if (!m_pending && playerHoldsNothing(state) && state.flags.test(Flag::GameInPlay)) {
        m_pending = capturePosition(state);
    }
}

bool PlayHistory::endEvent(table::ProgramState& state) {
    if (!m_pending || !playerHoldsNothing(state)) {
        return false;
    }
    PlayPosition before = std::move(*m_pending);
    m_pending.reset();
    if (!tableChanged(before, capturePosition(state), foundationOneIsSelection(state))) {
        cutSnapshotsAfter(state.undoLists, before.snapshots);
        state.undoHistory.assign(before.history);
        return false;
    }
    m_done.push_back(std::move(before));
    m_undone.clear();
    return true;
}

bool PlayHistory::canUndo(const table::ProgramState& state) const {
    return !m_done.empty() && gameOpenForSteps(state);
}

bool PlayHistory::canRedo(const table::ProgramState& state) const {
    return !m_undone.empty() && gameOpenForSteps(state);
}

bool PlayHistory::undo(table::ProgramState& state) {
    if (!canUndo(state)) {
        return false;
    }
    m_pending.reset();
    UndoneStep step;
    step.after = capturePosition(state);
    step.before = std::move(m_done.back());
    m_done.pop_back();
    // The redo side of the snapshot record keeps the table being taken back.
    takeUndoSnapshot(state, UndoSide::Redo);
    step.lines = cutSnapshotsAfter(state.undoLists, step.before.snapshots);
    restorePosition(state, step.before);
    m_undone.push_back(std::move(step));
    return true;
}

bool PlayHistory::redo(table::ProgramState& state) {
    if (!canRedo(state)) {
        return false;
    }
    m_pending.reset();
    UndoneStep step = std::move(m_undone.back());
    m_undone.pop_back();
    state.redoLists.dropNewest();
    state.redoHistory.removeNewest();
    appendLines(state.undoLists, step.lines);
    restorePosition(state, step.after);
    m_done.push_back(std::move(step.before));
    return true;
}

void PlayHistory::restoreSteps(std::vector<PlayPosition> steps) {
    clear();
    m_done = std::move(steps);
}

} // namespace vellomir::engine
