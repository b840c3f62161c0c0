#include "engine/solver/compact_reserve_waste.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/drop_rules.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/card_move.h"
#include "engine/solver/key_set.h"
#include "engine/solver/waste_pile_probes.h"
#include "table/card.h"
#include "table/pack_suits.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {

using table::PileKind;
using table::PileRef;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

const PileRef kWastePile{PileKind::Stock, table::kWaste};
const PileRef kStockPile{PileKind::Stock, table::kStock};

std::string textOf(const std::uint8_t* first, const std::uint8_t* last) {
    std::string text;
    for (const std::uint8_t* card = first; card != last; ++card) {
        text += table::cardText(*card);
    }
    return text;
}

// The cards foundation `f` takes as it is built, asked of the engine from
// the waste and from a reserve on a bare copy, its pile built card by card:
// each answer must be every card of one face not yet used, and the faces
// one suit, one rank apart, the same way. Sets the foundation's suit, next
// rank and way in `deal` and counts each face it takes in `wanted`.
bool readFoundation(const table::ProgramState& dealt, const table::ProgramState& bare,
                    QuietFrontend& frontend, int f, int cards, std::vector<bool>& used,
                    std::array<int, 128>& wanted, ReserveWasteDeal& deal) {
    table::ProgramState probe = bare;
    const std::string& pile = dealt.piles.foundation(f);
    if (pile.empty()) {
        return false;
    }
    probe.piles.foundation(f) = pile;
    const PileRef to{PileKind::Foundation, f};
    const PileRef reserve{PileKind::Reserve, 0};
    int top = table::topCardOf(pile);
    deal.suit[at(f)] = static_cast<std::uint8_t>(deal.suitOf[at(top)]);
    int step = 0;
    while (true) {
        int face = -1;
        int first = 0;
        int taken = 0;
        for (int card = 1; card <= cards; ++card) {
            if (used[at(card)]) {
                continue;
            }
            const std::optional<bool> takes =
                takesFromWasteAndPile(probe, frontend, destinationAccepts, card, to, reserve);
            if (!takes) {
                return false;
            }
            if (!*takes) {
                continue;
            }
            if (face < 0) {
                face = deal.faceOf[at(card)];
                first = card;
            } else if (deal.faceOf[at(card)] != face) {
                return false;
            }
            ++taken;
        }
        if (face < 0) {
            break;
        }
        // Every card of the face not used must be taken.
        for (int card = 1; card <= cards; ++card) {
            taken -= !used[at(card)] && deal.faceOf[at(card)] == face ? 1 : 0;
        }
        const int rankStep = deal.rankOf[at(first)] - deal.rankOf[at(top)];
        if (taken != 0 || deal.suitOf[at(first)] != deal.suit[at(f)] ||
            (rankStep != 1 && rankStep != -1) || (step != 0 && rankStep != step)) {
            return false;
        }
        if (step == 0) {
            deal.next[at(f)] = deal.rankOf[at(first)];
        }
        step = rankStep;
        deal.last[at(f)] = deal.rankOf[at(first)];
        ++wanted[at(face)];
        used[at(first)] = true;
        probe.piles.foundation(f) += table::cardText(first);
        top = first;
    }
    deal.step[at(f)] = static_cast<std::int8_t>(step == 0 ? 1 : step);
    return true;
}

// Whether the waste takes from a reserve just the cards of its top card's
// suit one rank off it, king and ace next to each other, and nothing when
// empty; and whether the reserves take no card at all.
bool readWasteAndReserves(const table::ProgramState& bare, QuietFrontend& frontend,
                          const ReserveWasteDeal& deal, int cards) {
    table::ProgramState probe = bare;
    const PileRef reserve{PileKind::Reserve, 0};
    const PileRef other{PileKind::Reserve, deal.reserves > 1 ? 1 : 0};
    for (int card = 1; card <= cards; ++card) {
        probe.piles.reserve(0) = table::cardText(card);
        if (destinationAccepts(probe, frontend, {card, 1, reserve, kWastePile})) {
            return false; // onto the empty waste
        }
        for (int top = 1; top <= cards; ++top) {
            if (top == card) {
                continue;
            }
            probe.piles.stock(table::kWaste) = table::cardText(top);
            const int a = deal.rankOf[at(top)];
            const int b = deal.rankOf[at(card)];
            const bool oneOff = std::abs(a - b) == 1 || (a == 1 && b == 13) || (a == 13 && b == 1);
            const bool model = deal.suitOf[at(top)] == deal.suitOf[at(card)] && oneOff;
            if (destinationAccepts(probe, frontend, {card, 1, reserve, kWastePile}) != model) {
                return false;
            }
        }
        probe.piles.stock(table::kWaste).clear();
        probe.piles.reserve(0).clear();
        // Onto a reserve, empty or not, from the waste or another reserve.
        for (const bool covered : {false, true}) {
            probe.piles.reserve(0) = covered ? table::cardText(card % cards + 1) : std::string();
            probe.piles.stock(table::kWaste) = table::cardText(card);
            const bool fromWaste =
                destinationAccepts(probe, frontend, {card, 1, kWastePile, reserve});
            probe.piles.stock(table::kWaste).clear();
            bool fromReserve = false;
            if (other.index != 0) {
                probe.piles.pile(other) = table::cardText(card);
                fromReserve = destinationAccepts(probe, frontend, {card, 1, other, reserve});
                probe.piles.pile(other).clear();
            }
            if (fromWaste || fromReserve) {
                return false;
            }
        }
        probe.piles.reserve(0).clear();
    }
    return true;
}

// Clicks on the stock of a copy of the table through the pointer input,
// with Autoplay off, until a click changes nothing: each must turn the
// next card of the talon onto the waste, or, with the stock empty, turn the
// waste back and its first card over again, and change nothing else. Sets
// the turn-backs the game allows.
bool readStock(table::ProgramState table, const seam::Frontend& geometry, ReserveWasteDeal& deal) {
    QuietFrontend frontend(geometry);
    PlayEngine engine(table, frontend);
    engine.setRecording(false);
    if (autoplayActive(table) && !runGesture(engine, {PointerCommand::Verb::Autoplay, {}, {}})) {
        return false;
    }
    const PointerCommand click{PointerCommand::Verb::Click, table::pileName(kStockPile), {}};
    const int size = static_cast<int>(deal.talon.size());
    int onWaste = deal.onWaste;
    deal.turnBacks = 0;
    // More clicks than three score passes mean the stock never stops.
    for (int clicks = 0; clicks <= 40 * (size + 1); ++clicks) {
        const table::PileLists before = table.piles;
        runGesture(engine, click);
        if (table.piles == before) {
            return true;
        }
        if (onWaste < size) {
            ++onWaste;
        } else {
            onWaste = 1;
            ++deal.turnBacks;
        }
        table::PileLists expected = before;
        expected.stock(table::kWaste) = textOf(deal.talon.data(), deal.talon.data() + onWaste);
        std::string stock;
        for (int i = size; i-- > onWaste;) {
            stock += table::cardText(deal.talon[at(i)]);
        }
        expected.stock(table::kStock) = stock;
        if (!(table.piles == expected) ||
            !table.cards.isFaceUp(table::topCardOf(table.piles.stock(table::kWaste)))) {
            return false;
        }
    }
    return false;
}

} // namespace

std::optional<ReserveWasteDeal> reserveWasteDealFor(const table::ProgramState& dealt,
                                                    const seam::Frontend& geometry) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    const int cards = p[param::CardCount];
    if (!catalogue::isGeneralGame(p) || counts.tableaus != 0 || counts.reserves < 1 ||
        counts.reserves > ReserveWasteDeal::kMaxReserves || counts.foundations < 1 ||
        counts.foundations > ReserveWasteDeal::kMaxFoundations || cards < 2 || cards > 127 ||
        p[param::JokerCount] != 0 || p[param::CardsPerStockClick] != 1 ||
        p[param::WasteDropRule] != catalogue::codeOf(catalogue::WasteDropRule::OneRankOffInSuit) ||
        p[param::FoundationTakeBack] !=
            catalogue::codeOf(catalogue::FoundationTakeBack::FoundationKeepsCards) ||
        !dealt.piles.stock(table::kDiscard).empty()) {
        return std::nullopt;
    }
    ReserveWasteDeal deal;
    deal.reserves = counts.reserves;
    deal.foundations = counts.foundations;
    for (int card = 1; card <= cards; ++card) {
        const int suit = table::suitInPlay(p, card);
        const int rank = table::rankOf(card);
        if (suit < 0 || rank < 1 || rank > 13) {
            return std::nullopt;
        }
        deal.suitOf[at(card)] = static_cast<std::uint8_t>(suit);
        deal.rankOf[at(card)] = static_cast<std::uint8_t>(rank);
        deal.faceOf[at(card)] = static_cast<std::uint8_t>(suit * 13 + rank);
    }
    // The cards in play, each face counted.
    std::array<int, 128> inPlay{};
    for (int r = 0; r < counts.reserves; ++r) {
        deal.reservePiles.push_back(table::cardCodes(dealt.piles.reserve(r)));
        if (deal.reservePiles.back().size() > ReserveWasteDeal::kMaxReserveCards) {
            return std::nullopt;
        }
        for (const int card : deal.reservePiles.back()) {
            if (card < 1 || card > cards || !dealt.cards.isFaceUp(card)) {
                return std::nullopt;
            }
            ++inPlay[deal.faceOf[at(card)]];
        }
    }
    deal.talon = table::cardCodes(dealt.piles.stock(table::kWaste));
    deal.onWaste = static_cast<int>(deal.talon.size());
    const std::vector<std::uint8_t> stock = table::cardCodes(dealt.piles.stock(table::kStock));
    deal.talon.insert(deal.talon.end(), stock.rbegin(), stock.rend());
    if (deal.talon.size() > ReserveWasteDeal::kMaxTalon) {
        return std::nullopt;
    }
    for (const int card : deal.talon) {
        if (card < 1 || card > cards) {
            return std::nullopt;
        }
        ++inPlay[deal.faceOf[at(card)]];
    }
    std::vector<bool> used(at(cards + 1), false);
    for (int f = 0; f < counts.foundations; ++f) {
        for (const int card : table::cardCodes(dealt.piles.foundation(f))) {
            if (card < 1 || card > cards) {
                return std::nullopt;
            }
            used[at(card)] = true;
        }
    }
    QuietFrontend frontend(geometry);
    const table::ProgramState bare = bareTable(dealt, cards);
    std::array<int, 128> wanted{};
    for (int f = 0; f < counts.foundations; ++f) {
        if (!readFoundation(dealt, bare, frontend, f, cards, used, wanted, deal)) {
            return std::nullopt;
        }
    }
    // The foundations take every card in play, and no other.
    if (wanted != inPlay || !readWasteAndReserves(bare, frontend, deal, cards) ||
        !readStock(dealt, geometry, deal)) {
        return std::nullopt;
    }
    return deal;
}

ReserveWastePosition::ReserveWastePosition(const ReserveWasteDeal& deal) : m_deal(deal) {
    m_talonSize = static_cast<int>(deal.talon.size());
    std::copy(deal.talon.begin(), deal.talon.end(), m_talon.begin());
    m_onWaste = deal.onWaste;
    m_turnBacks = deal.turnBacks;
    m_left = m_talonSize;
    for (int r = 0; r < deal.reserves; ++r) {
        m_height[at(r)] = static_cast<std::uint8_t>(deal.reservePiles[at(r)].size());
        m_left += m_height[at(r)];
    }
    m_next = deal.next;
}

int ReserveWastePosition::foundationFor(int card, int after) const {
    for (int f = after + 1; f < m_deal.foundations; ++f) {
        if (m_next[at(f)] == m_deal.rankOf[at(card)] &&
            m_deal.suit[at(f)] == m_deal.suitOf[at(card)]) {
            return f;
        }
    }
    return -1;
}

bool ReserveWastePosition::mayTake(int f, int card) const {
    const int next = m_next[at(f)];
    const int rank = m_deal.rankOf[at(card)];
    const int last = m_deal.last[at(f)];
    return next != 0 && m_deal.suit[at(f)] == m_deal.suitOf[at(card)] &&
           (m_deal.step[at(f)] > 0 ? rank >= next && rank <= last : rank <= next && rank >= last);
}

bool ReserveWastePosition::wasteTakes(int card) const {
    const int top = wasteTop();
    if (top == 0 || m_deal.suitOf[at(top)] != m_deal.suitOf[at(card)]) {
        return false;
    }
    const int a = m_deal.rankOf[at(top)];
    const int b = m_deal.rankOf[at(card)];
    return a - b == 1 || b - a == 1 || (a == 1 && b == 13) || (a == 13 && b == 1);
}

bool ReserveWastePosition::wasteTopBuried() const {
    if (m_turnBacks > 0 || m_onWaste < 2) {
        return false;
    }
    const int top = wasteTop();
    const int suit = m_deal.suitOf[at(top)];
    const int rank = m_deal.rankOf[at(top)];
    // The cards of the suit under the top card and in play, by rank.
    std::array<int, 14> under{};
    std::array<int, 14> inPlay{};
    for (int i = 0; i < m_talonSize; ++i) {
        const int card = m_talon[at(i)];
        if (m_deal.suitOf[at(card)] == suit) {
            under[m_deal.rankOf[at(card)]] += i < m_onWaste - 1 ? 1 : 0;
            ++inPlay[m_deal.rankOf[at(card)]];
        }
    }
    for (int r = 0; r < m_deal.reserves; ++r) {
        for (int i = 0; i < m_height[at(r)]; ++i) {
            const int card = m_deal.reservePiles[at(r)][at(i)];
            inPlay[m_deal.rankOf[at(card)]] += m_deal.suitOf[at(card)] == suit ? 1 : 0;
        }
    }
    for (int f = 0; f < m_deal.foundations; ++f) {
        if (!mayTake(f, top)) {
            continue;
        }
        // The ranks the foundation takes before the top card's.
        bool blocked = false;
        for (int r = m_next[at(f)]; r != rank && !blocked; r += m_deal.step[at(f)]) {
            blocked = under[at(r)] > 0 && under[at(r)] == inPlay[at(r)];
        }
        if (!blocked) {
            return false;
        }
    }
    return true;
}

void ReserveWastePosition::moves(std::vector<ReserveWasteMove>& out) const {
    out.clear();
    using Kind = ReserveWasteMove::Kind;
    for (int r = 0; r < m_deal.reserves; ++r) {
        const int card = reserveTop(r);
        if (card == 0) {
            continue;
        }
        for (int f = foundationFor(card); f >= 0; f = foundationFor(card, f)) {
            out.push_back({Kind::ReserveUp, static_cast<std::uint8_t>(r),
                           static_cast<std::uint8_t>(f), static_cast<std::uint8_t>(card)});
        }
        if (wasteTakes(card)) {
            out.push_back({Kind::ReserveToWaste, static_cast<std::uint8_t>(r), 0,
                           static_cast<std::uint8_t>(card)});
        }
    }
    if (const int card = wasteTop(); card != 0) {
        for (int f = foundationFor(card); f >= 0; f = foundationFor(card, f)) {
            out.push_back(
                {Kind::WasteUp, 0, static_cast<std::uint8_t>(f), static_cast<std::uint8_t>(card)});
        }
    }
    // The engine turns back a waste of two cards or more only.
    if (m_onWaste < m_talonSize || (m_onWaste >= 2 && m_turnBacks > 0)) {
        out.push_back({});
    }
}

int ReserveWastePosition::apply(const ReserveWasteMove& move) {
    using Kind = ReserveWasteMove::Kind;
    const auto advance = [&](int f) {
        const int next = m_next[at(f)] + m_deal.step[at(f)];
        m_next[at(f)] = static_cast<std::uint8_t>(m_next[at(f)] == m_deal.last[at(f)] ? 0 : next);
    };
    switch (move.kind) {
    case Kind::ReserveUp:
        --m_height[move.reserve];
        advance(move.foundation);
        --m_left;
        return m_next[move.foundation] == 0 ? 1 : 0;
    case Kind::WasteUp: {
        --m_onWaste;
        std::memmove(&m_talon[at(m_onWaste)], &m_talon[at(m_onWaste + 1)],
                     at(m_talonSize - m_onWaste - 1));
        --m_talonSize;
        advance(move.foundation);
        --m_left;
        return m_next[move.foundation] == 0 ? 1 : 0;
    }
    case Kind::ReserveToWaste:
        --m_height[move.reserve];
        std::memmove(&m_talon[at(m_onWaste + 1)], &m_talon[at(m_onWaste)],
                     at(m_talonSize - m_onWaste));
        m_talon[at(m_onWaste)] = move.card;
        ++m_talonSize;
        ++m_onWaste;
        return 0;
    case Kind::Click: {
        const int was = m_onWaste;
        if (m_onWaste < m_talonSize) {
            ++m_onWaste;
        } else {
            m_onWaste = 1;
            --m_turnBacks;
        }
        return was;
    }
    }
    return 0;
}

void ReserveWastePosition::undo(const ReserveWasteMove& move, int undo) {
    using Kind = ReserveWasteMove::Kind;
    const auto back = [&](int f) {
        // A foundation completed (next 0) goes back to its last rank.
        m_next[at(f)] = undo == 1 ? m_deal.rankOf[move.card]
                                  : static_cast<std::uint8_t>(m_next[at(f)] - m_deal.step[at(f)]);
    };
    switch (move.kind) {
    case Kind::ReserveUp:
        ++m_height[move.reserve];
        back(move.foundation);
        ++m_left;
        break;
    case Kind::WasteUp:
        std::memmove(&m_talon[at(m_onWaste + 1)], &m_talon[at(m_onWaste)],
                     at(m_talonSize - m_onWaste));
        m_talon[at(m_onWaste)] = move.card;
        ++m_talonSize;
        ++m_onWaste;
        back(move.foundation);
        ++m_left;
        break;
    case Kind::ReserveToWaste:
        --m_onWaste;
        std::memmove(&m_talon[at(m_onWaste)], &m_talon[at(m_onWaste + 1)],
                     at(m_talonSize - m_onWaste - 1));
        --m_talonSize;
        ++m_height[move.reserve];
        break;
    case Kind::Click:
        if (undo == m_talonSize && m_onWaste == 1) {
            ++m_turnBacks;
        }
        m_onWaste = undo;
        break;
    }
}

std::uint64_t ReserveWastePosition::key() const {
    constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ULL;
    std::uint64_t h = 0;
    const auto mix = [&](std::uint64_t word) {
        h = (h ^ word) * kMul;
        h ^= h >> 29;
    };
    std::uint64_t word = 0;
    for (int f = 0; f < m_deal.foundations; ++f) {
        word = word << 4 | m_next[at(f)];
    }
    mix(word);
    word = static_cast<std::uint64_t>(m_turnBacks) << 16 | static_cast<std::uint64_t>(m_onWaste);
    for (int r = 0; r < m_deal.reserves; ++r) {
        word = word << 4 | m_height[at(r)];
    }
    mix(word);
    word = 0;
    for (int i = 0; i < m_talonSize; ++i) {
        word = word << 8 | m_deal.faceOf[m_talon[at(i)]];
        if (i % 8 == 7) {
            mix(word);
            word = 0;
        }
    }
    mix(word ^ static_cast<std::uint64_t>(m_talonSize));
    // The splitmix finish: every bit of the key stirs every other.
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 27;
    return h == 0 ? 1 : h;
}

namespace {

// The search of a ReserveWasteDeal: depth first, by limited discrepancy.
// At each position the moves come in the order thought best; a line may
// leave that order (take any move but the first) only so many times, the
// allowance, 0 for the first round, one more each round after. A plain
// depth-first search changes only the last moves of its line for a long
// while, where a deal is mostly lost in its first pass; the rounds change
// the early moves as soon as the late ones (on deals 1 to 200 at a tenth
// of a second it won 9 where depth-first passes won 6, and went on winning
// more with more time where they did not). Each round runs in two orders
// in turn, which win deals of their own (below: 19 of 400 deals, where
// the first order alone won 16). Every move sends a card up, builds one on
// the waste or turns the stock on (a turn-back uses up a pass): no line
// comes back to a position.
class ReserveWasteSearch {
public:
    ReserveWasteSearch(const ReserveWasteDeal& deal, long positions, const std::atomic<bool>* stop)
        : m_pos(deal), m_budget(positions), m_stop(stop) {}

    ReserveWasteSearchResult run() {
        ReserveWasteSearchResult result;
        // The orders whose last round left some line out.
        std::array<bool, kOrders> open{};
        open.fill(true);
        for (int allowance = 0; std::ranges::any_of(open, [](bool o) { return o; }) &&
                                result.outcome != ReserveWasteSearchResult::Outcome::Won && !m_cut;
             ++allowance) {
            for (m_order = 0; m_order < kOrders && !m_cut; ++m_order) {
                if (!open[at(m_order)]) {
                    continue;
                }
                m_leftOrder = false;
                if (search(allowance, result.line)) {
                    result.outcome = ReserveWasteSearchResult::Outcome::Won;
                    break;
                }
                result.line.clear();
                // A round no allowance held back saw every position (hashed
                // keys make that no proof): the order is done.
                open[at(m_order)] = m_leftOrder;
            }
        }
        result.positions = m_searched;
        result.storedBytes = m_seen.bytes() + m_lists.capacity() * sizeof(MoveList);
        return result;
    }

private:
    static constexpr int kMaxMoves =
        2 * ReserveWasteDeal::kMaxReserves + 2 + ReserveWasteDeal::kMaxReserves + 1;
    static constexpr long kStopCheckEvery = 1024;
    static constexpr int kOrders = 2;
    // In the second order, a waste card this near a foundation's next rank
    // (or nearer) is turned past before a card is built on it.
    static constexpr int kNeededSoon = 2;

    struct MoveList {
        std::array<ReserveWasteMove, kMaxMoves> moves{};
        int count = 0;
    };

    // How many ranks foundations take before `card` could go up.
    int distance(int card) const {
        const ReserveWasteDeal& deal = m_pos.deal();
        int nearest = ReserveWasteDeal::kMaxTalon;
        for (int f = 0; f < deal.foundations; ++f) {
            if (m_pos.mayTake(f, card)) {
                nearest = std::min(nearest, std::abs(deal.rankOf[at(card)] - m_pos.next(f)));
            }
        }
        return nearest;
    }

    // The moves here in order. A card a foundation takes goes up at once,
    // the only move (two where two foundations take it): its twin serves
    // the suit's other foundation, and a card built on it could mostly go
    // up instead. Else cards are built on the waste before the stock is
    // turned; in the second order the stock is turned first where the
    // waste's card is needed soon.
    void movesHere(MoveList& list) const {
        m_pos.moves(m_moves);
        list.count = 0;
        using Kind = ReserveWasteMove::Kind;
        for (const Kind kind : {Kind::ReserveUp, Kind::WasteUp}) {
            for (const ReserveWasteMove& move : m_moves) {
                if (move.kind == kind && (list.count == 0 || list.moves[0].card == move.card)) {
                    list.moves[at(list.count++)] = move;
                }
            }
            if (list.count > 0) {
                return;
            }
        }
        const bool clickFirst =
            m_order == 1 && m_pos.wasteTop() != 0 && distance(m_pos.wasteTop()) <= kNeededSoon;
        for (const Kind kind : clickFirst ? std::array{Kind::Click, Kind::ReserveToWaste}
                                          : std::array{Kind::ReserveToWaste, Kind::Click}) {
            for (const ReserveWasteMove& move : m_moves) {
                if (move.kind == kind) {
                    list.moves[at(list.count++)] = move;
                }
            }
        }
    }

    // Searches on from the position with `allowance` moves out of order
    // left; the line won is in `line`. A position is keyed with the order
    // and the allowance it was searched with: met again with as much, it is
    // searched out (in this round or an earlier one). A card turned or
    // built onto the waste that can never go up (wasteTopBuried) ends the
    // line.
    bool search(int allowance, std::vector<ReserveWasteMove>& line) {
        if (m_pos.won()) {
            return true;
        }
        const std::size_t depth = line.size();
        if (m_lists.size() <= depth) {
            m_lists.resize(depth + 1);
        }
        movesHere(m_lists[depth]);
        for (int i = 0; i < m_lists[depth].count; ++i) {
            const int left = allowance - (i == 0 ? 0 : 1);
            if (left < 0) {
                m_leftOrder = true;
                break;
            }
            const ReserveWasteMove move = m_lists[depth].moves[at(i)];
            const int undo = m_pos.apply(move);
            const bool onWaste = move.kind == ReserveWasteMove::Kind::Click ||
                                 move.kind == ReserveWasteMove::Kind::ReserveToWaste;
            const std::uint64_t key =
                m_pos.key() ^
                (static_cast<std::uint64_t>(left * kOrders + m_order + 1) * 0x9E3779B97F4A7C15ULL);
            if (!(onWaste && m_pos.wasteTopBuried()) && m_seen.insert(key == 0 ? 1 : key)) {
                line.push_back(move);
                if (++m_searched >= m_budget ||
                    (m_searched % kStopCheckEvery == 0 && m_stop != nullptr &&
                     m_stop->load(std::memory_order_relaxed))) {
                    m_cut = true;
                }
                if (!m_cut && search(left, line)) {
                    return true;
                }
                line.pop_back();
            }
            m_pos.undo(move, undo);
            if (m_cut) {
                return false;
            }
        }
        return false;
    }

    ReserveWastePosition m_pos;
    long m_budget;
    const std::atomic<bool>* m_stop;
    BasicKeySet<std::uint64_t> m_seen;
    // The moves of each position on the line, by depth.
    std::vector<MoveList> m_lists;
    mutable std::vector<ReserveWasteMove> m_moves;
    long m_searched = 0;
    bool m_cut = false;
    bool m_leftOrder = false;
    int m_order = 0;
};

} // namespace

ReserveWasteSearchResult searchReserveWasteDeal(const ReserveWasteDeal& deal, long positions,
                                                const std::atomic<bool>* stop) {
    return ReserveWasteSearch(deal, positions, stop).run();
}

} // namespace vellomir::engine
