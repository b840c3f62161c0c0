#include "engine/play/game_start.h"
#include "engine/play/play_engine.h"

#include "catalogue/parameter_index.h"
#include "support/catalogue_games.h"
#include "support/layout_check.h"
#include "support/recording_frontend.h"
#include "table/card.h"
#include "table/pile_positions.h"
#include "table/program_state.h"
#include "table/solvable_grid.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vellomir::engine {
namespace {

namespace param = catalogue::param;
using table::PileKind;

std::vector<int> shippedGames() {
    return testing::catalogueGames(VELLOMIR_BIN_DIR);
}

struct Dealt {
    std::unique_ptr<table::ProgramState> state;
    testing::RecordingFrontend frontend;
};

// Opens `game` on deal `dealNumber` on an area of the given size, with the
// Autoplay tick as given.
std::unique_ptr<Dealt> deal(int game, const std::string& dealNumber, int width = 1024,
                            int height = 768, bool autoplay = false) {
    auto dealt = std::make_unique<Dealt>();
    dealt->state = std::make_unique<table::ProgramState>(VELLOMIR_BIN_DIR);
    dealt->frontend.areaWidth = width;
    dealt->frontend.areaHeight = height;
    dealt->frontend.outerHeight = height + 60;
    dealt->frontend.screenW = std::max(width, 640);
    dealt->frontend.screenH = std::max(height, 480);
    table::ProgramState& state = *dealt->state;
    state.settings.write(settings::field::CardSize, "B");
    state.settings.write(settings::field::Card, "001");
    state.settings.write(settings::field::BackCard, "011");
    state.mainGame.setCell(table::cell::CardSizeMode, 2);
    PlayEngine engine(state, dealt->frontend);
    EXPECT_TRUE(engine.loadGameList());
    state.settings.write(settings::field::DealNumber, dealNumber);
    state.autoplayTicked = autoplay;
    EXPECT_TRUE(engine.openGame(game, DealNumberMode::Keep, false)) << "game " << game;
    return dealt;
}

// Every card on the table, with the number of places it is found in.
std::map<int, int> cardsOnTable(const table::ProgramState& state) {
    std::map<int, int> seen;
    auto count = [&](const std::string& pile) {
        for (int i = 0; i < table::cardCount(pile); ++i) {
            if (const int card = table::cardAt(pile, i); card != 0) {
                ++seen[card];
            }
        }
    };
    for (int i = 0; i < table::kStockPiles; ++i) {
        count(state.piles.stock(i));
    }
    for (int i = 0; i < table::kMaxFoundations; ++i) {
        count(state.piles.foundation(i));
    }
    for (int i = 0; i < table::kMaxTableaus; ++i) {
        count(state.piles.tableau(i));
    }
    for (int i = 0; i < table::kMaxReserves; ++i) {
        count(state.piles.reserve(i));
    }
    return seen;
}

TEST(CatalogueGames, TheCatalogueIsNotEmpty) {
    EXPECT_GE(shippedGames().size(), 2u);
}

TEST(CatalogueGames, EveryDealPutsEachCardOnTheTableOnce) {
    for (int game : shippedGames()) {
        for (const char* number :
             {"0000000000000", "1234567890123", "9999999999999", "0420001337000"}) {
            const auto dealt = deal(game, number);
            for (const auto& [card, places] : cardsOnTable(*dealt->state)) {
                EXPECT_EQ(places, 1) << "game " << game << " deal " << number << " card " << card;
            }
            const auto& p = dealt->state->params;
            const int arrangement = p[param::DealArrangement];
            // Puzzles keep only part of the pack, and games whose arrangement
            // turns a rank into gaps (aces 8, kings 15) take those cards out
            // of play; every other game deals the whole pack.
            const int packs = p[param::CardCount] == 104 ? 2 : 1;
            const int outOfPlay = arrangement == 8 || arrangement == 15 ? 4 * packs : 0;
            if (arrangement != 9 && arrangement != 10) {
                EXPECT_EQ(static_cast<int>(cardsOnTable(*dealt->state).size()),
                          p[param::CardCount] - outOfPlay)
                    << "game " << game << " deal " << number;
            }
        }
    }
}

TEST(CatalogueGames, TheSameDealNumberDealsTheSameTable) {
    for (int game : shippedGames()) {
        const auto first = deal(game, "3141592653589");
        const auto second = deal(game, "3141592653589");
        EXPECT_EQ(first->state->piles, second->state->piles) << "game " << game;
        for (int card = 1; card <= 108; ++card) {
            EXPECT_EQ(first->state->cards.isFaceUp(card), second->state->cards.isFaceUp(card));
        }
        const auto other = deal(game, "2718281828459");
        EXPECT_NE(first->state->piles, other->state->piles) << "game " << game;
    }
}

TEST(CatalogueGames, EveryLayoutFitsItsAreaWithoutOverlaps) {
    const std::pair<int, int> areas[] = {{800, 600}, {1024, 768}, {1920, 1080}};
    for (int game : shippedGames()) {
        for (const auto& [width, height] : areas) {
            const auto dealt = deal(game, "1234567890123", width, height);
            const table::LayoutArea area = table::layoutAreaFor(*dealt->state, dealt->frontend);
            for (const std::string& problem : testing::layoutProblems(*dealt->state, area)) {
                ADD_FAILURE() << "game " << game << " at " << width << "x" << height << ": "
                              << problem;
            }
        }
    }
}

// Carpet's deal 1 puts the 2 and 3 of clubs in the carpet (places 13 and
// 15): the Autoplay after the deal sends them up, and their places take the
// stock's top cards at once, as after any move.
TEST(CatalogueGames, TheAutoplayAfterTheDealFillsThePlacesItEmpties) {
    constexpr int kCarpet = 115;
    const auto dealt = deal(kCarpet, "0000000000001", 1024, 768, true);
    const table::ProgramState& state = *dealt->state;
    EXPECT_EQ(state.piles.foundation(2),
              table::cardText(27) + table::cardText(28) + table::cardText(29));
    for (int t = 0; t < 20; ++t) {
        EXPECT_EQ(table::cardCount(state.piles.tableau(t)), 1) << "place " << t + 1;
    }
    EXPECT_EQ(table::topCardOf(state.piles.tableau(12)), 5);
    EXPECT_EQ(table::cardCount(state.piles.stock(table::kStock)), 26);
    EXPECT_EQ(cardsOnTable(state).size(), 52u);
}

TEST(PutThemInOrder, DealsTheHeartsAceToNineAndLeavesTheNinesPlaceEmpty) {
    for (const char* number : {"1234567890123", "0000000000000", "5550123456789"}) {
        const auto dealt = deal(87, number);
        const table::ProgramState& state = *dealt->state;
        std::set<int> cards;
        int empty = 0;
        for (int t = 0; t < 9; ++t) {
            const std::string& pile = state.piles.tableau(t);
            if (pile.empty()) {
                ++empty;
                continue;
            }
            ASSERT_EQ(table::cardCount(pile), 1) << "tableau " << t + 1;
            cards.insert(table::cardAt(pile, 0));
            EXPECT_TRUE(state.cards.isFaceUp(table::cardAt(pile, 0)));
        }
        EXPECT_EQ(empty, 1) << number;
        EXPECT_EQ(cards, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8})) << number;
        EXPECT_TRUE(state.piles.stock(0).empty());
    }
}

// The three squares are dealt so that sliding can put them in order.
TEST(PutThemInOrder, EveryDealOfTheSquaresCanBePutInOrder) {
    for (int game : {87, 88, 89}) {
        for (int k = 0; k < 40; ++k) {
            const std::string number = std::to_string(1000000000000LL + 7919LL * k);
            const auto dealt = deal(game, number);
            EXPECT_TRUE(table::gridIsSolvable(*dealt->state))
                << "game " << game << " deal " << number;
        }
    }
}

// Baker's Dozen (game 77) deals as Portuguese Solitaire (game 15), the same
// thirteen piles of four, and then moves each pile's kings under its other
// cards, each group keeping its order.
TEST(BakersDozen, TheDealPutsEachPilesKingsUnderItsOtherCards) {
    constexpr int kKing = 13;
    for (int k = 0; k < 20; ++k) {
        const std::string number = std::to_string(1000000000000LL + 7919LL * k);
        const auto bakers = deal(77, number);
        const auto plain = deal(15, number);
        EXPECT_EQ(cardsOnTable(*bakers->state).size(), 52u) << "deal " << number;
        for (int t = 0; t < 13; ++t) {
            std::vector<int> expected;
            for (bool kings : {true, false}) {
                const std::string& pile = plain->state->piles.tableau(t);
                for (int i = 0; i < table::cardCount(pile); ++i) {
                    const int card = table::cardAt(pile, i);
                    if ((table::rankOf(card) == kKing) == kings) {
                        expected.push_back(card);
                    }
                }
            }
            std::vector<int> dealt;
            const std::string& pile = bakers->state->piles.tableau(t);
            for (int i = 0; i < table::cardCount(pile); ++i) {
                dealt.push_back(table::cardAt(pile, i));
                EXPECT_TRUE(bakers->state->cards.isFaceUp(dealt.back()));
            }
            EXPECT_EQ(dealt, expected) << "deal " << number << " tableau " << t + 1;
        }
    }
}

// Citadel (game 19) starts the foundations with the aces and plays every
// card a foundation takes while the tableaus are dealt.
TEST(Citadel, TheDealPlaysCardsToTheFoundationsInDealingOrder) {
    const auto dealt = deal(19, "1234567890123");
    const table::ProgramState& state = *dealt->state;
    // This deal puts the 2 of clubs second on tableau 1 and the 2 of hearts
    // sixth on it: both must have gone up.
    EXPECT_EQ(table::cardAt(state.piles.foundation(2), 1), 28);
    EXPECT_EQ(table::cardAt(state.piles.foundation(0), 1), 2);
    for (int f = 0; f < 4; ++f) {
        const std::string& pile = state.piles.foundation(f);
        for (int i = 0; i < table::cardCount(pile); ++i) {
            EXPECT_EQ(table::cardAt(pile, i), f * 13 + i + 1) << "foundation " << f + 1;
        }
    }
}

TEST(GameStart, TheCaptionNamesTheGameAndTheDeal) {
    const auto dealt = deal(1, "0000000000042");
    EXPECT_EQ(gameCaption(*dealt->state), "Vellomir [Klondike]  [0000000000042]");
    EXPECT_TRUE(dealt->frontend.saw("caption: Vellomir [Klondike]  [0000000000042]"));
    EXPECT_TRUE(dealt->state->flags.test(table::Flag::GameInPlay));
    EXPECT_TRUE(dealt->state->flags.test(table::Flag::ClockRunning));
    EXPECT_EQ(dealt->state->flags.timeSlot(0), dealt->frontend.timeOfDay);
}

TEST(GameStart, DealAnimationFollowsThePreference) {
    table::ProgramState state(VELLOMIR_BIN_DIR);
    testing::RecordingFrontend frontend;
    PlayEngine engine(state, frontend);
    ASSERT_TRUE(engine.loadGameList());
    state.settings.writeInt(settings::field::Game, 1);
    state.settings.write(settings::field::DealAnimation, "N");
    ASSERT_TRUE(engine.newGame());
    EXPECT_TRUE(frontend.saw("draw table"));
    EXPECT_FALSE(frontend.saw("draw table animated"));
    state.settings.write(settings::field::DealAnimation, "Y");
    ASSERT_TRUE(engine.newGame());
    EXPECT_TRUE(frontend.saw("draw table animated"));
}

TEST(GameStart, ANewDealOfTheSameGameRestoresThePerPileParametersFirst) {
    const auto dealt = deal(1, "1111111111111");
    table::ProgramState& state = *dealt->state;
    // A deal may change the per-pile cells for one deal only.
    state.params.set(param::TableauEmptyCode, 7);
    state.params.set(param::FoundationBaseRank, 9);
    PlayEngine engine(state, dealt->frontend);
    ASSERT_TRUE(engine.newGame());
    EXPECT_NE(state.params[param::TableauEmptyCode], 7);
    EXPECT_NE(state.params[param::FoundationBaseRank], 9);
    EXPECT_NE(state.settings.read(settings::field::DealNumber), "1111111111111");
}

TEST(GameStart, AGameNotInTheCatalogueIsNotOpened) {
    table::ProgramState state(VELLOMIR_BIN_DIR);
    testing::RecordingFrontend frontend;
    PlayEngine engine(state, frontend);
    ASSERT_TRUE(engine.loadGameList());
    EXPECT_FALSE(engine.openGame(777, DealNumberMode::New, false));
    EXPECT_FALSE(state.flags.test(table::Flag::GameInPlay));
}

// Ninety-One checks for its end right after the deal: a deal whose top
// cards do not add up to 91 goes on in play, one that does is won at once.
TEST(GameStart, NinetyOneEndsAfterTheDealOnlyWhenItsScoreIsReached) {
    int playing = 0;
    for (int deal = 1; deal <= 20; ++deal) {
        table::ProgramState state(VELLOMIR_BIN_DIR);
        testing::RecordingFrontend frontend;
        state.settings.write(settings::field::ScoringScheme, "01");
        state.settings.write(settings::field::DealNumber,
                             std::string(12, '0') + std::to_string(deal));
        PlayEngine engine(state, frontend);
        ASSERT_TRUE(engine.loadGameList());
        ASSERT_TRUE(engine.openGame(50, DealNumberMode::Keep, false));
        const bool reached = state.settings.readInt(settings::field::Score, 0) >= 150;
        EXPECT_EQ(state.flags.test(table::Flag::GameInPlay), !reached) << "deal " << deal;
        EXPECT_EQ(frontend.saw("winning animation"), reached) << "deal " << deal;
        playing += reached ? 0 : 1;
    }
    EXPECT_GT(playing, 0);
}

} // namespace
} // namespace vellomir::engine
