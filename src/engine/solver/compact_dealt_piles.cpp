#include "engine/solver/compact_dealt_piles.h"

#include "catalogue/parameter_index.h"
#include "engine/actions/automatic_moves.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/rules/placement_check.h"
#include "engine/rules/target_checks.h"
#include "engine/solver/foundations_only_search.h"
#include "engine/solver/key_set.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <bit>

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {

using Mask = DealtPilesDeal::Mask;
constexpr int kStopCheckEvery = 1024;
// The clicks made sit above the cards' bits in a key.
constexpr int kClickShift = DealtPilesDeal::kMaxCards + 1;

Mask bit(int card) {
    return Mask{1} << card;
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// Which cards each foundation takes onto which, asked of its placement
// test; nothing unless every foundation takes alike and by rank alone.
std::optional<std::array<Mask, DealtPilesDeal::kMaxCards + 1>>
takesOf(const table::ProgramState& dealt, const seam::Frontend& geometry, int foundations,
        int cards) {
    QuietFrontend screen(geometry);
    std::array<Mask, DealtPilesDeal::kMaxCards + 1> takes{};
    for (int f = 0; f < foundations; ++f) {
        for (int top = 0; top <= cards; ++top) {
            Mask mask = 0;
            for (int card = 1; card <= cards; ++card) {
                if (card != top &&
                    placementAllowed(dealt, screen,
                                     foundationPlacementQuery(dealt, f, top, card))) {
                    mask |= bit(card);
                }
            }
            if (f > 0 && mask != takes[at(top)]) {
                return std::nullopt; // the foundations take differently
            }
            takes[at(top)] = mask;
        }
    }
    // By rank alone: cards of a rank are taken alike, onto tops of a rank alike.
    for (int a = 1; a <= cards; ++a) {
        for (int b = 1; b <= cards; ++b) {
            if (table::rankOf(a) != table::rankOf(b)) {
                continue;
            }
            for (int top = 0; top <= cards; ++top) {
                if (((takes[at(top)] >> a) & 1U) != ((takes[at(top)] >> b) & 1U)) {
                    return std::nullopt;
                }
            }
            for (int card = 1; card <= cards; ++card) {
                if (card != a && card != b &&
                    ((takes[at(a)] >> card) & 1U) != ((takes[at(b)] >> card) & 1U)) {
                    return std::nullopt;
                }
            }
        }
    }
    return takes;
}

// What each click on the stock deals onto the piles, played through the
// pointer input on a copy of the table with Autoplay off: nothing unless
// each click puts at most one card on each pile and changes nothing else.
std::optional<std::vector<std::array<std::uint8_t, DealtPilesDeal::kMaxPiles>>>
clicksOf(table::ProgramState table, const seam::Frontend& geometry, int piles) {
    QuietFrontend frontend(geometry);
    PlayEngine engine(table, frontend);
    engine.setRecording(false);
    if (autoplayActive(table) && !runGesture(engine, {PointerCommand::Verb::Autoplay, {}, {}})) {
        return std::nullopt;
    }
    std::vector<std::array<std::uint8_t, DealtPilesDeal::kMaxPiles>> clicks;
    const PointerCommand click{
        PointerCommand::Verb::Click, table::pileName({table::PileKind::Stock, table::kStock}), {}};
    while (!table.piles.stock(table::kStock).empty()) {
        const table::PileLists before = table.piles;
        if (!runGesture(engine, click)) {
            return std::nullopt;
        }
        std::array<std::uint8_t, DealtPilesDeal::kMaxPiles> dealtNow{};
        int dealtCards = 0;
        table::PileLists expected = before;
        for (int t = 0; t < piles; ++t) {
            const std::string& was = before.tableau(t);
            const std::string& now = table.piles.tableau(t);
            const int grew = table::cardCount(now) - table::cardCount(was);
            if (grew < 0 || grew > 1 || now.compare(0, was.size(), was) != 0) {
                return std::nullopt;
            }
            if (grew == 1) {
                dealtNow[at(t)] = static_cast<std::uint8_t>(table::topCardOf(now));
                expected.tableau(t) = now;
                ++dealtCards;
            }
        }
        const std::string& stock = before.stock(table::kStock);
        expected.stock(table::kStock) = stock.substr(
            0, stock.size() - static_cast<std::size_t>(dealtCards * table::cardText(1).size()));
        if (dealtCards == 0 || !(table.piles == expected)) {
            return std::nullopt;
        }
        clicks.push_back(dealtNow);
    }
    return clicks;
}

class DealtPilesSearch {
public:
    DealtPilesSearch(const DealtPilesDeal& deal, long positions, const std::atomic<bool>* stop)
        : m_deal(deal), m_budget(positions), m_stop(stop), m_piles(deal.dealtPiles),
          m_tops(deal.tops), m_up(deal.up) {
        for (const auto& pile : m_piles) {
            for (const int card : pile) {
                m_inPlay |= bit(card);
            }
        }
        for (const auto& dealtNow : deal.clicks) {
            for (int t = 0; t < deal.piles; ++t) {
                m_inPlay |= dealtNow[at(t)] != 0 ? bit(dealtNow[at(t)]) : 0;
            }
        }
    }

    DealtPilesSearchResult run() {
        DealtPilesSearchResult result;
        m_seen.insert(key());
        result.outcome = search() ? DealtPilesSearchResult::Outcome::Won : m_outcome;
        result.positions = m_positions;
        result.storedBytes = m_seen.bytes();
        if (result.outcome == DealtPilesSearchResult::Outcome::Won) {
            result.line = m_line;
        }
        return result;
    }

private:
    std::uint64_t key() const {
        return (m_inPlay & ~m_up) | (static_cast<std::uint64_t>(m_clicked) << kClickShift);
    }

    // The first foundation that takes `card` now, or -1.
    int foundationFor(int card) const {
        for (int f = 0; f < m_deal.foundations; ++f) {
            if ((m_deal.takes[m_tops[at(f)]] & bit(card)) != 0) {
                return f;
            }
        }
        return -1;
    }

    // No card not yet up but `card` could want the place it takes: the cards
    // its foundation takes now are no more than the foundations taking all
    // of them.
    bool uncontested(int f) const {
        const Mask wanting = m_deal.takes[m_tops[at(f)]] & m_inPlay & ~m_up;
        int takers = 0;
        for (int g = 0; g < m_deal.foundations; ++g) {
            takers += (m_deal.takes[m_tops[at(g)]] & wanting) == wanting ? 1 : 0;
        }
        return std::popcount(wanting) <= takers;
    }

    bool stopped() {
        if (++m_positions > m_budget ||
            (m_positions % kStopCheckEvery == 0 && m_stop != nullptr && m_stop->load())) {
            m_outcome = DealtPilesSearchResult::Outcome::OutOfBudget;
            return true;
        }
        return false;
    }

    // Tries `move`, then searches on from the position it leads to; the
    // position is put back unless the line won.
    bool tryMove(const DealtPilesMove& move) {
        if (move.isClick()) {
            const auto& dealtNow = m_deal.clicks[at(m_clicked)];
            for (int t = 0; t < m_deal.piles; ++t) {
                if (dealtNow[at(t)] != 0) {
                    m_piles[at(t)].push_back(dealtNow[at(t)]);
                }
            }
            ++m_clicked;
        }
        const std::uint8_t oldTop = move.isClick() ? 0 : m_tops[move.foundation];
        if (!move.isClick()) {
            m_piles[move.pile].pop_back();
            m_up |= bit(move.card);
            m_tops[move.foundation] = move.card;
        }
        bool won = false;
        if (m_seen.insert(key())) {
            m_line.push_back(move);
            won = !stopped() && search();
            if (!won) {
                m_line.pop_back();
            }
        }
        if (won) {
            return true;
        }
        if (move.isClick()) {
            --m_clicked;
            const auto& dealtNow = m_deal.clicks[at(m_clicked)];
            for (int t = 0; t < m_deal.piles; ++t) {
                if (dealtNow[at(t)] != 0) {
                    m_piles[at(t)].pop_back();
                }
            }
        } else {
            m_tops[move.foundation] = oldTop;
            m_up &= ~bit(move.card);
            m_piles[move.pile].push_back(move.card);
        }
        return false;
    }

    bool search() {
        if ((m_inPlay & ~m_up) == 0) {
            return true;
        }
        if (m_outcome != DealtPilesSearchResult::Outcome::Exhausted) {
            return false;
        }
        std::vector<DealtPilesMove> moves;
        for (int t = 0; t < m_deal.piles; ++t) {
            if (m_piles[at(t)].empty()) {
                continue;
            }
            const int card = m_piles[at(t)].back();
            const int f = foundationFor(card);
            if (f < 0) {
                continue;
            }
            const DealtPilesMove up{static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(f),
                                    static_cast<std::uint8_t>(card)};
            if (uncontested(f)) {
                return tryMove(up); // nothing is lost by it: the only move here
            }
            moves.push_back(up);
        }
        if (m_clicked < static_cast<int>(m_deal.clicks.size())) {
            moves.push_back({});
        }
        for (const DealtPilesMove& move : moves) {
            if (tryMove(move)) {
                return true;
            }
            if (m_outcome != DealtPilesSearchResult::Outcome::Exhausted) {
                return false;
            }
        }
        return false;
    }

    const DealtPilesDeal& m_deal;
    long m_budget;
    const std::atomic<bool>* m_stop;
    std::vector<std::vector<std::uint8_t>> m_piles;
    std::array<std::uint8_t, DealtPilesDeal::kMaxFoundations> m_tops;
    Mask m_up = 0;
    Mask m_inPlay = 0; // every card not up at the start, up since or not
    int m_clicked = 0;
    BasicKeySet<std::uint64_t> m_seen;
    long m_positions = 0;
    DealtPilesSearchResult::Outcome m_outcome = DealtPilesSearchResult::Outcome::Exhausted;
    std::vector<DealtPilesMove> m_line;
};

} // namespace

std::optional<DealtPilesDeal> dealtPilesDealFor(const table::ProgramState& dealt,
                                                const seam::Frontend& geometry) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    const int cards = p[param::CardCount];
    bool dealsOntoPiles = false;
    for (int t = 0; t < counts.tableaus; ++t) {
        dealsOntoPiles = dealsOntoPiles || p[param::TableauLaterDeal + t] != 0;
    }
    if (!foundationsOnlyGame(dealt) || !dealsOntoPiles || cards < 2 ||
        cards > DealtPilesDeal::kMaxCards || p[param::JokerCount] != 0 ||
        counts.tableaus > DealtPilesDeal::kMaxPiles ||
        counts.foundations > DealtPilesDeal::kMaxFoundations ||
        !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    DealtPilesDeal deal;
    deal.piles = counts.tableaus;
    deal.foundations = counts.foundations;
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        deal.dealtPiles.emplace_back();
        for (int i = 0; i < table::cardCount(pile); ++i) {
            const int card = table::cardAt(pile, i);
            if (card < 1 || card > cards || !dealt.cards.isFaceUp(card)) {
                return std::nullopt;
            }
            deal.dealtPiles.back().push_back(static_cast<std::uint8_t>(card));
        }
    }
    for (int f = 0; f < counts.foundations; ++f) {
        const std::string& pile = dealt.piles.foundation(f);
        deal.tops[at(f)] = static_cast<std::uint8_t>(table::topCardOf(pile));
        for (int i = 0; i < table::cardCount(pile); ++i) {
            deal.up |= bit(table::cardAt(pile, i));
        }
    }
    for (int card = 1; card <= cards; ++card) {
        deal.rankOf[at(card)] = static_cast<std::uint8_t>(table::rankOf(card));
    }
    std::optional<std::array<Mask, DealtPilesDeal::kMaxCards + 1>> takes =
        takesOf(dealt, geometry, counts.foundations, cards);
    std::optional<std::vector<std::array<std::uint8_t, DealtPilesDeal::kMaxPiles>>> clicks =
        clicksOf(dealt, geometry, counts.tableaus);
    if (!takes || !clicks) {
        return std::nullopt;
    }
    deal.takes = *takes;
    deal.clicks = std::move(*clicks);
    return deal;
}

DealtPilesSearchResult searchDealtPilesDeal(const DealtPilesDeal& deal, long positions,
                                            const std::atomic<bool>* stop) {
    return DealtPilesSearch(deal, positions, stop).run();
}

} // namespace vellomir::engine
