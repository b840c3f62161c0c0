#include "engine/solver/up_order.h"

#include "engine/solver/compact_position.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

namespace vellomir::engine {

namespace {

constexpr int kCodes = CompactRules::kCodes;
using CardSet = std::bitset<kCodes>;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// Whether a card leaves its pile only for a foundation: no tableau takes
// it, on a card or empty, and no free cell.
bool onlyGoesUp(const CompactRules& rules, int card) {
    for (int below = 0; below <= rules.cards; ++below) {
        for (int t = 0; t < rules.tableaus; ++t) {
            if (rules.tableauTakes(t, below, card)) {
                return false;
            }
        }
    }
    return true;
}

// The one card a foundation must hold before it takes `card`, or 0 where
// an empty foundation takes it or more cards than one may come first.
int onlyCardBefore(const CompactRules& rules, int card) {
    int before = 0;
    for (int f = 0; f < rules.foundations; ++f) {
        for (int below = 0; below <= rules.cards; ++below) {
            if (!rules.foundationTakes(f, below, card)) {
                continue;
            }
            if (below == 0 || (before != 0 && before != below)) {
                return 0;
            }
            before = below;
        }
    }
    return before;
}

class UpOrder {
public:
    explicit UpOrder(const CompactPosition& position)
        : m_position(position), m_rules(position.rules()),
          m_runsMove(m_rules.longestRun(m_rules.tableaus, m_rules.reserves, true) > 1) {}

    bool inCircle() {
        for (int f = 0; f < m_rules.foundations; ++f) {
            const int pile = m_position.foundation(f);
            for (int i = 0; i < m_position.size(pile); ++i) {
                m_up.set(at(m_position.at(pile, i) & CompactPosition::kCodeMask));
            }
        }
        for (int card = 1; card <= m_rules.cards; ++card) {
            const int before = onlyCardBefore(m_rules, card);
            if (!m_up.test(at(card)) && before != 0 && !m_up.test(at(before))) {
                m_after[at(before)].set(at(card));
            }
        }
        const bool anyFreeCell = [&] {
            for (int r = 0; r < m_rules.reserves; ++r) {
                if (m_rules.reserveTakes[at(r)]) {
                    return true;
                }
            }
            return false;
        }();
        if (anyFreeCell) {
            return cycleFound();
        }
        for (int t = 0; t < m_rules.tableaus; ++t) {
            addPile(m_position.tableau(t), t);
        }
        // Reserves the program empties into the spaces give cards other ways.
        if (!m_rules.fillsFromReserve && !m_rules.reserveLastCardOnly) {
            for (int r = 0; r < m_rules.reserves; ++r) {
                addPile(m_position.reserve(r), -1);
            }
        }
        return cycleFound();
    }

private:
    // Each card of the pile that only goes up, and that no run lifts with
    // the card under it, goes up before every card under it.
    void addPile(int pile, int tableau) {
        CardSet under;
        for (int i = 0; i < m_position.size(pile); ++i) {
            const int card = m_position.at(pile, i) & CompactPosition::kCodeMask;
            if (i > 0 && onlyGoesUp(m_rules, card)) {
                // A face-down card turns up only once it is on top.
                const std::uint8_t right = m_position.at(pile, i - 1);
                const bool lifted = tableau >= 0 && m_runsMove &&
                                    (right & CompactPosition::kFaceDown) == 0 &&
                                    m_rules.runPairFits(tableau, right, card);
                if (!lifted) {
                    m_after[at(card)] |= under;
                }
            }
            under.set(at(card));
        }
    }

    bool cycleFound() {
        for (int card = 1; card <= m_rules.cards; ++card) {
            if (m_state[at(card)] == State::Unseen && reachesItself(card)) {
                return true;
            }
        }
        return false;
    }

    // Depth first from `card`: true when a card on the path comes again.
    bool reachesItself(int card) {
        m_state[at(card)] = State::OnPath;
        for (int next = 1; next <= m_rules.cards; ++next) {
            if (!m_after[at(card)].test(at(next))) {
                continue;
            }
            if (m_state[at(next)] == State::OnPath ||
                (m_state[at(next)] == State::Unseen && reachesItself(next))) {
                return true;
            }
        }
        m_state[at(card)] = State::Done;
        return false;
    }

    enum class State : unsigned char { Unseen, OnPath, Done };
    const CompactPosition& m_position;
    const CompactRules& m_rules;
    bool m_runsMove; // more than one card may move at once
    CardSet m_up;
    std::array<CardSet, kCodes> m_after{};
    std::array<State, kCodes> m_state{};
};

} // namespace

bool upOrderInCircle(const CompactPosition& position) {
    const CompactRules& rules = position.rules();
    // A drawn card leaves its pile from under others.
    if (rules.redeal || rules.suitRunFoundation || rules.tableauDraws > 0) {
        return false;
    }
    return UpOrder(position).inCircle();
}

} // namespace vellomir::engine
