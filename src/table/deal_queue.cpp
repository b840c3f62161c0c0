#include "table/deal_queue.h"

#include "table/card.h"
#include "table/program_state.h"

#include <algorithm>
#include <array>

namespace vellomir::table {

int DealQueue::takeFront() {
    if (m_cards.empty()) {
        return 0;
    }
    const int card = m_cards.front();
    m_cards.erase(m_cards.begin());
    return card;
}

bool DealQueue::take(int card) {
    const auto it = std::find(m_cards.begin(), m_cards.end(), card);
    if (card == 0 || it == m_cards.end()) {
        return false;
    }
    m_cards.erase(it);
    return true;
}

int DealQueue::takeFirst(const std::function<bool(int)>& wanted) {
    const auto it = std::find_if(m_cards.begin(), m_cards.end(), wanted);
    if (it == m_cards.end()) {
        return 0;
    }
    const int card = *it;
    m_cards.erase(it);
    return card;
}

int DealQueue::findFirst(const std::function<bool(int)>& wanted) const {
    const auto it = std::find_if(m_cards.begin(), m_cards.end(), wanted);
    return it == m_cards.end() ? 0 : *it;
}

std::vector<int> usableDealCards(const std::vector<int>& dealArray, std::vector<int>& rejected) {
    std::vector<int> cards;
    cards.reserve(dealArray.size());
    std::array<bool, kLastCard + 1> seen{};
    for (int code : dealArray) {
        if (code == 0) {
            continue;
        }
        if (code < 1 || code > kLastCard || seen[static_cast<std::size_t>(code)]) {
            rejected.push_back(code);
            continue;
        }
        seen[static_cast<std::size_t>(code)] = true;
        cards.push_back(code);
    }
    return cards;
}

int dealCards(ProgramState& state, DealQueue& queue, PileRef pile, int count) {
    int dealt = 0;
    while (dealt < count && !queue.empty()) {
        state.piles.appendCard(state.cards, pile, queue.takeFront(), '0');
        ++dealt;
    }
    return dealt;
}

void turnDealtFaces(ProgramState& state, PileRef pile, int mode) {
    const std::string& cards = state.piles.pile(pile);
    for (int i = 0; i < cardCount(cards); ++i) {
        state.cards.setFaceUp(cardAt(cards, i), false);
    }
    setFacesOfPile(state.cards, cards, mode, '1');
}

} // namespace vellomir::table
