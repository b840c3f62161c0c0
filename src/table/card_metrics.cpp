#include "table/card_metrics.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "seam/frontend.h"
#include "settings/settings_record.h"
#include "table/card_position.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace vellomir::table {

using catalogue::codeOf;
using catalogue::FanStyle;
namespace {

// One value per card size, in the order big, medium, little.
struct BySize {
    int big;
    int medium;
    int little;
};

int pick(const BySize& values, std::string_view letter) {
    if (letter == "M") {
        return values.medium;
    }
    if (letter == "L") {
        return values.little;
    }
    return values.big;
}

constexpr BySize kFaceUpStepDown{18, 14, 3};
constexpr BySize kFaceDownStep{4, 4, 3};
constexpr BySize kFaceUpStepRight{12, 10, 3};
constexpr BySize kFanStyle6Step{7, 5, 3};
constexpr int kPlainFanStep = 3;
constexpr int kSpacingUnit = 6;

// A face-down card closed up keeps this much of its back in view.
constexpr int kMinFaceDownStep = 2;
// A face-up card must keep its index in view: on big cards the rank ends 17
// pixels down; fitted cards from 66 pixels wide have a shorter index that
// ends within 14.5 % of their height, and within 20 % of their width.
constexpr int kBigIndexDepth = 17;
constexpr int kFittedLargeIndexFrom = 66;
constexpr double kFittedIndexDepth = 0.145;
constexpr double kFittedIndexWidth = 0.20;

int scaled(int step, double scale) {
    return std::max(1, static_cast<int>(std::lround(step * scale)));
}

void setFanSteps(ProgramState& state, const std::function<int(const BySize&)>& step,
                 const std::function<int(int)>& fixed) {
    namespace param = catalogue::param;
    TMainGame& game = state.mainGame;
    for (int c : {cell::FaceUpStepDown, cell::FaceUpStepRight, cell::FaceDownStepDown,
                  cell::FaceDownStepRight, cell::SpacingUnit, cell::PlainFanStep,
                  cell::PlainFanStep2, cell::FanStyle6StepA, cell::FanStyle6StepB}) {
        game.setCell(c, 0);
    }
    const int tableauStyle = state.params[param::TableauFanStyle];
    const int reserveStyle = state.params[param::ReserveFanStyle];

    if (tableauStyle == codeOf(FanStyle::Down) || tableauStyle == codeOf(FanStyle::DownFirstStep) ||
        reserveStyle == codeOf(FanStyle::Down)) {
        game.setCell(cell::FaceUpStepDown, step(kFaceUpStepDown));
        game.setCell(cell::FaceDownStepDown, step(kFaceDownStep));
    }
    if (tableauStyle == codeOf(FanStyle::Right) || reserveStyle == codeOf(FanStyle::Right)) {
        game.setCell(cell::FaceUpStepRight, step(kFaceUpStepRight));
        game.setCell(cell::FaceDownStepRight, step(kFaceDownStep));
    }
    if (tableauStyle == codeOf(FanStyle::RightByCardSize)) {
        game.setCell(cell::FanStyle6StepA, step(kFanStyle6Step));
        game.setCell(cell::FanStyle6StepB, step(kFanStyle6Step));
    }
    game.setCell(cell::PlainFanStep, fixed(kPlainFanStep));
    game.setCell(cell::PlainFanStep2, fixed(kPlainFanStep));
    game.setCell(cell::SpacingUnit, fixed(kSpacingUnit));
}

} // namespace

bool cardsFitWindow(const settings::SettingsRecord& settings) {
    return settings.read(settings::field::CardSize) == kFittedCardSize;
}

int fittedCardHeight(int width) {
    return std::max(1, static_cast<int>(std::lround(width * 96.0 / 71.0)));
}

CardSize fittedCardSize(int width) {
    return {width, fittedCardHeight(width)};
}

FanSteps minimumFanSteps(const ProgramState& state, const FanSteps& plain, bool sideways) {
    FanSteps least{std::min(plain.faceDown, kMinFaceDownStep), plain.faceUp};
    const std::string letter = state.settings.read(settings::field::CardSize);
    const int w = state.cardSize.width;
    const int h = state.cardSize.height;
    int index = plain.faceUp;
    if (letter == kFittedCardSize && w >= kFittedLargeIndexFrom) {
        index =
            static_cast<int>(std::ceil((sideways ? w * kFittedIndexWidth : h * kFittedIndexDepth)));
    } else if (letter == "B" && !sideways) {
        index = kBigIndexDepth;
    }
    least.faceUp = std::min(plain.faceUp, index);
    return least;
}

CardSize cardSizeFor(std::string_view letter) {
    return {pick({71, 59, 25}, letter), pick({96, 80, 32}, letter)};
}

int shadowOffsetFor(const settings::SettingsRecord& settings) {
    return settings.read(settings::field::CardsShadowed) == "N" ? 0 : 9;
}

void applyCardSize(ProgramState& state, seam::Frontend& frontend) {
    // Fitted cards keep their width until the next layout chooses it.
    state.cardSize = cardsFitWindow(state.settings)
                         ? fittedCardSize(state.cardSize.width)
                         : cardSizeFor(state.settings.read(settings::field::CardSize));
    frontend.cardSizeChanged(state.cardSize.width, state.cardSize.height);
}

void computeFanSteps(ProgramState& state) {
    if (cardsFitWindow(state.settings)) {
        computeFanSteps(state, state.cardSize.width / 71.0);
        return;
    }
    const std::string size = state.settings.read(settings::field::CardSize);
    setFanSteps(
        state, [&](const BySize& values) { return pick(values, size); },
        [](int value) { return value; });
}

void computeFanSteps(ProgramState& state, double scale) {
    setFanSteps(
        state, [&](const BySize& values) { return scaled(values.big, scale); },
        [&](int value) { return scaled(value, scale); });
}

} // namespace vellomir::table
