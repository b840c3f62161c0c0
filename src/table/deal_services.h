#pragma once

namespace vellomir::table {

struct ProgramState;

/// What dealing a new game needs from the play engine. The play engine
/// answers with its own rules; this base answers as a deal without an engine
/// would, which tests build on: no foundation takes a card, the score stays
/// as it is and every random draw is 0.
class DealServices {
public:
    virtual ~DealServices() = default;

    /// Whether foundation `foundation` (0-based) takes `card` on its current
    /// top card under the foundation's own move rules (base rank 48 + f,
    /// direction 64 + f, building rule 80 + f), judged as the deal judges it.
    /// The card still lies where it was when this is asked.
    virtual bool foundationAccepts(const ProgramState& /*state*/, int /*card*/,
                                   int /*foundation*/) const {
        return false;
    }
    /// Adds `cards` placed cards to the score (five points a card).
    virtual void addToScore(ProgramState& /*state*/, int /*cards*/) const {}
    /// Computes the score of the dealt position; the deal calls it last.
    virtual void computeDealtScore(ProgramState& /*state*/) const {}

    /// A random draw in [0, bound), kept in range whatever the source
    /// answers; 0 for a bound below 1.
    int draw(int bound) const {
        if (bound < 1) {
            return 0;
        }
        const int value = randomBelow(bound);
        return value < 0 || value >= bound ? 0 : value;
    }

protected:
    /// The run's random draw in [0, bound); only asked with bound >= 1.
    virtual int randomBelow(int /*bound*/) const { return 0; }
};

} // namespace vellomir::table
