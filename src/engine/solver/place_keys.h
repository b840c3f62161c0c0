#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>

namespace vellomir::engine {

/// A random 64-bit number for each card code in each place, code 0 (no
/// card) numbered 0: the key of a layout is the exclusive or of the numbers
/// of its cards where they lie, and a card that moves changes it by two
/// exclusive ors. A key of 64 bits tells positions apart but for a chance
/// too small to meet, and proves nothing: a search keyed so answers wins.
template <int kPlaces, int kCodes> class PlaceKeys {
public:
    std::uint64_t of(int place, int code) const {
        return m_keys[static_cast<std::size_t>(place)][static_cast<std::size_t>(code)];
    }

    /// The same numbers for every search of a kind, drawn once.
    static const PlaceKeys& drawn() {
        static const PlaceKeys keys;
        return keys;
    }

private:
    PlaceKeys() {
        std::mt19937_64 random(kSeed);
        for (auto& place : m_keys) {
            for (std::size_t c = 1; c < place.size(); ++c) {
                place[c] = random();
            }
        }
    }

    static constexpr std::uint64_t kSeed = 0x6a09e667f3bcc908u;
    std::array<std::array<std::uint64_t, kCodes>, kPlaces> m_keys{};
};

} // namespace vellomir::engine
