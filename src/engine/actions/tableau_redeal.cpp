// The redeal of games in fans (La Belle Lucie, Trefoil, Cruel): a click on
// the empty stock gathers the tableaus and deals them again in small piles.
// The gap rows (Montana) gather only the cards out of their places and deal
// them back after the rows' runs.

#include "engine/actions/tableau_redeal.h"

#include "catalogue/parameter_index.h"
#include "engine/actions/action_support.h"
#include "engine/records/undo_snapshots.h"
#include "seam/frontend.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/pile_counts.h"
#include "table/pile_lists.h"
#include "table/program_state.h"
#include "table/random_generator.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;
using table::ProgramState;
using table::cell::PassNumber;

// The shuffle of a redeal follows from the deal number and the pass, so that
// the same deal played the same way redeals the same cards, in a saved game
// taken up again and in the solver's replay alike.
std::uint32_t redealSeed(const ProgramState& state) {
    std::uint32_t seed = 2166136261u;
    for (char digit : state.settings.read(settings::field::DealNumber)) {
        seed = (seed ^ static_cast<unsigned char>(digit)) * 16777619u;
    }
    return (seed ^ static_cast<std::uint32_t>(state.mainGame.cell(PassNumber))) * 16777619u;
}

void shuffle(std::vector<int>& cards, std::uint32_t seed) {
    table::RandomGenerator random(seed);
    for (int i = static_cast<int>(cards.size()) - 1; i > 0; --i) {
        std::swap(cards[static_cast<std::size_t>(i)],
                  cards[static_cast<std::size_t>(random.draw(i + 1))]);
    }
}

// The tableau cards pile by pile, each from its bottom card up.
std::vector<int> gatheredCards(const ProgramState& state, int tableaus) {
    std::vector<int> cards;
    for (int t = 0; t < tableaus; ++t) {
        const std::string& pile = state.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            cards.push_back(table::cardAt(pile, i));
        }
    }
    return cards;
}

// The tableau a card at place `index` of the gathered cards is dealt to.
int redealtPile(std::size_t index, int group, int tableaus) {
    return std::min(static_cast<int>(index) / group, tableaus - 1);
}

// Whether dealing the cards in order would leave every pile as it lies.
bool redealChangesNothing(const ProgramState& state, int tableaus, int group) {
    std::vector<int> counts(static_cast<std::size_t>(tableaus), 0);
    const std::size_t cards = gatheredCards(state, tableaus).size();
    for (std::size_t i = 0; i < cards; ++i) {
        ++counts[static_cast<std::size_t>(redealtPile(i, group, tableaus))];
    }
    for (int t = 0; t < tableaus; ++t) {
        if (table::cardCount(state.piles.tableau(t)) != counts[static_cast<std::size_t>(t)]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool canRedealTableaus(const ProgramState& state) {
    const catalogue::GameParameters& p = state.params;
    const bool gapRows = table::isGapRows(p);
    if ((p[param::TableauRedealGroup] < 1 && !gapRows) || !detail::stockEmpty(state)) {
        return false;
    }
    const int allowed = p[param::StockPasses];
    if (allowed != -1 && state.mainGame.cell(PassNumber) >= allowed) {
        return false;
    }
    if (gapRows) {
        // Rows with every card in place have nothing to gather.
        return !table::cardsOutOfPlace(state).empty();
    }
    const int tableaus = table::PileCounts::of(p).tableaus;
    if (tableaus < 1 || gatheredCards(state, tableaus).empty()) {
        return false;
    }
    // Dealt again in order, piles that lie as the redeal would leave them
    // would not change: that click is no move.
    return p[param::TableauRedealShuffled] == 1 ||
           !redealChangesNothing(state, tableaus, p[param::TableauRedealGroup]);
}

bool detail::redealTableaus(ProgramState& state, seam::Frontend& frontend, ActionContext& context) {
    if (!canRedealTableaus(state)) {
        return false;
    }
    const catalogue::GameParameters& p = state.params;
    const int tableaus = table::PileCounts::of(p).tableaus;
    takeUndoSnapshot(state);
    state.mainGame.setCell(PassNumber, state.mainGame.cell(PassNumber) + 1);

    if (table::isGapRows(p)) {
        std::vector<int> gathered = table::cardsOutOfPlace(state);
        shuffle(gathered, redealSeed(state));
        table::dealAfterRuns(state, gathered);
        playSwitched(state, frontend, "Shuffle", settings::field::SoundsShuffle);
        drawWholeTable(state, frontend);
        return true;
    }

    std::vector<int> cards = gatheredCards(state, tableaus);
    for (int t = 0; t < tableaus; ++t) {
        state.piles.tableau(t).clear();
    }
    if (p[param::TableauRedealShuffled] == 1) {
        shuffle(cards, redealSeed(state));
    }
    const int group = p[param::TableauRedealGroup];
    for (std::size_t i = 0; i < cards.size(); ++i) {
        placeCard(state, {table::PileKind::Tableau, redealtPile(i, group, tableaus)}, cards[i], '1',
                  context);
    }
    playSwitched(state, frontend, "Shuffle", settings::field::SoundsShuffle);
    drawWholeTable(state, frontend);
    return true;
}

} // namespace vellomir::engine
