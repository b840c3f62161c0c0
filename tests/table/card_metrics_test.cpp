#include "table/card_metrics.h"

#include "catalogue/parameter_index.h"
#include "support/recording_frontend.h"

#include <gtest/gtest.h>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

TEST(CardSizes, ByLetter) {
    EXPECT_EQ(cardSizeFor("B").width, 71);
    EXPECT_EQ(cardSizeFor("B").height, 96);
    EXPECT_EQ(cardSizeFor("M").width, 59);
    EXPECT_EQ(cardSizeFor("M").height, 80);
    EXPECT_EQ(cardSizeFor("L").width, 25);
    EXPECT_EQ(cardSizeFor("L").height, 32);
    EXPECT_EQ(cardSizeFor("").width, 71); // an unset size is the default big card
}

TEST(CardSizes, ShadowOffsetUnlessShadowsAreOff) {
    ProgramState state;
    EXPECT_EQ(shadowOffsetFor(state.settings), 9); // blank counts as on
    state.settings.write(settings::field::CardsShadowed, "Y");
    EXPECT_EQ(shadowOffsetFor(state.settings), 9);
    state.settings.write(settings::field::CardsShadowed, "N");
    EXPECT_EQ(shadowOffsetFor(state.settings), 0);
}

TEST(CardSizes, ApplyingSetsTheSizeAndRebuildsThePictures) {
    ProgramState state;
    testing::RecordingFrontend frontend;
    state.settings.write(settings::field::CardSize, "L");
    applyCardSize(state, frontend);
    EXPECT_EQ(state.cardSize.width, 25);
    EXPECT_EQ(state.cardSize.height, 32);
    EXPECT_EQ(frontend.calls, std::vector<std::string>{"card size 25x32"});
}

struct MetricFanSteps {
    int upDown, upRight, downDown, downRight, style6;
};

MetricFanSteps fanStepsFor(const char* size, int tableauStyle, int reserveStyle) {
    ProgramState state;
    // Earlier values must not survive into the next game.
    for (int c : {64, 65, 66, 67, 83, 84}) {
        state.mainGame.setCell(c, 99);
    }
    state.settings.write(settings::field::CardSize, size);
    state.params.set(param::TableauFanStyle, tableauStyle);
    state.params.set(param::ReserveFanStyle, reserveStyle);
    computeFanSteps(state);
    const TMainGame& g = state.mainGame;
    EXPECT_EQ(g.cell(cell::PlainFanStep), 3);
    EXPECT_EQ(g.cell(cell::PlainFanStep2), 3);
    EXPECT_EQ(g.cell(cell::SpacingUnit), 6);
    EXPECT_EQ(g.cell(cell::FanStyle6StepA), g.cell(cell::FanStyle6StepB));
    return {g.cell(cell::FaceUpStepDown), g.cell(cell::FaceUpStepRight),
            g.cell(cell::FaceDownStepDown), g.cell(cell::FaceDownStepRight),
            g.cell(cell::FanStyle6StepA)};
}

TEST(FanSteps, FollowTheFanStylesAndCardSize) {
    auto expect = [](MetricFanSteps got, MetricFanSteps want) {
        EXPECT_EQ(got.upDown, want.upDown);
        EXPECT_EQ(got.upRight, want.upRight);
        EXPECT_EQ(got.downDown, want.downDown);
        EXPECT_EQ(got.downRight, want.downRight);
        EXPECT_EQ(got.style6, want.style6);
    };
    // Fanned down: tableau style 1 or 7, or reserve style 1.
    expect(fanStepsFor("B", 1, 0), {18, 0, 4, 0, 0});
    expect(fanStepsFor("M", 7, 0), {14, 0, 4, 0, 0});
    expect(fanStepsFor("L", 3, 1), {3, 0, 3, 0, 0});
    // Fanned right: tableau or reserve style 2.
    expect(fanStepsFor("B", 2, 0), {0, 12, 0, 4, 0});
    expect(fanStepsFor("M", 4, 2), {0, 10, 0, 4, 0});
    // Both directions at once.
    expect(fanStepsFor("L", 2, 1), {3, 3, 3, 3, 0});
    // Style 6.
    expect(fanStepsFor("B", 6, 0), {0, 0, 0, 0, 7});
    expect(fanStepsFor("M", 6, 0), {0, 0, 0, 0, 5});
    expect(fanStepsFor("L", 6, 0), {0, 0, 0, 0, 3});
    // Other styles have only the plain step.
    expect(fanStepsFor("B", 5, 3), {0, 0, 0, 0, 0});
}

} // namespace
} // namespace vellomir::table
