#pragma once

#include <cstdint>

namespace vellomir::engine {

/// The random numbers of a search that plays at random (Braid's playouts,
/// Poker Square's annealing): SplitMix64, a generator of the program's own
/// seeded from the deal's cards, so that a deal is searched the same way
/// every time it is asked and on every platform.
class DealRandom {
public:
    /// Seeded from the cards in the order given.
    template <class Cards> static DealRandom seededBy(const Cards& cards) {
        std::uint64_t seed = 0;
        for (const int card : cards) {
            seed = seed * kSeedStep + static_cast<std::uint64_t>(card);
        }
        return DealRandom(seed);
    }

    explicit DealRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }
    /// A number from 0 to n - 1.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    /// A number from 0 up to 1, 1 excluded.
    double unit() { return static_cast<double>(next() >> 11U) * 0x1.0p-53; }

private:
    static constexpr std::uint64_t kSeedStep = 131;
    std::uint64_t m_state;
};

} // namespace vellomir::engine
