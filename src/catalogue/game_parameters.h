#pragma once

#include <array>
#include <cstdint>

namespace vellomir::catalogue {

/// The current game's column of the catalogue: 401 signed 16-bit cells
/// indexed by parameter number. Index 0 and every parameter the catalogue
/// does not list stay 0. Per-pile rules sit at a base index plus the pile's
/// 0-based index.
class GameParameters {
public:
    static constexpr int kCells = 401;

    int operator[](int index) const { return m_cells.at(static_cast<std::size_t>(index)); }
    int get(int index) const { return (*this)[index]; }
    void set(int index, int value) {
        m_cells.at(static_cast<std::size_t>(index)) = static_cast<int16_t>(value);
    }
    void clear() { m_cells.fill(0); }

    /// Copies the per-pile cells a deal may change for one deal only (empty
    /// tableau codes 128-155 and foundation base ranks 48-63) into the backup.
    void backup();
    /// Copies the backup back.
    void restore();

    friend bool operator==(const GameParameters&, const GameParameters&) = default;

private:
    std::array<int16_t, kCells> m_cells{};
    std::array<int16_t, 44> m_backup{};
};

} // namespace vellomir::catalogue
