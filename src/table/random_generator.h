#pragma once

#include <cstdint>

namespace vellomir::table {

/// The run's pseudo-random generator: a 32-bit linear congruential generator,
/// seed <- seed * 134775813 + 1 (mod 2^32). It is seeded once at start-up from
/// the clock; everything random in a run (new deal numbers, the jitter table,
/// the winning animations) draws from the same sequence.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : m_seed(seed) {}

    void seed(std::uint32_t value) { m_seed = value; }
    std::uint32_t currentSeed() const { return m_seed; }

    /// Advances the seed, then returns a number in [0, m): the high 32 bits of
    /// the 64-bit product of the new seed and m. A bound of 0 or less returns 0
    /// (the seed still advances, so the sequence does not depend on the bound).
    int draw(int m);

    /// A seed taken from the wall clock, for seeding at start-up.
    static std::uint32_t clockSeed();

private:
    std::uint32_t m_seed;
};

} // namespace vellomir::table
