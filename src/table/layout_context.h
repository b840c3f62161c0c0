#pragma once

// Shared working state of one pile layout pass. Only the layout's own source
// files include this header.

#include "table/pile_positions.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vellomir::table::layout {

// Integer division rounded towards minus infinity: the layout's halves and
// shares are "rounded down" also when the room left is negative.
inline int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

inline int ceilDiv(int a, int b) {
    return -floorDiv(-a, b);
}

enum class Kind { Stock, Foundation, Tableau, Reserve, Discard };

class LayoutContext {
public:
    LayoutContext(ProgramState& state, const LayoutArea& area, ScreenSize screen);

    int param(int index) const { return m_state.params[index]; }
    // The arrangement code (three digits) and the row digit (1-4) of a kind.
    int code(Kind kind) const;
    int rowDigit(Kind kind) const;
    int tableauCount() const;
    int foundationCount() const;
    int reserveCount() const;
    int stockPileCount() const; // parameter 302, held to the three stock-list piles
    bool hasDiscardPile() const;

    // Top of general row 1-4; digits outside that range are held to it.
    int row(int digit) const;
    // Rows of the centred sets, 0-based.
    int fourRowSet(int index) const;
    int threeRowSet(int index) const;
    // Lowest top a card may have and still lie wholly in the area.
    int bottomLimit() const;

    // Positions, stored as table coordinates (the scroll offset is 0 here).
    void setTableau(int i, int x, int y);
    void setFoundation(int i, int x, int y);
    void setReserve(int i, int x, int y);
    void setStockPile(int i, int x, int y);
    int tableauX(int i) const { return m_state.mainGame.tableauX(i); }
    int tableauY(int i) const { return m_state.mainGame.tableauY(i); }
    int stockX(int i) const { return m_state.mainGame.stockX(i); }
    int stockY(int i) const { return m_state.mainGame.stockY(i); }
    bool stockPlaced(int i) const { return stockX(i) >= kPlacedThreshold; }
    // x of tableau i (0-based); past either end of the placed tableaus the
    // step between the last two placed columns is carried on.
    int tableauColumnX(int i) const;

    const int W;      // card width
    const int H;      // card height
    const int shadow; // shadow offset
    const int unit;   // spacing unit (cell 72)
    const LayoutArea area;
    const ScreenSize screen;
    const bool lowWindow;    // the window (or preview) is at most 499 pixels high
    const bool lowScreen;    // the screen is at most 499 pixels high
    const bool narrowArea;   // the area is narrower than 652 pixels
    const bool narrowScreen; // the screen is narrower than 650 pixels
    const int v;             // outer margin
    const int u;             // usable width
    const int h;             // area height below the top margin
    const int lowestTop;     // lowest card top the rows may reach
    const int stockGap;      // gap beside the stock

    // Results of the tableau arrangement.
    int tableauGap = 0;              // the gap the arrangement left between tableaus
    bool foundationsPlaced = false;  // the arrangement placed the foundations itself
    bool stockPilesPlaced = false;   // ... the stock and waste
    bool discardPlaced = false;      // ... the discard pile
    std::optional<int> tableauStart; // x tableau 1 must start at (reserve code 005)

private:
    ProgramState& m_state;
    std::array<int, 5> m_rows{};
};

// The tableau arrangement for a code, or nullptr for an unknown code.
using Arrangement = void (*)(LayoutContext&);
Arrangement tableauArrangement(int code);

} // namespace vellomir::table::layout
