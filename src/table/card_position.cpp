#include "table/card_position.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/card_metrics.h"
#include "table/pile_depth.h"

#include <algorithm>

namespace vellomir::table {
namespace {

namespace param = catalogue::param;
using catalogue::codeOf;
using catalogue::FanStyle;

int floorDivide(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool isFaceDownAt(const ProgramState& state, std::string_view pileString, int k) {
    const int card = cardAt(pileString, k);
    return card != 0 && !state.cards.isFaceUp(card);
}

// The step that lets `count` cards of each face reach no further than
// `room` beyond the top card's own size: the face-down step first, then the
// face-up step, each no lower than its minimum.
FanSteps closeUp(FanSteps steps, FanSteps minimum, FanCount cards, int room) {
    auto need = [&] { return cards.faceDown * steps.faceDown + cards.faceUp * steps.faceUp; };
    if (need() <= room) {
        return steps;
    }
    if (cards.faceDown > 0 && steps.faceDown > minimum.faceDown) {
        const int left = room - cards.faceUp * steps.faceUp;
        steps.faceDown =
            std::clamp(floorDivide(left, cards.faceDown), minimum.faceDown, steps.faceDown);
    }
    if (need() > room && cards.faceUp > 0 && steps.faceUp > minimum.faceUp) {
        const int left = room - cards.faceDown * steps.faceDown;
        steps.faceUp = std::clamp(floorDivide(left, cards.faceUp), minimum.faceUp, steps.faceUp);
    }
    return steps;
}

int rightLimitOf(const ProgramState& state, PileRef pile) {
    if (pile.kind == PileKind::Tableau) {
        return state.fanLimits.tableauRight[static_cast<std::size_t>(pile.index)];
    }
    if (pile.kind == PileKind::Reserve) {
        return state.fanLimits.reserveRight[static_cast<std::size_t>(pile.index)];
    }
    return FanLimits::kNone;
}

} // namespace

FanSteps fanSteps(const ProgramState& state, PileRef pile, std::string_view pileString) {
    const TMainGame& g = state.mainGame;
    const int style = fanStyleOf(state, pile.kind);
    if (style == codeOf(FanStyle::Down)) {
        const FanSteps plain{g.cell(cell::FaceDownStepDown), g.cell(cell::FaceUpStepDown)};
        const int limit = state.fanLimits.bottom;
        if (limit == FanLimits::kNone) {
            return plain;
        }
        // The cards below the top one each take a step.
        FanCount below;
        const int n = cardCount(pileString);
        for (int k = 0; k + 1 < n; ++k) {
            ++(isFaceDownAt(state, pileString, k) ? below.faceDown : below.faceUp);
        }
        const int top = pilePosition(state, pile).y + g.scrollOffset();
        return closeUp(plain, minimumFanSteps(state, plain, false), below,
                       limit - top - state.cardSize.height);
    }
    if (style == codeOf(FanStyle::Right)) {
        const FanSteps plain{g.cell(cell::FaceDownStepRight), g.cell(cell::FaceUpStepRight)};
        const int limit = rightLimitOf(state, pile);
        if (limit == FanLimits::kNone) {
            return plain;
        }
        FanCount below;
        const int n = cardCount(pileString);
        for (int k = 0; k + 1 < n; ++k) {
            ++(isFaceDownAt(state, pileString, k) ? below.faceDown : below.faceUp);
        }
        return closeUp(plain, minimumFanSteps(state, plain, true), below,
                       limit - pilePosition(state, pile).x - state.cardSize.width);
    }
    return {};
}

int fanStyleOf(const ProgramState& state, PileKind kind) {
    switch (kind) {
    case PileKind::Tableau:
        return state.params[param::TableauFanStyle];
    case PileKind::Foundation:
        return state.params[param::FoundationFanStyle];
    case PileKind::Reserve:
        return state.params[param::ReserveFanStyle];
    case PileKind::Stock:
        break;
    }
    return 0;
}

CardPoint stockTopPosition(const ProgramState& state, int pile, int cards) {
    const TMainGame& g = state.mainGame;
    if (g.stockX(pile) < kPlacedThreshold) {
        return {g.stockX(pile), g.stockY(pile)};
    }
    const int depth = pileDepth(cards, g.cell(cell::PreviewFlag) == 1);
    return {g.stockX(pile) - depth, g.stockY(pile) - depth};
}

CardPoint pilePosition(const ProgramState& state, PileRef pile) {
    const TMainGame& g = state.mainGame;
    switch (pile.kind) {
    case PileKind::Stock:
        return stockTopPosition(state, pile.index, cardCount(state.piles.stock(pile.index)));
    case PileKind::Foundation:
        return {g.foundationX(pile.index), g.foundationY(pile.index)};
    case PileKind::Tableau:
        return {g.tableauX(pile.index), g.tableauY(pile.index)};
    case PileKind::Reserve:
        return {g.reserveX(pile.index), g.reserveY(pile.index)};
    }
    return {};
}

bool isPlaced(const ProgramState& state, PileRef pile) {
    return pilePosition(state, pile).x >= kPlacedThreshold;
}

CardPoint cardPosition(const ProgramState& state, PileRef pile, std::string_view pileString,
                       int index) {
    CardPoint p = pilePosition(state, pile);
    if (pile.kind == PileKind::Stock || index <= 0) {
        return p;
    }
    const TMainGame& g = state.mainGame;
    const int style = fanStyleOf(state, pile.kind);
    switch (style) {
    case codeOf(FanStyle::Down): {
        const FanSteps steps = fanSteps(state, pile, pileString);
        for (int k = 0; k < index; ++k) {
            p.y += isFaceDownAt(state, pileString, k) ? steps.faceDown : steps.faceUp;
        }
        break;
    }
    case codeOf(FanStyle::Right): {
        const FanSteps steps = fanSteps(state, pile, pileString);
        for (int k = 0; k < index; ++k) {
            p.x += isFaceDownAt(state, pileString, k) ? steps.faceDown : steps.faceUp;
        }
        break;
    }
    case codeOf(FanStyle::SideBySide):
        p.x += index * (state.cardSize.width + g.cell(cell::SpacingUnit));
        break;
    case codeOf(FanStyle::DownPlainStep):
        if (pile.kind == PileKind::Reserve) {
            p.y += index * g.cell(cell::PlainFanStep);
        }
        break;
    case codeOf(FanStyle::RightByCardSize):
        if (pile.kind == PileKind::Tableau) {
            p.x += index * g.cell(cell::FanStyle6StepA);
        }
        break;
    case codeOf(FanStyle::DownFirstStep):
        p.y += g.cell(cell::FaceUpStepDown);
        break;
    default:
        break;
    }
    if (pile.kind == PileKind::Tableau && style == 1 &&
        state.settings.read(settings::field::PilesTT) != "N") {
        p.x += state.jitter.offsetFor(pile.index, index);
    }
    return p;
}

CardPoint cardPosition(const ProgramState& state, PileRef pile, int index) {
    return cardPosition(state, pile, state.piles.pile(pile), index);
}

CardPoint topCardPosition(const ProgramState& state, PileRef pile) {
    const std::string& s = state.piles.pile(pile);
    return cardPosition(state, pile, s, cardCount(s) - 1);
}

CardPoint nextCardPosition(const ProgramState& state, PileRef pile) {
    const std::string& cards = state.piles.pile(pile);
    return cardPosition(state, pile, cards + "000", cardCount(cards));
}

} // namespace vellomir::table
