#include "engine/solver/compact_gap_rows.h"

#include "engine/actions/quiet_frontend.h"
#include "engine/play/play_engine.h"
#include "engine/play/pointer_command.h"
#include "engine/solver/key_set.h"
#include "engine/solver/place_keys.h"
#include "engine/solver/search_passes.h"
#include "table/card.h"
#include "table/gap_rows.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <algorithm>
#include <random>
#include <string>

namespace vellomir::engine {

namespace {

using Places = GapRowsDeal::Places;

// Other rows the runs the model makes are checked on, beyond the rows the
// rules were learnt from.
constexpr int kRunChecks = 400;
constexpr std::uint64_t kKeyMark = std::uint64_t{1} << 63;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

std::string rowText(const Places& places, int first, int end) {
    std::string row;
    for (int i = first; i < end; ++i) {
        row += table::cardText(places[at(i)]);
    }
    return row;
}

// The places of every row of `state`, or nothing when a place holds what
// the model cannot (a face-down card, a joker, a code out of range).
std::optional<Places> placesOf(const table::ProgramState& state, const std::vector<int>& starts) {
    Places places{};
    for (std::size_t r = 0; r + 1 < starts.size(); ++r) {
        const std::string& row = state.piles.tableau(static_cast<int>(r));
        for (int i = 0; i < table::cardCount(row); ++i) {
            const int card = table::cardAt(row, i);
            if (card < 0 || card >= GapRowsDeal::kCodes || table::isJoker(card) ||
                (card != 0 && !state.cards.isFaceUp(card))) {
                return std::nullopt;
            }
            places[at(starts[r] + i)] = static_cast<std::uint8_t>(card);
        }
    }
    return places;
}

// How many places of row `r`, from its first, hold its run, as the model
// makes runs.
int modelRun(const GapRowsDeal& deal, const Places& places, int r) {
    const int first = deal.rowStarts[at(r)];
    const int end = deal.rowStarts[at(r + 1)];
    if (first == end || places[at(first)] == 0 || !deal.rowFirst[at(r)][places[at(first)]]) {
        return 0;
    }
    int run = 1;
    while (first + run < end && places[at(first + run)] != 0 &&
           deal.followers[places[at(first + run - 1)]][places[at(first + run)]]) {
        ++run;
    }
    return run;
}

bool modelWon(const GapRowsDeal& deal, const Places& places) {
    int inRuns = 0;
    for (int r = 0; r < deal.rows(); ++r) {
        const int run = modelRun(deal, places, r);
        inRuns += run;
        for (int i = deal.rowStarts[at(r)] + run; i < deal.rowStarts[at(r + 1)]; ++i) {
            if (places[at(i)] != 0) {
                return false;
            }
        }
    }
    return inRuns > 0;
}

// The runs and the win of the model against the engine's on rows laid out
// at random, each row starting with a stretch the model counts as a run so
// that runs of every length are met.
bool runsAsModelled(const GapRowsDeal& deal, table::ProgramState& probe) {
    std::vector<int> cards;
    for (int i = 0; i < deal.placeCount(); ++i) {
        cards.push_back(deal.places[at(i)]);
    }
    std::mt19937 random(static_cast<std::uint32_t>(cards.size()));
    for (int check = 0; check < kRunChecks; ++check) {
        std::vector<int> left = cards;
        std::shuffle(left.begin(), left.end(), random);
        Places places{};
        for (int r = 0; r < deal.rows(); ++r) {
            const int first = deal.rowStarts[at(r)];
            const int end = deal.rowStarts[at(r + 1)];
            const int wanted = std::uniform_int_distribution<int>(0, end - first)(random);
            int i = first;
            // A stretch the model calls a run, as long as it goes.
            auto take = [&](auto fits) {
                const auto found = std::ranges::find_if(left, fits);
                if (found == left.end()) {
                    return false;
                }
                places[at(i++)] = static_cast<std::uint8_t>(*found);
                left.erase(found);
                return true;
            };
            if (wanted > 0 && take([&](int c) { return c != 0 && deal.rowFirst[at(r)][at(c)]; })) {
                while (i < first + wanted && take([&](int c) {
                           return c != 0 && deal.followers[places[at(i - 1)]][at(c)];
                       })) {
                }
            }
            // The rest of the row: on every other check its gaps first (a
            // row that may end won), else whatever comes.
            if (check % 2 == 0) {
                std::ranges::stable_partition(left, [](int c) { return c == 0; });
            }
            while (i < end) {
                places[at(i++)] = static_cast<std::uint8_t>(left.front());
                left.erase(left.begin());
            }
        }
        for (int r = 0; r < deal.rows(); ++r) {
            probe.piles.tableau(r) =
                rowText(places, deal.rowStarts[at(r)], deal.rowStarts[at(r + 1)]);
        }
        for (int r = 0; r < deal.rows(); ++r) {
            if (table::rowRunLength(probe, r) != modelRun(deal, places, r)) {
                return false;
            }
        }
        if (table::gapRowsWon(probe) != modelWon(deal, places)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<GapRowsDeal> gapRowsDealFor(const table::ProgramState& dealt,
                                          const seam::Frontend& geometry) {
    if (!table::isGapRows(dealt.params)) {
        return std::nullopt;
    }
    const table::PileCounts counts = table::PileCounts::of(dealt.params);
    GapRowsDeal deal;
    deal.rowStarts.push_back(0);
    for (int r = 0; r < counts.tableaus; ++r) {
        deal.rowStarts.push_back(deal.rowStarts.back() + table::cardCount(dealt.piles.tableau(r)));
    }
    if (counts.tableaus < 1 || deal.placeCount() > GapRowsDeal::kMaxPlaces ||
        !dealt.piles.stock(table::kStock).empty() || !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    const std::optional<Places> places = placesOf(dealt, deal.rowStarts);
    if (!places) {
        return std::nullopt;
    }
    deal.places = *places;
    deal.pass = dealt.mainGame.cell(table::cell::PassNumber);

    // Which card each gap takes, asked of rows of two places.
    table::ProgramState probe = dealt;
    for (int r = 0; r < counts.tableaus; ++r) {
        probe.piles.tableau(r).clear();
    }
    std::vector<int> cards;
    for (int i = 0; i < deal.placeCount(); ++i) {
        if (deal.places[at(i)] != 0) {
            cards.push_back(deal.places[at(i)]);
        }
    }
    const std::string gap = table::cardText(0);
    deal.rowFirst.assign(at(counts.tableaus), {});
    for (int r = 0; r < counts.tableaus; ++r) {
        probe.piles.tableau(r) = gap + gap;
        for (const int x : cards) {
            deal.rowFirst[at(r)][at(x)] = table::gapSlotFor(probe, x, r) == 0;
        }
        probe.piles.tableau(r).clear();
    }
    for (const int y : cards) {
        probe.piles.tableau(0) = table::cardText(y) + gap;
        for (const int x : cards) {
            deal.followers[at(y)][at(x)] = x != y && table::gapSlotFor(probe, x, 0) == 1;
        }
    }
    if (!runsAsModelled(deal, probe)) {
        return std::nullopt;
    }
    deal.table = std::make_shared<const table::ProgramState>(dealt);
    deal.geometry = &geometry;
    return deal;
}

std::optional<std::pair<Places, int>> redealGapRows(const GapRowsDeal& deal, const Places& places,
                                                    int pass) {
    table::ProgramState copy = *deal.table;
    for (int r = 0; r < deal.rows(); ++r) {
        copy.piles.tableau(r) = rowText(places, deal.rowStarts[at(r)], deal.rowStarts[at(r + 1)]);
    }
    copy.mainGame.setCell(table::cell::PassNumber, pass);
    QuietFrontend frontend(*deal.geometry);
    PlayEngine engine(copy, frontend);
    engine.setRecording(false);
    const std::string stock = table::pileName({table::PileKind::Stock, table::kStock});
    if (!runGesture(engine, {PointerCommand::Verb::Click, stock, {}})) {
        return std::nullopt;
    }
    const int after = copy.mainGame.cell(table::cell::PassNumber);
    std::vector<int> starts{0};
    for (int r = 0; r < deal.rows(); ++r) {
        starts.push_back(starts.back() + table::cardCount(copy.piles.tableau(r)));
    }
    const std::optional<Places> redealt = placesOf(copy, deal.rowStarts);
    if (after == pass || starts != deal.rowStarts || !redealt) {
        return std::nullopt;
    }
    return std::pair{*redealt, after};
}

namespace {

// A key for each card in each place (a gap adds nothing), and one for each
// pass in a place after the last.
constexpr int kPassPlace = GapRowsDeal::kMaxPlaces;
using GapRowsKeys = PlaceKeys<GapRowsDeal::kMaxPlaces + 1, GapRowsDeal::kCodes>;

// What takes a move back: the places and pass before a redeal.
struct GapRowsUndo {
    Places places{};
    int pass = 0;
};

// The depth-first search of a GapRowsDeal, in passes of different orders
// sharing the set of positions met.
class GapRowsSearch {
public:
    GapRowsSearch(const GapRowsDeal& deal, const std::atomic<bool>* stop)
        : m_deal(deal), m_stop(stop), m_keys(GapRowsKeys::drawn()) {}

    GapRowsSearchResult run(long positions) {
        GapRowsSearchResult result = runDepthFirstPasses<GapRowsSearchResult>(
            *this, m_frames, m_seen, m_searched, positions, kPassPositions);
        // Redeals come only where nothing moves: meeting every position
        // proves nothing.
        if (result.outcome == GapRowsSearchResult::Outcome::Exhausted) {
            result.outcome = GapRowsSearchResult::Outcome::OutOfBudget;
        }
        return result;
    }

    // The position, played by runDepthFirstPasses.

    static constexpr long kPassPositions = 20000;
    // Each gap takes at most one card, or at a row's start one of each
    // first-rank card; and a redeal.
    static constexpr int kMaxMoves = 64;

    using Frame = PassFrame<GapRowsMove, GapRowsUndo, std::uint64_t, kMaxMoves>;

    bool stopped() const { return m_stop != nullptr && m_stop->load(std::memory_order_relaxed); }

    void reset() {
        m_places = m_deal.places;
        m_pass = m_deal.pass;
        rekey();
    }

    std::uint64_t key() const {
        return (m_key ^ m_keys.of(kPassPlace, m_pass & (GapRowsDeal::kCodes - 1))) | kKeyMark;
    }

    bool won() const { return modelWon(m_deal, m_places); }

    // The moves here: each gap's card, those that lengthen a row's run
    // first and those that break one last; where no card moves, a redeal.
    // Later passes shuffle.
    void moves(Frame& frame, int order, std::mt19937& shuffle) const {
        frame.count = 0;
        frame.next = 0;
        std::array<int, GapRowsDeal::kMaxPlaces> runEnd{};
        std::array<int, GapRowsDeal::kMaxPlaces> rowOf{};
        for (int r = 0; r < m_deal.rows(); ++r) {
            const int end = m_deal.rowStarts[at(r)] + modelRun(m_deal, m_places, r);
            for (int i = m_deal.rowStarts[at(r)]; i < m_deal.rowStarts[at(r + 1)]; ++i) {
                runEnd[at(i)] = end;
                rowOf[at(i)] = r;
            }
        }
        std::array<int, kMaxMoves> rank{};
        auto add = [&](int from, int to) {
            // A card out of one run into another gains nothing.
            const bool lengthens = to == runEnd[at(to)];
            const bool breaks = from < runEnd[at(from)];
            rank[at(frame.count)] = breaks ? (lengthens ? 2 : 3) : (lengthens ? 0 : 1);
            frame.moves[at(frame.count++)] = {static_cast<std::int8_t>(from),
                                              static_cast<std::int8_t>(to)};
        };
        for (int g = 0; g < m_deal.placeCount(); ++g) {
            if (m_places[at(g)] != 0) {
                continue;
            }
            const int r = rowOf[at(g)];
            if (g == m_deal.rowStarts[at(r)]) {
                for (int c = 1; c < GapRowsDeal::kCodes; ++c) {
                    if (m_deal.rowFirst[at(r)][at(c)] && m_where[at(c)] >= 0) {
                        add(m_where[at(c)], g);
                    }
                }
                continue;
            }
            const int left = m_places[at(g - 1)];
            if (left == 0) {
                continue;
            }
            for (int c = 1; c < GapRowsDeal::kCodes; ++c) {
                if (m_deal.followers[at(left)][at(c)] && m_where[at(c)] >= 0) {
                    add(m_where[at(c)], g);
                }
            }
        }
        if (frame.count == 0) {
            frame.moves[at(frame.count++)] = {};
            return;
        }
        if (order == 0) {
            std::array<int, kMaxMoves> index{};
            for (int i = 0; i < frame.count; ++i) {
                index[at(i)] = i;
            }
            std::stable_sort(index.begin(), index.begin() + frame.count,
                             [&](int a, int b) { return rank[at(a)] < rank[at(b)]; });
            const auto unsorted = frame.moves;
            for (int i = 0; i < frame.count; ++i) {
                frame.moves[at(i)] = unsorted[at(index[at(i)])];
            }
        } else {
            std::shuffle(frame.moves.begin(), frame.moves.begin() + frame.count, shuffle);
        }
    }

    GapRowsUndo apply(const GapRowsMove& move) {
        GapRowsUndo undo{m_places, m_pass};
        if (move.isRedeal()) {
            // A redeal the engine refuses leaves the position as it was,
            // which the search has met already.
            if (const auto redealt = redealGapRows(m_deal, m_places, m_pass)) {
                m_places = redealt->first;
                m_pass = redealt->second;
                rekey();
            }
            return undo;
        }
        place(move.from, move.to);
        return undo;
    }

    void takeBack(const GapRowsMove& move, const GapRowsUndo& undo) {
        if (move.isRedeal()) {
            m_places = undo.places;
            m_pass = undo.pass;
            rekey();
            return;
        }
        place(move.to, move.from);
    }

private:
    void place(int from, int to) {
        const int card = m_places[at(from)];
        m_places[at(to)] = static_cast<std::uint8_t>(card);
        m_places[at(from)] = 0;
        m_where[at(card)] = static_cast<std::int8_t>(to);
        m_key ^= m_keys.of(from, card) ^ m_keys.of(to, card);
    }

    void rekey() {
        m_where.fill(-1);
        m_key = 0;
        for (int i = 0; i < m_deal.placeCount(); ++i) {
            const int card = m_places[at(i)];
            if (card != 0) {
                m_where[at(card)] = static_cast<std::int8_t>(i);
            }
            m_key ^= m_keys.of(i, card);
        }
    }

    const GapRowsDeal& m_deal;
    const std::atomic<bool>* m_stop;
    const GapRowsKeys& m_keys;
    Places m_places{};
    int m_pass = 0;
    std::array<std::int8_t, GapRowsDeal::kCodes> m_where{};
    std::uint64_t m_key = 0;
    std::vector<Frame> m_frames;
    BasicKeySet<std::uint64_t> m_seen;
    long m_searched = 0;
};

} // namespace

GapRowsSearchResult searchGapRowsDeal(const GapRowsDeal& deal, long positions,
                                      const std::atomic<bool>* stop) {
    GapRowsSearch search(deal, stop);
    return search.run(positions);
}

} // namespace vellomir::engine
