#include "engine/solver/compact_pairing.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
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

using catalogue::FanStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

constexpr int kKeyBits = 63;          // the key's fields at most, below its mark
constexpr int kStopCheckEvery = 1024; // positions between two reads of the stop flag
// Turnovers a probe of the stock watches for before it takes the waste to
// turn over without end.
constexpr int kEndlessAfter = 6;
// Many deals end in a few hundred positions (Nestor's): the set of keys
// starts small and grows as it fills.
constexpr std::size_t kFirstKeySlots = 256;
constexpr int kRanks = 13;

using Cards = std::vector<int>;
using table::PileKind;

std::string textOf(const std::vector<int>& cards) {
    std::string text;
    for (const int card : cards) {
        text += table::cardText(card);
    }
    return text;
}

// The stock and the waste as the model holds them: the cards in the order
// the clicks turn them, those gone, and the split (the cards before it are
// on the waste).
struct StockModel {
    std::vector<int> order;
    std::uint32_t gone = 0;
    int split = 0;
    int turns = 0;

    bool left(int i) const { return (gone >> i & 1U) == 0; }
    int firstLeftFrom(int i) const {
        while (i < static_cast<int>(order.size()) && !left(i)) {
            ++i;
        }
        return i;
    }
    // The stock's pile string from its bottom, and the waste's.
    std::string stockPile() const {
        std::vector<int> cards;
        for (int i = static_cast<int>(order.size()) - 1; i >= split; --i) {
            if (left(i)) {
                cards.push_back(order[static_cast<std::size_t>(i)]);
            }
        }
        return textOf(cards);
    }
    std::string wastePile() const {
        std::vector<int> cards;
        for (int i = 0; i < split; ++i) {
            if (left(i)) {
                cards.push_back(order[static_cast<std::size_t>(i)]);
            }
        }
        return textOf(cards);
    }
    // A click: the next card turned, or the waste turned over (and the
    // next card turned too where the game does). False when it does nothing.
    bool click(int turnovers, bool turnoverDeals) {
        const int next = firstLeftFrom(split);
        if (next < static_cast<int>(order.size())) {
            split = next + 1;
            return true;
        }
        const bool waste = firstLeftFrom(0) < split;
        if (!waste || (turnovers != PairingDeal::kEndlessTurnovers && turns >= turnovers)) {
            return false;
        }
        ++turns;
        split = turnoverDeals ? firstLeftFrom(0) + 1 : 0;
        return true;
    }
};

// Clicks on the stock of a copy of `table` through the pointer input until
// a click does nothing or the waste has turned over kEndlessAfter times,
// each compared with the model's click. The turnovers seen, or nothing
// when the engine and the model part.
std::optional<int> probeStock(table::ProgramState table, const seam::Frontend& geometry,
                              StockModel model, bool turnoverDeals) {
    QuietFrontend frontend(geometry);
    PlayEngine engine(table, frontend);
    engine.setRecording(false);
    std::string problem;
    if (autoplayActive(table) &&
        !runPointerCommand(engine, {PointerCommand::Verb::Autoplay, {}, {}}, problem)) {
        return std::nullopt;
    }
    const int most = (kEndlessAfter + 1) * (static_cast<int>(model.order.size()) + 1);
    for (int click = 0; click < most; ++click) {
        const std::string stockBefore = table.piles.stock(table::kStock);
        const std::string wasteBefore = table.piles.stock(table::kWaste);
        runGesture(engine, {PointerCommand::Verb::Click, "Mazzo", {}});
        const bool changed = table.piles.stock(table::kStock) != stockBefore ||
                             table.piles.stock(table::kWaste) != wasteBefore;
        StockModel next = model;
        const bool modelMoves = next.click(PairingDeal::kEndlessTurnovers, turnoverDeals);
        if (!changed) {
            // Nothing left to turn, or a turnover the game no longer allows.
            if (!modelMoves || next.turns > model.turns) {
                return model.turns;
            }
            return std::nullopt;
        }
        model = next;
        if (!modelMoves || table.piles.stock(table::kStock) != model.stockPile() ||
            table.piles.stock(table::kWaste) != model.wastePile()) {
            return std::nullopt;
        }
        if (model.turns >= kEndlessAfter) {
            return model.turns;
        }
    }
    return std::nullopt;
}

const char* stockName() {
    return "Mazzo";
}

} // namespace

bool layOutPairingKeys(PairingDeal& deal) {
    const int places = static_cast<int>(deal.places.size());
    const int stock = static_cast<int>(deal.stock.size());
    if (places > PairingDeal::kMaxPlaces || stock > PairingDeal::kMaxStock) {
        return false;
    }
    deal.stockShift = places;
    deal.splitShift = places + stock;
    deal.turnoverShift = deal.splitShift + std::bit_width(static_cast<unsigned>(stock));
    deal.keyBits =
        deal.turnoverShift + (deal.turnovers == PairingDeal::kEndlessTurnovers
                                  ? 0
                                  : std::bit_width(static_cast<unsigned>(deal.turnovers)));
    return deal.keyBits <= kKeyBits;
}

std::optional<PairingDeal> pairingDealFor(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    const SelectionRule* rule = selectionRuleOf(dealt);
    const GameType type = gameTypeOf(p);
    const bool pairsOfTops = type == GameType::Pyramid || type == GameType::FourteenOut ||
                             type == GameType::RankPairsWithWaste ||
                             type == GameType::RankPairsWithWasteToo;
    if (!pairsOfTops || rule == nullptr || counts.reserves != 0 || counts.tableaus < 1 ||
        p[catalogue::param::CardCount] >= PairingDeal::kCodes ||
        !dealt.piles.foundation(0).empty()) {
        return std::nullopt;
    }
    PairingDeal deal;
    // The engine's removal leaves a gap in a row of cards side by side.
    deal.leavesGaps =
        p[catalogue::param::TableauFanStyle] == catalogue::codeOf(FanStyle::SideBySide);
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int card = table::cardAt(pile, i);
            if (card == 0) {
                continue; // a gap: the card is gone
            }
            if (!dealt.cards.isFaceUp(card)) {
                return std::nullopt;
            }
            deal.places.push_back({static_cast<std::uint8_t>(card), static_cast<std::uint8_t>(t),
                                   static_cast<std::uint8_t>(i)});
        }
    }
    if (deal.places.size() > PairingDeal::kMaxPlaces) {
        return std::nullopt;
    }
    // The stock and the waste in the order the clicks turn them: the waste
    // from its bottom, then the stock from its top.
    StockModel model;
    const std::string& waste = dealt.piles.stock(table::kWaste);
    const std::string& stock = dealt.piles.stock(table::kStock);
    for (int i = 0; i < table::cardCount(waste); ++i) {
        model.order.push_back(table::cardAt(waste, i));
    }
    model.split = static_cast<int>(model.order.size());
    for (int i = table::cardCount(stock) - 1; i >= 0; --i) {
        model.order.push_back(table::cardAt(stock, i));
    }
    if (model.order.size() > PairingDeal::kMaxStock ||
        std::ranges::find(model.order, 0) != model.order.end()) {
        return std::nullopt;
    }
    for (const int card : model.order) {
        deal.stock.push_back(static_cast<std::uint8_t>(card));
    }

    // Which places lie over which: a place is free with all others gone,
    // and not with one that lies over it.
    QuietFrontend frontend(geometry);
    table::ProgramState probe = dealt;
    // The tableaus holding just the places of `present`: a gap where a card
    // is gone, or the cards above it closed up.
    auto lay = [&](std::uint64_t present) {
        for (int t = 0; t < counts.tableaus; ++t) {
            probe.piles.tableau(t) = dealt.piles.tableau(t);
        }
        for (std::size_t i = deal.places.size(); i-- > 0;) {
            const PairingDeal::Place& place = deal.places[i];
            if ((present >> i & 1U) != 0) {
                continue;
            }
            std::string& pile = probe.piles.tableau(place.row);
            if (deal.leavesGaps) {
                pile.replace(place.position * 3U, 3, "000");
            } else {
                pile.erase(place.position * 3U, 3);
            }
        }
    };
    auto isFree = [&](const PairingDeal::Place& place) {
        const std::string name = table::pileName({PileKind::Tableau, place.row});
        return rule->maySelect(probe, {}, {place.card, name});
    };
    for (std::size_t a = 0; a < deal.places.size(); ++a) {
        lay(std::uint64_t{1} << a);
        if (!isFree(deal.places[a])) {
            return std::nullopt;
        }
        for (std::size_t b = 0; b < deal.places.size(); ++b) {
            if (b == a) {
                continue;
            }
            lay(std::uint64_t{1} << a | std::uint64_t{1} << b);
            if (!isFree(deal.places[a])) {
                deal.coveredBy[a] |= std::uint64_t{1} << b;
            }
        }
    }
    // Free as the engine says on the table as it stands.
    probe = dealt;
    for (std::size_t a = 0; a < deal.places.size(); ++a) {
        if (isFree(deal.places[a]) != (deal.coveredBy[a] == 0)) {
            return std::nullopt;
        }
    }

    // Which cards leave alone and which in pairs; no selection of three.
    std::vector<int> cards;
    for (const PairingDeal::Place& place : deal.places) {
        cards.push_back(place.card);
    }
    cards.insert(cards.end(), model.order.begin(), model.order.end());
    deal.pairs.assign(PairingDeal::kCodes, {});
    for (const int a : cards) {
        const std::size_t ua = static_cast<std::size_t>(a);
        deal.alone[ua] = rule->judge(dealt, {a}) == SelectionVerdict::Complete;
        for (const int b : cards) {
            if (b == a) {
                continue;
            }
            const SelectionVerdict verdict = rule->judge(dealt, {a, b});
            if (verdict != rule->judge(dealt, {b, a})) {
                return std::nullopt;
            }
            deal.pairs[ua][static_cast<std::size_t>(b)] = verdict == SelectionVerdict::Complete;
        }
    }
    for (int a = 1; a <= kRanks; ++a) {
        for (int b = 1; b <= kRanks; ++b) {
            if (rule->judge(dealt, {a, b}) != SelectionVerdict::Open) {
                continue;
            }
            for (int c = 1; c <= kRanks; ++c) {
                if (rule->judge(dealt, {a, b, c}) != SelectionVerdict::Refused) {
                    return std::nullopt;
                }
            }
        }
    }
    deal.dealtSplit = model.split;
    if (!model.order.empty()) {
        const int card = model.order.front();
        const int other = deal.places.empty() ? card : deal.places.front().card;
        // The card alone on the stock, then alone on the waste.
        table::ProgramState oneCard = dealt;
        oneCard.piles.stock(table::kStock) = table::cardText(card);
        oneCard.piles.stock(table::kWaste).clear();
        deal.stockTopAlone = rule->maySelect(oneCard, {}, {card, stockName()});
        deal.stockTopPairs = rule->maySelect(oneCard, {other}, {card, stockName()});
        std::swap(oneCard.piles.stock(table::kStock), oneCard.piles.stock(table::kWaste));
        deal.wasteTopChosen =
            rule->maySelect(oneCard, {}, {card, table::pileName({PileKind::Stock, table::kWaste})});
    }

    // The stock's clicks, as dealt and with a third of its cards gone.
    if (!model.order.empty()) {
        std::optional<int> turnovers;
        for (const bool deals : {true, false}) {
            turnovers = probeStock(dealt, geometry, model, deals);
            if (turnovers) {
                deal.turnoverDeals = deals;
                break;
            }
        }
        if (!turnovers) {
            return std::nullopt;
        }
        deal.turnovers = *turnovers >= kEndlessAfter ? PairingDeal::kEndlessTurnovers : *turnovers;
        StockModel thinned = model;
        for (std::size_t i = 1; i < model.order.size(); i += 3) {
            thinned.gone |= 1U << i;
        }
        table::ProgramState fewer = dealt;
        fewer.piles.stock(table::kStock) = thinned.stockPile();
        fewer.piles.stock(table::kWaste) = thinned.wastePile();
        const std::optional<int> again = probeStock(fewer, geometry, thinned, deal.turnoverDeals);
        if (again != turnovers) {
            return std::nullopt;
        }
    }
    if (!layOutPairingKeys(deal)) {
        return std::nullopt;
    }
    return deal;
}

namespace {

// The depth-first search of a PairingDeal, in short passes in other orders
// sharing the set of positions seen, as the search of the discard games
// runs (a pass cut short takes back the positions of its line). Where the
// waste turns over without end a line may come back to a position, and a
// position on the line is not searched out: there one pass runs on the
// whole budget.
template <typename Key> class PairingSearch {
public:
    PairingSearch(const PairingDeal& deal, const std::atomic<bool>* stop, bool safeRemovals)
        : m_deal(deal), m_stop(stop), m_safeRemovals(safeRemovals) {
        const int places = static_cast<int>(deal.places.size());
        const int stock = static_cast<int>(deal.stock.size());
        m_allPlaces = places == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << places) - 1;
        m_allStock = stock == 32 ? ~0U : (1U << stock) - 1;
        m_placeOf.fill(-1);
        m_stockOf.fill(-1);
        for (int i = 0; i < places; ++i) {
            m_placeOf[deal.places[at(i)].card] = i;
        }
        for (int i = 0; i < stock; ++i) {
            m_stockOf[deal.stock[at(i)]] = i;
        }
        // The places each place lies over, near or far.
        for (int p = 0; p < places; ++p) {
            std::uint64_t above = deal.coveredBy[at(p)];
            for (bool grew = true; grew;) {
                std::uint64_t more = above;
                for (int q = 0; q < places; ++q) {
                    if ((above >> q & 1U) != 0) {
                        more |= deal.coveredBy[at(q)];
                    }
                }
                grew = more != above;
                above = more;
            }
            for (int q = 0; q < places; ++q) {
                if ((above >> q & 1U) != 0) {
                    m_under[at(q)] |= std::uint64_t{1} << p;
                }
            }
        }
        std::vector<int> cards;
        for (const auto& place : deal.places) {
            cards.push_back(place.card);
        }
        cards.insert(cards.end(), deal.stock.begin(), deal.stock.end());
        m_partners.resize(PairingDeal::kCodes);
        for (const int a : cards) {
            for (const int b : cards) {
                if (deal.pairs[at(a)][at(b)]) {
                    m_partners[at(a)].push_back(static_cast<std::uint8_t>(b));
                }
            }
        }
        m_cards = cards;
        // The groups of cards joined by pairs, by following pairs.
        m_groupOf.fill(-1);
        for (const int card : cards) {
            if (m_groupOf[at(card)] >= 0) {
                continue;
            }
            const int group = static_cast<int>(m_groups.size());
            m_groups.emplace_back();
            std::vector<int> open{card};
            m_groupOf[at(card)] = group;
            while (!open.empty()) {
                const int next = open.back();
                open.pop_back();
                m_groups.back().push_back(static_cast<std::uint8_t>(next));
                for (const int partner : m_partners[at(next)]) {
                    if (m_groupOf[at(partner)] < 0) {
                        m_groupOf[at(partner)] = group;
                        open.push_back(partner);
                    }
                }
            }
        }
    }

    PairingSearchResult run(long positions) {
        PairingSearchResult result;
        Position start{};
        start.split = splitOfDeal();
        applySafe(start, nullptr);
        if (won(start)) {
            result.outcome = PairingSearchResult::Outcome::Won;
            Position again{};
            again.split = splitOfDeal();
            applySafe(again, &result.line);
            return result;
        }
        const bool stranding =
            std::ranges::any_of(m_cards, [&](int card) { return strandsAfter(start, card); });
        // With endless turnovers one pass takes all the positions: the
        // positions it has seen stay seen, so a second pass would find none.
        const bool endless = m_deal.turnovers == PairingDeal::kEndlessTurnovers;
        const PassesEnd end = stranding
                                  ? PassesEnd::Lost
                                  : runPasses(
                                        positions, endless ? positions : kPassPositions,
                                        [&](int order, long budget) {
                                            return pass(start, order, budget, result.line);
                                        },
                                        [&] { return m_searched; }, [&] { return stopped(); });
        recordSearchEnd(end, m_searched,
                        m_seen.bytes() + m_frames.capacity() * sizeof(Frame) +
                            m_moves.capacity() * sizeof(PairingMove),
                        result);
        return result;
    }

    // The split of the deal as given: every card before it on the waste.
    void setDealtSplit(int split) { m_dealtSplit = split; }

private:
    static constexpr long kPassPositions = 4000;
    static constexpr int kMostInGroup = 12;
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    struct Position {
        std::uint64_t gone = 0;      // places
        std::uint32_t stockGone = 0; // stock cards
        int split = 0;
        int turns = 0;
    };

    // A position on the line being searched; its moves lie in m_moves from
    // `first`, those of the positions after it above them.
    struct Frame {
        Position position;
        std::uint32_t first = 0;
        std::uint32_t count = 0;
        std::uint32_t next = 0;
        PairingMove move; // the move that led here
        Key key = 0;
    };

    int splitOfDeal() const { return m_dealtSplit; }

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    bool won(const Position& pos) const {
        return pos.gone == m_allPlaces && pos.stockGone == m_allStock;
    }

    Key keyOf(const Position& pos) const {
        std::uint64_t key = std::uint64_t{1} << m_deal.keyBits;
        key |= pos.gone;
        key |= static_cast<std::uint64_t>(pos.stockGone) << m_deal.stockShift;
        key |= static_cast<std::uint64_t>(pos.split) << m_deal.splitShift;
        if (m_deal.turnovers != PairingDeal::kEndlessTurnovers) {
            key |= static_cast<std::uint64_t>(pos.turns) << m_deal.turnoverShift;
        }
        return static_cast<Key>(key);
    }

    bool placeFree(const Position& pos, int p) const {
        return (pos.gone >> p & 1U) == 0 && (m_deal.coveredBy[at(p)] & ~pos.gone) == 0;
    }

    // The waste's top card's index in the stock's order, or -1.
    int wasteTop(const Position& pos) const {
        const std::uint32_t below =
            ~pos.stockGone & m_allStock & ((pos.split >= 32 ? 0 : 1U << pos.split) - 1);
        return below == 0 ? -1 : std::bit_width(below) - 1;
    }
    int stockTop(const Position& pos) const {
        const std::uint32_t from = pos.split >= 32 ? 0 : (~pos.stockGone & m_allStock) >> pos.split;
        return from == 0 ? -1 : pos.split + std::countr_zero(from);
    }
    // The split just past the waste's top card.
    void normalise(Position& pos) const { pos.split = wasteTop(pos) + 1; }

    // Whether a card is still on the table, in the stock or on the waste.
    bool left(const Position& pos, int card) const {
        const int place = m_placeOf[at(card)];
        if (place >= 0) {
            return (pos.gone >> place & 1U) == 0;
        }
        const int i = m_stockOf[at(card)];
        return i >= 0 && (pos.stockGone >> i & 1U) == 0;
    }

    // Whether the waste will not be turned over again.
    bool lastPass(const Position& pos) const {
        return m_deal.turnovers != PairingDeal::kEndlessTurnovers && pos.turns >= m_deal.turnovers;
    }

    // Whether two cards left may ever be chosen together: not where one
    // lies under the other in a tableau, nor, in the last pass, where both
    // lie on the waste (a pile then, whose cards leave from the top).
    bool mayMeet(const Position& pos, int a, int b) const {
        const int pa = m_placeOf[at(a)];
        const int pb = m_placeOf[at(b)];
        if (pa >= 0 && pb >= 0) {
            return (m_under[at(pa)] >> pb & 1U) == 0 && (m_under[at(pb)] >> pa & 1U) == 0;
        }
        if (pa < 0 && pb < 0 && lastPass(pos)) {
            return m_stockOf[at(a)] >= pos.split || m_stockOf[at(b)] >= pos.split;
        }
        return true;
    }

    // Whether the cards left of a group can all leave: each alone where it
    // may, the others in pairs that may meet, no card in two pairs. Where
    // the group is too large to try every way, it is taken to.
    bool groupCanLeave(const Position& pos, int group) const {
        std::array<int, kMostInGroup> cards{};
        int n = 0;
        for (const int card : m_groups[at(group)]) {
            if (left(pos, card)) {
                if (n == kMostInGroup) {
                    return true;
                }
                cards[at(n++)] = card;
            }
        }
        std::array<std::uint32_t, kMostInGroup> meets{};
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j) {
                const int a = cards[at(i)];
                const int b = cards[at(j)];
                if (m_deal.pairs[at(a)][at(b)] && mayMeet(pos, a, b)) {
                    meets[at(i)] |= 1U << j;
                    meets[at(j)] |= 1U << i;
                }
            }
        }
        auto pairUp = [&](auto& self, std::uint32_t rest) -> bool {
            if (rest == 0) {
                return true;
            }
            const int i = std::countr_zero(rest);
            const std::uint32_t others = rest & ~(1U << i);
            if (m_deal.alone[at(cards[at(i)])] && self(self, others)) {
                return true;
            }
            for (std::uint32_t with = meets[at(i)] & others; with != 0; with &= with - 1) {
                if (self(self, others & ~(1U << std::countr_zero(with)))) {
                    return true;
                }
            }
            return false;
        };
        return pairUp(pairUp, n == 32 ? ~0U : (1U << n) - 1);
    }

    // Whether a position with the waste turned over fewer times, and
    // otherwise the same, was seen: it can do all this one can.
    bool fewerTurnsSeen(const Position& pos) const {
        if (m_deal.turnovers == PairingDeal::kEndlessTurnovers) {
            return false;
        }
        Position fewer = pos;
        for (fewer.turns = 0; fewer.turns < pos.turns; ++fewer.turns) {
            if (m_seen.contains(keyOf(fewer))) {
                return true;
            }
        }
        return false;
    }

    bool strandsAfter(const Position& pos, int gone) const {
        return !groupCanLeave(pos, m_groupOf[at(gone)]);
    }

    void removeCard(Position& pos, std::int8_t ref) const {
        if (ref == PairingMove::kWasteTop) {
            pos.stockGone |= 1U << wasteTop(pos);
        } else if (ref == PairingMove::kStockTop) {
            pos.stockGone |= 1U << stockTop(pos);
        } else {
            pos.gone |= std::uint64_t{1} << ref;
        }
    }

    int cardOf(const Position& pos, std::int8_t ref) const {
        if (ref == PairingMove::kWasteTop) {
            return m_deal.stock[at(wasteTop(pos))];
        }
        if (ref == PairingMove::kStockTop) {
            return m_deal.stock[at(stockTop(pos))];
        }
        return m_deal.places[at(ref)].card;
    }

    // The position after a move, before the removals made at once; false
    // for a click that does nothing.
    bool apply(Position& pos, const PairingMove& move) const {
        if (move.first == PairingMove::kStockClick) {
            const int top = stockTop(pos);
            if (top >= 0) {
                pos.split = top + 1;
                return true;
            }
            if (wasteTop(pos) < 0 || (m_deal.turnovers != PairingDeal::kEndlessTurnovers &&
                                      pos.turns >= m_deal.turnovers)) {
                return false;
            }
            ++pos.turns;
            pos.split = 0;
            if (m_deal.turnoverDeals) {
                pos.split = stockTop(pos) + 1;
            }
            return true;
        }
        // Both cards named before either leaves: the waste's top changes.
        const int second = move.second;
        if (second == PairingMove::kWasteTop && move.first == PairingMove::kStockTop) {
            const int w = wasteTop(pos);
            removeCard(pos, move.first);
            pos.stockGone |= 1U << w;
        } else if (second == PairingMove::kStockTop && move.first == PairingMove::kWasteTop) {
            const int s = stockTop(pos);
            removeCard(pos, move.first);
            pos.stockGone |= 1U << s;
        } else {
            removeCard(pos, move.first);
            if (second != PairingMove::kNone) {
                removeCard(pos, static_cast<std::int8_t>(second));
            }
        }
        normalise(pos);
        return true;
    }

    // Whether a card can only leave alone, or only with `with`.
    bool onlyWith(const Position& pos, int card, int with) const {
        return std::ranges::none_of(m_partners[at(card)], [&](int partner) {
            return partner != with && left(pos, partner);
        });
    }

    // The removals that can never hurt, made until none is left; each is
    // added to `line` when given.
    void applySafe(Position& pos, std::vector<PairingMove>* line) const {
        if (!m_safeRemovals) {
            return;
        }
        const int places = static_cast<int>(m_deal.places.size());
        std::array<std::int8_t, PairingDeal::kMaxPlaces> free{};
        for (bool again = true; again;) {
            again = false;
            // The waste's top card, where it can only leave alone: the card
            // below it shows instead, and the stock turns as before.
            if (const int w = wasteTop(pos); w >= 0 && m_deal.wasteTopChosen) {
                const int card = m_deal.stock[at(w)];
                if (m_deal.alone[at(card)] && onlyWith(pos, card, 0)) {
                    pos.stockGone |= 1U << w;
                    normalise(pos);
                    again = true;
                    if (line != nullptr) {
                        line->push_back({PairingMove::kWasteTop, PairingMove::kNone});
                    }
                    continue;
                }
            }
            int n = 0;
            for (int p = 0; p < places; ++p) {
                if (placeFree(pos, p)) {
                    free[at(n++)] = static_cast<std::int8_t>(p);
                }
            }
            for (int i = 0; i < n && !again; ++i) {
                const int p = free[at(i)];
                const int card = m_deal.places[at(p)].card;
                if (m_deal.alone[at(card)]) {
                    if (onlyWith(pos, card, 0)) {
                        pos.gone |= std::uint64_t{1} << p;
                        again = true;
                        if (line != nullptr) {
                            line->push_back({static_cast<std::int8_t>(p), PairingMove::kNone});
                        }
                    }
                    continue;
                }
                for (int j = i + 1; j < n; ++j) {
                    const int q = free[at(j)];
                    const int other = m_deal.places[at(q)].card;
                    if (m_deal.pairs[at(card)][at(other)] && !m_deal.alone[at(other)] &&
                        onlyWith(pos, card, other) && onlyWith(pos, other, card)) {
                        pos.gone |= std::uint64_t{1} << p | std::uint64_t{1} << q;
                        again = true;
                        if (line != nullptr) {
                            line->push_back(
                                {static_cast<std::int8_t>(p), static_cast<std::int8_t>(q)});
                        }
                        break;
                    }
                }
            }
        }
    }

    void movesHere(Frame& frame, int order, std::mt19937& shuffle) {
        const Position& pos = frame.position;
        frame.first = static_cast<std::uint32_t>(m_moves.size());
        frame.count = 0;
        frame.next = 0;
        std::array<std::int8_t, PairingDeal::kMaxPlaces + 2> refs{};
        std::array<int, PairingDeal::kMaxPlaces + 2> cards{};
        int n = 0;
        const int places = static_cast<int>(m_deal.places.size());
        // The lower rows first: they free the most.
        for (int p = places - 1; p >= 0; --p) {
            if (placeFree(pos, p)) {
                refs[at(n)] = static_cast<std::int8_t>(p);
                cards[at(n++)] = m_deal.places[at(p)].card;
            }
        }
        const int pyramidCards = n;
        if (const int w = wasteTop(pos); w >= 0 && m_deal.wasteTopChosen) {
            refs[at(n)] = PairingMove::kWasteTop;
            cards[at(n++)] = m_deal.stock[at(w)];
        }
        if (const int s = stockTop(pos); s >= 0 && m_deal.stockTopPairs) {
            refs[at(n)] = PairingMove::kStockTop;
            cards[at(n++)] = m_deal.stock[at(s)];
        }
        auto add = [&](std::int8_t a, std::int8_t b) {
            m_moves.push_back({a, b});
            ++frame.count;
        };
        // Two cards of the pyramid, then one with the waste or the stock,
        // then the waste's with the stock's; cards alone among them.
        for (int band = 0; band < 3; ++band) {
            for (int i = 0; i < n; ++i) {
                const bool inPyramid = i < pyramidCards;
                if (band == (inPyramid ? 0 : 2) && m_deal.alone[at(cards[at(i)])] &&
                    (refs[at(i)] != PairingMove::kStockTop || m_deal.stockTopAlone)) {
                    add(refs[at(i)], PairingMove::kNone);
                }
                for (int j = i + 1; j < n; ++j) {
                    const int inBand = (inPyramid ? 0 : 1) + (j < pyramidCards ? 0 : 1);
                    if (inBand == band && m_deal.pairs[at(cards[at(i)])][at(cards[at(j)])]) {
                        add(refs[at(i)], refs[at(j)]);
                    }
                }
            }
        }
        const auto first = m_moves.begin() + frame.first;
        if (order > 0) {
            std::shuffle(first, first + frame.count, shuffle);
        }
        add(PairingMove::kStockClick, PairingMove::kNone);
    }

    PassEnd pass(const Position& start, int order, long budget, std::vector<PairingMove>& line) {
        std::mt19937 shuffle(static_cast<std::uint32_t>(order));
        m_frames.clear();
        m_moves.clear();
        m_frames.emplace_back();
        m_frames.back().position = start;
        m_frames.back().key = keyOf(start);
        m_seen.insert(m_frames.back().key);
        movesHere(m_frames.back(), order, shuffle);
        long spent = 0;
        while (!m_frames.empty()) {
            Frame& frame = m_frames.back();
            if (frame.next == frame.count) {
                m_moves.resize(frame.first);
                m_frames.pop_back();
                continue;
            }
            const PairingMove move = m_moves[frame.first + frame.next++];
            Position pos = frame.position;
            if (!apply(pos, move)) {
                continue;
            }
            applySafe(pos, nullptr);
            const Key key = keyOf(pos);
            if (fewerTurnsSeen(pos) || !m_seen.insert(key)) {
                continue;
            }
            ++m_searched;
            ++spent;
            if (won(pos)) {
                lineTo(move, line);
                return PassEnd::Won;
            }
            if (spent >= budget || (spent % kStopCheckEvery == 0 && stopped())) {
                if (m_deal.turnovers != PairingDeal::kEndlessTurnovers) {
                    m_seen.erase(key);
                    for (const Frame& open : m_frames) {
                        m_seen.erase(open.key);
                    }
                }
                return PassEnd::CutShort;
            }
            Frame next;
            next.position = pos;
            next.move = move;
            next.key = key;
            next.first = static_cast<std::uint32_t>(m_moves.size());
            bool stranded = false;
            const Position& before = frame.position;
            if (move.first != PairingMove::kStockClick) {
                stranded = strandsAfter(pos, cardOf(before, move.first)) ||
                           (move.second != PairingMove::kNone &&
                            strandsAfter(pos, cardOf(before, move.second)));
            } else if (lastPass(pos) && pos.split > 0) {
                // The card the click laid on the waste.
                stranded = strandsAfter(pos, m_deal.stock[at(pos.split - 1)]);
            }
            if (!stranded) {
                movesHere(next, order, shuffle);
            }
            m_frames.push_back(next);
        }
        return PassEnd::SearchedOut;
    }

    // The line of the frames and the last move, every removal made at once
    // among them its own step.
    void lineTo(const PairingMove& last, std::vector<PairingMove>& line) const {
        Position pos{};
        pos.split = splitOfDeal();
        applySafe(pos, &line);
        auto step = [&](const PairingMove& move) {
            line.push_back(move);
            apply(pos, move);
            applySafe(pos, &line);
        };
        for (std::size_t i = 1; i < m_frames.size(); ++i) {
            step(m_frames[i].move);
        }
        step(last);
    }

    const PairingDeal& m_deal;
    const std::atomic<bool>* m_stop;
    bool m_safeRemovals;
    int m_dealtSplit = 0;
    std::uint64_t m_allPlaces = 0;
    std::uint32_t m_allStock = 0;
    std::array<int, PairingDeal::kCodes> m_placeOf{};
    std::array<int, PairingDeal::kCodes> m_stockOf{};
    std::array<std::uint64_t, PairingDeal::kMaxPlaces> m_under{};
    std::vector<std::vector<std::uint8_t>> m_partners;
    std::vector<int> m_cards;
    // The groups of cards joined by pairs, and each card's.
    std::vector<std::vector<std::uint8_t>> m_groups;
    std::array<int, PairingDeal::kCodes> m_groupOf{};

    BasicKeySet<Key> m_seen{kFirstKeySlots};
    std::vector<Frame> m_frames;
    long m_searched = 0;
    std::vector<PairingMove> m_moves;
};

template <typename Key>
PairingSearchResult runSearch(const PairingDeal& deal, long positions,
                              const std::atomic<bool>* stop, bool safeRemovals) {
    PairingSearch<Key> search(deal, stop, safeRemovals);
    search.setDealtSplit(deal.dealtSplit);
    return search.run(positions);
}

} // namespace

PairingSearchResult searchPairingDeal(const PairingDeal& deal, long positions,
                                      const std::atomic<bool>* stop, bool safeRemovals) {
    if (deal.keyBits + 1 <= 32) {
        return runSearch<std::uint32_t>(deal, positions, stop, safeRemovals);
    }
    return runSearch<std::uint64_t>(deal, positions, stop, safeRemovals);
}

} // namespace vellomir::engine
