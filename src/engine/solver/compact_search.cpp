#include "engine/solver/compact_search.h"

#include "engine/solver/bit_mixing.h"

#include <algorithm>
#include <queue>

namespace vellomir::engine {

namespace {

// Deeper than this a line is no longer worth following: lines stay short.
constexpr std::size_t kMostDepth = 400;
// How often the stop flag is read, in positions.
constexpr long kStopCheckEvery = 1024;

// How promising a move looks to the depth-first order; higher is tried first.
int moveScore(const CompactPosition& pos, const CompactMove& m) {
    const CompactRules& r = pos.rules();
    const bool toFoundation = m.to >= pos.foundation(0) && m.to < pos.stock();
    const bool toTableau = m.to < r.tableaus;
    const bool toEmpty = toTableau && pos.size(m.to) == 0;
    const bool fromTableau = m.from < r.tableaus;
    int score = 0;
    if (toFoundation) {
        score += 1000;
    }
    if (fromTableau) {
        const int left = pos.size(m.from) - m.count;
        if (left > 0 && (pos.at(m.from, left - 1) & CompactPosition::kFaceDown) != 0) {
            score += 300; // uncovers a face-down card
        } else if (left == 0 && !toEmpty) {
            score += 150; // empties a pile
        }
        score -= left; // the shallower the pile, the sooner it is cleared
    } else if (m.from == pos.waste() || (m.from >= pos.reserve(0) && m.from < pos.foundation(0))) {
        score += toTableau && !toEmpty ? 250 : 0; // a card brought back into play
    }
    if (toTableau && !toEmpty) {
        score += 200 + m.count;
    } else if (toEmpty) {
        score += 40;
    } // a free cell adds nothing: it is the last resort
    score -= 3 * m.draws;
    return score;
}

// Makes every safe move to the foundations at once, noting each in `made`;
// answers how many it made.
std::size_t playSafeFoundationMoves(CompactPosition& pos, std::vector<CompactMove>& made) {
    std::size_t count = 0;
    CompactMove safe;
    while (pos.safeFoundationMove(safe)) {
        pos.apply(safe);
        made.push_back(safe);
        ++count;
    }
    return count;
}

struct Frame {
    CompactMove move;
    std::size_t autos = 0;      // safe foundation moves made after it
    std::size_t movesBegin = 0; // its moves in the shared move stack
    std::size_t movesEnd = 0;
    std::size_t next = 0;
};

class DepthFirst {
public:
    DepthFirst(CompactPosition& pos, KeySet& seen, long budget, const std::atomic<bool>* stop)
        : m_pos(pos), m_seen(seen), m_budget(budget), m_stop(stop) {}

    CompactOutcome run(std::vector<CompactMove>& line, long& positions) {
        Frame root;
        root.autos = playSafeMoves();
        if (m_pos.won()) {
            collect(line, root);
            undoFrame(root, false);
            return CompactOutcome::Won;
        }
        m_seen.insert(m_pos.key());
        openMoves(root);
        m_frames.push_back(root);
        bool cut = false;
        while (!m_frames.empty()) {
            Frame& f = m_frames.back();
            if (f.next == f.movesEnd) {
                m_moves.resize(f.movesBegin);
                undoFrame(f, m_frames.size() > 1);
                m_frames.pop_back();
                continue;
            }
            const CompactMove move = m_moves[f.next++];
            m_pos.apply(move);
            Frame child;
            child.move = move;
            child.autos = playSafeMoves();
            if (m_pos.won()) {
                m_frames.push_back(child);
                collectAll(line);
                unwind();
                return CompactOutcome::Won;
            }
            if (!m_seen.insert(m_pos.key())) {
                undoFrame(child, true);
                continue;
            }
            ++positions;
            if (positions >= m_budget ||
                (m_stop != nullptr && positions % kStopCheckEvery == 0 && m_stop->load())) {
                m_frames.push_back(child);
                m_frames.back().movesBegin = m_frames.back().movesEnd = m_moves.size();
                unwind();
                return CompactOutcome::OutOfBudget;
            }
            if (m_frames.size() >= kMostDepth) {
                cut = true;
                undoFrame(child, true);
                continue;
            }
            openMoves(child);
            m_frames.push_back(child);
        }
        return cut ? CompactOutcome::OutOfBudget : CompactOutcome::Exhausted;
    }

private:
    std::size_t playSafeMoves() { return playSafeFoundationMoves(m_pos, m_autos); }

    void undoFrame(const Frame& f, bool withMove) {
        for (std::size_t i = 0; i < f.autos; ++i) {
            m_pos.undo(m_autos.back());
            m_autos.pop_back();
        }
        if (withMove) {
            m_pos.undo(f.move);
        }
    }

    // Takes every move of the frames back: the position is the start again.
    void unwind() {
        while (!m_frames.empty()) {
            undoFrame(m_frames.back(), m_frames.size() > 1);
            m_frames.pop_back();
        }
        m_moves.clear();
    }

    void openMoves(Frame& f) {
        f.movesBegin = m_moves.size();
        m_pos.legalMoves(m_moves);
        f.movesEnd = m_moves.size();
        f.next = f.movesBegin;
        m_scored.clear();
        for (std::size_t i = f.movesBegin; i < f.movesEnd; ++i) {
            const int score = moveScore(m_pos, m_moves[i]);
            m_scored.push_back({score, m_moves[i]});
        }
        std::stable_sort(m_scored.begin(), m_scored.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (std::size_t i = 0; i < m_scored.size(); ++i) {
            m_moves[f.movesBegin + i] = m_scored[i].second;
        }
    }

    void collect(std::vector<CompactMove>& line, const Frame& root) const {
        line.assign(m_autos.end() - static_cast<std::ptrdiff_t>(root.autos), m_autos.end());
    }

    void collectAll(std::vector<CompactMove>& line) const {
        line.clear();
        std::size_t autoAt = 0;
        for (std::size_t i = 0; i < m_frames.size(); ++i) {
            if (i > 0) {
                line.push_back(m_frames[i].move);
            }
            for (std::size_t a = 0; a < m_frames[i].autos; ++a) {
                line.push_back(m_autos[autoAt++]);
            }
        }
    }

    CompactPosition& m_pos;
    KeySet& m_seen;
    long m_budget;
    const std::atomic<bool>* m_stop;
    std::vector<Frame> m_frames;
    std::vector<CompactMove> m_moves;
    std::vector<CompactMove> m_autos;
    std::vector<std::pair<int, CompactMove>> m_scored;
};

// A stored position of the best-first search: how it was reached.
struct Node {
    std::uint32_t parent = 0;
    CompactMove move;
    std::uint16_t depth = 0;
};

constexpr std::uint32_t kNoNode = UINT32_MAX;
// How the best-first orders weigh a position: how much nearer a win weighs
// against a move more in the line, and the distance's own weights.
struct Weighing {
    int distance = 2;
    CompactPosition::DistanceWeights weights;
};

Weighing weighingOf(MoveOrder order, const CompactRules& rules) {
    Weighing w;
    if (order == MoveOrder::NearestFirstSpaces) {
        w.distance = 3;
        w.weights.heldCell = 8;
        w.weights.emptyTableau = 8;
    }
    if (rules.suitRunFoundation) {
        // Where whole suit runs go up, a win is long in coming: the cards
        // turned up and the runs kept whole lead the way, far more than the
        // line's length (measured on Spiderette and Will o' the Wisp).
        w.distance *= 2;
        w.weights.faceDownCard = 10;
        w.weights.brokenRun = 4;
        // Where the stock's deal passes the empty tableaus by, a space
        // outlasts the deals: keeping one open leads (Grounds for a Divorce
        // won 43 of 200 deals at 0.1 s with the usual weight, 81 with this).
        constexpr int kLastingSpace = 12;
        bool passedBy = rules.dealsToTableaus();
        for (int t = 0; t < rules.tableaus && passedBy; ++t) {
            passedBy = rules.deal.skipsEmpty[static_cast<std::size_t>(t)];
        }
        if (passedBy) {
            w.weights.emptyTableau = std::max(w.weights.emptyTableau, kLastingSpace);
        }
    }
    return w;
}

// A spread of scores added to each stored position's, to vary which of
// positions of about equal promise a best-first search takes first.
struct Jitter {
    int spread = 0; ///< 0 for none
    std::uint64_t seed = 0;
};

class BestFirst {
public:
    BestFirst(CompactPosition& pos, KeySet& seen, long budget, MoveOrder order,
              const std::atomic<bool>* stop, Jitter jitter = {})
        : m_pos(pos), m_seen(seen), m_budget(budget), m_weighing(weighingOf(order, pos.rules())),
          m_focused(order == MoveOrder::NearestFirstFocused), m_stop(stop), m_jitter(jitter) {}

    CompactOutcome run(std::vector<CompactMove>& line, long& positions) {
        m_rootAutos = playSafeMoves();
        if (m_pos.won()) {
            line.assign(m_autos.begin(), m_autos.end());
            unwind();
            return CompactOutcome::Won;
        }
        m_seen.insert(m_pos.key());
        m_nodes.push_back({kNoNode, {}, 0});
        m_open.push({m_weighing.distance * m_pos.distance(m_weighing.weights), 0});
        std::vector<CompactMove> moves;
        while (!m_open.empty()) {
            const std::uint32_t id = m_open.top().second;
            m_open.pop();
            moveTo(id);
            moves.clear();
            if (m_focused) {
                m_pos.focusedMoves(moves);
            } else {
                m_pos.legalMoves(moves);
            }
            const int depth = m_nodes[id].depth + 1;
            for (const CompactMove& move : moves) {
                m_pos.apply(move);
                const std::size_t autos = playSafeMoves();
                if (m_pos.won()) {
                    line.assign(m_autos.begin(),
                                m_autos.end() - static_cast<std::ptrdiff_t>(autos));
                    lineOf(line, move, autos);
                    takeBack(move, autos);
                    unwind();
                    return CompactOutcome::Won;
                }
                if (m_seen.insert(m_pos.key())) {
                    ++positions;
                    m_nodes.push_back({id, move, static_cast<std::uint16_t>(depth)});
                    m_open.push({m_weighing.distance * m_pos.distance(m_weighing.weights) + depth +
                                     jitter(),
                                 static_cast<std::uint32_t>(m_nodes.size() - 1)});
                }
                takeBack(move, autos);
                if (positions >= m_budget ||
                    (m_stop != nullptr && positions % kStopCheckEvery == 0 && m_stop->load())) {
                    unwind();
                    return CompactOutcome::OutOfBudget;
                }
            }
        }
        unwind();
        return m_focused ? CompactOutcome::OutOfBudget : CompactOutcome::Exhausted;
    }

    std::size_t nodeBytes() const {
        return m_nodes.capacity() * sizeof(Node) + m_open.size() * sizeof(Entry);
    }

private:
    using Entry = std::pair<int, std::uint32_t>;
    struct Later {
        // The smallest score first; among equals the newest, to run deep.
        bool operator()(const Entry& a, const Entry& b) const {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        }
    };

    std::size_t playSafeMoves() { return playSafeFoundationMoves(m_pos, m_autos); }

    // A score of 0 up to the jitter, drawn from the position's key and the
    // search's seed: the same position scores alike within one search.
    int jitter() const {
        if (m_jitter.spread <= 0) {
            return 0;
        }
        std::uint64_t h = m_pos.key() ^ m_jitter.seed;
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdULL;
        h ^= h >> 33;
        return static_cast<int>(h % static_cast<std::uint64_t>(m_jitter.spread));
    }

    void takeBack(const CompactMove& move, std::size_t autos) {
        for (std::size_t i = 0; i < autos; ++i) {
            m_pos.undo(m_autos.back());
            m_autos.pop_back();
        }
        m_pos.undo(move);
    }

    // The line: the moves of the current path with their safe moves (in
    // m_autos already), then `move` and its own.
    void lineOf(std::vector<CompactMove>& line, const CompactMove& move, std::size_t autos) const {
        line.clear();
        std::size_t at = 0;
        for (; at < m_rootAutos; ++at) {
            line.push_back(m_autos[at]);
        }
        for (std::size_t i = 0; i < m_path.size(); ++i) {
            line.push_back(m_nodes[m_path[i]].move);
            for (std::size_t a = 0; a < m_pathAutos[i]; ++a) {
                line.push_back(m_autos[at++]);
            }
        }
        line.push_back(move);
        for (std::size_t a = 0; a < autos; ++a) {
            line.push_back(m_autos[at++]);
        }
    }

    // Brings the position to a stored one: back to where its line and the
    // current one part, then forward along its own.
    void moveTo(std::uint32_t id) {
        m_target.clear();
        for (std::uint32_t n = id; n != 0; n = m_nodes[n].parent) {
            m_target.push_back(n);
        }
        std::reverse(m_target.begin(), m_target.end());
        std::size_t common = 0;
        while (common < m_path.size() && common < m_target.size() &&
               m_path[common] == m_target[common]) {
            ++common;
        }
        while (m_path.size() > common) {
            takeBack(m_nodes[m_path.back()].move, m_pathAutos.back());
            m_path.pop_back();
            m_pathAutos.pop_back();
        }
        for (std::size_t i = common; i < m_target.size(); ++i) {
            m_pos.apply(m_nodes[m_target[i]].move);
            m_path.push_back(m_target[i]);
            m_pathAutos.push_back(playSafeMoves());
        }
    }

    void unwind() {
        while (!m_path.empty()) {
            takeBack(m_nodes[m_path.back()].move, m_pathAutos.back());
            m_path.pop_back();
            m_pathAutos.pop_back();
        }
        for (std::size_t i = 0; i < m_rootAutos; ++i) {
            m_pos.undo(m_autos.back());
            m_autos.pop_back();
        }
        m_rootAutos = 0;
    }

    CompactPosition& m_pos;
    KeySet& m_seen;
    long m_budget;
    Weighing m_weighing;
    bool m_focused;
    const std::atomic<bool>* m_stop;
    Jitter m_jitter;
    std::vector<Node> m_nodes;
    std::priority_queue<Entry, std::vector<Entry>, Later> m_open;
    std::vector<std::uint32_t> m_path;
    std::vector<std::size_t> m_pathAutos;
    std::vector<std::uint32_t> m_target;
    std::vector<CompactMove> m_autos;
    std::size_t m_rootAutos = 0;
};

} // namespace

CompactSearchResult compactSearch(CompactPosition start, long positions,
                                  const std::vector<MoveOrder>& orders,
                                  const std::atomic<bool>* stop) {
    CompactSearchResult result;
    long spent = 0;
    for (std::size_t i = 0; i < orders.size(); ++i) {
        // The first order takes half the budget, the others share the rest.
        const long share = i + 1 == orders.size() ? positions - spent
                           : i == 0               ? positions / 2
                                                  : (positions - spent) / 2;
        KeySet seen;
        long used = 0;
        std::size_t bytes = 0;
        if (orders[i] == MoveOrder::NearestFirst || orders[i] == MoveOrder::NearestFirstSpaces ||
            orders[i] == MoveOrder::NearestFirstFocused) {
            BestFirst search(start, seen, share, orders[i], stop);
            result.outcome = search.run(result.line, used);
            bytes = search.nodeBytes();
        } else {
            DepthFirst search(start, seen, share, stop);
            result.outcome = search.run(result.line, used);
        }
        spent += used;
        result.storedBytes += seen.bytes() + bytes;
        if (result.outcome != CompactOutcome::OutOfBudget || (stop != nullptr && stop->load())) {
            break;
        }
    }
    result.positions = spent;
    return result;
}

CompactSearchResult compactRestarts(CompactPosition start, long positions,
                                    const std::vector<MoveOrder>& orders,
                                    const std::atomic<bool>* stop) {
    // A win in these games mostly lies along a line the first few thousand
    // positions of some order reach, or beyond what the budget reaches: many
    // short searches find more of them than a few long ones.
    constexpr long kFirstRoundPositions = 2000;
    // One card more on the foundations weighs 20 in a best-first score.
    constexpr int kJitterSpread = 20;
    CompactSearchResult result;
    long spent = 0;
    long round = kFirstRoundPositions;
    std::uint64_t seed = 0;
    for (int r = 0; spent < positions; ++r, round *= 2) {
        for (const MoveOrder order : orders) {
            const long share = std::min(round, positions - spent);
            if (share <= 0) {
                break;
            }
            seed += kGoldenStep;
            KeySet seen;
            long used = 0;
            BestFirst search(start, seen, share, order, stop, {r == 0 ? 0 : kJitterSpread, seed});
            result.outcome = search.run(result.line, used);
            spent += used;
            result.storedBytes += seen.bytes() + search.nodeBytes();
            // A search over every move that saw every position proves the
            // deal lost whatever its order.
            if (result.outcome != CompactOutcome::OutOfBudget ||
                (stop != nullptr && stop->load())) {
                result.positions = spent;
                return result;
            }
        }
    }
    result.outcome = CompactOutcome::OutOfBudget;
    result.positions = spent;
    return result;
}

} // namespace vellomir::engine
