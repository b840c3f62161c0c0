#pragma once

#include "table/pile_lists.h"

#include <functional>
#include <vector>

namespace vellomir::table {

struct ProgramState;

/// The cards of a deal array not yet handed out, in deal order. The deal
/// takes cards from its front, or picks a given card out of it.
class DealQueue {
public:
    DealQueue() = default;
    /// The queue holds the cards given, in order; pass them through
    /// usableDealCards first.
    explicit DealQueue(std::vector<int> cards) : m_cards(std::move(cards)) {}

    bool empty() const { return m_cards.empty(); }
    int size() const { return static_cast<int>(m_cards.size()); }
    const std::vector<int>& cards() const { return m_cards; }

    /// The first card, 0 when the queue is empty.
    int front() const { return m_cards.empty() ? 0 : m_cards.front(); }
    /// Takes the first card; 0 when the queue is empty.
    int takeFront();
    /// Takes the given card out of the queue; false when it is not there.
    bool take(int card);
    /// Takes the first card that satisfies `wanted`; 0 when none does.
    int takeFirst(const std::function<bool(int)>& wanted);
    /// The first card that satisfies `wanted`, left in place; 0 when none does.
    int findFirst(const std::function<bool(int)>& wanted) const;

private:
    std::vector<int> m_cards;
};

/// The cards of a deal array that can be dealt: codes 1-108, each once, in
/// order. Empty slots (0) are skipped; anything else that is no card, and
/// every repeat of a card already seen, goes to `rejected`.
std::vector<int> usableDealCards(const std::vector<int>& dealArray, std::vector<int>& rejected);

/// Moves up to `count` cards from the front of the queue onto the top of a
/// pile, in order, face down. Returns how many were dealt.
int dealCards(ProgramState& state, DealQueue& queue, PileRef pile, int count);

/// Sets the faces of a pile as the deal leaves them: every card face down,
/// then the face mode turns cards face up (n >= 1 the top n cards, -1 and -2
/// alternating, -3 the bottom card; any other mode none).
void turnDealtFaces(ProgramState& state, PileRef pile, int mode);

} // namespace vellomir::table
