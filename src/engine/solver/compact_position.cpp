#include "engine/solver/compact_position.h"

#include "engine/rules/suit_run_foundation.h"
#include "engine/rules/tableau_draw.h"
#include "engine/solver/bit_mixing.h"
#include "engine/solver/tableau_redeal_plan.h"
#include "table/card.h"
#include "table/pile_lists.h"
#include "table/program_state.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <optional>

namespace vellomir::engine {

namespace {

// A number for every card byte at every height of a pile.
struct ZobristTable {
    std::array<std::array<std::uint64_t, 256>, CompactPosition::kMaxHeight> at{};
    std::array<std::uint64_t, CompactPosition::kMaxPiles + 64> salt{};
    constexpr ZobristTable() {
        std::uint64_t seed = 0x5eed5eedULL;
        for (auto& row : at) {
            for (auto& value : row) {
                value = splitMix(seed);
            }
        }
        for (auto& value : salt) {
            value = splitMix(seed);
        }
    }
};

// Built by the compiler: the searches read it on every card moved, with no
// check that it was made first.
constexpr ZobristTable kZobrist;

constexpr const ZobristTable& zobrist() {
    return kZobrist;
}

// Mixes a pile's hash with its class before the piles are added up, so
// that the sum tells apart piles that merely add up alike.
std::uint64_t mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

// Class numbers of the salt table: tableau classes first.
constexpr int kReserveClass = CompactRules::kMaxTableaus;
constexpr int kFoundationClass = kReserveClass + 1;
constexpr int kStockClass = kFoundationClass + CompactRules::kMaxFoundations;
constexpr int kWasteClass = kStockClass + 1;
constexpr int kPassesClass = kWasteClass + 1;
constexpr int kClosedReserveClass = kPassesClass + 1;
// Reserves that are no longer alike, one class each.
constexpr int kApartReserveClass = kClosedReserveClass + 1;
static_assert(kApartReserveClass + CompactRules::kMaxReserves <=
              static_cast<int>(std::tuple_size_v<decltype(ZobristTable::salt)>));

} // namespace

CompactPosition::CompactPosition(const table::ProgramState& state, const CompactRules& rules)
    : m_rules(&rules) {
    auto load = [&](int pile, const std::string& cards, bool faces) {
        for (int i = 0; i < table::cardCount(cards); ++i) {
            const int code = table::cardAt(cards, i);
            const bool down = faces && !state.cards.isFaceUp(code);
            push(pile, static_cast<std::uint8_t>(code | (down ? kFaceDown : 0)));
        }
    };
    for (int t = 0; t < rules.tableaus; ++t) {
        m_classSalt[tableau(t)] = rules.tableauClass[t];
        load(tableau(t), state.piles.tableau(t), true);
    }
    for (int r = 0; r < rules.reserves; ++r) {
        // Reserves that take nothing back are alike among themselves only.
        m_classSalt[reserve(r)] = rules.reservesApart ? kApartReserveClass + r
                                  : rules.reserveTakes[static_cast<std::size_t>(r)]
                                      ? kReserveClass
                                      : kClosedReserveClass;
        if (rules.bouquet) {
            push(reserve(r), static_cast<std::uint8_t>(table::cardAt(state.piles.reserve(0), r)));
        } else {
            load(reserve(r), state.piles.reserve(r), false);
        }
    }
    for (int f = 0; f < rules.foundations; ++f) {
        m_classSalt[foundation(f)] = kFoundationClass + rules.foundationClass[f];
        load(foundation(f), state.piles.foundation(f), false);
    }
    m_classSalt[stock()] = kStockClass;
    m_classSalt[waste()] = kWasteClass;
    load(stock(), state.piles.stock(table::kStock), false);
    load(waste(), state.piles.stock(table::kWaste), false);
    m_passes = state.mainGame.cell(table::cell::PassNumber);
    m_drawsLeft = rules.tableauDraws > 0 ? engine::drawsLeft(state) : 0;
}

bool operator==(const CompactPosition& a, const CompactPosition& b) {
    if (a.m_passes != b.m_passes || a.m_drawsLeft != b.m_drawsLeft || a.m_size != b.m_size) {
        return false;
    }
    for (int p = 0; p < a.piles(); ++p) {
        if (!std::equal(a.m_cards[p].begin(), a.m_cards[p].begin() + a.m_size[p],
                        b.m_cards[p].begin())) {
            return false;
        }
    }
    return true;
}

std::uint64_t CompactPosition::key() const {
    const ZobristTable& z = zobrist();
    // Passes count only where they are limited: with no limit, going round
    // the stock once more leads nowhere new.
    const int passes = m_rules->passLimit == -1 ? 0 : m_passes;
    constexpr int kPassesBelow = 256;
    std::uint64_t key =
        mix(z.salt[kPassesClass] + static_cast<std::uint64_t>(passes + kPassesBelow * m_drawsLeft));
    for (int p = 0; p < piles(); ++p) {
        key += mix(m_hash[p] ^ z.salt[m_classSalt[p]]);
    }
    return key;
}

void CompactPosition::push(int pile, std::uint8_t card) {
    const int n = m_size[pile];
    m_cards[pile][n] = card;
    m_hash[pile] ^= zobrist().at[n][m_rules->keyCard[card]];
    m_size[pile] = static_cast<std::uint8_t>(n + 1);
    if (pile >= foundation(0) && pile < stock()) {
        ++m_onFoundations;
        m_home.set(card & kCodeMask);
    }
    m_faceDown += (card & kFaceDown) != 0 ? 1 : 0;
}

std::uint8_t CompactPosition::pop(int pile) {
    const int n = m_size[pile] - 1;
    const std::uint8_t card = m_cards[pile][n];
    m_hash[pile] ^= zobrist().at[n][m_rules->keyCard[card]];
    m_size[pile] = static_cast<std::uint8_t>(n);
    if (pile >= foundation(0) && pile < stock()) {
        --m_onFoundations;
        m_home.reset(card & kCodeMask);
    }
    m_faceDown -= (card & kFaceDown) != 0 ? 1 : 0;
    return card;
}

void CompactPosition::flipTop(int pile) {
    push(pile, static_cast<std::uint8_t>(pop(pile) ^ kFaceDown));
}

void CompactPosition::clickStock() {
    Click click;
    if (m_size[stock()] == 0) {
        click.turnedBack = m_size[waste()];
        while (m_size[waste()] > 0) {
            push(stock(), pop(waste()));
        }
        ++m_passes;
    }
    while (click.dealt < m_rules->drawCount && m_size[stock()] > 0) {
        push(waste(), pop(stock()));
        ++click.dealt;
    }
    m_clicks.push_back(click);
}

void CompactPosition::unclickStock() {
    const Click click = m_clicks.back();
    m_clicks.pop_back();
    for (int i = 0; i < click.dealt; ++i) {
        push(stock(), pop(waste()));
    }
    if (click.turnedBack > 0) {
        for (int i = 0; i < click.turnedBack; ++i) {
            push(waste(), pop(stock()));
        }
        --m_passes;
    }
}

void CompactPosition::dealToTableaus() {
    const StockDeal& deal = m_rules->dealAt(m_size[stock()]);
    std::uint32_t dealt = 0;
    for (std::size_t i = 0; i < deal.to.size(); ++i) {
        const int t = deal.to[i];
        if (m_size[stock()] == 0) {
            break;
        }
        if (t < m_rules->tableaus && m_size[t] == 0 &&
            deal.skipsEmpty[static_cast<std::size_t>(t)]) {
            continue;
        }
        push(t, static_cast<std::uint8_t>(pop(stock()) & kCodeMask));
        dealt |= 1U << i;
    }
    m_deals.push_back(dealt);
}

void CompactPosition::undealFromTableaus() {
    const std::uint32_t dealt = m_deals.back();
    m_deals.pop_back();
    const StockDeal& deal = m_rules->dealAt(m_size[stock()] + std::popcount(dealt));
    for (std::size_t i = deal.to.size(); i-- > 0;) {
        if ((dealt & (1U << i)) != 0) {
            push(stock(), pop(deal.to[i]));
        }
    }
}

bool CompactPosition::redealsRemain() const {
    if (!m_rules->redeal || (m_rules->passLimit != -1 && m_passes >= m_rules->passLimit)) {
        return false;
    }
    std::array<std::uint8_t, CompactRules::kCodes> cards{};
    return m_rules->redeal->layoutFor(m_passes, gatherTableaus(cards)) != nullptr;
}

int CompactPosition::gatherTableaus(std::array<std::uint8_t, CompactRules::kCodes>& cards) const {
    int n = 0;
    for (int t = 0; t < m_rules->tableaus; ++t) {
        for (int i = 0; i < m_size[t] && n < CompactRules::kCodes; ++i) {
            cards[static_cast<std::size_t>(n++)] = m_cards[t][i];
        }
    }
    return n;
}

bool CompactPosition::redealChangesPiles() const {
    std::array<std::uint8_t, CompactRules::kCodes> cards{};
    const int n = gatherTableaus(cards);
    const TableauRedealPlan::Layout* layout = m_rules->redeal->layoutFor(m_passes, n);
    std::array<std::uint8_t, CompactRules::kMaxTableaus> sizes{};
    for (int k = 0; k < n; ++k) {
        const TableauRedealPlan::Place place = (*layout)[static_cast<std::size_t>(k)];
        sizes[place.tableau] = std::max<std::uint8_t>(sizes[place.tableau], place.height + 1);
        if (place.height >= m_size[place.tableau] ||
            m_cards[place.tableau][place.height] !=
                (cards[static_cast<std::size_t>(k)] & kCodeMask)) {
            return true;
        }
    }
    for (int t = 0; t < m_rules->tableaus; ++t) {
        if (sizes[static_cast<std::size_t>(t)] != m_size[t]) {
            return true;
        }
    }
    return false;
}

void CompactPosition::redealTableaus() {
    std::array<std::uint8_t, CompactRules::kCodes> cards{};
    const int n = gatherTableaus(cards);
    const TableauRedealPlan::Layout& layout = *m_rules->redeal->layoutFor(m_passes, n);
    m_redealt.insert(m_redealt.end(), cards.begin(), cards.begin() + n);
    for (int t = 0; t < m_rules->tableaus; ++t) {
        m_redealt.push_back(m_size[t]);
        while (m_size[t] > 0) {
            pop(t);
        }
    }
    std::array<std::array<std::uint8_t, kMaxHeight>, CompactRules::kMaxTableaus> piles{};
    std::array<int, CompactRules::kMaxTableaus> sizes{};
    for (int k = 0; k < n; ++k) {
        const TableauRedealPlan::Place place = layout[static_cast<std::size_t>(k)];
        piles[place.tableau][place.height] = cards[static_cast<std::size_t>(k)] & kCodeMask;
        sizes[place.tableau] = std::max(sizes[place.tableau], place.height + 1);
    }
    for (int t = 0; t < m_rules->tableaus; ++t) {
        for (int i = 0; i < sizes[static_cast<std::size_t>(t)]; ++i) {
            push(t, piles[static_cast<std::size_t>(t)][static_cast<std::size_t>(i)]);
        }
    }
    ++m_passes;
}

void CompactPosition::unredealTableaus() {
    --m_passes;
    std::array<std::uint8_t, CompactRules::kMaxTableaus> sizes{};
    int n = 0;
    for (int t = m_rules->tableaus; t-- > 0;) {
        while (m_size[t] > 0) {
            pop(t);
        }
        sizes[static_cast<std::size_t>(t)] = m_redealt.back();
        m_redealt.pop_back();
        n += sizes[static_cast<std::size_t>(t)];
    }
    std::size_t at = m_redealt.size() - static_cast<std::size_t>(n);
    for (int t = 0; t < m_rules->tableaus; ++t) {
        for (int i = 0; i < sizes[static_cast<std::size_t>(t)]; ++i) {
            push(t, m_redealt[at++]);
        }
    }
    m_redealt.resize(m_redealt.size() - static_cast<std::size_t>(n));
}

bool CompactPosition::completeSuitRunOnTop(int pile) const {
    const int n = m_size[pile];
    if (n < kSuitRunLength) {
        return false;
    }
    std::array<int, kSuitRunLength> run{};
    for (int i = 0; i < kSuitRunLength; ++i) {
        const std::uint8_t card = m_cards[pile][n - kSuitRunLength + i];
        if ((card & kFaceDown) != 0) {
            return false;
        }
        run[static_cast<std::size_t>(i)] = m_rules->playedAs[card];
    }
    return formsCompleteSuitRun(run);
}

void CompactPosition::apply(const CompactMove& move) {
    if (isRedeal(move)) {
        redealTableaus();
        return;
    }
    if (isDeal(move)) {
        dealToTableaus();
        m_flips.push_back(0);
        return;
    }
    if (m_rules->tableauDraws > 0) {
        if (isDraw(move)) {
            drawCard(move);
            return;
        }
        m_drawnFrom.push_back(kNoDraw);
    }
    for (int i = 0; i < move.draws; ++i) {
        clickStock();
    }
    std::array<std::uint8_t, kMaxHeight> carried{};
    for (int i = 0; i < move.count; ++i) {
        carried[i] = pop(move.from);
    }
    for (int i = move.count; i-- > 0;) {
        push(move.to, carried[i]);
    }
    const int n = m_size[move.from];
    const bool uncovered =
        move.from < m_rules->tableaus && n > 0 && (m_cards[move.from][n - 1] & kFaceDown) != 0;
    if (uncovered) {
        flipTop(move.from);
    }
    m_flips.push_back(uncovered ? 1 : 0);
    if (m_rules->fillsFromReserve || m_rules->fillsFromWasteOrStock) {
        fillSpaces();
    }
}

int CompactPosition::fillingSource() const {
    if (m_rules->fillsFromReserve) {
        return m_size[reserve(0)] > 0 ? reserve(0) : -1;
    }
    if (m_size[waste()] > 0) {
        return waste();
    }
    return m_size[stock()] > 0 ? stock() : -1;
}

void CompactPosition::fillSpaces() {
    Fill fill;
    for (int t = 0; t < m_rules->tableaus; ++t) {
        if (m_size[t] != 0) {
            continue;
        }
        const int from = fillingSource();
        if (from < 0) {
            break;
        }
        push(t, static_cast<std::uint8_t>(pop(from) & kCodeMask));
        fill.filled |= 1U << t;
        fill.fromStock |= from == stock() ? 1U << t : 0U;
    }
    m_fills.push_back(fill);
}

void CompactPosition::unfillSpaces() {
    const Fill fill = m_fills.back();
    m_fills.pop_back();
    // The stock and the waste hold no face bits, nor a reserve that takes
    // nothing back: each card goes back as it came.
    const int source = m_rules->fillsFromReserve ? reserve(0) : waste();
    for (int t = m_rules->tableaus; t-- > 0;) {
        if ((fill.filled & (1U << t)) != 0) {
            push((fill.fromStock & (1U << t)) != 0 ? stock() : source, pop(t));
        }
    }
}

void CompactPosition::undo(const CompactMove& move) {
    if (isRedeal(move)) {
        unredealTableaus();
        return;
    }
    if (isDeal(move)) {
        m_flips.pop_back();
        undealFromTableaus();
        return;
    }
    if (m_rules->tableauDraws > 0) {
        const std::uint8_t height = m_drawnFrom.back();
        m_drawnFrom.pop_back();
        if (height != kNoDraw) {
            undrawCard(move, height);
            return;
        }
    }
    if (m_rules->fillsFromReserve || m_rules->fillsFromWasteOrStock) {
        unfillSpaces();
    }
    if (m_flips.back() != 0) {
        flipTop(move.from);
    }
    m_flips.pop_back();
    std::array<std::uint8_t, kMaxHeight> carried{};
    for (int i = 0; i < move.count; ++i) {
        carried[i] = pop(move.to);
    }
    for (int i = move.count; i-- > 0;) {
        push(move.from, carried[i]);
    }
    for (int i = 0; i < move.draws; ++i) {
        unclickStock();
    }
}

bool CompactPosition::suitInRow(int f, int card) const {
    constexpr int kRow = 4;
    const int first = f / kRow * kRow;
    const int suit = table::suitOf(m_rules->playedAs[card & kCodeMask] & kCodeMask);
    for (int g = first; g < first + kRow && g < m_rules->foundations; ++g) {
        const int n = m_size[foundation(g)];
        if (g != f && n > 0 &&
            table::suitOf(m_rules->playedAs[m_cards[foundation(g)][n - 1] & kCodeMask] &
                          kCodeMask) == suit) {
            return true;
        }
    }
    return false;
}

int CompactPosition::heightOf(int pile, int card) const {
    for (int i = 0; i < m_size[pile]; ++i) {
        if ((m_cards[pile][i] & kCodeMask) == card) {
            return i;
        }
    }
    return -1;
}

void CompactPosition::drawCard(const CompactMove& move) {
    const int height = heightOf(move.from, move.card);
    std::array<std::uint8_t, kMaxHeight> above{};
    const int count = m_size[move.from] - height - 1;
    for (int i = 0; i < count; ++i) {
        above[i] = pop(move.from);
    }
    push(move.to, pop(move.from));
    for (int i = count; i-- > 0;) {
        push(move.from, above[i]);
    }
    m_drawnFrom.push_back(static_cast<std::uint8_t>(height));
    --m_drawsLeft;
}

void CompactPosition::undrawCard(const CompactMove& move, int height) {
    ++m_drawsLeft;
    std::array<std::uint8_t, kMaxHeight> above{};
    const int count = m_size[move.from] - height;
    for (int i = 0; i < count; ++i) {
        above[i] = pop(move.from);
    }
    push(move.from, pop(move.to));
    for (int i = count; i-- > 0;) {
        push(move.from, above[i]);
    }
}

void CompactPosition::drawMoves(int emptyTableaus, std::vector<CompactMove>& moves) const {
    for (int t = 0; t < m_rules->tableaus; ++t) {
        for (int i = 0; i + 1 < m_size[t]; ++i) {
            if ((m_cards[t][i] & kFaceDown) == 0) {
                movesOf(t, 1, m_cards[t][i], 0, emptyTableaus, 0, moves);
            }
        }
    }
}

bool CompactPosition::liftableRun(int pile, int count) const {
    const int n = m_size[pile];
    if (count > n) {
        return false;
    }
    for (int i = n - count; i < n; ++i) {
        if ((m_cards[pile][i] & kFaceDown) != 0) {
            return false;
        }
        if (i > n - count && !m_rules->runPairFits(pile, m_cards[pile][i - 1], m_cards[pile][i])) {
            return false;
        }
    }
    return true;
}

int CompactPosition::builtRunOnTop(int pile) const {
    const int n = m_size[pile];
    if (n == 0 || (m_cards[pile][n - 1] & kFaceDown) != 0) {
        return 0;
    }
    int run = 1;
    while (run < n && (m_cards[pile][n - run - 1] & kFaceDown) == 0 &&
           m_rules->tableauTakes(pile, m_cards[pile][n - run - 1], m_cards[pile][n - run])) {
        ++run;
    }
    return run;
}

void CompactPosition::runMovesThroughSpaces(int emptyTableaus,
                                            std::vector<CompactMove>& moves) const {
    const CompactRules& r = *m_rules;
    // With s spaces besides the target, a run of up to 2^s cards gets there.
    constexpr int kMostSpacesCounted = 7;
    const int spaces = std::min(emptyTableaus, kMostSpacesCounted);
    for (int from = 0; from < r.tableaus; ++from) {
        const int run = builtRunOnTop(from);
        const int n = m_size[from];
        for (int count = 2; count <= run; ++count) {
            const std::uint8_t bottom = m_cards[from][n - count];
            std::array<bool, CompactRules::kMaxTableaus> emptyTried{};
            for (int to = 0; to < r.tableaus; ++to) {
                const int m = m_size[to];
                if (to == from || (m > 0 && (m_cards[to][m - 1] & kFaceDown) != 0) ||
                    (m_size[stock()] > 0 && r.closedWhileStock[static_cast<std::size_t>(to)])) {
                    continue;
                }
                if (m == 0) {
                    // Of empty tableaus alike, the first; a whole pile stays.
                    if (emptyTried[r.tableauClass[to]] ||
                        (count == n && r.tableauClass[to] == r.tableauClass[from])) {
                        continue;
                    }
                    emptyTried[r.tableauClass[to]] = true;
                }
                const int carried = 1 << (m == 0 ? spaces - 1 : spaces);
                if (count > carried ||
                    !r.tableauTakes(to, m == 0 ? 0 : m_cards[to][m - 1], bottom)) {
                    continue;
                }
                moves.push_back({static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
                                 static_cast<std::uint8_t>(count), 0, bottom});
            }
        }
    }
}

std::vector<CompactMove> CompactPosition::runSteps(const CompactMove& move) const {
    if (move.count <= 1 || !m_rules->runsThroughSpaces || move.from >= m_rules->tableaus ||
        move.to >= m_rules->tableaus) {
        return {move};
    }
    std::vector<int> spaces;
    for (int t = 0; t < m_rules->tableaus; ++t) {
        if (m_size[t] == 0 && t != move.to && t != move.from) {
            spaces.push_back(t);
        }
    }
    CompactPosition work = *this;
    std::vector<CompactMove> steps;
    auto step = [&](int from, int to) {
        const CompactMove single{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to), 1,
                                 0, static_cast<std::uint8_t>(work.topCode(from))};
        work.apply(single);
        steps.push_back(single);
    };
    // Moves the top `count` cards of `from` onto `to` through the first
    // `free` of the spaces.
    auto carry = [&](auto& self, int from, int to, int count, std::size_t free) -> void {
        if (count == 1 || free == 0) {
            for (int i = 0; i < count; ++i) {
                step(from, to); // more than one card here: the engine refuses the line
            }
            return;
        }
        const int space = spaces[free - 1];
        const int half = count / 2;
        self(self, from, space, half, free - 1);
        self(self, from, to, count - half, free - 1);
        self(self, space, to, half, free - 1);
    };
    carry(carry, move.from, move.to, move.count, spaces.size());
    return steps;
}

void CompactPosition::movesOf(int from, int count, int card, int draws, int emptyTableaus,
                              int emptyReserves, std::vector<CompactMove>& moves) const {
    const CompactRules& r = *m_rules;
    auto add = [&](int to) {
        moves.push_back({static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to),
                         static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(draws),
                         static_cast<std::uint8_t>(card)});
    };
    const bool fromFoundation = from >= foundation(0) && from < stock();
    if (count == 1 && (!fromFoundation || r.everyMove)) {
        // Of empty foundations alike, the first only.
        std::array<bool, CompactRules::kMaxFoundations> emptyTried{};
        for (int f = 0; f < r.foundations; ++f) {
            const int pile = foundation(f);
            if (pile == from) {
                continue;
            }
            const int below = m_size[pile] == 0 ? 0 : m_cards[pile][m_size[pile] - 1] & kCodeMask;
            if (below == 0) {
                if (emptyTried[r.foundationClass[f]]) {
                    continue;
                }
                emptyTried[r.foundationClass[f]] = true;
            }
            if (foundationTakes(f, below, card)) {
                add(pile);
            }
        }
    }
    if (count == kSuitRunLength && r.suitRunFoundation && from < r.tableaus &&
        completeSuitRunOnTop(from)) {
        // A complete run of one suit goes onto an empty foundation as one
        // move; empty foundations are alike.
        for (int f = 0; f < r.foundations; ++f) {
            if (m_size[foundation(f)] == 0) {
                add(foundation(f));
                break;
            }
        }
    }
    const bool wholePile = from < r.tableaus && count == m_size[from];
    // The empty tableaus that count towards this run's length.
    int spaces = emptyTableaus;
    if (count > 1 && r.runSpaces[static_cast<std::size_t>(card)] != (1U << r.tableaus) - 1) {
        spaces = 0;
        for (int t = 0; t < r.tableaus; ++t) {
            spaces +=
                m_size[t] == 0 && (r.runSpaces[static_cast<std::size_t>(card)] >> t & 1U) ? 1 : 0;
        }
    }
    std::array<bool, CompactRules::kMaxTableaus> emptyTried{};
    const bool stockHolds = m_size[stock()] > 0;
    for (int t = 0; t < r.tableaus; ++t) {
        if (t == from || (stockHolds && r.closedWhileStock[static_cast<std::size_t>(t)])) {
            continue;
        }
        const int n = m_size[t];
        if (n > 0 && ((m_cards[t][n - 1] & kFaceDown) != 0 ||
                      (r.tableauMaxCards != -1 && n >= r.tableauMaxCards))) {
            continue; // a face-down top takes nothing, nor a full tableau
        }
        const int below = n == 0 ? 0 : m_cards[t][n - 1];
        if (below == 0) {
            // A whole pile onto an empty pile of its own class is no change.
            if (emptyTried[r.tableauClass[t]] ||
                (wholePile && r.tableauClass[t] == r.tableauClass[from])) {
                continue;
            }
            emptyTried[r.tableauClass[t]] = true;
        }
        if (!r.tableauTakes(t, below, card) ||
            (below == 0 && count > 1 && !r.emptyTakesRun(t, card)) ||
            count > r.longestRun(spaces, emptyReserves, below == 0)) {
            continue;
        }
        bool runFits = true;
        for (int i = m_size[from] - count + 1; runFits && i < m_size[from]; ++i) {
            runFits = r.runPairFits(t, m_cards[from][i - 1], m_cards[from][i]);
        }
        if (runFits) {
            add(t);
        }
    }
    if (count == 1 && (from < r.tableaus || from == waste() || (fromFoundation && r.everyMove))) {
        for (int c = 0; c < r.reserves; ++c) {
            if (m_size[reserve(c)] == 0 && r.reserveTakes[static_cast<std::size_t>(c)]) {
                add(reserve(c));
                if (!r.reservesApart) {
                    break; // empty free cells are alike
                }
            }
        }
    }
}

void CompactPosition::stockMoves(int emptyTableaus, int emptyReserves,
                                 std::vector<CompactMove>& moves) const {
    // The stock and the waste as the clicks leave them, played out on small
    // copies: the top of each is its last card.
    std::array<std::uint8_t, kMaxHeight> stockCards{};
    std::array<std::uint8_t, kMaxHeight> wasteCards{};
    int s = m_size[stock()];
    int w = m_size[waste()];
    std::copy_n(m_cards[stock()].begin(), s, stockCards.begin());
    std::copy_n(m_cards[waste()].begin(), w, wasteCards.begin());
    int passes = m_passes;
    const int total = s + w;
    const int k = m_rules->drawCount;
    // Once the waste has been turned back, the clicks go round a cycle that
    // the stock's size tells apart.
    std::array<bool, kMaxHeight + 1> seenAfterTurn{};
    bool turned = false;
    const int most = 255;
    for (int draws = 1; draws <= most; ++draws) {
        if (s == 0) {
            if (w <= 1 || (m_rules->passLimit != -1 && passes >= m_rules->passLimit)) {
                return;
            }
            while (w > 0) {
                stockCards[s++] = wasteCards[--w];
            }
            ++passes;
            turned = true;
        }
        for (int i = 0; i < k && s > 0; ++i) {
            wasteCards[w++] = stockCards[--s];
        }
        if (turned) {
            if (seenAfterTurn[s]) {
                return;
            }
            seenAfterTurn[s] = true;
        }
        if (s + w != total || w == 0) {
            return;
        }
        const int top = wasteCards[w - 1] & kCodeMask;
        const std::size_t first = moves.size();
        movesOf(waste(), 1, top, draws, emptyTableaus, emptyReserves, moves);
        if (m_rules->sweeps && !sweepHeldBack()) {
            // A card a foundation takes goes up as soon as a click turns it:
            // it goes nowhere else, and the clicks go no further.
            const auto elsewhere = [&](const CompactMove& m) {
                return m.to < foundation(0) || m.to >= stock();
            };
            const bool swept =
                std::any_of(moves.begin() + static_cast<std::ptrdiff_t>(first), moves.end(),
                            [&](const CompactMove& m) { return !elsewhere(m); });
            if (swept) {
                moves.erase(std::remove_if(moves.begin() + static_cast<std::ptrdiff_t>(first),
                                           moves.end(), elsewhere),
                            moves.end());
                return;
            }
        }
    }
}

bool CompactPosition::reserveTopPlays(int c) const {
    const int n = m_size[reserve(c)];
    return n >= 1 && (!m_rules->reserveLastCardOnly || n == 1);
}

void CompactPosition::legalMoves(std::vector<CompactMove>& moves) const {
    const CompactRules& r = *m_rules;
    // A complete run of one suit goes up by itself in the engine, at once:
    // while one lies on a tableau, that is the only move.
    if (r.suitRunFoundation) {
        for (int t = 0; t < r.tableaus; ++t) {
            if (!completeSuitRunOnTop(t)) {
                continue;
            }
            for (int f = 0; f < r.foundations; ++f) {
                if (m_size[foundation(f)] == 0) {
                    moves.push_back({static_cast<std::uint8_t>(t),
                                     static_cast<std::uint8_t>(foundation(f)),
                                     static_cast<std::uint8_t>(kSuitRunLength), 0,
                                     m_cards[t][m_size[t] - kSuitRunLength]});
                    return;
                }
            }
        }
    }
    int emptyTableaus = 0;
    for (int t = 0; t < r.tableaus; ++t) {
        emptyTableaus += m_size[t] == 0 ? 1 : 0;
    }
    int emptyReserves = 0;
    for (int c = 0; c < r.reserves; ++c) {
        emptyReserves +=
            m_size[reserve(c)] == 0 && r.reserveTakes[static_cast<std::size_t>(c)] ? 1 : 0;
    }
    const int longest = r.longestRun(emptyTableaus, emptyReserves, false);
    for (int t = 0; t < r.tableaus; ++t) {
        const int n = m_size[t];
        for (int count = 1; count <= n && count <= longest && liftableRun(t, count); ++count) {
            movesOf(t, count, m_cards[t][n - count], 0, emptyTableaus, emptyReserves, moves);
        }
    }
    for (int c = 0; c < r.reserves; ++c) {
        if (reserveTopPlays(c)) {
            movesOf(reserve(c), 1, m_cards[reserve(c)][m_size[reserve(c)] - 1] & kCodeMask, 0,
                    emptyTableaus, emptyReserves, moves);
        }
    }
    // A card taken back from a foundation, onto the tableaus.
    for (int f = 0; f < r.foundations && r.takeBack; ++f) {
        const int pile = foundation(f);
        if (m_size[pile] > r.takeBackKeeps) {
            movesOf(pile, 1, m_cards[pile][m_size[pile] - 1] & kCodeMask, 0, emptyTableaus,
                    emptyReserves, moves);
        }
    }
    if (r.runsThroughSpaces) {
        runMovesThroughSpaces(emptyTableaus, moves);
    }
    if (m_drawsLeft > 0) {
        drawMoves(emptyTableaus, moves);
    }
    if (m_size[waste()] > 0) {
        movesOf(waste(), 1, m_cards[waste()][m_size[waste()] - 1] & kCodeMask, 0, emptyTableaus,
                emptyReserves, moves);
    }
    if (r.hasStock && !r.clicksAsMoves) {
        stockMoves(emptyTableaus, emptyReserves, moves);
    }
    if (r.hasStock && r.clicksAsMoves) {
        const int w = m_size[waste()];
        // The waste turned back (at a click on the empty stock) while the
        // passes allow; a waste of one card would come back as it was.
        const bool turns =
            m_size[stock()] == 0 && w > 1 && (r.passLimit == -1 || m_passes < r.passLimit);
        if (m_size[stock()] > 0 || turns) {
            moves.push_back(clickMove());
        }
    }
    if (r.dealsToTableaus() && m_size[stock()] > 0) {
        const StockDeal& deal = r.dealAt(m_size[stock()]);
        bool refused = false;
        for (int t = 0; t < r.tableaus; ++t) {
            refused = refused || (m_size[t] == 0 && deal.refusedByGap[static_cast<std::size_t>(t)]);
        }
        if (!refused) {
            moves.push_back(dealMove());
        }
    }
    // The redeal, where it is a click that changes something: a shuffled
    // redeal always is (the pass it spends changes the next shuffle).
    if (r.redeal && m_size[stock()] == 0 && m_size[waste()] == 0 && redealsRemain() &&
        (r.redeal->shuffled || redealChangesPiles())) {
        moves.push_back(redealMove());
    }
}

int CompactPosition::wantedAfter(int code, int suitHome) const {
    const CompactRules& r = *m_rules;
    if (r.wantedFrom == 0) {
        return table::rankOf(code) - suitHome;
    }
    constexpr int kRanks = 13;
    const int place = (table::rankOf(code) - r.wantedFrom + kRanks) % kRanks + 1;
    return place - (r.foundationsInSuit ? suitHome : 0);
}

int CompactPosition::distance(const DistanceWeights& w) const {
    const CompactRules& r = *m_rules;
    // How many cards of each suit are home, a pack at a time.
    std::array<int, 4> home{};
    const int packs = std::max(1, r.cards / 52);
    for (int f = 0; f < r.foundations; ++f) {
        const int pile = foundation(f);
        for (int i = 0; i < m_size[pile]; ++i) {
            const int suit = table::suitOf(r.playedAs[m_cards[pile][i] & kCodeMask]);
            home[suit < 0 ? 0 : suit] += 1;
        }
    }
    // Where foundations build both ways, the top rank of each suit's up
    // foundations (0 for none) and of its down ones (14 for none): a card
    // is wanted as soon as the nearer of the two comes to it.
    constexpr int kBelowAce = 0;
    constexpr int kAboveKing = 14;
    std::array<int, 4> upTop{};
    std::array<int, 4> downTop{};
    if (r.foundationsBothWays) {
        upTop.fill(kBelowAce);
        downTop.fill(kAboveKing);
        for (int f = 0; f < r.foundations; ++f) {
            const int code = topCode(foundation(f)) & kCodeMask;
            const int suit = table::suitOf(code);
            const int step = r.foundationStep[static_cast<std::size_t>(f)];
            if (code == 0 || suit < 0) {
                continue;
            }
            if (step > 0) {
                upTop[suit] = std::max(upTop[suit], table::rankOf(code));
            } else if (step < 0) {
                downTop[suit] = std::min(downTop[suit], table::rankOf(code));
            }
        }
    }
    auto need = [&](std::uint8_t card) {
        const int code = r.playedAs[card & kCodeMask];
        const int suit = table::suitOf(code);
        if (r.foundationsBothWays && suit >= 0) {
            const int rank = table::rankOf(code);
            const int up = rank > upTop[suit] ? rank - upTop[suit] : kAboveKing;
            const int down = rank < downTop[suit] ? downTop[suit] - rank : kAboveKing;
            return std::min(up, down);
        }
        return wantedAfter(code, suit < 0 ? 0 : home[suit] / packs);
    };
    int covering = 0;
    auto countCovering = [&](int pile) {
        int soonestBelow = 1000;
        for (int i = 0; i < m_size[pile]; ++i) {
            const int n = need(m_cards[pile][i]);
            covering += n > soonestBelow ? 1 : 0;
            soonestBelow = std::min(soonestBelow, n);
        }
    };
    for (int t = 0; t < r.tableaus; ++t) {
        countCovering(t);
    }
    for (int c = 0; c < r.reserves; ++c) {
        if (r.upOnlyReserve[static_cast<std::size_t>(c)] || r.reservesApart) {
            countCovering(reserve(c));
        }
    }
    // A bouquet's cards are free to play at any time: holding them costs
    // nothing, where a free cell held is one fewer to use.
    int heldCells = 0;
    for (int c = 0; c < r.reserves && !r.bouquet; ++c) {
        heldCells += m_size[reserve(c)];
    }
    // Where the stock deals onto free cells, a card still in the stock
    // will hold one: a deal costs nothing by itself.
    if (r.reservesApart) {
        heldCells += m_size[stock()];
    }
    int emptyTableaus = 0;
    for (int t = 0; t < r.tableaus; ++t) {
        emptyTableaus += m_size[t] == 0 ? 1 : 0;
    }
    int broken = 0;
    int inStock = 0;
    if (r.suitRunFoundation) {
        for (int t = 0; t < r.tableaus; ++t) {
            for (int i = 1; i < m_size[t]; ++i) {
                const std::uint8_t below = m_cards[t][i - 1];
                const std::uint8_t above = m_cards[t][i];
                if ((below & kFaceDown) == 0 &&
                    !(r.tableauTakes(t, below, above) && r.runPairFits(t, below, above))) {
                    ++broken;
                }
            }
        }
        inStock = m_size[stock()];
        covering = 0; // the foundations take kings first: "sooner" means nothing here
    }
    return w.awayCard * (r.cards - m_onFoundations) + w.faceDownCard * m_faceDown +
           w.coveringCard * covering + w.heldCell * heldCells - w.emptyTableau * emptyTableaus +
           w.brokenRun * broken + w.stockCard * inStock + clickedStockDistance(w);
}

int CompactPosition::clickedStockDistance(const DistanceWeights& w) const {
    const CompactRules& r = *m_rules;
    constexpr int kOneCard = 1;
    constexpr int kSinglePass = 1;
    const bool onePassOfCards = r.passLimit == kSinglePass && r.runSizeCode == kOneCard;
    if (!r.clicksAsMoves || r.suitRunFoundation ||
        !(onePassOfCards || r.restartedSearch || r.onePackRestarts)) {
        return 0;
    }
    // The next rank each suit's foundations want, a pack at a time.
    std::array<int, 4> home{};
    const int packs = std::max(1, r.cards / 52);
    for (int f = 0; f < r.foundations; ++f) {
        for (int i = 0; i < m_size[foundation(f)]; ++i) {
            const int suit = table::suitOf(m_cards[foundation(f)][i] & kCodeMask);
            home[suit < 0 ? 0 : suit] += 1;
        }
    }
    int covering = 0;
    int soonestBelow = std::numeric_limits<int>::max();
    for (int i = 0; i < m_size[waste()]; ++i) {
        const int code = m_cards[waste()][i] & kCodeMask;
        const int suit = table::suitOf(code);
        const int need = wantedAfter(code, suit < 0 ? 0 : home[suit] / packs);
        covering += need > soonestBelow ? 1 : 0;
        soonestBelow = std::min(soonestBelow, need);
    }
    constexpr int kStockCardsWeigh = 2;
    return w.coveringCard * covering +
           kStockCardsWeigh * w.stockCard * (m_size[stock()] + m_size[waste()]);
}

void CompactPosition::focusedMoves(std::vector<CompactMove>& moves) const {
    const std::size_t first = moves.size();
    legalMoves(moves);
    const CompactRules& r = *m_rules;
    // For a move between tableaus that leaves cards behind, the card the
    // moved run lies on and the run's bottom card.
    struct Base {
        std::uint8_t under;
        std::uint8_t bottom;
    };
    auto baseOf = [&](const CompactMove& m) -> std::optional<Base> {
        if (m.from >= r.tableaus || m.to >= r.tableaus || isDraw(m)) {
            return std::nullopt;
        }
        const int left = m_size[m.from] - m.count;
        if (left == 0) {
            return std::nullopt;
        }
        return Base{m_cards[m.from][left - 1], m_cards[m.from][left]};
    };
    auto splits = [&](const CompactMove& m) {
        const std::optional<Base> base = baseOf(m);
        if (!base || (base->under & kFaceDown) != 0) {
            return false;
        }
        // Where runs move through the spaces, a run is what the tableau's
        // own rule built.
        const bool built = r.runsThroughSpaces ? r.tableauTakes(m.from, base->under, base->bottom)
                                               : r.runPairFits(m.from, base->under, base->bottom);
        if (!built) {
            return false; // the whole run moves
        }
        for (int f = 0; f < r.foundations; ++f) {
            const int fp = foundation(f);
            const int below = m_size[fp] == 0 ? 0 : m_cards[fp][m_size[fp] - 1] & kCodeMask;
            if (foundationTakes(f, below, base->under)) {
                return false;
            }
        }
        return true;
    };
    // Where whole suit runs go up, a run that lies on a card it is built on
    // moves only to lie in suit, onto an empty tableau or to a foundation:
    // from one card of another suit to the next it gains nothing.
    auto sideways = [&](const CompactMove& m) {
        const std::optional<Base> base = baseOf(m);
        if (!r.suitRunFoundation || !base || m_size[m.to] == 0) {
            return false;
        }
        const std::uint8_t onto = m_cards[m.to][m_size[m.to] - 1];
        return (base->under & kFaceDown) == 0 &&
               r.tableauTakes(m.from, base->under, base->bottom) &&
               !r.runPairFits(m.to, onto, base->bottom);
    };
    moves.erase(std::remove_if(moves.begin() + static_cast<std::ptrdiff_t>(first), moves.end(),
                               [&](const CompactMove& m) { return splits(m) || sideways(m); }),
                moves.end());
}

bool CompactPosition::stillNeeded(int card) const {
    // Where the foundations give cards back, a card built on this one may
    // come back from its foundation to hold a card still in play: in
    // British Canister a red 5 sent up once both black 4s are home loses
    // the win that takes a black 4 back onto it for a red 3.
    const bool givesBack = m_rules->takeBack && m_rules->cautiousSafeMoves;
    const std::size_t code = static_cast<std::size_t>(card);
    CompactRules::CodeSet wanted = m_rules->builders[code];
    if (givesBack) {
        wanted |= m_rules->buildersOfBuilders[code];
    }
    return (wanted & ~m_home).any();
}

bool CompactPosition::sweepHeldBack() const {
    if (!m_rules->firstCardUpByHand) {
        return false;
    }
    for (int f = 0; f < m_rules->foundations; ++f) {
        if (m_size[foundation(f)] > 0) {
            return false;
        }
    }
    return true;
}

bool CompactPosition::safeFoundationMove(CompactMove& move) const {
    const CompactRules& r = *m_rules;
    // Every card left on the tableaus changes what a redeal deals.
    if (r.exactRedeals && !r.sweeps && redealsRemain()) {
        return false;
    }
    // Where cards come back from the foundations, a card sent up could come
    // back to be built on, and it hides the card under it on its foundation:
    // only a card nothing in the game is built on, onto an empty foundation,
    // is safe, and only while every such card has an empty foundation of
    // its own and no gap changes what a deal does.
    // Under the Autoplay sweep every card a foundation takes goes up.
    const bool givesBack = r.everyMove && r.takeBack && !r.sweeps;
    if (givesBack && (!r.basesFit || r.dealsToTableaus())) {
        return false;
    }
    if (r.sweeps && sweepHeldBack()) {
        return false;
    }
    auto tryPile = [&](int pile) {
        const int card = topCode(pile);
        if (card == 0 || (!r.sweeps && (givesBack ? !r.buildsOn[card & kCodeMask].empty()
                                                  : stillNeeded(card & kCodeMask)))) {
            return false;
        }
        int taker = -1;
        for (int f = 0; f < r.foundations; ++f) {
            const int fp = foundation(f);
            const int below = m_size[fp] == 0 ? 0 : m_cards[fp][m_size[fp] - 1] & kCodeMask;
            if (foundationTakes(f, below, card & kCodeMask)) {
                if (givesBack && below != 0) {
                    return false;
                }
                if (taker >= 0 && !r.foundationsAlike && !r.sweeps) {
                    return false; // which foundation takes it is a choice
                }
                taker = taker < 0 ? fp : taker;
            }
        }
        if (taker < 0) {
            return false;
        }
        move = {static_cast<std::uint8_t>(pile), static_cast<std::uint8_t>(taker), 1, 0,
                static_cast<std::uint8_t>(card & kCodeMask)};
        return true;
    };
    // A tableau's last card sent up brings the waste's top card, or the
    // stock's, into the space: where clicks turn several cards, that
    // changes which cards later clicks bring up.
    const bool fillRegroups = r.fillsFromWasteOrStock && r.drawCount > 1 && !r.sweeps &&
                              (m_size[stock()] > 0 || m_size[waste()] > 0);
    for (int t = 0; t < r.tableaus; ++t) {
        if (!(fillRegroups && m_size[tableau(t)] == 1) && tryPile(tableau(t))) {
            return true;
        }
    }
    for (int c = 0; c < r.reserves; ++c) {
        if (reserveTopPlays(c) && tryPile(reserve(c))) {
            return true;
        }
    }
    // A card taken from the waste changes which cards later clicks bring
    // up, unless they come one at a time.
    return (r.drawCount == 1 || r.sweeps) && tryPile(waste());
}

} // namespace vellomir::engine
