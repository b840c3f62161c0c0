#include "table/pile_positions.h"

#include "catalogue/parameter_index.h"
#include "seam/frontend.h"
#include "table/card_metrics.h"
#include "table/fitted_layout.h"
#include "table/layout_codes.h"
#include "table/layout_context.h"

#include <algorithm>
#include <cmath>

namespace vellomir::table {

namespace param = catalogue::param;
using layout::ceilDiv;
using layout::floorDiv;
using layout::Kind;
using layout::LayoutContext;

namespace layout {

namespace {

int heldDigit(int digit) {
    return std::clamp(digit, 1, 4);
}

bool oneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// A length of the shrunk area at the window's real size.
long realSize(int length, const LayoutArea& area) {
    return std::lround(length * area.shrunkBy);
}

int computeStockGap(const ProgramState& state, const LayoutArea& area) {
    const auto& p = state.params;
    int gap = realSize(area.width, area) >= 652 ? 10 : 3;
    if (p[param::StockPilesPlaced] > 0) {
        gap += state.shadowOffset;
        if (oneOf(p[param::StockLayout],
                  {layout_code::kStockLeftWasteBelow, layout_code::kStockOverFirstTableaus,
                   layout_code::kStockPilesFromLeftEdge, layout_code::kOneStockPileLeftOfTableaus,
                   layout_code::kOneStockPileFarLeftOfTableaus}) ||
            p[param::DiscardLayout] == layout_code::kDiscardPlacedByStockLayout) {
            gap += 15;
        }
    }
    return gap;
}

} // namespace

LayoutContext::LayoutContext(ProgramState& state, const LayoutArea& area, ScreenSize screen)
    : W(state.cardSize.width), H(state.cardSize.height), shadow(state.shadowOffset),
      unit(state.mainGame.cell(cell::SpacingUnit) > 0 ? state.mainGame.cell(cell::SpacingUnit) : 6),
      area(area), screen(screen), lowWindow(realSize(area.outerHeight, area) <= 499),
      lowScreen(realSize(screen.height, area) <= 499), narrowArea(realSize(area.width, area) < 652),
      narrowScreen(realSize(screen.width, area) < 650), v(lowWindow ? 5 : 10),
      u(area.width - 2 - (lowWindow ? 10 : 0)), h(area.height - area.top),
      lowestTop(area.outerHeight * 10 > screen.height * 8 ? area.outerHeight - H - 50
                                                          : screen.height - H - 30),
      stockGap(computeStockGap(state, area)), m_state(state) {
    const int stockRow = param(param::StockRow);
    if (code(Kind::Tableau) == 15) {
        m_rows[1] = area.top + 15;
        m_rows[2] = area.top + H + 20;
        m_rows[3] = area.top + 2 * H + 25;
        m_rows[4] = m_rows[3] + H + 5;
        return;
    }
    m_rows[1] = area.top + v + (stockRow == 1 ? 15 : 0);
    int gap = (stockRow != 2 && code(Kind::Stock) != 3) ? 10 : 25;
    if (lowWindow) {
        gap -= 5;
    }
    m_rows[2] = m_rows[1] + H + gap;
    m_rows[3] = m_rows[2] + v + H;
    m_rows[4] = m_rows[3] + v + H;
}

int LayoutContext::code(Kind kind) const {
    switch (kind) {
    case Kind::Stock:
        return param(param::StockLayout);
    case Kind::Foundation:
        return param(param::FoundationLayout);
    case Kind::Tableau:
        return param(param::TableauLayout);
    case Kind::Reserve:
        return param(param::ReserveLayout);
    case Kind::Discard:
        return param(param::DiscardLayout);
    }
    return 0;
}

int LayoutContext::rowDigit(Kind kind) const {
    switch (kind) {
    case Kind::Stock:
        return heldDigit(param(param::StockRow));
    case Kind::Foundation:
        return heldDigit(param(param::FoundationRow));
    case Kind::Tableau:
        return heldDigit(param(param::TableauRow));
    case Kind::Reserve:
        return heldDigit(param(param::ReserveRow));
    case Kind::Discard:
        return heldDigit(param(param::DiscardRow));
    }
    return 1;
}

int LayoutContext::tableauCount() const {
    return std::clamp(param(param::TableauCount), 0, kMaxTableaus);
}
int LayoutContext::foundationCount() const {
    return std::clamp(param(param::FoundationCount), 0, kMaxFoundations);
}
int LayoutContext::reserveCount() const {
    return std::clamp(param(param::ReserveCount), 0, kMaxReserves);
}
int LayoutContext::stockPileCount() const {
    return std::clamp(param(param::StockPilesPlaced), 0, kStockPiles);
}
bool LayoutContext::hasDiscardPile() const {
    return param(param::DiscardPresent) > 0;
}

int LayoutContext::row(int digit) const {
    return m_rows[static_cast<std::size_t>(heldDigit(digit))];
}

int LayoutContext::fourRowSet(int index) const {
    const int start = area.top + std::max(2, floorDiv(h - 4 * H - 30, 2));
    if (index <= 2) {
        return start + index * (H + 10);
    }
    // The fourth row lies a card height and 20 pixels below the third; any
    // further row again a card height and 10 pixels lower.
    return start + 3 * H + 40 + (index - 3) * (H + 10);
}

int LayoutContext::threeRowSet(int index) const {
    return area.top + std::max(2, floorDiv(h - 3 * H - 20, 2)) + index * (H + 10);
}

int LayoutContext::bottomLimit() const {
    return std::min(area.height - H, lowestTop);
}

void LayoutContext::setTableau(int i, int x, int y) {
    m_state.mainGame.setTableauX(i, x);
    m_state.mainGame.setTableauY(i, y);
}
void LayoutContext::setFoundation(int i, int x, int y) {
    m_state.mainGame.setFoundationX(i, x);
    m_state.mainGame.setFoundationY(i, y);
}
void LayoutContext::setReserve(int i, int x, int y) {
    m_state.mainGame.setReserveX(i, x);
    m_state.mainGame.setReserveY(i, y);
}
void LayoutContext::setStockPile(int i, int x, int y) {
    m_state.mainGame.setStockX(i, x);
    m_state.mainGame.setStockY(i, y);
}

int LayoutContext::tableauColumnX(int i) const {
    const int n = tableauCount();
    const int step = W + std::max(1, tableauGap);
    if (n == 0) {
        return stockGap + i * step;
    }
    if (i < 0) {
        return tableauX(0) + i * step;
    }
    if (i >= n) {
        return tableauX(n - 1) + (i - n + 1) * step;
    }
    return tableauX(i);
}

} // namespace layout

namespace {

// --- Stock and waste -----------------------------------------------------------
// Each stock code places up to parameter-302 piles of the stock list at the
// stock's row. Where a code's rule names a place for the waste only under
// parameter 9, the waste also goes there when parameter 302 asks for it.

using PlaceFn = void (*)(LayoutContext&);

int leftOfTableau1(const LayoutContext& c, int by) {
    return c.tableauColumnX(0) - c.W - by;
}

int stockRowTop(const LayoutContext& c) {
    return c.row(c.rowDigit(Kind::Stock));
}

void placeStockAndWaste(LayoutContext& c, int stockX, int wasteX) {
    c.setStockPile(kStock, stockX, stockRowTop(c));
    if (c.stockPileCount() >= 2) {
        c.setStockPile(kWaste, wasteX, stockRowTop(c));
    }
}

void placeStockLeftWasteBelow(LayoutContext& c) {
    const int x = leftOfTableau1(c, 22);
    const int digit = c.rowDigit(Kind::Stock);
    // Directly below the stock: row 2 under a stock in row 1, else one card
    // height and the outer margin lower.
    const int wasteY = digit == 1 ? c.row(2) : c.row(digit) + c.H + c.v;
    c.setStockPile(kStock, x, stockRowTop(c));
    if (c.param(param::EmptyWasteIsRedeal) == 1 || c.stockPileCount() >= 2) {
        c.setStockPile(kWaste, x, wasteY);
    }
}

void placeStockOverFirstTableaus(LayoutContext& c) {
    const int y = stockRowTop(c);
    const bool stockShown = c.param(param::EmptyStockIsRedeal) == 1;
    const bool wasteShown = c.param(param::EmptyWasteIsRedeal) == 1;
    if (!stockShown && wasteShown) {
        c.setStockPile(kWaste, c.tableauColumnX(0), y);
        return;
    }
    c.setStockPile(kStock, c.tableauColumnX(0), y);
    if (wasteShown || c.stockPileCount() >= 2) {
        c.setStockPile(kWaste, c.tableauColumnX(1), y);
    }
}

void placeStockPilesFromLeftEdge(LayoutContext& c) {
    for (int i = 0; i < c.stockPileCount(); ++i) {
        c.setStockPile(i, c.stockGap + i * (c.W + c.stockGap), stockRowTop(c));
    }
}

void placeStockAndWasteLeftOfTableaus(LayoutContext& c) {
    const int wasteX = leftOfTableau1(c, 45);
    placeStockAndWaste(c, wasteX - c.W - 15, wasteX);
}

void placeStockAndWasteAtLeftEdge(LayoutContext& c) {
    const int x = c.lowScreen ? 15 : 15 + c.shadow / 2;
    placeStockAndWaste(c, x, x + c.W + 15);
}

// These two codes show one pile beside tableau 1: the stock when the empty
// stock is the redeal button, else the waste.
void oneStockPile(LayoutContext& c, int by) {
    const int pile = c.param(param::EmptyStockIsRedeal) == 1 ? kStock : kWaste;
    c.setStockPile(pile, leftOfTableau1(c, by), stockRowTop(c));
}

void placeOneStockPileLeftOfTableaus(LayoutContext& c) {
    oneStockPile(c, 30);
}
void placeOneStockPileFarLeftOfTableaus(LayoutContext& c) {
    oneStockPile(c, 60);
}

void placeStockAndWasteCloseLeftOfTableaus(LayoutContext& c) {
    const int wasteX = leftOfTableau1(c, 15);
    placeStockAndWaste(c, wasteX - c.W - 20, wasteX);
}

// --- Foundations -----------------------------------------------------------------

int foundationStep(const LayoutContext& c) {
    return std::max(1, c.tableauGap / 3);
}

int foundationRowTop(const LayoutContext& c) {
    return c.row(c.rowDigit(Kind::Foundation));
}

// Foundations in a row ending at `lastX`, each `step` right of the one before.
void foundationsEndingAt(LayoutContext& c, int lastX, int step) {
    const int g = c.foundationCount();
    for (int i = 0; i < g; ++i) {
        c.setFoundation(i, lastX - (g - 1 - i) * step, foundationRowTop(c));
    }
}

void placeFoundationsSpreadAcross(LayoutContext& c) {
    const int g = c.foundationCount();
    const int e = std::max(1, floorDiv(c.u - g * c.W - 2, g + 1));
    for (int i = 0; i < g; ++i) {
        c.setFoundation(i, e + i * (c.W + e), foundationRowTop(c));
    }
}

void placeFoundationsCentred(LayoutContext& c) {
    const int g = c.foundationCount();
    const int gap = std::max(1, c.tableauGap / 2);
    const int x = floorDiv(c.u - g * c.W - (g - 1) * gap, 2);
    for (int i = 0; i < g; ++i) {
        c.setFoundation(i, x + i * (c.W + gap), foundationRowTop(c));
    }
}

void placeFoundationsOverLastTableaus(LayoutContext& c) {
    const int g = c.foundationCount();
    for (int i = 0; i < g; ++i) {
        c.setFoundation(i, c.tableauColumnX(c.tableauCount() - g + i), foundationRowTop(c));
    }
}

void placeFoundationsInTwoRowsOverLastTableaus(LayoutContext& c) {
    const int g = c.foundationCount();
    const int perRow = (g + 1) / 2;
    const int digit = c.rowDigit(Kind::Foundation);
    for (int i = 0; i < g; ++i) {
        const int column = c.tableauCount() - perRow + i % perRow;
        c.setFoundation(i, c.tableauColumnX(column), c.row(i < perRow ? digit : digit + 1));
    }
}

void placeFoundationsAtRightEdge(LayoutContext& c) {
    foundationsEndingAt(c, c.u - c.W - c.stockGap - 5, c.W + c.stockGap);
}

void placeFoundationsEndingOverLastTableau(LayoutContext& c) {
    foundationsEndingAt(c, c.tableauColumnX(c.tableauCount() - 1), c.W + foundationStep(c));
}

void placeFoundationsOverLastTableausNarrowed(LayoutContext& c) {
    if (!c.lowScreen) {
        placeFoundationsOverLastTableaus(c);
    } else {
        foundationsEndingAt(c, c.tableauColumnX(c.tableauCount() - 1), c.W + 1);
    }
}

void placeFoundationsBesideStock(LayoutContext& c) {
    int pile = c.param(param::EmptyWasteIsRedeal) == 1 ? kWaste : kStock;
    if (!c.stockPlaced(pile)) {
        pile = pile == kWaste ? kStock : kWaste;
    }
    if (!c.stockPlaced(pile)) {
        // Nothing to stand beside: an ordinary row from the left.
        placeFoundationsSpreadAcross(c);
        return;
    }
    const int x = c.stockX(pile) + c.W + (c.lowScreen ? 10 : 20);
    const int step = c.W + (c.lowScreen ? 1 : 3);
    for (int i = 0; i < c.foundationCount(); ++i) {
        c.setFoundation(i, x + i * step, c.stockY(pile));
    }
}

// --- Reserves --------------------------------------------------------------------

int reserveRowTop(const LayoutContext& c) {
    return c.row(c.rowDigit(Kind::Reserve));
}

void reservesInRow(LayoutContext& c, int x, int step) {
    for (int i = 0; i < c.reserveCount(); ++i) {
        c.setReserve(i, x + i * step, reserveRowTop(c));
    }
}

// Reserves in a column from the reserves' row down: reserve 1 stands left
// of the tableaus and the others under it.
void reservesInColumn(LayoutContext& c, int x) {
    for (int i = 0; i < c.reserveCount(); ++i) {
        c.setReserve(i, x, reserveRowTop(c) + i * (c.H + c.v));
    }
}

void placeReservesOverTableaus(LayoutContext& c) {
    for (int i = 0; i < c.reserveCount(); ++i) {
        c.setReserve(i, c.tableauColumnX(i), reserveRowTop(c));
    }
}

void placeReservesFromLeftEdge(LayoutContext& c) {
    reservesInRow(c, c.stockGap, c.W + c.stockGap);
}

void placeReservesFromFirstTableau(LayoutContext& c) {
    reservesInRow(c, c.tableauColumnX(0), c.W + foundationStep(c));
}

void placeReservesOverLastTableaus(LayoutContext& c) {
    const int r = c.reserveCount();
    for (int i = 0; i < r; ++i) {
        c.setReserve(i, c.tableauColumnX(c.tableauCount() - r + i), reserveRowTop(c));
    }
}

// Reserve 1 stands over (or under) the waste; the others go on to the left,
// over the stock's column, each one card width and 15 pixels further.
void placeReservesLeftFromWaste(LayoutContext& c) {
    const int x = c.stockPlaced(kWaste)   ? c.stockX(kWaste)
                  : c.stockPlaced(kStock) ? c.stockX(kStock)
                                          : c.stockGap;
    reservesInRow(c, x, -(c.W + 15));
}

void placeReservesInColumnLeftOfTableaus(LayoutContext& c) {
    reservesInColumn(c, leftOfTableau1(c, c.tableauCount() > 7 ? 22 : 45));
}

// --- Discard pile ----------------------------------------------------------------

int discardRowTop(const LayoutContext& c) {
    return c.row(c.rowDigit(Kind::Discard));
}

void placeDiscardOverSecondTableau(LayoutContext& c) {
    c.setStockPile(kDiscard, c.tableauColumnX(1), discardRowTop(c));
}

void placeDiscardOverLastTableau(LayoutContext& c) {
    c.setStockPile(kDiscard, c.tableauColumnX(c.tableauCount() - 1), discardRowTop(c));
}

void placeDiscardBelowStock(LayoutContext& c) {
    const int x = c.stockPlaced(kStock)   ? c.stockX(kStock)
                  : c.stockPlaced(kWaste) ? c.stockX(kWaste)
                                          : c.stockGap;
    const int rowBefore = std::max(1, c.rowDigit(Kind::Discard) - 1);
    c.setStockPile(kDiscard, x, c.row(rowBefore) + c.H + 20);
}

// This code changes the gaps only; the stock's kStockPilesFromLeftEdge may
// place the pile.
void placeDiscardPlacedByStockLayout(LayoutContext&) {}

struct CodeEntry {
    int code;
    PlaceFn place;
};

constexpr CodeEntry kStockCodes[] = {
    {layout_code::kStockLeftWasteBelow, placeStockLeftWasteBelow},
    {layout_code::kStockOverFirstTableaus, placeStockOverFirstTableaus},
    {layout_code::kStockPilesFromLeftEdge, placeStockPilesFromLeftEdge},
    {layout_code::kStockAndWasteLeftOfTableaus, placeStockAndWasteLeftOfTableaus},
    {layout_code::kStockAndWasteAtLeftEdge, placeStockAndWasteAtLeftEdge},
    {layout_code::kOneStockPileLeftOfTableaus, placeOneStockPileLeftOfTableaus},
    {layout_code::kOneStockPileFarLeftOfTableaus, placeOneStockPileFarLeftOfTableaus},
    {layout_code::kStockAndWasteCloseLeftOfTableaus, placeStockAndWasteCloseLeftOfTableaus},
};
constexpr CodeEntry kFoundationCodes[] = {
    {layout_code::kFoundationsSpreadAcross, placeFoundationsSpreadAcross},
    {layout_code::kFoundationsCentred, placeFoundationsCentred},
    {layout_code::kFoundationsOverLastTableaus, placeFoundationsOverLastTableaus},
    {layout_code::kFoundationsAtRightEdge, placeFoundationsAtRightEdge},
    {layout_code::kFoundationsEndingOverLastTableau, placeFoundationsEndingOverLastTableau},
    {layout_code::kFoundationsOverLastTableausNarrowed, placeFoundationsOverLastTableausNarrowed},
    {layout_code::kFoundationsBesideStock, placeFoundationsBesideStock},
    {layout_code::kFoundationsInTwoRowsOverLastTableaus, placeFoundationsInTwoRowsOverLastTableaus},
};
constexpr CodeEntry kReserveCodes[] = {
    {layout_code::kReservesOverTableaus, placeReservesOverTableaus},
    {layout_code::kReservesFromLeftEdge, placeReservesFromLeftEdge},
    {layout_code::kReservesFromFirstTableau, placeReservesFromFirstTableau},
    {layout_code::kReservesOverLastTableaus, placeReservesOverLastTableaus},
    {layout_code::kReservesLeftFromWaste, placeReservesLeftFromWaste},
    {layout_code::kReservesInColumnLeftOfTableaus, placeReservesInColumnLeftOfTableaus},
};
constexpr CodeEntry kDiscardCodes[] = {
    {layout_code::kDiscardPlacedByStockLayout, placeDiscardPlacedByStockLayout},
    {layout_code::kDiscardOverSecondTableau, placeDiscardOverSecondTableau},
    {layout_code::kDiscardOverLastTableau, placeDiscardOverLastTableau},
    {layout_code::kDiscardBelowStock, placeDiscardBelowStock},
};

template <std::size_t N> void placeByCode(const CodeEntry (&table)[N], int code, LayoutContext& c) {
    for (const CodeEntry& entry : table) {
        if (entry.code == code) {
            entry.place(c);
            return;
        }
    }
}

// Moves what the tableau arrangement placed so that tableau 1 starts at x.
void shiftArrangement(ProgramState& state, const LayoutContext& c, int x) {
    TMainGame& game = state.mainGame;
    const int dx = x - game.tableauX(0);
    for (int i = 0; i < c.tableauCount(); ++i) {
        if (game.tableauX(i) >= kPlacedThreshold) {
            game.setTableauX(i, game.tableauX(i) + dx);
        }
    }
    for (int i = 0; c.foundationsPlaced && i < c.foundationCount(); ++i) {
        game.setFoundationX(i, game.foundationX(i) + dx);
    }
    for (int i = 0; i < kStockPiles; ++i) {
        const bool byArrangement = i == kDiscard ? c.discardPlaced : c.stockPilesPlaced;
        if (byArrangement && game.stockX(i) >= kPlacedThreshold) {
            game.setStockX(i, game.stockX(i) + dx);
        }
    }
}

void layoutPass(ProgramState& state, const LayoutArea& area, ScreenSize screen,
                std::optional<int> tableauStart) {
    state.mainGame.resetGeometry();
    LayoutContext c(state, area, screen);

    if (c.tableauCount() > 0) {
        if (const layout::Arrangement arrange = layout::tableauArrangement(c.code(Kind::Tableau))) {
            arrange(c);
            if (tableauStart) {
                shiftArrangement(state, c, *tableauStart);
            }
        }
    }
    if (c.stockPileCount() > 0 && !c.stockPilesPlaced) {
        placeByCode(kStockCodes, c.code(Kind::Stock), c);
    }
    if (c.foundationCount() > 0 && !c.foundationsPlaced) {
        placeByCode(kFoundationCodes, c.code(Kind::Foundation), c);
    }
    if (c.reserveCount() > 0) {
        placeByCode(kReserveCodes, c.code(Kind::Reserve), c);
    }
    if (c.hasDiscardPile() && !c.discardPlaced) {
        placeByCode(kDiscardCodes, c.code(Kind::Discard), c);
    }
}

// With reserves in a row from the left edge, tableau 1 must start
// clear of the last reserve when a tableau comes within 85 pixels of it on
// the same height. Returns where it must start, or nothing.
std::optional<int> tableauStartClearOfReserves(const ProgramState& state) {
    const auto& p = state.params;
    const TMainGame& game = state.mainGame;
    const int reserves = std::clamp(p[param::ReserveCount], 0, kMaxReserves);
    if (p[param::ReserveLayout] != layout_code::kReservesFromLeftEdge || reserves == 0) {
        return std::nullopt;
    }
    const int W = state.cardSize.width;
    const int H = state.cardSize.height;
    const int rx = game.reserveX(reserves - 1);
    const int ry = game.reserveY(reserves - 1);
    const int tableaus = std::clamp(p[param::TableauCount], 0, kMaxTableaus);
    for (int i = 0; i < tableaus; ++i) {
        const int tx = game.tableauX(i);
        const int ty = game.tableauY(i);
        if (tx < kPlacedThreshold) {
            continue;
        }
        const bool near = rx < tx + W + 85 && tx < rx + W + 85;
        const bool level = ry < ty + H && ty < ry + H;
        if (near && level) {
            return rx + W + 86;
        }
    }
    return std::nullopt;
}

} // namespace

LayoutArea layoutAreaFor(const ProgramState& state, const seam::Frontend& frontend) {
    if (state.mainGame.cell(cell::PreviewFlag) == 1) {
        const int w = frontend.previewPictureWidth();
        const int h = frontend.previewPictureHeight();
        return {w, h, h, 3};
    }
    return {frontend.drawingAreaWidth(), frontend.drawingAreaHeight() - 1,
            frontend.windowOuterHeight(), frontend.tableTopMargin()};
}

void computePilePositions(ProgramState& state, seam::Frontend& frontend) {
    const CardSize before = state.cardSize;
    computePilePositions(state, layoutAreaFor(state, frontend),
                         {frontend.screenWidth(), frontend.screenHeight()});
    if (state.cardSize.width != before.width || state.cardSize.height != before.height) {
        frontend.cardSizeChanged(state.cardSize.width, state.cardSize.height);
    }
}

void computePilePositions(ProgramState& state, const LayoutArea& area, ScreenSize screen) {
    if (cardsFitWindow(state.settings)) {
        layOutFittedCards(state, area, screen);
    } else {
        computeFixedPilePositions(state, area, screen);
    }
    computeFanLimits(state, area);
}

void computeFixedPilePositions(ProgramState& state, const LayoutArea& area, ScreenSize screen) {
    state.mainGame.setCell(cell::ScrollOffset, 0);
    std::optional<int> start;
    layoutPass(state, area, screen, start);
    // Each new pass starts the tableaus further right, so this ends; the
    // bound only guards against a figure that keeps hitting the reserves.
    for (int pass = 0; pass < 8; ++pass) {
        const std::optional<int> needed = tableauStartClearOfReserves(state);
        if (!needed || (start && *needed <= *start)) {
            break;
        }
        start = needed;
        layoutPass(state, area, screen, start);
    }
    // The stock, the waste and the discard pile keep their laid-out places as
    // base positions: the drawing moves them up and left by their depth.
    for (int i = 0; i < kStockPiles; ++i) {
        state.mainGame.setCell(cell::StockBaseX + i, state.mainGame.cell(cell::StockX + i));
        state.mainGame.setCell(cell::StockBaseY + i, state.mainGame.cell(cell::StockY + i));
    }
}

} // namespace vellomir::table
