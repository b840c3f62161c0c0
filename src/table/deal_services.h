#pragma once

#include <functional>

namespace vellomir::table {

struct ProgramState;

/// What dealing a new game needs from the play engine. Every member may be
/// left empty, which tests use freely: an empty `foundationAccepts` accepts
/// nothing, an empty `addToScore` or `computeDealtScore` does nothing, and an
/// empty `randomBelow` draws 0.
struct DealServices {
    /// Whether foundation `foundation` (0-based) takes `card` on its current
    /// top card under the foundation's own move rules (base rank 48 + f,
    /// direction 64 + f, building rule 80 + f), judged as the deal judges it.
    /// The card still lies where it was when this is asked.
    std::function<bool(const ProgramState& state, int card, int foundation)> foundationAccepts;
    /// Adds `cards` placed cards to the score (five points a card).
    std::function<void(ProgramState& state, int cards)> addToScore;
    /// The run's random draw in [0, bound); only asked with bound >= 1.
    std::function<int(int bound)> randomBelow;
    /// Computes the score of the dealt position; the deal calls it last.
    std::function<void(ProgramState& state)> computeDealtScore;

    bool accepts(const ProgramState& state, int card, int foundation) const {
        return foundationAccepts && foundationAccepts(state, card, foundation);
    }
    void score(ProgramState& state, int cards) const {
        if (addToScore) {
            addToScore(state, cards);
        }
    }
    /// A draw in [0, bound), kept in range whatever the source answers.
    int draw(int bound) const {
        if (bound < 1 || !randomBelow) {
            return 0;
        }
        const int value = randomBelow(bound);
        return value < 0 || value >= bound ? 0 : value;
    }
    void scoreDealtPosition(ProgramState& state) const {
        if (computeDealtScore) {
            computeDealtScore(state);
        }
    }
};

} // namespace vellomir::table
