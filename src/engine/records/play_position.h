#pragma once

#include "table/pile_lists.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The cells of TMainGame that play changes and a step back must put back:
/// the pass number, the move phase, the miss count, the moved mark and the
/// lowest card edge.
inline constexpr int kPlayCellCount = 5;
/// The engine counters kept with a position (counter 0 counts the redeals).
inline constexpr int kPositionCounters = 10;

/// Everything the table of a game in play is: the piles, every card's face,
/// the score, the play cells of TMainGame, the engine counters, the won and
/// stop-autoplay flags, history 1 and how many snapshots the undo lists
/// hold. Taking one before a player action and putting it back takes that
/// action back exactly.
struct PlayPosition {
    table::PileLists piles;
    /// The face flag of cards 1-108, '1' face up.
    std::string faces;
    int score = 0;
    std::array<int, kPlayCellCount> cells{};
    std::array<int32_t, kPositionCounters> counters{};
    bool won = false;
    bool stopAutoplay = false;
    std::string history;
    int snapshots = 0;

    friend bool operator==(const PlayPosition&, const PlayPosition&) = default;
};

PlayPosition capturePosition(const table::ProgramState& state);

/// Puts the position back on the table. The undo lists are not touched:
/// the caller cuts or extends them to the position's snapshot count.
void restorePosition(table::ProgramState& state, const PlayPosition& position);

/// True when the table of `after` differs from `before` by more than the
/// selection of a selection game (foundation 1 there holds the selected
/// cards, which picking alone changes): a card moved or turned, the score,
/// a counter or a play cell changed.
bool tableChanged(const PlayPosition& before, const PlayPosition& after, bool selectionGame);

/// The position as one line of text, and back; nothing for a line that is
/// not one (wrong field count, a pile that is not three-digit groups, a
/// face string of the wrong length or characters, numbers that do not read).
std::string positionText(const PlayPosition& position);
std::optional<PlayPosition> parsePosition(std::string_view text);

} // namespace vellomir::engine
