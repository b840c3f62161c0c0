#include "catalogue/parameter_names.h"

#include <gtest/gtest.h>

namespace vellomir::catalogue {
namespace {

TEST(ParameterNames, NamesLeadToTheirIndexesAndBack) {
    ASSERT_NE(findParameter("TableauRule"), nullptr);
    EXPECT_EQ(findParameter("TableauRule")->index, param::TableauRule);
    EXPECT_EQ(findParameter("TableauRule")->cells(), 28);
    EXPECT_EQ(findParameter("FoundationCompleteCount")->cells(), 16);
    EXPECT_EQ(findParameter("ReserveStartFace")->cells(), 10);
    EXPECT_EQ(findParameter("TargetScore")->index, 46);
    EXPECT_EQ(findParameter("tableaurule"), nullptr); // names are case-sensitive
    EXPECT_EQ(findParameter("Nonsense"), nullptr);

    for (const ParameterName& entry : kParameterNames) {
        EXPECT_EQ(findParameter(entry.name), &entry);
        EXPECT_EQ(parameterAt(entry.index), &entry);
        EXPECT_EQ(parameterAt(entry.lastIndex()), &entry);
    }
}

TEST(ParameterNames, CellLabelsNamePilesFromOne) {
    EXPECT_EQ(cellLabel(param::TableauRule), "TableauRule1");
    EXPECT_EQ(cellLabel(param::TableauRule + 27), "TableauRule28");
    EXPECT_EQ(cellLabel(param::GameType), "GameType");
    EXPECT_EQ(parameterAt(10), nullptr);
    EXPECT_EQ(cellLabel(10), "#10");
}

} // namespace
} // namespace vellomir::catalogue
