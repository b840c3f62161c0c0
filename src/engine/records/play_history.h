#pragma once

#include "engine/records/play_position.h"
#include "table/undo_lists.h"

#include <optional>
#include <vector>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The player's actions as steps that can be taken back and replayed. Each
/// step keeps the position before it; a step taken back also keeps the
/// position after it and the snapshot lines it had added to the undo lists,
/// so that replaying it puts everything back as it was.
///
/// An action is whatever the pointer events between two moments at which
/// the player holds nothing (no picked card, the stock not pressed) changed
/// on the table: a press, drag and release is one action, together with the
/// turns, fills and automatic moves it caused.
class PlayHistory {
public:
    struct UndoneStep {
        PlayPosition before;
        PlayPosition after;
        /// The undo-list lines the step had added, cut when it was taken back.
        table::UndoLists lines;
    };

    /// Forgets every step (a new deal).
    void clear();

    /// Call before a pointer event: notes the position when the player holds
    /// nothing and no action is under way.
    void beginEvent(const table::ProgramState& state);
    /// Call after it: once the player holds nothing again, an action that
    /// changed the table becomes a step (and the steps taken back are
    /// forgotten). An action that changed nothing on the table leaves no
    /// trace: the snapshots it took are dropped again. True when a step was
    /// added.
    bool endEvent(table::ProgramState& state);
    /// Drops the action under way without a step (a new game began in it).
    void dropPendingAction() { m_pending.reset(); }
    /// True while an action is under way (between its first event and the
    /// moment the player holds nothing again).
    bool actionUnderWay() const { return m_pending.has_value(); }

    /// Undo and redo are possible while the game is in play and not won,
    /// nothing is held, and there is a step to take back or replay.
    bool canUndo(const table::ProgramState& state) const;
    bool canRedo(const table::ProgramState& state) const;
    /// Takes the newest step back / replays the newest step taken back.
    /// False when that is not possible.
    bool undo(table::ProgramState& state);
    bool redo(table::ProgramState& state);

    /// The steps that led from the deal to the table, oldest first.
    const std::vector<PlayPosition>& steps() const { return m_done; }
    const std::vector<UndoneStep>& undoneSteps() const { return m_undone; }
    /// Steps taken from the deal to the table.
    int moves() const { return static_cast<int>(m_done.size()); }
    /// Puts back steps read from a saved game (none taken back).
    void restoreSteps(std::vector<PlayPosition> steps);

private:
    std::vector<PlayPosition> m_done;
    std::vector<UndoneStep> m_undone;
    std::optional<PlayPosition> m_pending;
};

/// True when the player holds nothing: no picked card, the stock not pressed.
bool playerHoldsNothing(const table::ProgramState& state);

} // namespace vellomir::engine
