#pragma once

// Helpers of the window tests that play on the table of a running program.

#include "program_fixture.h"
#include "table/program_state.h"
#include "ui/main_window.h"
#include "ui/table_view.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

namespace vellomir::testing {

/// A returning Klondike player (a statistics file, so no chooser opens) in
/// a window of known size, with no flights, no deal animation and no
/// autoplay: every click changes just what it plays.
inline void writeReturningKlondikePlayer(const ProgramDirectory& directory) {
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=1\nAutoPlay=N\nDeal_Animation=N\n"
                                    "Cards_Animate=N\nMainWindowState_Maximized=N\n"
                                    "MainWindowState_Width=900\nMainWindowState_Height=700\n");
    directory.write("DATA/Stat_e00.dat", "");
}

/// The table's picture once pending paints are done.
inline QImage tablePicture(ui::TfrmMain& window) {
    QCoreApplication::processEvents();
    return window.tableView()->image()->copy();
}

/// A click on the stock: the next cards are turned onto the waste.
inline void clickStock(ui::TfrmMain& window, const table::ProgramState& state) {
    const table::TMainGame& g = state.mainGame;
    // Table pixels to the view's (they differ at a fractional screen ratio).
    const QPointF onStock = QPointF(g.stockX(table::kStock) + 10, g.stockY(table::kStock) + 10) /
                            window.tableView()->tableScale();
    QTest::mouseClick(window.tableView(), Qt::LeftButton, Qt::NoModifier, onStock.toPoint());
}

} // namespace vellomir::testing
