#pragma once

#include <array>
#include <cstdint>

namespace vellomir::table {

/// Numbered engine switches, set and tested by number.
enum class Flag : int {
    GameInPlay = 2,
    ClockRunning = 3,
    FirstActivationPending = 4,
    IgnoreNextPress = 5,
    AnimationRunning = 6,
    Won = 8,
    StopAutoplay = 9,
};

/// The engine flags 0-9, the counters (counter 0 is the deal counter) and
/// the two time slots (start and end of the current game, milliseconds
/// since midnight).
class EngineFlags {
public:
    bool test(Flag f) const { return m_flags[static_cast<std::size_t>(f)] != 0; }
    void set(Flag f, bool on = true) { m_flags[static_cast<std::size_t>(f)] = on ? 1 : 0; }
    void clear(Flag f) { set(f, false); }

    int32_t& counter(int i) { return m_counters.at(static_cast<std::size_t>(i)); }
    int32_t counter(int i) const { return m_counters.at(static_cast<std::size_t>(i)); }
    int32_t& dealCounter() { return counter(0); }

    /// Counters of Hit or Miss (game type 28): the card turned with the
    /// rank now called (0 once it has left the waste or none was turned),
    /// the hits made before the current pass, and how many passes in a row
    /// brought no hit.
    static constexpr int kCalledCard = 1;
    static constexpr int kHitsBeforePass = 2;
    static constexpr int kPassesWithoutHit = 3;
    /// Counter of the games with draws (`TableauDraws`, never Hit or Miss):
    /// the draws taken so far. It shares counter 1 with the called card, so
    /// that the solver's positions, which keep counters 1 to 3, keep it too.
    static constexpr int kDrawsTaken = 1;

    int64_t& timeSlot(int i) { return m_timeSlots.at(static_cast<std::size_t>(i)); }
    int64_t timeSlot(int i) const { return m_timeSlots.at(static_cast<std::size_t>(i)); }

private:
    std::array<uint8_t, 10> m_flags{};
    std::array<int32_t, 10> m_counters{};
    std::array<int64_t, 2> m_timeSlots{};
};

} // namespace vellomir::table
