#include "table/random_generator.h"

#include <chrono>

namespace vellomir::table {

int RandomGenerator::draw(int m) {
    m_seed = m_seed * 134775813U + 1U;
    if (m <= 0) {
        return 0;
    }
    const std::uint64_t product =
        static_cast<std::uint64_t>(m_seed) * static_cast<std::uint64_t>(m);
    return static_cast<int>(product >> 32);
}

std::uint32_t RandomGenerator::clockSeed() {
    // Milliseconds since the epoch, folded to 32 bits: two runs started a
    // moment apart get different sequences.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    const auto bits = static_cast<std::uint64_t>(ms);
    return static_cast<std::uint32_t>(bits ^ (bits >> 32));
}

} // namespace vellomir::table
