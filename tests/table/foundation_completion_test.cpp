#include "table/foundation_completion.h"

#include "catalogue/parameter_index.h"
#include "support/table_builder.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

TEST(FoundationCompletion, OwnCountOrTheGameWideOne) {
    ProgramState state;
    state.params.set(param::FoundationMaxCards, 13);
    state.params.set(param::FoundationCompleteCount + 0, -1);
    state.params.set(param::FoundationCompleteCount + 1, 3);
    std::string thirteen;
    for (int code = 1; code <= 13; ++code) {
        thirteen += cardText(code);
    }
    state.piles.foundation(0) = thirteen.substr(0, 36);
    EXPECT_FALSE(isFoundationComplete(state, 0));
    state.piles.foundation(0) = thirteen;
    EXPECT_TRUE(isFoundationComplete(state, 0));

    state.piles.foundation(1) = testing::pileOf({"AS", "2S", "3S"});
    EXPECT_TRUE(isFoundationComplete(state, 1));
    state.piles.foundation(1) += cardText(43);
    EXPECT_FALSE(isFoundationComplete(state, 1)); // more than asked is not complete either

    // An unused foundation that asks for no cards is never complete.
    EXPECT_FALSE(isFoundationComplete(state, 5));
    EXPECT_FALSE(isFoundationComplete(state, -1));
    EXPECT_FALSE(isFoundationComplete(state, 16));
}

} // namespace
} // namespace vellomir::table
