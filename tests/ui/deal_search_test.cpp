// The searches on worker threads, without a window: which answers come
// back, and what they say.

#include "engine/play/play_engine.h"
#include "engine/solver/table_fingerprint.h"
#include "program_fixture.h"
#include "support/recording_frontend.h"
#include "table/program_state.h"
#include "ui/deal_search.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using engine::SolveOutcome;

struct Dealt {
    table::ProgramState state{std::string(VELLOMIR_BIN_DIR) + "/"};
    vellomir::testing::RecordingFrontend frontend;
    engine::PlayEngine engine{state, frontend};

    Dealt(int game, int deal) {
        state.settings.write(settings::field::CardsAnimate, "N");
        state.settings.write(settings::field::DealNumber,
                             std::string(12, '0') + std::to_string(deal));
        EXPECT_TRUE(engine.loadGameList());
        EXPECT_TRUE(engine.openGame(game, engine::DealNumberMode::Keep, false));
    }
};

constexpr int kWaitMs = 30000;

// The answer names the position searched and the position after each move
// of its line, as the table itself reaches them; the rest of the line after
// some moves is the answer for where they lead.
TEST(DealSearch, AnswersWithTheLineAndThePositionsOnIt) {
    Dealt puzzle(87, 3);
    DealSearch search;
    QSignalSpy answers(&search, &DealSearch::positionSearched);
    search.searchPosition(puzzle.state, puzzle.frontend, 5000, 0);
    ASSERT_TRUE(
        vellomir::testing::processEventsUntil([&] { return answers.size() == 1; }, kWaitMs));
    const auto answer = answers[0][0].value<SearchAnswer>();
    EXPECT_FALSE(search.searchingPosition());
    EXPECT_EQ(answer.position, engine::tableFingerprint(puzzle.state));
    ASSERT_EQ(answer.outcome, SolveOutcome::Solved);
    ASSERT_EQ(answer.after.size(), answer.moves.size());
    for (std::size_t i = 0; i + 1 < answer.moves.size(); ++i) {
        std::string problem;
        ASSERT_TRUE(engine::runPointerCommand(puzzle.engine, answer.moves[i], problem));
        EXPECT_EQ(engine::tableFingerprint(puzzle.state), answer.after[i]) << "move " << i;
    }
    const SearchAnswer rest = answer.rest(2);
    EXPECT_EQ(rest.position, answer.after[1]);
    EXPECT_EQ(rest.moves.size(), answer.moves.size() - 2);
    EXPECT_EQ(commandText(rest.moves.front()), commandText(answer.moves[2]));
    EXPECT_EQ(rest.after.back(), answer.after.back());
}

// Only the newest search answers: one called off, or replaced by the next,
// is never heard of again.
TEST(DealSearch, ASearchCalledOffOrReplacedNeverAnswers) {
    Dealt klondike(1, 2);
    Dealt castle(17, 1);
    DealSearch search;
    QSignalSpy answers(&search, &DealSearch::positionSearched);
    search.searchPosition(klondike.state, klondike.frontend, 100000000, 0);
    search.cancelPosition();
    EXPECT_FALSE(search.searchingPosition());
    search.searchPosition(klondike.state, klondike.frontend, 100000000, 0);
    search.searchPosition(castle.state, castle.frontend, 5000, 0);
    ASSERT_TRUE(
        vellomir::testing::processEventsUntil([&] { return answers.size() >= 1; }, kWaitMs));
    QTest::qWait(200);
    ASSERT_EQ(answers.size(), 1);
    const auto answer = answers[0][0].value<SearchAnswer>();
    EXPECT_EQ(answer.position, engine::tableFingerprint(castle.state));
    EXPECT_EQ(answer.outcome, SolveOutcome::Unsolved);
}

// The time bound ends a search as given up, never as lost.
TEST(DealSearch, TheTimeBoundGivesUp) {
    Dealt klondike(1, 2);
    DealSearch search;
    QSignalSpy answers(&search, &DealSearch::positionSearched);
    search.searchPosition(klondike.state, klondike.frontend, 100000000, 100);
    ASSERT_TRUE(
        vellomir::testing::processEventsUntil([&] { return answers.size() == 1; }, kWaitMs));
    EXPECT_EQ(answers[0][0].value<SearchAnswer>().outcome, SolveOutcome::GaveUp);
}

} // namespace
} // namespace vellomir::ui
