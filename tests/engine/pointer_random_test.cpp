#include "engine/play/play_engine.h"

#include "engine/records/card_census.h"
#include "support/catalogue_games.h"
#include "support/recording_frontend.h"
#include "table/card_position.h"
#include "table/pile_counts.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace vellomir::engine {
namespace {

using table::PileKind;
using table::PileRef;

std::vector<int> catalogueGames() {
    return testing::catalogueGames(VELLOMIR_BIN_DIR);
}

// A point for the next event, weighted toward where the cards move: the
// stock and the waste (deals and redeals), the top cards of the piles,
// then any card of a pile, and now and then anywhere on the table.
std::pair<int, int> randomPoint(const table::ProgramState& state, std::mt19937& random) {
    const table::PileCounts counts = table::PileCounts::of(state.params);
    const int kind = std::uniform_int_distribution<int>(0, 19)(random);
    if (kind < 2) {
        return {std::uniform_int_distribution<int>(-20, 1040)(random),
                std::uniform_int_distribution<int>(-20, 790)(random)};
    }
    std::vector<PileRef> piles;
    if (kind < 9) {
        piles = {{PileKind::Stock, 0}, {PileKind::Stock, 1}};
    } else {
        piles = {{PileKind::Stock, 0}, {PileKind::Stock, 1}, {PileKind::Stock, 2}};
        for (int f = 0; f < counts.foundations; ++f) {
            piles.push_back({PileKind::Foundation, f});
        }
        for (int t = 0; t < counts.tableaus; ++t) {
            piles.push_back({PileKind::Tableau, t});
        }
        for (int r = 0; r < counts.reserves; ++r) {
            piles.push_back({PileKind::Reserve, r});
        }
    }
    const PileRef pile =
        piles[std::uniform_int_distribution<std::size_t>(0, piles.size() - 1)(random)];
    const int cards = table::cardCount(state.piles.pile(pile));
    const bool top = kind < 16;
    const int slot = cards == 0 ? 0
                     : top      ? cards - 1
                                : std::uniform_int_distribution<int>(0, cards - 1)(random);
    const table::CardPoint at = pile.kind == PileKind::Stock
                                    ? table::pilePosition(state, pile)
                                    : table::cardPosition(state, pile, slot);
    return {at.x + std::uniform_int_distribution<int>(0, 70)(random),
            at.y + std::uniform_int_distribution<int>(0, 20)(random)};
}

// Deals 1 to 3 of each game, each with other settings. Under AddressSanitizer
// every event runs many times slower: one deal of each game, its settings
// taken in turn from game to game, still walks every game's code.
#ifdef __SANITIZE_ADDRESS__
constexpr int kRandomDealsPerGame = 1;
#else
constexpr int kRandomDealsPerGame = 3;
#endif

// Random presses, moves, releases, double clicks and right clicks, at pile
// places and anywhere, over deals of every catalogue game: no card is ever
// lost or doubled, and nothing crashes.
TEST(PointerInputProperty, RandomPointerEventsNeverLoseOrDoubleACard) {
    // Long enough to run through a stock, turn the waste over and deal on.
    constexpr int kSteps = 1200;
    const std::vector<int> games = catalogueGames();
    ASSERT_FALSE(games.empty());
    std::mt19937 random(20261207);
    int actions = 0; // undo steps taken, to show the events did move cards
    for (int game : games) {
        for (int round = 0; round < kRandomDealsPerGame; ++round) {
            const int deal = kRandomDealsPerGame == 3 ? round + 1 : 1 + game % 3;
            table::ProgramState state(VELLOMIR_BIN_DIR);
            testing::RecordingFrontend frontend;
            state.settings.write(settings::field::CardSize, "B");
            state.settings.write(settings::field::ScoringScheme, "01");
            state.mainGame.setCell(table::cell::CardSizeMode, 2);
            state.settings.write(settings::field::DealNumber,
                                 std::string(12, '0') + std::to_string(deal));
            state.settings.write(settings::field::DoubleClickToFoundations, "Y");
            state.settings.write(settings::field::RightClickToTableaus, deal == 2 ? "Y" : "N");
            state.settings.write(settings::field::ShowPartialHiddenCard, "Y");
            state.autoplayTicked = deal != 1;
            PlayEngine engine(state, frontend);
            ASSERT_TRUE(engine.loadGameList());
            ASSERT_TRUE(engine.openGame(game, DealNumberMode::Keep, false)) << "game " << game;
            const CardCensus dealt = takeCardCensus(state);
            for (int step = 0; step < kSteps && state.flags.test(table::Flag::GameInPlay); ++step) {
                const auto [x, y] = randomPoint(state, random);
                switch (std::uniform_int_distribution<int>(0, 11)(random)) {
                case 0:
                case 1:
                case 2:
                    engine.buttonDown(0, 0, x, y);
                    break;
                case 3:
                    engine.buttonDown(1, std::uniform_int_distribution<int>(0, 1)(random) * 4, x,
                                      y);
                    break;
                case 4:
                case 5:
                case 6:
                    engine.pointerMove(x, y);
                    break;
                case 7:
                case 8:
                    engine.buttonUp();
                    break;
                case 9: {
                    // A whole drag from one pile to another.
                    engine.buttonDown(0, 0, x, y);
                    const auto [toX, toY] = randomPoint(state, random);
                    engine.pointerMove((x + toX) / 2, (y + toY) / 2);
                    engine.pointerMove(toX, toY);
                    engine.buttonUp();
                    break;
                }
                default:
                    engine.buttonDown(0, 0, x, y);
                    engine.buttonUp();
                    engine.doubleClick();
                    break;
                }
                frontend.calls.clear();
                // A held card stays in its pile string: the count holds
                // after every event.
                ASSERT_EQ(cardsOnTableOnce(state, dealt), "")
                    << "game " << game << " deal " << deal << " step " << step;
            }
            engine.buttonUp();
            actions += state.undoLists.snapshotCount();
            ASSERT_EQ(cardsOnTableOnce(state, dealt), "") << "game " << game << " deal " << deal;
        }
    }
    EXPECT_GT(actions, static_cast<int>(games.size()) * kRandomDealsPerGame);
}

} // namespace
} // namespace vellomir::engine
