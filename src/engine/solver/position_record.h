#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vellomir::table {
struct ProgramState;
}

namespace vellomir::engine {

/// The part of the program state that play changes, packed small: every
/// pile string, every card's face, the score, the pass number, the move
/// phase, the miss count, the pressed stock, the deal counter, the game
/// flags and the Autoplay tick. A search keeps one per position it has seen and puts it back
/// into a working state instead of copying whole program states.
class PositionRecord {
public:
    /// Takes the position of `state`.
    explicit PositionRecord(const table::ProgramState& state);

    /// Puts the position back into `state`, which must hold the same game
    /// (its parameters, layout and card table), and empties the undo
    /// record, which no position keeps.
    void restoreInto(table::ProgramState& state) const;

private:
    std::string m_piles; // each pile: its length in cards in two bytes, then its codes
    std::string m_faces; // '1' or '0' per card code
    std::string m_score;
    std::int16_t m_passNumber = 0;
    std::int16_t m_movePhase = 0;
    std::int16_t m_missCount = 0;
    std::int16_t m_stockPressed = 0;
    std::int32_t m_dealCounter = 0;
    std::array<std::int32_t, 3> m_hitCounters{}; // counters 1-3 (Hit or Miss)
    std::uint8_t m_flags = 0;
    bool m_autoplay = false;
};

} // namespace vellomir::engine
