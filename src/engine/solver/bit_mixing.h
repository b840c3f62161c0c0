#pragma once

#include <cstdint>

namespace vellomir::engine {

/// The step the searches' keys and random numbers advance by: 2^64 over the
/// golden ratio, so that successive values spread over the whole range.
inline constexpr std::uint64_t kGoldenStep = 0x9e3779b97f4a7c15ULL;

/// Mixes every bit of a 64-bit value into every bit of the result
/// (SplitMix64's finaliser): close values give unrelated results.
constexpr std::uint64_t mixedBits(std::uint64_t x) {
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

/// The next number of the SplitMix64 sequence from a seed, which it advances.
constexpr std::uint64_t splitMix(std::uint64_t& seed) {
    return mixedBits(seed += kGoldenStep);
}

} // namespace vellomir::engine
