#pragma once

#include "engine/execution_fixture.h"
#include "table/main_game.h"

namespace vellomir::testing {

/// A point 5 pixels inside the top-left corner of the card at slot `slot`
/// of tableau `t` on a LaidOutTable (all cards face up, 20 pixels apart).
inline int tx(int t) {
    return 10 + 80 * t + 5;
}
inline int ty(int slot) {
    return 150 + 20 * slot + 5;
}

/// A PlayTable with a simple layout for pointer and drop tests: the stock
/// at (10, 10) and the waste at (90, 10) when `withStock`, foundations in a
/// row at y 10 from x 250, tableaus at y 150 every 80 pixels from x 10, and
/// reserves at y 600. Cards are 71 x 96, fanned 20 pixels (face up) and 5
/// (face down) down; no shadow, no jitter.
struct LaidOutTable : PlayTable {
    explicit LaidOutTable(int foundations = 4, int tableaus = 7, int reserves = 0,
                          bool withStock = true)
        : PlayTable(foundations, tableaus, reserves) {
        table::TMainGame& g = state.mainGame;
        for (int s = 0; s < table::kStockPiles; ++s) {
            const bool placed = withStock && s < 2;
            g.setStockX(s, placed ? 10 + 80 * s : table::kNotPlacedStock);
            g.setStockY(s, placed ? 10 : table::kNotPlacedStock);
        }
        for (int f = 0; f < table::kMaxFoundations; ++f) {
            const bool placed = f < foundations;
            g.setFoundationX(f, placed ? 250 + 80 * f : table::kNotPlacedFoundation);
            g.setFoundationY(f, placed ? 10 : table::kNotPlacedFoundation);
        }
        for (int t = 0; t < table::kMaxTableaus; ++t) {
            g.setTableauX(t, t < tableaus ? 10 + 80 * t : table::kNotPlacedTableau);
            g.setTableauY(t, t < tableaus ? 150 : table::kNotPlacedTableau);
        }
        for (int r = 0; r < table::kMaxReserves; ++r) {
            g.setReserveX(r, r < reserves ? 10 + 80 * r : table::kNotPlacedReserve);
            g.setReserveY(r, r < reserves ? 600 : table::kNotPlacedReserve);
        }
        g.setCell(table::cell::FaceUpStepDown, 20);
        g.setCell(table::cell::FaceDownStepDown, 5);
        g.setCell(table::cell::PlainFanStep, 20);
        g.setCell(table::cell::ScrollOffset, 0);
        state.settings.write(settings::field::PilesTT, "N");
        state.settings.write(settings::field::CardsShadowed, "N");
        param(param::TableauFanStyle, 1);
        param(param::FoundationFanStyle, 1);
        param(param::ReserveFanStyle, 1);
        param(param::StockPilesPlaced, withStock ? 2 : 0);
        param(param::AutoplayAvailable, 1);
        param(param::AutomaticFaceUp, 1);
        param(param::RunSizeLimit, -1);
        state.flags.set(table::Flag::GameInPlay);
    }

    /// Klondike-like rules: foundations ace up in suit, tableaus down in
    /// alternating colours, any card on an empty tableau.
    LaidOutTable& klondikeRules() {
        for (int f = 0; f < state.params[param::FoundationCount]; ++f) {
            foundationRule(f, 0, 1, 1);
        }
        for (int t = 0; t < state.params[param::TableauCount]; ++t) {
            tableauRule(t, 3, 0, -1);
        }
        return *this;
    }
};

} // namespace vellomir::testing
