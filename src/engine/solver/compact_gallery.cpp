#include "engine/solver/compact_gallery.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/solver/bit_mixing.h"
#include "engine/solver/key_set.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <array>

namespace vellomir::engine {

namespace param = catalogue::param;
using catalogue::codeOf;

namespace {

constexpr int kStopCheckEvery = 1024;
// Most deals are won in a few hundred positions: the set of keys starts
// small and grows as it fills.
constexpr std::size_t kFirstKeySlots = 256;
constexpr int kAceRank = 1;
constexpr int kCardsInPack = 52;
constexpr int kMaxPiles = GalleryDeal::kMaxTableaus + GalleryDeal::kMaxReserves;
// A reserve holds its dealt card, one card of each click and, once the
// stock is out, at most one card more.
constexpr int kMaxHeight = 16;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The same card of either pack: the key tells a position, not which pack
// each card came from.
std::uint64_t faceOf(int card) {
    return static_cast<std::uint64_t>((card - 1) % kCardsInPack + 1);
}

struct GalleryPosition {
    std::array<std::array<std::uint8_t, kMaxHeight>, kMaxPiles> cards{};
    std::array<std::uint8_t, kMaxPiles> heights{};
    std::uint8_t dealtFromStock = 0;
    std::uint8_t placed = 0; // cards on the tableaus of their base rank

    int top(int pile) const {
        const int h = heights[at(pile)];
        return h == 0 ? 0 : cards[at(pile)][at(h - 1)];
    }
    int bottom(int pile) const { return heights[at(pile)] == 0 ? 0 : cards[at(pile)][0]; }
    int pop(int pile) { return cards[at(pile)][at(--heights[at(pile)])]; }
    void push(int pile, int card) {
        cards[at(pile)][at(heights[at(pile)]++)] = static_cast<std::uint8_t>(card);
    }
};

class GallerySearch {
public:
    GallerySearch(const GalleryDeal& deal, long positions, const std::atomic<bool>* stop)
        : m_deal(deal), m_budget(positions), m_stop(stop), m_firstReserve(deal.tableaus),
          m_piles(deal.tableaus + deal.reserves) {}

    GallerySearchResult run() {
        GallerySearchResult result;
        GalleryPosition start;
        for (int pile = 0; pile < m_piles; ++pile) {
            for (const std::uint8_t card : m_deal.piles[at(pile)]) {
                start.push(pile, card);
            }
            if (pile < m_firstReserve && rightful(start, pile)) {
                start.placed = static_cast<std::uint8_t>(start.placed + start.heights[at(pile)]);
            }
        }
        m_seen.insert(key(start));
        const bool won = search(start);
        result.outcome =
            won ? GallerySearchResult::Outcome::Won : GallerySearchResult::Outcome::OutOfBudget;
        result.positions = m_positions;
        result.storedBytes = m_seen.bytes();
        if (won) {
            result.line = m_line;
        }
        return result;
    }

private:
    bool isReserve(int pile) const { return pile >= m_firstReserve; }
    bool stockLeft(const GalleryPosition& s) const {
        return s.dealtFromStock < m_deal.stock.size();
    }
    // A tableau whose bottom card is its base rank: it builds.
    bool rightful(const GalleryPosition& s, int t) const {
        return s.heights[at(t)] > 0 && table::rankOf(s.bottom(t)) == m_deal.baseRank[at(t)];
    }

    std::uint64_t key(const GalleryPosition& s) const {
        // The tableaus of one base rank are alike: their hashes are summed,
        // so that the same cards on them in another order are one position.
        std::uint64_t tableaus = 0;
        for (int t = 0; t < m_firstReserve; ++t) {
            std::uint64_t h = static_cast<std::uint64_t>(m_deal.baseRank[at(t)]);
            for (int i = 0; i < s.heights[at(t)]; ++i) {
                h = mixedBits(h * 131 + faceOf(s.cards[at(t)][at(i)]));
            }
            tableaus += mixedBits(h + kGoldenStep);
        }
        std::uint64_t h = mixedBits(tableaus + s.dealtFromStock);
        for (int r = m_firstReserve; r < m_piles; ++r) {
            for (int i = 0; i < s.heights[at(r)]; ++i) {
                h = h * 131 + faceOf(s.cards[at(r)][at(i)]);
            }
            h = mixedBits(h + static_cast<std::uint64_t>(r));
        }
        return h;
    }

    // The tableau that takes `card` now (the first of those alike), or -1.
    int tableauFor(const GalleryPosition& s, int card) const {
        const int rank = table::rankOf(card);
        for (int t = 0; t < m_firstReserve; ++t) {
            const int h = s.heights[at(t)];
            if (h == 0) {
                if (rank == m_deal.baseRank[at(t)]) {
                    return t;
                }
                continue;
            }
            const int top = s.top(t);
            if (h < m_deal.tableauCards && rightful(s, t) &&
                table::suitOf(top) == table::suitOf(card) &&
                table::rankOf(top) + m_deal.rankStep == rank) {
                return t;
            }
        }
        return -1;
    }

    int emptyReserve(const GalleryPosition& s) const {
        for (int r = m_firstReserve; r < m_piles; ++r) {
            if (s.heights[at(r)] == 0) {
                return r;
            }
        }
        return -1;
    }

    // An emptied reserve takes the stock's next card while the stock lasts.
    void refill(GalleryPosition& s) const {
        for (int r = m_firstReserve; r < m_piles && stockLeft(s); ++r) {
            if (s.heights[at(r)] == 0) {
                s.push(r, m_deal.stock[s.dealtFromStock++]);
            }
        }
    }

    // With Autoplay ticked, after every move: the reserves refilled, then
    // every ace on top of a pile sent up, the reserves first, as long as
    // either changes anything.
    void settle(GalleryPosition& s) const {
        refill(s);
        if (!m_deal.acesGoUpAlone) {
            return;
        }
        for (bool sent = true; sent;) {
            sent = false;
            for (bool again = true; again;) {
                again = false;
                for (int r = m_firstReserve; r < m_piles; ++r) {
                    if (table::rankOf(s.top(r)) == kAceRank) {
                        s.pop(r);
                        again = sent = true;
                    }
                }
            }
            for (int t = 0; t < m_firstReserve; ++t) {
                if (table::rankOf(s.top(t)) == kAceRank) {
                    s.pop(t);
                    sent = true;
                    break;
                }
            }
            refill(s);
        }
    }

    GalleryPosition after(const GalleryPosition& s, const GalleryMove& move) const {
        GalleryPosition next = s;
        if (move.isClick()) {
            for (int r = m_firstReserve; r < m_piles && stockLeft(next); ++r) {
                next.push(r, m_deal.stock[next.dealtFromStock++]);
            }
        } else {
            next.pop(move.from);
            if (move.to == GalleryMove::kAcesPile) {
                // gone up
            } else {
                next.push(move.to, move.card);
                if (!isReserve(move.to) && rightful(next, move.to)) {
                    ++next.placed;
                }
            }
        }
        settle(next);
        return next;
    }

    bool stopped() {
        if (++m_positions > m_budget ||
            (m_positions % kStopCheckEvery == 0 && m_stop != nullptr && m_stop->load())) {
            m_outOfBudget = true;
            return true;
        }
        return false;
    }

    bool tryMove(const GalleryPosition& s, const GalleryMove& move) {
        const GalleryPosition next = after(s, move);
        if (!m_seen.insert(key(next))) {
            return false;
        }
        m_line.push_back(move);
        if (!stopped() && search(next)) {
            return true;
        }
        m_line.pop_back();
        return false;
    }

    bool search(const GalleryPosition& s) {
        if (s.placed == m_firstReserve * m_deal.tableauCards) {
            return true;
        }
        std::vector<GalleryMove> choices;
        const int spare = stockLeft(s) ? -1 : emptyReserve(s);
        for (int pile = 0; pile < m_piles; ++pile) {
            const int card = s.top(pile);
            if (card == 0 || (!isReserve(pile) && rightful(s, pile))) {
                continue; // a card in its place stays there
            }
            // Leaving a reserve empty draws the stock's next card onto it,
            // which moves every later card of the stock to another reserve.
            const bool drawsFromStock = isReserve(pile) && s.heights[at(pile)] == 1 && stockLeft(s);
            int to = -1;
            if (table::rankOf(card) == kAceRank) {
                to = m_deal.acesGoUpAlone ? -1 : GalleryMove::kAcesPile;
            } else {
                to = tableauFor(s, card);
            }
            if (to >= 0) {
                const GalleryMove move{static_cast<std::uint8_t>(pile),
                                       static_cast<std::uint8_t>(to),
                                       static_cast<std::uint8_t>(card)};
                if (!drawsFromStock) {
                    return tryMove(s, move); // nothing is lost by it: the only move here
                }
                choices.push_back(move);
            } else if (spare >= 0 && (!isReserve(pile) || s.heights[at(pile)] > 1)) {
                choices.push_back({static_cast<std::uint8_t>(pile),
                                   static_cast<std::uint8_t>(spare),
                                   static_cast<std::uint8_t>(card)});
            }
        }
        if (stockLeft(s)) {
            // After the moves that draw a card: the click buries the reserves.
            choices.push_back({});
        }
        for (const GalleryMove& move : choices) {
            if (tryMove(s, move)) {
                return true;
            }
            if (m_outOfBudget) {
                return false;
            }
        }
        return false;
    }

    const GalleryDeal& m_deal;
    long m_budget;
    const std::atomic<bool>* m_stop;
    int m_firstReserve;
    int m_piles;
    BasicKeySet<std::uint64_t> m_seen{kFirstKeySlots};
    long m_positions = 0;
    bool m_outOfBudget = false;
    std::vector<GalleryMove> m_line;
};

bool allEqual(const catalogue::GameParameters& p, int first, int count, int value) {
    for (int i = 0; i < count; ++i) {
        if (p[first + i] != value) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<GalleryDeal> galleryDealFor(const table::ProgramState& dealt) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    const int step = p[param::RankStep];
    const int full = p[param::TableauMaxCards];
    if (!catalogue::isGameType(p, catalogue::GameType::FoursOnEachTableau) || counts.tableaus < 1 ||
        counts.tableaus > GalleryDeal::kMaxTableaus || counts.reserves < 1 ||
        counts.reserves > GalleryDeal::kMaxReserves || counts.foundations != 1 || step < 1 ||
        full < 1 || full > kMaxHeight ||
        p[param::FoundationRule] != codeOf(catalogue::BuildingRuleCode::AceOnly) ||
        p[param::FillStyle] != codeOf(catalogue::FillStyle::ReservesFromStock) ||
        p[param::StockPasses] != 1 || p[param::JokerCount] != 0 ||
        !allEqual(p, param::TableauRule, counts.tableaus,
                  codeOf(catalogue::BuildingRuleCode::InSuitOnBaseCard)) ||
        !allEqual(p, param::TableauDirection, counts.tableaus, 1) ||
        !allEqual(p, param::ReserveLaterDeal, counts.reserves,
                  codeOf(catalogue::DealType::OneEach)) ||
        !allEqual(p, param::ReserveDropRule, counts.reserves,
                  codeOf(catalogue::ReserveDropRule::SingleOntoEmpty)) ||
        !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    GalleryDeal deal;
    deal.tableaus = counts.tableaus;
    deal.reserves = counts.reserves;
    deal.rankStep = step;
    deal.tableauCards = full;
    deal.acesGoUpAlone = autoplayActive(dealt);
    for (int t = 0; t < counts.tableaus; ++t) {
        deal.baseRank.push_back(p[param::TableauEmptyCode + t]);
    }
    auto cardsOf = [&](const std::string& pile) -> std::optional<std::vector<std::uint8_t>> {
        std::vector<std::uint8_t> cards;
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int card = table::cardAt(pile, i);
            if (card < 1 || card >= table::kFirstJoker) {
                return std::nullopt;
            }
            cards.push_back(static_cast<std::uint8_t>(card));
        }
        return cards;
    };
    for (int t = 0; t < counts.tableaus; ++t) {
        std::optional<std::vector<std::uint8_t>> cards = cardsOf(dealt.piles.tableau(t));
        if (!cards ||
            std::ranges::any_of(*cards, [&](int c) { return !dealt.cards.isFaceUp(c); })) {
            return std::nullopt;
        }
        deal.piles.push_back(std::move(*cards));
    }
    std::size_t heldCards = 0;
    for (int r = 0; r < counts.reserves; ++r) {
        std::optional<std::vector<std::uint8_t>> cards = cardsOf(dealt.piles.reserve(r));
        if (!cards ||
            std::ranges::any_of(*cards, [&](int c) { return !dealt.cards.isFaceUp(c); })) {
            return std::nullopt;
        }
        heldCards = std::max(heldCards, cards->size());
        deal.piles.push_back(std::move(*cards));
    }
    std::optional<std::vector<std::uint8_t>> stock = cardsOf(dealt.piles.stock(table::kStock));
    if (!stock) {
        return std::nullopt;
    }
    std::ranges::reverse(*stock);
    deal.stock = std::move(*stock);
    // Room on a reserve for a card of each click, and one more.
    const std::size_t clicks = (deal.stock.size() + at(deal.reserves) - 1) / at(deal.reserves);
    if (heldCards + clicks + 1 > at(kMaxHeight)) {
        return std::nullopt;
    }
    return deal;
}

GallerySearchResult searchGalleryDeal(const GalleryDeal& deal, long positions,
                                      const std::atomic<bool>* stop) {
    return GallerySearch(deal, positions, stop).run();
}

} // namespace vellomir::engine
