#include "engine/solver/table_fingerprint.h"

#include "catalogue/parameter_index.h"
#include "catalogue/rule_codes.h"
#include "table/main_game.h"
#include "table/program_state.h"

#include <algorithm>
#include <string>

namespace vellomir::engine {

namespace {

namespace param = catalogue::param;
namespace cell = table::cell;
using table::Flag;
using table::PileKind;

// A multiply-and-rotate mix over small numbers; positions number in the
// millions at most, so 64 bits keep accidental collisions out of sight.
class Hasher {
public:
    void add(std::int64_t value) {
        m_hash ^= static_cast<std::uint64_t>(value) + 0x9e3779b97f4a7c15ULL;
        m_hash *= 0xbf58476d1ce4e5b9ULL;
        m_hash ^= m_hash >> 31;
    }
    // A pile: each card with its face, then the pile's end, so that piles
    // "12" + "3" and "1" + "23" differ.
    void addPile(const table::ProgramState& state, const std::string& pile) {
        const std::size_t n = pile.size() / 3 * 3;
        for (std::size_t i = 0; i < n; i += 3) {
            const int code = (pile[i] - '0') * 100 + (pile[i + 1] - '0') * 10 + (pile[i + 2] - '0');
            const bool up =
                code >= 1 && code <= table::CardTable::kEntries && state.cards.isFaceUp(code);
            add(code * 2 + (up ? 1 : 0));
        }
        add(-1);
    }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 0x84222325cbf29ce4ULL;
};

} // namespace

std::uint64_t tableFingerprint(const table::ProgramState& state) {
    Hasher hash;
    // Every card's face counts through the pile that holds it; a card on no
    // pile has no future.
    const table::PileLists& piles = state.piles;
    for (int i = 0; i < table::kStockPiles; ++i) {
        if (i != table::kDiscard) {
            hash.addPile(state, piles.stock(i));
        }
    }
    // Nothing ever leaves the discard pile: only its top card (the next
    // card may have to follow it) and its size (the score) matter, not the
    // order in which the cards below came there. Pairing games that throw
    // their pairs there would otherwise see each order of removals as a new
    // position.
    const std::string& discard = piles.stock(table::kDiscard);
    hash.add(static_cast<std::int64_t>(discard.size()));
    hash.addPile(state, discard.size() >= 3 ? discard.substr(discard.size() - 3) : discard);
    for (int i = 0; i < table::kMaxFoundations; ++i) {
        hash.addPile(state, piles.foundation(i));
    }
    for (int i = 0; i < table::kMaxTableaus; ++i) {
        hash.addPile(state, piles.tableau(i));
    }
    for (int i = 0; i < table::kMaxReserves; ++i) {
        hash.addPile(state, piles.reserve(i));
    }

    const table::TMainGame& game = state.mainGame;
    // The pass number only matters while it is counted against a limit;
    // with unlimited passes every pass would look like a new position.
    const int passes = state.params[param::StockPasses];
    hash.add(passes >= 0 ? std::min<int>(game.cell(cell::PassNumber), passes + 1) : -1);
    // The move phase only matters to games that treat their first move apart.
    if (state.params[param::FirstMoveFromTableau] !=
            catalogue::codeOf(catalogue::FirstMove::AnyFirstMove) ||
        state.params[param::FillTableausAfterFirstMove] != 0) {
        hash.add(std::min<int>(game.cell(cell::MovePhase), 2));
    }
    hash.add(game.cell(cell::MissCount));
    hash.add(game.cell(cell::StockPressed));
    // The deal counter picks the reserve of an alternating deal (its parity)
    // and the rank called in Hit or Miss (modulo 13).
    hash.add(state.flags.counter(0) % 26);
    for (int c = 1; c <= 3; ++c) {
        hash.add(state.flags.counter(c));
    }
    hash.add(state.flags.test(Flag::GameInPlay) ? 1 : 0);
    hash.add(state.flags.test(Flag::IgnoreNextPress) ? 1 : 0);
    hash.add(state.flags.test(Flag::Won) ? 1 : 0);
    // With Autoplay ticked every release sends cards up and fills empty places.
    hash.add(state.autoplayTicked ? 1 : 0);
    return hash.value();
}

} // namespace vellomir::engine
