#include "engine/actions/clock_rules.h"

#include "catalogue/parameter_index.h"
#include "engine/actions/action_support.h"
#include "engine/records/undo_snapshots.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <string>

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;
using table::PileKind;
using table::PileRef;
using table::ProgramState;

constexpr int kHours = 12;

int tableausOf(const ProgramState& state) {
    return table::PileCounts::of(state.params).tableaus;
}

bool faceDownTop(const ProgramState& state, int t) {
    const int top = table::topCardOf(state.piles.tableau(t));
    return top >= 1 && !state.cards.isFaceUp(top);
}

} // namespace

int clockPileOfRank(int rank) {
    return rank >= 1 && rank <= kHours ? rank - 1 : kClockKingsPile;
}

std::optional<int> clockPileToTurn(const ProgramState& state) {
    if (tableausOf(state) <= kClockKingsPile) {
        return std::nullopt;
    }
    for (int t = 0; t < kHours; ++t) {
        const int dealt = state.params[param::TableauStartCards + t];
        if (table::cardCount(state.piles.tableau(t)) > dealt) {
            return faceDownTop(state, t) ? std::optional<int>(t) : std::nullopt;
        }
    }
    if (faceDownTop(state, kClockKingsPile)) {
        return kClockKingsPile;
    }
    return std::nullopt;
}

bool clockComplete(const ProgramState& state) {
    for (int t = 0; t < tableausOf(state); ++t) {
        const std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (!state.cards.isFaceUp(table::cardAt(pile, i))) {
                return false;
            }
        }
    }
    return true;
}

int clockScore(const ProgramState& state) {
    int score = 0;
    for (int t = 0; t < kHours && t < tableausOf(state); ++t) {
        const std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            score += state.cards.isFaceUp(table::cardAt(pile, i)) ? 1 : 0;
        }
    }
    return score;
}

bool detail::turnClockCard(ProgramState& state, seam::Frontend& frontend, ActionContext& context) {
    const std::optional<int> from = clockPileToTurn(state);
    if (!from) {
        return false;
    }
    const PileRef source{PileKind::Tableau, *from};
    std::string& cards = state.piles.tableau(*from);
    const int card = table::topCardOf(cards);
    const PileRef target{PileKind::Tableau, clockPileOfRank(table::rankOf(card))};
    takeUndoSnapshot(state);
    const table::CardPoint start = table::topCardPosition(state, source);
    const std::string before = cards;
    cards.resize(cards.size() - 3);
    // Under the pile: the card goes below every card already there.
    state.piles.tableau(target.index).insert(0, table::cardText(card));
    state.cards.setFaceFlag(card, '1');
    const table::CardPoint end = table::cardPosition(state, target, 0);
    context.lastCardTop = end.y;
    if (target != source) {
        // The shorter fan leaves the place of its old top card to be cleared.
        frontend.tableDrawing().redrawShrunkPile(before, state.piles.tableau(source.index),
                                                 nameOf(source));
    }
    if (cardsAnimate(state) && target != source) {
        fly(frontend, card, start, end);
    }
    drawChangedPile(frontend, target);
    playSwitched(state, frontend, "Face_up", settings::field::SoundsFaceUp);

    const bool won = clockComplete(state);
    state.flags.set(table::Flag::Won, won);
    // The fourth king ends the sequence; cards still face down lose the game.
    state.gameLost = !won && !clockPileToTurn(state);
    return true;
}

} // namespace vellomir::engine
