#include "engine/solver/compact_aces_up.h"

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
#include "table/card.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <random>

namespace vellomir::engine {

using catalogue::GameType;
using catalogue::gameTypeOf;

namespace param = catalogue::param;

namespace {

// Card codes 1 to 52 and the piles a moved card may lie at the bottom of.
constexpr int kLastCard = AcesUpDeal::kCodes - 1;
constexpr int kPlacesOfACard = 8; // where it was dealt, discarded, or in one of six spaces
constexpr int kStatusBits = 3;
constexpr int kMaxSpaces = kPlacesOfACard - 2;
constexpr int kRoundBits = 5;

// The stock's rounds, learnt by clicking it on a copy of the deal through
// the pointer input until it is empty: each click must put one card face
// up on every pile and change nothing else.
std::optional<std::vector<std::array<std::uint8_t, AcesUpDeal::kMaxPiles>>>
learnRounds(const table::ProgramState& dealt, const seam::Frontend& geometry, int piles) {
    table::ProgramState copy = dealt;
    QuietFrontend frontend(geometry);
    PlayEngine engine(copy, frontend);
    engine.setRecording(false);
    std::string problem;
    if (autoplayActive(copy) &&
        !runPointerCommand(engine, {PointerCommand::Verb::Autoplay, {}, {}}, problem)) {
        return std::nullopt;
    }
    std::vector<std::array<std::uint8_t, AcesUpDeal::kMaxPiles>> rounds;
    while (!copy.piles.stock(table::kStock).empty()) {
        const table::PileLists before = copy.piles;
        if (!runGesture(engine, {PointerCommand::Verb::Click, "Mazzo", {}})) {
            return std::nullopt;
        }
        table::PileLists expected = before;
        std::array<std::uint8_t, AcesUpDeal::kMaxPiles> round{};
        const int dealtCards = table::cardCount(before.stock(table::kStock)) -
                               table::cardCount(copy.piles.stock(table::kStock));
        if (dealtCards != piles) {
            return std::nullopt;
        }
        for (int t = 0; t < piles; ++t) {
            const std::string& now = copy.piles.tableau(t);
            if (table::cardCount(now) != table::cardCount(before.tableau(t)) + 1) {
                return std::nullopt;
            }
            const int card = table::topCardOf(now);
            if (!copy.cards.isFaceUp(card)) {
                return std::nullopt;
            }
            round[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(card);
            expected.tableau(t) += table::cardText(card);
        }
        // The cards dealt are the stock's top ones, in any order.
        const std::string& stock = before.stock(table::kStock);
        const int held = table::cardCount(stock);
        std::vector<int> fromTop;
        for (int i = held - piles; i < held; ++i) {
            fromTop.push_back(table::cardAt(stock, i));
        }
        for (int t = 0; t < piles; ++t) {
            const auto found =
                std::find(fromTop.begin(), fromTop.end(), round[static_cast<std::size_t>(t)]);
            if (found == fromTop.end()) {
                return std::nullopt;
            }
            fromTop.erase(found);
        }
        // What is left of the stock is what lay under those cards.
        expected.stock(table::kStock) =
            stock.substr(0, stock.size() / static_cast<std::size_t>(held) *
                                static_cast<std::size_t>(held - piles));
        if (copy.piles != expected) {
            return std::nullopt;
        }
        rounds.push_back(round);
    }
    return rounds;
}

} // namespace

std::optional<AcesUpDeal> acesUpDealFor(const table::ProgramState& dealt,
                                        const seam::Frontend& geometry) {
    const catalogue::GameParameters& p = dealt.params;
    const table::PileCounts counts = table::PileCounts::of(p);
    if (gameTypeOf(p) != GameType::AcesUp || counts.reserves != 0 || counts.foundations != 1 ||
        counts.tableaus < 2 || counts.tableaus > kMaxSpaces || p[param::CardCount] != kLastCard ||
        !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    AcesUpDeal deal;
    deal.piles = counts.tableaus;
    for (int t = 0; t < counts.tableaus; ++t) {
        const std::string& pile = dealt.piles.tableau(t);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (!dealt.cards.isFaceUp(table::cardAt(pile, i))) {
                return std::nullopt;
            }
        }
        deal.start.push_back(table::cardCodes(pile));
    }
    std::optional<std::vector<std::array<std::uint8_t, AcesUpDeal::kMaxPiles>>> rounds =
        learnRounds(dealt, geometry, counts.tableaus);
    if (!rounds) {
        return std::nullopt;
    }
    deal.rounds = std::move(*rounds);
    deal.discarded = table::cardCount(dealt.piles.foundation(0));
    deal.discardsToWin = kLastCard - counts.tableaus;

    // The foundation's rule on a table of two piles: the card on one, the
    // card that may beat it on the other. A space's rule on an empty pile.
    QuietFrontend frontend(geometry);
    table::ProgramState probe = dealt;
    probe.piles.stock(table::kStock).clear();
    for (int t = 0; t < counts.tableaus; ++t) {
        probe.piles.tableau(t).clear();
    }
    probe.piles.foundation(0).clear();
    const table::PileRef foundation{table::PileKind::Foundation, 0};
    const table::PileRef first{table::PileKind::Tableau, 0};
    const table::PileRef second{table::PileKind::Tableau, 1};
    for (int card = 1; card <= kLastCard; ++card) {
        probe.piles.tableau(1).clear();
        probe.piles.tableau(0) = table::cardText(card);
        deal.spaceTakes[static_cast<std::size_t>(card)] =
            tableauTargetCheck(probe, frontend, {card, 1, first, second});
        for (int other = 1; other <= kLastCard; ++other) {
            if (other == card) {
                continue;
            }
            probe.piles.tableau(1) = table::cardText(other);
            deal.discardsWith[static_cast<std::size_t>(card)][static_cast<std::size_t>(other)] =
                foundationTargetCheck(probe, frontend, {card, 1, first, foundation});
        }
    }
    return deal;
}

namespace {

using Key = std::array<std::uint64_t, 3>;
static_assert(AcesUpDeal::kCodes * kStatusBits + kRoundBits <= 64 * 3);

// Where each card lies, as a key packs it.
enum Status : std::uint8_t { kWhereDealt = 0, kDiscarded = 1, kFirstSpace = 2 };

// The depth-first search of an AcesUpDeal, in passes as the discard games'
// search runs them, sharing the set of positions met.
class AcesUpSearch {
public:
    AcesUpSearch(const AcesUpDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop) {}

    AcesUpSearchResult run(long positions) {
        return runDepthFirstPasses<AcesUpSearchResult>(*this, m_frames, m_seen, m_searched,
                                                       positions, kPassPositions);
    }

    // The position, played by runDepthFirstPasses.

    // Positions a pass searches before the next order takes over.
    static constexpr long kPassPositions = 20000;
    static constexpr int kMaxMoves = AcesUpDeal::kMaxPiles * AcesUpDeal::kMaxPiles + 1;
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    // What a move changed besides the piles' heights: the card it moved
    // and where the card lay before.
    struct Undo {
        std::uint8_t card = 0;
        std::uint8_t status = 0;
    };

    using Frame = PassFrame<AcesUpMove, Undo, Key, kMaxMoves>;

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    void setStatus(int card, int status) {
        const int shift = card * kStatusBits;
        for (int b = 0; b < kStatusBits; ++b) {
            const int bit = shift + b;
            std::uint64_t& word = m_key[at(bit / 64)];
            const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
            word = (status >> b & 1) != 0 ? word | mask : word & ~mask;
        }
        m_status[at(card)] = static_cast<std::uint8_t>(status);
    }

    void setRound(int round) {
        const int shift = AcesUpDeal::kCodes * kStatusBits;
        for (int b = 0; b < kRoundBits; ++b) {
            const int bit = shift + b;
            std::uint64_t& word = m_key[at(bit / 64)];
            const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
            word = (round >> b & 1) != 0 ? word | mask : word & ~mask;
        }
        m_round = round;
    }

    Key key() const { return m_key; }

    void reset() {
        m_key = Key{};
        m_status.fill(kDiscarded);
        setStatus(0, 1); // the key's mark: the first word is never 0
        for (int card = 1; card <= kLastCard; ++card) {
            setStatus(card, kDiscarded);
        }
        for (int t = 0; t < m_deal.piles; ++t) {
            m_height[at(t)] = 0;
            for (const std::uint8_t card : m_deal.start[at(t)]) {
                m_pile[at(t)][at(m_height[at(t)]++)] = card;
                setStatus(card, kWhereDealt);
            }
        }
        for (const auto& round : m_deal.rounds) {
            for (int t = 0; t < m_deal.piles; ++t) {
                setStatus(round[at(t)], kWhereDealt);
            }
        }
        setRound(0);
        m_discarded = m_deal.discarded;
    }

    bool won() const {
        if (m_round != static_cast<int>(m_deal.rounds.size()) ||
            m_discarded != m_deal.discardsToWin) {
            return false;
        }
        for (int t = 0; t < m_deal.piles; ++t) {
            if (m_height[at(t)] != 1) {
                return false;
            }
        }
        return true;
    }

    int top(int t) const {
        return m_height[at(t)] > 0 ? m_pile[at(t)][at(m_height[at(t)] - 1)] : 0;
    }

    // The moves here: discards first; then, in the first pass, moves into
    // spaces from the fullest pile and the deal last, in the second the
    // deal before the spaces, in later ones the others shuffled.
    void moves(Frame& frame, int order, std::mt19937& shuffle) const {
        frame.count = 0;
        frame.next = 0;
        for (int t = 0; t < m_deal.piles; ++t) {
            const int card = top(t);
            if (card == 0) {
                continue;
            }
            for (int u = 0; u < m_deal.piles; ++u) {
                if (u != t && top(u) != 0 && m_deal.discardsWith[at(card)][at(top(u))]) {
                    frame.moves[at(frame.count++)] = {AcesUpMove::Kind::Discard,
                                                      static_cast<std::int8_t>(t), 0};
                    break;
                }
            }
        }
        const int discards = frame.count;
        const bool dealLeft = m_round < static_cast<int>(m_deal.rounds.size());
        if (order == 1 && dealLeft) {
            frame.moves[at(frame.count++)] = {AcesUpMove::Kind::Deal, 0, 0};
        }
        const int spacesFrom = frame.count;
        for (int u = 0; u < m_deal.piles; ++u) {
            if (m_height[at(u)] != 0) {
                continue;
            }
            for (int t = 0; t < m_deal.piles; ++t) {
                if (m_height[at(t)] > 0 && m_deal.spaceTakes[at(top(t))]) {
                    frame.moves[at(frame.count++)] = {AcesUpMove::Kind::IntoSpace,
                                                      static_cast<std::int8_t>(t),
                                                      static_cast<std::int8_t>(u)};
                }
            }
        }
        const auto first = frame.moves.begin();
        std::stable_sort(first + spacesFrom, first + frame.count,
                         [&](const AcesUpMove& a, const AcesUpMove& b) {
                             return m_height[at(a.from)] > m_height[at(b.from)];
                         });
        if (order != 1 && dealLeft) {
            frame.moves[at(frame.count++)] = {AcesUpMove::Kind::Deal, 0, 0};
        }
        if (order > 1) {
            std::shuffle(first, first + discards, shuffle);
            std::shuffle(first + discards, first + frame.count, shuffle);
        }
    }

    // Applies `move`; returns what takes it back.
    Undo apply(const AcesUpMove& move) {
        switch (move.kind) {
        case AcesUpMove::Kind::Deal: {
            const auto& round = m_deal.rounds[at(m_round)];
            for (int t = 0; t < m_deal.piles; ++t) {
                m_pile[at(t)][at(m_height[at(t)]++)] = round[at(t)];
            }
            setRound(m_round + 1);
            return {};
        }
        case AcesUpMove::Kind::Discard: {
            const std::uint8_t card = m_pile[at(move.from)][at(--m_height[at(move.from)])];
            const Undo undo{card, m_status[at(card)]};
            setStatus(card, kDiscarded);
            ++m_discarded;
            return undo;
        }
        case AcesUpMove::Kind::IntoSpace: {
            const std::uint8_t card = m_pile[at(move.from)][at(--m_height[at(move.from)])];
            m_pile[at(move.to)][at(m_height[at(move.to)]++)] = card;
            const Undo undo{card, m_status[at(card)]};
            setStatus(card, kFirstSpace + move.to);
            return undo;
        }
        }
        return {};
    }

    void takeBack(const AcesUpMove& move, const Undo& undo) {
        switch (move.kind) {
        case AcesUpMove::Kind::Deal:
            for (int t = 0; t < m_deal.piles; ++t) {
                --m_height[at(t)];
            }
            setRound(m_round - 1);
            return;
        case AcesUpMove::Kind::Discard:
            // A later deal may have written over the pile's slot above its
            // top: the card comes back from the record.
            m_pile[at(move.from)][at(m_height[at(move.from)]++)] = undo.card;
            setStatus(undo.card, undo.status);
            --m_discarded;
            return;
        case AcesUpMove::Kind::IntoSpace:
            --m_height[at(move.to)];
            m_pile[at(move.from)][at(m_height[at(move.from)]++)] = undo.card;
            setStatus(undo.card, undo.status);
            return;
        }
    }

private:
    const AcesUpDeal& m_deal;
    const std::atomic<bool>* m_stop;
    std::array<std::array<std::uint8_t, AcesUpDeal::kCodes>, AcesUpDeal::kMaxPiles> m_pile{};
    std::array<int, AcesUpDeal::kMaxPiles> m_height{};
    std::array<std::uint8_t, AcesUpDeal::kCodes> m_status{};
    int m_round = 0;
    int m_discarded = 0;
    Key m_key{};
    std::vector<Frame> m_frames;
    WideKeySet<Key> m_seen;
    long m_searched = 0;
};

} // namespace

AcesUpSearchResult searchAcesUpDeal(const AcesUpDeal& deal, long positions,
                                    const std::atomic<bool>* stop) {
    AcesUpSearch search(deal, stop);
    return search.run(positions);
}

} // namespace vellomir::engine
