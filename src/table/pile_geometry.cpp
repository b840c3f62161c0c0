#include "table/pile_geometry.h"

#include "catalogue/parameter_index.h"
#include "table/program_state.h"

namespace vellomir::table {

namespace {

namespace param = catalogue::param;

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

bool isFaceDown(const ProgramState& state, int code) {
    return code >= 1 && !state.cards.isFaceUp(code);
}

} // namespace

TablePoint pilePosition(const ProgramState& state, PileRef pile) {
    const TMainGame& game = state.mainGame;
    switch (pile.kind) {
    case PileKind::Stock:
        return {game.stockX(pile.index), game.stockY(pile.index)};
    case PileKind::Foundation:
        return {game.foundationX(pile.index), game.foundationY(pile.index)};
    case PileKind::Tableau:
        return {game.tableauX(pile.index), game.tableauY(pile.index)};
    case PileKind::Reserve:
        return {game.reserveX(pile.index), game.reserveY(pile.index)};
    }
    return {};
}

TablePoint cardPosition(const ProgramState& state, PileRef pile, int index) {
    TablePoint at = pilePosition(state, pile);
    if (at.x < kPlacedThreshold || at.y < kPlacedThreshold || index <= 0) {
        return at;
    }
    const TMainGame& game = state.mainGame;
    const int style = fanStyleOf(state, pile.kind);
    const std::string& cards = state.piles.pile(pile);
    if (style == 7) {
        at.y += game.cell(cell::FaceUpStepDown);
        return at;
    }
    for (int k = 0; k < index; ++k) {
        const bool down = isFaceDown(state, k < cardCount(cards) ? cardAt(cards, k) : 0);
        switch (style) {
        case 1:
            at.y += game.cell(down ? cell::FaceDownStepDown : cell::FaceUpStepDown);
            break;
        case 5:
            if (pile.kind == PileKind::Reserve) {
                at.y += game.cell(cell::PlainFanStep);
            }
            break;
        case 2:
            at.x += game.cell(down ? cell::FaceDownStepRight : cell::FaceUpStepRight);
            break;
        case 4:
            at.x += state.cardSize.width + game.cell(cell::SpacingUnit);
            break;
        case 6:
            if (pile.kind == PileKind::Tableau) {
                at.x += game.cell(cell::FanStyle6StepA);
            }
            break;
        default:
            break;
        }
    }
    return at;
}

TablePoint topCardPosition(const ProgramState& state, PileRef pile) {
    return cardPosition(state, pile, cardCount(state.piles.pile(pile)) - 1);
}

TablePoint nextCardPosition(const ProgramState& state, PileRef pile) {
    return cardPosition(state, pile, cardCount(state.piles.pile(pile)));
}

} // namespace vellomir::table
