#include "table/main_game.h"

namespace vellomir::table {
void TMainGame::resetGeometry() {
    for (int i = 0; i < 4; ++i) {
        setStockX(i, kNotPlacedStock);
        setStockY(i, kNotPlacedStock);
    }
    for (int i = 0; i < 17; ++i) {
        setFoundationX(i, kNotPlacedFoundation);
        setFoundationY(i, kNotPlacedFoundation);
    }
    for (int i = 0; i < 11; ++i) {
        setReserveX(i, kNotPlacedReserve);
        setReserveY(i, kNotPlacedReserve);
    }
    m_tableauX.fill(kNotPlacedTableau);
    m_tableauY.fill(kNotPlacedTableau);
}

} // namespace vellomir::table
