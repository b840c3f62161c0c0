#include "engine/solver/action_search.h"

#include "catalogue/parameter_index.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/input/legal_moves.h"
#include "engine/play/play_engine.h"
#include "engine/records/selection_state.h"
#include "engine/rules/pile_location.h"
#include "engine/solver/position_record.h"
#include "engine/solver/solver_places.h"
#include "engine/solver/table_fingerprint.h"
#include "table/gap_rows.h"
#include "table/pile_lists.h"
#include "table/program_state.h"
#include "table/undo_lists.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;
using Verb = PointerCommand::Verb;

PointerCommand gesture(Verb verb, std::string place, std::string target = {}) {
    PointerCommand command;
    command.verb = verb;
    command.place = std::move(place);
    command.target = std::move(target);
    return command;
}

// The place a press lifts `move` from: the pile's name for its top card,
// else the card's place in the pile.
std::string placeOf(const table::ProgramState& state, const LegalMove& move) {
    const std::string& cards = state.piles.pile(move.from);
    const std::string name = table::pileName(move.from);
    if (table::topCardOf(cards) == move.card) {
        return name;
    }
    return name + ":" + std::to_string(positionInPile(cards, move.card));
}

// The positions seen, by fingerprint: open addressing, half full at most.
class FingerprintSet {
public:
    FingerprintSet() : m_slots(kFirstSize, 0) {}

    // False when the fingerprint was there already.
    bool insert(std::uint64_t key) {
        key = key == 0 ? 1 : key; // 0 marks an empty slot
        if (2 * (m_count + 1) > m_slots.size()) {
            grow();
        }
        if (!place(m_slots, key)) {
            return false;
        }
        ++m_count;
        return true;
    }

    std::size_t bytes() const { return m_slots.size() * sizeof(std::uint64_t); }

private:
    static constexpr std::size_t kFirstSize = 1 << 8;

    static bool place(std::vector<std::uint64_t>& slots, std::uint64_t key) {
        const std::size_t mask = slots.size() - 1;
        for (std::size_t i = (key * 0x9E3779B97F4A7C15ULL) >> 20 & mask;; i = (i + 1) & mask) {
            if (slots[i] == key) {
                return false;
            }
            if (slots[i] == 0) {
                slots[i] = key;
                return true;
            }
        }
    }

    void grow() {
        std::vector<std::uint64_t> bigger(m_slots.size() * 2, 0);
        for (const std::uint64_t key : m_slots) {
            if (key != 0) {
                place(bigger, key);
            }
        }
        m_slots = std::move(bigger);
    }

    std::vector<std::uint64_t> m_slots;
    std::size_t m_count = 0;
};

// The most clicks of one step: more than any selection holds (the engine
// refuses a card that no selection could use).
constexpr std::size_t kMostSelected = 13;

// Carries out steps on a working copy of the game and goes back.
class Stepper {
public:
    Stepper(const table::ProgramState& start, const seam::Frontend& geometry, bool keepAutoplay)
        : m_frontend(geometry), m_work(start), m_engine(m_work, m_frontend),
          m_keepAutoplay(keepAutoplay), m_selectionGame(foundationOneIsSelection(start)) {
        m_engine.setRecording(false);
    }

    table::ProgramState& work() { return m_work; }

    // Tries every step from `from` (put into the work state first); `take`
    // sees each step that changed the table, as its gestures, whether it
    // won and the fingerprint of the position it led to (the work state
    // then holds it), and answers false to end the steps. The work state is left on `from`.
    template <typename Take> void steps(const PositionRecord& from, Take&& take) {
        std::vector<PointerCommand> path;
        from.restoreInto(m_work);
        m_start = tableFingerprint(m_work);
        stepsFrom(from, path, nullptr, take);
    }

private:
    // A selection open and waiting for more cards: the position between two
    // clicks of one removal.
    bool selectionOpen() const { return m_selectionGame && !m_work.piles.foundation(0).empty(); }

    // The steps from `from`, each after the gestures of `path` (the clicks
    // that opened a selection): a click that leaves a selection open is no
    // step of its own, its next clicks are, so that every step ends with
    // the selection closed (the cards gone, or nothing selected).
    // `candidates`, with a selection open, are the places whose click
    // changed the table before it opened, after the last place clicked: a
    // card that could not be picked then cannot be now, and a selection is
    // the same whatever the order of its clicks.
    template <typename Take>
    bool stepsFrom(const PositionRecord& from, std::vector<PointerCommand>& path,
                   const std::vector<std::string>* candidates, Take& take) {
        from.restoreInto(m_work);
        const std::uint64_t before = tableFingerprint(m_work);
        const std::size_t selected = m_work.piles.foundation(0).size();
        const bool opened = !path.empty();
        bool go = true;
        // The clicks that changed the table; a click that opened a selection
        // waits until every click has been tried once, so that the clicks
        // after it may be any of them (the stock's card too).
        std::vector<std::string> changers;
        std::vector<PointerCommand> opening;
        bool firstPass = true;
        auto tried = [&](bool ran, const PointerCommand& command) {
            // A gesture that took no undo snapshot and left the fingerprint
            // as it was changed nothing a position holds: no step, and
            // nothing to put back.
            const std::uint64_t after = tableFingerprint(m_work);
            if (!m_frontend.won && m_work.undoLists.snapshotCount() == 0 && after == before) {
                return true;
            }
            if (command.verb == Verb::Click && firstPass) {
                changers.push_back(command.place);
            }
            path.push_back(command);
            const bool opens = ran && m_selectionGame &&
                               m_work.piles.foundation(0).size() > selected &&
                               path.size() < kMostSelected;
            if (ran && m_frontend.won) {
                go = take(path, true, after);
            } else if (opens && !opened && firstPass) {
                opening.push_back(command);
            } else if (opens) {
                // A selection is a set of cards: of the places that open a
                // selection themselves, the clicks after this one are those
                // after it, so that each set is tried once. The others (the
                // stock, which deals while nothing is selected) stay.
                const std::vector<std::string>& pool = opened ? *candidates : changers;
                const auto at = std::find(pool.begin(), pool.end(), command.place);
                std::vector<std::string> later;
                for (auto p = pool.begin(); p != pool.end(); ++p) {
                    const bool opener =
                        std::ranges::find(m_openers, *p, &PointerCommand::place) != m_openers.end();
                    if (p > at || (p < at && !opener)) {
                        later.push_back(*p);
                    }
                }
                go = stepsFrom(PositionRecord(m_work), path, &later, take);
            } else if (ran && !selectionOpen() && after != m_start) {
                go = take(path, false, after); // a step, or the selection left the table
            }
            path.pop_back();
            from.restoreInto(m_work);
            return go;
        };
        const bool lifts = !opened && gameLiftsCards(m_work);
        if (lifts) {
            const std::vector<LegalMove> moves = legalMoves(m_work, m_frontend);
            for (const LegalMove& move : moves) {
                const PointerCommand drag =
                    gesture(Verb::Drag, placeOf(m_work, move), table::pileName(move.to));
                m_frontend.reset();
                if (!tried(playLegalMove(m_work, m_frontend, move), drag)) {
                    return false;
                }
            }
        }
        const SolverPlaces places = solverPlaces(m_work);
        const bool gaps = table::isGapRows(m_work.params);
        // The stock's places last: a deal is tried after the play it puts off.
        std::vector<const std::string*> sources;
        for (const bool stock : {false, true}) {
            for (const std::string& source : candidates ? *candidates : places.sources) {
                const auto pile = table::parsePileName(source.substr(0, source.find(':')));
                if ((pile && pile->kind == table::PileKind::Stock) == stock) {
                    sources.push_back(&source);
                }
            }
        }
        for (const std::string* source : sources) {
            // Where cards are lifted, the moves above carried them: a click
            // on a pile's top is what is left (the stock, a turn, a send).
            if (lifts && source->find(':') != std::string::npos) {
                continue;
            }
            int held = 0;
            if (!tried(click(*source, held), gesture(Verb::Click, *source))) {
                return false;
            }
            if (lifts || held == 0 || opened) {
                continue;
            }
            const std::string pile = source->substr(0, source->find(':'));
            for (const std::string& target : places.targets) {
                // In gap rows a card may go into a gap of its own row.
                if ((target == pile && !gaps) || (gaps && !gapTakes(target, held))) {
                    continue;
                }
                std::string problem;
                const PointerCommand drag = gesture(Verb::Drag, *source, target);
                m_frontend.reset();
                if (!tried(runPointerCommand(m_engine, drag, problem), drag)) {
                    return false;
                }
            }
        }
        firstPass = false;
        if (!opened) {
            m_openers = opening;
        }
        for (const PointerCommand& command : opening) {
            int held = 0;
            if (!tried(click(command.place, held), command)) {
                return false;
            }
        }
        if (opened) {
            return true;
        }
        std::string problem;
        if (m_work.params[param::AutoplayAvailable] != 0 && !m_keepAutoplay) {
            const PointerCommand autoplay = gesture(Verb::Autoplay, {});
            m_frontend.reset();
            if (!tried(runPointerCommand(m_engine, autoplay, problem), autoplay)) {
                return false;
            }
        }
        // Games decided by their score are won by ending them in time.
        if (m_work.params[param::TargetScore] != 0) {
            const PointerCommand quit = gesture(Verb::Quit, {});
            m_frontend.reset();
            if (runPointerCommand(m_engine, quit, problem) && m_frontend.won) {
                path.push_back(quit);
                go = take(path, true, tableFingerprint(m_work));
                path.pop_back();
            }
            from.restoreInto(m_work);
        }
        return go;
    }

    // A click as a play session sends it, its press and its release; `held`
    // is the card the press lifted (0 for none).
    bool click(const std::string& place, int& held) {
        m_frontend.reset();
        return runGesture(m_engine, gesture(Verb::Click, place), &held);
    }

    // In gap rows a card goes only into the gap it names.
    bool gapTakes(const std::string& target, int card) const {
        const std::size_t colon = target.find(':');
        const auto pile = table::parsePileName(target.substr(0, colon));
        if (!pile || pile->kind != table::PileKind::Tableau) {
            return false;
        }
        const int slot = colon == std::string::npos
                             ? table::cardCount(m_work.piles.tableau(pile->index)) - 1
                             : std::atoi(target.c_str() + colon + 1);
        return table::gapSlotFor(m_work, card, pile->index) == slot;
    }

    QuietFrontend m_frontend;
    table::ProgramState m_work;
    PlayEngine m_engine;
    bool m_keepAutoplay;
    bool m_selectionGame;
    std::uint64_t m_start = 0;             // the fingerprint of the position the steps start from
    std::vector<PointerCommand> m_openers; // the clicks that opened a selection there
};

// A position reached and not yet searched, held whole while its parent's
// other children wait.
struct Child {
    std::vector<PointerCommand> gestures;
    PositionRecord position;
    int worth = 0;
};

// A position on the current line: its children still to search.
struct Frame {
    std::vector<PointerCommand> via;
    std::vector<Child> children;
    std::size_t next = 0;
};

} // namespace

std::vector<ActionStep> actionSteps(const table::ProgramState& state,
                                    const seam::Frontend& geometry, bool keepAutoplay) {
    Stepper stepper(state, geometry, keepAutoplay);
    const PositionRecord start(state);
    std::vector<ActionStep> found;
    FingerprintSet seen;
    stepper.steps(start, [&](const std::vector<PointerCommand>& gestures, bool won,
                             std::uint64_t fingerprint) {
        if (won || seen.insert(fingerprint)) {
            found.push_back({gestures, fingerprint, won});
        }
        return true;
    });
    return found;
}

ActionSearchResult searchActions(const table::ProgramState& start, const seam::Frontend& geometry,
                                 long positions, const PositionWorth& worth, bool keepAutoplay,
                                 const std::atomic<bool>* stop) {
    ActionSearchResult result;
    Stepper stepper(start, geometry, keepAutoplay);
    FingerprintSet seen;
    seen.insert(tableFingerprint(stepper.work()));
    result.positions = 1;
    std::vector<Frame> line;
    std::optional<std::vector<PointerCommand>> winning;
    // Opens a frame for the position in the work state.
    auto open = [&](const std::vector<PointerCommand>& via, const PositionRecord& position) {
        Frame frame;
        frame.via = via;
        stepper.steps(position, [&](const std::vector<PointerCommand>& gestures, bool won,
                                    std::uint64_t fingerprint) {
            if (won) {
                winning = gestures;
                return false;
            }
            table::ProgramState& work = stepper.work();
            if (seen.insert(fingerprint)) {
                ++result.positions;
                frame.children.push_back({gestures, PositionRecord(work), worth(work)});
            }
            return true;
        });
        std::stable_sort(frame.children.begin(), frame.children.end(),
                         [](const Child& a, const Child& b) { return a.worth > b.worth; });
        line.push_back(std::move(frame));
    };
    open({}, PositionRecord(start));
    while (!winning) {
        if (line.empty()) {
            result.outcome = ActionSearchResult::Outcome::Exhausted;
            break;
        }
        if (result.positions > positions || (stop != nullptr && stop->load())) {
            break;
        }
        Frame& top = line.back();
        if (top.next == top.children.size()) {
            line.pop_back();
            continue;
        }
        Child child = std::move(top.children[top.next++]);
        open(child.gestures, child.position);
    }
    result.storedBytes = seen.bytes();
    if (winning) {
        result.outcome = ActionSearchResult::Outcome::Won;
        for (std::size_t i = 1; i < line.size(); ++i) {
            result.line.insert(result.line.end(), line[i].via.begin(), line[i].via.end());
        }
        result.line.insert(result.line.end(), winning->begin(), winning->end());
    }
    return result;
}

} // namespace vellomir::engine
