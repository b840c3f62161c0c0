#include "engine/solver/solver.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/drop_rules.h"
#include "engine/actions/opening_move.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/input/legal_moves.h"
#include "engine/play/play_engine.h"
#include "engine/records/selection_state.h"
#include "engine/records/undo_snapshots.h"
#include "engine/rules/pile_location.h"
#include "engine/rules/suit_run_foundation.h"
#include "engine/solver/action_search.h"
#include "engine/solver/autoplay_line.h"
#include "engine/solver/braid_search.h"
#include "engine/solver/compact_accordion.h"
#include "engine/solver/compact_aces_up.h"
#include "engine/solver/compact_dealt_piles.h"
#include "engine/solver/compact_discard.h"
#include "engine/solver/compact_gallery.h"
#include "engine/solver/compact_gap_rows.h"
#include "engine/solver/compact_line_removal.h"
#include "engine/solver/compact_monte_carlo.h"
#include "engine/solver/compact_pairing.h"
#include "engine/solver/compact_placed_piles.h"
#include "engine/solver/compact_refill.h"
#include "engine/solver/compact_reserve_waste.h"
#include "engine/solver/compact_search.h"
#include "engine/solver/compact_sliding_puzzle.h"
#include "engine/solver/compact_waste_piles.h"
#include "engine/solver/foundations_only_search.h"
#include "engine/solver/poker_square_search.h"
#include "engine/solver/position_record.h"
#include "engine/solver/solver_places.h"
#include "engine/solver/table_fingerprint.h"
#include "engine/solver/twin_piles.h"
#include "engine/solver/up_order.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/main_game.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <queue>
#include <unordered_set>

namespace vellomir::engine {

using catalogue::BuildingRuleCode;
using catalogue::codeOf;
using catalogue::FillStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;
using Verb = PointerCommand::Verb;

// The sliding puzzles (game type 34) score only the places in order from
// the first, so between two steps of the score the search is blind; the
// steps every card is still away from its home place (tableau n holds card
// n, or n + 13 past the king) guide it there. 0 in every other game.
int puzzleDistance(const table::ProgramState& state) {
    if (gameTypeOf(state.params) != GameType::PutInOrder) {
        return 0;
    }
    const int places = table::PileCounts::of(state.params).tableaus;
    int width = 1;
    while ((width + 1) * (width + 1) <= places) {
        ++width;
    }
    int distance = 0;
    for (int t = 0; t < places; ++t) {
        const int card = table::topCardOf(state.piles.tableau(t));
        if (card >= 1) {
            const int home = (card <= 13 ? card : card - 13) - 1;
            distance += std::abs(t % width - home % width) + std::abs(t / width - home / width);
        }
    }
    return distance;
}

// How soon the foundations take each card: need[suit][rank] is the fewest
// cards a foundation takes before it (0 for the card it takes next), read
// from the foundations of the general games, which build up from their
// base rank in suit (most of them), in any suit (rule 2), or by two, three
// or four in any suit (rules 14 to 16, Calculation). A guide for the order
// of the search only; what may move stays the engine's to say.
constexpr int kNeverNeeded = 99;
using FoundationNeeds = std::array<std::array<int, 14>, 4>;

FoundationNeeds foundationNeeds(const table::ProgramState& state, const table::PileCounts& counts) {
    FoundationNeeds need;
    for (auto& suit : need) {
        suit.fill(kNeverNeeded);
    }
    for (int f = 0; f < counts.foundations; ++f) {
        const int rule = state.params[param::FoundationRule + f];
        // Up by two, three or four, king to ace, in any suit.
        const int step = rule >= codeOf(BuildingRuleCode::UpByTwoWrapping) &&
                                 rule <= codeOf(BuildingRuleCode::UpByFourWrapping)
                             ? rule - codeOf(BuildingRuleCode::UpByTwoWrapping) + 2
                             : 1;
        const bool anySuit = rule == codeOf(BuildingRuleCode::AnySuit) || step > 1;
        const int top = table::topCardOf(state.piles.foundation(f));
        int next = 0;
        int suit = -1;
        if (top < 1) {
            next = std::clamp(state.params[param::FoundationBaseRank + f], 1, 13);
        } else {
            const int rank = table::rankOf(top);
            if (rank < 1 || rank > 13 || (rank == 13 && step == 1) ||
                table::cardCount(state.piles.foundation(f)) >= 13) {
                continue;
            }
            next = (rank - 1 + step) % 13 + 1;
            suit = anySuit ? -1 : table::suitOf(top);
        }
        // The ranks this foundation takes from `next` on, in order.
        int rank = next;
        for (int d = 0; d < 13; ++d) {
            for (int s = 0; s < 4; ++s) {
                if (suit < 0 || s == suit) {
                    need[s][rank] = std::min(need[s][rank], d);
                }
            }
            if (step == 1 && rank == 13) {
                break;
            }
            rank = (rank - 1 + step) % 13 + 1;
        }
    }
    return need;
}

int needOf(const FoundationNeeds& need, int card) {
    const int suit = table::suitOf(card);
    const int rank = table::rankOf(card);
    return suit >= 0 && rank >= 1 && rank <= 13 ? need[suit][rank] : kNeverNeeded;
}

// Runs `look` over every tableau and reserve pile.
template <typename Look>
void forEachPlayPile(const table::ProgramState& state, const table::PileCounts& counts,
                     Look&& look) {
    for (int t = 0; t < counts.tableaus; ++t) {
        look(state.piles.tableau(t));
    }
    for (int r = 0; r < counts.reserves; ++r) {
        look(state.piles.reserve(r));
    }
}

// How deep the cards the foundations take next lie: the cards piled on
// each of them in a tableau or a reserve.
int buriedNextCards(const table::ProgramState& state, const table::PileCounts& counts) {
    if (gameTypeOf(state.params) != GameType::General) {
        return 0;
    }
    const FoundationNeeds need = foundationNeeds(state, counts);
    int depth = 0;
    forEachPlayPile(state, counts, [&](const std::string& pile) {
        const int n = table::cardCount(pile);
        for (int i = 0; i + 1 < n; ++i) {
            if (needOf(need, table::cardAt(pile, i)) == 0) {
                depth += n - 1 - i;
            }
        }
    });
    return depth;
}

// How many cards lie on a card the foundations take sooner than them: every
// card resting above one needed sooner counts once. Built runs (higher
// cards below lower ones) count nothing.
int coveringLaterCards(const table::ProgramState& state, const table::PileCounts& counts) {
    if (gameTypeOf(state.params) != GameType::General) {
        return 0;
    }
    const FoundationNeeds need = foundationNeeds(state, counts);
    int covering = 0;
    forEachPlayPile(state, counts, [&](const std::string& pile) {
        int soonestBelow = kNeverNeeded;
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int d = needOf(need, table::cardAt(pile, i));
            covering += d > soonestBelow ? 1 : 0;
            soonestBelow = std::min(soonestBelow, d);
        }
    });
    return covering;
}

// How far a position has come, for the order of the search: cards on the
// foundations (through the score), cards turned, piles emptied, cards
// brought out of the stock and the waste.
int worth(const table::ProgramState& state, const SolveLimits& order) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    int faceDown = 0;
    int emptyPiles = 0;
    auto look = [&](const std::string& pile) {
        emptyPiles += pile.empty() ? 1 : 0;
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int card = table::cardAt(pile, i);
            faceDown += card >= 1 && !state.cards.isFaceUp(card) ? 1 : 0;
        }
    };
    for (int t = 0; t < counts.tableaus; ++t) {
        look(state.piles.tableau(t));
    }
    for (int r = 0; r < counts.reserves; ++r) {
        look(state.piles.reserve(r));
    }
    const int inStock = table::cardCount(state.piles.stock(table::kStock)) +
                        table::cardCount(state.piles.stock(table::kWaste));
    // In the games played onto the discard pile (Golf) the stock turns its
    // cards onto that pile too, which scores as much as a card played from
    // a tableau but spends a card of the stock instead of clearing one:
    // there progress is the tableau cards gone, and the stock is a store.
    const GameType type = gameTypeOf(state.params);
    if (type == GameType::Golf || type == GameType::GolfAroundTheCorner) {
        int onTableaus = 0;
        for (int t = 0; t < counts.tableaus; ++t) {
            onTableaus += table::cardCount(state.piles.tableau(t));
        }
        return -50 * onTableaus + 2 * inStock;
    }
    return 10 * state.settings.readInt(settings::field::Score, 0) - 8 * faceDown + 3 * emptyPiles -
           2 * inStock - 10 * puzzleDistance(state) -
           (order.digForNextCards ? 4 * buriedNextCards(state, counts) : 0) -
           (order.avoidCovering ? 100 * coveringLaterCards(state, counts) : 0);
}

// A position reached and not yet searched: the gesture that leads to it
// from a searched position.
struct Opening {
    int worth = 0;
    std::uint64_t order = 0; // later openings first among equals: depth first on a plateau
    std::uint32_t from = 0;  // the searched position it starts from
    int idle = 0;            // gestures in a row up to it that gained nothing
    std::uint64_t fingerprint = 0;
    PointerCommand gesture;

    friend bool operator<(const Opening& a, const Opening& b) {
        return a.worth != b.worth ? a.worth < b.worth : a.order < b.order;
    }
};

// A searched position and how it was reached.
struct Searched {
    PositionRecord position;
    std::uint32_t from;
    PointerCommand gesture;
    int worth;
    int idle;
    int depth; // gestures from the deal
};

PointerCommand gesture(Verb verb, std::string place, std::string target = {}) {
    PointerCommand command;
    command.verb = verb;
    command.place = std::move(place);
    command.target = std::move(target);
    return command;
}

constexpr std::uint32_t kNoPosition = UINT32_MAX;

class Search {
public:
    Search(const table::ProgramState& dealt, const seam::Frontend& geometry,
           const SolveLimits& limits)
        : m_limits(limits), m_twins(dealt.params), m_frontend(geometry), m_work(dealt),
          m_engine(m_work, m_frontend), m_selectionGame(foundationOneIsSelection(dealt)) {
        // The search plays its gestures on copies and never takes one back.
        m_engine.setRecording(false);
        // Its Autoplay ticks are trials, not the player's choice: with one
        // choice per game the command would store each of them in the
        // player's preferences (and from a table in play, where that is set).
        if (m_work.mainGame.cell(table::cell::AutoplayAllGames) == table::kAutoplayChoicePerGame) {
            m_work.mainGame.setCell(table::cell::AutoplayAllGames, table::kAutoplayChoiceForAll);
        }
    }

    SolveResult run() {
        SolveResult result;
        clearUndoRecord(m_work);
        m_seen.insert(tableFingerprint(m_work));
        m_searched.push_back(
            {PositionRecord(m_work), kNoPosition, {}, worth(m_work, m_limits), 0, 0});
        std::uint32_t current = 0;
        while (true) {
            if (stopped()) {
                result.outcome = SolveOutcome::GaveUp;
                break;
            }
            if (expand(current)) {
                result.outcome = SolveOutcome::Solved;
                result.moves = line(current);
                result.moves.push_back(m_winning);
                shorten(result.moves);
                break;
            }
            if (!next(current)) {
                m_exhausted = true;
                result.outcome = m_cutShort ? SolveOutcome::GaveUp : SolveOutcome::Unsolved;
                break;
            }
            if (static_cast<long>(m_searched.size()) > m_limits.positions) {
                m_searched.pop_back();
                result.outcome = SolveOutcome::GaveUp;
                break;
            }
        }
        result.positions = static_cast<long>(m_searched.size());
        return result;
    }

    /// True once the caller asked the search to end.
    bool stopped() const {
        return m_limits.stop != nullptr && m_limits.stop->load(std::memory_order_relaxed);
    }

    /// True when the search ran out of positions to search only because
    /// lines were cut short for idling, not at the position limit.
    bool exhaustedByIdling() const { return m_exhausted && m_cutShort; }

private:
    // Takes the best opening not seen yet and makes it a searched position;
    // false when none is left.
    bool next(std::uint32_t& current) {
        while (!m_openings.empty()) {
            Opening opening = m_openings.top();
            m_openings.pop();
            if (m_seen.contains(opening.fingerprint)) {
                continue;
            }
            const int depth = m_searched[opening.from].depth + 1;
            if (m_limits.breadth > 0) {
                if (static_cast<int>(m_searchedAtDepth.size()) <= depth) {
                    m_searchedAtDepth.resize(static_cast<std::size_t>(depth) + 1, 0);
                }
                if (m_searchedAtDepth[static_cast<std::size_t>(depth)] >= m_limits.breadth) {
                    m_cutShort = true;
                    continue;
                }
            }
            m_searched[opening.from].position.restoreInto(m_work);
            if (!apply(opening.gesture) || tableFingerprint(m_work) != opening.fingerprint) {
                // The gesture did not repeat itself: the search is no longer
                // complete, so it may not call the deal lost.
                m_cutShort = true;
                continue;
            }
            m_seen.insert(opening.fingerprint);
            m_searched.push_back({PositionRecord(m_work), opening.from, opening.gesture,
                                  opening.worth, opening.idle, depth});
            if (m_limits.breadth > 0) {
                ++m_searchedAtDepth[static_cast<std::size_t>(depth)];
            }
            current = static_cast<std::uint32_t>(m_searched.size() - 1);
            return true;
        }
        return false;
    }

    // Whether a line played from the deal changes the table at every step
    // and wins at its last.
    bool wins(const std::vector<PointerCommand>& moves) {
        m_searched[0].position.restoreInto(m_work);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const std::uint64_t before = tableFingerprint(m_work);
            if (!apply(moves[i]) || m_frontend.won != (i + 1 == moves.size())) {
                return false;
            }
            if (!m_frontend.won && tableFingerprint(m_work) == before) {
                return false;
            }
        }
        return m_frontend.won;
    }

    // Drops the moves of a winning line that the win does not need (a
    // search leaves detours in it), from the last to the first.
    // Each step keeps a winning line, so a search called off while it
    // shortens still answers with the win it found, only longer.
    void shorten(std::vector<PointerCommand>& moves) {
        auto pileOf = [](const std::string& place) { return place.substr(0, place.find(':')); };
        // A card carried away and later carried back, with what lies between.
        for (std::size_t i = moves.size() - 1; i-- > 0 && !stopped();) {
            if (moves[i].verb != Verb::Drag) {
                continue;
            }
            for (std::size_t j = i + 1; j + 1 < moves.size(); ++j) {
                if (moves[j].verb == Verb::Drag && pileOf(moves[j].place) == moves[i].target &&
                    moves[j].target == pileOf(moves[i].place)) {
                    std::vector<PointerCommand> shorter = moves;
                    shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(j));
                    shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(i));
                    if (wins(shorter)) {
                        moves = std::move(shorter);
                    }
                    break;
                }
            }
        }
        for (std::size_t i = moves.size() - 1; i-- > 0 && !stopped();) {
            std::vector<PointerCommand> shorter = moves;
            shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(i));
            if (wins(shorter)) {
                moves = std::move(shorter);
            }
        }
    }

    std::vector<PointerCommand> line(std::uint32_t position) const {
        std::vector<PointerCommand> moves;
        for (std::uint32_t p = position; m_searched[p].from != kNoPosition;
             p = m_searched[p].from) {
            moves.push_back(m_searched[p].gesture);
        }
        std::reverse(moves.begin(), moves.end());
        return moves;
    }

    // Runs a gesture on the work state; a click runs as its press and
    // release, the same two events a play session's click sends.
    bool apply(const PointerCommand& command, bool* lifted = nullptr) {
        m_frontend.reset();
        int held = 0;
        const bool ran = runGesture(m_engine, command, &held);
        if (lifted != nullptr) {
            *lifted = held != 0;
        }
        return ran;
    }

    // A quick look before the fingerprint: every action the executor runs
    // takes an undo snapshot, and whatever else a press may change (a
    // selection, the pressed stock, the flags) shows in the piles, the
    // cells or the flags compared here.
    bool mayHaveChanged(const table::ProgramState& before) const {
        namespace cell = table::cell;
        const table::TMainGame& a = before.mainGame;
        const table::TMainGame& b = m_work.mainGame;
        for (const int c :
             {cell::PassNumber, cell::MovePhase, cell::MissCount, cell::StockPressed}) {
            if (a.cell(c) != b.cell(c)) {
                return true;
            }
        }
        for (const table::Flag f :
             {table::Flag::GameInPlay, table::Flag::IgnoreNextPress, table::Flag::Won}) {
            if (before.flags.test(f) != m_work.flags.test(f)) {
                return true;
            }
        }
        return m_work.undoLists.snapshotCount() > 0 ||
               before.autoplayTicked != m_work.autoplayTicked ||
               before.flags.counter(0) != m_work.flags.counter(0) ||
               !(before.piles == m_work.piles);
    }

    // Tries a gesture from the searched position held in m_before; a
    // change of the table becomes an opening, and the work state goes back
    // to the position. True when the gesture won the game.
    bool attempt(std::uint32_t from, std::uint64_t fingerprint, const PointerCommand& command,
                 bool* lifted = nullptr) {
        if (!apply(command, lifted)) {
            return false;
        }
        if (m_frontend.won) {
            m_winning = command;
            return true;
        }
        if (!mayHaveChanged(m_before)) {
            return false;
        }
        const std::uint64_t after = tableFingerprint(m_work);
        if (after != fingerprint && !m_seen.contains(after)) {
            const int value = worth(m_work, m_limits);
            const Searched& start = m_searched[from];
            // Dealing from the stock brings new cards within reach, and a
            // card added to the selection of a pairing game builds toward
            // a removal: neither is idle, and the fingerprints end their
            // cycles.
            const bool selecting = m_selectionGame && m_work.piles.foundation(0).size() >
                                                          m_before.piles.foundation(0).size();
            const int idle = value > start.worth                     ? 0
                             : command.place == "Mazzo" || selecting ? start.idle
                                                                     : start.idle + 1;
            if (m_limits.idleMoves > 0 && idle > m_limits.idleMoves) {
                m_cutShort = true;
            } else {
                m_openings.push({value, m_order++, from, idle, after, command});
            }
        }
        m_searched[from].position.restoreInto(m_work);
        return false;
    }

    // Which of the targets' own checks would take the card a press on
    // `source` lifts, in the general games: a drop onto a pile that refuses
    // the card changes nothing there, and a drop that lands on a neighbour
    // is the drag onto that neighbour. True for every target elsewhere, and
    // for the places no drop reaches in that way (the stock, gaps in rows).
    std::vector<char> takers(std::uint32_t from, const std::string& source,
                             const std::vector<std::string>& targets) {
        std::vector<char> take(targets.size(), 1);
        if (table::isGapRows(m_before.params)) {
            return gapTakers(from, source, targets);
        }
        if (gameTypeOf(m_before.params) != GameType::General) {
            return take;
        }
        m_frontend.reset();
        std::string problem;
        if (runPointerCommand(m_engine, gesture(Verb::Press, source), problem)) {
            const int card = m_engine.pointer().heldCard();
            for (std::size_t t = 0; card != 0 && t < targets.size(); ++t) {
                const auto pile = table::parsePileName(targets[t]);
                if (!pile) {
                    continue;
                }
                CardMove move = m_engine.pointer().liftedCards();
                move.to = *pile;
                take[t] = destinationAccepts(m_work, m_frontend, move) ? 1 : 0;
            }
        }
        m_searched[from].position.restoreInto(m_work);
        return take;
    }

    // In the gap rows a card goes into one gap of a row, the one the card
    // itself names: only the targets that are that gap take it.
    std::vector<char> gapTakers(std::uint32_t from, const std::string& source,
                                const std::vector<std::string>& targets) {
        std::vector<char> take(targets.size(), 0);
        m_frontend.reset();
        std::string problem;
        if (runPointerCommand(m_engine, gesture(Verb::Press, source), problem)) {
            const int card = m_engine.pointer().heldCard();
            for (std::size_t t = 0; card != 0 && t < targets.size(); ++t) {
                const std::size_t colon = targets[t].find(':');
                const auto pile = table::parsePileName(targets[t].substr(0, colon));
                if (!pile || pile->kind != table::PileKind::Tableau) {
                    continue;
                }
                const int slot = colon == std::string::npos
                                     ? table::cardCount(m_work.piles.tableau(pile->index)) - 1
                                     : std::atoi(targets[t].c_str() + colon + 1);
                take[t] = table::gapSlotFor(m_work, card, pile->index) == slot ? 1 : 0;
            }
        }
        m_searched[from].position.restoreInto(m_work);
        return take;
    }

    // Tries every gesture at a searched position; true when one won.
    bool expand(std::uint32_t from) {
        m_searched[from].position.restoreInto(m_work);
        m_before = m_work;
        const std::uint64_t fingerprint = tableFingerprint(m_work);
        const SolverPlaces places = solverPlaces(m_before);
        // Empty twin piles take a card alike: only the first of them is tried.
        std::vector<int> targetClass;
        for (const std::string& target : places.targets) {
            const auto pile = table::parsePileName(target);
            const bool empty = pile && m_before.piles.pile(*pile).empty();
            targetClass.push_back(empty ? m_twins.classOf(*pile) : -1);
        }
        std::vector<int> triedClasses;
        for (const std::string& source : places.sources) {
            bool lifted = false;
            if (attempt(from, fingerprint, gesture(Verb::Click, source), &lifted)) {
                return true;
            }
            if (!lifted) {
                continue;
            }
            const std::string pile = source.substr(0, source.find(':'));
            // A whole pile carried onto an empty twin of its own is the same
            // position seen in a mirror.
            const auto sourcePile = table::parsePileName(pile);
            const bool wholePile =
                sourcePile &&
                (source == pile ? table::cardCount(m_before.piles.pile(*sourcePile)) == 1
                                : source == pile + ":0");
            const int sourceClass = sourcePile ? m_twins.classOf(*sourcePile) : -1;
            triedClasses.clear();
            const std::vector<char> take = takers(from, source, places.targets);
            for (std::size_t t = 0; t < places.targets.size(); ++t) {
                const std::string& target = places.targets[t];
                if (target == pile || take[t] == 0) {
                    continue;
                }
                if (targetClass[t] >= 0) {
                    if ((wholePile && targetClass[t] == sourceClass) ||
                        std::ranges::find(triedClasses, targetClass[t]) != triedClasses.end()) {
                        continue;
                    }
                    triedClasses.push_back(targetClass[t]);
                }
                if (attempt(from, fingerprint, gesture(Verb::Drag, source, target))) {
                    return true;
                }
            }
        }
        // Autoplay sends cards up by itself and, in some games, fills the
        // empty places from the stock or a reserve only while it is ticked
        // (and once as it is unticked). The order that avoids covering
        // never unticks it where nothing is filled: in the games it serves
        // sending cards up is never wrong, and trying the untick at every
        // position doubles the positions searched. (The plain order keeps
        // it: holding a card back from its foundation wins some Klondike
        // deals.)
        const bool untickGainsNothing =
            m_limits.avoidCovering && m_before.autoplayTicked &&
            m_before.params[param::FillStyle] == codeOf(FillStyle::NeverFilled);
        if (m_before.params[param::AutoplayAvailable] != 0 && !untickGainsNothing &&
            !m_limits.keepAutoplay && attempt(from, fingerprint, gesture(Verb::Autoplay, {}))) {
            return true;
        }
        // Games decided by their score are won by ending them in time.
        if (m_before.params[param::TargetScore] != 0) {
            const PointerCommand quit = gesture(Verb::Quit, {});
            if (apply(quit) && m_frontend.won) {
                m_winning = quit;
                return true;
            }
            m_searched[from].position.restoreInto(m_work);
        }
        return false;
    }

    SolveLimits m_limits;
    TwinPiles m_twins;
    QuietFrontend m_frontend;
    table::ProgramState m_work;
    PlayEngine m_engine;
    bool m_selectionGame;
    // The position being expanded, whole, to compare each gesture's result with.
    table::ProgramState m_before;
    std::vector<Searched> m_searched;
    std::priority_queue<Opening> m_openings;
    std::unordered_set<std::uint64_t> m_seen;
    std::vector<int> m_searchedAtDepth; // with a breadth bound: positions searched per depth
    std::uint64_t m_order = 0;
    PointerCommand m_winning;
    bool m_cutShort = false;
    bool m_exhausted = false;
};

// Positions the fast search stores for each position the gesture search
// would (SolveLimits::fastPositions).
constexpr long kFastPerGesturePosition = 100;

// The fast search's moves as pointer gestures: clicks on the stock, then a
// drag of the card (or of the run from its bottom card) onto its pile; a
// deal onto the tableaus or a redeal of them is a click on the stock alone.
std::vector<PointerCommand> gesturesOf(const table::ProgramState& dealt, CompactPosition pos,
                                       const std::vector<CompactMove>& line) {
    const CompactRules& r = pos.rules();
    auto nameOf = [&](int pile) {
        if (pile < r.tableaus) {
            return table::pileName({table::PileKind::Tableau, pile});
        }
        if (pile < pos.foundation(0)) {
            return table::pileName({table::PileKind::Reserve, pile - pos.reserve(0)});
        }
        if (pile < pos.stock()) {
            return table::pileName({table::PileKind::Foundation, pile - pos.foundation(0)});
        }
        return table::pileName(
            {table::PileKind::Stock, pile == pos.stock() ? table::kStock : table::kWaste});
    };
    std::vector<PointerCommand> gestures;
    // A bouquet's cards are reserves of their own in the position: on the
    // table they lie in one reserve, each played from where it lies.
    std::string bouquet = r.bouquet ? dealt.piles.reserve(0) : std::string();
    auto placeOf = [&](int pile) {
        if (!r.bouquet || pile < pos.reserve(0) || pile >= pos.foundation(0)) {
            return nameOf(pile);
        }
        const int card = pos.at(pile, pos.size(pile) - 1) & CompactPosition::kCodeMask;
        const int place = positionInPile(bouquet, card);
        bouquet.erase(static_cast<std::size_t>(place) * table::cardText(card).size(),
                      table::cardText(card).size());
        return table::pileName({table::PileKind::Reserve, 0}) + ":" + std::to_string(place);
    };
    // The line makes its own moves to the foundations.
    if (autoplayActive(dealt)) {
        gestures.push_back(gesture(Verb::Autoplay, {}));
    }
    for (const CompactMove& move : line) {
        if (pos.isDeal(move) || pos.isRedeal(move)) {
            gestures.push_back(gesture(Verb::Click, nameOf(pos.stock())));
            pos.apply(move);
            continue;
        }
        for (int i = 0; i < move.draws; ++i) {
            gestures.push_back(gesture(Verb::Click, nameOf(pos.stock())));
        }
        if (CompactPosition::isClick(move)) {
            pos.apply(move);
            continue;
        }
        // A complete run of one suit goes up by itself after the move that
        // completed it: the line's own move of it is no gesture.
        if (r.suitRunFoundation && move.count == kSuitRunLength && move.to >= pos.foundation(0) &&
            move.to < pos.stock()) {
            pos.apply(move);
            continue;
        }
        // A run carried through the spaces is the single drags it stands for.
        if (move.count > 1 && r.runsThroughSpaces && move.to < r.tableaus) {
            for (const CompactMove& step : pos.runSteps(move)) {
                gestures.push_back(gesture(Verb::Drag, nameOf(step.from), nameOf(step.to)));
                pos.apply(step);
            }
            continue;
        }
        // Runs are lifted from tableaus, where no stock click comes first;
        // a drawn card from where it lies under the top.
        const std::string source = placeOf(move.from);
        const bool drawn = pos.isDraw(move);
        const int bottom =
            drawn ? pos.heightOf(move.from, move.card) : pos.size(move.from) - move.count;
        pos.apply(move);
        const std::string place =
            move.count == 1 && !drawn ? source : source + ":" + std::to_string(bottom);
        gestures.push_back(gesture(Verb::Drag, place, nameOf(move.to)));
    }
    return gestures;
}

// Whether the gestures, played through the real pointer input from the
// deal, win the game at the last of them and not before.
bool gesturesWin(const table::ProgramState& dealt, const seam::Frontend& geometry,
                 const std::vector<PointerCommand>& gestures) {
    QuietFrontend frontend(geometry);
    table::ProgramState work(dealt);
    PlayEngine engine(work, frontend);
    engine.setRecording(false);
    for (std::size_t i = 0; i < gestures.size(); ++i) {
        frontend.reset();
        if (!runGesture(engine, gestures[i])) {
            return false;
        }
        if (frontend.won != (i + 1 == gestures.size())) {
            return false;
        }
    }
    return frontend.won;
}

// The answer of a fast search that did not search its moves out: its win
// replayed through the pointer input ("solved"; nothing when the engine
// refuses the line, and the gesture search answers), "gave up" when a stop
// was asked for, else nothing.
std::optional<SolveResult> answerOf(const table::ProgramState& dealt,
                                    const seam::Frontend& geometry, const CompactPosition& start,
                                    const CompactSearchResult& found, const SolveLimits& limits,
                                    SolveResult result) {
    if (found.outcome == CompactOutcome::Won) {
        if (limits.keepAutoplay && autoplayActive(dealt)) {
            std::optional<std::vector<PointerCommand>> moves =
                gesturesUnderAutoplay(dealt, geometry, start, found.line);
            if (!moves) {
                return std::nullopt;
            }
            result.moves = std::move(*moves);
        } else {
            result.moves = gesturesOf(dealt, start, found.line);
        }
        if (!gesturesWin(dealt, geometry, result.moves)) {
            return std::nullopt;
        }
        result.outcome = SolveOutcome::Solved;
        return result;
    }
    // With no gesture search to answer next, the fast search's own count
    // of positions stands.
    if ((limits.stop != nullptr && limits.stop->load()) ||
        (!limits.gestureSearch && found.outcome == CompactOutcome::OutOfBudget)) {
        result.outcome = SolveOutcome::GaveUp;
        return result;
    }
    return std::nullopt;
}

// Where cards may come back from the foundations, the fast search's own
// moves leave some out (cards taken back into free cells) and send cards
// up that might be wanted again: that it found no win proves nothing. The
// search over every move (CompactRules::everyMove), depth first on what is
// left of the budget, answers then: a win, a proof of loss, or nothing.
std::optional<SolveResult> everyMoveSolve(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry, const CompactRules& rules,
                                          long budget, const SolveLimits& limits,
                                          SolveResult result) {
    // A search called off answers nothing more.
    if (budget <= 0 || (limits.stop != nullptr && limits.stop->load())) {
        return std::nullopt;
    }
    CompactRules every = rules;
    every.everyMove = true;
    const CompactPosition start(dealt, every);
    CompactSearchResult found =
        compactSearch(start, budget, {MoveOrder::FoundationsAndBuilds}, limits.stop);
    result.positions += found.positions;
    result.storedBytes = std::max(result.storedBytes, found.storedBytes);
    // The depth-first search leaves the lines past its depth: where it
    // stopped with budget left, a best-first search, which follows lines of
    // any length, searches every move again. Citadel and Beleaguered Castle
    // left a few percent of their deals to the gesture search this way.
    const bool stopped = limits.stop != nullptr && limits.stop->load();
    if (found.outcome == CompactOutcome::OutOfBudget && found.positions < budget && !stopped) {
        found =
            compactSearch(start, budget - found.positions, {MoveOrder::NearestFirst}, limits.stop);
        result.positions += found.positions;
        result.storedBytes = std::max(result.storedBytes, found.storedBytes);
    }
    if (found.outcome == CompactOutcome::Exhausted) {
        result.outcome = SolveOutcome::Unsolved;
        return result;
    }
    return answerOf(dealt, geometry, start, found, limits, result);
}

// A fast search's line played through the pointer input on a copy of the
// deal, with Autoplay as the line needs it: the gestures run are kept, and
// they are the answer once the last of them won.
class LineReplay {
public:
    LineReplay(const table::ProgramState& dealt, const seam::Frontend& geometry)
        : m_frontend(geometry), m_table(dealt), m_engine(m_table, m_frontend) {
        m_engine.setRecording(false);
    }
    LineReplay(const LineReplay&) = delete;
    LineReplay& operator=(const LineReplay&) = delete;

    /// Ticks or unticks Autoplay where it is not as wanted; false when the
    /// input refuses.
    bool setAutoplay(bool on) {
        return autoplayActive(m_table) == on || run(gesture(Verb::Autoplay, {}));
    }
    /// Runs one gesture and keeps it; false when the input refuses it.
    bool run(const PointerCommand& command) {
        m_frontend.reset();
        m_gestures.push_back(command);
        return runGesture(m_engine, command);
    }
    /// Drags `card` from the top of `from` onto `to`; false unless it lay on
    /// top there, the input took the drag and the card landed on top of `to`.
    bool moveCard(int card, const table::PileRef& from, const table::PileRef& to) {
        return table::topCardOf(piles().pile(from)) == card &&
               run(gesture(Verb::Drag, table::pileName(from), table::pileName(to))) &&
               table::topCardOf(piles().pile(to)) == card;
    }
    const table::ProgramState& table() const { return m_table; }
    const table::PileLists& piles() const { return m_table.piles; }
    bool won() const { return m_frontend.won; }
    /// The gestures run, once they won the game; nothing before.
    std::optional<std::vector<PointerCommand>> gesturesIfWon() {
        if (!m_frontend.won) {
            return std::nullopt;
        }
        return std::move(m_gestures);
    }

private:
    QuietFrontend m_frontend;
    table::ProgramState m_table;
    PlayEngine m_engine;
    std::vector<PointerCommand> m_gestures;
};

// A discard game's line played through the pointer input from the deal:
// Autoplay unticked where it is on, a click on the stock, and a click on a
// tableau's top card (twice where the card is still face down: the first
// turns it up). Nothing unless each click does what the line says and the
// last one wins.
std::optional<std::vector<PointerCommand>> discardGestures(const table::ProgramState& dealt,
                                                           const seam::Frontend& geometry,
                                                           const std::vector<int>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (replay.won()) {
            return std::nullopt;
        }
        const table::PileRef pile = line[i] == DiscardDeal::kStockClick
                                        ? table::PileRef{table::PileKind::Stock, table::kStock}
                                        : table::PileRef{table::PileKind::Tableau, line[i]};
        const std::string name = table::pileName(pile);
        const std::size_t before = replay.piles().pile(pile).size();
        const int top = table::topCardOf(replay.piles().pile(pile));
        if (pile.kind == table::PileKind::Tableau && top >= 1 &&
            !replay.table().cards.isFaceUp(top) && !replay.run(gesture(Verb::Click, name))) {
            return std::nullopt;
        }
        if (!replay.run(gesture(Verb::Click, name)) || replay.piles().pile(pile).size() >= before) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// Positions a game's own search (the discard games, the pairing games,
// the waste-pile builders, Aces Up, Monte Carlo, Accordion, Royal
// Marriage, Braid, Poker Square) may search for each position the gesture search would: a stored
// position is one key of a few bytes, or none, so the whole of most deals
// fits.
constexpr long kOwnSearchPerGesturePosition = 1000;

long ownSearchBudget(const SolveLimits& limits) {
    return limits.fastPositions > 0 ? limits.fastPositions
                                    : limits.positions * kOwnSearchPerGesturePosition;
}

// What a search that is searched out answers: its line as gestures when it
// won (nothing when the pointer input refuses the line), a proof of loss when
// it was exhausted, else only its counts.
template <typename Found, typename ToGestures>
std::optional<SolveResult> answerOfSearch(const Found& found, ToGestures toGestures) {
    SolveResult result;
    result.fastSearch = true;
    result.positions = found.positions;
    result.storedBytes = found.storedBytes;
    switch (found.outcome) {
    case Found::Outcome::Won: {
        auto gestures = toGestures(found.line);
        if (!gestures) {
            return std::nullopt;
        }
        result.outcome = SolveOutcome::Solved;
        result.moves = std::move(*gestures);
        return result;
    }
    case Found::Outcome::Exhausted:
        result.outcome = SolveOutcome::Unsolved;
        return result;
    case Found::Outcome::OutOfBudget:
        break;
    }
    return result;
}

// The search of the discard games: every deal is searched out, so that
// its end without a win is a proof; nothing for the other games, or where
// the pointer input refuses the line.
std::optional<SolveResult> discardSolve(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry, const SolveLimits& limits) {
    const std::optional<DiscardDeal> deal = discardDealFor(dealt, geometry);
    return deal ? answerOfSearch(
                      searchDiscardDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return discardGestures(dealt, geometry, line); })
                : std::nullopt;
}

// An Aces Up line played through the pointer input from the deal: Autoplay
// unticked where it is on, a drag of a top card onto the foundation or into
// a space, and a click on the stock. Nothing unless each step moves just
// the cards it names and the last one wins.
std::optional<std::vector<PointerCommand>> acesUpGestures(const table::ProgramState& dealt,
                                                          const seam::Frontend& geometry,
                                                          const std::vector<AcesUpMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const table::PileRef foundation{table::PileKind::Foundation, 0};
    const table::PileRef stock{table::PileKind::Stock, table::kStock};
    for (const AcesUpMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        const table::PileRef from{table::PileKind::Tableau, move.from};
        const table::PileRef to = move.kind == AcesUpMove::Kind::Discard
                                      ? foundation
                                      : table::PileRef{table::PileKind::Tableau, move.to};
        if (move.kind == AcesUpMove::Kind::Deal) {
            const int before = table::cardCount(replay.piles().pile(stock));
            if (!replay.run(gesture(Verb::Click, table::pileName(stock))) ||
                table::cardCount(replay.piles().pile(stock)) >= before) {
                return std::nullopt;
            }
            continue;
        }
        const int card = table::topCardOf(replay.piles().pile(from));
        if (!replay.run(gesture(Verb::Drag, table::pileName(from), table::pileName(to))) ||
            table::topCardOf(replay.piles().pile(to)) != card) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of Aces Up, as that of the discard games.
std::optional<SolveResult> acesUpSolve(const table::ProgramState& dealt,
                                       const seam::Frontend& geometry, const SolveLimits& limits) {
    const std::optional<AcesUpDeal> deal = acesUpDealFor(dealt, geometry);
    return deal ? answerOfSearch(
                      searchAcesUpDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return acesUpGestures(dealt, geometry, line); })
                : std::nullopt;
}

// The place a Braid move takes its card from.
table::PileRef braidSource(const BraidMove& move) {
    switch (move.from) {
    case BraidMove::From::Braid:
        return {table::PileKind::Reserve, 0};
    case BraidMove::From::Corner:
        return {table::PileKind::Tableau, move.index};
    case BraidMove::From::Cell:
        return {table::PileKind::Reserve, move.index + 1};
    case BraidMove::From::Waste:
        break;
    }
    return {table::PileKind::Stock, table::kWaste};
}

// A Braid line played through the pointer input from the deal: a click on
// the stock, or a drag of the card a move names to its place. Nothing
// unless each card lands where the line puts it and the last move wins.
std::optional<std::vector<PointerCommand>> braidGestures(const table::ProgramState& dealt,
                                                         const seam::Frontend& geometry,
                                                         const std::vector<BraidMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const table::PileRef stock{table::PileKind::Stock, table::kStock};
    for (const BraidMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        if (move.kind == BraidMove::Kind::Stock) {
            if (!replay.run(gesture(Verb::Click, table::pileName(stock)))) {
                return std::nullopt;
            }
            continue;
        }
        const table::PileRef from = braidSource(move);
        const table::PileRef to = move.kind == BraidMove::Kind::ToFoundation
                                      ? table::PileRef{table::PileKind::Foundation, move.target}
                                  : move.kind == BraidMove::Kind::WasteToCell
                                      ? table::PileRef{table::PileKind::Reserve, move.index + 1}
                                      : table::PileRef{table::PileKind::Tableau, move.index};
        const int card = table::topCardOf(replay.piles().pile(from));
        if (!replay.run(gesture(Verb::Drag, table::pileName(from), table::pileName(to))) ||
            table::topCardOf(replay.piles().pile(to)) != card) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of Braid: greedy playouts, each its own way of playing.
std::optional<SolveResult> braidSolve(const table::ProgramState& dealt,
                                      const seam::Frontend& geometry, const SolveLimits& limits) {
    const std::optional<BraidDeal> deal = braidDealFor(dealt);
    return deal ? answerOfSearch(
                      searchBraidDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return braidGestures(dealt, geometry, line); })
                : std::nullopt;
}

// A Poker Square line played through the pointer input from the deal: for
// each card, a click on the stock and a drag of the waste's card into its
// place, until the game is won. Nothing unless each card lands where the
// line puts it and the line wins.
std::optional<std::vector<PointerCommand>> pokerSquareGestures(const table::ProgramState& dealt,
                                                               const seam::Frontend& geometry,
                                                               const std::vector<int>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const table::PileRef stock{table::PileKind::Stock, table::kStock};
    const table::PileRef waste{table::PileKind::Stock, table::kWaste};
    for (const int place : line) {
        // The points of a hand never fall as cards join it: the game is won
        // as soon as they reach the target, the square not yet full.
        if (replay.won()) {
            break;
        }
        if (!replay.run(gesture(Verb::Click, table::pileName(stock)))) {
            return std::nullopt;
        }
        const int card = table::topCardOf(replay.piles().pile(waste));
        const table::PileRef to{table::PileKind::Tableau, place};
        if (!replay.run(gesture(Verb::Drag, table::pileName(waste), table::pileName(to))) ||
            table::topCardOf(replay.piles().pile(to)) != card) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of Poker Square: an arrangement of the turned cards that
// reaches the target, laid card by card.
std::optional<SolveResult> pokerSquareSolve(const table::ProgramState& dealt,
                                            const seam::Frontend& geometry,
                                            const SolveLimits& limits) {
    const std::optional<PokerSquareDeal> deal = pokerSquareDealFor(dealt);
    return deal ? answerOfSearch(
                      searchPokerSquare(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return pokerSquareGestures(dealt, geometry, line); })
                : std::nullopt;
}

// A Monte Carlo line played through the pointer input from the position:
// Autoplay unticked where it is on, a click on each card of each pair, and
// a click on the stock after each turn where it changes the square. Nothing
// unless each pair leaves the square and the last turn wins.
std::optional<std::vector<PointerCommand>>
monteCarloGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                   const MonteCarloDeal& deal, const std::vector<MonteCarloTurn>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    for (const MonteCarloTurn& turn : line) {
        for (const auto& [first, second] : turn.pairs) {
            const table::PileRef a{table::PileKind::Tableau, first};
            const table::PileRef b{table::PileKind::Tableau, second};
            if (replay.won() || !replay.run(gesture(Verb::Click, table::pileName(a))) ||
                !replay.run(gesture(Verb::Click, table::pileName(b))) ||
                !replay.piles().pile(a).empty() || !replay.piles().pile(b).empty()) {
                return std::nullopt;
            }
        }
        if (turn.click) {
            bool gap = false;
            bool changes = false;
            for (int t = 0; t < deal.places; ++t) {
                const bool empty = replay.piles().tableau(t).empty();
                changes = changes || (gap && !empty);
                gap = gap || empty;
            }
            changes = changes || (gap && !replay.piles().stock(table::kStock).empty());
            if (changes && !replay.run(gesture(Verb::Click, stock))) {
                return std::nullopt;
            }
        }
    }
    return replay.gesturesIfWon();
}

// The search of Monte Carlo, as that of the discard games.
std::optional<SolveResult> monteCarloSolve(const table::ProgramState& dealt,
                                           const seam::Frontend& geometry,
                                           const SolveLimits& limits) {
    const std::optional<MonteCarloDeal> deal = monteCarloDealFor(dealt, geometry);
    return deal ? answerOfSearch(searchMonteCarloDeal(*deal, ownSearchBudget(limits), limits.stop),
                                 [&](const auto& line) {
                                     return monteCarloGestures(dealt, geometry, *deal, line);
                                 })
                : std::nullopt;
}

// An Accordion line played through the pointer input from the position:
// Autoplay unticked where it is on, a drag of each pile onto the pile it
// goes on, and a click on the stock. Nothing unless each step shortens or
// lengthens the line as it should and the last one wins.
std::optional<std::vector<PointerCommand>>
accordionGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                  const std::vector<AccordionMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    for (const AccordionMove& move : line) {
        const int before = table::linePiles(replay.table());
        if (replay.won()) {
            return std::nullopt;
        }
        if (move.isDeal()) {
            if (!replay.run(gesture(Verb::Click, stock)) ||
                table::linePiles(replay.table()) != before + 1) {
                return std::nullopt;
            }
            continue;
        }
        const std::string from = table::pileName({table::PileKind::Tableau, move.from});
        const std::string to = table::pileName({table::PileKind::Tableau, move.from - move.step});
        if (!replay.run(gesture(Verb::Drag, from, to)) ||
            table::linePiles(replay.table()) != before - 1) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of Accordion, as that of the discard games.
std::optional<SolveResult> accordionSolve(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry,
                                          const SolveLimits& limits) {
    const std::optional<AccordionDeal> deal = accordionDealFor(dealt, geometry);
    return deal ? answerOfSearch(
                      searchAccordionDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return accordionGestures(dealt, geometry, line); })
                : std::nullopt;
}

// A Royal Marriage line played through the pointer input from the
// position: Autoplay unticked where it is on, a click on each card that
// leaves (found in the line by its card, since a card that may leave alone
// goes at its click), and a click on the stock. Nothing unless each step
// shortens or lengthens the line as it should and the last one wins.
std::optional<std::vector<PointerCommand>>
lineRemovalGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                    const std::vector<LineRemovalMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    const std::string name = table::pileName({table::PileKind::Tableau, 0});
    for (const LineRemovalMove& move : line) {
        const std::string& cards = replay.piles().tableau(0);
        const int before = table::cardCount(cards);
        if (replay.won()) {
            return std::nullopt;
        }
        if (move.isDeal()) {
            if (!replay.run(gesture(Verb::Click, stock)) ||
                table::cardCount(replay.piles().tableau(0)) != before + 1) {
                return std::nullopt;
            }
            continue;
        }
        if (move.place + (move.two ? 1 : 0) >= before) {
            return std::nullopt;
        }
        std::vector<int> leaving{table::cardAt(cards, move.place)};
        if (move.two) {
            leaving.push_back(table::cardAt(cards, move.place + 1));
        }
        for (const int card : leaving) {
            const int at = positionInPile(replay.piles().tableau(0), card);
            if (at < 0) {
                continue; // it went with the card before it
            }
            const int length = table::cardCount(replay.piles().tableau(0));
            const std::string place = at + 1 == length ? name : name + ":" + std::to_string(at);
            if (!replay.run(gesture(Verb::Click, place))) {
                return std::nullopt;
            }
        }
        if (table::cardCount(replay.piles().tableau(0)) !=
            before - static_cast<int>(leaving.size())) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of Royal Marriage, as that of the discard games.
std::optional<SolveResult> lineRemovalSolve(const table::ProgramState& dealt,
                                            const seam::Frontend& geometry,
                                            const SolveLimits& limits) {
    const std::optional<LineRemovalDeal> deal = lineRemovalDealFor(dealt, geometry);
    return deal ? answerOfSearch(
                      searchLineRemovalDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return lineRemovalGestures(dealt, geometry, line); })
                : std::nullopt;
}

// A Montana line played through the pointer input from the deal: a drag
// of each card into its gap, a click on the stock for each redeal. Nothing
// unless each drag moves just its card where the line says and the last
// step wins.
std::optional<std::vector<PointerCommand>> gapRowsGestures(const table::ProgramState& dealt,
                                                           const seam::Frontend& geometry,
                                                           const GapRowsDeal& deal,
                                                           const std::vector<GapRowsMove>& line) {
    LineReplay replay(dealt, geometry);
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    auto placeName = [&](int place) {
        const auto row =
            std::ranges::upper_bound(deal.rowStarts, place) - deal.rowStarts.begin() - 1;
        return table::pileName({table::PileKind::Tableau, static_cast<int>(row)}) + ":" +
               std::to_string(place - deal.rowStarts[static_cast<std::size_t>(row)]);
    };
    auto cardAtPlace = [&](int place) {
        const auto row =
            std::ranges::upper_bound(deal.rowStarts, place) - deal.rowStarts.begin() - 1;
        return table::cardAt(replay.piles().tableau(static_cast<int>(row)),
                             place - deal.rowStarts[static_cast<std::size_t>(row)]);
    };
    for (const GapRowsMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        if (move.isRedeal()) {
            const table::PileLists before = replay.piles();
            if (!replay.run(gesture(Verb::Click, stock)) || replay.piles() == before) {
                return std::nullopt;
            }
            continue;
        }
        const int card = cardAtPlace(move.from);
        if (card == 0 || cardAtPlace(move.to) != 0 ||
            !replay.run(gesture(Verb::Drag, placeName(move.from), placeName(move.to))) ||
            cardAtPlace(move.to) != card || cardAtPlace(move.from) != 0) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the gap rows: wins only, with every line played through
// the pointer input; nothing for the other games.
std::optional<SolveResult> gapRowsSolve(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry, const SolveLimits& limits) {
    const std::optional<GapRowsDeal> deal = gapRowsDealFor(dealt, geometry);
    return deal ? answerOfSearch(searchGapRowsDeal(*deal, ownSearchBudget(limits), limits.stop),
                                 [&](const auto& line) {
                                     return gapRowsGestures(dealt, geometry, *deal, line);
                                 })
                : std::nullopt;
}

// A sliding puzzle's line played through the pointer input from the deal:
// a click on each card that slides into the empty place (where clicks play,
// as players slide them), else a drag of it there. Nothing unless each
// step moves just its card and the last one wins.
std::optional<std::vector<PointerCommand>>
slidingPuzzleGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                      const std::vector<SlidingPuzzleMove>& line) {
    LineReplay replay(dealt, geometry);
    const bool clicksPlay = dealt.params[param::ClickToPlay] != 0;
    for (const SlidingPuzzleMove& move : line) {
        const int card = table::topCardOf(replay.piles().tableau(move.from));
        const std::string from = table::pileName({table::PileKind::Tableau, move.from});
        const PointerCommand slide =
            clicksPlay
                ? gesture(Verb::Click, from)
                : gesture(Verb::Drag, from, table::pileName({table::PileKind::Tableau, move.to}));
        if (replay.won() || card <= 0 || !replay.piles().tableau(move.to).empty() ||
            !replay.run(slide) || table::topCardOf(replay.piles().tableau(move.to)) != card ||
            !replay.piles().tableau(move.from).empty()) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the sliding puzzles: wins only, every line played through
// the pointer input; nothing for the other games.
std::optional<SolveResult> slidingPuzzleSolve(const table::ProgramState& dealt,
                                              const seam::Frontend& geometry,
                                              const SolveLimits& limits) {
    const std::optional<SlidingPuzzleDeal> deal = slidingPuzzleDealFor(dealt, geometry);
    return deal ? answerOfSearch(searchSlidingPuzzle(*deal, ownSearchBudget(limits), limits.stop),
                                 [&](const auto& line) {
                                     return slidingPuzzleGestures(dealt, geometry, line);
                                 })
                : std::nullopt;
}

// The place a click names for a tableau's card: the tableau's name for its
// top card, else the tableau and the card's place in it.
std::string pairingPlace(const table::ProgramState& state, const PairingDeal::Place& place) {
    const std::string name = table::pileName({table::PileKind::Tableau, place.row});
    const std::string& pile = state.piles.tableau(place.row);
    if (table::topCardOf(pile) == place.card) {
        return name;
    }
    return name + ":" + std::to_string(positionInPile(pile, place.card));
}

// A pairing game's line played through the pointer input from the deal:
// Autoplay unticked where it is on, a click on the stock, and a click on
// each card that leaves (a pair's card from the stock last: the stock's
// top card only joins a card chosen before it). Nothing unless each step
// takes away just its cards and the last one wins.
std::optional<std::vector<PointerCommand>> pairingGestures(const table::ProgramState& dealt,
                                                           const seam::Frontend& geometry,
                                                           const PairingDeal& deal,
                                                           const std::vector<PairingMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    const std::string waste = table::pileName({table::PileKind::Stock, table::kWaste});
    const int tableaus = table::PileCounts::of(dealt.params).tableaus;
    auto cardsLeft = [&] {
        int count = table::cardCount(replay.piles().stock(table::kStock)) +
                    table::cardCount(replay.piles().stock(table::kWaste));
        for (int t = 0; t < tableaus; ++t) {
            const std::string& pile = replay.piles().tableau(t);
            for (int i = 0; i < table::cardCount(pile); ++i) {
                count += table::cardAt(pile, i) != 0 ? 1 : 0;
            }
        }
        return count;
    };
    for (const PairingMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        if (move.first == PairingMove::kStockClick) {
            if (!replay.run(gesture(Verb::Click, stock))) {
                return std::nullopt;
            }
            continue;
        }
        const int before = cardsLeft();
        int leaving = 0;
        for (const std::int8_t ref : {move.first, move.second}) {
            if (ref == PairingMove::kNone) {
                continue;
            }
            ++leaving;
            const std::string place =
                ref == PairingMove::kWasteTop ? waste
                : ref == PairingMove::kStockTop
                    ? stock
                    : pairingPlace(replay.table(), deal.places[static_cast<std::size_t>(ref)]);
            if (!replay.run(gesture(Verb::Click, place))) {
                return std::nullopt;
            }
        }
        if (cardsLeft() != before - leaving) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the pairing games, as that of the discard games: nothing
// for the other games, or where the pointer input refuses the line.
std::optional<SolveResult> pairingSolve(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry, const SolveLimits& limits) {
    const std::optional<PairingDeal> deal = pairingDealFor(dealt, geometry);
    return deal ? answerOfSearch(searchPairingDeal(*deal, ownSearchBudget(limits), limits.stop),
                                 [&](const auto& line) {
                                     return pairingGestures(dealt, geometry, *deal, line);
                                 })
                : std::nullopt;
}

// A refilling game's line played through the pointer input from the deal:
// Autoplay ticked where it is off (it fills the places from the stock),
// then a click on each card of each removal. Nothing unless each removal
// takes its cards off the table and the last one wins.
std::optional<std::vector<PointerCommand>>
refillGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
               const std::vector<std::vector<std::uint8_t>>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(true)) {
        return std::nullopt;
    }
    const int tableaus = table::PileCounts::of(dealt.params).tableaus;
    auto tableauOf = [&](int card) {
        for (int t = 0; t < tableaus; ++t) {
            if (positionInPile(replay.piles().tableau(t), card) >= 0) {
                return t;
            }
        }
        return -1;
    };
    for (const std::vector<std::uint8_t>& removal : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        for (const int card : removal) {
            const int t = tableauOf(card);
            if (t < 0 ||
                !replay.run(gesture(Verb::Click, table::pileName({table::PileKind::Tableau, t})))) {
                return std::nullopt;
            }
        }
        if (std::ranges::any_of(removal, [&](int card) { return tableauOf(card) >= 0; })) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the refilling adding games, as that of the discard games.
std::optional<SolveResult> refillSolve(const table::ProgramState& dealt,
                                       const seam::Frontend& geometry, const SolveLimits& limits) {
    const std::optional<RefillDeal> deal = refillDealFor(dealt, geometry, limits.keepAutoplay);
    return deal ? answerOfSearch(
                      searchRefillDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return refillGestures(dealt, geometry, line); })
                : std::nullopt;
}

// A waste-pile game's line played through the pointer input from the deal:
// Autoplay unticked where it is on, then for each card placed a click on
// the stock (unless the card lies on the waste already) and a drag from
// the waste onto its pile or foundation, and for each card sent up a drag
// from its pile (or the reserve). Nothing unless each step moves its card
// where the line says and the last one wins.
std::optional<std::vector<PointerCommand>>
wastePilesGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                   const WastePilesDeal& deal, const std::vector<WastePilesMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const table::PileRef stock{table::PileKind::Stock, table::kStock};
    const table::PileRef waste{table::PileKind::Stock, table::kWaste};
    std::size_t placed = 0;
    for (const WastePilesMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        const table::PileRef to =
            move.kind == WastePilesMove::Kind::NextToPile
                ? table::PileRef{table::PileKind::Tableau, move.pile}
                : table::PileRef{table::PileKind::Foundation, move.foundation};
        table::PileRef from = move.pile < deal.piles
                                  ? table::PileRef{table::PileKind::Tableau, move.pile}
                                  : table::PileRef{table::PileKind::Reserve, 0};
        if (move.kind != WastePilesMove::Kind::PileToFoundation) {
            from = waste;
            const int card = deal.order.at(placed++);
            if (table::topCardOf(replay.piles().pile(waste)) != card &&
                !replay.run(gesture(Verb::Click, table::pileName(stock)))) {
                return std::nullopt;
            }
            if (table::topCardOf(replay.piles().pile(waste)) != card) {
                return std::nullopt;
            }
        }
        if (!replay.moveCard(move.card, from, to)) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the waste-pile games, as that of the discard games. The
// line plays with Autoplay off: where the player keeps it ticked the other
// searches answer.
std::optional<SolveResult> wastePilesSolve(const table::ProgramState& dealt,
                                           const seam::Frontend& geometry,
                                           const SolveLimits& limits) {
    if (limits.keepAutoplay && autoplayActive(dealt)) {
        return std::nullopt;
    }
    const std::optional<WastePilesDeal> deal = wastePilesDealFor(dealt, geometry);
    return deal ? answerOfSearch(searchWastePilesDeal(*deal, ownSearchBudget(limits), limits.stop),
                                 [&](const auto& line) {
                                     return wastePilesGestures(dealt, geometry, *deal, line);
                                 })
                : std::nullopt;
}

// A Strategy line played through the pointer input from the deal: Autoplay
// unticked where it is on (unless `keepAutoplay`), then for each card
// placed a click on the stock (unless the card lies on the waste already)
// and a drag from the waste onto its pile, and for each card sent up a
// drag from its pile, unless Autoplay sent it up already (once the last
// card is placed, it may send every card up). Nothing unless each step
// moves its card off its pile and the line wins.
std::optional<std::vector<PointerCommand>>
placedPilesGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                    const std::vector<PlacedPilesMove>& line, bool keepAutoplay) {
    LineReplay replay(dealt, geometry);
    if (!keepAutoplay && !replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const table::PileRef stock{table::PileKind::Stock, table::kStock};
    const table::PileRef waste{table::PileKind::Stock, table::kWaste};
    for (const PlacedPilesMove& move : line) {
        if (replay.won()) {
            break; // Autoplay sent the last cards up
        }
        const table::PileRef pile{table::PileKind::Tableau, move.pile};
        table::PileRef from = pile;
        table::PileRef to{table::PileKind::Foundation, move.foundation};
        if (move.kind == PlacedPilesMove::Kind::Place) {
            if (table::topCardOf(replay.piles().pile(waste)) != move.card &&
                !replay.run(gesture(Verb::Click, table::pileName(stock)))) {
                return std::nullopt;
            }
            from = waste;
            to = pile;
        } else if (keepAutoplay && positionInPile(replay.piles().pile(pile), move.card) < 0) {
            continue; // gone up by itself
        }
        if (table::topCardOf(replay.piles().pile(from)) != move.card ||
            !replay.run(gesture(Verb::Drag, table::pileName(from), table::pileName(to))) ||
            positionInPile(replay.piles().pile(from), move.card) >= 0 ||
            (to.kind == table::PileKind::Tableau && !keepAutoplay &&
             table::topCardOf(replay.piles().pile(to)) != move.card)) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the placed piles (Strategy), as that of the discard games.
std::optional<SolveResult> placedPilesSolve(const table::ProgramState& dealt,
                                            const seam::Frontend& geometry,
                                            const SolveLimits& limits) {
    const std::optional<PlacedPilesDeal> deal = placedPilesDealFor(dealt, geometry);
    return deal ? answerOfSearch(searchPlacedPilesDeal(*deal, ownSearchBudget(limits), limits.stop),
                                 [&](const auto& line) {
                                     return placedPilesGestures(dealt, geometry, line,
                                                                limits.keepAutoplay);
                                 })
                : std::nullopt;
}

// Positions the search of actions (every game the searches above do not
// play) stores for each position the gesture search would: a stored
// position is one fingerprint.
constexpr long kActionsPerGesturePosition = 100;
// In the games that lift cards and that the search of moves does not play
// (building games of reserves and fans among them) the gesture search's
// best first often wins sooner: there the search of actions has a short
// turn before it.
constexpr long kActionsPerGesturePositionLifting = 2;

// A gallery game's line played through the pointer input from the deal,
// with Autoplay as the player left it: a click on the stock for each deal,
// a drag of each card moved. Nothing unless each step moves its card and
// the last one wins.
std::optional<std::vector<PointerCommand>> galleryGestures(const table::ProgramState& dealt,
                                                           const seam::Frontend& geometry,
                                                           const GalleryDeal& deal,
                                                           const std::vector<GalleryMove>& line) {
    LineReplay replay(dealt, geometry);
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    auto pileOf = [&](int pile) {
        return pile == GalleryMove::kAcesPile ? table::PileRef{table::PileKind::Foundation, 0}
               : pile < deal.tableaus
                   ? table::PileRef{table::PileKind::Tableau, pile}
                   : table::PileRef{table::PileKind::Reserve, pile - deal.tableaus};
    };
    for (const GalleryMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        if (move.isClick()) {
            const table::PileLists before = replay.piles();
            if (!replay.run(gesture(Verb::Click, stock)) || replay.piles() == before) {
                return std::nullopt;
            }
        } else if (!replay.moveCard(move.card, pileOf(move.from), pileOf(move.to))) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the gallery games (Picture Gallery, Mod 3): wins only.
std::optional<SolveResult> gallerySolve(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry, const SolveLimits& limits) {
    const std::optional<GalleryDeal> deal = galleryDealFor(dealt);
    return deal ? answerOfSearch(searchGalleryDeal(*deal, ownSearchBudget(limits), limits.stop),
                                 [&](const auto& line) {
                                     return galleryGestures(dealt, geometry, *deal, line);
                                 })
                : std::nullopt;
}

// The search of actions: the engine's own moves and clicks, depth first
// over fingerprints, in the order of the gesture search's worth (with the
// weight against covering cards needed sooner, which serves the games of
// free piles). A win counts once the pointer input has played it again.
std::optional<SolveResult> actionSolve(const table::ProgramState& dealt,
                                       const seam::Frontend& geometry, const SolveLimits& limits) {
    SolveLimits order = limits;
    order.avoidCovering = true;
    const long perPosition =
        gameLiftsCards(dealt) ? kActionsPerGesturePositionLifting : kActionsPerGesturePosition;
    const long budget =
        limits.fastPositions > 0 ? limits.fastPositions : limits.positions * perPosition;
    const ActionSearchResult found = searchActions(
        dealt, geometry, budget, [&](const table::ProgramState& s) { return worth(s, order); },
        limits.keepAutoplay, limits.stop);
    SolveResult result;
    result.fastSearch = true;
    result.positions = found.positions;
    result.storedBytes = found.storedBytes;
    switch (found.outcome) {
    case ActionSearchResult::Outcome::Won:
        if (!gesturesWin(dealt, geometry, found.line)) {
            return std::nullopt;
        }
        result.outcome = SolveOutcome::Solved;
        result.moves = found.line;
        return result;
    case ActionSearchResult::Outcome::Exhausted:
        result.outcome = SolveOutcome::Unsolved;
        return result;
    case ActionSearchResult::Outcome::OutOfBudget:
        break;
    }
    // Called off: no other search may answer. Out of positions: the
    // gesture search answers, as after the other fast searches.
    if (limits.stop != nullptr && limits.stop->load()) {
        return result;
    }
    return std::nullopt;
}

// An Auld Lang Syne line played through the pointer input from the
// position: Autoplay unticked where it is on, a click on the stock for each
// deal, a drag of each card sent up. Nothing unless each step does what
// the line says and the last one wins.
std::optional<std::vector<PointerCommand>>
dealtPilesGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                   const std::vector<DealtPilesMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    for (const DealtPilesMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        if (move.isClick()) {
            const table::PileLists before = replay.piles();
            if (!replay.run(gesture(Verb::Click, stock)) || replay.piles() == before) {
                return std::nullopt;
            }
            continue;
        }
        const table::PileRef from{table::PileKind::Tableau, move.pile};
        const table::PileRef to{table::PileKind::Foundation, move.foundation};
        if (!replay.moveCard(move.card, from, to)) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the piles the stock deals to (Auld Lang Syne), as that of
// the discard games. Its lines play with Autoplay off: where the player
// keeps it ticked the search of the games whose cards only go up answers.
std::optional<SolveResult> dealtPilesSolve(const table::ProgramState& dealt,
                                           const seam::Frontend& geometry,
                                           const SolveLimits& limits) {
    if (limits.keepAutoplay && autoplayActive(dealt)) {
        return std::nullopt;
    }
    const std::optional<DealtPilesDeal> deal = dealtPilesDealFor(dealt, geometry);
    return deal ? answerOfSearch(
                      searchDealtPilesDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return dealtPilesGestures(dealt, geometry, line); })
                : std::nullopt;
}

// An Alhambra line played through the pointer input from the deal:
// Autoplay unticked where it is on, a click on the stock for each turn (or
// turn-back), a drag for each card sent up or built on the waste. Nothing
// unless each step does what the line says and the last one wins.
std::optional<std::vector<PointerCommand>>
reserveWasteGestures(const table::ProgramState& dealt, const seam::Frontend& geometry,
                     const std::vector<ReserveWasteMove>& line) {
    LineReplay replay(dealt, geometry);
    if (!replay.setAutoplay(false)) {
        return std::nullopt;
    }
    const table::PileRef waste{table::PileKind::Stock, table::kWaste};
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    for (const ReserveWasteMove& move : line) {
        if (replay.won()) {
            return std::nullopt;
        }
        const table::PileRef reserve{table::PileKind::Reserve, move.reserve};
        const table::PileRef foundation{table::PileKind::Foundation, move.foundation};
        bool done = false;
        switch (move.kind) {
        case ReserveWasteMove::Kind::Click: {
            const table::PileLists before = replay.piles();
            done = replay.run(gesture(Verb::Click, stock)) && !(replay.piles() == before);
            break;
        }
        case ReserveWasteMove::Kind::ReserveUp:
            done = replay.moveCard(move.card, reserve, foundation);
            break;
        case ReserveWasteMove::Kind::WasteUp:
            done = replay.moveCard(move.card, waste, foundation);
            break;
        case ReserveWasteMove::Kind::ReserveToWaste:
            done = replay.moveCard(move.card, reserve, waste);
            break;
        }
        if (!done) {
            return std::nullopt;
        }
    }
    return replay.gesturesIfWon();
}

// The search of the games whose reserves build on the waste (Alhambra):
// it answers wins only, its keys being hashed. Its lines play with Autoplay
// off: where the player keeps it ticked the other searches answer.
std::optional<SolveResult> reserveWasteSolve(const table::ProgramState& dealt,
                                             const seam::Frontend& geometry,
                                             const SolveLimits& limits) {
    if (limits.keepAutoplay && autoplayActive(dealt)) {
        return std::nullopt;
    }
    const std::optional<ReserveWasteDeal> deal = reserveWasteDealFor(dealt, geometry);
    return deal ? answerOfSearch(
                      searchReserveWasteDeal(*deal, ownSearchBudget(limits), limits.stop),
                      [&](const auto& line) { return reserveWasteGestures(dealt, geometry, line); })
                : std::nullopt;
}

// The search of the games whose cards only go up: its own answer, won
// (replayed through the pointer input), searched out or given up; nothing
// for the other games.
std::optional<SolveResult> foundationsOnlySolve(const table::ProgramState& dealt,
                                                const seam::Frontend& geometry,
                                                const SolveLimits& limits) {
    if (!foundationsOnlyGame(dealt)) {
        return std::nullopt;
    }
    const std::optional<ActionSearchResult> found = searchFoundationsOnly(
        dealt, geometry, ownSearchBudget(limits), limits.keepAutoplay, true, limits.stop);
    if (!found) {
        return std::nullopt;
    }
    SolveResult result;
    result.fastSearch = true;
    result.positions = found->positions;
    result.storedBytes = found->storedBytes;
    switch (found->outcome) {
    case ActionSearchResult::Outcome::Won:
        if (!gesturesWin(dealt, geometry, found->line)) {
            return std::nullopt;
        }
        result.outcome = SolveOutcome::Solved;
        result.moves = found->line;
        return result;
    case ActionSearchResult::Outcome::Exhausted:
        result.outcome = SolveOutcome::Unsolved;
        return result;
    case ActionSearchResult::Outcome::OutOfBudget:
        break;
    }
    return result; // gave up: no other search plays these games better
}

// With the player's Autoplay kept ticked, the search plans the table the
// sweeps leave.
void sweepsAsThePlayerKeepsThem(CompactRules& rules, const table::ProgramState& dealt,
                                const SolveLimits& limits) {
    rules.sweeps = limits.keepAutoplay && autoplayActive(dealt);
    if (rules.sweeps) {
        rules.takeBack = false; // a card taken back would go up again at once
        // A sweep could take a card of a run carried through the spaces.
        rules.runsThroughSpaces = false;
    }
}

// The compact rules of the table in `dealt` as the fast search uses them,
// or nothing where it does not play that table.
std::optional<CompactRules> coveredRules(const table::ProgramState& dealt,
                                         const seam::Frontend& geometry,
                                         const SolveLimits& limits) {
    std::optional<CompactRules> rules = compactRulesFor(dealt, geometry);
    if (rules) {
        sweepsAsThePlayerKeepsThem(*rules, dealt, limits);
    }
    return rules;
}

// Two packs get the budget one pack gets: given a tenth of it, the gesture
// search that answered next won fewer deals of Spider, Double Klondike,
// Grounds for a Divorce and their kin in the same time.
long fastBudget(const SolveLimits& limits) {
    return limits.fastPositions > 0 ? limits.fastPositions
                                    : limits.positions * kFastPerGesturePosition;
}

// The fast search of the table in `dealt` under `rules` on `budget`
// positions: a win the pointer input played, a proof of loss, or nothing
// where the engine refused the line or the budget ran out.
std::optional<SolveResult> compactSolve(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry, const CompactRules& rules,
                                        long budget, const SolveLimits& limits) {
    const CompactPosition start(dealt, rules);
    if (upOrderInCircle(start)) {
        SolveResult lost;
        lost.fastSearch = true;
        lost.outcome = SolveOutcome::Unsolved;
        return lost;
    }
    // In Forty Thieves and its kin (CompactRules::restartedSearch), short
    // searches in turn (compactRestarts): the focused moves (built runs
    // moved whole, through the spaces where cards move one at a time),
    // every move, and keeping spaces open. In the other games whose clicks
    // are moves of their own, every move between tableaus splits a built
    // run: keeping spaces open leads. Where a stock turns onto a waste
    // or deals onto the tableaus (Klondike, Spider, Gypsy), the focused
    // moves lead.
    const std::vector<MoveOrder> orders =
        rules.reservesApart
            ? std::vector<MoveOrder>{MoveOrder::NearestFirst, MoveOrder::NearestFirstSpaces}
        : rules.restartedSearch || rules.onePackRestarts
            ? std::vector<MoveOrder>{MoveOrder::NearestFirstFocused, MoveOrder::NearestFirst,
                                     MoveOrder::NearestFirstSpaces}
        : rules.clicksAsMoves
            ? std::vector<MoveOrder>{MoveOrder::NearestFirstSpaces, MoveOrder::NearestFirst}
        : rules.hasStock || rules.suitRunFoundation || rules.dealsToTableaus()
            ? std::vector<MoveOrder>{MoveOrder::NearestFirstFocused, MoveOrder::NearestFirst,
                                     MoveOrder::NearestFirstSpaces}
            : std::vector<MoveOrder>{MoveOrder::NearestFirst, MoveOrder::NearestFirstSpaces,
                                     MoveOrder::FoundationsAndBuilds};
    // A search over every move that saw every position of `searched`'s
    // reading of the deal: the proof, or where cards came back from the
    // foundations or a redeal follows, the searches that make it one.
    // The search again on another reading of the deal, on what is left of
    // the budget, counted in `result`.
    auto searchAgain = [&](const CompactPosition& again, SolveResult& result) {
        const CompactSearchResult more =
            compactSearch(again, budget - result.positions, orders, limits.stop);
        result.positions += more.positions;
        result.storedBytes = std::max(result.storedBytes, more.storedBytes);
        return more;
    };
    auto afterExhausted = [&](const CompactRules& searched,
                              SolveResult result) -> std::optional<SolveResult> {
        if (searched.takeBack) {
            // Cards sent up at once may have been wanted back: the same
            // search again with fewer of them, then every move.
            CompactRules cautious = searched;
            cautious.cautiousSafeMoves = true;
            const CompactPosition again(dealt, cautious);
            const CompactSearchResult more = searchAgain(again, result);
            if (more.outcome != CompactOutcome::Exhausted) {
                return answerOf(dealt, geometry, again, more, limits, result);
            }
            return everyMoveSolve(dealt, geometry, searched, budget - result.positions, limits,
                                  result);
        }
        if (searched.redeal && !searched.sweeps) {
            // Cards sent up unasked change what a redeal deals: the proof
            // is a search that makes no such move while a redeal may come.
            CompactRules exact = searched;
            exact.exactRedeals = true;
            const CompactPosition again(dealt, exact);
            const CompactSearchResult more = searchAgain(again, result);
            if (more.outcome != CompactOutcome::Exhausted) {
                return answerOf(dealt, geometry, again, more, limits, result);
            }
        }
        result.outcome = SolveOutcome::Unsolved;
        return result;
    };
    // In the games of one pack searched click by click, the stock read as
    // every card some clicks bring up first: the focused moves, then every
    // move, on a few thousand positions each. Some deals are won there at
    // once that the clicks reach late, and where a deal is lost the search
    // over every move sees every position far sooner than the clicks do
    // (of 200 deals at 0.1 s, Aunt Mary answered 178 with it and 162
    // without, Chameleon 31 and 26).
    constexpr long kWholeStockFocused = 8000;
    constexpr long kWholeStockEveryMove = 16000;
    long wholeSpent = 0;
    std::size_t wholeBytes = 0;
    if (rules.onePackRestarts) {
        CompactRules whole = rules;
        whole.onePackRestarts = false;
        whole.clicksAsMoves = false;
        const CompactPosition first(dealt, whole);
        CompactSearchResult seen = compactSearch(first, std::min(budget, kWholeStockFocused),
                                                 {MoveOrder::NearestFirstFocused}, limits.stop);
        if (seen.outcome == CompactOutcome::OutOfBudget && seen.positions < budget) {
            const CompactSearchResult every =
                compactSearch(first, std::min(budget - seen.positions, kWholeStockEveryMove),
                              {MoveOrder::NearestFirst}, limits.stop);
            const long focusedSpent = seen.positions;
            const std::size_t focusedBytes = seen.storedBytes;
            seen = every;
            seen.positions += focusedSpent;
            seen.storedBytes = std::max(seen.storedBytes, focusedBytes);
        }
        SolveResult answered;
        answered.fastSearch = true;
        answered.positions = seen.positions;
        answered.storedBytes = seen.storedBytes;
        if (seen.outcome == CompactOutcome::Exhausted) {
            return afterExhausted(whole, answered);
        }
        if (seen.outcome == CompactOutcome::Won) {
            return answerOf(dealt, geometry, first, seen, limits, answered);
        }
        wholeSpent = seen.positions;
        wholeBytes = seen.storedBytes;
    }
    // Where all the cards lie on the table from the deal (no stock, no
    // redeal), short searches in turn too: on 100 deals of each at 0.1 s
    // they won more in 25 such games (Spanish Patience 88 to 98, Shamrocks
    // 37 to 61, Double Yukon 44 to 71), at the cost of some proofs of loss
    // that need a long search of every move (Penelope's Web 65 to 55; Fan
    // 20 to 18). Where the positions are few, the long search keeps its
    // proofs (Baker's Game 30 to 25 lost otherwise).
    const bool dealtOnly = !rules.hasStock && !rules.dealsToTableaus() &&
                           !rules.suitRunFoundation && !rules.redeal && !rules.fewPositions;
    const CompactSearchResult found =
        rules.restartedSearch || rules.onePackRestarts || dealtOnly
            ? compactRestarts(start, budget - wholeSpent, orders, limits.stop)
            : compactSearch(start, budget, orders, limits.stop);
    SolveResult result;
    result.fastSearch = true;
    result.positions = found.positions + wholeSpent;
    result.storedBytes = std::max(found.storedBytes, wholeBytes);
    if (found.outcome == CompactOutcome::Exhausted) {
        return afterExhausted(rules, result);
    }
    return answerOf(dealt, geometry, start, found, limits, result);
}

// A choice the rest of the game hangs on, searched as a deal of its own:
// the gestures that make it (none where the rules alone carry it), the
// table they leave and the rules the fast search plays it by.
struct OpeningChoice {
    std::vector<PointerCommand> opening;
    table::ProgramState table;
    CompactRules rules;
    bool lost = false;
};

// The choices take turns, each not yet proved lost on twice the positions
// of its turn before, so that none takes the whole time: the first win
// (replayed from the deal through the pointer input, the choosing gestures
// first) answers; "lost" only once every choice is proved lost.
std::optional<SolveResult> choicesInTurns(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry,
                                          std::vector<OpeningChoice>& choices,
                                          const SolveLimits& limits) {
    SolveResult result;
    result.fastSearch = true;
    if (choices.empty()) {
        return std::nullopt;
    }
    // The first turn's share: a few thousand positions a choice, as the
    // restarted searches begin.
    constexpr long kFirstShare = 4000;
    const long budget = fastBudget(limits);
    long spent = 0;
    for (long share = kFirstShare; spent < budget; share *= 2) {
        bool open = false;
        for (OpeningChoice& choice : choices) {
            if (choice.lost || spent >= budget) {
                continue;
            }
            const long given = std::min(share, budget - spent);
            std::optional<SolveResult> found =
                compactSolve(choice.table, geometry, choice.rules, given, limits);
            spent += found ? found->positions : given;
            if (limits.stop != nullptr && limits.stop->load()) {
                result.positions = spent;
                return result; // called off: gave up
            }
            if (!found || found->outcome == SolveOutcome::GaveUp) {
                open = true;
                continue;
            }
            if (found->outcome == SolveOutcome::Unsolved) {
                choice.lost = true;
                continue;
            }
            std::vector<PointerCommand> line = choice.opening;
            line.insert(line.end(), found->moves.begin(), found->moves.end());
            if (gesturesWin(dealt, geometry, line)) {
                found->moves = std::move(line);
                found->positions = spent;
                return found;
            }
            open = true;
        }
        if (!open) {
            result.positions = spent;
            result.outcome = SolveOutcome::Unsolved;
            return result;
        }
    }
    if (!limits.gestureSearch) {
        result.positions = spent;
        return result;
    }
    return std::nullopt;
}

// Where the first move is a choice the rest of the game hangs on (Terrace:
// the tableau card sent up names the foundations' base rank), each choice
// is played through the pointer input and the table it leaves searched as
// a deal of its own, in turns. Where the fast search does not play some
// choice's table, the search of actions plays the deal.
std::optional<SolveResult> openingChoicesSolve(const table::ProgramState& dealt,
                                               const seam::Frontend& geometry,
                                               const SolveLimits& limits) {
    std::vector<OpeningChoice> choices;
    QuietFrontend frontend(geometry);
    std::vector<int> cardsTried;
    for (const LegalMove& move : legalMoves(dealt, frontend)) {
        // One foundation for each card: the empty foundations it may start
        // are alike.
        if (move.to.kind == table::PileKind::Foundation) {
            if (std::ranges::count(cardsTried, move.card) != 0) {
                continue;
            }
            cardsTried.push_back(move.card);
        }
        const std::string from =
            move.count == 1
                ? table::pileName(move.from)
                : table::pileName(move.from) + ":" +
                      std::to_string(positionInPile(dealt.piles.pile(move.from), move.card));
        const PointerCommand drag = gesture(Verb::Drag, from, table::pileName(move.to));
        table::ProgramState after(dealt);
        PlayEngine engine(after, frontend);
        engine.setRecording(false);
        if (!runGesture(engine, drag)) {
            return actionSolve(dealt, geometry, limits);
        }
        std::optional<CompactRules> rules =
            openingMoveDue(after) ? std::nullopt : coveredRules(after, geometry, limits);
        if (!rules) {
            return actionSolve(dealt, geometry, limits);
        }
        choices.push_back({{drag}, std::move(after), std::move(*rules)});
    }
    return choicesInTurns(dealt, geometry, choices, limits);
}

// Where the first card sent up names every foundation's base and may come
// at any time (Chessboard), each base rank is a choice: the deal searched
// under the rules that rank sets, every empty foundation taking it only.
// Such a search plays every line whose first card sent up has that rank
// and no other, so a proof of loss under each rank is one for the deal.
// Where the fast search does not play some rank's rules, the search of
// actions plays the deal.
std::optional<SolveResult> baseChoicesSolve(const table::ProgramState& dealt,
                                            const seam::Frontend& geometry,
                                            const SolveLimits& limits) {
    std::vector<OpeningChoice> choices;
    constexpr int kRanks = 13;
    for (int rank = 1; rank <= kRanks; ++rank) {
        std::optional<CompactRules> rules = compactRulesForBase(dealt, geometry, rank);
        if (!rules) {
            return actionSolve(dealt, geometry, limits);
        }
        sweepsAsThePlayerKeepsThem(*rules, dealt, limits);
        choices.push_back({{}, dealt, std::move(*rules)});
    }
    return choicesInTurns(dealt, geometry, choices, limits);
}

// The fast search for the games it covers; nothing where it cannot answer
// (a game it does not cover, a line the engine refuses, a search that ran
// out).
std::optional<SolveResult> fastSolve(const table::ProgramState& dealt,
                                     const seam::Frontend& geometry, const SolveLimits& limits) {
    if (std::optional<SolveResult> discard = discardSolve(dealt, geometry, limits)) {
        return discard;
    }
    if (std::optional<SolveResult> pairing = pairingSolve(dealt, geometry, limits)) {
        return pairing;
    }
    if (std::optional<SolveResult> acesUp = acesUpSolve(dealt, geometry, limits)) {
        return acesUp;
    }
    if (std::optional<SolveResult> poker = pokerSquareSolve(dealt, geometry, limits)) {
        return poker;
    }
    if (std::optional<SolveResult> braid = braidSolve(dealt, geometry, limits)) {
        return braid;
    }
    if (std::optional<SolveResult> monteCarlo = monteCarloSolve(dealt, geometry, limits)) {
        return monteCarlo;
    }
    if (std::optional<SolveResult> accordion = accordionSolve(dealt, geometry, limits)) {
        return accordion;
    }
    if (std::optional<SolveResult> lineRemoval = lineRemovalSolve(dealt, geometry, limits)) {
        return lineRemoval;
    }
    if (std::optional<SolveResult> gapRows = gapRowsSolve(dealt, geometry, limits)) {
        return gapRows;
    }
    if (std::optional<SolveResult> puzzle = slidingPuzzleSolve(dealt, geometry, limits)) {
        return puzzle;
    }
    if (std::optional<SolveResult> dealtPiles = dealtPilesSolve(dealt, geometry, limits)) {
        return dealtPiles;
    }
    if (std::optional<SolveResult> upOnly = foundationsOnlySolve(dealt, geometry, limits)) {
        return upOnly;
    }
    if (std::optional<SolveResult> refill = refillSolve(dealt, geometry, limits)) {
        return refill;
    }
    if (std::optional<SolveResult> reserveWaste = reserveWasteSolve(dealt, geometry, limits)) {
        return reserveWaste;
    }
    if (std::optional<SolveResult> waste = wastePilesSolve(dealt, geometry, limits)) {
        return waste;
    }
    if (std::optional<SolveResult> placed = placedPilesSolve(dealt, geometry, limits)) {
        return placed;
    }
    if (std::optional<SolveResult> gallery = gallerySolve(dealt, geometry, limits)) {
        return gallery;
    }
    if (openingMoveDue(dealt)) {
        return openingChoicesSolve(dealt, geometry, limits);
    }
    if (baseStillToChoose(dealt)) {
        return baseChoicesSolve(dealt, geometry, limits);
    }
    const std::optional<CompactRules> rules = coveredRules(dealt, geometry, limits);
    if (!rules) {
        return actionSolve(dealt, geometry, limits);
    }
    return compactSolve(dealt, geometry, *rules, fastBudget(limits), limits);
}

} // namespace

SolveResult solveDeal(const table::ProgramState& dealt, const seam::Frontend& geometry,
                      const SolveLimits& limits) {
    // A search whose lines were all cut short for idling starts again with
    // twice the patience (at last with none), on what is left of the budget.
    long spent = 0;
    // The orders and the breadth bound the caller asks for are the gesture
    // search's own: then it answers alone.
    const bool gestureOrder = limits.digForNextCards || limits.avoidCovering || limits.breadth > 0;
    if (limits.fastSearch && !gestureOrder) {
        std::optional<SolveResult> fast = fastSolve(dealt, geometry, limits);
        if (fast) {
            return *fast;
        }
        if (!limits.gestureSearch) {
            SolveResult none;
            none.fastSearch = true;
            return none;
        }
    }
    SolveLimits round = limits;
    while (true) {
        Search search(dealt, geometry, round);
        SolveResult result = search.run();
        spent += result.positions;
        result.positions = spent;
        const bool cutShort = result.outcome == SolveOutcome::GaveUp &&
                              search.exhaustedByIdling() && !search.stopped();
        if (!cutShort || round.idleMoves == 0 || spent >= limits.positions) {
            return result;
        }
        round.positions = limits.positions - spent;
        round.idleMoves = round.idleMoves >= 32 ? 0 : round.idleMoves * 2;
    }
}

} // namespace vellomir::engine
