#include "engine/actions/end_of_game.h"

#include "catalogue/parameter_index.h"
#include "dealt_game.h"
#include "engine/records/game_clock.h"
#include "support/recording_frontend.h"
#include "table/program_state.h"

#include <gtest/gtest.h>

#include <functional>

namespace vellomir::engine {
namespace {

using table::Flag;
namespace cell = table::cell;
namespace field = settings::field;
namespace param = catalogue::param;

constexpr long long kHour = 3600 * 1000LL;

// A frontend whose winning animation can act as the player would meanwhile.
class AnimationFrontend : public testing::RecordingFrontend {
public:
    std::function<void()> duringAnimation;
    void runWinningAnimation() override {
        RecordingFrontend::runWinningAnimation();
        if (duringAnimation) {
            duringAnimation();
        }
    }
};

// A game in play whose clock started at 10:00 and a player holding a card.
struct EndOfGameTest : ::testing::Test {
    table::ProgramState state;
    AnimationFrontend frontend;

    EndOfGameTest() {
        state.flags.set(Flag::GameInPlay);
        state.flags.set(Flag::ClockRunning);
        state.flags.timeSlot(0) = 10 * kHour;
        state.settings.writeFlag(field::SoundsGameWon, true);
        state.mainGame.setCell(cell::PickedCard, 12);
        state.mainGame.setCell(cell::MovingTopCard, 12);
        frontend.timeOfDay = 10 * kHour + 5 * 60000 + 7900; // 10:05:07.9
    }
};

TEST_F(EndOfGameTest, WithoutAGameInProgressNothingHappens) {
    state.flags.clear(Flag::GameInPlay);
    state.flags.set(Flag::Won);
    EXPECT_FALSE(endOfGame(state, frontend));
    EXPECT_TRUE(frontend.calls.empty());
    EXPECT_TRUE(state.flags.test(Flag::Won));
    EXPECT_TRUE(state.flags.test(Flag::ClockRunning));
    EXPECT_EQ(state.flags.timeSlot(1), 0);
    EXPECT_EQ(state.mainGame.cell(cell::PickedCard), 12);
}

TEST_F(EndOfGameTest, AWonGameStopsTheClockCelebratesAndOffersTheNextGame) {
    state.flags.set(Flag::Won);
    state.mainGame.setCell(cell::CloseRequested, 1); // stale from an earlier animation
    EXPECT_TRUE(endOfGame(state, frontend));
    const std::vector<std::string> expected = {"busy",
                                               "hide pile size",
                                               "game commands disabled",
                                               "clock: 0:05:07",
                                               "not busy",
                                               "pause 200 handling messages",
                                               "sound: Won Y at-once",
                                               "winning animation",
                                               "not busy",
                                               "redraw background",
                                               "open chooser"};
    EXPECT_EQ(frontend.calls, expected);
    EXPECT_EQ(state.flags.timeSlot(1), frontend.timeOfDay);
    EXPECT_FALSE(state.flags.test(Flag::ClockRunning));
    EXPECT_FALSE(state.flags.test(Flag::GameInPlay));
    EXPECT_FALSE(state.flags.test(Flag::Won));
    EXPECT_TRUE(state.flags.test(Flag::StopAutoplay));
    EXPECT_EQ(state.mainGame.cell(cell::PickedCard), 0);
    EXPECT_EQ(state.mainGame.cell(cell::MovingTopCard), 0);
    EXPECT_EQ(state.mainGame.cell(cell::CloseRequested), 0);

    // The end is final: a second call finds no game.
    frontend.calls.clear();
    EXPECT_FALSE(endOfGame(state, frontend));
    EXPECT_TRUE(frontend.calls.empty());
}

TEST_F(EndOfGameTest, AGameGivenUpEndsQuietly) {
    state.settings.writeFlag(field::SoundsGameWon, false);
    EXPECT_FALSE(endOfGame(state, frontend));
    const std::vector<std::string> expected = {"busy", "hide pile size", "game commands disabled",
                                               "clock: 0:05:07", "not busy"};
    EXPECT_EQ(frontend.calls, expected);
    EXPECT_FALSE(state.flags.test(Flag::GameInPlay));
    EXPECT_TRUE(state.flags.test(Flag::StopAutoplay));
}

TEST_F(EndOfGameTest, TheGameWonSoundObeysItsSwitch) {
    state.flags.set(Flag::Won);
    state.settings.writeFlag(field::SoundsGameWon, false);
    EXPECT_TRUE(endOfGame(state, frontend));
    EXPECT_TRUE(frontend.saw("sound: Won N at-once"));
}

TEST_F(EndOfGameTest, ATargetScoreDecidesWhateverTheWinTestSaid) {
    struct Case {
        const char* score;
        bool winTest;
        bool won;
    };
    for (const Case c :
         {Case{"99", true, false}, Case{"100", false, true}, Case{"000100", false, true},
          Case{"-00052", true, false}, Case{"150", false, true}}) {
        SCOPED_TRACE(c.score);
        table::ProgramState fresh;
        fresh.params.set(param::TargetScore, 100);
        fresh.settings.write(field::Score, c.score);
        fresh.flags.set(Flag::GameInPlay);
        fresh.flags.set(Flag::Won, c.winTest);
        testing::RecordingFrontend recorder;
        EXPECT_EQ(endOfGame(fresh, recorder), c.won);
        EXPECT_EQ(recorder.saw("winning animation"), c.won);
        EXPECT_EQ(recorder.saw("open chooser"), c.won);
    }
}

TEST_F(EndOfGameTest, WithoutATargetScoreTheWinTestDecides) {
    state.settings.write(field::Score, "999");
    EXPECT_FALSE(endOfGame(state, frontend));
}

TEST_F(EndOfGameTest, ClosingDuringTheAnimationClosesAfterItWithoutTheChooser) {
    state.flags.set(Flag::Won);
    frontend.duringAnimation = [&] {
        EXPECT_FALSE(frontend.saw("close main window"));
        state.mainGame.setCell(cell::CloseRequested, 1);
    };
    EXPECT_TRUE(endOfGame(state, frontend));
    EXPECT_EQ(frontend.calls.back(), "close main window");
    EXPECT_FALSE(frontend.saw("open chooser"));
    EXPECT_FALSE(frontend.saw("redraw background"));
}

TEST_F(EndOfGameTest, ANewGameStartedDuringTheAnimationKeepsItsTable) {
    state.flags.set(Flag::Won);
    frontend.duringAnimation = [&] { state.flags.set(Flag::GameInPlay); };
    EXPECT_TRUE(endOfGame(state, frontend));
    EXPECT_FALSE(frontend.saw("open chooser"));
    EXPECT_FALSE(frontend.saw("redraw background"));
    EXPECT_EQ(frontend.calls.back(), "not busy");
}

// --- Quit confirmation -----------------------------------------------------

struct ConfirmQuitTest : ::testing::Test {
    table::ProgramState state;
    testing::RecordingFrontend frontend;

    ConfirmQuitTest() {
        state.settings.writeFlag(field::ConfirmQuitGame, true);
        state.flags.set(Flag::GameInPlay);
    }
};

TEST_F(ConfirmQuitTest, AGameInProgressAsksAndTheAnswerDecides) {
    frontend.confirmAnswer = true;
    EXPECT_TRUE(confirmQuit(state, frontend));
    frontend.confirmAnswer = false;
    EXPECT_FALSE(confirmQuit(state, frontend, "Start a new game?"));
    const std::vector<std::string> expected = {"confirm: Quit this game?",
                                               "confirm: Start a new game?"};
    EXPECT_EQ(frontend.calls, expected);
}

TEST_F(ConfirmQuitTest, NothingToLoseMeansNoQuestion) {
    frontend.confirmAnswer = false;
    state.flags.set(Flag::Won);
    EXPECT_TRUE(confirmQuit(state, frontend)); // a won game
    state.flags.clear(Flag::Won);
    state.flags.clear(Flag::GameInPlay);
    EXPECT_TRUE(confirmQuit(state, frontend)); // no game at all
    state.flags.set(Flag::GameInPlay);
    state.settings.writeFlag(field::ConfirmQuitGame, false);
    EXPECT_TRUE(confirmQuit(state, frontend)); // the player does not want to be asked
    EXPECT_TRUE(frontend.calls.empty());
}

TEST_F(ConfirmQuitTest, AnAnimationIsNeverInterrupted) {
    state.flags.set(Flag::AnimationRunning);
    for (const bool confirmSetting : {true, false}) {
        state.settings.writeFlag(field::ConfirmQuitGame, confirmSetting);
        EXPECT_FALSE(confirmQuit(state, frontend));
    }
    state.flags.clear(Flag::GameInPlay);
    EXPECT_FALSE(confirmQuit(state, frontend));
    EXPECT_TRUE(frontend.calls.empty());
}

// --- Game clock ------------------------------------------------------------

TEST(GameClock, FormatsHoursMinutesAndSeconds) {
    EXPECT_EQ(formatElapsed(0), "0:00:00");
    EXPECT_EQ(formatElapsed(999), "0:00:00");
    EXPECT_EQ(formatElapsed(59'999), "0:00:59");
    EXPECT_EQ(formatElapsed(60'000), "0:01:00");
    EXPECT_EQ(formatElapsed(kHour + 23 * 60'000 + 45'000), "1:23:45");
    EXPECT_EQ(formatElapsed(13 * kHour + 5'000), "13:00:05");
    EXPECT_EQ(formatElapsed(-5'000), "0:00:00");
}

TEST(GameClock, RunsOnPastMidnight) {
    const long long start = 23 * kHour + 59 * 60'000 + 30'000; // 23:59:30
    EXPECT_EQ(clockText(start, start + 29'000), "0:00:29");
    EXPECT_EQ(clockText(start, 0), "0:00:30");
    EXPECT_EQ(clockText(start, 10'000), "0:00:40");
    EXPECT_EQ(clockText(start, kHour + 10'000), "1:00:40");
    EXPECT_EQ(clockText(10 * kHour, 10 * kHour), "0:00:00");
}

TEST(GameClock, TicksOnlyWhileRunning) {
    table::ProgramState state;
    testing::RecordingFrontend frontend;
    state.flags.timeSlot(0) = 23 * kHour + 59 * 60'000 + 30'000;
    frontend.timeOfDay = 10'000;
    clockTick(state, frontend);
    EXPECT_TRUE(frontend.calls.empty());
    state.flags.set(Flag::ClockRunning);
    clockTick(state, frontend);
    showClockReset(frontend);
    const std::vector<std::string> expected = {"clock: 0:00:40", "clock: 0:00:00"};
    EXPECT_EQ(frontend.calls, expected);
}

} // namespace
} // namespace vellomir::engine

namespace vellomir::engine {
namespace {

// The win counts the moment the game ends: before the winning animation and
// the chooser after it, which a crash or a kill may never let finish.
TEST(EndOfGameResult, AWinIsRecordedBeforeItsAnimation) {
    constexpr int kGame = 87;
    testing::DealtGame dealt(kGame, 3);
    std::vector<GameResult> results;
    bool animationSeenFirst = false;
    dealt.engine.setResultRecorder([&](const GameResult& result) {
        animationSeenFirst = dealt.frontend.saw("winning animation");
        results.push_back(result);
    });
    for (const char* pile :
         {"Fila7", "Fila4", "Fila5", "Fila6", "Fila3", "Fila2", "Fila5", "Fila8", "Fila9"}) {
        ASSERT_TRUE(dealt.run(std::string("click ") + pile)) << pile;
    }
    ASSERT_TRUE(dealt.frontend.saw("winning animation"));
    ASSERT_EQ(results.size(), 1U);
    EXPECT_TRUE(results[0].won);
    EXPECT_EQ(results[0].game, kGame);
    EXPECT_EQ(results[0].moves, 9);
    EXPECT_FALSE(animationSeenFirst);
}

} // namespace
} // namespace vellomir::engine
