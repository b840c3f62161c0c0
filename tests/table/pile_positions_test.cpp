// Known pile positions for each layout code. The expected numbers are worked
// out by hand from the layout rules for a 1000 x 700 area (top margin 5,
// window 740 high) on a 1024 x 768 screen with big cards (71 x 96) and no
// shadow, unless a test says otherwise.

#include "table/pile_positions.h"

#include "catalogue/parameter_index.h"
#include "support/recording_frontend.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <utility>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

struct Pos {
    int x;
    int y;
    friend bool operator==(const Pos&, const Pos&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Pos& p) {
        return out << "(" << p.x << ", " << p.y << ")";
    }
};

class PilePositions : public ::testing::Test {
protected:
    PilePositions() { state.cardSize = {71, 96}; }

    void set(std::initializer_list<std::pair<int, int>> values) {
        for (auto [index, value] : values) {
            state.params.set(index, value);
        }
    }
    void layOut() { computePilePositions(state, area, screen); }

    // 1-based pile numbers, as the piles are named.
    Pos T(int n) const { return {game().tableauX(n - 1), game().tableauY(n - 1)}; }
    Pos F(int n) const { return {game().foundationX(n - 1), game().foundationY(n - 1)}; }
    Pos R(int n) const { return {game().reserveX(n - 1), game().reserveY(n - 1)}; }
    Pos stock() const { return {game().stockX(kStock), game().stockY(kStock)}; }
    Pos waste() const { return {game().stockX(kWaste), game().stockY(kWaste)}; }
    Pos discard() const { return {game().stockX(kDiscard), game().stockY(kDiscard)}; }
    const TMainGame& game() const { return state.mainGame; }

    // Seven tableaus in a row under a stock in row 1: the tableaus lie at
    // x = 190 + 91 i, y = 136 (gap 20, row 2 = 30 + 96 + 10).
    void sevenInARow(int stockCode = 5) {
        set({{param::StockLayout, stockCode},
             {param::StockRow, 1},
             {param::StockPilesPlaced, 1},
             {param::TableauLayout, 1},
             {param::TableauRow, 2},
             {param::TableauCount, 7}});
    }

    ProgramState state;
    LayoutArea area{1000, 700, 740, 5};
    ScreenSize screen{1024, 768};
};

// --- Single rows -------------------------------------------------------------------

TEST_F(PilePositions, Code001CentredRowWithStockRowFoundationsAtTheRightEdge) {
    set({{param::StockLayout, 5},
         {param::StockRow, 1},
         {param::StockPilesPlaced, 2},
         {param::FoundationLayout, 8},
         {param::FoundationRow, 1},
         {param::FoundationCount, 4},
         {param::TableauLayout, 1},
         {param::TableauRow, 2},
         {param::TableauCount, 7}});
    layOut();
    EXPECT_EQ(T(1), (Pos{190, 136}));
    EXPECT_EQ(T(2), (Pos{281, 136}));
    EXPECT_EQ(T(7), (Pos{736, 136}));
    // Stock gap 10 + 15 for stock code 005.
    EXPECT_EQ(stock(), (Pos{25, 30}));
    EXPECT_EQ(waste(), (Pos{121, 30}));
    EXPECT_EQ(F(1), (Pos{609, 30}));
    EXPECT_EQ(F(4), (Pos{897, 30}));
    EXPECT_EQ(F(5).x, kNotPlacedFoundation);
    EXPECT_EQ(discard().x, kNotPlacedStock);
    EXPECT_EQ(R(1).x, kNotPlacedReserve);
    EXPECT_EQ(T(8).x, kNotPlacedTableau);
}

TEST_F(PilePositions, Codes001And014ShiftAWideRowToTheStockGap) {
    set({{param::StockLayout, 5},
         {param::StockRow, 1},
         {param::StockPilesPlaced, 1},
         {param::TableauLayout, 1},
         {param::TableauRow, 2},
         {param::TableauCount, 12}});
    layOut();
    // Gap 11; the centred start 12 is moved to the stock gap 25.
    EXPECT_EQ(T(1), (Pos{25, 136}));
    EXPECT_EQ(T(12), (Pos{25 + 11 * 82, 136}));

    set({{param::TableauLayout, 14}});
    layOut();
    // Code 014 pays for the shift: overflow 13 over 11 gaps, 2 each.
    EXPECT_EQ(T(1), (Pos{25, 136}));
    EXPECT_EQ(T(12), (Pos{25 + 11 * 80, 136}));

    screen = {640, 768};
    layOut();
    EXPECT_EQ(T(1), (Pos{23, 136}));
}

TEST_F(PilePositions, Code001WidensTheGapForStockCode004) {
    set({{param::StockLayout, 4},
         {param::StockRow, 1},
         {param::StockPilesPlaced, 1},
         {param::TableauLayout, 1},
         {param::TableauRow, 2},
         {param::TableauCount, 12}});
    layOut();
    // Shared gap 11 raised to 15; the row then starts at the stock gap 25.
    EXPECT_EQ(T(1), (Pos{25, 136}));
    EXPECT_EQ(T(2), (Pos{25 + 86, 136}));
}

TEST_F(PilePositions, Code002FixedGapCentredRow) {
    set({{param::TableauLayout, 2},
         {param::TableauRow, 1},
         {param::TableauCount, 8},
         {param::FoundationLayout, 2},
         {param::FoundationRow, 2},
         {param::FoundationCount, 8}});
    layOut();
    // No stock: row 1 at 5 + 10, row 2 at 15 + 96 + 10.
    EXPECT_EQ(T(1), (Pos{180, 15}));
    EXPECT_EQ(T(8), (Pos{747, 15}));
    // Foundations centred with half the tableau gap.
    EXPECT_EQ(F(1), (Pos{197, 121}));
    EXPECT_EQ(F(8), (Pos{729, 121}));

    area.width = 640;
    layOut();
    EXPECT_EQ(T(1).x, 17); // gap 5 on narrow areas: (638 - 568 - 35) / 2
}

TEST_F(PilePositions, Code003LeavesAColumnForTheStock) {
    set({{param::StockLayout, 3},
         {param::StockRow, 1},
         {param::StockPilesPlaced, 1},
         {param::EmptyWasteIsRedeal, 1},
         {param::TableauLayout, 3},
         {param::TableauRow, 1},
         {param::TableauCount, 8},
         {param::FoundationLayout, 9},
         {param::FoundationRow, 2},
         {param::FoundationCount, 4}});
    layOut();
    // Stock code 003 in row 1: row 1 at 30, row 2 25 pixels below the cards.
    EXPECT_EQ(T(1), (Pos{200, 30}));
    EXPECT_EQ(T(8), (Pos{802, 30}));
    EXPECT_EQ(stock(), (Pos{107, 30}));
    EXPECT_EQ(waste(), (Pos{107, 151}));
    // Ending above the last tableau, step 71 + 15 / 3.
    EXPECT_EQ(F(4), (Pos{802, 151}));
    EXPECT_EQ(F(1), (Pos{574, 151}));
}

TEST_F(PilePositions, Code011TwoColumnsForStockAndWaste) {
    set({{param::StockLayout, 11},
         {param::StockRow, 2},
         {param::StockPilesPlaced, 2},
         {param::TableauLayout, 11},
         {param::TableauRow, 2},
         {param::TableauCount, 7},
         {param::FoundationLayout, 7},
         {param::FoundationRow, 1},
         {param::FoundationCount, 4},
         {param::ReserveLayout, 11},
         {param::ReserveRow, 1},
         {param::ReserveCount, 2}});
    layOut();
    EXPECT_EQ(T(1), (Pos{308, 136}));
    EXPECT_EQ(T(7), (Pos{824, 136}));
    EXPECT_EQ(waste(), (Pos{192, 136}));
    EXPECT_EQ(stock(), (Pos{106, 136}));
    // Above the last four tableaus.
    EXPECT_EQ(F(1), (Pos{566, 15}));
    EXPECT_EQ(F(4), (Pos{824, 15}));
    // Reserve 1 over the waste, the next one to its left.
    EXPECT_EQ(R(1), (Pos{192, 15}));
    EXPECT_EQ(R(2), (Pos{106, 15}));
}

TEST_F(PilePositions, Code012WithReservesLeftOfTheTableaus) {
    set({{param::TableauLayout, 12},
         {param::TableauRow, 2},
         {param::TableauCount, 8},
         {param::ReserveLayout, 12},
         {param::ReserveRow, 2},
         {param::ReserveCount, 2},
         {param::FoundationLayout, 1},
         {param::FoundationRow, 1},
         {param::FoundationCount, 4}});
    layOut();
    EXPECT_EQ(T(1), (Pos{215, 121}));
    EXPECT_EQ(T(8), (Pos{817, 121}));
    EXPECT_EQ(R(1), (Pos{122, 121})); // 22 to the left: more than 7 tableaus
    EXPECT_EQ(R(2), (Pos{122, 227}));
    // Foundations from the left with gap (998 - 284 - 2) / 5.
    EXPECT_EQ(F(1), (Pos{142, 15}));
    EXPECT_EQ(F(4), (Pos{781, 15}));

    set({{param::TableauCount, 7}});
    layOut();
    EXPECT_EQ(R(1).x, T(1).x - 71 - 45);
}

TEST_F(PilePositions, Code021NarrowGapWithWasteAndStockOnTheLeft) {
    set({{param::StockLayout, 21},
         {param::StockRow, 1},
         {param::StockPilesPlaced, 2},
         {param::TableauLayout, 21},
         {param::TableauRow, 1},
         {param::TableauCount, 10}});
    layOut();
    EXPECT_EQ(T(1), (Pos{229, 30}));
    EXPECT_EQ(T(10), (Pos{886, 30}));
    EXPECT_EQ(waste(), (Pos{143, 30}));
    EXPECT_EQ(stock(), (Pos{52, 30}));
}

TEST_F(PilePositions, Code013WithShadowAndFoundationsBesideTheWaste) {
    state.shadowOffset = 9;
    set({{param::StockLayout, 13},
         {param::StockRow, 1},
         {param::StockPilesPlaced, 2},
         {param::EmptyWasteIsRedeal, 1},
         {param::TableauLayout, 13},
         {param::TableauRow, 2},
         {param::TableauCount, 8},
         {param::FoundationLayout, 17},
         {param::FoundationRow, 1},
         {param::FoundationCount, 4}});
    layOut();
    EXPECT_EQ(T(1), (Pos{48, 136}));
    EXPECT_EQ(T(8), (Pos{573, 136}));
    EXPECT_EQ(stock(), (Pos{19, 30}));
    EXPECT_EQ(waste(), (Pos{105, 30}));
    EXPECT_EQ(F(1), (Pos{196, 30}));
    EXPECT_EQ(F(4), (Pos{418, 30}));

    screen = {640, 480};
    layOut();
    EXPECT_EQ(T(1).x, 8);
    EXPECT_EQ(stock().x, 15);
    EXPECT_EQ(F(1).x, 15 + 71 + 15 + 71 + 10);
    EXPECT_EQ(F(2).x - F(1).x, 72);
}

TEST_F(PilePositions, Code015HasItsOwnRows) {
    set({{param::TableauLayout, 15},
         {param::TableauRow, 2},
         {param::TableauCount, 8},
         {param::FoundationLayout, 2},
         {param::FoundationRow, 1},
         {param::FoundationCount, 4}});
    layOut();
    EXPECT_EQ(T(1), (Pos{145, 121}));
    EXPECT_EQ(T(8), (Pos{782, 121}));
    EXPECT_EQ(F(1), (Pos{342, 20}));
    EXPECT_EQ(F(4), (Pos{585, 20}));
}

// --- Several rows ------------------------------------------------------------------

TEST_F(PilePositions, Code018RowsOnTheCentredFourRowSet) {
    set({{param::TableauLayout, 18},
         {param::TableauRow, 1},
         {param::TableauCount, 12},
         {param::TableauRows, 3}});
    layOut();
    EXPECT_EQ(T(1), (Pos{144, 145}));
    EXPECT_EQ(T(4), (Pos{783, 145}));
    EXPECT_EQ(T(5), (Pos{144, 251}));
    EXPECT_EQ(T(12), (Pos{783, 357}));

    set({{param::TableauRow, 2}});
    layOut();
    EXPECT_EQ(T(1).y, 251);
    EXPECT_EQ(T(12).y, 145 + 3 * 96 + 40); // the fourth row is 20 lower than the step

    set({{param::TableauRow, 1}, {param::TableauCount, 13}});
    layOut();
    EXPECT_EQ(T(13), (Pos{144, 473})); // left over: one more row
}

TEST_F(PilePositions, Code010RowsOfEqualLength) {
    set({{param::TableauFanStyle, 1},
         {param::TableauLayout, 10},
         {param::TableauRow, 2},
         {param::TableauCount, 10},
         {param::TableauRows, 2}});
    layOut();
    // Fanned down: the second row goes as low as a card may lie (594).
    EXPECT_EQ(T(1), (Pos{281, 121}));
    EXPECT_EQ(T(5), (Pos{645, 121}));
    EXPECT_EQ(T(6), (Pos{281, 594}));
    EXPECT_EQ(T(10), (Pos{645, 594}));

    set({{param::TableauFanStyle, 4}});
    layOut();
    EXPECT_EQ(T(6), (Pos{281, 227}));
}

TEST_F(PilePositions, Code020Triangle) {
    set({{param::TableauLayout, 20}, {param::TableauRow, 1}, {param::TableauCount, 6}});
    layOut();
    EXPECT_EQ(T(1), (Pos{463, 15}));
    EXPECT_EQ(T(2), (Pos{418, 121}));
    EXPECT_EQ(T(3), (Pos{509, 121}));
    EXPECT_EQ(T(4), (Pos{372, 227}));
    EXPECT_EQ(T(6), (Pos{554, 227}));
}

TEST_F(PilePositions, Code053Columns) {
    set({{param::TableauLayout, 53},
         {param::TableauRow, 2},
         {param::TableauCount, 8},
         {param::TableauRows, 2}});
    layOut();
    EXPECT_EQ(T(1), (Pos{10, 121}));
    EXPECT_EQ(T(4), (Pos{10, 439}));
    EXPECT_EQ(T(5), (Pos{504, 121}));
    EXPECT_EQ(T(8), (Pos{504, 439}));

    // Eight in one column do not fit the height: a second column is added.
    set({{param::TableauRows, 1}});
    layOut();
    EXPECT_EQ(T(5).x, 504);
}

// --- Grids -------------------------------------------------------------------------

TEST_F(PilePositions, Code123Grid) {
    set({{param::TableauLayout, 123}, {param::TableauCount, 16}});
    layOut();
    EXPECT_EQ(T(1), (Pos{337, 145}));
    EXPECT_EQ(T(4), (Pos{580, 145}));
    EXPECT_EQ(T(16), (Pos{580, 463}));

    set({{param::DiscardPresent, 1}});
    layOut();
    EXPECT_EQ(T(1), (Pos{268, 153}));
    EXPECT_EQ(T(4), (Pos{496, 153}));
    EXPECT_EQ(discard(), (Pos{643, 304}));
}

TEST_F(PilePositions, Codes124And125Grids) {
    set({{param::TableauLayout, 124}, {param::TableauCount, 9}});
    layOut();
    EXPECT_EQ(T(1), (Pos{377, 193}));
    EXPECT_EQ(T(9), (Pos{549, 415}));

    set({{param::TableauLayout, 125}, {param::TableauCount, 25}});
    layOut();
    EXPECT_EQ(T(1), (Pos{315, 106}));
    EXPECT_EQ(T(25), (Pos{611, 502}));

    set({{param::DiscardPresent, 1}});
    layOut();
    EXPECT_EQ(T(1), (Pos{241, 106}));
    EXPECT_EQ(discard(), (Pos{682, 304}));
}

TEST_F(PilePositions, Code130FoundationsOverTwoRowsOfTableaus) {
    set({{param::TableauLayout, 130},
         {param::TableauCount, 20},
         {param::FoundationLayout, 1}, // the figure places the foundations itself
         {param::FoundationCount, 10}});
    layOut();
    EXPECT_EQ(F(1), (Pos{121, 163}));
    EXPECT_EQ(F(10), (Pos{805, 163}));
    EXPECT_EQ(T(1), (Pos{121, 274}));
    EXPECT_EQ(T(11), (Pos{121, 430}));
    EXPECT_EQ(T(20), (Pos{805, 430}));
}

// --- Figures -----------------------------------------------------------------------

TEST_F(PilePositions, Code126RowsOfFourFiveAndFour) {
    set({{param::TableauLayout, 126}, {param::TableauCount, 13}});
    layOut();
    EXPECT_EQ(T(1), (Pos{349, 203}));
    EXPECT_EQ(T(4), (Pos{577, 203}));
    EXPECT_EQ(T(5), (Pos{311, 304}));
    EXPECT_EQ(T(9), (Pos{615, 304}));
    EXPECT_EQ(T(10), (Pos{349, 405}));
    EXPECT_EQ(T(13), (Pos{577, 405}));
}

TEST_F(PilePositions, Codes127To129ColumnsWithTheDiscardPile) {
    set({{param::TableauLayout, 127}, {param::TableauCount, 4}, {param::DiscardPresent, 1}});
    layOut();
    EXPECT_EQ(T(1), (Pos{200, 153}));
    EXPECT_EQ(T(4), (Pos{200, 456}));
    EXPECT_EQ(discard(), (Pos{702, 304}));

    set({{param::TableauLayout, 128}, {param::TableauCount, 5}});
    layOut();
    EXPECT_EQ(T(1), (Pos{132, 106}));
    EXPECT_EQ(T(5), (Pos{132, 502}));
    EXPECT_EQ(discard(), (Pos{774, 304}));

    set({{param::TableauLayout, 129}, {param::TableauCount, 3}});
    layOut();
    EXPECT_EQ(T(1), (Pos{276, 203}));
    EXPECT_EQ(T(3), (Pos{276, 405}));
    EXPECT_EQ(discard(), (Pos{636, 304}));
}

TEST_F(PilePositions, Code052Cross) {
    set({{param::TableauLayout, 52},
         {param::TableauCount, 8},
         {param::StockRow, 1},
         {param::StockPilesPlaced, 2},
         {param::FoundationCount, 4}});
    layOut();
    EXPECT_EQ(T(1), (Pos{463, 173}));
    EXPECT_EQ(T(2), (Pos{357, 304}));
    EXPECT_EQ(T(3), (Pos{463, 304}));
    EXPECT_EQ(T(4), (Pos{569, 304}));
    EXPECT_EQ(T(5), (Pos{463, 435}));
    EXPECT_EQ(T(6).x, kNotPlacedTableau);
    EXPECT_EQ(T(8).x, kNotPlacedTableau);
    EXPECT_EQ(stock(), (Pos{216, 173}));
    EXPECT_EQ(waste(), (Pos{216, 304}));
    EXPECT_EQ(F(1), (Pos{364, 180}));
    EXPECT_EQ(F(2), (Pos{562, 180}));
    EXPECT_EQ(F(3), (Pos{364, 428}));
    EXPECT_EQ(F(4), (Pos{562, 428}));
}

TEST_F(PilePositions, Code054Staircase) {
    set({{param::TableauLayout, 54},
         {param::TableauCount, 7},
         {param::StockPilesPlaced, 2},
         {param::DiscardPresent, 1}});
    layOut();
    EXPECT_EQ(T(1), (Pos{463, 15}));
    EXPECT_EQ(T(2), (Pos{425, 67}));
    EXPECT_EQ(T(7), (Pos{235, 327}));
    EXPECT_EQ(stock(), (Pos{40, 15}));
    EXPECT_EQ(waste(), (Pos{40, 131}));
    EXPECT_EQ(discard(), (Pos{889, 15}));

    // Narrow: the staircase moves right until tableau 6 clears the stock.
    area = {300, 700, 740, 5};
    layOut();
    const int t6 = T(6).x;
    EXPECT_GT(t6, 40 + 71 + 3);
    EXPECT_LE(t6, 40 + 71 + 3 + 3);
}

// --- Stock codes -------------------------------------------------------------------

TEST_F(PilePositions, StockCode004AboveTheTableauColumns) {
    sevenInARow(4);
    set({{param::StockPilesPlaced, 2},
         {param::EmptyStockIsRedeal, 1},
         {param::EmptyWasteIsRedeal, 1}});
    layOut();
    EXPECT_EQ(stock(), (Pos{190, 30}));
    EXPECT_EQ(waste(), (Pos{281, 30}));

    set({{param::EmptyStockIsRedeal, 0}});
    layOut();
    EXPECT_EQ(stock().x, kNotPlacedStock);
    EXPECT_EQ(waste(), (Pos{190, 30}));
}

TEST_F(PilePositions, StockCodes016And019ShowOnePileBesideTableau1) {
    sevenInARow(16);
    set({{param::EmptyStockIsRedeal, 1}});
    layOut();
    EXPECT_EQ(stock(), (Pos{89, 30}));
    EXPECT_EQ(waste().x, kNotPlacedStock);

    set({{param::StockLayout, 19}, {param::EmptyStockIsRedeal, 0}});
    layOut();
    EXPECT_EQ(waste(), (Pos{59, 30}));
    EXPECT_EQ(stock().x, kNotPlacedStock);
}

TEST_F(PilePositions, StockCode005CanPlaceTheDiscardPileToo) {
    sevenInARow(5);
    set({{param::StockPilesPlaced, 3},
         {param::DiscardPresent, 1},
         {param::DiscardLayout, 4},
         {param::DiscardRow, 3}});
    layOut();
    EXPECT_EQ(stock(), (Pos{25, 30}));
    EXPECT_EQ(waste(), (Pos{121, 30}));
    EXPECT_EQ(discard(), (Pos{217, 30}));
}

TEST_F(PilePositions, NoStockPilesWithoutParameter302) {
    sevenInARow(5);
    set({{param::StockPilesPlaced, 0}});
    layOut();
    EXPECT_EQ(stock().x, kNotPlacedStock);
    EXPECT_EQ(waste().x, kNotPlacedStock);
}

// --- Foundation, reserve and discard codes -------------------------------------------

TEST_F(PilePositions, FoundationCode013) {
    sevenInARow(5);
    set({{param::FoundationLayout, 13}, {param::FoundationRow, 1}, {param::FoundationCount, 4}});
    layOut();
    EXPECT_EQ(F(1), (Pos{463, 30}));
    EXPECT_EQ(F(4), (Pos{736, 30}));

    screen = {1024, 480};
    layOut();
    EXPECT_EQ(F(1), (Pos{736 - 3 * 72, 30}));
    EXPECT_EQ(F(4), (Pos{736, 30}));
}

TEST_F(PilePositions, ReserveCodes004006And007) {
    sevenInARow(5);
    set({{param::ReserveLayout, 4}, {param::ReserveRow, 3}, {param::ReserveCount, 4}});
    layOut();
    EXPECT_EQ(R(1), (Pos{190, 242}));
    EXPECT_EQ(R(4), (Pos{463, 242}));

    set({{param::ReserveLayout, 6}});
    layOut();
    EXPECT_EQ(R(1), (Pos{190, 242}));
    EXPECT_EQ(R(4), (Pos{190 + 3 * 77, 242}));

    set({{param::ReserveLayout, 7}});
    layOut();
    EXPECT_EQ(R(1), (Pos{463, 242}));
    EXPECT_EQ(R(4), (Pos{736, 242}));
}

TEST_F(PilePositions, ReserveCode005PushesTheTableausClear) {
    set({{param::TableauLayout, 1},
         {param::TableauRow, 2},
         {param::TableauCount, 7},
         {param::ReserveLayout, 5},
         {param::ReserveRow, 1},
         {param::ReserveCount, 4}});
    layOut();
    // In another row the tableaus keep their centred places.
    EXPECT_EQ(R(1), (Pos{10, 15}));
    EXPECT_EQ(R(4), (Pos{253, 15}));
    EXPECT_EQ(T(1), (Pos{190, 121}));

    // In the same row tableau 1 starts 86 pixels after the last reserve.
    set({{param::ReserveRow, 2}});
    layOut();
    EXPECT_EQ(R(4), (Pos{253, 121}));
    EXPECT_EQ(T(1), (Pos{410, 121}));
    EXPECT_EQ(T(2), (Pos{501, 121}));
}

TEST_F(PilePositions, DiscardCodes) {
    sevenInARow(5);
    set({{param::DiscardPresent, 1}, {param::DiscardLayout, 6}, {param::DiscardRow, 1}});
    layOut();
    EXPECT_EQ(discard(), (Pos{281, 30}));

    set({{param::DiscardLayout, 7}});
    layOut();
    EXPECT_EQ(discard(), (Pos{736, 30}));

    set({{param::DiscardLayout, 16}, {param::DiscardRow, 2}});
    layOut();
    EXPECT_EQ(discard(), (Pos{25, 30 + 96 + 20}));

    set({{param::DiscardLayout, 4}});
    layOut();
    EXPECT_EQ(discard().x, kNotPlacedStock);
}

// --- Rules for every code ----------------------------------------------------------

TEST_F(PilePositions, LowWindowNarrowsTheMarginsAndGaps) {
    sevenInARow(5);
    area = {1000, 450, 480, 5};
    layOut();
    // Margin 5, usable width 988, row gap 10 - 5.
    EXPECT_EQ(stock(), (Pos{25, 25}));
    EXPECT_EQ(T(1), (Pos{185, 126}));
}

TEST_F(PilePositions, ScrollOffsetIsReset) {
    sevenInARow(5);
    state.mainGame.setCell(cell::ScrollOffset, 70);
    layOut();
    EXPECT_EQ(state.mainGame.scrollOffset(), 0);
    EXPECT_EQ(T(1).y, 136);
}

TEST_F(PilePositions, AreaFromTheMainWindowOrThePreview) {
    testing::RecordingFrontend frontend;
    frontend.areaWidth = 1000;
    frontend.areaHeight = 701;
    frontend.outerHeight = 740;
    frontend.topMargin = 5;
    frontend.screenW = 1024;
    frontend.screenH = 768;
    const LayoutArea main = layoutAreaFor(state, frontend);
    EXPECT_EQ(main.width, 1000);
    EXPECT_EQ(main.height, 700);
    EXPECT_EQ(main.outerHeight, 740);
    EXPECT_EQ(main.top, 5);

    sevenInARow(5);
    computePilePositions(state, frontend);
    EXPECT_EQ(T(1), (Pos{190, 136}));

    state.mainGame.setCell(cell::PreviewFlag, 1);
    const LayoutArea preview = layoutAreaFor(state, frontend);
    EXPECT_EQ(preview.width, 300);
    EXPECT_EQ(preview.height, 185);
    EXPECT_EQ(preview.outerHeight, 185);
    EXPECT_EQ(preview.top, 3);
    state.cardSize = {25, 32};
    computePilePositions(state, frontend);
    // A preview is a low window: margin 5, usable width 300 - 12, gap 14;
    // the centred start 14 moves to the stock gap 3 + 15. Row 1 = 3 + 5 + 15,
    // row 2 = 23 + 32 + 5.
    EXPECT_EQ(T(1), (Pos{18, 60}));
    EXPECT_EQ(T(2), (Pos{18 + 25 + 14, 60}));
}

} // namespace
} // namespace vellomir::table
