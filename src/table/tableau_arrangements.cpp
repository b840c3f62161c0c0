// The tableau arrangement codes. Each code is one function; the table at the
// end picks it. The tableaus are laid out first, and the other piles measure
// from them.

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/layout_codes.h"
#include "table/layout_context.h"
#include "table/peak_rows.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace vellomir::table::layout {

using catalogue::codeOf;
using catalogue::FanStyle;
namespace {

namespace param = catalogue::param;

int tableauRowTop(const LayoutContext& c) {
    return c.row(c.rowDigit(Kind::Tableau));
}

void placeRow(LayoutContext& c, int first, int count, int x, int y, int step) {
    for (int i = 0; i < count && first + i < c.tableauCount(); ++i) {
        c.setTableau(first + i, x + i * step, y);
    }
}

// A gap that shares the room left beside `count` cards over count + 1 gaps,
// held between 4 and 20 pixels.
int sharedGap(const LayoutContext& c, int count) {
    return std::clamp(floorDiv(c.u - count * c.W, count + 1), 4, 20);
}

int centredRowX(const LayoutContext& c, int count, int gap) {
    return floorDiv(c.u - count * c.W - (count - 1) * gap, 2);
}

bool fannedDown(const LayoutContext& c) {
    const int style = c.param(param::TableauFanStyle);
    return style == codeOf(FanStyle::Down) || style == codeOf(FanStyle::DownTopOnly) ||
           style == codeOf(FanStyle::DownPlainStep) || style == codeOf(FanStyle::DownFirstStep);
}

// Step between stacked rows of tableaus that start at `firstY`: the outer
// margin between card rows, or, with `spread`, all the height down to the
// lowest allowed card top shared out, so that fanned piles get the most room.
// The step never lets two rows overlap, even if the last row then runs below
// the area (the table scrolls).
int stackedRowStep(const LayoutContext& c, int firstY, int rows, bool spread) {
    if (rows <= 1) {
        return c.H + c.v;
    }
    const int room = floorDiv(c.bottomLimit() - firstY, rows - 1);
    const int step = spread ? room : std::min(c.H + c.v, room);
    return std::max(step, c.H + 2);
}

// Rows of tableaus of the given sizes, numbered row by row. The gap suits the
// widest row; each row is centred, or all start at the widest row's left
// edge so that the columns line up.
void placeStackedRows(LayoutContext& c, const std::vector<int>& sizes, int firstY, int step,
                      bool centreEach) {
    const int widest = *std::max_element(sizes.begin(), sizes.end());
    const int gap = sharedGap(c, widest);
    const int left = centredRowX(c, widest, gap);
    int first = 0;
    int y = firstY;
    for (int size : sizes) {
        placeRow(c, first, size, centreEach ? centredRowX(c, size, gap) : left, y, c.W + gap);
        first += size;
        y += step;
    }
    c.tableauGap = gap;
}

// --- Single rows -------------------------------------------------------------

// One centred row whose gap shares the free width; the row never starts left
// of the gap beside the stock. The narrowed rows narrow the gaps to pay for
// that shift.
void fittedRow(LayoutContext& c, int code) {
    const int n = c.tableauCount();
    int gap = sharedGap(c, n);
    if (code == layout_code::kTableauRow &&
        (c.code(Kind::Stock) == layout_code::kStockOverFirstTableaus ||
         c.code(Kind::Discard) == layout_code::kDiscardPlacedByStockLayout)) {
        gap = std::max(gap, 15);
    }
    int x = centredRowX(c, n, gap);
    if (x < c.stockGap) {
        const bool narrows =
            code == layout_code::kTableauRowNarrowed || code == layout_code::kTableauRowNarrowedToo;
        if (narrows && n > 1) {
            gap = std::clamp(gap - ceilDiv(c.stockGap - x, n - 1), 4, 20);
        }
        x = c.stockGap;
        if (narrows && c.narrowScreen) {
            x -= 2;
        }
    }
    placeRow(c, 0, n, x, tableauRowTop(c), c.W + gap);
    c.tableauGap = gap;
}

void placeFittedRow(LayoutContext& c) {
    fittedRow(c, layout_code::kTableauRow);
}
void placeNarrowedRow(LayoutContext& c) {
    fittedRow(c, layout_code::kTableauRowNarrowed);
}
void placeNarrowedRowToo(LayoutContext& c) {
    fittedRow(c, layout_code::kTableauRowNarrowedToo);
}

void placeRowWithFixedGaps(LayoutContext& c) {
    const int n = c.tableauCount();
    const int gap = c.narrowArea ? 5 : 10;
    placeRow(c, 0, n, centredRowX(c, n, gap), tableauRowTop(c), c.W + gap);
    c.tableauGap = gap;
}

// A row that leaves `freeColumns` card columns on its left for the stock and
// the waste.
void rowBesideStock(LayoutContext& c, int freeColumns, int extraShift, bool narrowGap) {
    const int n = c.tableauCount();
    const int m = n + freeColumns;
    int gap = floorDiv(c.u - m * c.W - 30, m + 1);
    if (gap < 4) {
        gap = 4;
    } else if (gap > 20) {
        gap = 15;
    }
    if (narrowGap) {
        gap = 2;
    }
    int x = floorDiv(c.u - 30 - m * c.W - (m - 2) * gap - 10, 2);
    x = std::max(x, c.stockGap) + freeColumns * (c.W + 22) + extraShift;
    placeRow(c, 0, n, x, tableauRowTop(c), c.W + gap);
    c.tableauGap = gap;
}

void placeRowBesideStock(LayoutContext& c) {
    rowBesideStock(c, 1, 0, false);
}
void placeRowBesideStockAndWaste(LayoutContext& c) {
    rowBesideStock(c, 2, 15, false);
}
void placeRowBesideStockShifted(LayoutContext& c) {
    rowBesideStock(c, 1, 15, false);
}
void placeRowCloseBesideStockAndWaste(LayoutContext& c) {
    rowBesideStock(c, 2, 0, true);
}

void placeRowFromLeftEdge(LayoutContext& c) {
    const int gap = 4;
    placeRow(c, 0, c.tableauCount(), c.lowScreen ? 8 : 48, tableauRowTop(c), c.W + gap);
    c.tableauGap = gap;
}

// --- Several rows --------------------------------------------------------------

// Rows of count / rows tableaus (parameter 297) on the centred four-row set,
// from the row of the tableaus' row digit on. When the count does not divide
// evenly, the tableaus left over start one more row under the first columns.
void placeRowsOnFourRowSet(LayoutContext& c) {
    const int n = c.tableauCount();
    const int rows = std::max(1, c.param(param::TableauRows));
    const int perRow = std::max(1, n / rows);
    const int gap = floorDiv(c.u - perRow * c.W - 4, perRow + 1);
    const int firstRow = c.rowDigit(Kind::Tableau) - 1;
    for (int i = 0; i < n; ++i) {
        c.setTableau(i, 2 + gap + (i % perRow) * (c.W + gap), c.fourRowSet(firstRow + i / perRow));
    }
    c.tableauGap = gap;
}

// the tableaus in parameter-297 rows of equal length (the last one
// may be shorter), the columns lined up and the block centred across the
// table, starting at the tableaus' row. Fanned-down tableaus get the whole
// height below shared between the rows; other styles stack with the outer
// margin between rows.
void placeRowsLinedUp(LayoutContext& c) {
    const int n = c.tableauCount();
    const int rows = std::clamp(c.param(param::TableauRows), 1, n);
    const int perRow = ceilDiv(n, rows);
    std::vector<int> sizes;
    for (int left = n; left > 0; left -= perRow) {
        sizes.push_back(std::min(perRow, left));
    }
    const int firstY = tableauRowTop(c);
    placeStackedRows(c, sizes, firstY,
                     stackedRowStep(c, firstY, static_cast<int>(sizes.size()), fannedDown(c)),
                     false);
}

// a triangle of rows holding 1, 2, 3, ... tableaus (the last row
// what is left), each row centred, starting at the tableaus' row. The rows
// do not overlap: each is at least a card height and 2 pixels below the last.
void placeTriangle(LayoutContext& c) {
    std::vector<int> sizes;
    for (int left = c.tableauCount(), size = 1; left > 0; left -= size, ++size) {
        sizes.push_back(std::min(size, left));
    }
    const int firstY = tableauRowTop(c);
    placeStackedRows(c, sizes, firstY,
                     stackedRowStep(c, firstY, static_cast<int>(sizes.size()), false), true);
}

// the tableaus in columns, numbered down each column, for piles
// fanned to the right. Parameter 297 gives the number of columns (at least
// 1); more are added while the columns would run below the area. The columns
// share the width from the gap beside the stock on.
void placeColumnsFannedRight(LayoutContext& c) {
    const int n = c.tableauCount();
    const int firstY = tableauRowTop(c);
    int columns = std::clamp(c.param(param::TableauRows), 1, n);
    while (columns < n && firstY + (ceilDiv(n, columns) - 1) * (c.H + 2) > c.bottomLimit()) {
        ++columns;
    }
    const int perColumn = ceilDiv(n, columns);
    const int pitch = floorDiv(c.u - c.stockGap, columns);
    const int step = stackedRowStep(c, firstY, perColumn, false);
    for (int i = 0; i < n; ++i) {
        c.setTableau(i, c.stockGap + (i / perColumn) * pitch, firstY + (i % perColumn) * step);
    }
    c.tableauGap = std::max(1, pitch - c.W);
}

// --- Grids ---------------------------------------------------------------------

// A grid of `columns` x `rows` tableaus numbered row by row, centred in the
// area; `widthColumns` card columns are reckoned for the centring. More
// tableaus than the grid holds go on in further rows.
void placeGrid(LayoutContext& c, int columns, int rows, int gap, int widthColumns, int xShift) {
    const int n = c.tableauCount();
    rows = std::max(rows, ceilDiv(n, columns));
    const int x =
        std::max(25, floorDiv(c.u - widthColumns * c.W - (widthColumns - 1) * gap, 2) + xShift);
    // A grid taller than the area starts where every first row starts, below
    // the tool bar panel, and the rest of it is scrolled to.
    const int y =
        std::max(c.area.top + c.v, c.area.top + floorDiv(c.h - rows * c.H - (rows - 1) * gap, 2));
    for (int i = 0; i < n; ++i) {
        c.setTableau(i, x + (i % columns) * (c.W + gap), y + (i / columns) * (c.H + gap));
    }
    c.tableauGap = gap;
}

void placeGridFourByFour(LayoutContext& c) {
    if (c.hasDiscardPile()) {
        const int gap = c.lowWindow ? 1 : 5;
        placeGrid(c, 4, 4, gap, 6, -5);
        if (c.tableauCount() >= 5) {
            c.setStockPile(kDiscard, c.tableauX(3) + 2 * c.W + gap,
                           c.tableauY(4) + floorDiv(c.H + gap, 2));
            c.discardPlaced = true;
        }
    } else {
        placeGrid(c, 4, 4, c.lowWindow ? 1 : 10, 4, -5);
    }
}

void placeGridThreeByThree(LayoutContext& c) {
    placeGrid(c, 3, 3, c.lowWindow ? 10 : 15, 3, 0);
}

void placeGridFiveByFive(LayoutContext& c) {
    const int gap = c.lowWindow ? 1 : 3;
    if (c.hasDiscardPile()) {
        placeGrid(c, 5, 5, gap, 7, 0);
        if (c.tableauCount() >= 11) {
            c.setStockPile(kDiscard, c.tableauX(4) + 2 * c.W + gap, c.tableauY(10));
            c.discardPlaced = true;
        }
    } else {
        placeGrid(c, 5, 5, gap, 5, 0);
    }
}

// Ten foundations in a row with two rows of ten tableaus below them; more
// tableaus go on in further rows.
void placeTwoRowsOfTenUnderFoundations(LayoutContext& c) {
    const int gap = c.lowWindow ? 2 : 5;
    const int x = std::max(10, floorDiv(c.u - 10 * c.W - 9 * gap, 2));
    const int y = std::max(c.area.top + 5, c.area.top + floorDiv(c.h - (3 * c.H + 90), 2));
    for (int i = 0; i < c.foundationCount(); ++i) {
        c.setFoundation(i, x + i * (c.W + gap), y);
    }
    c.foundationsPlaced = c.foundationCount() > 0;
    const int firstRow = y + c.H + 15;
    for (int i = 0; i < c.tableauCount(); ++i) {
        c.setTableau(i, x + (i % 10) * (c.W + gap), firstRow + (i / 10) * (c.H + 60));
    }
    c.tableauGap = gap;
}

// --- Figures -------------------------------------------------------------------

// Rows of 4, 5 and 4 tableaus, the short rows set half a column in; more
// tableaus go on alternating rows of 5 and 4.
void placeRowsOfFourFiveFour(LayoutContext& c) {
    const int g = c.lowWindow ? 3 : 5;
    const int wideX = std::max(25, floorDiv(c.u - 5 * c.W - 4 * g, 2));
    const int shortX = wideX + floorDiv(c.W + g, 2);
    int y = std::max(c.row(1), c.area.top + floorDiv(c.h - 3 * c.H - 2 * g, 2));
    for (int first = 0, row = 0; first < c.tableauCount(); ++row) {
        const bool shortRow = row % 2 == 0;
        const int size = shortRow ? 4 : 5;
        placeRow(c, first, size, shortRow ? shortX : wideX, y, c.W + g);
        first += size;
        y += c.H + g;
    }
    c.tableauGap = g;
}

// One column of tableaus, each fanned out to the right, with the discard
// pile far right of them.
struct ColumnFigure {
    int gap;
    int gapLow;
    int widthCards;       // card widths reckoned for the centring
    int widthGaps;        // gaps reckoned for the centring
    int tableaus;         // tableaus the figure is made for
    bool belowRow1;       // the first y is at least the top of row 1 (else top + 5)
    int discardCards;     // discard x = column x + this many card widths + gap
    int discardBeside;    // 0-based tableau the discard pile lies level with
    bool discardHalfDown; // ... moved down by half a card height and gap
};

void placeColumnFigure(LayoutContext& c, const ColumnFigure& f) {
    const int g = c.lowWindow ? f.gapLow : f.gap;
    const int x = std::max(25, floorDiv(c.u - f.widthCards * c.W - f.widthGaps * g, 2));
    const int centredY = c.area.top + floorDiv(c.h - f.tableaus * c.H - (f.tableaus - 1) * g, 2);
    const int y = std::max(f.belowRow1 ? c.row(1) : c.area.top + 5, centredY);
    for (int i = 0; i < c.tableauCount(); ++i) {
        c.setTableau(i, x, y + i * (c.H + g));
    }
    c.tableauGap = g;
    if (c.hasDiscardPile()) {
        const int besideY = y + f.discardBeside * (c.H + g);
        c.setStockPile(kDiscard, x + f.discardCards * c.W + g,
                       besideY + (f.discardHalfDown ? floorDiv(c.H + g, 2) : 0));
        c.discardPlaced = true;
    }
}

void placeColumnOfFour(LayoutContext& c) {
    placeColumnFigure(c, {5, 2, 8, 6, 4, true, 7, 1, true});
}
void placeColumnOfFive(LayoutContext& c) {
    placeColumnFigure(c, {3, 1, 10, 8, 5, false, 9, 2, false});
}
void placeColumnOfThree(LayoutContext& c) {
    placeColumnFigure(c, {5, 2, 6, 4, 3, false, 5, 1, false});
}

// A cross of five tableaus with the foundations in its corners and the stock
// and waste to its left. Tableaus 6 to 8 have no place on the table.
void placeCross(LayoutContext& c) {
    const int V = c.lowWindow ? 25 : 35;
    const int left = std::max(c.W + 2 * V + 25, floorDiv(c.u - 3 * c.W - 2 * V, 2));
    const int centre = left + c.W + V;
    const int right = centre + c.W + V;
    const int top = std::max(c.row(1), c.area.top + floorDiv(c.h - 3 * c.H - 2 * V, 2));
    const int middle = top + c.H + V;
    const int bottom = middle + c.H + V;
    const int xs[] = {centre, left, centre, right, centre};
    const int ys[] = {top, middle, middle, middle, bottom};
    for (int i = 0; i < std::min(5, c.tableauCount()); ++i) {
        c.setTableau(i, xs[i], ys[i]);
    }
    c.tableauGap = V;

    const int piles = c.stockPileCount();
    if (piles >= 1) {
        c.setStockPile(kStock, left - c.W - 2 * V, top);
    }
    if (piles >= 2) {
        c.setStockPile(kWaste, left - c.W - 2 * V, middle);
    }
    c.stockPilesPlaced = true;

    const int cornerX[] = {left + 7, right - 7, left + 7, right - 7};
    const int cornerY[] = {top + 7, top + 7, bottom - 7, bottom - 7};
    for (int i = 0; i < c.foundationCount(); ++i) {
        if (i < 4) {
            c.setFoundation(i, cornerX[i], cornerY[i]);
        } else {
            // Foundations beyond the four corners stand in a column right of the cross.
            c.setFoundation(i, right + c.W + V, top + (i - 4) * (c.H + c.v));
        }
    }
    c.foundationsPlaced = c.foundationCount() > 0;
}

// A staircase of tableaus running down to the left, each overlapping the one
// before; stock and waste on the left, the discard pile on the right.
void placeStaircase(LayoutContext& c) {
    const int n = c.tableauCount();
    const int step = c.W / 2 + c.unit / 2;
    const int drop = c.lowScreen ? c.H / 2 - 8 : c.H / 2 + 4;
    const int stockX = c.lowScreen ? 15 : 40;
    int x = floorDiv(c.u - c.W, 2);
    if (n >= 6) {
        while (stockX + c.W + 3 >= x - 5 * step) {
            x += 3;
        }
    }
    for (int i = 0; i < n; ++i) {
        c.setTableau(i, x - i * step, c.row(1) + i * drop);
    }
    c.tableauGap = 1;

    const int piles = c.stockPileCount();
    if (piles >= 1) {
        c.setStockPile(kStock, stockX, c.row(1));
    }
    if (piles >= 2) {
        c.setStockPile(kWaste, stockX, c.row(2) + 10);
    }
    c.stockPilesPlaced = true;

    if (c.hasDiscardPile()) {
        int discardX = c.u - step - c.W;
        const int clear = (x - 5 * step) + 6 * c.W + 5 * c.unit;
        if (discardX < clear) {
            discardX = clear + 3;
        }
        c.setStockPile(kDiscard, discardX, c.row(1));
        c.discardPlaced = true;
    }
}

// The peaks of TriPeaks: each row half a card below the one above, each
// card over the middle of the two that cover it; the stock and the discard
// pile side by side, centred below the bottom row.
void placePeaks(LayoutContext& c) {
    const int peaks = std::clamp(c.param(param::TableauPeaks), 1, kMaxPeaks);
    const int bottomRow = kPeakRows - 1;
    const int gap = sharedGap(c, peakRowSize(peaks, bottomRow));
    const int step = c.W + gap;
    const int left = centredRowX(c, peakRowSize(peaks, bottomRow), gap);
    const int drop = c.H / 2;
    const int top = tableauRowTop(c);
    for (int t = 0; t < c.tableauCount(); ++t) {
        const std::optional<PeakSpot> spot = peakSpot(peaks, t);
        if (!spot) {
            break;
        }
        c.setTableau(t, left + floorDiv(peakHalfSteps(peaks, t) * step, 2), top + spot->row * drop);
    }
    c.tableauGap = gap;

    const int belowY = top + bottomRow * drop + c.H + c.v + 10;
    const int centre = floorDiv(c.u, 2);
    if (c.stockPileCount() >= 1) {
        c.setStockPile(kStock, centre - step, belowY);
    }
    c.stockPilesPlaced = true;
    if (c.hasDiscardPile()) {
        c.setStockPile(kDiscard, centre + gap, belowY);
        c.discardPlaced = true;
    }
}

// The Clock: the twelve hours round an ellipse, 12 o'clock at the top, and
// the kings' pile (tableau 13) in the centre. Each pile is fanned to the
// right by up to four cards, so the ellipse is as wide as keeps 1 and 2
// o'clock apart side by side and as high as keeps 2 and 3 o'clock apart
// one above the other; both are held to the area.
constexpr int kClockHours = 12;
constexpr int kClockGap = 8;

void placeClockFace(LayoutContext& c) {
    const int pileWidth = c.W + floorDiv(2 * c.W, 3);
    const double step = std::numbers::pi / 6;
    // Piles a half and a whole step from 12 o'clock differ by these shares
    // of the radii across (1 and 2 o'clock) and down (2 and 3 o'clock).
    const double across = std::sin(2 * step) - std::sin(step);
    const double down = std::cos(2 * step);
    const int top = tableauRowTop(c);
    const int radiusX = std::min(static_cast<int>(std::ceil((pileWidth + kClockGap) / across)),
                                 floorDiv(c.u - pileWidth, 2));
    const int radiusY = std::min(static_cast<int>(std::ceil((c.H + kClockGap) / down)),
                                 floorDiv(c.bottomLimit() - top, 2));
    const int centreX = floorDiv(c.u, 2);
    const int centreY = top + radiusY + floorDiv(c.H, 2);
    auto place = [&](int t, double dx, double dy) {
        c.setTableau(t, centreX + static_cast<int>(std::lround(dx)) - floorDiv(pileWidth, 2),
                     centreY + static_cast<int>(std::lround(dy)) - floorDiv(c.H, 2));
    };
    for (int hour = 1; hour <= kClockHours && hour <= c.tableauCount(); ++hour) {
        place(hour - 1, radiusX * std::sin(hour * step), -radiusY * std::cos(hour * step));
    }
    if (c.tableauCount() > kClockHours) {
        place(kClockHours, 0, 0);
    }
    c.tableauGap = kClockGap;
}

struct Entry {
    int code;
    Arrangement arrange;
};

constexpr Entry kArrangements[] = {
    {layout_code::kTableauRow, placeFittedRow},
    {layout_code::kTableauRowFixedGaps, placeRowWithFixedGaps},
    {layout_code::kTableauRowBesideStock, placeRowBesideStock},
    {layout_code::kTableauRowsLinedUp, placeRowsLinedUp},
    {layout_code::kTableauRowBesideStockAndWaste, placeRowBesideStockAndWaste},
    {layout_code::kTableauRowBesideStockShifted, placeRowBesideStockShifted},
    {layout_code::kTableauRowFromLeftEdge, placeRowFromLeftEdge},
    {layout_code::kTableauRowNarrowed, placeNarrowedRow},
    {layout_code::kTableauRowNarrowedToo, placeNarrowedRowToo},
    {layout_code::kTableauRowsOnFourRowSet, placeRowsOnFourRowSet},
    {layout_code::kTableauTriangle, placeTriangle},
    {layout_code::kTableauRowCloseBesideStockAndWaste, placeRowCloseBesideStockAndWaste},
    {layout_code::kTableauCross, placeCross},
    {layout_code::kTableauColumnsFannedRight, placeColumnsFannedRight},
    {layout_code::kTableauStaircase, placeStaircase},
    {layout_code::kTableauPeaks, placePeaks},
    {layout_code::kTableauClockFace, placeClockFace},
    {layout_code::kTableauGridFourByFour, placeGridFourByFour},
    {layout_code::kTableauGridThreeByThree, placeGridThreeByThree},
    {layout_code::kTableauGridFiveByFive, placeGridFiveByFive},
    {layout_code::kTableauRowsOfFourFiveFour, placeRowsOfFourFiveFour},
    {layout_code::kTableauColumnOfFour, placeColumnOfFour},
    {layout_code::kTableauColumnOfFive, placeColumnOfFive},
    {layout_code::kTableauColumnOfThree, placeColumnOfThree},
    {layout_code::kTableauTwoRowsOfTenUnderFoundations, placeTwoRowsOfTenUnderFoundations},
};

} // namespace

Arrangement tableauArrangement(int code) {
    for (const Entry& entry : kArrangements) {
        if (entry.code == code) {
            return entry.arrange;
        }
    }
    return nullptr;
}

} // namespace vellomir::table::layout
