#include "table/card_position.h"

#include "catalogue/parameter_index.h"

namespace vellomir::table {
namespace {

namespace param = catalogue::param;

bool isFaceDownAt(const ProgramState& state, std::string_view pileString, int k) {
    const int card = cardAt(pileString, k);
    return card != 0 && !state.cards.isFaceUp(card);
}

} // namespace

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

CardPoint pilePosition(const ProgramState& state, PileRef pile) {
    const TMainGame& g = state.mainGame;
    switch (pile.kind) {
    case PileKind::Stock:
        return {g.stockX(pile.index), g.stockY(pile.index)};
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
    case 1:
        for (int k = 0; k < index; ++k) {
            p.y += isFaceDownAt(state, pileString, k) ? g.cell(cell::FaceDownStepDown)
                                                      : g.cell(cell::FaceUpStepDown);
        }
        break;
    case 2:
        for (int k = 0; k < index; ++k) {
            p.x += isFaceDownAt(state, pileString, k) ? g.cell(cell::FaceDownStepRight)
                                                      : g.cell(cell::FaceUpStepRight);
        }
        break;
    case 4:
        p.x += index * (state.cardSize.width + g.cell(cell::SpacingUnit));
        break;
    case 5:
        if (pile.kind == PileKind::Reserve) {
            p.y += index * g.cell(cell::PlainFanStep);
        }
        break;
    case 6:
        if (pile.kind == PileKind::Tableau) {
            p.x += index * g.cell(cell::FanStyle6StepA);
        }
        break;
    case 7:
        p.y += g.cell(cell::FaceUpStepDown);
        break;
    default:
        break;
    }
    if (pile.kind == PileKind::Tableau && style == 1 &&
        state.settings.read(app::field::PilesTT) != "N") {
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
