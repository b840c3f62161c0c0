// Building by a step of more than one rank (Mount Olympus builds by twos):
// the step itself, the ranks a pile so built can hold, and the game played
// through the pointer input.

#include "engine/rules/rank_step.h"

#include "engine/actions/drop_rules.h"
#include "engine/dealt_game.h"
#include "engine/rules/card_move.h"
#include "support/game_numbers.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vellomir::testing {
namespace {

using table::PileKind;
using table::PileRef;

constexpr int kBuildDown = 0;
constexpr int kBuildUp = 1;
constexpr int kBuildEither = 2;

TEST(RankStep, StepsThatFarAndNeverRoundTheCorner) {
    EXPECT_TRUE(engine::stepsByRank(9, 7, kBuildDown, 2));
    EXPECT_FALSE(engine::stepsByRank(9, 8, kBuildDown, 2));
    EXPECT_FALSE(engine::stepsByRank(9, 11, kBuildDown, 2));
    EXPECT_TRUE(engine::stepsByRank(2, 5, kBuildUp, 3));
    EXPECT_TRUE(engine::stepsByRank(5, 2, kBuildEither, 3));
    EXPECT_TRUE(engine::stepsByRank(5, 8, kBuildEither, 3));
    // No wrap: a queen is the end of a pile built up by twos from the two,
    // a 2 the end of one built down by twos from the queen.
    EXPECT_FALSE(engine::stepsByRank(12, 1, kBuildUp, 2));
    EXPECT_FALSE(engine::stepsByRank(13, 2, kBuildUp, 2));
    EXPECT_FALSE(engine::stepsByRank(2, 13, kBuildDown, 2));
    // An empty pile (rank 0 or below) is the empty-pile code's business.
    EXPECT_FALSE(engine::stepsByRank(0, 2, kBuildUp, 2));
}

TEST(RankStep, CountsTheRanksAPileReachesFromItsBase) {
    EXPECT_EQ(engine::ranksReachedByStep(1, kBuildUp, 2), 7); // A 3 5 7 9 J K
    EXPECT_EQ(engine::ranksReachedByStep(2, kBuildUp, 2), 6); // 2 4 6 8 10 Q
    EXPECT_EQ(engine::ranksReachedByStep(2, kBuildUp, 3), 4); // 2 5 8 J
    EXPECT_EQ(engine::ranksReachedByStep(4, kBuildUp, 3), 4); // 4 7 10 K
    EXPECT_EQ(engine::ranksReachedByStep(13, kBuildDown, 2), 7);
    EXPECT_EQ(engine::ranksReachedByStep(1, kBuildUp, 1), 13); // building by one
    EXPECT_EQ(engine::ranksReachedByStep(0, kBuildUp, 2), 0);
}

// Card codes of the first pack: hearts 1-13, then diamonds, clubs, spades.
constexpr int kHeartsBase = 0;
constexpr int kClubsBase = 26;
int olympusCard(int suitBase, int rank) {
    return suitBase + rank;
}

constexpr int kOlympusCards = 104;
constexpr int kOlympusPiles = 9;
constexpr int kOlympusFoundations = 16;

struct MountOlympusTable : DealtGame {
    MountOlympusTable() : DealtGame(game::kMountOlympus, 1) {}

    // Puts `code` on top of tableau t, face up, swapping it with the card
    // there: every card stays on the table.
    void place(int code, int t) {
        std::string& pile = state.piles.tableau(t);
        const std::string wanted = table::cardText(code);
        const std::string was = pile.substr(pile.size() - 3);
        for (int from = -1; from < kOlympusPiles; ++from) {
            std::string& other =
                from < 0 ? state.piles.stock(table::kStock) : state.piles.tableau(from);
            for (std::size_t at = 0; at + 3 <= other.size(); at += 3) {
                if (other.compare(at, 3, wanted) == 0) {
                    const bool wasUp = state.cards.isFaceUp(code);
                    other.replace(at, 3, was);
                    state.cards.setFaceUp(table::cardAt(was, 0), wasUp);
                    pile.replace(pile.size() - 3, 3, wanted);
                    state.cards.setFaceUp(code, true);
                    return;
                }
            }
        }
        ADD_FAILURE() << "card " << code << " not found";
    }
    bool goesTo(int code, PileRef target, bool run = false) {
        const auto lifted = engine::liftedMove(state, code, run);
        if (!lifted) {
            return false;
        }
        const auto targets = engine::dropTargets(state, frontend, *lifted);
        return std::ranges::find(targets, target) != targets.end();
    }
    int cardsOnTable() const {
        int cards = table::cardCount(state.piles.stock(table::kStock));
        for (int t = 0; t < kOlympusPiles; ++t) {
            cards += table::cardCount(state.piles.tableau(t));
        }
        for (int f = 0; f < kOlympusFoundations; ++f) {
            cards += table::cardCount(state.piles.foundation(f));
        }
        return cards;
    }
};

TEST(RankStep, MountOlympusBuildsPilesDownAndFoundationsUpByTwos) {
    MountOlympusTable t;
    ASSERT_EQ(t.cardsOnTable(), kOlympusCards);
    // The aces and twos of both packs start the foundations.
    EXPECT_EQ(table::topCardOf(t.state.piles.foundation(0)), olympusCard(kHeartsBase, 1));
    EXPECT_EQ(table::topCardOf(t.state.piles.foundation(8)), olympusCard(kHeartsBase, 2));

    t.place(olympusCard(kHeartsBase, 9), 0);
    t.place(olympusCard(kHeartsBase, 7), 1);
    t.place(olympusCard(kHeartsBase, 8), 2);
    t.place(olympusCard(kClubsBase, 7), 3);
    t.place(olympusCard(kHeartsBase, 3), 4);
    const PileRef first{PileKind::Tableau, 0};
    EXPECT_TRUE(t.goesTo(olympusCard(kHeartsBase, 7), first));
    EXPECT_FALSE(t.goesTo(olympusCard(kHeartsBase, 8), first)); // one rank: not this game's step
    EXPECT_FALSE(t.goesTo(olympusCard(kClubsBase, 7), first));  // another suit
    // The 3 goes onto the ace, not onto the two.
    EXPECT_TRUE(t.goesTo(olympusCard(kHeartsBase, 3), {PileKind::Foundation, 0}));
    EXPECT_FALSE(t.goesTo(olympusCard(kHeartsBase, 3), {PileKind::Foundation, 8}));

    // A run built by twos moves as one, and one undo takes it back.
    ASSERT_TRUE(t.run("drag Fila2 Fila1"));
    EXPECT_EQ(table::cardCount(t.state.piles.tableau(1)), 1); // refilled from the stock
    t.place(olympusCard(kHeartsBase, 11), 3);
    const table::PileLists before = t.state.piles;
    ASSERT_TRUE(t.goesTo(olympusCard(kHeartsBase, 9), {PileKind::Tableau, 3}, true));
    ASSERT_TRUE(t.run("drag Fila1:0 Fila4"));
    EXPECT_EQ(table::topCardOf(t.state.piles.tableau(3)), olympusCard(kHeartsBase, 7));
    EXPECT_EQ(t.cardsOnTable(), kOlympusCards);
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.state.piles, before);
}

} // namespace
} // namespace vellomir::testing
