#include "engine/solver/compact_monte_carlo.h"

#include "catalogue/rule_codes.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/selection_rules.h"
#include "engine/solver/key_set.h"
#include "engine/solver/search_passes.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <bit>
#include <random>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

constexpr int kStopCheckEvery = 1024; // positions between two reads of the stop flag
constexpr int kNoCard = -1;
// Other cards and places the pair rule is checked on, beyond the tables it
// was learnt from.
constexpr int kRuleChecks = 400;
// Every key has this bit set: no position's key is 0, which the key set
// keeps for its free slots.
constexpr std::uint64_t kKeyMark = std::uint64_t{1} << MonteCarloDeal::kMaxCards;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The square after a click, when the cards of `gone` (a bit for each card
// of the sequence) have left: the others in their order, place by place.
std::vector<int> closedSquare(const MonteCarloDeal& deal, std::uint64_t gone) {
    std::vector<int> square(at(deal.places), kNoCard);
    int place = 0;
    for (int i = 0; i < static_cast<int>(deal.sequence.size()) && place < deal.places; ++i) {
        if ((gone >> i & 1) == 0) {
            square[at(place++)] = i;
        }
    }
    return square;
}

// Whether a click on the stock would change the square: a gap lies before
// a card, or a gap is left and the stock still holds cards.
bool clickChangesSquare(const table::ProgramState& state, int places) {
    bool gap = false;
    for (int t = 0; t < places; ++t) {
        if (state.piles.tableau(t).empty()) {
            gap = true;
        } else if (gap) {
            return true;
        }
    }
    return gap && !state.piles.stock(table::kStock).empty();
}

// The click played through the pointer input on a copy of the position
// with some of its square's cards taken away, compared with the square the
// model closes up.
bool clickAsModelled(const table::ProgramState& dealt, const seam::Frontend& geometry,
                     const MonteCarloDeal& deal) {
    std::uint64_t gone = 0;
    table::ProgramState copy = dealt;
    for (int t = 0; t < deal.places; t += 3) {
        if (deal.start[at(t)] != kNoCard) {
            gone |= std::uint64_t{1} << deal.start[at(t)];
            copy.piles.tableau(t).clear();
        }
    }
    if (!clickChangesSquare(copy, deal.places)) {
        return true; // nothing a click does here: the search never clicks on such a square
    }
    QuietFrontend frontend(geometry);
    PlayEngine engine(copy, frontend);
    engine.setRecording(false);
    if (!runGesture(engine, {PointerCommand::Verb::Click, "Mazzo", {}})) {
        return false;
    }
    // The square closed up in the sequence's order, and the stock's cards
    // from the one after the last the square took.
    const std::vector<int> square = closedSquare(deal, gone);
    int lastPlaced = kNoCard;
    for (int t = 0; t < deal.places; ++t) {
        const int index = square[at(t)];
        const std::string expected =
            index == kNoCard ? std::string() : table::cardText(deal.sequence[at(index)]);
        if (copy.piles.tableau(t) != expected ||
            (index != kNoCard && !copy.cards.isFaceUp(deal.sequence[at(index)]))) {
            return false;
        }
        lastPlaced = std::max(lastPlaced, index);
    }
    int stockLeft = 0;
    for (int i = lastPlaced + 1; i < static_cast<int>(deal.sequence.size()); ++i) {
        stockLeft += (gone >> i & 1) == 0 ? 1 : 0;
    }
    return table::cardCount(copy.piles.stock(table::kStock)) == stockLeft;
}

// The family's judgement of two cards on a table that holds just them.
class PairJudge {
public:
    PairJudge(const table::ProgramState& dealt, int places) : m_probe(dealt), m_places(places) {
        m_probe.piles.stock(table::kStock).clear();
    }
    SelectionVerdict judge(const SelectionRule& rule, int a, int placeA, int b, int placeB) {
        for (int t = 0; t < m_places; ++t) {
            m_probe.piles.tableau(t).clear();
        }
        m_probe.piles.tableau(placeA) = table::cardText(a);
        if (b != 0) {
            m_probe.piles.tableau(placeB) = table::cardText(b);
            return rule.judge(m_probe, {a, b});
        }
        return rule.judge(m_probe, {a});
    }

private:
    table::ProgramState m_probe;
    int m_places;
};

} // namespace

std::optional<MonteCarloDeal> monteCarloDealFor(const table::ProgramState& dealt,
                                                const seam::Frontend& geometry) {
    const GameType family = gameTypeOf(dealt.params);
    const table::PileCounts counts = table::PileCounts::of(dealt.params);
    if ((family != GameType::MonteCarlo && family != GameType::TouchingSuitPairs) ||
        counts.tableaus < 2 || counts.tableaus > MonteCarloDeal::kMaxPlaces ||
        counts.reserves != 0 || !dealt.piles.stock(table::kWaste).empty() ||
        !dealt.piles.foundation(0).empty()) {
        return std::nullopt;
    }
    const SelectionRule* rule = selectionRuleOf(dealt);
    if (rule == nullptr) {
        return std::nullopt;
    }
    MonteCarloDeal deal;
    deal.places = counts.tableaus;
    bool gap = false;
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        if (table::cardCount(pile) > 1) {
            return std::nullopt;
        }
        if (pile.empty()) {
            deal.start.push_back(kNoCard);
            gap = true;
            continue;
        }
        const int card = table::topCardOf(pile);
        if (!dealt.cards.isFaceUp(card)) {
            return std::nullopt;
        }
        deal.startClosed = deal.startClosed && !gap;
        deal.start.push_back(static_cast<int>(deal.sequence.size()));
        deal.sequence.push_back(static_cast<std::uint8_t>(card));
    }
    const std::string& stock = dealt.piles.stock(table::kStock);
    for (int i = table::cardCount(stock) - 1; i >= 0; --i) {
        deal.sequence.push_back(static_cast<std::uint8_t>(table::cardAt(stock, i)));
    }
    deal.startClosed = deal.startClosed && !(gap && !stock.empty());
    if (deal.sequence.empty() ||
        deal.sequence.size() > static_cast<std::size_t>(MonteCarloDeal::kMaxCards)) {
        return std::nullopt;
    }

    // Which cards leave together, judged on two places side by side; a card
    // alone waits for its partner.
    PairJudge judge(dealt, deal.places);
    deal.pairs.assign(MonteCarloDeal::kCodes, {});
    int pairA = 0;
    int pairB = 0;
    for (const std::uint8_t a : deal.sequence) {
        if (judge.judge(*rule, a, 0, 0, 0) != SelectionVerdict::Open) {
            return std::nullopt;
        }
        for (const std::uint8_t b : deal.sequence) {
            if (b == a) {
                continue;
            }
            const SelectionVerdict verdict = judge.judge(*rule, a, 0, b, 1);
            if (verdict == SelectionVerdict::Open) {
                return std::nullopt; // a selection of three: not this model
            }
            if (verdict == SelectionVerdict::Complete) {
                deal.pairs[a][b] = true;
                pairA = a;
                pairB = b;
            }
        }
    }
    // Which places touch, judged with a pair that leaves together.
    deal.touching.assign(at(deal.places), 0);
    if (pairA != 0) {
        for (int p = 0; p < deal.places; ++p) {
            for (int q = 0; q < deal.places; ++q) {
                if (q != p &&
                    judge.judge(*rule, pairA, p, pairB, q) == SelectionVerdict::Complete) {
                    deal.touching[at(p)] |= std::uint32_t{1} << q;
                }
            }
        }
    }
    // The two tables together are the family's judgement: checked on other
    // cards at other places, and both ways round.
    std::mt19937 random(static_cast<std::uint32_t>(deal.sequence.size()));
    const auto cards = static_cast<int>(deal.sequence.size());
    for (int check = 0; check < kRuleChecks && cards >= 2; ++check) {
        const int a = deal.sequence[at(std::uniform_int_distribution<int>(0, cards - 1)(random))];
        const int b = deal.sequence[at(std::uniform_int_distribution<int>(0, cards - 1)(random))];
        const int p = std::uniform_int_distribution<int>(0, deal.places - 1)(random);
        const int q = std::uniform_int_distribution<int>(0, deal.places - 1)(random);
        if (a == b || p == q) {
            continue;
        }
        const bool modelled = deal.pairs[at(a)][at(b)] && (deal.touching[at(p)] >> q & 1) != 0;
        if (modelled != (judge.judge(*rule, a, p, b, q) == SelectionVerdict::Complete) ||
            modelled != (judge.judge(*rule, b, q, a, p) == SelectionVerdict::Complete)) {
            return std::nullopt;
        }
    }
    if (!clickAsModelled(dealt, geometry, deal)) {
        return std::nullopt;
    }
    return deal;
}

namespace {

// The depth-first search of a MonteCarloDeal, in passes of different
// orders sharing the set of positions met.
class MonteCarloSearch {
public:
    MonteCarloSearch(const MonteCarloDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop),
          m_all(deal.sequence.size() >= 64 ? ~std::uint64_t{0}
                                           : (std::uint64_t{1} << deal.sequence.size()) - 1),
          m_seen(kFirstSlots) {}

    MonteCarloSearchResult run(long positions) {
        MonteCarloSearchResult result;
        const PassesEnd end = runPasses(
            positions, kPassPositions,
            [&](int order, long budget) { return pass(order, budget, result.line); },
            [&] { return m_searched; }, [&] { return stopped(); });
        recordSearchEnd(end, m_searched, m_seen.bytes(), result);
        return result;
    }

private:
    static constexpr long kPassPositions = 50000;
    // Most deals are searched out in a few hundred turns.
    static constexpr std::size_t kFirstSlots = 256;

    // A turn to take: the cards it takes away and the pairs of places they
    // lie on.
    struct Turn {
        std::uint64_t gone = 0;
        MonteCarloTurn pairs;
    };
    struct Frame {
        std::uint64_t gone = 0; // the cards gone at this position
        bool closed = true;     // whether the square is closed up
        std::vector<Turn> turns;
        std::size_t next = 0;
    };

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    std::vector<int> squareOf(const Frame& frame) const {
        if (!frame.closed) {
            return m_deal.start;
        }
        return closedSquare(m_deal, frame.gone);
    }

    // Every set of pairs of the square that can leave before the next
    // click, each set of cards once; the most cards first, then in the
    // pass's order.
    void turnsHere(Frame& frame, int order, std::mt19937& shuffle) const {
        const std::vector<int> square = squareOf(frame);
        std::vector<std::pair<std::int8_t, std::int8_t>> chosen;
        frame.turns.clear();
        frame.next = 0;
        matchFrom(square, 0, 0, chosen, frame.turns);
        if (!frame.closed) {
            frame.turns.push_back({0, {{}, true}}); // the click alone closes the square
        }
        if (order > 0) {
            std::shuffle(frame.turns.begin(), frame.turns.end(), shuffle);
        }
        std::stable_sort(frame.turns.begin(), frame.turns.end(), [](const Turn& a, const Turn& b) {
            return std::popcount(a.gone) > std::popcount(b.gone);
        });
        // One set of cards is one position, however it was paired.
        std::vector<Turn> distinct;
        for (Turn& turn : frame.turns) {
            const bool met = std::ranges::any_of(
                distinct, [&](const Turn& other) { return other.gone == turn.gone; });
            if (!met) {
                distinct.push_back(std::move(turn));
            }
        }
        frame.turns = std::move(distinct);
    }

    // The matchings of the square's places from `place` on, those before it
    // already decided (`used`).
    void matchFrom(const std::vector<int>& square, int place, std::uint32_t used,
                   std::vector<std::pair<std::int8_t, std::int8_t>>& chosen,
                   std::vector<Turn>& turns) const {
        while (place < m_deal.places &&
               (square[at(place)] == kNoCard || (used >> place & 1) != 0)) {
            ++place;
        }
        if (place >= m_deal.places) {
            if (!chosen.empty()) {
                Turn turn;
                for (const auto& [p, q] : chosen) {
                    turn.gone |= std::uint64_t{1} << square[at(p)];
                    turn.gone |= std::uint64_t{1} << square[at(q)];
                }
                turn.pairs.pairs = chosen;
                turns.push_back(std::move(turn));
            }
            return;
        }
        // This place's card stays, or leaves with a touching partner after it.
        matchFrom(square, place + 1, used, chosen, turns);
        const int card = m_deal.sequence[at(square[at(place)])];
        std::uint32_t partners = m_deal.touching[at(place)] & ~used;
        partners &= ~((std::uint32_t{2} << place) - 1); // partners after it only
        while (partners != 0) {
            const int other = std::countr_zero(partners);
            partners &= partners - 1;
            if (square[at(other)] == kNoCard ||
                !m_deal.pairs[at(card)][m_deal.sequence[at(square[at(other)])]]) {
                continue;
            }
            chosen.emplace_back(static_cast<std::int8_t>(place), static_cast<std::int8_t>(other));
            matchFrom(square, place + 1,
                      used | std::uint32_t{1} << place | std::uint32_t{1} << other, chosen, turns);
            chosen.pop_back();
        }
    }

    PassEnd pass(int order, long budget, std::vector<MonteCarloTurn>& line) {
        std::mt19937 shuffle(static_cast<std::uint32_t>(order));
        m_frames.clear();
        Frame root;
        root.closed = m_deal.startClosed;
        if (root.closed) {
            m_seen.insert(kKeyMark);
        }
        turnsHere(root, order, shuffle);
        m_frames.push_back(std::move(root));
        long spent = 0;
        while (!m_frames.empty()) {
            Frame& frame = m_frames.back();
            if (frame.next == frame.turns.size()) {
                m_frames.pop_back();
                continue;
            }
            const Turn& turn = frame.turns[frame.next++];
            const std::uint64_t gone = frame.gone | turn.gone;
            if (gone == m_all) {
                for (std::size_t i = 0; i + 1 < m_frames.size(); ++i) {
                    line.push_back(m_frames[i].turns[m_frames[i].next - 1].pairs);
                }
                line.push_back(turn.pairs);
                line.back().click = false;
                return PassEnd::Won;
            }
            if (!m_seen.insert(gone | kKeyMark)) {
                continue;
            }
            ++m_searched;
            ++spent;
            if (spent >= budget || (spent % kStopCheckEvery == 0 && stopped())) {
                // The line open now was not searched out: a later pass may
                // meet its positions again.
                m_seen.erase(gone | kKeyMark);
                for (const Frame& open : m_frames) {
                    if (open.closed) {
                        m_seen.erase(open.gone | kKeyMark);
                    }
                }
                return PassEnd::CutShort;
            }
            Frame next;
            next.gone = gone;
            turnsHere(next, order, shuffle);
            m_frames.push_back(std::move(next));
        }
        return PassEnd::SearchedOut;
    }

    const MonteCarloDeal& m_deal;
    const std::atomic<bool>* m_stop;
    const std::uint64_t m_all;
    std::vector<Frame> m_frames;
    BasicKeySet<std::uint64_t> m_seen;
    long m_searched = 0;
};

} // namespace

MonteCarloSearchResult searchMonteCarloDeal(const MonteCarloDeal& deal, long positions,
                                            const std::atomic<bool>* stop) {
    MonteCarloSearch search(deal, stop);
    return search.run(positions);
}

} // namespace vellomir::engine
