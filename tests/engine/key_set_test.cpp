#include "engine/solver/key_set.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>

namespace vellomir::engine {
namespace {

// Keys taken out are gone and every other key is still found, through the
// growth of the table and runs of keys that probe past each other; the set
// holds 32-bit keys as it holds 64-bit ones.
template <typename Key> void keepsWhatItHolds() {
    BasicKeySet<Key> keys;
    std::set<Key> held;
    std::mt19937_64 random(7);
    for (int step = 0; step < 200'000; ++step) {
        // Few distinct keys, so that inserts find keys there and erases hit
        // (0 is no key: it marks a free slot).
        const Key key = static_cast<Key>(1 + random() % 50'000);
        if (random() % 3 == 0) {
            keys.erase(key);
            held.erase(key);
        } else {
            EXPECT_EQ(keys.insert(key), held.insert(key).second);
        }
    }
    EXPECT_EQ(keys.size(), held.size());
    for (Key key = 1; key <= 50'000; ++key) {
        ASSERT_EQ(keys.contains(key), held.contains(key)) << key;
    }
}

TEST(KeySet, KeepsWhatItHoldsThroughErases) {
    keepsWhatItHolds<std::uint64_t>();
    keepsWhatItHolds<std::uint32_t>();
}

} // namespace
} // namespace vellomir::engine
