#include "engine/solver/compact_discard.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/input/press_rules.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/compact_search.h"
#include "table/card.h"
#include "table/peak_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <bit>
#include <random>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;

namespace {

constexpr int kKeyBits = 63;          // the top bit marks every key, so none is 0
constexpr int kTopBits = 7;           // a card code below DiscardDeal::kCodes
constexpr int kStopCheckEvery = 1024; // positions between two reads of the stop flag

bool discardGame(const table::ProgramState& state) {
    const GameType type = gameTypeOf(state.params);
    return type == GameType::Golf || type == GameType::GolfAroundTheCorner ||
           type == GameType::BlackHole;
}

std::vector<std::uint8_t> codesOf(const std::string& pile) {
    std::vector<std::uint8_t> codes;
    for (int i = 0; i < table::cardCount(pile); ++i) {
        codes.push_back(static_cast<std::uint8_t>(table::cardAt(pile, i)));
    }
    return codes;
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
    int keyBits = 0;
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        deal.piles.push_back(codesOf(pile));
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
        deal.shift[static_cast<std::size_t>(t)] = keyBits;
        keyBits += std::bit_width(deal.piles.back().size());
    }
    deal.stock = codesOf(dealt.piles.stock(table::kStock));
    deal.stockShift = keyBits;
    keyBits += std::bit_width(deal.stock.size());
    deal.topShift = keyBits;
    keyBits += kTopBits;
    const std::string& discard = dealt.piles.stock(table::kDiscard);
    deal.discardTop = static_cast<std::uint8_t>(table::topCardOf(discard));
    if (keyBits > kKeyBits) {
        return std::nullopt;
    }
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
    return deal;
}

namespace {

// The depth-first search of a DiscardDeal. Cards only leave the tableaus
// and the stock, so no line comes back to a position: a position whose
// moves were all searched without a win (finished) can never lead to one,
// whatever line reaches it. The search keeps the keys of those alone and
// runs in short passes, each in another order of the moves, all sharing
// them: a pass that wanders into a large lost part of the deal gives way
// to one that tries other moves first, and the work of every pass stays
// done. The deal is lost once its first position is finished.
class DiscardSearch {
public:
    DiscardSearch(const DiscardDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop) {
        // Top cards the discard pile treats alike (the same cards go onto
        // them: in these games, cards of one rank) are one in the key.
        for (int code = 0; code < DiscardDeal::kCodes; ++code) {
            m_topClass[at(code)] = code;
            for (int alike = 0; alike < code; ++alike) {
                if (deal.takes[at(alike)] == deal.takes[at(code)]) {
                    m_topClass[at(code)] = alike;
                    break;
                }
            }
        }
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
    }

    DiscardSearchResult run(long positions) {
        DiscardSearchResult result;
        reset();
        if (m_cardsLeft == 0) {
            result.outcome = DiscardSearchResult::Outcome::Won;
            return result;
        }
        const std::uint64_t first = m_key;
        bool lost = std::ranges::any_of(m_tableauCards, [&](int card) { return stranded(card); });
        for (int order = 0; !lost; ++order) {
            const long left = positions - m_searched;
            if (left <= 0 || stopped()) {
                break;
            }
            if (passWins(order, std::min(kPassPositions, left), result.line)) {
                result.outcome = DiscardSearchResult::Outcome::Won;
                break;
            }
            lost = m_finished.contains(first);
        }
        if (lost) {
            result.outcome = DiscardSearchResult::Outcome::Exhausted;
        }
        result.positions = m_searched;
        result.storedBytes = m_finished.bytes() + m_frames.capacity() * sizeof(Frame);
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
        std::uint64_t key = 0;
    };

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    // The deal as dealt.
    void reset() {
        m_cardsLeft = 0;
        m_filled = 0;
        m_key = std::uint64_t{1} << kKeyBits;
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
        m_key += static_cast<std::uint64_t>(m_stockLeft) << m_deal.stockShift;
        m_key += static_cast<std::uint64_t>(m_topClass[at(m_top)]) << m_deal.topShift;
    }

    // One pass from the deal in the given order, on at most `budget`
    // positions; true with the winning line in `line`.
    bool passWins(int order, long budget, std::vector<int>& line) {
        reset();
        std::mt19937 shuffle(static_cast<std::uint32_t>(order));
        m_frames.clear();
        m_frames.emplace_back();
        m_frames.back().key = m_key;
        movesHere(m_frames.back(), order, shuffle);
        long spent = 0;
        while (!m_frames.empty()) {
            Frame& frame = m_frames.back();
            if (frame.next == frame.count) {
                m_finished.insert(frame.key);
                if (m_frames.size() > 1) {
                    undo(frame.move, frame.topBefore);
                }
                m_frames.pop_back();
                continue;
            }
            const int move = frame.moves[at(frame.next++)];
            const int before = m_top;
            apply(move);
            if (m_finished.contains(m_key)) {
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
                return true;
            }
            if (spent >= budget || (spent % kStopCheckEvery == 0 && stopped())) {
                return false;
            }
            Frame next;
            next.move = move;
            next.topBefore = before;
            next.key = m_key;
            if (!strandsAfter(before)) {
                movesHere(next, order, shuffle);
            }
            m_frames.push_back(next);
        }
        return false;
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
        m_key -= static_cast<std::uint64_t>(m_topClass[at(m_top)]) << m_deal.topShift;
        m_key += static_cast<std::uint64_t>(m_topClass[at(card)]) << m_deal.topShift;
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

    const DiscardDeal& m_deal;
    const std::atomic<bool>* m_stop;
    std::array<int, DiscardDeal::kCodes> m_topClass{};
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

    KeySet m_finished;
    std::vector<Frame> m_frames;
    long m_searched = 0;
};

} // namespace

DiscardSearchResult searchDiscardDeal(const DiscardDeal& deal, long positions,
                                      const std::atomic<bool>* stop) {
    return DiscardSearch(deal, stop).run(positions);
}

} // namespace vellomir::engine
