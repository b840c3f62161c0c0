#pragma once

#include "catalogue/parameter_index.h"
#include "table/card.h"
#include "table/deal_distribution.h"
#include "table/deal_services.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace vellomir::table::dealtest {

namespace param = catalogue::param;

// Foundations that build up in suit from their base rank (48 + f; -1 takes
// any card), the simplest rule that lets the deal's sweeps do something.
inline bool upInSuit(const ProgramState& state, int card, int f) {
    const std::string& pile = state.piles.foundation(f);
    const int top = topCardOf(pile);
    if (top == 0) {
        const int base = state.params[param::FoundationBaseRank + f];
        return base == -1 || rankOf(card) == base;
    }
    return suitOf(card) == suitOf(top) && rankOf(card) == rankOf(top) + 1;
}

// Deal services whose answers a test sets as functions; one left empty
// answers as the base does.
struct ScriptedDealServices final : DealServices {
    std::function<bool(const ProgramState&, int card, int foundation)> accepts;
    std::function<void(ProgramState&, int cards)> score;
    std::function<int(int bound)> random;
    std::function<void(ProgramState&)> dealtScore;

    bool foundationAccepts(const ProgramState& state, int card, int foundation) const override {
        return accepts && accepts(state, card, foundation);
    }
    void addToScore(ProgramState& state, int cards) const override {
        if (score) {
            score(state, cards);
        }
    }
    void computeDealtScore(ProgramState& state) const override {
        if (dealtScore) {
            dealtScore(state);
        }
    }

protected:
    int randomBelow(int bound) const override { return random ? random(bound) : 0; }
};

// Fresh program state, a parameter set given as index-value pairs, and
// services that record the score and the random draws asked for.
struct DealFixture {
    ProgramState state;
    ScriptedDealServices services;
    int scoredCards = 0;
    int dealtScoreComputed = 0;
    std::vector<int> drawBounds;
    int nextDraw = 0;

    DealFixture() {
        services.accepts = upInSuit;
        services.score = [this](ProgramState&, int cards) { scoredCards += cards; };
        services.random = [this](int bound) {
            drawBounds.push_back(bound);
            return nextDraw;
        };
        services.dealtScore = [this](ProgramState&) { ++dealtScoreComputed; };
    }

    void set(std::initializer_list<std::pair<int, int>> values) {
        for (auto [index, value] : values) {
            state.params.set(index, value);
        }
    }

    DealOutcome deal(const std::vector<int>& cards) {
        return distributeDeal(state, cards, services);
    }

    const std::string& stock() const { return state.piles.stock(kStock); }
    const std::string& waste() const { return state.piles.stock(kWaste); }
    const std::string& discard() const { return state.piles.stock(kDiscard); }
    const std::string& foundation(int n) const { return state.piles.foundation(n - 1); }
    const std::string& tableau(int n) const { return state.piles.tableau(n - 1); }
    const std::string& reserve(int n) const { return state.piles.reserve(n - 1); }

    // The faces of a pile, bottom card first: U face up, d face down, _ an
    // empty place.
    std::string faces(const std::string& pile) const {
        std::string out;
        for (int i = 0; i < cardCount(pile); ++i) {
            const int card = cardAt(pile, i);
            out += card == 0 ? '_' : state.cards.isFaceUp(card) ? 'U' : 'd';
        }
        return out;
    }

    int base(int n) const { return state.params[param::FoundationBaseRank + n - 1]; }
};

// The cards 1 .. n in order.
inline std::vector<int> cardsUpTo(int n) {
    std::vector<int> cards;
    for (int c = 1; c <= n; ++c) {
        cards.push_back(c);
    }
    return cards;
}

// Pile string of the given codes.
inline std::string pileOf(std::initializer_list<int> codes) {
    std::string out;
    for (int c : codes) {
        out += cardText(c);
    }
    return out;
}

} // namespace vellomir::table::dealtest
