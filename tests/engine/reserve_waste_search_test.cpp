#include "engine/solver/compact_reserve_waste.h"

#include "engine/actions/automatic_moves.h"
#include "engine/dealt_game.h"
#include "engine/input/legal_moves.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <tuple>

namespace vellomir::engine {
namespace {

using namespace vellomir::testing::game;
using AlhambraTable = testing::UnrecordedGame;

TEST(ReserveWasteDeal, ReadsAlhambrasRulesFromTheEngine) {
    AlhambraTable table(kAlhambra, 1);
    const std::optional<ReserveWasteDeal> deal = reserveWasteDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    EXPECT_EQ(deal->reserves, 8);
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(deal->reservePiles[static_cast<std::size_t>(r)],
                  table::cardCodes(table.state.piles.reserve(r)));
    }
    // The stock's top card comes first; three passes are two turn-backs.
    ASSERT_EQ(deal->talon.size(), 64U);
    EXPECT_EQ(deal->talon.front(), table::topCardOf(table.state.piles.stock(table::kStock)));
    EXPECT_EQ(deal->onWaste, 0);
    EXPECT_EQ(deal->turnBacks, 2);
    // The aces' foundations build up to the kings, the kings' down to the
    // aces, each in its suit.
    ASSERT_EQ(deal->foundations, 8);
    for (int f = 0; f < 8; ++f) {
        const auto i = static_cast<std::size_t>(f);
        const int base = table::topCardOf(table.state.piles.foundation(f));
        EXPECT_EQ(deal->suit[i], table::suitOf(base)) << "foundation " << f;
        if (table::rankOf(base) == 1) {
            EXPECT_EQ(std::tuple(deal->next[i], deal->step[i], deal->last[i]), std::tuple(2, 1, 13))
                << "foundation " << f;
        } else {
            EXPECT_EQ(std::tuple(deal->next[i], deal->step[i], deal->last[i]),
                      std::tuple(12, -1, 1))
                << "foundation " << f;
        }
    }
    for (const int other : {kKlondike, kCanfield, kSirTommy, kFrog}) {
        AlhambraTable game(other, 1);
        EXPECT_FALSE(reserveWasteDealFor(game.state, game.frontend)) << "game " << other;
    }
}

// A move as the engine and the model both name it; a click on the stock
// is kind 3.
using AlhambraNamedMove = std::tuple<int, int, int, int>; // kind, reserve, foundation, card

std::set<AlhambraNamedMove> alhambraEngineMoves(AlhambraTable& table) {
    std::set<AlhambraNamedMove> named;
    for (const LegalMove& m : legalMoves(table.state, table.frontend)) {
        using Kind = ReserveWasteMove::Kind;
        const bool fromWaste = m.from.kind == table::PileKind::Stock;
        const bool toWaste = m.to.kind == table::PileKind::Stock;
        int kind = 100 + static_cast<int>(m.from.kind) * 10 + static_cast<int>(m.to.kind);
        if (m.to.kind == table::PileKind::Foundation) {
            kind = static_cast<int>(fromWaste ? Kind::WasteUp : Kind::ReserveUp);
        } else if (m.from.kind == table::PileKind::Reserve && toWaste) {
            kind = static_cast<int>(Kind::ReserveToWaste);
        }
        named.insert({kind, fromWaste ? 0 : m.from.index,
                      m.to.kind == table::PileKind::Foundation ? m.to.index : 0, m.card});
    }
    // A click counts where it changes the table.
    AlhambraTable copy(table);
    const table::PileLists before = copy.state.piles;
    copy.run("click Mazzo");
    if (!(copy.state.piles == before)) {
        named.insert({static_cast<int>(ReserveWasteMove::Kind::Click), 0, 0, 0});
    }
    return named;
}

std::set<AlhambraNamedMove> alhambraModelMoves(const ReserveWastePosition& pos) {
    std::vector<ReserveWasteMove> moves;
    pos.moves(moves);
    std::set<AlhambraNamedMove> named;
    for (const ReserveWasteMove& m : moves) {
        named.insert({static_cast<int>(m.kind), m.reserve, m.foundation, m.card});
    }
    return named;
}

// The talon with the line between waste and stock, the reserves, what
// each foundation takes next and the turn-backs left.
std::string describeAlhambra(const ReserveWastePosition& pos) {
    std::string text = "talon";
    for (int i = 0; i < pos.talonSize(); ++i) {
        text += (i == pos.onWaste() ? " | " : " ") + std::to_string(pos.talonCard(i));
    }
    for (int r = 0; r < pos.deal().reserves; ++r) {
        text += "; reserve";
        for (int i = 0; i < pos.reserveHeight(r); ++i) {
            text += " " + std::to_string(pos.deal().reservePiles[static_cast<std::size_t>(r)]
                                                                [static_cast<std::size_t>(i)]);
        }
    }
    for (int f = 0; f < pos.deal().foundations; ++f) {
        text += "; next " + std::to_string(pos.next(f));
    }
    return text + "; turn-backs " + std::to_string(pos.turnBacksLeft());
}

// Random play through the pointer input, the stock turned back twice: at
// every position the model read from the table lists the moves the engine
// allows, each move of the model leads where the engine's leads, and
// taking it back restores the position and its key.
TEST(ReserveWastePosition, MovesAsTheEngineMovesThroughThreePasses) {
    for (int dealNumber = 1; dealNumber <= 2; ++dealNumber) {
        AlhambraTable table(kAlhambra, dealNumber);
        if (autoplayActive(table.state)) {
            table.run("autoplay");
        }
        std::mt19937 random(static_cast<unsigned>(dealNumber));
        int turnBacksSeen = 0;
        std::optional<ReserveWasteDeal> model = reserveWasteDealFor(table.state, table.frontend);
        for (int step = 0; step < 400; ++step) {
            const std::string where =
                "deal " + std::to_string(dealNumber) + " step " + std::to_string(step);
            ASSERT_TRUE(model) << where;
            ReserveWastePosition pos(*model);
            ASSERT_EQ(alhambraEngineMoves(table), alhambraModelMoves(pos))
                << where << ": " << describeAlhambra(pos);
            std::vector<ReserveWasteMove> moves;
            pos.moves(moves);
            if (moves.empty()) {
                break;
            }
            // Cards built on the waste and sent up more often than turned.
            ReserveWasteMove move = moves[random() % moves.size()];
            if (move.kind == ReserveWasteMove::Kind::Click && moves.size() > 1 &&
                random() % 2 == 0) {
                move = moves.front();
            }
            const std::string before = describeAlhambra(pos);
            const std::uint64_t key = pos.key();
            const int turnBacks = pos.turnBacksLeft();
            const int undo = pos.apply(move);
            if (move.kind == ReserveWasteMove::Kind::Click) {
                turnBacksSeen += turnBacks - pos.turnBacksLeft();
                ASSERT_TRUE(table.run("click Mazzo")) << where;
            } else {
                const table::PileRef from =
                    move.kind == ReserveWasteMove::Kind::WasteUp
                        ? table::PileRef{table::PileKind::Stock, table::kWaste}
                        : table::PileRef{table::PileKind::Reserve, move.reserve};
                const table::PileRef to =
                    move.kind == ReserveWasteMove::Kind::ReserveToWaste
                        ? table::PileRef{table::PileKind::Stock, table::kWaste}
                        : table::PileRef{table::PileKind::Foundation, move.foundation};
                ASSERT_TRUE(playLegalMove(table.state, table.frontend, {move.card, 1, from, to}))
                    << where;
            }
            std::optional<ReserveWasteDeal> after =
                reserveWasteDealFor(table.state, table.frontend);
            ASSERT_TRUE(after) << where;
            EXPECT_EQ(describeAlhambra(ReserveWastePosition(*after)), describeAlhambra(pos))
                << where;
            EXPECT_EQ(ReserveWastePosition(*after).key(), pos.key()) << where;
            ReserveWastePosition back = pos;
            back.undo(move, undo);
            EXPECT_EQ(describeAlhambra(back), before) << where;
            EXPECT_EQ(back.key(), key) << where;
            model = std::move(after);
        }
        EXPECT_EQ(turnBacksSeen, 2) << "deal " << dealNumber;
    }
}

// A made-up end of a deal: hearts only, one foundation building 2 to 4 up,
// the other 4 to 2 down, the talon's first `onWaste` cards on the waste.
ReserveWasteDeal heartsEnd(std::vector<std::uint8_t> talon, int onWaste, int turnBacks) {
    ReserveWasteDeal deal;
    deal.reserves = 1;
    deal.reservePiles = {{}};
    deal.foundations = 2;
    deal.suit = {0, 0};
    deal.next = {2, 4};
    deal.step = {1, -1};
    deal.last = {4, 2};
    for (int card = 1; card <= 104; ++card) {
        const auto i = static_cast<std::size_t>(card);
        deal.suitOf[i] = static_cast<std::uint8_t>(table::suitOf(card));
        deal.rankOf[i] = static_cast<std::uint8_t>(table::rankOf(card));
        deal.faceOf[i] = static_cast<std::uint8_t>(deal.suitOf[i] * 13 + deal.rankOf[i]);
    }
    deal.talon = std::move(talon);
    deal.onWaste = onWaste;
    deal.turnBacks = turnBacks;
    return deal;
}

// A 3 on the waste in the last pass is lost when both 2s lie under it (the
// foundation going up needs one first) and both 4s too (the one going
// down); a 2 still in the stock, or a pass still to come, saves it.
TEST(ReserveWastePosition, KnowsAWasteTopThatCanNeverGoUp) {
    constexpr std::uint8_t two = 2, three = 3, four = 4;       // hearts of the first pack
    constexpr std::uint8_t twoB = 54, threeB = 55, fourB = 56; // and of the second
    const ReserveWasteDeal lost = heartsEnd({two, twoB, four, fourB, three, threeB}, 5, 0);
    EXPECT_TRUE(ReserveWastePosition(lost).wasteTopBuried());
    const ReserveWasteDeal twoToCome = heartsEnd({two, four, fourB, three, twoB, threeB}, 4, 0);
    EXPECT_FALSE(ReserveWastePosition(twoToCome).wasteTopBuried());
    const ReserveWasteDeal passLeft = heartsEnd({two, twoB, four, fourB, three, threeB}, 5, 1);
    EXPECT_FALSE(ReserveWastePosition(passLeft).wasteTopBuried());
    // The 4s above the 3 do not hold it: it goes down once they have.
    const ReserveWasteDeal foursAbove = heartsEnd({two, twoB, three, four, fourB, threeB}, 3, 0);
    EXPECT_FALSE(ReserveWastePosition(foursAbove).wasteTopBuried());
}

// The search's line, played on the model from the deal, is a line of legal
// moves that ends won; the same line then wins through the pointer input.
TEST(ReserveWasteSearch, WinsADealWithLegalMoves) {
    AlhambraTable table(kAlhambra, 166);
    if (autoplayActive(table.state)) {
        table.run("autoplay");
    }
    const std::optional<ReserveWasteDeal> deal = reserveWasteDealFor(table.state, table.frontend);
    ASSERT_TRUE(deal);
    const ReserveWasteSearchResult found = searchReserveWasteDeal(*deal, 1'000'000);
    ASSERT_EQ(found.outcome, ReserveWasteSearchResult::Outcome::Won);
    ReserveWastePosition pos(*deal);
    std::vector<ReserveWasteMove> moves;
    for (const ReserveWasteMove& move : found.line) {
        ASSERT_FALSE(pos.won());
        pos.moves(moves);
        ASSERT_NE(std::find(moves.begin(), moves.end(), move), moves.end());
        pos.apply(move);
    }
    EXPECT_TRUE(pos.won());
    // A search that runs out proves nothing: its keys are hashed.
    const ReserveWasteSearchResult cut = searchReserveWasteDeal(*deal, 10);
    EXPECT_EQ(cut.outcome, ReserveWasteSearchResult::Outcome::OutOfBudget);
}

} // namespace
} // namespace vellomir::engine
