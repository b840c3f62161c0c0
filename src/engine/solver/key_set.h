#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace vellomir::engine {

/// A set of position keys, open addressing with linear probing, one key a
/// slot (8 bytes for 64-bit keys, 4 for 32-bit ones), at most half full.
/// A search whose keys fit in 32 bits stores them in half the room, and
/// every probe that misses the processor's caches costs half as often.
template <typename Key> class BasicKeySet {
    static_assert(std::is_unsigned_v<Key>);

public:
    BasicKeySet() : m_slots(kFirstSlots, 0) {}
    /// A set that starts with room for about half `firstSlots` keys (a
    /// power of two): searches that mostly answer in a few positions.
    explicit BasicKeySet(std::size_t firstSlots) : m_slots(firstSlots, 0) {}

    /// False when the key was there already.
    bool insert(Key key) {
        key = key == 0 ? 1 : key; // 0 marks a free slot
        if ((m_count + 1) * 2 > m_slots.size()) {
            grow();
        }
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = slotOf(key, mask);; i = (i + 1) & mask) {
            if (m_slots[i] == key) {
                return false;
            }
            if (m_slots[i] == 0) {
                m_slots[i] = key;
                ++m_count;
                return true;
            }
        }
    }

    bool contains(Key key) const {
        key = key == 0 ? 1 : key;
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = slotOf(key, mask);; i = (i + 1) & mask) {
            if (m_slots[i] == key) {
                return true;
            }
            if (m_slots[i] == 0) {
                return false;
            }
        }
    }

    /// Takes a key out (nothing when it is not there). The keys after it in
    /// its run of filled slots move back where their probe would pass the
    /// freed slot, so that every key stays where a probe finds it.
    void erase(Key key) {
        key = key == 0 ? 1 : key;
        const std::size_t mask = m_slots.size() - 1;
        std::size_t hole = slotOf(key, mask);
        while (m_slots[hole] != key) {
            if (m_slots[hole] == 0) {
                return;
            }
            hole = (hole + 1) & mask;
        }
        m_slots[hole] = 0;
        --m_count;
        for (std::size_t i = (hole + 1) & mask; m_slots[i] != 0; i = (i + 1) & mask) {
            const std::size_t home = slotOf(m_slots[i], mask);
            // The key at i may fill the hole when its home does not lie in
            // the cyclic range (hole, i].
            const bool homeAfterHole =
                hole <= i ? (home > hole && home <= i) : (home > hole || home <= i);
            if (!homeAfterHole) {
                m_slots[hole] = m_slots[i];
                m_slots[i] = 0;
                hole = i;
            }
        }
    }

    std::size_t size() const { return m_count; }
    std::size_t bytes() const { return m_slots.size() * sizeof(Key); }

private:
    static constexpr std::size_t kFirstSlots = 1 << 12;

    static std::size_t slotOf(Key key, std::size_t mask) {
        return static_cast<std::size_t>(static_cast<std::uint64_t>(key) * 0x9e3779b97f4a7c15ULL >>
                                        20) &
               mask;
    }

    void grow() {
        std::vector<Key> old(m_slots.size() * 2, 0);
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const Key key : old) {
            if (key != 0) {
                std::size_t i = slotOf(key, mask);
                while (m_slots[i] != 0) {
                    i = (i + 1) & mask;
                }
                m_slots[i] = key;
            }
        }
    }

    std::vector<Key> m_slots;
    std::size_t m_count = 0;
};

/// The fast searches' set of 64-bit keys.
using KeySet = BasicKeySet<std::uint64_t>;

/// A set of keys of several 64-bit words (a std::array of them) whose first
/// word is never 0 (a key's mark lies in it), open addressing with linear
/// probing, at most three quarters full: exact keys of positions too large
/// for one word.
template <typename Key> class WideKeySet {
public:
    WideKeySet() : m_slots(kFirstSlots) {}

    /// False when the key was there already.
    bool insert(const Key& key) {
        if ((m_count + 1) * 4 > m_slots.size() * 3) {
            grow();
        }
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = slotOf(key, mask);; i = (i + 1) & mask) {
            if (m_slots[i] == key) {
                return false;
            }
            if (free(m_slots[i])) {
                m_slots[i] = key;
                ++m_count;
                return true;
            }
        }
    }

    /// Takes a key out; the keys after it in its run move back where their
    /// probe would pass the freed slot.
    void erase(const Key& key) {
        const std::size_t mask = m_slots.size() - 1;
        std::size_t hole = slotOf(key, mask);
        while (m_slots[hole] != key) {
            if (free(m_slots[hole])) {
                return;
            }
            hole = (hole + 1) & mask;
        }
        m_slots[hole] = Key{};
        --m_count;
        for (std::size_t i = (hole + 1) & mask; !free(m_slots[i]); i = (i + 1) & mask) {
            const std::size_t home = slotOf(m_slots[i], mask);
            const bool homeAfterHole =
                hole <= i ? (home > hole && home <= i) : (home > hole || home <= i);
            if (!homeAfterHole) {
                m_slots[hole] = m_slots[i];
                m_slots[i] = Key{};
                hole = i;
            }
        }
    }

    std::size_t size() const { return m_count; }
    std::size_t bytes() const { return m_slots.size() * sizeof(Key); }

private:
    static constexpr std::size_t kFirstSlots = 1 << 10;

    static bool free(const Key& key) { return key[0] == 0; } // the mark is in word 0

    static std::size_t slotOf(const Key& key, std::size_t mask) {
        std::uint64_t h = 0;
        for (const std::uint64_t word : key) {
            h = (h ^ word) * 0x9e3779b97f4a7c15ULL;
            h ^= h >> 29;
        }
        return static_cast<std::size_t>(h) & mask;
    }

    void grow() {
        std::vector<Key> old(m_slots.size() * 2);
        old.swap(m_slots);
        const std::size_t mask = m_slots.size() - 1;
        for (const Key& key : old) {
            if (!free(key)) {
                std::size_t i = slotOf(key, mask);
                while (!free(m_slots[i])) {
                    i = (i + 1) & mask;
                }
                m_slots[i] = key;
            }
        }
    }

    std::vector<Key> m_slots;
    std::size_t m_count = 0;
};

} // namespace vellomir::engine
