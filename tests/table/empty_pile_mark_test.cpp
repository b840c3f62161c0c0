#include "table/empty_pile_mark.h"

#include "catalogue/parameter_index.h"
#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;
using testing::pileOf;

class EmptyPileMarkTest : public ::testing::Test {
protected:
    std::string mark(MarkKind kind, int index = 0) { return emptyPileMark(state, kind, index); }
    void passes(int allowed, int countingStyle, int passNumber) {
        state.params.set(param::StockPasses, allowed);
        state.params.set(param::PassCountingStyle, countingStyle);
        state.mainGame.setCell(cell::PassNumber, passNumber);
    }
    ProgramState state;
};

TEST_F(EmptyPileMarkTest, StockShowsWhetherARedealIsLeft) {
    passes(3, 1, 1);
    EXPECT_EQ(mark(MarkKind::Stock), "022");
    passes(-1, 1, 40); // unlimited passes
    EXPECT_EQ(mark(MarkKind::Stock), "022");
    passes(3, 1, 3); // none left, and nothing to turn back
    EXPECT_EQ(mark(MarkKind::Stock), "008");
    state.piles.stock(kWaste) = pileOf({"AH"});
    EXPECT_EQ(mark(MarkKind::Stock), "008");
    state.piles.stock(kWaste) = pileOf({"AH", "2H"});
    EXPECT_EQ(mark(MarkKind::Stock), "008");
    passes(0, 0, 1); // a game without redeals: the waste still holds cards
    EXPECT_EQ(mark(MarkKind::Stock), "008");
    passes(-1, 0, 1);
    EXPECT_EQ(mark(MarkKind::Stock), "022");
    state.piles.stock(kWaste).clear();
    EXPECT_EQ(mark(MarkKind::Stock), "008");
    for (int family : {8, 45}) {
        state.params.set(param::GameType, family);
        EXPECT_EQ(mark(MarkKind::Stock), "021");
    }
}

TEST_F(EmptyPileMarkTest, AStockThatRedealsTheTableausShowsWhetherAPassIsLeft) {
    // La Belle Lucie: no waste and no pass counting style, only the passes.
    state.params.set(param::TableauRedealGroup, 3);
    passes(3, 0, 1);
    EXPECT_EQ(mark(MarkKind::Stock), "022");
    passes(3, 0, 3);
    EXPECT_EQ(mark(MarkKind::Stock), "008");
    passes(-1, 0, 9); // Cruel redeals as often as you like
    EXPECT_EQ(mark(MarkKind::Stock), "022");
    // Montana's rows redeal from the same place, with no group.
    state.params.set(param::TableauRedealGroup, 0);
    state.params.set(param::GapRows, 1);
    passes(3, 0, 2);
    EXPECT_EQ(mark(MarkKind::Stock), "022");
    passes(3, 0, 3);
    EXPECT_EQ(mark(MarkKind::Stock), "008");
}

TEST_F(EmptyPileMarkTest, WasteMarks) {
    state.params.set(param::EmptyStockIsRedeal, 1);
    EXPECT_EQ(mark(MarkKind::Waste), "_WASTE");
    state.params.set(param::EmptyStockIsRedeal, 0);
    passes(0, 1, 1);
    EXPECT_EQ(mark(MarkKind::Waste), "008");
    passes(2, 0, 1);
    EXPECT_EQ(mark(MarkKind::Waste), "");
    passes(2, 1, 1);
    EXPECT_EQ(mark(MarkKind::Waste), "022");
    passes(2, 1, 2);
    EXPECT_EQ(mark(MarkKind::Waste), "008");
    passes(-1, 1, 9);
    EXPECT_EQ(mark(MarkKind::Waste), "022");
    state.params.set(param::EmptyStockIsRedeal, 2);
    EXPECT_EQ(mark(MarkKind::Waste), "");
    EXPECT_EQ(mark(MarkKind::Discard), "_WASTE");
}

TEST_F(EmptyPileMarkTest, RankMarksByBaseCode) {
    const std::pair<int, const char*> expected[] = {
        {1, "010"},  {58, "010"}, {81, "010"}, {85, "010"}, {2, "012"},  {90, "012"}, {3, "013"},
        {10, "020"}, {11, "006"}, {12, "003"}, {13, "011"}, {64, "011"}, {84, "011"}, {94, ""}};
    for (const auto& [code, suffix] : expected) {
        ASSERT_TRUE(rankMarkOf(code).has_value()) << code;
        EXPECT_EQ(*rankMarkOf(code), suffix) << code;
    }
    for (int code : {0, -1, 14, 50, 91, 100}) {
        EXPECT_FALSE(rankMarkOf(code).has_value()) << code;
    }
}

TEST_F(EmptyPileMarkTest, FoundationMarks) {
    state.params.set(param::FoundationBaseRank + 2, 1);
    EXPECT_EQ(mark(MarkKind::Foundation, 2), "010");
    state.params.set(param::FoundationBaseRank + 2, 13);
    EXPECT_EQ(mark(MarkKind::Foundation, 2), "011");
    state.params.set(param::FoundationBaseRank + 2, -1); // any card
    EXPECT_EQ(mark(MarkKind::Foundation, 2), "004");
    state.params.set(param::FoundationBaseRank + 2, 94); // no mark at all
    EXPECT_EQ(mark(MarkKind::Foundation, 2), "");
    state.params.set(param::FoundationRule + 2, 10); // built on queens
    EXPECT_EQ(mark(MarkKind::Foundation, 2), "003");
    EXPECT_EQ(mark(MarkKind::Foundation, 0), "004");
}

TEST_F(EmptyPileMarkTest, ReserveMarks) {
    state.params.set(param::ReserveDropRule + 3, 89);
    EXPECT_EQ(mark(MarkKind::Reserve, 3), "003"); // the queen's mark
    state.params.set(param::ReserveDropRule + 3, 88);
    EXPECT_EQ(mark(MarkKind::Reserve, 3), "006");
    state.params.set(param::ReserveDropRule + 3, 90);
    EXPECT_EQ(mark(MarkKind::Reserve, 3), "011");
    state.params.set(param::ReserveDropRule + 3, 5);
    EXPECT_EQ(mark(MarkKind::Reserve, 3), "001");
    // The first reserve's code 8 or 9 marks every reserve of the game.
    state.params.set(param::ReserveDropRule, 9);
    EXPECT_EQ(mark(MarkKind::Reserve, 3), "009");
    state.params.set(param::ReserveDropRule, 8);
    EXPECT_EQ(mark(MarkKind::Reserve, 3), "011");
}

TEST_F(EmptyPileMarkTest, TableauMarks) {
    EXPECT_EQ(mark(MarkKind::Tableau, 4), "_TABLEAU");
    state.params.set(param::TableauEmptyCode + 4, 13);
    EXPECT_EQ(mark(MarkKind::Tableau, 4), "011");
    state.params.set(param::TableauEmptyCode + 4, 94);
    EXPECT_EQ(mark(MarkKind::Tableau, 4), "");
    // A code without a rank mark shows "004" when the first tableau has a code.
    state.params.set(param::TableauEmptyCode + 4, -1);
    EXPECT_EQ(mark(MarkKind::Tableau, 4), "_TABLEAU");
    state.params.set(param::TableauEmptyCode, -1);
    EXPECT_EQ(mark(MarkKind::Tableau, 4), "004");
}

} // namespace
} // namespace vellomir::table
