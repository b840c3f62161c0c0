#include "engine/solver/compact_refill.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/automatic_moves.h"
#include "engine/rules/selection_rules.h"
#include "engine/solver/key_set.h"
#include "engine/solver/search_passes.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <mutex>
#include <random>

namespace vellomir::engine {

using catalogue::FillStyle;
using catalogue::GameType;
using catalogue::gameTypeOf;

namespace {

namespace param = catalogue::param;

constexpr int kRanks = 13;
constexpr int kCopies = 4;            // cards of a rank in one pack
constexpr int kMostSelected = 13;     // more than any selection holds
constexpr int kStopCheckEvery = 1024; // positions between two reads of the stop flag

using Counts = std::vector<std::uint8_t>; // cards by rank, index 1 to 13

bool refillGame(GameType type) {
    return type == GameType::Elevens || type == GameType::NumbersToTarget ||
           type == GameType::Eighteens;
}

// The selections that leave under the game's rule: from the empty
// selection, a card of each rank joins while the rule leaves the selection
// open; each set of ranks is tried once, its cards joining from the lowest
// rank up. The cards stand for their ranks (the first pack's, one copy
// after another).
std::vector<Counts> selectionsOf(const table::ProgramState& state, const SelectionRule& rule) {
    std::vector<Counts> complete;
    std::vector<int> cards;
    Counts counts(kRanks + 1, 0);
    // Each set of ranks once: the ranks joining from the lowest up.
    auto grow = [&](auto& self, int lowest) -> void {
        if (static_cast<int>(cards.size()) >= kMostSelected) {
            return;
        }
        for (int rank = lowest; rank <= kRanks; ++rank) {
            const std::size_t r = static_cast<std::size_t>(rank);
            if (counts[r] >= kCopies) {
                continue;
            }
            cards.push_back(rank + kRanks * counts[r]);
            ++counts[r];
            const SelectionVerdict verdict = rule.judge(state, cards);
            if (verdict == SelectionVerdict::Complete) {
                complete.push_back(counts);
            } else if (verdict == SelectionVerdict::Open) {
                self(self, rank);
            }
            --counts[r];
            cards.pop_back();
        }
    };
    grow(grow, 1);
    return complete;
}

// The selections of each game type and target, found once.
const std::vector<Counts>& cachedSelections(const table::ProgramState& state,
                                            const SelectionRule& rule) {
    static std::mutex guard;
    static std::map<std::pair<int, int>, std::vector<Counts>> known;
    const std::pair<int, int> key{state.params[param::GameType],
                                  state.params[param::SelectionGame]};
    const std::lock_guard lock(guard);
    auto it = known.find(key);
    if (it == known.end()) {
        it = known.emplace(key, selectionsOf(state, rule)).first;
    }
    return it->second;
}

} // namespace

std::optional<RefillDeal> refillDealFor(const table::ProgramState& dealt, const seam::Frontend&,
                                        bool keepAutoplay) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    const SelectionRule* rule = selectionRuleOf(dealt);
    if (!refillGame(gameTypeOf(p)) || rule == nullptr || counts.reserves != 0 ||
        counts.tableaus < 1 || p[param::TableauMaxCards] != 1 ||
        p[param::FillStyle] != catalogue::codeOf(FillStyle::FromStockOrWaste) ||
        p[param::CardCount] > RefillDeal::kMaxCards || !dealt.piles.foundation(0).empty() ||
        !dealt.piles.stock(table::kWaste).empty() || (keepAutoplay && !autoplayActive(dealt))) {
        return std::nullopt;
    }
    RefillDeal deal;
    deal.places = counts.tableaus;
    const std::string& stock = dealt.piles.stock(table::kStock);
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        if (pile.empty()) {
            if (!stock.empty()) {
                return std::nullopt;
            }
            continue;
        }
        const int card = table::cardAt(pile, 0);
        if (table::cardCount(pile) != 1 || card < 1 || !dealt.cards.isFaceUp(card) ||
            table::rankOf(card) < 1 || table::rankOf(card) > kRanks) {
            return std::nullopt;
        }
        deal.order.push_back(static_cast<std::uint8_t>(card));
    }
    // Every card on the table may be chosen.
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        if (!pile.empty() && !rule->maySelect(dealt, {},
                                              {table::cardAt(pile, 0),
                                               table::pileName({table::PileKind::Tableau, t})})) {
            return std::nullopt;
        }
    }
    for (int i = table::cardCount(stock) - 1; i >= 0; --i) {
        const int card = table::cardAt(stock, i);
        if (card < 1 || table::rankOf(card) > kRanks) {
            return std::nullopt;
        }
        deal.order.push_back(static_cast<std::uint8_t>(card));
    }
    if (deal.order.size() > RefillDeal::kMaxCards) {
        return std::nullopt;
    }
    deal.selections = cachedSelections(dealt, *rule);
    if (deal.selections.empty()) {
        return std::nullopt;
    }
    return deal;
}

namespace {

// The depth-first search of a RefillDeal. Cards only leave, so no line
// comes back to a position; the passes share the set of positions seen and
// a pass cut short takes back those of its line. Cards of one rank on the
// table are alike (the rule reads ranks alone, and both stay on the table
// until they leave), so a removal takes the first of them in the order.
class RefillSearch {
public:
    RefillSearch(const RefillDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop), m_seen(kFirstSlots) {
        m_cards = static_cast<int>(deal.order.size());
        m_all = m_cards == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << m_cards) - 1;
    }

    RefillSearchResult run(long positions) {
        RefillSearchResult result;
        if (m_cards == 0) {
            result.outcome = RefillSearchResult::Outcome::Won;
            return result;
        }
        const PassesEnd end = runPasses(
            positions, kPassPositions,
            [&](int order, long budget) { return pass(order, budget, result.line); },
            [&] { return m_searched; }, [&] { return stopped(); });
        recordSearchEnd(end, m_searched, m_seen.bytes() + m_frames.capacity() * sizeof(Frame),
                        result);
        return result;
    }

private:
    static constexpr long kPassPositions = 2000;
    // Most deals are answered within a few dozen positions.
    static constexpr std::size_t kFirstSlots = 16;
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    struct Frame {
        std::uint64_t gone = 0;
        std::vector<std::uint64_t> moves; // the cards of each removal, a bit each
        std::size_t next = 0;
        std::uint64_t move = 0; // the removal that led here
    };

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    // The removals of a position, in the pass's order.
    void movesHere(Frame& frame, int order, std::mt19937& shuffle) const {
        frame.moves.clear();
        frame.next = 0;
        const int shown = std::min(m_cards, m_deal.places + std::popcount(frame.gone));
        // The table's cards of each rank, first in the order first.
        std::array<std::array<std::int8_t, kCopies>, kRanks + 1> byRank{};
        std::array<int, kRanks + 1> count{};
        for (int i = 0; i < shown; ++i) {
            if ((frame.gone >> i & 1U) == 0) {
                const int rank = table::rankOf(m_deal.order[at(i)]);
                if (count[at(rank)] < kCopies) {
                    byRank[at(rank)][at(count[at(rank)]++)] = static_cast<std::int8_t>(i);
                }
            }
        }
        for (const Counts& selection : m_deal.selections) {
            std::uint64_t cards = 0;
            bool there = true;
            for (int rank = 1; rank <= kRanks && there; ++rank) {
                const int need = selection[at(rank)];
                there = need <= count[at(rank)];
                for (int k = 0; k < need && there; ++k) {
                    cards |= std::uint64_t{1} << byRank[at(rank)][at(k)];
                }
            }
            if (there) {
                frame.moves.push_back(cards);
            }
        }
        if (order == 1) {
            // The largest removals first.
            std::ranges::stable_sort(frame.moves, [](std::uint64_t a, std::uint64_t b) {
                return std::popcount(a) > std::popcount(b);
            });
        } else if (order > 1) {
            std::ranges::shuffle(frame.moves, shuffle);
        }
    }

    PassEnd pass(int order, long budget, std::vector<std::vector<std::uint8_t>>& line) {
        std::mt19937 shuffle(static_cast<std::uint32_t>(order));
        m_frames.clear();
        m_frames.emplace_back();
        m_seen.insert(kMark);
        movesHere(m_frames.back(), order, shuffle);
        long spent = 0;
        while (!m_frames.empty()) {
            Frame& frame = m_frames.back();
            if (frame.next == frame.moves.size()) {
                m_frames.pop_back();
                continue;
            }
            const std::uint64_t move = frame.moves[frame.next++];
            const std::uint64_t gone = frame.gone | move;
            if (!m_seen.insert(gone | kMark)) {
                continue;
            }
            ++m_searched;
            ++spent;
            if (gone == m_all) {
                for (std::size_t i = 1; i < m_frames.size(); ++i) {
                    line.push_back(cardsOf(m_frames[i].move));
                }
                line.push_back(cardsOf(move));
                return PassEnd::Won;
            }
            if (spent >= budget || (spent % kStopCheckEvery == 0 && stopped())) {
                m_seen.erase(gone | kMark);
                for (const Frame& open : m_frames) {
                    m_seen.erase(open.gone | kMark);
                }
                return PassEnd::CutShort;
            }
            Frame next;
            next.gone = gone;
            next.move = move;
            movesHere(next, order, shuffle);
            m_frames.push_back(std::move(next));
        }
        return PassEnd::SearchedOut;
    }

    std::vector<std::uint8_t> cardsOf(std::uint64_t move) const {
        std::vector<std::uint8_t> cards;
        for (; move != 0; move &= move - 1) {
            cards.push_back(m_deal.order[at(std::countr_zero(move))]);
        }
        return cards;
    }

    // Above every card's bit: the key of the deal itself is never 0.
    static constexpr std::uint64_t kMark = std::uint64_t{1} << 63;

    const RefillDeal& m_deal;
    const std::atomic<bool>* m_stop;
    int m_cards = 0;
    std::uint64_t m_all = 0;
    KeySet m_seen;
    std::vector<Frame> m_frames;
    long m_searched = 0;
};

} // namespace

RefillSearchResult searchRefillDeal(const RefillDeal& deal, long positions,
                                    const std::atomic<bool>* stop) {
    return RefillSearch(deal, stop).run(positions);
}

} // namespace vellomir::engine
