#include "table/card_metrics.h"

#include "app/frontend.h"
#include "app/settings_record.h"
#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"

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

} // namespace

CardSize cardSizeFor(std::string_view letter) {
    return {pick({71, 59, 25}, letter), pick({96, 80, 32}, letter)};
}

int shadowOffsetFor(const app::SettingsRecord& settings) {
    return settings.read(app::field::CardsShadowed) == "N" ? 0 : 9;
}

void applyCardSize(ProgramState& state, app::Frontend& frontend) {
    state.cardSize = cardSizeFor(state.settings.read(app::field::CardSize));
    frontend.cardSizeChanged(state.cardSize.width, state.cardSize.height);
}

void computeFanSteps(ProgramState& state) {
    namespace param = catalogue::param;
    TMainGame& game = state.mainGame;
    for (int c : {cell::FaceUpStepDown, cell::FaceUpStepRight, cell::FaceDownStepDown,
                  cell::FaceDownStepRight, cell::SpacingUnit, cell::PlainFanStep,
                  cell::PlainFanStep2, cell::FanStyle6StepA, cell::FanStyle6StepB}) {
        game.setCell(c, 0);
    }
    const std::string size = state.settings.read(app::field::CardSize);
    const int tableauStyle = state.params[param::TableauFanStyle];
    const int reserveStyle = state.params[param::ReserveFanStyle];

    if (tableauStyle == codeOf(FanStyle::Down) || tableauStyle == codeOf(FanStyle::DownFirstStep) ||
        reserveStyle == codeOf(FanStyle::Down)) {
        game.setCell(cell::FaceUpStepDown, pick(kFaceUpStepDown, size));
        game.setCell(cell::FaceDownStepDown, pick(kFaceDownStep, size));
    }
    if (tableauStyle == codeOf(FanStyle::Right) || reserveStyle == codeOf(FanStyle::Right)) {
        game.setCell(cell::FaceUpStepRight, pick(kFaceUpStepRight, size));
        game.setCell(cell::FaceDownStepRight, pick(kFaceDownStep, size));
    }
    if (tableauStyle == codeOf(FanStyle::RightByCardSize)) {
        game.setCell(cell::FanStyle6StepA, pick(kFanStyle6Step, size));
        game.setCell(cell::FanStyle6StepB, pick(kFanStyle6Step, size));
    }
    game.setCell(cell::PlainFanStep, kPlainFanStep);
    game.setCell(cell::PlainFanStep2, kPlainFanStep);
    game.setCell(cell::SpacingUnit, kSpacingUnit);
}

} // namespace vellomir::table
