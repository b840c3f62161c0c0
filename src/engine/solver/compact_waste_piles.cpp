#include "engine/solver/compact_waste_piles.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/card_move.h"
#include "engine/rules/target_checks.h"
#include "engine/solver/key_set.h"
#include "engine/solver/search_passes.h"
#include "engine/solver/waste_pile_probes.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <random>

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {

using Key = std::array<std::uint64_t, WastePilesDeal::kKeyBytes / 8>;
constexpr int kKeyNibbles = WastePilesDeal::kKeyBytes * 2;
// Sorts a few values (a foundation's group, the piles) in place, by
// insertion: as quick as std::sort on eight, and plain to the compiler's
// bounds checks.
template <typename It, typename Less> void sortFew(It first, It last, Less less) {
    for (It i = first; i != last; ++i) {
        for (It j = i; j != first && less(*j, *(j - 1)); --j) {
            std::iter_swap(j, j - 1);
        }
    }
}

// A key written out before it is hashed into a Key, where it is longer.
using LongKey = std::array<std::uint64_t, 2 * WastePilesDeal::kKeyBytes / 8>;
constexpr int kLongKeyNibbles = 2 * kKeyNibbles;

// Whether the reserve takes no card from the waste and gives none to a
// waste pile (its cards go only up).
bool reserveOnlyGives(const table::ProgramState& bare, QuietFrontend& frontend, int piles,
                      int cards) {
    const table::PileRef waste{table::PileKind::Stock, table::kWaste};
    const table::PileRef reserve{table::PileKind::Reserve, 0};
    table::ProgramState probe = bare;
    for (int card = 1; card <= cards; ++card) {
        probe.piles.stock(table::kWaste) = table::cardText(card);
        if (reserveTargetCheck(probe, frontend, {card, 1, waste, reserve})) {
            return false;
        }
        probe.piles.stock(table::kWaste).clear();
        probe.piles.reserve(0) = table::cardText(card);
        for (int t = 0; t < piles; ++t) {
            if (tableauTargetCheck(probe, frontend,
                                   {card, 1, reserve, {table::PileKind::Tableau, t}})) {
                return false;
            }
        }
        probe.piles.reserve(0).clear();
    }
    return true;
}
constexpr int kStopCheckEvery = 1024;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The ranks foundation `f` takes from the table's own cards on, asked of
// its target check on a copy built up card by card, with each card coming
// from the waste and from a waste pile; nothing unless each answer is all
// the cards of one rank left, or none.
std::optional<std::vector<std::uint8_t>> chainOf(const table::ProgramState& dealt,
                                                 const table::ProgramState& bare,
                                                 QuietFrontend& frontend, int f, int cards,
                                                 std::vector<bool> used) {
    table::ProgramState probe = bare;
    probe.piles.foundation(f) = dealt.piles.foundation(f);
    const table::PileRef to{table::PileKind::Foundation, f};
    const table::PileRef waste{table::PileKind::Stock, table::kWaste};
    const table::PileRef pile{table::PileKind::Tableau, 0};
    std::vector<std::uint8_t> chain;
    while (true) {
        int rank = 0;
        int first = 0;
        for (int card = 1; card <= cards; ++card) {
            if (used[at(card)]) {
                continue;
            }
            const std::optional<bool> takes =
                takesFromWasteAndPile(probe, frontend, foundationTargetCheck, card, to, pile);
            if (!takes) {
                return std::nullopt;
            }
            if (!*takes) {
                continue;
            }
            if (rank == 0) {
                rank = table::rankOf(card);
                first = card;
            } else if (table::rankOf(card) != rank) {
                return std::nullopt;
            }
        }
        if (rank == 0) {
            return chain;
        }
        // Every card of the rank left must be taken.
        for (int card = 1; card <= cards; ++card) {
            if (!used[at(card)] && table::rankOf(card) == rank) {
                probe.piles.stock(table::kWaste) = table::cardText(card);
                if (!foundationTargetCheck(probe, frontend, {card, 1, waste, to})) {
                    return std::nullopt;
                }
            }
        }
        probe.piles.stock(table::kWaste).clear();
        if (chain.size() >= static_cast<std::size_t>(cards)) {
            return std::nullopt;
        }
        chain.push_back(static_cast<std::uint8_t>(rank));
        used[at(first)] = true;
        probe.piles.foundation(f) += table::cardText(first);
    }
}

} // namespace

std::optional<WastePilesDeal> wastePilesDealFor(const table::ProgramState& dealt,
                                                const seam::Frontend& geometry) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    const int cards = p[param::CardCount];
    constexpr int kOneCardAtATime = 1;
    if (!catalogue::isGeneralGame(p) || counts.reserves > 1 || counts.tableaus < 1 ||
        counts.tableaus + counts.reserves > WastePilesDeal::kMaxPiles || counts.foundations < 1 ||
        counts.foundations > WastePilesDeal::kMaxFoundations || cards < 2 || cards > 127 ||
        p[param::StockPasses] != 1 || p[param::CardsPerStockClick] != kOneCardAtATime ||
        p[param::WasteButtonDealMode] != kOneCardAtATime ||
        p[param::RunSizeLimit] != kOneCardAtATime ||
        table::cardCount(dealt.piles.stock(table::kWaste)) > 1 ||
        !dealt.piles.stock(table::kDiscard).empty()) {
        return std::nullopt;
    }
    WastePilesDeal deal;
    deal.piles = counts.tableaus;
    deal.foundations = counts.foundations;
    for (int card = 1; card <= cards; ++card) {
        deal.rankOf[at(card)] = static_cast<std::uint8_t>(table::rankOf(card));
    }
    const std::vector<std::uint8_t> waste = table::cardCodes(dealt.piles.stock(table::kWaste));
    deal.firstOnWaste = !waste.empty();
    deal.order = waste;
    std::vector<std::uint8_t> stock = table::cardCodes(dealt.piles.stock(table::kStock));
    deal.order.insert(deal.order.end(), stock.rbegin(), stock.rend());
    int inPlay = static_cast<int>(deal.order.size());
    deal.hasReserve = counts.reserves == 1;
    for (int t = 0; t < deal.stacks(); ++t) {
        deal.dealtPiles.push_back(table::cardCodes(t < counts.tableaus ? dealt.piles.tableau(t)
                                                                       : dealt.piles.reserve(0)));
        inPlay += static_cast<int>(deal.dealtPiles.back().size());
        for (const int card : deal.dealtPiles.back()) {
            if (!dealt.cards.isFaceUp(card)) {
                return std::nullopt;
            }
        }
    }
    // The key: the cards placed (two nibbles), a nibble a foundation, a
    // nibble a card in the piles and one between two piles, the reserve's
    // height. Too long for the key, it is hashed.
    const int nibbles = 2 + counts.foundations + inPlay + counts.tableaus - 1 + counts.reserves;
    if (nibbles > kLongKeyNibbles) {
        return std::nullopt;
    }
    deal.hashedKey = nibbles > kKeyNibbles;
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
    if (!pilesTakeFromTheWasteOnly(bare, frontend, counts.tableaus, cards) ||
        (deal.hasReserve && !reserveOnlyGives(bare, frontend, counts.tableaus, cards))) {
        return std::nullopt;
    }
    // Each rank's cards in play and the ranks the foundations take must be
    // the same: then the foundations take every card in play.
    std::array<int, WastePilesDeal::kRanks + 1> ranks{};
    for (int card = 1; card <= cards; ++card) {
        ranks[at(table::rankOf(card))] += used[at(card)] ? 0 : 1;
    }
    for (int f = 0; f < counts.foundations; ++f) {
        std::optional<std::vector<std::uint8_t>> chain =
            chainOf(dealt, bare, frontend, f, cards, used);
        if (!chain) {
            return std::nullopt;
        }
        for (const int rank : *chain) {
            --ranks[at(rank)];
        }
        deal.chains.push_back(std::move(*chain));
    }
    if (std::ranges::any_of(ranks, [](int left) { return left != 0; })) {
        return std::nullopt;
    }
    if (!deal.order.empty() && !stockTurnsOneAtATime(dealt, geometry)) {
        return std::nullopt;
    }
    return deal;
}

WastePilesPosition::WastePilesPosition(const WastePilesDeal& deal) : m_deal(deal) {
    for (int t = 0; t < deal.stacks(); ++t) {
        const auto& pile = deal.dealtPiles[at(t)];
        m_size[at(t)] = static_cast<int>(pile.size());
        std::copy(pile.begin(), pile.end(), m_cards[at(t)].begin());
    }
    for (const int card : deal.order) {
        ++m_toCome[deal.rankOf[at(card)]];
    }
    std::map<std::vector<std::uint8_t>, std::uint8_t> suffixes;
    for (int f = 0; f < deal.foundations; ++f) {
        const auto& chain = deal.chains[at(f)];
        m_chainPlace[at(f)].fill(-1);
        for (std::size_t i = 0; i < chain.size(); ++i) {
            m_chainPlace[at(f)][chain[i]] = static_cast<std::int8_t>(i);
        }
        m_sameAs.emplace_back();
        for (std::size_t h = 0; h <= chain.size(); ++h) {
            const std::vector<std::uint8_t> rest(chain.begin() + static_cast<std::ptrdiff_t>(h),
                                                 chain.end());
            const auto found =
                suffixes.emplace(rest, static_cast<std::uint8_t>(suffixes.size())).first;
            m_sameAs.back().push_back(found->second);
        }
    }
}

bool WastePilesPosition::takes(int f, int rank) const {
    const auto& chain = m_deal.chains[at(f)];
    const int h = m_built[at(f)];
    return h < static_cast<int>(chain.size()) && chain[at(h)] == rank;
}

void WastePilesPosition::moves(std::vector<WastePilesMove>& out) const {
    out.clear();
    // Of foundations that take the same ranks from here on, the first.
    auto foundationsFor = [&](int rank, auto&& add) {
        for (int f = 0; f < m_deal.foundations; ++f) {
            if (!takes(f, rank)) {
                continue;
            }
            bool first = true;
            for (int g = 0; g < f && first; ++g) {
                first = m_sameAs[at(g)][at(m_built[at(g)])] != m_sameAs[at(f)][at(m_built[at(f)])];
            }
            if (first) {
                add(f);
            }
        }
    };
    using Kind = WastePilesMove::Kind;
    for (int t = 0; t < m_deal.stacks(); ++t) {
        if (m_size[at(t)] == 0) {
            continue;
        }
        const int card = m_cards[at(t)][at(m_size[at(t)] - 1)];
        foundationsFor(m_deal.rankOf[at(card)], [&](int f) {
            out.push_back({Kind::PileToFoundation, static_cast<std::uint8_t>(t),
                           static_cast<std::uint8_t>(f), static_cast<std::uint8_t>(card)});
        });
    }
    if (m_placed == static_cast<int>(m_deal.order.size())) {
        return;
    }
    const int next = m_deal.order[at(m_placed)];
    foundationsFor(m_deal.rankOf[at(next)], [&](int f) {
        out.push_back({Kind::NextToFoundation, 0, static_cast<std::uint8_t>(f),
                       static_cast<std::uint8_t>(next)});
    });
    bool emptySeen = false;
    for (int t = 0; t < m_deal.piles; ++t) {
        if (m_size[at(t)] == 0) {
            if (emptySeen) {
                continue;
            }
            emptySeen = true;
        }
        out.push_back(
            {Kind::NextToPile, static_cast<std::uint8_t>(t), 0, static_cast<std::uint8_t>(next)});
    }
}

void WastePilesPosition::apply(const WastePilesMove& move) {
    switch (move.kind) {
    case WastePilesMove::Kind::NextToPile: {
        const int card = m_deal.order[at(m_placed++)];
        --m_toCome[m_deal.rankOf[at(card)]];
        m_cards[move.pile][at(m_size[move.pile]++)] = static_cast<std::uint8_t>(card);
        break;
    }
    case WastePilesMove::Kind::NextToFoundation:
        --m_toCome[m_deal.rankOf[m_deal.order[at(m_placed++)]]];
        ++m_built[move.foundation];
        break;
    case WastePilesMove::Kind::PileToFoundation:
        --m_size[move.pile];
        ++m_built[move.foundation];
        break;
    }
}

void WastePilesPosition::undo(const WastePilesMove& move) {
    switch (move.kind) {
    case WastePilesMove::Kind::NextToPile:
        --m_size[move.pile];
        ++m_toCome[m_deal.rankOf[m_deal.order[at(--m_placed)]]];
        break;
    case WastePilesMove::Kind::NextToFoundation:
        ++m_toCome[m_deal.rankOf[m_deal.order[at(--m_placed)]]];
        --m_built[move.foundation];
        break;
    case WastePilesMove::Kind::PileToFoundation:
        m_cards[move.pile][at(m_size[move.pile]++)] = move.card;
        --m_built[move.foundation];
        break;
    }
}

bool WastePilesPosition::won() const {
    for (int f = 0; f < m_deal.foundations; ++f) {
        if (m_built[at(f)] != static_cast<int>(m_deal.chains[at(f)].size())) {
            return false;
        }
    }
    return true;
}

template <typename Words> void WastePilesPosition::writeKey(Words& key) const {
    int nibble = 0;
    auto put = [&](std::uint64_t value) {
        key[at(nibble / 16)] |= value << (4 * (nibble % 16));
        ++nibble;
    };
    // The mark: a key is never all zeros.
    const int placed = m_placed + 1;
    put(static_cast<std::uint64_t>(placed & 0xF));
    put(static_cast<std::uint64_t>(placed >> 4));
    // Foundations of the same chain from the deal on take alike: their
    // heights are told in sorted order.
    std::array<int, WastePilesDeal::kMaxFoundations> heights{};
    std::array<bool, WastePilesDeal::kMaxFoundations> done{};
    for (int f = 0; f < m_deal.foundations; ++f) {
        if (done[at(f)]) {
            continue;
        }
        int group = 0;
        for (int g = f; g < m_deal.foundations; ++g) {
            if (m_sameAs[at(g)][0] == m_sameAs[at(f)][0]) {
                heights[at(group++)] = m_built[at(g)];
                done[at(g)] = true;
            }
        }
        sortFew(heights.begin(), heights.begin() + group, std::less<>());
        for (int i = 0; i < group; ++i) {
            put(static_cast<std::uint64_t>(heights[at(i)]));
        }
    }
    // The piles by their ranks, in sorted order.
    std::array<std::array<std::uint8_t, kMaxPileCards + 1>, WastePilesDeal::kMaxPiles> ranks{};
    std::array<int, WastePilesDeal::kMaxPiles> sorted{};
    for (int t = 0; t < m_deal.piles; ++t) {
        for (int i = 0; i < m_size[at(t)]; ++i) {
            ranks[at(t)][at(i)] = m_deal.rankOf[m_cards[at(t)][at(i)]];
        }
        sorted[at(t)] = t;
    }
    sortFew(sorted.begin(), sorted.begin() + m_deal.piles,
            [&](int a, int b) { return ranks[at(a)] < ranks[at(b)]; });
    for (int i = 0; i < m_deal.piles; ++i) {
        const int t = sorted[at(i)];
        if (i > 0) {
            put(0);
        }
        for (int j = 0; j < m_size[at(t)]; ++j) {
            put(ranks[at(t)][at(j)]);
        }
    }
    if (m_deal.hasReserve) {
        put(static_cast<std::uint64_t>(m_size[at(m_deal.piles)]));
    }
}

Key WastePilesPosition::key() const {
    Key exact{};
    if (!m_deal.hashedKey) {
        writeKey(exact);
        return exact;
    }
    LongKey key{};
    writeKey(key);
    // Each word of the hashed key mixes every word of the long one its own
    // way (a multiply and shift of the splitmix kind).
    for (std::size_t w = 0; w < exact.size(); ++w) {
        std::uint64_t h = 0x9E3779B97F4A7C15ULL * (w + 1);
        for (const std::uint64_t word : key) {
            h ^= word + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
            h ^= h >> 31;
            h *= 0xBF58476D1CE4E5B9ULL;
        }
        exact[w] = h | 1; // never all zeros
    }
    return exact;
}

bool WastePilesPosition::stuck() const {
    // Whether a card of rank `over` can go up before any card of the ranks
    // `held` has: some foundation still takes `over`, with none of them
    // still to come before it there.
    auto passes = [&](int over, std::uint32_t held) {
        for (int g = 0; g < m_deal.foundations; ++g) {
            const int h = m_built[at(g)];
            const int o = m_chainPlace[at(g)][at(over)];
            if (o < h) {
                continue;
            }
            bool first = true;
            for (int i = h; i < o && first; ++i) {
                first = (held >> m_deal.chains[at(g)][at(i)] & 1U) == 0;
            }
            if (first) {
                return true;
            }
        }
        return false;
    };
    // The ranks that may be held: none of their cards still to come, some
    // in the piles.
    std::uint32_t held = 0;
    for (int t = 0; t < m_deal.stacks(); ++t) {
        for (int i = 0; i + 1 < m_size[at(t)]; ++i) {
            const int rank = m_deal.rankOf[m_cards[at(t)][at(i)]];
            if (m_toCome[at(rank)] == 0) {
                held |= 1U << rank;
            }
        }
    }
    // A rank leaves the set while one of its cards lies free of the set:
    // under no card that cannot go up before a card of the set has.
    bool changed = true;
    while (held != 0 && changed) {
        changed = false;
        for (int t = 0; t < m_deal.stacks(); ++t) {
            // Whether some card above the one looked at holds it.
            bool holder = false;
            for (int i = m_size[at(t)] - 1; i >= 0; --i) {
                const int rank = m_deal.rankOf[m_cards[at(t)][at(i)]];
                if ((held >> rank & 1U) != 0 && !holder) {
                    held &= ~(1U << rank);
                    changed = true;
                }
                // A card of the set holds those under it too.
                holder = holder || (held >> rank & 1U) != 0 || !passes(rank, held);
            }
        }
    }
    // The first card of the set to go up would need a card of the set up
    // before it.
    return held != 0;
}

namespace {

// The depth-first search of a WastePilesDeal, in passes as the discard
// games' search runs them. Every move places a card or sends one up, so no
// line comes back to a position: a key seen was searched out already, or
// lies on the line being searched.
class WastePilesSearch {
public:
    WastePilesSearch(const WastePilesDeal& deal, const std::atomic<bool>* stop, bool stuckCut)
        : m_deal(deal), m_pos(deal), m_stop(stop), m_stuckCut(stuckCut) {}

    WastePilesSearchResult run(long positions) {
        WastePilesSearchResult result;
        const bool stuckNow = !m_pos.won() && m_stuckCut && m_pos.stuck();
        const PassesEnd end =
            m_pos.won() ? PassesEnd::Won
            : stuckNow
                ? PassesEnd::Lost
                : runPasses(
                      positions, passPositions(),
                      [&](int order, long budget) { return pass(order, budget, result.line); },
                      [&] { return m_searched; }, [&] { return stopped(); });
        recordSearchEnd(end, m_searched, m_seen.bytes() + m_frames.capacity() * sizeof(Frame),
                        result);
        // Hashed keys could, however seldom, take one position for another:
        // a search that ran out of moves then proves nothing.
        if (m_deal.hashedKey && !stuckNow &&
            result.outcome == WastePilesSearchResult::Outcome::Exhausted) {
            result.outcome = WastePilesSearchResult::Outcome::OutOfBudget;
        }
        return result;
    }

private:
    // Positions a pass searches before the next pass tries other orders.
    // Short passes answer the most deals in a tenth of a second (200
    // deals each: Calculation 192 won with passes of 200 positions, 185
    // with 600; Sir Tommy 73 with 200, 65 with 300), so long as a pass can
    // reach the end of a line: a card placed and sent up is two moves.
    static constexpr long kPassPositions = 200;
    long passPositions() const {
        long cards = static_cast<long>(m_deal.order.size());
        for (int t = 0; t < m_deal.stacks(); ++t) {
            cards += m_pos.pileSize(t);
        }
        return std::max(kPassPositions, 3 * cards);
    }
    static constexpr int kEmptyPileCost = 5;
    // How far each pass after the first stirs the costs: by two quarters of
    // a cost more each pass, up to ten costs (unbounded, the later passes
    // try places at random: on the same 200 deals Sir Tommy won 34).
    static constexpr int kNoise = 2;
    static constexpr int kMostNoise = 40;
    static constexpr int kCoverCost = 20;
    static constexpr int kMaxMoves = 80;
    static constexpr int kNotNeeded = 64;

    struct Frame {
        std::array<WastePilesMove, kMaxMoves> moves{};
        int count = 0;
        int next = 0;
        WastePilesMove move; // the move that led here
        Key key{};
    };

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    // How many cards foundations must take before one takes `rank`.
    int need(int rank) const {
        int soonest = kNotNeeded;
        for (int f = 0; f < m_deal.foundations; ++f) {
            const auto& chain = m_deal.chains[at(f)];
            for (int h = m_pos.built(f), ahead = 0; h < static_cast<int>(chain.size());
                 ++h, ++ahead) {
                if (chain[at(h)] == rank) {
                    soonest = std::min(soonest, ahead);
                    break;
                }
            }
        }
        return soonest;
    }

    // The moves here in the pass's order: cards up first, then each place
    // for the next card by what it covers, with a little chance in every
    // pass after the first.
    void movesHere(Frame& frame, int order, std::mt19937& random) {
        m_pos.moves(m_moves);
        frame.count = 0;
        frame.next = 0;
        std::array<int, kMaxMoves> cost{};
        const int next = m_pos.placed() < static_cast<int>(m_deal.order.size())
                             ? m_deal.order[at(m_pos.placed())]
                             : 0;
        const int nextNeed = next != 0 ? need(m_deal.rankOf[at(next)]) : 0;
        for (const WastePilesMove& move : m_moves) {
            int c = 0;
            if (move.kind == WastePilesMove::Kind::NextToPile) {
                const int size = m_pos.pileSize(move.pile);
                if (size == 0) {
                    c = kEmptyPileCost;
                } else {
                    const int under = m_deal.rankOf[at(m_pos.pileCard(move.pile, size - 1))];
                    const int gap = need(under) - nextNeed;
                    c = gap >= 0 ? gap : kCoverCost - gap;
                }
                c = c * 4 +
                    (order > 0
                         ? static_cast<int>(
                               random() %
                               (static_cast<unsigned>(std::min(kMostNoise, kNoise * order)) + 1))
                         : 0);
                c += 1;
            }
            cost[at(frame.count)] = c;
            frame.moves[at(frame.count++)] = move;
        }
        // Insertion sort by cost, stable.
        for (int i = 1; i < frame.count; ++i) {
            const WastePilesMove m = frame.moves[at(i)];
            const int c = cost[at(i)];
            int j = i;
            for (; j > 0 && cost[at(j - 1)] > c; --j) {
                frame.moves[at(j)] = frame.moves[at(j - 1)];
                cost[at(j)] = cost[at(j - 1)];
            }
            frame.moves[at(j)] = m;
            cost[at(j)] = c;
        }
    }

    PassEnd pass(int order, long budget, std::vector<WastePilesMove>& line) {
        std::mt19937 random(static_cast<std::uint32_t>(order));
        m_frames.clear();
        m_frames.emplace_back();
        m_frames.back().key = m_pos.key();
        m_seen.insert(m_frames.back().key);
        movesHere(m_frames.back(), order, random);
        long spent = 0;
        while (!m_frames.empty()) {
            Frame& frame = m_frames.back();
            if (frame.next == frame.count) {
                if (m_frames.size() > 1) {
                    m_pos.undo(frame.move);
                }
                m_frames.pop_back();
                continue;
            }
            const WastePilesMove move = frame.moves[at(frame.next++)];
            m_pos.apply(move);
            const Key key = m_pos.key();
            if (!m_seen.insert(key)) {
                m_pos.undo(move);
                continue;
            }
            ++m_searched;
            ++spent;
            if (m_pos.won()) {
                for (std::size_t i = 1; i < m_frames.size(); ++i) {
                    line.push_back(m_frames[i].move);
                }
                line.push_back(move);
                return PassEnd::Won;
            }
            if (spent >= budget || (spent % kStopCheckEvery == 0 && stopped())) {
                // The line's positions were not searched out: they go.
                m_seen.erase(key);
                m_pos.undo(move);
                for (std::size_t i = m_frames.size(); i-- > 0;) {
                    m_seen.erase(m_frames[i].key);
                    if (i > 0) {
                        m_pos.undo(m_frames[i].move);
                    }
                }
                return PassEnd::CutShort;
            }
            Frame next;
            next.move = move;
            next.key = key;
            const bool lost = m_stuckCut && move.kind == WastePilesMove::Kind::NextToPile &&
                              m_pos.pileSize(move.pile) > 1 && m_pos.stuck();
            if (!lost) {
                movesHere(next, order, random);
            }
            m_frames.push_back(next);
        }
        return PassEnd::SearchedOut;
    }

    const WastePilesDeal& m_deal;
    WastePilesPosition m_pos;
    const std::atomic<bool>* m_stop;
    bool m_stuckCut;
    WideKeySet<Key> m_seen;
    std::vector<Frame> m_frames;
    std::vector<WastePilesMove> m_moves;
    long m_searched = 0;
};

} // namespace

WastePilesSearchResult searchWastePilesDeal(const WastePilesDeal& deal, long positions,
                                            const std::atomic<bool>* stop, bool stuckCut) {
    WastePilesSearch search(deal, stop, stuckCut);
    return search.run(positions);
}

} // namespace vellomir::engine
