#include "engine/solver/braid_search.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "engine/solver/deal_random.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>

namespace vellomir::engine {

namespace param = catalogue::param;
using catalogue::codeOf;

namespace {

constexpr int kRanks = 13;
constexpr int kUp = 1;
constexpr int kDown = -1;
constexpr int kNoWay = 0;
// A card no foundation wants soon.
constexpr int kFar = 99;

// How one playout plays: how near the foundations' wants a waste card must
// be to go into a cell, the way it prefers to build, and how many cells it
// keeps free for cards wanted next.
struct Style {
    int nearEnough = 3;
    int way = kUp;
    int cellsKept = 0;
};

// Rank steps round the corner, 0 to 12.
int stepUp(int from, int to) {
    return ((to - from) % kRanks + kRanks) % kRanks;
}

class Playout {
public:
    Playout(const BraidDeal& deal, Style style) : m_deal(deal), m_style(style) {
        m_stock = deal.stock;
        m_braid = deal.braid;
        m_corners = deal.corners;
        m_cells = deal.cells;
        m_foundations = deal.foundations;
    }

    // Plays until won or stuck; true when won. Counts its moves.
    bool play(long& moves, long budget) {
        while (moves < budget) {
            sendUp(moves);
            if (onFoundations() == m_deal.cards) {
                return true;
            }
            if (!m_waste.empty() && keepWasteCard()) {
                ++moves;
                continue;
            }
            if (!turnStock()) {
                return false;
            }
            ++moves;
        }
        return false;
    }

    const std::vector<BraidMove>& line() const { return m_line; }

private:
    bool fits(int card, const std::vector<int>& pile) const {
        if (pile.empty()) {
            return table::rankOf(card) == m_deal.baseRank;
        }
        if (static_cast<int>(pile.size()) >= BraidDeal::kFoundationCards ||
            table::suitOf(pile.back()) != table::suitOf(card)) {
            return false;
        }
        const int step = stepUp(table::rankOf(pile.back()), table::rankOf(card));
        if (m_way == kNoWay) {
            return step == 1 || step == kRanks - 1;
        }
        return step == (m_way == kUp ? 1 : kRanks - 1);
    }

    // How many cards must go up before `card` can, at the nearest
    // foundation of its suit.
    int distance(int card) const {
        if (table::rankOf(card) == m_deal.baseRank) {
            return 0;
        }
        int nearest = kFar;
        for (const std::vector<int>& pile : m_foundations) {
            if (pile.empty() || table::suitOf(pile.back()) != table::suitOf(card)) {
                continue;
            }
            const int up = stepUp(table::rankOf(pile.back()), table::rankOf(card));
            const int down = stepUp(table::rankOf(card), table::rankOf(pile.back()));
            const int d = m_way == kUp ? up : m_way == kDown ? down : std::min(up, down);
            if (d > 0) {
                nearest = std::min(nearest, d);
            }
        }
        return nearest;
    }

    int onFoundations() const {
        int cards = 0;
        for (const std::vector<int>& pile : m_foundations) {
            cards += static_cast<int>(pile.size());
        }
        return cards;
    }

    // The card a source offers, 0 for none.
    int offered(BraidMove::From from, int index) const {
        switch (from) {
        case BraidMove::From::Braid:
            return m_braid.empty() ? 0 : m_braid.back();
        case BraidMove::From::Corner:
            return m_corners[static_cast<std::size_t>(index)];
        case BraidMove::From::Cell:
            return m_cells[static_cast<std::size_t>(index)];
        case BraidMove::From::Waste:
            return m_waste.empty() ? 0 : m_waste.back();
        }
        return 0;
    }

    void take(BraidMove::From from, int index) {
        switch (from) {
        case BraidMove::From::Braid:
            m_braid.pop_back();
            break;
        case BraidMove::From::Corner: {
            int& corner = m_corners[static_cast<std::size_t>(index)];
            corner = 0;
            if (!m_braid.empty()) {
                corner = m_braid.back(); // the braid refills the corner at once
                m_braid.pop_back();
            }
            break;
        }
        case BraidMove::From::Cell:
            m_cells[static_cast<std::size_t>(index)] = 0;
            break;
        case BraidMove::From::Waste:
            m_waste.pop_back();
            break;
        }
    }

    // One card up, from the first source whose card a foundation takes.
    bool sendOne() {
        struct Source {
            BraidMove::From from;
            int count;
        };
        const Source sources[] = {{BraidMove::From::Braid, 1},
                                  {BraidMove::From::Corner, BraidDeal::kCorners},
                                  {BraidMove::From::Cell, BraidDeal::kCells},
                                  {BraidMove::From::Waste, 1}};
        for (const Source& source : sources) {
            for (int index = 0; index < source.count; ++index) {
                const int card = offered(source.from, index);
                if (card == 0) {
                    continue;
                }
                for (int f = 0; f < BraidDeal::kFoundations; ++f) {
                    std::vector<int>& pile = m_foundations[static_cast<std::size_t>(f)];
                    if (!fits(card, pile)) {
                        continue;
                    }
                    if (!pile.empty() && m_way == kNoWay) {
                        const int way = stepUp(table::rankOf(pile.back()), table::rankOf(card)) == 1
                                            ? kUp
                                            : kDown;
                        if (way != m_style.way) {
                            continue;
                        }
                        m_way = way;
                    }
                    take(source.from, index);
                    pile.push_back(card);
                    m_line.push_back({BraidMove::Kind::ToFoundation, source.from,
                                      static_cast<std::int8_t>(index),
                                      static_cast<std::int8_t>(f)});
                    return true;
                }
            }
        }
        return false;
    }

    void sendUp(long& moves) {
        while (sendOne()) {
            ++moves;
        }
    }

    // The waste's card into a free cell (or, once the braid is gone, a
    // free corner) when the foundations want it soon.
    bool keepWasteCard() {
        const int card = m_waste.back();
        const int near = distance(card);
        if (near > m_style.nearEnough) {
            return false;
        }
        const auto freeCells = std::count(m_cells.begin(), m_cells.end(), 0);
        const auto cell = std::find(m_cells.begin(), m_cells.end(), 0);
        if (cell != m_cells.end() && (freeCells > m_style.cellsKept || near <= 1)) {
            *cell = card;
            m_waste.pop_back();
            m_line.push_back({BraidMove::Kind::WasteToCell, BraidMove::From::Waste,
                              static_cast<std::int8_t>(cell - m_cells.begin()), 0});
            return true;
        }
        const auto corner = std::find(m_corners.begin(), m_corners.end(), 0);
        if (m_braid.empty() && corner != m_corners.end()) {
            *corner = card;
            m_waste.pop_back();
            m_line.push_back({BraidMove::Kind::WasteToCorner, BraidMove::From::Waste,
                              static_cast<std::int8_t>(corner - m_corners.begin()), 0});
            return true;
        }
        return false;
    }

    // A click on the stock: a card turned, or the waste turned back and
    // its first card turned again, while passes remain.
    bool turnStock() {
        if (m_stock.empty()) {
            if (m_pass >= m_deal.passes || m_waste.size() < 2) {
                return false;
            }
            m_stock.assign(m_waste.rbegin(), m_waste.rend());
            m_waste.clear();
            ++m_pass;
        }
        m_waste.push_back(m_stock.back());
        m_stock.pop_back();
        m_line.push_back({BraidMove::Kind::Stock, BraidMove::From::Waste, 0, 0});
        return true;
    }

    const BraidDeal& m_deal;
    Style m_style;
    std::vector<int> m_stock;
    std::vector<int> m_waste;
    std::vector<int> m_braid;
    std::array<int, BraidDeal::kCorners> m_corners{};
    std::array<int, BraidDeal::kCells> m_cells{};
    std::array<std::vector<int>, BraidDeal::kFoundations> m_foundations;
    int m_way = kNoWay;
    int m_pass = 1;
    std::vector<BraidMove> m_line;
};

bool isBraid(const catalogue::GameParameters& p) {
    if (p[param::FoundationCount] != BraidDeal::kFoundations ||
        p[param::TableauCount] != BraidDeal::kCorners ||
        p[param::ReserveCount] != BraidDeal::kCells + 1 ||
        p[param::FillStyle] != codeOf(catalogue::FillStyle::FromFirstReserve) ||
        p[param::CardsPerStockClick] != 1 || p[param::TableauMaxCards] != 1) {
        return false;
    }
    for (int f = 0; f < BraidDeal::kFoundations; ++f) {
        if (p[param::FoundationRule + f] !=
            codeOf(catalogue::BuildingRuleCode::InSuitOneWayWrapping)) {
            return false;
        }
    }
    for (int c = 1; c <= BraidDeal::kCells; ++c) {
        if (p[param::ReserveDropRule + c] !=
            codeOf(catalogue::ReserveDropRule::SingleFromWasteOntoEmpty)) {
            return false;
        }
    }
    return true;
}

std::vector<int> cardsOfPile(const std::string& pile) {
    std::vector<int> cards;
    for (int i = 0; i < table::cardCount(pile); ++i) {
        cards.push_back(table::cardAt(pile, i));
    }
    return cards;
}

// How often the stop flag is read, in playouts.
constexpr long kStopCheckEvery = 16;
// The ways of playing drawn from: how near a card must be for a cell, and
// how many cells are kept free.
constexpr int kNearest = 1;
constexpr int kNearestRange = 6;
constexpr int kCellsKeptRange = 4;

} // namespace

std::optional<BraidDeal> braidDealFor(const table::ProgramState& dealt) {
    const catalogue::GameParameters& p = dealt.params;
    if (!isBraid(p) || !dealt.piles.stock(table::kWaste).empty()) {
        return std::nullopt;
    }
    BraidDeal deal;
    deal.stock = cardsOfPile(dealt.piles.stock(table::kStock));
    deal.braid = cardsOfPile(dealt.piles.reserve(0));
    for (int c = 0; c < BraidDeal::kCorners; ++c) {
        const std::string& corner = dealt.piles.tableau(c);
        if (table::cardCount(corner) != 1) {
            return std::nullopt;
        }
        deal.corners[static_cast<std::size_t>(c)] = table::topCardOf(corner);
    }
    for (int c = 0; c < BraidDeal::kCells; ++c) {
        const std::string& cell = dealt.piles.reserve(c + 1);
        if (table::cardCount(cell) > 1) {
            return std::nullopt;
        }
        deal.cells[static_cast<std::size_t>(c)] = table::topCardOf(cell);
    }
    for (int f = 0; f < BraidDeal::kFoundations; ++f) {
        deal.foundations[static_cast<std::size_t>(f)] = cardsOfPile(dealt.piles.foundation(f));
    }
    if (deal.foundations[0].size() != 1) {
        return std::nullopt; // the base card alone is up at the deal
    }
    deal.baseRank = table::rankOf(deal.foundations[0].front());
    deal.passes = p[param::StockPasses];
    deal.cards = p[param::CardCount];
    if (deal.passes < 1) {
        return std::nullopt;
    }
    return deal;
}

BraidSearchResult searchBraidDeal(const BraidDeal& deal, long positions,
                                  const std::atomic<bool>* stop) {
    BraidSearchResult result;
    DealRandom random = DealRandom::seededBy(deal.stock);
    for (long playouts = 0; result.positions < positions; ++playouts) {
        if (stop != nullptr && playouts % kStopCheckEvery == 0 && stop->load()) {
            return result;
        }
        Style style;
        style.nearEnough = kNearest + random.below(kNearestRange);
        style.way = random.below(2) == 0 ? kUp : kDown;
        style.cellsKept = random.below(kCellsKeptRange);
        Playout playout(deal, style);
        if (playout.play(result.positions, positions)) {
            result.outcome = BraidSearchResult::Outcome::Won;
            result.line = playout.line();
            return result;
        }
    }
    return result;
}

} // namespace vellomir::engine
