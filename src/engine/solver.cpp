#include "engine/solver.h"

#include "catalogue/parameter_index.h"
#include "engine/play_engine.h"
#include "engine/quiet_frontend.h"
#include "engine/solver_places.h"
#include "engine/twin_piles.h"
#include "engine/table_fingerprint.h"
#include "engine/undo_snapshots.h"
#include "table/card.h"
#include "table/main_game.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_set>

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;
using Verb = PointerCommand::Verb;

// What the move ordering weighs in a position.
struct Progress {
    int score = 0;
    int faceDown = 0; // on tableaus and reserves: cards still to be turned
    int emptyPiles = 0;
    int inStock = 0; // cards still in the stock and the waste

    static Progress of(const table::ProgramState& state) {
        Progress p;
        p.score = state.settings.readInt(app::field::Score, 0);
        p.inStock = table::cardCount(state.piles.stock(table::kStock)) +
                    table::cardCount(state.piles.stock(table::kWaste));
        const table::PileCounts counts = table::PileCounts::of(state.params);
        auto count = [&](const std::string& pile) {
            if (pile.empty()) {
                ++p.emptyPiles;
            }
            for (int i = 0; i < table::cardCount(pile); ++i) {
                const int card = table::cardAt(pile, i);
                if (card >= 1 && !state.cards.isFaceUp(card)) {
                    ++p.faceDown;
                }
            }
        };
        for (int t = 0; t < counts.tableaus; ++t) {
            count(state.piles.tableau(t));
        }
        for (int r = 0; r < counts.reserves; ++r) {
            count(state.piles.reserve(r));
        }
        return p;
    }
};

// A gesture that changed the table, and how promising its position is.
struct Child {
    PointerCommand command;
    std::uint64_t fingerprint = 0;
    int priority = 0;
    bool idle = false; // nothing gained: no score, no card turned, no pile emptied, no deal
};

struct Frame {
    table::ProgramState state;
    std::uint64_t fingerprint = 0;
    PointerCommand via; // the gesture that led here
    int idle = 0;       // idle moves in a row up to here
    std::vector<Child> children;
    std::size_t next = 0;
};

PointerCommand gesture(Verb verb, std::string place, std::string target = {}) {
    PointerCommand command;
    command.verb = verb;
    command.place = std::move(place);
    command.target = std::move(target);
    return command;
}

bool isStockPlace(const std::string& place) {
    return place == "Mazzo";
}

class Search {
public:
    Search(const table::ProgramState& dealt, const app::Frontend& geometry,
           const SolveLimits& limits)
        : m_limits(limits), m_twins(dealt.params), m_frontend(geometry), m_work(dealt),
          m_engine(m_work, m_frontend) {}

    SolveResult run() {
        SolveResult result;
        forgetUndo();
        Frame& root = frameAt(0);
        root.state = m_work;
        root.idle = 0;
        root.fingerprint = tableFingerprint(root.state);
        m_seen.insert(root.fingerprint);
        m_positions = 1;
        std::size_t depth = 1;
        if (expand(root)) {
            return solved(result, depth);
        }
        while (depth > 0) {
            Frame& frame = *m_frames[depth - 1];
            if (frame.next >= frame.children.size()) {
                --depth;
                continue;
            }
            const Child& child = frame.children[frame.next++];
            if (m_seen.contains(child.fingerprint)) {
                continue;
            }
            if (depth >= static_cast<std::size_t>(m_limits.depth)) {
                m_cutShort = true;
                continue;
            }
            const int idle = child.idle ? frame.idle + 1 : 0;
            if (m_limits.idleMoves > 0 && idle > m_limits.idleMoves) {
                m_cutShort = true;
                continue;
            }
            if (m_positions >= m_limits.positions) {
                result.outcome = SolveOutcome::GaveUp;
                result.positions = m_positions;
                return result;
            }
            m_seen.insert(child.fingerprint);
            ++m_positions;
            m_work = frame.state;
            if (!apply(child.command) || tableFingerprint(m_work) != child.fingerprint) {
                // The gesture did not repeat itself: the search is no longer
                // complete, so it may not call the deal lost.
                m_cutShort = true;
                continue;
            }
            forgetUndo();
            Frame& next = frameAt(depth);
            next.state = m_work;
            next.fingerprint = child.fingerprint;
            next.via = child.command;
            next.idle = idle;
            ++depth;
            if (expand(next)) {
                return solved(result, depth);
            }
        }
        result.outcome = m_cutShort ? SolveOutcome::GaveUp : SolveOutcome::Unsolved;
        result.positions = m_positions;
        return result;
    }

private:
    Frame& frameAt(std::size_t i) {
        while (m_frames.size() <= i) {
            m_frames.push_back(std::make_unique<Frame>());
        }
        Frame& frame = *m_frames[i];
        frame.children.clear();
        frame.next = 0;
        return frame;
    }

    SolveResult& solved(SolveResult& result, std::size_t depth) {
        result.outcome = SolveOutcome::Solved;
        result.positions = m_positions;
        for (std::size_t i = 1; i < depth; ++i) {
            result.moves.push_back(m_frames[i]->via);
        }
        result.moves.push_back(m_winning);
        return result;
    }

    // Runs a gesture on the work position; a click runs as its press and
    // release, the same two events a play session's click sends.
    bool apply(const PointerCommand& command, bool* lifted = nullptr) {
        m_frontend.reset();
        std::string problem;
        if (command.verb == Verb::Click) {
            PointerCommand press = command;
            press.verb = Verb::Press;
            if (!runPointerCommand(m_engine, press, problem)) {
                return false;
            }
            if (lifted != nullptr) {
                *lifted = m_engine.pointer().heldCard() != 0;
            }
            m_engine.buttonUp();
        } else if (!runPointerCommand(m_engine, command, problem)) {
            return false;
        }
        return true;
    }

    // The undo record is not part of a position; keeping it would make
    // every copy longer the deeper the search goes.
    void forgetUndo() {
        clearUndoRecord(m_work);
        clearRedo(m_work);
    }

    // A quick look before the fingerprint: every action the executor runs
    // takes an undo snapshot, and whatever else a press may change (a
    // selection, the pressed stock, the flags) shows in the piles, the
    // cells or the flags compared here.
    bool mayHaveChanged(const table::ProgramState& before) const {
        namespace cell = table::cell;
        const table::TMainGame& a = before.mainGame;
        const table::TMainGame& b = m_work.mainGame;
        for (const int c : {cell::PassNumber, cell::MovePhase, cell::MissCount, cell::StockPressed}) {
            if (a.cell(c) != b.cell(c)) {
                return true;
            }
        }
        for (const table::Flag f : {table::Flag::GameInPlay, table::Flag::IgnoreNextPress,
                                    table::Flag::Won}) {
            if (before.flags.test(f) != m_work.flags.test(f)) {
                return true;
            }
        }
        return m_work.undoLists.snapshotCount() > 0 || before.flags.counter(0) != m_work.flags.counter(0) ||
               !(before.piles == m_work.piles);
    }

    // Tries a gesture from the frame's position (held in the work state).
    // A change of the table becomes a child and the work state goes back to
    // the frame's position; true when the gesture won the game.
    bool attempt(Frame& frame, const Progress& before, const PointerCommand& command,
                 bool* lifted = nullptr) {
        if (!apply(command, lifted)) {
            return false;
        }
        if (m_frontend.won) {
            m_winning = command;
            return true;
        }
        if (!mayHaveChanged(frame.state)) {
            return false;
        }
        const std::uint64_t fingerprint = tableFingerprint(m_work);
        if (fingerprint != frame.fingerprint && !m_seen.contains(fingerprint)) {
            frame.children.push_back(judge(command, fingerprint, before, Progress::of(m_work)));
        }
        m_work = frame.state;
        return false;
    }

    // Orders a gesture's position among its siblings: moves that gain come
    // first (score, cards turned, piles emptied, cards brought out of the
    // stock and the waste), then moves that only shuffle, then dealing from
    // the stock, and last moves that give back (a card taken off a
    // foundation, a lower score).
    static Child judge(const PointerCommand& command, std::uint64_t fingerprint,
                       const Progress& before, const Progress& after) {
        Child child{command, fingerprint, 0, false};
        const int gain = 10 * (after.score - before.score) +
                         8 * (before.faceDown - after.faceDown) +
                         3 * (after.emptyPiles - before.emptyPiles) +
                         2 * (before.inStock - after.inStock);
        constexpr int kTier = 1000000;
        if (isStockPlace(command.place)) {
            child.priority = kTier + gain;
        } else if (after.score < before.score || command.place.starts_with("Dest")) {
            child.priority = gain;
            child.idle = true;
        } else if (gain > 0) {
            child.priority = 3 * kTier + gain;
        } else {
            child.priority = 2 * kTier + gain;
            child.idle = true;
        }
        return child;
    }

    // Lists the frame's children, best first; true when a gesture won.
    bool expand(Frame& frame) {
        m_work = frame.state;
        const Progress before = Progress::of(frame.state);
        const SolverPlaces places = solverPlaces(frame.state);
        // Empty twin piles take a card alike: only the first of them is tried.
        std::vector<int> targetClass;
        for (const std::string& target : places.targets) {
            const auto pile = table::parsePileName(target);
            const bool empty = pile && frame.state.piles.pile(*pile).empty();
            targetClass.push_back(empty ? m_twins.classOf(*pile) : -1);
        }
        std::vector<int> triedClasses;
        for (const std::string& source : places.sources) {
            bool lifted = false;
            if (attempt(frame, before, gesture(Verb::Click, source), &lifted)) {
                return true;
            }
            if (!lifted) {
                continue;
            }
            const std::string pile = source.substr(0, source.find(':'));
            triedClasses.clear();
            for (std::size_t t = 0; t < places.targets.size(); ++t) {
                const std::string& target = places.targets[t];
                if (target == pile) {
                    continue;
                }
                if (targetClass[t] >= 0) {
                    if (std::ranges::find(triedClasses, targetClass[t]) != triedClasses.end()) {
                        continue;
                    }
                    triedClasses.push_back(targetClass[t]);
                }
                if (attempt(frame, before, gesture(Verb::Drag, source, target))) {
                    return true;
                }
            }
        }
        // Games decided by their score are won by ending them in time.
        if (frame.state.params[param::TargetScore] != 0) {
            const PointerCommand quit = gesture(Verb::Quit, {});
            if (apply(quit) && m_frontend.won) {
                m_winning = quit;
                return true;
            }
            m_work = frame.state;
        }
        std::stable_sort(frame.children.begin(), frame.children.end(),
                         [](const Child& a, const Child& b) { return a.priority > b.priority; });
        return false;
    }

    SolveLimits m_limits;
    TwinPiles m_twins;
    QuietFrontend m_frontend;
    table::ProgramState m_work;
    PlayEngine m_engine;
    std::vector<std::unique_ptr<Frame>> m_frames;
    std::unordered_set<std::uint64_t> m_seen;
    PointerCommand m_winning;
    long m_positions = 0;
    bool m_cutShort = false;
};

} // namespace

SolveResult solveDeal(const table::ProgramState& dealt, const app::Frontend& geometry,
                      const SolveLimits& limits) {
    Search search(dealt, geometry, limits);
    return search.run();
}

} // namespace vellomir::engine
