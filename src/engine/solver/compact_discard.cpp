#include "engine/solver/compact_discard.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/input/press_rules.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/key_set.h"
#include "engine/solver/search_passes.h"
#include "table/card.h"
#include "table/peak_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <random>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;

namespace {

constexpr int kKeyBits = 63;          // the key's fields at most, below its mark
constexpr int kStopCheckEvery = 1024; // positions between two reads of the stop flag

bool discardGame(const table::ProgramState& state) {
    const GameType type = gameTypeOf(state.params);
    return type == GameType::Golf || type == GameType::GolfAroundTheCorner ||
           type == GameType::BlackHole;
}

// A click on the stock of a copy of `table`, through the pointer input and
// with Autoplay off as the solver's lines play: true when it turned just
// the stock's top card onto the discard pile (or, from an empty stock, did
// nothing at all).
bool stockClickDiscards(table::ProgramState table, const seam::Frontend& geometry) {
    const table::ProgramState before = table;
    QuietFrontend frontend(geometry);
    PlayEngine engine(table, frontend);
    engine.setRecording(false);
    std::string problem;
    if (autoplayActive(table) &&
        !runPointerCommand(engine, {PointerCommand::Verb::Autoplay, {}, {}}, problem)) {
        return false;
    }
    const table::PileLists piles = table.piles;
    if (!runGesture(engine, {PointerCommand::Verb::Click, "Mazzo", {}})) {
        return false;
    }
    const std::string& stock = piles.stock(table::kStock);
    if (stock.empty()) {
        return table.piles == piles;
    }
    table::PileLists expected = piles;
    const int top = table::topCardOf(stock);
    expected.stock(table::kStock).resize(stock.size() - 3);
    expected.stock(table::kDiscard) += table::cardText(top);
    return table.piles == expected && table.cards.isFaceUp(top);
}

} // namespace

bool layOutKeys(DiscardDeal& deal) {
    int keyBits = 0;
    for (int t = 0; t < deal.tableaus; ++t) {
        deal.shift[static_cast<std::size_t>(t)] = keyBits;
        keyBits += std::bit_width(deal.piles[static_cast<std::size_t>(t)].size());
    }
    deal.stockShift = keyBits;
    keyBits += std::bit_width(deal.stock.size());
    int classes = 0;
    for (std::size_t code = 0; code < DiscardDeal::kCodes; ++code) {
        deal.topClass[code] = static_cast<std::uint8_t>(classes);
        for (std::size_t alike = 0; alike < code; ++alike) {
            if (deal.takes[alike] == deal.takes[code]) {
                deal.topClass[code] = deal.topClass[alike];
                break;
            }
        }
        classes += deal.topClass[code] == classes ? 1 : 0;
    }
    deal.topShift = keyBits;
    keyBits += std::bit_width(static_cast<unsigned>(classes - 1));
    deal.keyBits = keyBits;
    return keyBits <= kKeyBits;
}

std::optional<DiscardDeal> discardDealFor(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    if (!discardGame(dealt) || counts.reserves != 0 || counts.tableaus < 1 ||
        counts.tableaus > DiscardDeal::kMaxTableaus || p[param::CardCount] >= DiscardDeal::kCodes ||
        !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    for (int f = 0; f < counts.foundations; ++f) {
        if (!dealt.piles.foundation(f).empty()) {
            return std::nullopt;
        }
    }
    DiscardDeal deal;
    deal.tableaus = counts.tableaus;
    const int peaks = std::clamp(p[param::TableauPeaks], 0, table::kMaxPeaks);
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        deal.piles.push_back(table::cardCodes(pile));
        // A face-down card turns up at a click (Golf-like games); the hole
        // takes only face-up cards.
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (gameTypeOf(p) == GameType::BlackHole &&
                !dealt.cards.isFaceUp(table::cardAt(pile, i))) {
                return std::nullopt;
            }
        }
        for (const int over : table::peakCovers(peaks, t)) {
            if (over < counts.tableaus) {
                deal.coveredBy[static_cast<std::size_t>(t)] |= 1U << over;
            }
        }
    }
    deal.stock = table::cardCodes(dealt.piles.stock(table::kStock));
    const std::string& discard = dealt.piles.stock(table::kDiscard);
    deal.discardTop = static_cast<std::uint8_t>(table::topCardOf(discard));
    if (!deal.stock.empty()) {
        table::ProgramState emptyStock = dealt;
        emptyStock.piles.stock(table::kStock).clear();
        if (!stockClickDiscards(dealt, geometry) || !stockClickDiscards(emptyStock, geometry)) {
            return std::nullopt;
        }
    }
    // The discard pile's rule, asked of the engine for every top card the
    // pile may show (none, or any card of the deal) and every tableau card.
    std::vector<int> tops{0};
    std::vector<int> tableauCards;
    for (const auto& pile : deal.piles) {
        tops.insert(tops.end(), pile.begin(), pile.end());
        tableauCards.insert(tableauCards.end(), pile.begin(), pile.end());
    }
    tops.insert(tops.end(), deal.stock.begin(), deal.stock.end());
    tops.push_back(deal.discardTop);
    QuietFrontend frontend(geometry);
    table::ProgramState probe = dealt;
    deal.takes.assign(DiscardDeal::kCodes, {});
    for (const int top : tops) {
        probe.piles.stock(table::kDiscard) = top == 0 ? std::string() : table::cardText(top);
        for (const int card : tableauCards) {
            deal.takes[static_cast<std::size_t>(top)][static_cast<std::size_t>(card)] =
                discardTakes(probe, frontend, card);
        }
    }
    if (!layOutKeys(deal)) {
        return std::nullopt;
    }
    return deal;
}

namespace {

// The depth-first search of a DiscardDeal. Cards only leave the tableaus
// and the stock, so no line comes back to a position: a position seen
// before was searched out already (or lies on the line being searched),
// and one probe of the set of positions seen both asks and stores. The
// search runs in short passes, each in another order of the moves, all
// sharing the set: a pass that wanders into a large lost part of the deal
// gives way to one that tries other moves first, and the work of every
// pass stays done. A pass cut short takes back the positions of its line,
// which it had not searched out. The deal is lost once a pass searched out
// its first position.
template <typename Key> class DiscardSearch {
public:
    DiscardSearch(const DiscardDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop) {
        m_pileOf.fill(kNowhere);
        std::vector<int> everyCard{deal.discardTop};
        for (int t = 0; t < deal.tableaus; ++t) {
            const auto& pile = deal.piles[at(t)];
            for (std::size_t i = 0; i < pile.size(); ++i) {
                m_pileOf[pile[i]] = t;
                m_depthOf[pile[i]] = static_cast<int>(i);
                everyCard.push_back(pile[i]);
                m_tableauCards.push_back(pile[i]);
            }
        }
        for (std::size_t i = 0; i < deal.stock.size(); ++i) {
            m_pileOf[deal.stock[i]] = DiscardDeal::kStockClick;
            m_depthOf[deal.stock[i]] = static_cast<int>(i);
            everyCard.push_back(deal.stock[i]);
        }
        m_takenOnto.resize(DiscardDeal::kCodes);
        m_takesAfter.resize(DiscardDeal::kCodes);
        for (const int card : m_tableauCards) {
            for (const int below : everyCard) {
                if (deal.takes[at(below)][at(card)]) {
                    m_takenOnto[at(card)].push_back(static_cast<std::uint8_t>(below));
                    m_takesAfter[at(below)].push_back(static_cast<std::uint8_t>(card));
                }
            }
        }
        chainClasses();
    }

    DiscardSearchResult run(long positions) {
        DiscardSearchResult result;
        reset();
        if (m_cardsLeft == 0) {
            result.outcome = DiscardSearchResult::Outcome::Won;
            return result;
        }
        const bool stranding =
            std::ranges::any_of(m_tableauCards, [&](int card) { return stranded(card); }) ||
            tooFewCardsBelow();
        const PassesEnd end =
            stranding
                ? PassesEnd::Lost
                : runPasses(
                      positions, kPassPositions,
                      [&](int order, long budget) { return pass(order, budget, result.line); },
                      [&] { return m_searched; }, [&] { return stopped(); });
        recordSearchEnd(end, m_searched, m_seen.bytes() + m_frames.capacity() * sizeof(Frame),
                        result);
        return result;
    }

private:
    static constexpr int kNowhere = -2;
    // Positions a pass searches. Small passes in many orders answer more
    // deals in a tenth of a second than long ones (200 Black Hole deals:
    // 192 answered with passes of 2,000 positions, 168 with passes that
    // doubled from 4,000).
    static constexpr long kPassPositions = 2000;
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    struct Frame {
        std::array<std::int8_t, DiscardDeal::kMaxTableaus + 1> moves{};
        int count = 0;
        int next = 0;
        int move = 0;      // the move that led here
        int topBefore = 0; // the discard pile's top card before it
        Key key = 0;
    };

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    // The deal as dealt.
    void reset() {
        m_cardsLeft = 0;
        m_filled = 0;
        m_key = std::uint64_t{1} << m_deal.keyBits;
        for (int t = 0; t < m_deal.tableaus; ++t) {
            m_height[at(t)] = static_cast<int>(m_deal.piles[at(t)].size());
            m_cardsLeft += m_height[at(t)];
            if (m_height[at(t)] > 0) {
                m_filled |= 1U << t;
            }
            m_key += static_cast<std::uint64_t>(m_height[at(t)]) << m_deal.shift[at(t)];
        }
        m_stockLeft = static_cast<int>(m_deal.stock.size());
        m_top = m_deal.discardTop;
        m_inPlay.fill(0);
        for (const int card : m_tableauCards) {
            ++m_inPlay[m_deal.topClass[at(card)]];
        }
        m_key += static_cast<std::uint64_t>(m_stockLeft) << m_deal.stockShift;
        m_key += static_cast<std::uint64_t>(m_deal.topClass[at(m_top)]) << m_deal.topShift;
    }

    // One pass from the deal in the given order, on at most `budget`
    // positions; when won, the winning line is in `line`.
    PassEnd pass(int order, long budget, std::vector<int>& line) {
        reset();
        std::mt19937 shuffle(static_cast<std::uint32_t>(order));
        m_frames.clear();
        m_frames.emplace_back();
        m_frames.back().key = static_cast<Key>(m_key);
        m_seen.insert(m_frames.back().key);
        movesHere(m_frames.back(), order, shuffle);
        long spent = 0;
        while (!m_frames.empty()) {
            Frame& frame = m_frames.back();
            if (frame.next == frame.count) {
                if (m_frames.size() > 1) {
                    undo(frame.move, frame.topBefore);
                }
                m_frames.pop_back();
                continue;
            }
            const int move = frame.moves[at(frame.next++)];
            const int before = m_top;
            apply(move);
            const Key key = static_cast<Key>(m_key);
            if (!m_seen.insert(key)) {
                undo(move, before);
                continue;
            }
            ++m_searched;
            ++spent;
            if (m_cardsLeft == 0) {
                for (std::size_t i = 1; i < m_frames.size(); ++i) {
                    line.push_back(m_frames[i].move);
                }
                line.push_back(move);
                return PassEnd::Won;
            }
            if (spent >= budget || (spent % kStopCheckEvery == 0 && stopped())) {
                m_seen.erase(key);
                for (const Frame& open : m_frames) {
                    m_seen.erase(open.key);
                }
                return PassEnd::CutShort;
            }
            Frame next;
            next.move = move;
            next.topBefore = before;
            next.key = key;
            if (!strandsAfter(before) && !tooFewCardsBelow()) {
                movesHere(next, order, shuffle);
            }
            m_frames.push_back(next);
        }
        return PassEnd::SearchedOut;
    }

    // The moves of the position, in the pass's order: the tableaus from the
    // last in the first pass, from the fullest in the second, shuffled
    // after that; the stock last.
    void movesHere(Frame& frame, int order, std::mt19937& shuffle) const {
        frame.count = 0;
        frame.next = 0;
        for (int t = m_deal.tableaus - 1; t >= 0; --t) {
            const int h = m_height[at(t)];
            if (h == 0 || (m_deal.coveredBy[at(t)] & m_filled) != 0) {
                continue;
            }
            if (m_deal.takes[at(m_top)][m_deal.piles[at(t)][at(h - 1)]]) {
                frame.moves[at(frame.count++)] = static_cast<std::int8_t>(t);
            }
        }
        const auto first = frame.moves.begin();
        const auto last = first + frame.count;
        if (order == 1) {
            std::stable_sort(first, last,
                             [&](int a, int b) { return m_height[at(a)] > m_height[at(b)]; });
        } else if (order > 1) {
            std::shuffle(first, last, shuffle);
        }
        if (m_stockLeft > 0) {
            frame.moves[at(frame.count++)] = DiscardDeal::kStockClick;
        }
    }

    void setTop(int card) {
        m_key -= static_cast<std::uint64_t>(m_deal.topClass[at(m_top)]) << m_deal.topShift;
        m_key += static_cast<std::uint64_t>(m_deal.topClass[at(card)]) << m_deal.topShift;
        m_top = card;
    }

    void apply(int move) {
        if (move == DiscardDeal::kStockClick) {
            setTop(m_deal.stock[at(m_stockLeft - 1)]);
            --m_stockLeft;
            m_key -= std::uint64_t{1} << m_deal.stockShift;
            return;
        }
        const std::size_t t = at(move);
        setTop(m_deal.piles[t][at(m_height[t] - 1)]);
        --m_inPlay[m_deal.topClass[at(m_top)]];
        --m_cardsLeft;
        m_key -= std::uint64_t{1} << m_deal.shift[t];
        if (--m_height[t] == 0) {
            m_filled &= ~(1U << move);
        }
    }

    void undo(int move, int topBefore) {
        setTop(topBefore);
        if (move == DiscardDeal::kStockClick) {
            ++m_stockLeft;
            m_key += std::uint64_t{1} << m_deal.stockShift;
            return;
        }
        const std::size_t t = at(move);
        ++m_inPlay[m_deal.topClass[m_deal.piles[t][at(m_height[t])]]];
        ++m_cardsLeft;
        m_key += std::uint64_t{1} << m_deal.shift[t];
        ++m_height[t];
        m_filled |= 1U << move;
    }

    // A tableau card goes to the discard pile only onto a card that takes
    // it: the pile's top card, or one still to come (in the stock, in
    // another tableau or above it in its own). Once none is left the deal
    // is lost. Cards leave play only by being covered on the discard pile,
    // so a move can strand only the cards the card it covered would take.
    bool stillComing(int below, int card) const {
        const int pile = m_pileOf[at(below)];
        const int depth = m_depthOf[at(below)];
        if (pile == DiscardDeal::kStockClick) {
            return depth < m_stockLeft;
        }
        return pile >= 0 && depth < m_height[at(pile)] &&
               !(pile == m_pileOf[at(card)] && depth < m_depthOf[at(card)]);
    }

    bool stranded(int card) const {
        const int pile = m_pileOf[at(card)];
        if (pile < 0 || m_depthOf[at(card)] >= m_height[at(pile)] ||
            m_deal.takes[at(m_top)][at(card)]) {
            return false;
        }
        return std::ranges::none_of(m_takenOnto[at(card)],
                                    [&](int below) { return stillComing(below, card); });
    }

    bool strandsAfter(int covered) const {
        return std::ranges::any_of(m_takesAfter[at(covered)],
                                   [&](int card) { return stranded(card); });
    }

    // Which cards each card may lie on directly, by classes of top cards:
    // a tableau card of one class lies on a card of a neighbouring class.
    // Where every class has at most two neighbours (Golf: the ranks from ace
    // to king in a line, a card goes one rank up or down; Black Hole and
    // TriPeaks: a ring, king and ace next to each other), the graph of
    // classes needing cards and classes giving them falls into chains,
    // each a line or a ring; the tables must say so card by card, else
    // there are no chains and no count.
    struct Link {
        bool needs; // the class's tableau cards needing a card below them, or its cards giving one
        int cls;
    };
    struct Chain {
        std::vector<Link> links;
        bool ring = false;
    };

    void chainClasses() {
        const std::size_t codes = DiscardDeal::kCodes;
        if (m_deal.discardTop == 0) {
            return; // an empty discard pile takes any card
        }
        std::vector<int> cardOf(codes, 0); // a tableau card of each class
        for (const int card : m_tableauCards) {
            cardOf[m_deal.topClass[at(card)]] = card;
        }
        std::vector<int> cards = m_tableauCards;
        cards.insert(cards.end(), m_deal.stock.begin(), m_deal.stock.end());
        cards.push_back(m_deal.discardTop);
        std::vector<std::vector<int>> neighbours(codes);
        std::vector<int> classes;
        for (const int below : cards) {
            const int other = m_deal.topClass[at(below)];
            if (std::ranges::find(classes, other) == classes.end()) {
                classes.push_back(other);
            }
            for (const int card : m_tableauCards) {
                const int cls = m_deal.topClass[at(card)];
                const bool takes = m_deal.takes[at(below)][at(card)];
                // Alike as top cards, alike as cards taken; never onto its own class.
                if (takes != m_deal.takes[at(below)][at(cardOf[at(cls)])] ||
                    (takes && other == cls)) {
                    return;
                }
                if (takes &&
                    std::ranges::find(neighbours[at(cls)], other) == neighbours[at(cls)].end()) {
                    neighbours[at(cls)].push_back(other);
                }
            }
        }
        // A class with tableau cards takes its neighbours' cards and lies on them.
        for (const int cls : classes) {
            if (neighbours[at(cls)].size() > 2) {
                return;
            }
            for (const int other : neighbours[at(cls)]) {
                const auto& back = neighbours[at(other)];
                if (cardOf[at(other)] != 0 && std::ranges::find(back, cls) == back.end()) {
                    return;
                }
            }
        }
        // The links: a class's needing side joins its neighbours' giving sides.
        auto linksOf = [&](const Link& link) {
            std::vector<Link> next;
            if (link.needs) {
                for (const int other : neighbours[at(link.cls)]) {
                    next.push_back({false, other});
                }
            } else {
                for (const int cls : classes) {
                    if (cardOf[at(cls)] != 0 && std::ranges::find(neighbours[at(cls)], link.cls) !=
                                                    neighbours[at(cls)].end()) {
                        next.push_back({true, cls});
                    }
                }
            }
            return next;
        };
        std::vector<Link> every;
        for (const int cls : classes) {
            if (cardOf[at(cls)] != 0) {
                every.push_back({true, cls});
            }
            every.push_back({false, cls});
        }
        for (const Link& link : every) {
            if (linksOf(link).size() > 2) {
                return;
            }
        }
        std::vector<std::array<char, 2>> placed(codes, {0, 0});
        auto isPlaced = [&](const Link& l) { return placed[at(l.cls)][l.needs ? 1 : 0] != 0; };
        auto walk = [&](Link from, bool ring) {
            Chain chain;
            chain.ring = ring;
            for (std::optional<Link> current = from; current;) {
                chain.links.push_back(*current);
                placed[at(current->cls)][current->needs ? 1 : 0] = 1;
                std::optional<Link> next;
                for (const Link& l : linksOf(*current)) {
                    if (!isPlaced(l)) {
                        next = l;
                        break;
                    }
                }
                current = next;
            }
            m_chains.push_back(std::move(chain));
        };
        // Lines from their ends first; what is left are rings, walked from
        // a needing link.
        for (const Link& link : every) {
            if (!isPlaced(link) && linksOf(link).size() < 2) {
                walk(link, false);
            }
        }
        for (const Link& link : every) {
            if (!isPlaced(link) && link.needs) {
                walk(link, true);
            }
        }
        if (std::ranges::any_of(every, [&](const Link& l) { return !isPlaced(l); })) {
            m_chains.clear();
            return;
        }
        m_stockOfClass.assign(codes, std::vector<int>(m_deal.stock.size() + 1, 0));
        for (std::size_t i = 0; i < m_deal.stock.size(); ++i) {
            for (std::size_t cls = 0; cls < codes; ++cls) {
                m_stockOfClass[cls][i + 1] =
                    m_stockOfClass[cls][i] + (m_deal.topClass[m_deal.stock[i]] == cls ? 1 : 0);
            }
        }
    }

    // Cards of a class that can lie under another card now: its tableau
    // cards, its stock cards and the top card.
    int giving(int cls) const {
        return m_inPlay[at(cls)] + m_stockOfClass[at(cls)][at(m_stockLeft)] +
               (m_deal.topClass[at(m_top)] == cls ? 1 : 0);
    }

    // Along a line, each needing link takes from the giving link before it
    // first (nothing after can use that one) and then from the one after;
    // `firstNeed` and `lastGive` are taken off the first and the last link.
    bool lineServed(const std::vector<Link>& links, int firstNeed, int lastGive) const {
        int left = 0; // what the link before leaves: cards to give, or cards still needing one
        for (std::size_t i = 0; i < links.size(); ++i) {
            const Link& link = links[i];
            const int taken = i == 0 ? firstNeed : i + 1 == links.size() ? lastGive : 0;
            if (link.needs) {
                const int need = m_inPlay[at(link.cls)] - taken;
                left = -std::max(0, need - std::max(0, left)); // still needing, as negative
            } else {
                const int give = giving(link.cls) - taken;
                if (give < -left) {
                    return false;
                }
                left = give + std::min(0, left);
            }
        }
        return left >= 0;
    }

    // Every tableau card goes onto a card of a neighbouring class, and no
    // two onto the same one: each lies directly on its own card in the
    // discard pile. The cards it may lie on are the top card, the stock's
    // and the tableau cards still in play. When there are too few along a
    // chain, the deal is lost. In a ring, every share of the first link's
    // need that the last link could give is tried.
    bool tooFewCardsBelow() const {
        for (const Chain& chain : m_chains) {
            if (!chain.ring) {
                if (!lineServed(chain.links, 0, 0)) {
                    return true;
                }
                continue;
            }
            const int need = m_inPlay[at(chain.links.front().cls)];
            const int most = std::min(need, giving(chain.links.back().cls));
            bool served = false;
            for (int share = 0; share <= most && !served; ++share) {
                served = lineServed(chain.links, share, share);
            }
            if (!served) {
                return true;
            }
        }
        return false;
    }

    const DiscardDeal& m_deal;
    const std::atomic<bool>* m_stop;
    std::vector<Chain> m_chains;
    // The stock's cards of each class among its first n, from the bottom.
    std::vector<std::vector<int>> m_stockOfClass;
    // Tableau cards still in play in each class.
    std::array<int, DiscardDeal::kCodes> m_inPlay{};
    // Where each card was dealt: its tableau (kStockClick for the stock,
    // kNowhere for the discard pile) and its place from the bottom.
    std::array<int, DiscardDeal::kCodes> m_pileOf{};
    std::array<int, DiscardDeal::kCodes> m_depthOf{};
    std::vector<int> m_tableauCards;
    std::vector<std::vector<std::uint8_t>> m_takenOnto;
    std::vector<std::vector<std::uint8_t>> m_takesAfter;

    std::array<int, DiscardDeal::kMaxTableaus> m_height{};
    std::uint32_t m_filled = 0; // tableaus holding cards, a bit each
    int m_cardsLeft = 0;
    int m_stockLeft = 0;
    int m_top = 0;
    std::uint64_t m_key = 0;

    BasicKeySet<Key> m_seen;
    std::vector<Frame> m_frames;
    long m_searched = 0;
};

} // namespace

DiscardSearchResult searchDiscardDeal(const DiscardDeal& deal, long positions,
                                      const std::atomic<bool>* stop) {
    // The key's fields and its mark.
    if (deal.keyBits + 1 <= 32) {
        return DiscardSearch<std::uint32_t>(deal, stop).run(positions);
    }
    return DiscardSearch<std::uint64_t>(deal, stop).run(positions);
}

} // namespace vellomir::engine
