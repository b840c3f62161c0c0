#pragma once

#include <string>
#include <string_view>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The two sides of the snapshot record: the undo side (undo lists and
/// history 1) and the redo side (redo lists and history 2).
enum class UndoSide { Undo, Redo };

/// One pile as a snapshot line: for each card, bottom first, its face flag
/// and its three-digit code; "0000" for a placeholder.
std::string snapshotLine(const table::ProgramState& state, std::string_view pile);

/// Appends a snapshot of all 57 piles to the side's four lists (3 stock
/// list lines, 16 foundations, 28 tableaus, 10 reserves) and pushes an empty
/// item onto the side's history. In selection games foundation 1 holds the
/// selection, not cards, and is stored as an empty line. Writes "0" to the
/// side's settings position (138 undo, 139 redo).
void takeUndoSnapshot(table::ProgramState& state, UndoSide side = UndoSide::Undo);

/// Merges the newest n + 1 undo snapshots into one undo step: the newest n
/// snapshots are deleted, so the step restores the table as it was before
/// the first of them, and their history items are joined into one, so no
/// mark is lost. Used when one player action ran as several executed
/// actions.
void dropNewestSnapshots(table::ProgramState& state, int n);

/// The merge the alternating reserve deal asks for after its several
/// reserve deals. It combines the snapshots exactly as dropNewestSnapshots:
/// the one undo step goes back to the table before the first deal.
void dropOlderSnapshots(table::ProgramState& state, int n);

/// Empties the redo lists and history 2 and writes "0" to settings
/// position 139. Runs after every executed action.
void clearRedo(table::ProgramState& state);

/// Empties the undo and redo lists and both histories (a new game).
void clearUndoRecord(table::ProgramState& state);

/// History operations by side: push an item, remove the newest item, count
/// the three-digit groups equal to a code, clear.
void pushHistoryItem(table::ProgramState& state, UndoSide side, std::string_view item);
void removeNewestHistoryItem(table::ProgramState& state, UndoSide side);
int historyCount(const table::ProgramState& state, UndoSide side, int code);
void clearHistory(table::ProgramState& state, UndoSide side);
/// Replaces the newest item of history 1 by the three-digit code ("002" a
/// stock deal that counts as a move, "001" a move found by the search).
void markNewest(table::ProgramState& state, int code);

} // namespace vellomir::engine
