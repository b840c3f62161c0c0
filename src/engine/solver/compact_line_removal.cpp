#include "engine/solver/compact_line_removal.h"

#include "catalogue/rule_codes.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/actions/score.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/selection_rules.h"
#include "engine/solver/key_set.h"
#include "engine/solver/search_passes.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <array>
#include <random>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

// Other lines the family's judgement is checked on, beyond the table it was
// learnt from.
constexpr int kRuleChecks = 400;
constexpr int kLongestCheckedLine = 8;
// The key: a bit for each card gone, then the cards dealt into the line,
// and a mark so that no key is 0.
constexpr int kReachShift = LineRemovalDeal::kMaxCards;
constexpr std::uint64_t kKeyMark = std::uint64_t{1} << 63;
static_assert(kReachShift + 7 <= 63);

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

const std::string kLine = "Fila1";

// A table whose line holds the given cards, face up, and no stock.
class LineTable {
public:
    explicit LineTable(const table::ProgramState& dealt) : m_probe(dealt) {
        m_probe.piles.stock(table::kStock).clear();
    }
    table::ProgramState& lay(const std::vector<int>& cards) {
        std::string& line = m_probe.piles.tableau(0);
        line.clear();
        for (const int card : cards) {
            line += table::cardText(card);
            m_probe.cards.setFaceUp(card, true);
        }
        return m_probe;
    }

private:
    table::ProgramState m_probe;
};

bool complete(const SelectionRule& rule, const table::ProgramState& state,
              const std::vector<int>& selection) {
    return rule.judge(state, selection) == SelectionVerdict::Complete;
}

// A stock click played through the pointer input on a copy of the
// position: it must put the stock's next card face up at the end of the
// line and change nothing else.
bool clickAsModelled(const table::ProgramState& dealt, const seam::Frontend& geometry,
                     const LineRemovalDeal& deal) {
    if (deal.inLine == static_cast<int>(deal.sequence.size())) {
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
    const int card = deal.sequence[at(deal.inLine)];
    expected.tableau(0) += table::cardText(card);
    std::string& stock = expected.stock(table::kStock);
    stock.resize(stock.size() - table::cardText(card).size());
    return copy.piles == expected && copy.cards.isFaceUp(card);
}

} // namespace

std::optional<LineRemovalDeal> lineRemovalDealFor(const table::ProgramState& dealt,
                                                  const seam::Frontend& geometry) {
    const GameType family = gameTypeOf(dealt.params);
    const table::PileCounts counts = table::PileCounts::of(dealt.params);
    if ((family != GameType::RoyalMarriage && family != GameType::BetweenMatchingCards) ||
        counts.tableaus != 1 || counts.reserves != 0 || !dealt.piles.stock(table::kWaste).empty() ||
        !dealt.piles.foundation(0).empty()) {
        return std::nullopt;
    }
    const SelectionRule* rule = selectionRuleOf(dealt);
    if (rule == nullptr) {
        return std::nullopt;
    }
    LineRemovalDeal deal;
    const std::string& line = dealt.piles.tableau(0);
    for (int i = 0; i < table::cardCount(line); ++i) {
        const int card = table::cardAt(line, i);
        if (card <= 0 || card >= LineRemovalDeal::kCodes || !dealt.cards.isFaceUp(card)) {
            return std::nullopt;
        }
        deal.sequence.push_back(static_cast<std::uint8_t>(card));
    }
    deal.inLine = static_cast<int>(deal.sequence.size());
    const std::string& stock = dealt.piles.stock(table::kStock);
    for (int i = table::cardCount(stock) - 1; i >= 0; --i) {
        const int card = table::cardAt(stock, i);
        if (card <= 0 || card >= LineRemovalDeal::kCodes) {
            return std::nullopt;
        }
        deal.sequence.push_back(static_cast<std::uint8_t>(card));
    }
    const auto cards = static_cast<int>(deal.sequence.size());
    if (cards < 3 || cards > LineRemovalDeal::kMaxCards) {
        return std::nullopt;
    }

    // Which cards may be chosen; which two let a card between them go.
    LineTable table(dealt);
    std::vector<int> all(deal.sequence.begin(), deal.sequence.end());
    for (const int card : all) {
        deal.choosable[at(card)] = rule->maySelect(table.lay(all), {}, {card, kLine}) &&
                                   rule->maySelect(table.lay({card}), {}, {card, kLine});
    }
    deal.matches.assign(LineRemovalDeal::kCodes, {});
    for (const int x : all) {
        for (const int y : all) {
            const auto filler = std::ranges::find_if(
                all, [&](int f) { return f != x && f != y && deal.choosable[at(f)]; });
            if (x == y || filler == all.end()) {
                continue;
            }
            deal.matches[at(x)][at(y)] = complete(*rule, table.lay({x, *filler, y}), {*filler});
        }
    }
    // The two tables together are the family's judgement: checked on other
    // lines, for one card and for two side by side.
    std::mt19937 random(static_cast<std::uint32_t>(cards));
    for (int check = 0; check < kRuleChecks; ++check) {
        std::vector<int> shuffled = all;
        std::shuffle(shuffled.begin(), shuffled.end(), random);
        const int length =
            std::uniform_int_distribution<int>(3, std::min(cards, kLongestCheckedLine))(random);
        shuffled.resize(at(length));
        const int j = std::uniform_int_distribution<int>(0, length - 1)(random);
        const bool two = std::uniform_int_distribution<int>(0, 1)(random) == 1 && j + 1 < length;
        const int last = two ? j + 1 : j;
        const int a = shuffled[at(j)];
        const int b = shuffled[at(last)];
        if (!deal.choosable[at(a)] || !deal.choosable[at(b)]) {
            continue;
        }
        const bool modelled = j >= 1 && last + 1 < length &&
                              deal.matches[at(shuffled[at(j - 1)])][at(shuffled[at(last + 1)])];
        const std::vector<int> selection = two ? std::vector<int>{a, b} : std::vector<int>{a};
        if (complete(*rule, table.lay(shuffled), selection) != modelled) {
            return std::nullopt;
        }
    }
    // The lengths of a line that win with the stock empty.
    for (int length = 0; length <= cards; ++length) {
        const std::vector<int> prefix(all.begin(), all.begin() + length);
        if (winTest(table.lay(prefix))) {
            deal.winningLengths |= std::uint64_t{1} << length;
        }
    }
    if (!clickAsModelled(dealt, geometry, deal)) {
        return std::nullopt;
    }
    return deal;
}

namespace {

// The depth-first search of a LineRemovalDeal, in passes of different
// orders sharing the set of positions met.
class LineRemovalSearch {
public:
    LineRemovalSearch(const LineRemovalDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop), m_cards(static_cast<int>(deal.sequence.size())) {}

    LineRemovalSearchResult run(long positions) {
        return runDepthFirstPasses<LineRemovalSearchResult>(*this, m_frames, m_seen, m_searched,
                                                            positions, kPassPositions);
    }

    // The position, played by runDepthFirstPasses.

    static constexpr long kPassPositions = 5000;
    static constexpr int kMaxMoves = LineRemovalDeal::kMaxCards * 2 + 1;

    using Frame = PassFrame<LineRemovalMove, std::uint64_t, std::uint64_t, kMaxMoves>;

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    void reset() {
        m_gone = 0;
        m_reach = m_deal.inLine;
    }

    std::uint64_t key() const {
        return m_gone | static_cast<std::uint64_t>(m_reach) << kReachShift | kKeyMark;
    }

    // The indices into the sequence of the cards in the line now.
    int lineNow(std::array<int, LineRemovalDeal::kMaxCards>& line) const {
        int length = 0;
        for (int i = 0; i < m_reach; ++i) {
            if ((m_gone >> i & 1) == 0) {
                line[at(length++)] = i;
            }
        }
        return length;
    }

    int card(int index) const { return m_deal.sequence[at(index)]; }

    bool won() const {
        std::array<int, LineRemovalDeal::kMaxCards> line{};
        return m_reach == m_cards && (m_deal.winningLengths >> lineNow(line) & 1) != 0;
    }

    // The moves here: one or two cards from the end of the line back, then
    // the deal; the second pass deals first, later ones shuffle.
    void moves(Frame& frame, int order, std::mt19937& shuffle) const {
        frame.count = 0;
        frame.next = 0;
        const bool dealLeft = m_reach < m_cards;
        if (order == 1 && dealLeft) {
            frame.moves[at(frame.count++)] = {};
        }
        std::array<int, LineRemovalDeal::kMaxCards> line{};
        const int length = lineNow(line);
        for (int j = length - 2; j >= 1; --j) {
            const int before = card(line[at(j - 1)]);
            if (!m_deal.choosable[at(card(line[at(j)]))]) {
                continue;
            }
            if (m_deal.matches[at(before)][at(card(line[at(j + 1)]))]) {
                frame.moves[at(frame.count++)] = {static_cast<std::int8_t>(j), false};
            }
            if (j + 2 < length && m_deal.choosable[at(card(line[at(j + 1)]))] &&
                m_deal.matches[at(before)][at(card(line[at(j + 2)]))]) {
                frame.moves[at(frame.count++)] = {static_cast<std::int8_t>(j), true};
            }
        }
        if (order != 1 && dealLeft) {
            frame.moves[at(frame.count++)] = {};
        }
        if (order > 1) {
            std::shuffle(frame.moves.begin(), frame.moves.begin() + frame.count, shuffle);
        }
    }

    // Applies `move`; returns the cards it took away.
    std::uint64_t apply(const LineRemovalMove& move) {
        if (move.isDeal()) {
            ++m_reach;
            return 0;
        }
        std::array<int, LineRemovalDeal::kMaxCards> line{};
        lineNow(line);
        std::uint64_t gone = std::uint64_t{1} << line[at(move.place)];
        if (move.two) {
            gone |= std::uint64_t{1} << line[at(move.place + 1)];
        }
        m_gone |= gone;
        return gone;
    }

    void takeBack(const LineRemovalMove& move, std::uint64_t gone) {
        if (move.isDeal()) {
            --m_reach;
            return;
        }
        m_gone &= ~gone;
    }

private:
    const LineRemovalDeal& m_deal;
    const std::atomic<bool>* m_stop;
    const int m_cards;
    std::uint64_t m_gone = 0;
    int m_reach = 0;
    std::vector<Frame> m_frames;
    BasicKeySet<std::uint64_t> m_seen;
    long m_searched = 0;
};

} // namespace

LineRemovalSearchResult searchLineRemovalDeal(const LineRemovalDeal& deal, long positions,
                                              const std::atomic<bool>* stop) {
    LineRemovalSearch search(deal, stop);
    return search.run(positions);
}

} // namespace vellomir::engine
