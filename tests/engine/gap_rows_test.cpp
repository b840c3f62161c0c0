// Montana and its kin: rows of places, a card moving alone into the gap
// after the card of its suit one rank lower, and the redeal of the cards
// out of place.

#include "support/game_numbers.h"
#include "table/gap_rows.h"

#include "engine/actions/score.h"
#include "engine/dealt_game.h"
#include "engine/records/card_census.h"
#include "support/table_builder.h"
#include "table/card.h"
#include "table/pile_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vellomir::testing {
namespace {

using namespace vellomir::testing::game;
constexpr int kRows = 4;
constexpr int kPlacesInRow = 13;
constexpr const char* kGap = "--";

// A dealt Montana game whose rows the test lays out: each row's places
// named first ("--" a gap), the cards not named after them from the highest
// code down (so that they make no run), and the gaps left over at the ends
// of the last rows. The
// aces stay out of play, as the deal left them.
struct MontanaTable : DealtGame {
    explicit MontanaTable(int deal = 1) : DealtGame(kMontana, deal) {}

    void layRows(const std::vector<std::vector<std::string>>& named) {
        std::vector<int> rest;
        for (int code = 52; code >= 1; --code) {
            if (table::rankOf(code) != 1) {
                rest.push_back(code);
            }
        }
        for (const auto& row : named) {
            for (const std::string& name : row) {
                if (name != kGap) {
                    const auto at = std::find(rest.begin(), rest.end(), card(name));
                    ASSERT_NE(at, rest.end()) << name << " named twice";
                    rest.erase(at);
                }
            }
        }
        std::size_t next = 0;
        for (int r = 0; r < kRows; ++r) {
            std::string& pile = state.piles.tableau(r);
            pile.clear();
            const std::vector<std::string> row = r < static_cast<int>(named.size())
                                                     ? named[static_cast<std::size_t>(r)]
                                                     : std::vector<std::string>{};
            for (int i = 0; i < kPlacesInRow; ++i) {
                const int code = i < static_cast<int>(row.size())
                                     ? (row[static_cast<std::size_t>(i)] == kGap
                                            ? 0
                                            : card(row[static_cast<std::size_t>(i)]))
                                 : next < rest.size() ? rest[next++]
                                                      : 0;
                pile += table::cardText(code);
                if (code != 0) {
                    state.cards.setFaceFlag(code, '1');
                }
            }
        }
        ASSERT_EQ(next, rest.size()) << "more cards than places";
        census = engine::takeCardCensus(state);
        engine::updateScore(state, frontend);
    }
    std::vector<std::string> rows() const {
        std::vector<std::string> laid;
        for (int r = 0; r < kRows; ++r) {
            laid.push_back(state.piles.tableau(r));
        }
        return laid;
    }
    int at(int row, int place) const { return table::cardAt(state.piles.tableau(row), place); }
    int gaps() const {
        int count = 0;
        for (int r = 0; r < kRows; ++r) {
            for (int i = 0; i < table::cardCount(state.piles.tableau(r)); ++i) {
                count += at(r, i) == 0 ? 1 : 0;
            }
        }
        return count;
    }
    // Every card of the rows once, the four gaps kept, each row 13 places.
    void expectEveryCardOnce() const {
        EXPECT_EQ(engine::cardsOnTableOnce(state, census), "");
        EXPECT_EQ(gaps(), 4);
        for (int r = 0; r < kRows; ++r) {
            EXPECT_EQ(table::cardCount(state.piles.tableau(r)), kPlacesInRow);
        }
    }
    bool drag(int fromRow, int fromPlace, int toRow, int toPlace) {
        return run("drag " + place(fromRow, fromPlace) + " " + place(toRow, toPlace));
    }
    static std::string place(int row, int i) {
        const std::string pile = "Fila" + std::to_string(row + 1);
        return i == kPlacesInRow - 1 ? pile : pile + ":" + std::to_string(i);
    }
    int score() const { return state.settings.readInt(settings::field::Score, 0); }
    int pass() const { return state.mainGame.cell(table::cell::PassNumber); }

    engine::CardCensus census;
};

TEST(GapRows, TheDealTakesTheAcesOutLeavingFourGaps) {
    MontanaTable t(7);
    EXPECT_EQ(t.gaps(), 4);
    for (int r = 0; r < kRows; ++r) {
        ASSERT_EQ(table::cardCount(t.state.piles.tableau(r)), kPlacesInRow);
        for (int i = 0; i < kPlacesInRow; ++i) {
            EXPECT_NE(table::rankOf(t.at(r, i)), 1);
        }
    }
    EXPECT_EQ(engine::takeCardCensus(t.state).total(), 48);
}

TEST(GapRows, ACardMovesAloneIntoTheGapAfterItsSuitsRankBelow) {
    MontanaTable t;
    // Row 1: 5C, gap, 9D, KH, gap        Row 2: 6C 7C 2S 3S 8D
    // Row 3: gap, 4D ...                 Row 4: 2H 3H 4H, then the rest
    t.layRows({{"5C", kGap, "9D", "KH", kGap},
               {"6C", "7C", "2S", "3S", "8D"},
               {kGap, "4D"},
               {"2H", "3H", "4H"}});
    const std::vector<std::string> laid = t.rows();
    EXPECT_EQ(t.score(), -52 + 5 * 3);

    // Not the 7 of clubs after the 5; nothing after the king or after a gap;
    // only a 2 at the left end of a row; a card dropped on a gap that does
    // not take it stays where it was even when another gap would.
    ASSERT_TRUE(t.drag(1, 1, 0, 1));
    ASSERT_TRUE(t.drag(1, 4, 0, 4));
    ASSERT_TRUE(t.drag(1, 3, 2, 0));
    ASSERT_TRUE(t.drag(1, 0, 2, 0));
    EXPECT_EQ(t.rows(), laid);

    // The 6 of clubs into the gap after the 5, leaving a gap at the left end
    // of row 2; the 2 of spades from the middle of row 2 into that gap.
    ASSERT_TRUE(t.drag(1, 0, 0, 1));
    EXPECT_EQ(t.at(0, 1), card("6C"));
    EXPECT_EQ(t.at(1, 0), 0);
    t.expectEveryCardOnce();
    ASSERT_TRUE(t.drag(1, 2, 1, 0));
    EXPECT_EQ(t.at(1, 0), card("2S"));
    EXPECT_EQ(t.at(1, 2), 0);
    t.expectEveryCardOnce();
    // A run of one, 2S (the 7C after it does not follow): 4 + 1 cards in place.
    EXPECT_EQ(t.score(), -52 + 5 * 4);

    // One undo takes back one move, a second the one before it.
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.at(1, 0), 0);
    EXPECT_EQ(t.at(1, 2), card("2S"));
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.rows(), laid);
    EXPECT_EQ(t.score(), -52 + 5 * 3);

    // A double click (with double clicks sending to the tableaus) puts a card
    // into the gap that takes it.
    t.state.settings.write(settings::field::DoubleClickToTableaus, "Y");
    ASSERT_TRUE(t.run("dblclick " + MontanaTable::place(1, 0)));
    EXPECT_EQ(t.at(0, 1), card("6C"));
    t.expectEveryCardOnce();
}

TEST(GapRows, TheGapRowsRuleNamesOnePlacePerRowForACard) {
    MontanaTable t;
    t.layRows({{"5C", kGap, "6C"}, {kGap, "2S"}, {"9H", kGap}, {"10H"}});
    EXPECT_EQ(table::gapSlotFor(t.state, card("6C"), 0), 1);
    EXPECT_EQ(table::gapSlotFor(t.state, card("6C"), 1), std::nullopt);
    EXPECT_EQ(table::gapSlotFor(t.state, card("2S"), 1), 0);
    EXPECT_EQ(table::gapSlotFor(t.state, card("2S"), 0), std::nullopt);
    EXPECT_EQ(table::gapSlotFor(t.state, card("10H"), 2), 1);
    EXPECT_EQ(table::gapSlotFor(t.state, card("10D"), 2), std::nullopt);
    EXPECT_EQ(table::gapSlotFor(t.state, 0, 0), std::nullopt);
    EXPECT_EQ(table::gapSlotFor(t.state, card("6C"), kRows), std::nullopt);
}

TEST(GapRows, TheRedealGathersTheCardsOutOfPlaceAndLeavesAGapAfterEachRun) {
    MontanaTable t(3);
    // Runs: row 1 2H 3H 4H (then the 6H out of place), row 2 2S, row 3 none
    // (a 3 leads it), row 4 2C .. 7C.
    t.layRows({{"2H", "3H", "4H", "6H", kGap},
               {"2S", "9S", kGap},
               {"3D", kGap},
               {"2C", "3C", "4C", "5C", "6C", "7C", kGap}});
    const std::vector<std::string> laid = t.rows();
    std::vector<int> before = table::cardsOutOfPlace(t.state);
    ASSERT_EQ(before.size(), 48U - 10U);
    ASSERT_EQ(t.pass(), 1);

    ASSERT_TRUE(t.run("click Mazzo"));
    t.expectEveryCardOnce();
    EXPECT_EQ(t.pass(), 2);
    const std::vector<int> runs{3, 1, 0, 6};
    for (int r = 0; r < kRows; ++r) {
        const int run = runs[static_cast<std::size_t>(r)];
        EXPECT_EQ(t.state.piles.tableau(r).substr(0, 3 * run),
                  laid[static_cast<std::size_t>(r)].substr(0, 3 * run));
        EXPECT_EQ(t.at(r, run), 0) << "row " << r + 1;
    }
    // The same cards were dealt again, in another order.
    std::vector<int> after = table::cardsOutOfPlace(t.state);
    EXPECT_NE(after, before);
    std::sort(before.begin(), before.end());
    std::vector<int> sorted = after;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, before);

    // One undo takes the whole redeal back, the pass included; redone, the
    // same deal number and pass shuffle alike.
    ASSERT_TRUE(t.engine.undo());
    EXPECT_EQ(t.rows(), laid);
    EXPECT_EQ(t.pass(), 1);
    ASSERT_TRUE(t.run("click Mazzo"));
    EXPECT_EQ(table::cardsOutOfPlace(t.state), after);

    // The second redeal is the last one.
    ASSERT_TRUE(t.run("click Mazzo"));
    t.expectEveryCardOnce();
    EXPECT_EQ(t.pass(), 3);
    const std::vector<std::string> last = t.rows();
    t.run("click Mazzo");
    EXPECT_EQ(t.rows(), last);
    EXPECT_EQ(t.pass(), 3);
}

TEST(GapRows, WonWhenEveryRowRunsFromTheTwoToTheKingWithItsGapLast) {
    MontanaTable t;
    const std::vector<std::string> ranks{"2", "3", "4",  "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K"};
    std::vector<std::vector<std::string>> rows;
    for (const char* suit : {"H", "D", "C", "S"}) {
        rows.emplace_back();
        for (const std::string& rank : ranks) {
            rows.back().push_back(rank + suit);
        }
        rows.back().push_back(kGap);
    }
    // The last row's king one place too far right, its gap before it.
    rows[3][11] = kGap;
    rows[3][12] = "KS";
    t.layRows(rows);
    EXPECT_FALSE(table::gapRowsWon(t.state));
    EXPECT_EQ(table::cardsInPlace(t.state), 47);
    EXPECT_TRUE(t.state.flags.test(table::Flag::GameInPlay));
    ASSERT_TRUE(t.drag(3, 12, 3, 11));
    EXPECT_TRUE(table::gapRowsWon(t.state));
    EXPECT_TRUE(t.frontend.saw("winning animation"));
    EXPECT_FALSE(t.state.flags.test(table::Flag::GameInPlay));
    EXPECT_EQ(t.score(), -52 + 5 * 48);
}

} // namespace
} // namespace vellomir::testing
