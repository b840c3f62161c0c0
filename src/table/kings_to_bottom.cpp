#include "table/kings_to_bottom.h"

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vellomir::table {
namespace param = catalogue::param;
namespace {

constexpr int kKing = 13;

// The pile's cards, bottom first; nothing when it holds a placeholder.
std::vector<int> realCards(const std::string& pile) {
    std::vector<int> cards;
    for (int i = 0; i < cardCount(pile); ++i) {
        const int card = cardAt(pile, i);
        if (card <= 0) {
            return {};
        }
        cards.push_back(card);
    }
    return cards;
}

void moveKingsDown(ProgramState& state, std::string& pile) {
    std::vector<int> cards = realCards(pile);
    std::vector<bool> faces;
    for (int card : cards) {
        faces.push_back(state.cards.isFaceUp(card));
    }
    std::stable_partition(cards.begin(), cards.end(),
                          [](int card) { return rankOf(card) == kKing; });
    std::string reordered;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        reordered += cardText(cards[i]);
        state.cards.setFaceUp(cards[i], faces[i]);
    }
    pile = reordered;
}

} // namespace

void moveKingsToBottom(ProgramState& state) {
    if (state.params[param::KingsToBottom] == 0) {
        return;
    }
    const int tableaus = std::clamp(state.params[param::TableauCount], 0, kMaxTableaus);
    for (int t = 0; t < tableaus; ++t) {
        std::string& pile = state.piles.tableau(t);
        if (!realCards(pile).empty()) {
            moveKingsDown(state, pile);
        }
    }
}

} // namespace vellomir::table
