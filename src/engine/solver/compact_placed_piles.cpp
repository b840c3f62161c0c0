#include "engine/solver/compact_placed_piles.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/actions/quiet_frontend.h"
#include "engine/rules/card_move.h"
#include "engine/rules/target_checks.h"
#include "engine/solver/waste_pile_probes.h"
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <random>
#include <ranges>
#include <string>
#include <unordered_map>

namespace vellomir::engine {

namespace param = catalogue::param;

namespace {

constexpr int kStopCheckEvery = 1024;
// How far each pass may leave the order of choices, in all; the last, not
// at all bounded, searches every choice.
constexpr std::array kAllowances{0, 1, 2, 3, 4, 6, 8, 12, std::numeric_limits<int>::max()};
constexpr unsigned kDiveSeed = 151;
constexpr int kOneCardAtATime = 1;
// Bytes a stored position costs beyond its key: the hash set's node and
// bucket, about.
constexpr std::size_t kSetEntryBytes = 48;

using Mask = std::uint64_t;
using Before = std::array<Mask, PlacedPilesDeal::kMaxCards + 1>;

Mask bit(int card) {
    return Mask{1} << card;
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The cards foundation `f` takes from the table's own cards on, once the
// stock is spent, asked of its target check on a copy built up card by
// card, each card coming from a pile; nothing unless each answer is one
// card or none.
std::optional<std::vector<std::uint8_t>> chainOf(const table::ProgramState& dealt,
                                                 const table::ProgramState& bare,
                                                 QuietFrontend& frontend, int f, Mask inPlay) {
    table::ProgramState probe = bare;
    probe.piles.foundation(f) = dealt.piles.foundation(f);
    const table::PileRef to{table::PileKind::Foundation, f};
    const table::PileRef pile{table::PileKind::Tableau, 0};
    std::vector<std::uint8_t> chain;
    while (true) {
        int next = 0;
        for (int card = 1; card <= PlacedPilesDeal::kMaxCards; ++card) {
            if ((inPlay & bit(card)) == 0) {
                continue;
            }
            probe.piles.tableau(0) = table::cardText(card);
            if (foundationTargetCheck(probe, frontend, {card, 1, pile, to})) {
                if (next != 0) {
                    return std::nullopt; // two cards want the same place
                }
                next = card;
            }
        }
        probe.piles.tableau(0).clear();
        if (next == 0) {
            return chain;
        }
        chain.push_back(static_cast<std::uint8_t>(next));
        inPlay &= ~bit(next);
        probe.piles.foundation(f) += table::cardText(next);
    }
}

// Whether no foundation takes any card in play from a pile while the stock
// holds a card.
bool foundationsClosedWhileStockHolds(const table::ProgramState& dealt,
                                      const table::ProgramState& bare, QuietFrontend& frontend,
                                      int foundations, Mask inPlay) {
    table::ProgramState probe = bare;
    for (int f = 0; f < foundations; ++f) {
        probe.piles.foundation(f) = dealt.piles.foundation(f);
    }
    const table::PileRef pile{table::PileKind::Tableau, 0};
    for (int card = 1; card <= PlacedPilesDeal::kMaxCards; ++card) {
        if ((inPlay & bit(card)) == 0) {
            continue;
        }
        const int other = card == 1 ? 2 : 1;
        probe.piles.stock(table::kStock) = table::cardText(other);
        probe.piles.tableau(0) = table::cardText(card);
        for (int f = 0; f < foundations; ++f) {
            if (foundationTargetCheck(probe, frontend,
                                      {card, 1, pile, {table::PileKind::Foundation, f}})) {
                return false;
            }
        }
    }
    return true;
}

// The search: the piles as they stand, and for each card the cards that
// must go up before it (closed under that relation).
class PlacedPilesSearch {
public:
    PlacedPilesSearch(const PlacedPilesDeal& deal, long positions, const std::atomic<bool>* stop)
        : m_deal(deal), m_budget(positions), m_stop(stop), m_piles(deal.dealtPiles) {
        for (std::size_t f = 0; f < deal.chains.size(); ++f) {
            const std::vector<std::uint8_t>& chain = deal.chains[f];
            Mask earlier = 0;
            for (const std::uint8_t& card : chain) {
                m_before[at(card)] = earlier;
                m_foundationOf[at(card)] = static_cast<std::uint8_t>(f);
                m_wanted[at(card)] = static_cast<int>(&card - chain.data());
                m_chainLength = std::max(m_chainLength, static_cast<int>(chain.size()));
                m_inPlay |= bit(card);
                earlier |= bit(card);
            }
        }
        for (const std::vector<std::uint8_t>& pile : m_piles) {
            Mask above = 0;
            for (auto card = pile.rbegin(); card != pile.rend(); ++card) {
                m_before[*card] |= above;
                above |= bit(*card);
            }
        }
        close(m_before);
    }

    PlacedPilesSearchResult run() {
        PlacedPilesSearchResult result;
        const bool acyclic =
            std::ranges::none_of(std::views::iota(1, PlacedPilesDeal::kMaxCards + 1),
                                 [&](int card) { return (m_before[at(card)] & bit(card)) != 0; });
        // Lines placing cards at random first, for half the positions;
        // then passes that may leave the order of choices a little more
        // each time (limited discrepancy); the last may take any choice:
        // searched out, it proves the deal lost.
        std::mt19937 random(kDiveSeed);
        const long diving = m_budget / 2;
        while (acyclic && m_positions < diving && !stopAsked()) {
            if (dive(random)) {
                m_outcome = PlacedPilesSearchResult::Outcome::Won;
                break;
            }
        }
        if (m_positions > m_budget || stopAsked()) {
            m_outcome = PlacedPilesSearchResult::Outcome::OutOfBudget;
        }
        if (m_outcome == PlacedPilesSearchResult::Outcome::Exhausted) {
            m_line.clear();
        }
        for (const int allowance : kAllowances) {
            if (!acyclic || m_outcome != PlacedPilesSearchResult::Outcome::Exhausted) {
                break;
            }
            if (place(0, m_before, allowance)) {
                m_outcome = PlacedPilesSearchResult::Outcome::Won;
            }
        }
        result.outcome = m_outcome;
        result.positions = m_positions;
        result.storedBytes = m_seenBytes;
        if (m_outcome == PlacedPilesSearchResult::Outcome::Won) {
            result.line = m_line;
            sendEveryCard(result.line);
        }
        return result;
    }

private:
    bool stopAsked() const { return m_stop != nullptr && m_stop->load(); }

    // Closes each card's set under the relation: what must go up before a
    // card that must go up before it must too.
    void close(Before& before) const {
        bool grew = true;
        while (grew) {
            grew = false;
            for (int card = 1; card <= PlacedPilesDeal::kMaxCards; ++card) {
                Mask all = before[at(card)];
                for (Mask rest = before[at(card)]; rest != 0; rest &= rest - 1) {
                    all |= before[at(std::countr_zero(rest))];
                }
                grew = grew || all != before[at(card)];
                before[at(card)] = all;
            }
        }
    }

    Mask maskOf(const std::vector<std::uint8_t>& pile) const {
        Mask mask = 0;
        for (const int card : pile) {
            mask |= bit(card);
        }
        return mask;
    }

    // The piles in sorted order, each closed by a 0: the position's key.
    std::string key() const {
        std::vector<std::string> piles;
        for (const std::vector<std::uint8_t>& pile : m_piles) {
            piles.emplace_back(pile.begin(), pile.end());
        }
        std::ranges::sort(piles);
        std::string key;
        for (const std::string& pile : piles) {
            key += pile;
            key += '\0';
        }
        return key;
    }

    struct Choice {
        int pile;
        int cost;
    };

    // The piles `card` may go on now, each with what it costs: first those
    // whose top card must go up after this one anyway (the card adds
    // nothing to wait for), the tightest fit first; then those whose top
    // card its foundation wants later than this one; then one empty pile,
    // the dearer the sooner the card is wanted (a king is best there);
    // then the rest, whose top would wait for this card. With `random`,
    // in an order at random instead: on 31 deals lines placing cards at
    // random won 21, lines in this order with the costs stirred a little
    // 2 (piles are few, and a card kept off a pile keeps it free).
    std::vector<Choice> choicesFor(int card, const Before& before, std::mt19937* random) const {
        constexpr int kFree = -20;
        constexpr int kEmpty = 4;
        constexpr int kSooner = 20;
        std::vector<Choice> choices;
        bool emptyTried = false;
        for (int p = 0; p < m_deal.piles; ++p) {
            const std::vector<std::uint8_t>& pile = m_piles[at(p)];
            int cost = 0;
            if (pile.empty()) {
                if (emptyTried) {
                    continue;
                }
                emptyTried = true;
                cost = kEmpty + m_chainLength - m_wanted[at(card)];
            } else {
                if ((before[at(card)] & maskOf(pile)) != 0) {
                    continue; // a card of the pile must go up before this one
                }
                const int top = pile.back();
                const int gap = m_wanted[at(top)] - m_wanted[at(card)];
                cost = (before[at(top)] & bit(card)) != 0 ? kFree + gap
                       : gap >= 0                         ? gap
                                                          : kSooner - gap;
            }
            choices.push_back({p, cost});
        }
        if (random != nullptr) {
            std::ranges::shuffle(choices, *random);
        } else {
            std::ranges::stable_sort(choices, {}, &Choice::cost);
        }
        return choices;
    }

    // One line of placements, each card on a pile taken at random of those
    // that leave every card to come a pile it may go on: true, with the
    // line kept, once every card is placed.
    bool dive(std::mt19937& random) {
        ++m_positions; // a line that cannot place its first card costs too
        const std::vector<std::vector<std::uint8_t>> piles = m_piles;
        Before before = m_before;
        m_line.clear();
        for (std::size_t next = 0; next < m_deal.order.size(); ++next) {
            const int card = m_deal.order[next];
            bool placed = false;
            for (const Choice& choice : choicesFor(card, before, &random)) {
                if (++m_positions > m_budget) {
                    break;
                }
                std::vector<std::uint8_t>& pile = m_piles[at(choice.pile)];
                Before after = before;
                placeOn(card, maskOf(pile), before, after);
                pile.push_back(static_cast<std::uint8_t>(card));
                if (!deadEnd(next + 1, after)) {
                    before = after;
                    m_line.push_back({PlacedPilesMove::Kind::Place,
                                      static_cast<std::uint8_t>(choice.pile), 0,
                                      static_cast<std::uint8_t>(card)});
                    placed = true;
                    break;
                }
                pile.pop_back();
            }
            if (!placed) {
                m_piles = piles;
                return false;
            }
        }
        return true;
    }

    // Whether a card still to be placed (after the first `placed` of the
    // order) can go on no pile, ever: no pile is empty and each holds a
    // card that must go up before it. Piles and the sets only grow, so it
    // never could again.
    bool deadEnd(std::size_t placed, const Before& before) const {
        std::array<Mask, PlacedPilesDeal::kMaxPiles> masks{};
        for (int p = 0; p < m_deal.piles; ++p) {
            if (m_piles[at(p)].empty()) {
                return false;
            }
            masks[at(p)] = maskOf(m_piles[at(p)]);
        }
        for (std::size_t i = placed; i < m_deal.order.size(); ++i) {
            const Mask waits = before[m_deal.order[i]];
            if (std::all_of(masks.begin(), masks.begin() + m_deal.piles,
                            [&](Mask mask) { return (waits & mask) != 0; })) {
                return true;
            }
        }
        return false;
    }

    // The sets after `card` goes on a pile of the cards `mask`: every card
    // of the pile, and every card that waits for one, waits for it and for
    // what it waits for.
    void placeOn(int card, Mask mask, const Before& before, Before& after) const {
        const Mask first = before[at(card)] | bit(card);
        for (Mask rest = m_inPlay; rest != 0; rest &= rest - 1) {
            const int other = std::countr_zero(rest);
            if ((mask & bit(other)) != 0 || (before[at(other)] & mask) != 0) {
                after[at(other)] |= first;
            }
        }
    }

    // Places the cards of the order from `next` on; true once all are
    // placed with no card waiting for itself.
    bool place(std::size_t next, const Before& before, int allowance) {
        if (next == m_deal.order.size()) {
            return true;
        }

        const int card = m_deal.order[next];
        std::vector<Choice> choices = choicesFor(card, before, nullptr);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            const Choice& choice = choices[i];
            const int left = allowance - static_cast<int>(i);
            if (left < 0 || m_outcome != PlacedPilesSearchResult::Outcome::Exhausted) {
                return false;
            }
            std::vector<std::uint8_t>& pile = m_piles[at(choice.pile)];
            const Mask mask = maskOf(pile);
            pile.push_back(static_cast<std::uint8_t>(card));
            const std::string seenKey = key();
            // A position searched once with as many choices left or more
            // needs no second search.
            const auto [seen, fresh] = m_seen.try_emplace(seenKey, left);
            if (fresh || seen->second < left) {
                seen->second = left;
                m_seenBytes += fresh ? seenKey.size() + kSetEntryBytes : 0;
                if (++m_positions > m_budget ||
                    (m_positions % kStopCheckEvery == 0 && m_stop != nullptr && m_stop->load())) {
                    m_outcome = PlacedPilesSearchResult::Outcome::OutOfBudget;
                    pile.pop_back();
                    return false;
                }
                Before after = before;
                placeOn(card, mask, before, after);
                if (deadEnd(next + 1, after)) {
                    pile.pop_back();
                    continue;
                }
                m_line.push_back({PlacedPilesMove::Kind::Place,
                                  static_cast<std::uint8_t>(choice.pile), 0,
                                  static_cast<std::uint8_t>(card)});
                if (place(next + 1, after, left)) {
                    return true;
                }
                m_line.pop_back();
            }
            pile.pop_back();
        }
        return false;
    }

    // Sends the cards up from the piles the line left, each as soon as its
    // foundation takes it: with no card waiting for itself, all go.
    void sendEveryCard(std::vector<PlacedPilesMove>& line) {
        std::vector<std::size_t> taken(m_deal.chains.size(), 0);
        bool sent = true;
        while (sent) {
            sent = false;
            for (int p = 0; p < m_deal.piles; ++p) {
                std::vector<std::uint8_t>& pile = m_piles[at(p)];
                if (pile.empty()) {
                    continue;
                }
                const int card = pile.back();
                const int f = m_foundationOf[at(card)];
                const std::vector<std::uint8_t>& chain = m_deal.chains[at(f)];
                if (taken[at(f)] < chain.size() && chain[taken[at(f)]] == card) {
                    line.push_back({PlacedPilesMove::Kind::Send, static_cast<std::uint8_t>(p),
                                    static_cast<std::uint8_t>(f), static_cast<std::uint8_t>(card)});
                    ++taken[at(f)];
                    pile.pop_back();
                    sent = true;
                }
            }
        }
    }

    const PlacedPilesDeal& m_deal;
    long m_budget;
    const std::atomic<bool>* m_stop;
    std::vector<std::vector<std::uint8_t>> m_piles;
    Before m_before{};
    std::array<std::uint8_t, PlacedPilesDeal::kMaxCards + 1> m_foundationOf{};
    // How many cards its foundation takes before each card.
    std::array<int, PlacedPilesDeal::kMaxCards + 1> m_wanted{};
    int m_chainLength = 0;
    Mask m_inPlay = 0;
    std::unordered_map<std::string, int> m_seen; // each position and the choices left it had
    std::size_t m_seenBytes = 0;
    long m_positions = 0;
    PlacedPilesSearchResult::Outcome m_outcome = PlacedPilesSearchResult::Outcome::Exhausted;
    std::vector<PlacedPilesMove> m_line;
};

} // namespace

std::optional<PlacedPilesDeal> placedPilesDealFor(const table::ProgramState& dealt,
                                                  const seam::Frontend& geometry) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    const int cards = p[param::CardCount];
    if (!catalogue::isGeneralGame(p) || counts.reserves != 0 || counts.tableaus < 1 ||
        counts.tableaus > PlacedPilesDeal::kMaxPiles || counts.foundations < 1 || cards < 2 ||
        cards > PlacedPilesDeal::kMaxCards || p[param::JokerCount] != 0 ||
        p[param::StockPasses] != 1 || p[param::CardsPerStockClick] != kOneCardAtATime ||
        p[param::WasteButtonDealMode] != kOneCardAtATime ||
        p[param::RunSizeLimit] != kOneCardAtATime ||
        table::cardCount(dealt.piles.stock(table::kWaste)) > 1 ||
        !dealt.piles.stock(table::kDiscard).empty()) {
        return std::nullopt;
    }
    PlacedPilesDeal deal;
    deal.piles = counts.tableaus;
    const std::vector<std::uint8_t> waste = table::cardCodes(dealt.piles.stock(table::kWaste));
    deal.firstOnWaste = !waste.empty();
    deal.order = waste;
    const std::vector<std::uint8_t> stock = table::cardCodes(dealt.piles.stock(table::kStock));
    deal.order.insert(deal.order.end(), stock.rbegin(), stock.rend());
    Mask inPlay = 0;
    for (const int card : deal.order) {
        inPlay |= bit(card);
    }
    for (int t = 0; t < counts.tableaus; ++t) {
        deal.dealtPiles.push_back(table::cardCodes(dealt.piles.tableau(t)));
        for (const int card : deal.dealtPiles.back()) {
            if (!dealt.cards.isFaceUp(card)) {
                return std::nullopt;
            }
            inPlay |= bit(card);
        }
    }
    QuietFrontend frontend(geometry);
    const table::ProgramState bare = bareTable(dealt, cards);
    if (!pilesTakeFromTheWasteOnly(bare, frontend, counts.tableaus, cards)) {
        return std::nullopt;
    }
    if (!deal.order.empty() &&
        !foundationsClosedWhileStockHolds(dealt, bare, frontend, counts.foundations, inPlay)) {
        return std::nullopt;
    }
    Mask chained = 0;
    for (int f = 0; f < counts.foundations; ++f) {
        std::optional<std::vector<std::uint8_t>> chain =
            chainOf(dealt, bare, frontend, f, inPlay & ~chained);
        if (!chain) {
            return std::nullopt;
        }
        for (const int card : *chain) {
            chained |= bit(card);
        }
        deal.chains.push_back(std::move(*chain));
    }
    // Every card in play must have its place on a foundation.
    if (chained != inPlay) {
        return std::nullopt;
    }
    if (!deal.order.empty() && !stockTurnsOneAtATime(dealt, geometry)) {
        return std::nullopt;
    }
    return deal;
}

PlacedPilesSearchResult searchPlacedPilesDeal(const PlacedPilesDeal& deal, long positions,
                                              const std::atomic<bool>* stop) {
    return PlacedPilesSearch(deal, positions, stop).run();
}

} // namespace vellomir::engine
