#include "engine/rules/grid_moves.h"

#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::engine {
namespace {

using testing::place;
using testing::Rule;
using testing::Table;
namespace param = catalogue::param;

TEST(RankRules, FixedAnswersAndRanksAlone) {
    Table t;
    for (Rule rule : {Rule::Refused, Rule::RefusedToo}) {
        EXPECT_FALSE(t.accepts(place("5S").rule(rule).base(-1)));
        EXPECT_FALSE(t.accepts(place("5S").on("6H").rule(rule)));
    }
    EXPECT_TRUE(t.accepts(place("5S").on("2H").rule(Rule::AnyCard)));
    EXPECT_TRUE(t.accepts(place("5S").rule(Rule::AnyCard).base(1).emptyCode('R')));
    EXPECT_TRUE(t.accepts(place("2S").on("9H").rule(Rule::LowerRank)));
    EXPECT_FALSE(t.accepts(place("9S").on("9H").rule(Rule::LowerRank)));
    EXPECT_TRUE(t.accepts(place("KS").rule(Rule::LowerRank)));
    EXPECT_TRUE(t.accepts(place("AS").on("7H").rule(Rule::AceOnly)));
    EXPECT_FALSE(t.accepts(place("2S").rule(Rule::AceOnly)));
}

// A grid `width` cells wide: every cell but `emptyCell` holds one card, the
// card code being the cell's index plus one.
Table grid(int width, int cells, int emptyCell) {
    Table t(0, cells, 0);
    t.param(param::GridWidth, width);
    for (int i = 0; i < cells; ++i) {
        if (i != emptyCell) {
            t.state.piles.tableau(i) = table::cardText(i + 1);
        }
    }
    return t;
}

TEST(GridRules, SlideFromANeighbourInTheSameRowOrColumn) {
    Table t = grid(3, 9, 4);
    for (int from = 0; from < 9; ++from) {
        const bool neighbour = from == 1 || from == 3 || from == 5 || from == 7;
        const bool legal =
            t.accepts(testing::Ask{{.moving = from + 1, .rule = 70, .targetIndex = 4}});
        EXPECT_EQ(legal, neighbour) << from;
    }
    // The last cell of a row is no neighbour of the first cell of the next.
    Table row = grid(3, 9, 3);
    EXPECT_FALSE(row.accepts(testing::Ask{{.moving = 3, .rule = 70, .targetIndex = 3}}));
    EXPECT_TRUE(row.accepts(testing::Ask{{.moving = 7, .rule = 70, .targetIndex = 3}}));
    Table wide = grid(4, 12, 4);
    EXPECT_FALSE(wide.accepts(testing::Ask{{.moving = 4, .rule = 70, .targetIndex = 4}}));
    EXPECT_TRUE(wide.accepts(testing::Ask{{.moving = 1, .rule = 70, .targetIndex = 4}}));
    EXPECT_TRUE(wide.accepts(testing::Ask{{.moving = 9, .rule = 70, .targetIndex = 4}}));
    // A card onto a card, or from outside the grid, never.
    EXPECT_FALSE(t.accepts(place("2H").on("3H").rule(Rule::SlideIntoGap).index(4)));
    EXPECT_FALSE(Table().accepts(place("2H").rule(Rule::SlideIntoGap).index(4)));
}

TEST(GridRules, JumpOverAFullCell) {
    Table t = grid(4, 12, 0);
    EXPECT_TRUE(t.accepts(testing::Ask{{.moving = 3, .rule = 71, .targetIndex = 0}}));
    EXPECT_TRUE(t.accepts(testing::Ask{{.moving = 9, .rule = 71, .targetIndex = 0}}));
    EXPECT_FALSE(t.accepts(testing::Ask{{.moving = 2, .rule = 71, .targetIndex = 0}}));
    EXPECT_FALSE(t.accepts(testing::Ask{{.moving = 11, .rule = 71, .targetIndex = 0}}));
    t.state.piles.tableau(1) = "000";
    EXPECT_FALSE(t.accepts(testing::Ask{{.moving = 3, .rule = 71, .targetIndex = 0}}));
    // Two indexes on from the end of a row is the next row, not a jump.
    EXPECT_EQ(jumpedGridCell(4, 2, 0), 1);
    EXPECT_EQ(jumpedGridCell(4, 8, 0), 4);
    EXPECT_EQ(jumpedGridCell(3, 2, 4), std::nullopt);
    EXPECT_EQ(jumpedGridCell(0, 2, 0), std::nullopt);
    EXPECT_FALSE(isGridNeighbour(0, 1, 0));
}

TEST(GridRules, Rule93BuildsByThreesAndSwapsLoneCards) {
    Table t;
    t.param(param::TableauEmptyCode + 0, 1).param(param::TableauEmptyCode + 1, 2);
    t.param(param::TableauEmptyCode + 2, 3);
    t.tableau(0, {"AH", "4H"});
    EXPECT_TRUE(t.accepts(place("7H").on("4H").rule(Rule::UpByThreeFromBase).index(0)));
    EXPECT_FALSE(t.accepts(place("7D").on("4H").rule(Rule::UpByThreeFromBase).index(0)));
    EXPECT_FALSE(t.accepts(place("5H").on("4H").rule(Rule::UpByThreeFromBase).index(0)));
    EXPECT_TRUE(t.accepts(place("2D").rule(Rule::UpByThreeFromBase).index(1)));
    EXPECT_FALSE(t.accepts(place("3D").rule(Rule::UpByThreeFromBase).index(1)));
    // Tableau 1 holds a lone 3, not its base rank 2: only a lone 2 from a
    // tableau whose base rank is 3 may trade places with it.
    t.tableau(1, {"3S"}).tableau(2, {"2C"});
    EXPECT_TRUE(t.accepts(place("2C").on("3S").rule(Rule::UpByThreeFromBase).index(1)));
    EXPECT_FALSE(t.accepts(place("4S").on("3S").rule(Rule::UpByThreeFromBase).index(1)));
    t.tableau(2, {"9D", "2C"});
    EXPECT_FALSE(t.accepts(place("2C").on("3S").rule(Rule::UpByThreeFromBase).index(1)));
    t.tableau(2, {"2C"}).param(param::TableauEmptyCode + 2, 4);
    EXPECT_FALSE(t.accepts(place("2C").on("3S").rule(Rule::UpByThreeFromBase).index(1)));
}

} // namespace
} // namespace vellomir::engine
