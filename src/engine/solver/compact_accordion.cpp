#include "engine/solver/compact_accordion.h"

#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/key_set.h"
#include "engine/solver/search_passes.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"
#include "table/tableau_line.h"

#include <algorithm>
#include <array>
#include <random>

namespace vellomir::engine {

namespace {

// Other cards and distances the line's rule is checked on, beyond the
// tables it was learnt from.
constexpr int kRuleChecks = 400;
constexpr int kCardBits = 6;
constexpr int kStockBits = 6;
constexpr int kKeyWords = 3;
static_assert(AccordionDeal::kCodes <= 1 << kCardBits);
static_assert(AccordionDeal::kMaxPlaces * kCardBits + kStockBits + 1 <= 64 * kKeyWords);

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// A table of the line's places holding the given top cards, one a pile.
class LineProbe {
public:
    LineProbe(const table::ProgramState& dealt, int places) : m_probe(dealt), m_places(places) {
        m_probe.piles.stock(table::kStock).clear();
    }
    bool moveAllowed(const std::vector<int>& tops, int from, int to) {
        for (int t = 0; t < m_places; ++t) {
            m_probe.piles.tableau(t) =
                t < static_cast<int>(tops.size()) ? table::cardText(tops[at(t)]) : std::string();
        }
        return table::lineMoveAllowed(m_probe, from, to);
    }

private:
    table::ProgramState m_probe;
    int m_places;
};

// A stock click played through the pointer input on a copy of the
// position: it must put the stock's next card face up at the end of the
// line and change nothing else.
bool clickAsModelled(const table::ProgramState& dealt, const seam::Frontend& geometry,
                     const AccordionDeal& deal) {
    if (deal.stock.empty() || static_cast<int>(deal.line.size()) >= deal.places) {
        return true; // the search never clicks here
    }
    table::ProgramState copy = dealt;
    QuietFrontend frontend(geometry);
    PlayEngine engine(copy, frontend);
    engine.setRecording(false);
    if (!runGesture(engine, {PointerCommand::Verb::Click, "Mazzo", {}})) {
        return false;
    }
    table::PileLists expected = dealt.piles;
    const int card = deal.stock.front();
    const std::size_t place = deal.line.size();
    expected.tableau(static_cast<int>(place)) += table::cardText(card);
    std::string& stock = expected.stock(table::kStock);
    stock.resize(stock.size() - table::cardText(card).size());
    return copy.piles == expected && copy.cards.isFaceUp(card);
}

} // namespace

std::optional<AccordionDeal> accordionDealFor(const table::ProgramState& dealt,
                                              const seam::Frontend& geometry) {
    const table::PileCounts counts = table::PileCounts::of(dealt.params);
    if (!table::isTableauLine(dealt.params) || counts.tableaus < 2 ||
        counts.tableaus > AccordionDeal::kMaxPlaces || counts.reserves != 0 ||
        !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    for (int f = 0; f < counts.foundations; ++f) {
        if (!dealt.piles.foundation(f).empty()) {
            return std::nullopt;
        }
    }
    AccordionDeal deal;
    deal.places = counts.tableaus;
    bool ended = false;
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        if (pile.empty()) {
            ended = true;
            continue;
        }
        const int top = table::topCardOf(pile);
        if (ended || top <= 0 || top >= AccordionDeal::kCodes || !dealt.cards.isFaceUp(top)) {
            return std::nullopt;
        }
        deal.line.push_back(static_cast<std::uint8_t>(top));
    }
    const std::string& stock = dealt.piles.stock(table::kStock);
    for (int i = table::cardCount(stock) - 1; i >= 0; --i) {
        const int card = table::cardAt(stock, i);
        if (card <= 0 || card >= AccordionDeal::kCodes) {
            return std::nullopt;
        }
        deal.stock.push_back(static_cast<std::uint8_t>(card));
    }
    if (deal.line.empty() || deal.stock.size() >= 1U << kStockBits) {
        return std::nullopt;
    }

    // Which top cards match: the line's check of one pile onto the pile
    // just before it.
    std::vector<int> cards(deal.line.begin(), deal.line.end());
    cards.insert(cards.end(), deal.stock.begin(), deal.stock.end());
    LineProbe probe(dealt, deal.places);
    deal.matches.assign(AccordionDeal::kCodes, {});
    int matchA = 0;
    int matchB = 0;
    for (const int a : cards) {
        for (const int b : cards) {
            if (a != b && probe.moveAllowed({b, a}, 1, 0)) {
                deal.matches[at(a)][at(b)] = true;
                matchA = a;
                matchB = b;
            }
        }
    }
    // How far back a pile may move, with a pair that matches.
    if (matchA != 0) {
        for (int step = 1; step < deal.places; ++step) {
            std::vector<int> tops(at(step + 1), 0);
            for (int t = 1; t < step; ++t) {
                tops[at(t)] = cards[at(t % static_cast<int>(cards.size()))];
            }
            tops.front() = matchB;
            tops.back() = matchA;
            if (std::ranges::count(tops, 0) == 0 && probe.moveAllowed(tops, step, 0)) {
                deal.steps |= std::uint32_t{1} << step;
            }
        }
    }
    // The two tables together are the line's rule: checked on other cards,
    // other places and other distances.
    std::mt19937 random(static_cast<std::uint32_t>(cards.size()));
    const auto count = static_cast<int>(cards.size());
    for (int check = 0; check < kRuleChecks && count >= 2; ++check) {
        const int length = std::uniform_int_distribution<int>(2, deal.places)(random);
        std::vector<int> tops;
        for (int t = 0; t < length; ++t) {
            tops.push_back(cards[at(std::uniform_int_distribution<int>(0, count - 1)(random))]);
        }
        const int from = std::uniform_int_distribution<int>(1, length - 1)(random);
        const int to = std::uniform_int_distribution<int>(0, from - 1)(random);
        const int a = tops[at(from)];
        const int b = tops[at(to)];
        const bool modelled =
            a != b && deal.matches[at(a)][at(b)] && (deal.steps >> (from - to) & 1) != 0;
        if (a != b && modelled != probe.moveAllowed(tops, from, to)) {
            return std::nullopt;
        }
    }
    if (!clickAsModelled(dealt, geometry, deal)) {
        return std::nullopt;
    }
    return deal;
}

namespace {

using Key = std::array<std::uint64_t, kKeyWords>;

// The depth-first search of an AccordionDeal, in passes of different
// orders sharing the set of positions met.
class AccordionSearch {
public:
    AccordionSearch(const AccordionDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop) {
        for (int step = 1; step < AccordionDeal::kMaxPlaces; ++step) {
            if ((deal.steps >> step & 1) != 0) {
                m_steps.push_back(step);
            }
        }
        std::ranges::sort(m_steps, std::greater<>());
    }

    AccordionSearchResult run(long positions) {
        return runDepthFirstPasses<AccordionSearchResult>(*this, m_frames, m_seen, m_searched,
                                                          positions, kPassPositions);
    }

    // The position, played by runDepthFirstPasses.

    // Most winnable deals are won within a few thousand positions of some
    // order: short passes try more orders in a tenth of a second.
    static constexpr long kPassPositions = 5000;
    static constexpr int kMaxMoves = AccordionDeal::kMaxPlaces * 2 + 1;

    using Frame = PassFrame<AccordionMove, std::uint8_t, Key, kMaxMoves>;

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    Key key() const {
        Key k{};
        int bit = 0;
        auto put = [&](std::uint64_t value, int bits) {
            const int word = bit / 64;
            const int offset = bit % 64;
            k[at(word)] |= value << offset;
            if (offset + bits > 64) {
                k[at(word + 1)] |= value >> (64 - offset);
            }
            bit += bits;
        };
        // The stock left first, plus one: no key is all zero.
        put(m_deal.stock.size() - static_cast<std::size_t>(m_dealt) + 1, kStockBits + 1);
        for (int t = 0; t < m_length; ++t) {
            put(m_tops[at(t)], kCardBits);
        }
        return k;
    }

    void reset() {
        m_length = 0;
        for (const std::uint8_t top : m_deal.line) {
            m_tops[at(m_length++)] = top;
        }
        m_dealt = 0;
    }

    bool won() const { return m_length == 1 && m_dealt == static_cast<int>(m_deal.stock.size()); }

    // The moves here: piles from the end of the line back, each the
    // farthest first, then the deal; later passes shuffle them.
    void moves(Frame& frame, int order, std::mt19937& shuffle) const {
        frame.count = 0;
        frame.next = 0;
        if (order == 1 && canDeal()) {
            frame.moves[at(frame.count++)] = {0, 0};
        }
        for (int from = m_length - 1; from >= 1; --from) {
            for (const int step : m_steps) {
                if (step <= from && m_deal.matches[m_tops[at(from)]][m_tops[at(from - step)]]) {
                    frame.moves[at(frame.count++)] = {static_cast<std::int8_t>(from),
                                                      static_cast<std::int8_t>(step)};
                }
            }
        }
        if (order != 1 && canDeal()) {
            frame.moves[at(frame.count++)] = {0, 0};
        }
        if (order > 1) {
            std::shuffle(frame.moves.begin(), frame.moves.begin() + frame.count, shuffle);
        }
    }

    bool canDeal() const {
        return m_dealt < static_cast<int>(m_deal.stock.size()) && m_length < m_deal.places;
    }

    // Applies `move`; returns the top card it covered.
    std::uint8_t apply(const AccordionMove& move) {
        if (move.isDeal()) {
            m_tops[at(m_length++)] = m_deal.stock[at(m_dealt++)];
            return 0;
        }
        const int to = move.from - move.step;
        const std::uint8_t covered = m_tops[at(to)];
        m_tops[at(to)] = m_tops[at(move.from)];
        std::copy(m_tops.begin() + move.from + 1, m_tops.begin() + m_length,
                  m_tops.begin() + move.from);
        --m_length;
        return covered;
    }

    void takeBack(const AccordionMove& move, std::uint8_t covered) {
        if (move.isDeal()) {
            --m_length;
            --m_dealt;
            return;
        }
        const int to = move.from - move.step;
        std::copy_backward(m_tops.begin() + move.from, m_tops.begin() + m_length,
                           m_tops.begin() + m_length + 1);
        ++m_length;
        m_tops[at(move.from)] = m_tops[at(to)];
        m_tops[at(to)] = covered;
    }

private:
    const AccordionDeal& m_deal;
    const std::atomic<bool>* m_stop;
    std::vector<int> m_steps;
    std::array<std::uint8_t, AccordionDeal::kMaxPlaces + 1> m_tops{};
    int m_length = 0;
    int m_dealt = 0;
    std::vector<Frame> m_frames;
    WideKeySet<Key> m_seen;
    long m_searched = 0;
};

} // namespace

AccordionSearchResult searchAccordionDeal(const AccordionDeal& deal, long positions,
                                          const std::atomic<bool>* stop) {
    AccordionSearch search(deal, stop);
    return search.run(positions);
}

} // namespace vellomir::engine
