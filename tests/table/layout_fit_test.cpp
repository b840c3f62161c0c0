// Every layout code, in parameter sets shaped like real games, laid out on
// three common screens through the whole preparation (small-screen rule
// included): every used pile gets a place inside the area, no two piles
// overlap except where a code overlaps them by design, and the same inputs
// give the same layout.

#include "catalogue/parameter_index.h"
#include "support/layout_check.h"
#include "support/recording_frontend.h"
#include "table/card_metrics.h"
#include "table/game_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <tuple>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

struct Codes {
    int code = 0;
    int row = 0;
    int count = 0;
};

struct Synthetic {
    const char* name;
    int screenClass;
    int tableauStyle;
    Codes stock;
    Codes foundations;
    Codes tableaus;
    int tableauRows;
    Codes reserves;
    Codes discard; // count is parameter 306
    int stockIsRedeal;
    int wasteIsRedeal;
};

// clang-format off
const Synthetic kSets[] = {
    {"klondike",        1, 1, {5, 1, 2},  {8, 1, 4},  {1, 2, 7},    0, {},          {},          1, 0},
    {"row-beside-stock",2, 1, {3, 2, 1},  {9, 1, 8},  {3, 2, 10},   0, {},          {},          0, 1},
    {"two-free-columns",1, 1, {11, 2, 2}, {7, 1, 4},  {11, 2, 7},   0, {11, 1, 2},  {},          0, 0},
    {"free-cells-left", 2, 1, {},         {1, 1, 4},  {12, 2, 8},   0, {12, 2, 4},  {},          0, 0},
    {"narrow-gap-row",  2, 1, {21, 2, 2}, {1, 1, 4},  {21, 2, 9},   0, {},          {},          0, 0},
    {"left-stock",      1, 1, {13, 1, 2}, {17, 1, 4}, {13, 2, 8},   0, {},          {},          0, 1},
    {"wide-row",        2, 1, {5, 1, 2},  {8, 1, 4},  {14, 2, 11},  0, {},          {},          1, 0},
    {"own-rows",        2, 1, {},         {2, 1, 8},  {15, 2, 10},  0, {},          {},          0, 0},
    {"fixed-gap",       1, 1, {4, 1, 2},  {7, 1, 4},  {2, 2, 8},    0, {},          {},          1, 1},
    {"four-row-set",    2, 4, {},         {1, 1, 4},  {18, 2, 12},  3, {},          {},          0, 0},
    {"rows-010",        1, 1, {5, 1, 2},  {8, 1, 4},  {10, 2, 10},  2, {},          {},          1, 0},
    {"triangle-020",    2, 5, {},         {2, 1, 4},  {20, 2, 10},  0, {},          {},          0, 0},
    {"columns-053",     2, 2, {13, 1, 2}, {8, 1, 4},  {53, 2, 8},   2, {},          {},          0, 0},
    {"grid-123",        2, 4, {},         {},         {123, 0, 16}, 0, {},          {},          0, 0},
    {"grid-123-discard",2, 4, {},         {},         {123, 0, 16}, 0, {},          {0, 0, 1},   0, 0},
    {"grid-124",        0, 4, {},         {},         {124, 0, 9},  0, {},          {},          0, 0},
    {"grid-125-discard",2, 4, {},         {},         {125, 0, 25}, 0, {},          {0, 0, 1},   0, 0},
    {"figure-126",      1, 4, {},         {},         {126, 0, 13}, 0, {},          {},          0, 0},
    {"figure-127",      2, 4, {},         {},         {127, 0, 4},  0, {},          {0, 0, 1},   0, 0},
    {"figure-128",      2, 4, {},         {},         {128, 0, 5},  0, {},          {0, 0, 1},   0, 0},
    {"figure-129",      2, 4, {},         {},         {129, 0, 3},  0, {},          {0, 0, 1},   0, 0},
    {"grid-130",        2, 4, {},         {1, 1, 10}, {130, 0, 20}, 0, {},          {},          0, 0},
    {"cross-052",       2, 1, {0, 1, 2},  {0, 0, 4},  {52, 0, 8},   0, {},          {},          0, 0},
    {"staircase-054",   2, 4, {0, 1, 2},  {},         {54, 0, 7},   0, {},          {0, 0, 1},   0, 0},
    {"peaks-055",       2, 4, {0, 1, 2},  {},         {55, 0, 28},  0, {},          {0, 0, 1},   0, 0},
    {"reserves-004",    1, 1, {},         {7, 1, 4},  {1, 2, 8},    0, {4, 1, 4},   {},          0, 0},
    {"reserves-005",    1, 1, {},         {2, 1, 4},  {1, 2, 6},    0, {5, 2, 2},   {},          0, 0},
    {"reserves-006",    2, 1, {16, 2, 1}, {8, 1, 4},  {1, 2, 7},    0, {6, 1, 4},   {},          1, 0},
    {"reserves-007",    2, 1, {19, 2, 1}, {},         {1, 2, 7},    0, {7, 1, 2},   {},          0, 1},
    {"discard-006",     2, 1, {5, 1, 1},  {8, 1, 4},  {1, 2, 7},    0, {},          {6, 1, 1},   1, 0},
    {"discard-007",     1, 1, {},         {2, 1, 4},  {2, 2, 7},    0, {},          {7, 1, 1},   0, 0},
    {"discard-016",     2, 1, {5, 1, 2},  {8, 1, 4},  {1, 2, 7},    0, {},          {16, 2, 1},  1, 0},
    {"discard-004",     2, 1, {5, 1, 3},  {8, 1, 4},  {1, 2, 7},    0, {},          {4, 1, 1},   1, 0},
    {"foundations-013", 2, 1, {4, 1, 1},  {13, 1, 4}, {1, 2, 8},    0, {},          {},          1, 0},
};
// clang-format on

constexpr int kPeaksCode = 55;

ParameterLoader loaderFor(const Synthetic& s) {
    return [s](catalogue::GameParameters& p) {
        p.set(param::ScreenClass, s.screenClass);
        p.set(param::TableauFanStyle, s.tableauStyle);
        p.set(param::EmptyStockIsRedeal, s.stockIsRedeal);
        p.set(param::EmptyWasteIsRedeal, s.wasteIsRedeal);
        p.set(param::StockLayout, s.stock.code);
        p.set(param::StockRow, s.stock.row);
        p.set(param::StockPilesPlaced, s.stock.count);
        p.set(param::FoundationLayout, s.foundations.code);
        p.set(param::FoundationRow, s.foundations.row);
        p.set(param::FoundationCount, s.foundations.count);
        p.set(param::TableauLayout, s.tableaus.code);
        p.set(param::TableauRow, s.tableaus.row);
        p.set(param::TableauCount, s.tableaus.count);
        if (s.tableaus.code == kPeaksCode) {
            p.set(param::TableauPeaks, (s.tableaus.count - 1) / 9); // 9n + 1 places
        }
        p.set(param::TableauRows, s.tableauRows);
        p.set(param::ReserveLayout, s.reserves.code);
        p.set(param::ReserveRow, s.reserves.row);
        p.set(param::ReserveCount, s.reserves.count);
        p.set(param::DiscardLayout, s.discard.code);
        p.set(param::DiscardRow, s.discard.row);
        p.set(param::DiscardPresent, s.discard.count);
        p.set(param::CardCount, 52);
        return true;
    };
}

// A maximised main window on a screen of the given size.
void useScreen(testing::RecordingFrontend& frontend, int width, int height) {
    frontend.screenW = width;
    frontend.screenH = height;
    frontend.areaWidth = width - 16;
    frontend.areaHeight = height - 70;
    frontend.outerHeight = height - 40;
    frontend.topMargin = 5;
}

std::vector<int> allPositions(const TMainGame& game) {
    std::vector<int> cells;
    for (int i = 0; i < 64; ++i) {
        cells.push_back(game.cell(i));
    }
    for (int i = 0; i < kMaxTableaus; ++i) {
        cells.push_back(game.tableauX(i));
        cells.push_back(game.tableauY(i));
    }
    return cells;
}

struct Laid {
    std::vector<std::string> problems;
    std::vector<int> positions;
    CardSize cardSize;
};

Laid layOut(const Synthetic& set, int width, int height, std::string_view size = "B") {
    ProgramState state;
    testing::RecordingFrontend frontend;
    useScreen(frontend, width, height);
    state.settings.write(settings::field::CardSize, size);
    state.mainGame.setCell(cell::CardSizeMode, 0);
    state.shadowOffset = 9;
    EXPECT_TRUE(prepareGameLayout(state, frontend, loaderFor(set)));
    return {testing::layoutProblems(state, layoutAreaFor(state, frontend)),
            allPositions(state.mainGame), state.cardSize};
}

TEST(LayoutFit, EveryCodeFitsCommonScreens) {
    const std::pair<int, int> screens[] = {{800, 600}, {1024, 768}, {1920, 1080}};
    for (const Synthetic& set : kSets) {
        for (auto [width, height] : screens) {
            SCOPED_TRACE(std::string(set.name) + " on " + std::to_string(width) + "x" +
                         std::to_string(height));
            const Laid first = layOut(set, width, height);
            // Games that need a wider screen get medium cards at 800 x 600.
            const bool medium = width == 800 && set.screenClass == 2;
            EXPECT_EQ(first.cardSize.width, medium ? 59 : 71);
            for (const std::string& problem : first.problems) {
                ADD_FAILURE() << problem;
            }
            const Laid again = layOut(set, width, height);
            EXPECT_EQ(first.positions, again.positions);
        }
    }
}

// Cards fitted to the window: every code still fits, with cards larger
// than the big ones on large windows and the same result for the same window.
TEST(LayoutFit, FittedCardsFitEveryCodeAndGrowWithTheWindow) {
    const std::pair<int, int> screens[] = {{800, 600}, {1280, 1024}, {1920, 1080}};
    for (const Synthetic& set : kSets) {
        int previousWidth = 0;
        for (auto [width, height] : screens) {
            SCOPED_TRACE(std::string(set.name) + " fitted on " + std::to_string(width) + "x" +
                         std::to_string(height));
            const Laid first = layOut(set, width, height, "F");
            for (const std::string& problem : first.problems) {
                ADD_FAILURE() << problem;
            }
            EXPECT_EQ(first.cardSize.height, fittedCardHeight(first.cardSize.width));
            EXPECT_GE(first.cardSize.width, previousWidth);
            previousWidth = first.cardSize.width;
            EXPECT_EQ(first.positions, layOut(set, width, height, "F").positions);
        }
        EXPECT_GT(previousWidth, 71) << set.name << " keeps small cards on a large window";
    }
}

TEST(LayoutFit, FittedGapsAndFanStepsScaleWithTheCards) {
    ProgramState state;
    testing::RecordingFrontend frontend;
    useScreen(frontend, 1920, 1080);
    state.settings.write(settings::field::CardSize, "F");
    state.shadowOffset = 9;
    ASSERT_TRUE(prepareGameLayout(state, frontend, loaderFor(kSets[0])));
    const double scale = state.cardSize.width / 71.0;
    EXPECT_NEAR(state.mainGame.cell(cell::FaceUpStepDown), 18 * scale, 1.0);
    EXPECT_NEAR(state.mainGame.cell(cell::FaceDownStepDown), 4 * scale, 1.0);
    // Neighbouring columns keep the big cards' spacing, scaled.
    const int step = state.mainGame.tableauX(1) - state.mainGame.tableauX(0);
    EXPECT_GT(step, state.cardSize.width + 4 * scale - 1);
    // The frontend was told the size it rebuilds the pictures for.
    EXPECT_FALSE(frontend.callsStartingWith("card size ").empty());
}

// The left and right edges of everything placed.
std::pair<int, int> placedSpan(const ProgramState& state) {
    const TMainGame& g = state.mainGame;
    int left = 1 << 20;
    int right = -(1 << 20);
    auto add = [&](int x) {
        if (x >= kPlacedThreshold) {
            left = std::min(left, x);
            right = std::max(right, x + state.cardSize.width);
        }
    };
    for (int i = 0; i < kMaxTableaus; ++i) {
        add(g.tableauX(i));
    }
    for (int i = 0; i < kMaxFoundations; ++i) {
        add(g.foundationX(i));
    }
    for (int i = 0; i < kMaxReserves; ++i) {
        add(g.reserveX(i));
    }
    for (int i = 0; i < kStockPiles; ++i) {
        add(g.stockX(i));
    }
    return {left, right};
}

// Fitted cards are laid out at the big cards' size in the window shrunk to
// match, but a large window is still a large window: it keeps a large
// window's margins rather than those of a window under 500 pixels high,
// so the peaks, a row centred by design, stay centred.
TEST(LayoutFit, FittedCardsKeepALargeWindowsMargins) {
    const Synthetic* peaks = nullptr;
    for (const Synthetic& set : kSets) {
        if (set.tableaus.code == kPeaksCode) {
            peaks = &set;
        }
    }
    ASSERT_NE(peaks, nullptr);
    for (auto [width, height] : {std::pair{1600, 1000}, std::pair{1920, 1080}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        ProgramState state;
        testing::RecordingFrontend frontend;
        useScreen(frontend, width, height);
        state.settings.write(settings::field::CardSize, "F");
        ASSERT_TRUE(prepareGameLayout(state, frontend, loaderFor(*peaks)));
        ASSERT_GT(state.cardSize.width, 2 * 71);
        const auto [left, right] = placedSpan(state);
        const double scale = state.cardSize.width / 71.0;
        // The usable width leaves 2 pixels of the big cards' size at the
        // right; each side may lose a pixel of that size to rounding.
        EXPECT_LE(std::abs(left - (frontend.areaWidth - 2 * scale - right)), 2 * scale)
            << left << " | " << frontend.areaWidth - right;
    }
}

TEST(LayoutFit, TheSetsCoverEveryCode) {
    std::set<int> stock, foundations, tableaus, reserves, discard;
    for (const Synthetic& set : kSets) {
        stock.insert(set.stock.code);
        foundations.insert(set.foundations.code);
        tableaus.insert(set.tableaus.code);
        reserves.insert(set.reserves.code);
        discard.insert(set.discard.code);
    }
    for (int code : {3, 4, 5, 11, 13, 16, 19, 21}) {
        EXPECT_TRUE(stock.contains(code)) << "stock " << code;
    }
    for (int code : {1, 2, 7, 8, 9, 13, 17}) {
        EXPECT_TRUE(foundations.contains(code)) << "foundations " << code;
    }
    for (int code : {1,  2,  3,  10, 11,  12,  13,  14,  15,  18,  20,  21,
                     52, 53, 54, 55, 123, 124, 125, 126, 127, 128, 129, 130}) {
        EXPECT_TRUE(tableaus.contains(code)) << "tableaus " << code;
    }
    for (int code : {4, 5, 6, 7, 11, 12}) {
        EXPECT_TRUE(reserves.contains(code)) << "reserves " << code;
    }
    for (int code : {4, 6, 7, 16}) {
        EXPECT_TRUE(discard.contains(code)) << "discard " << code;
    }
}

TEST(LayoutFit, TheCheckerSeesFaults) {
    ProgramState state;
    state.cardSize = {71, 96};
    state.params.set(param::TableauCount, 3);
    state.params.set(param::FoundationCount, 1);
    state.params.set(param::StockPilesPlaced, 1);
    const LayoutArea area{400, 300, 340, 5};
    state.mainGame.setTableauX(0, 10);
    state.mainGame.setTableauY(0, 10);
    state.mainGame.setTableauX(1, 50); // overlaps tableau 1
    state.mainGame.setTableauY(1, 50);
    state.mainGame.setTableauX(2, 350); // runs off the right edge
    state.mainGame.setTableauY(2, 10);
    state.mainGame.setReserveX(0, 200); // not used by the game
    state.mainGame.setReserveY(0, 150);
    const std::vector<std::string> problems = testing::layoutProblems(state, area);
    const std::vector<std::string> expected = {
        "Dest1 has no place",
        "Appogg1 is placed but not used",
        "neither Mazzo nor Mazzo_Vis has a place",
        "Fila3 at (350, 10) is not inside the area 400x300",
        "Fila1 at (10, 10) overlaps Fila2 at (50, 50)",
    };
    EXPECT_EQ(problems, expected);

    state.params.set(param::TableauLayout, 54);
    EXPECT_EQ(testing::layoutProblems(state, area).size(), expected.size() - 1);
}

} // namespace
} // namespace vellomir::table
