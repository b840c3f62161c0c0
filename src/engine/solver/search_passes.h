#pragma once

#include <algorithm>
#include <cstddef>

namespace vellomir::engine {

/// How one pass of a restarting depth-first search ended.
enum class PassEnd {
    Won,         ///< it found a won line
    SearchedOut, ///< it met every position reachable from the deal: the deal is lost
    CutShort,    ///< its share of the positions ran out first
};

/// How a run of passes ended.
enum class PassesEnd { Won, Lost, Unanswered };

/// Runs a restarting search: pass 0, 1, 2, ... (each tries the moves in an
/// order of its own) with up to `passPositions` of the positions left, until
/// a pass wins, a pass searches every position out, the `positions` are
/// spent or `stopped()` holds. Small passes in many orders answer more deals
/// in a given time than one long pass. `pass(order, budget)` runs one pass;
/// `searched()` counts the positions all passes have searched so far.
template <class Pass, class Searched, class Stopped>
PassesEnd runPasses(long positions, long passPositions, Pass&& pass, Searched&& searched,
                    Stopped&& stopped) {
    for (int order = 0;; ++order) {
        const long left = positions - searched();
        if (left <= 0 || stopped()) {
            return PassesEnd::Unanswered;
        }
        switch (pass(order, std::min(passPositions, left))) {
        case PassEnd::Won:
            return PassesEnd::Won;
        case PassEnd::SearchedOut:
            return PassesEnd::Lost;
        case PassEnd::CutShort:
            break;
        }
    }
}

/// Records how the passes ended in a search's outcome: a won deal as Won, a
/// deal searched out as Exhausted; an unanswered one keeps the outcome as it
/// was.
template <class Outcome> void recordPassesEnd(PassesEnd end, Outcome& outcome) {
    if (end == PassesEnd::Won) {
        outcome = Outcome::Won;
    } else if (end == PassesEnd::Lost) {
        outcome = Outcome::Exhausted;
    }
}

/// Records how a search ended in its result: the outcome its passes came
/// to, the positions it searched and the bytes it stored.
template <class Result>
void recordSearchEnd(PassesEnd end, long searched, std::size_t storedBytes, Result& result) {
    recordPassesEnd(end, result.outcome);
    result.positions = searched;
    result.storedBytes = storedBytes;
}

} // namespace vellomir::engine
