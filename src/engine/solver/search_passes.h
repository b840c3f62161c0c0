#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

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

/// A position on the line of a depth-first pass: its moves, the next to
/// try, and the move, what takes it back and the key that led to it.
template <class Move, class Undo, class Key, int kMaxMoves> struct PassFrame {
    std::array<Move, kMaxMoves> moves{};
    int count = 0;
    int next = 0;
    Move move{};
    Undo undo{};
    Key key{};
};

/// One pass of a depth-first search whose positions are kept by key in
/// `seen`, shared by the passes: positions met in an earlier pass are not
/// searched again, those on the line a cut-short pass left open are given
/// back. `search` holds the position and answers:
///   reset()                      the position the search starts from;
///   key()                        the current position's key;
///   won()                        whether it is won;
///   moves(frame, order, shuffle) fills frame.moves and frame.count;
///   apply(move) -> undo          plays a move, answering what takes it back;
///   takeBack(move, undo)         takes it back;
///   stopped()                    whether the search is called off.
/// A Frame is a PassFrame or holds the same members. The stop flag is read every `stopCheckEvery`
/// positions.
template <class Search, class Frame, class KeySet, class Move>
PassEnd depthFirstPass(Search& search, std::vector<Frame>& frames, KeySet& seen, int order,
                       long budget, long& searched, std::vector<Move>& line,
                       long stopCheckEvery = 1024) {
    search.reset();
    std::mt19937 shuffle(static_cast<std::uint32_t>(order));
    frames.clear();
    frames.emplace_back();
    frames.back().key = search.key();
    seen.insert(frames.back().key);
    if (search.won()) {
        return PassEnd::Won;
    }
    search.moves(frames.back(), order, shuffle);
    long spent = 0;
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next == frame.count) {
            if (frames.size() > 1) {
                search.takeBack(frame.move, frame.undo);
            }
            frames.pop_back();
            continue;
        }
        const auto move = frame.moves[static_cast<std::size_t>(frame.next++)];
        const auto undo = search.apply(move);
        const auto here = search.key();
        if (!seen.insert(here)) {
            search.takeBack(move, undo);
            continue;
        }
        ++searched;
        ++spent;
        if (search.won()) {
            for (std::size_t i = 1; i < frames.size(); ++i) {
                line.push_back(frames[i].move);
            }
            line.push_back(move);
            return PassEnd::Won;
        }
        if (spent >= budget || (spent % stopCheckEvery == 0 && search.stopped())) {
            // The line open now was not searched out: a later pass may meet
            // its positions again.
            seen.erase(here);
            for (const Frame& open : frames) {
                seen.erase(open.key);
            }
            return PassEnd::CutShort;
        }
        Frame next;
        next.move = move;
        next.undo = undo;
        next.key = here;
        search.moves(next, order, shuffle);
        frames.push_back(next);
    }
    return PassEnd::SearchedOut;
}

/// A whole restarting depth-first search: passes of depthFirstPass, each
/// of up to `passPositions` positions, until one answers; its end, the
/// positions searched and the bytes its keys and line took recorded in a
/// Result (`outcome`, `line`, `positions`, `storedBytes`).
template <class Result, class Search, class Frame, class KeySet>
Result runDepthFirstPasses(Search& search, std::vector<Frame>& frames, KeySet& seen, long& searched,
                           long positions, long passPositions) {
    Result result;
    const PassesEnd end = runPasses(
        positions, passPositions,
        [&](int order, long budget) {
            return depthFirstPass(search, frames, seen, order, budget, searched, result.line);
        },
        [&] { return searched; }, [&] { return search.stopped(); });
    recordSearchEnd(end, searched, seen.bytes() + frames.capacity() * sizeof(Frame), result);
    return result;
}

} // namespace vellomir::engine
