#include "catalogue/game_parameters.h"

namespace vellomir::catalogue {
namespace {

constexpr int kEmptyTableauCodes = 128;  // 28 cells
constexpr int kFoundationBaseRanks = 48; // 16 cells

} // namespace

void GameParameters::backup() {
    for (int i = 0; i < 28; ++i) {
        m_backup[static_cast<std::size_t>(i)] =
            m_cells[static_cast<std::size_t>(kEmptyTableauCodes + i)];
    }
    for (int i = 0; i < 16; ++i) {
        m_backup[static_cast<std::size_t>(28 + i)] =
            m_cells[static_cast<std::size_t>(kFoundationBaseRanks + i)];
    }
}

void GameParameters::restore() {
    for (int i = 0; i < 28; ++i) {
        m_cells[static_cast<std::size_t>(kEmptyTableauCodes + i)] =
            m_backup[static_cast<std::size_t>(i)];
    }
    for (int i = 0; i < 16; ++i) {
        m_cells[static_cast<std::size_t>(kFoundationBaseRanks + i)] =
            m_backup[static_cast<std::size_t>(28 + i)];
    }
}

} // namespace vellomir::catalogue
