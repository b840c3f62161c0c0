#include "catalogue/parameter_index.h"
#include "engine/actions/end_of_game.h"
#include "program_fixture.h"
#include "render/table_renderer.h"
#include "table/program_state.h"
#include "ui/main_window.h"
#include "ui/winning_sequence.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;
namespace cell = table::cell;

// Records the key and button presses that reach a widget.
class PressRecorder : public QObject {
public:
    int presses = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) {
            ++presses;
        }
        return false;
    }
};

class WinningSequenceTest : public ::testing::Test {
protected:
    // The sequence's timing is what these tests watch: its pauses stay on.
    void SetUp() override { render::TableRenderer::setAnimationPauses(true); }
    void TearDown() override { render::TableRenderer::setAnimationPauses(false); }

    void start(const std::string& preferences = "") {
        if (!preferences.empty()) {
            directory.write("DATA/CFG.DAT", preferences);
        }
        program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
        ASSERT_TRUE(program->start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
        ASSERT_TRUE(testing::processEventsUntil(
            [&] { return !program->state().flags.test(Flag::FirstActivationPending); }));
        QCoreApplication::processEvents();
        boxes.dialogs.clear();
        window().tableView()->installEventFilter(&recorder);
    }
    TfrmMain& window() { return *program->mainWindow(); }
    WinningSequence& winning() { return *program->winningSequence(); }
    const QImage& view() { return program->frontend().drawing()->windowImage(); }

    // Types F2 (the New game shortcut) on the table the first time the
    // animation lets input through.
    void pressKeyOnce() {
        winning().setProcessMessagesHook([this] {
            if (!m_pressed) {
                m_pressed = true;
                QTest::keyClick(window().tableView(), Qt::Key_F2);
            }
        });
    }

    // The game on the table counts as won (game 87 is won by its score).
    void winGame() {
        table::ProgramState& state = program->state();
        ASSERT_TRUE(state.flags.test(Flag::GameInPlay));
        state.settings.writeInt(settings::field::Score,
                                state.params[catalogue::param::TargetScore]);
        state.flags.set(Flag::Won);
    }

    ProgramDirectory directory;
    RecordingBoxes boxes;
    PressRecorder recorder;
    std::unique_ptr<app::Program> program;
    bool m_pressed = false;
};

TEST_F(WinningSequenceTest, AKeyPressStopsTheAnimationAndNeverReachesTheTable) {
    start("[Preference]\nWinning_Animations=Open order\nWinning_Animations_Time=30\n");
    const QString caption = window().windowTitle();
    const QImage before = view().copy();
    pressKeyOnce();
    QElapsedTimer timer;
    timer.start();
    winning().run();
    // Stopped long before its thirty seconds.
    EXPECT_LT(timer.elapsed(), 15000);
    EXPECT_TRUE(m_pressed);
    EXPECT_FALSE(program->state().flags.test(Flag::AnimationRunning));
    EXPECT_FALSE(winning().filterInstalled());
    EXPECT_EQ(recorder.presses, 0);
    // F2 did not deal a new game either.
    QCoreApplication::processEvents();
    EXPECT_EQ(window().windowTitle(), caption);
    // Cards were thrown onto the table.
    EXPECT_NE(view(), before);

    // With the animation over, keys reach the table again.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(window().tableView(), &key);
    EXPECT_EQ(recorder.presses, 1);
}

TEST_F(WinningSequenceTest, AClickStopsItToo) {
    start();
    winning().setProcessMessagesHook([this] {
        if (!m_pressed) {
            m_pressed = true;
            const QPointF at(200, 200);
            QCoreApplication::postEvent(
                window().tableView(),
                new QMouseEvent(QEvent::MouseButtonPress, at, window().tableView()->mapToGlobal(at),
                                Qt::RightButton, Qt::RightButton, Qt::NoModifier));
        }
    });
    QElapsedTimer timer;
    timer.start();
    winning().run("Circles", 30);
    EXPECT_LT(timer.elapsed(), 15000);
    EXPECT_EQ(recorder.presses, 0);
    EXPECT_FALSE(program->state().flags.test(Flag::AnimationRunning));
}

TEST_F(WinningSequenceTest, AnUnknownStyleDrawsNothingAndEndsAtOnce) {
    start();
    const QImage before = view().copy();
    QElapsedTimer timer;
    timer.start();
    winning().run("Spirals", 30);
    EXPECT_LT(timer.elapsed(), 15000);
    EXPECT_EQ(view(), before);
    EXPECT_FALSE(program->state().flags.test(Flag::AnimationRunning));
    EXPECT_FALSE(winning().filterInstalled());
}

TEST_F(WinningSequenceTest, EveryStyleRunsForItsTimeOnTheWindow) {
    start("[Preference]\nSpeed_Move_Card=2\n");
    // On a simulated clock: only the animation's pauses make time pass.
    long long simulated = 0;
    winning().setClock({[&simulated](int milliseconds) { simulated += milliseconds; },
                        [&simulated] { return simulated; }});
    for (const char* style :
         {"Open order", "Left to right", "Up to down", "Festoons", "Lines", "Circles"}) {
        const QImage before = view().copy();
        const long long started = simulated;
        winning().run(style, 1);
        EXPECT_GE(simulated - started, 1000) << style;
        EXPECT_NE(view(), before) << style;
        EXPECT_FALSE(program->state().flags.test(Flag::AnimationRunning)) << style;
    }
    // The thrown cards do not make the table scroll.
    EXPECT_LT(window().lowestCardEdge(), window().height());
}

TEST_F(WinningSequenceTest, ClosingDuringTheAnimationClosesTheWindowAfterIt) {
    start("[Preference]\nWinning_Animations=Lines\nWinning_Animations_Time=30\n");
    table::ProgramState& state = program->state();
    winning().setProcessMessagesHook([this] {
        if (!m_pressed) {
            m_pressed = true;
            window().close();
            // The close waits for the animation's end.
            EXPECT_TRUE(window().isVisible());
            EXPECT_EQ(program->state().mainGame.cell(cell::CloseRequested), 1);
        }
    });
    // The game on the table is won: the end of the game runs the animation.
    winGame();
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(engine::endOfGame(state, program->frontend()));
    EXPECT_LT(timer.elapsed(), 15000);
    EXPECT_TRUE(m_pressed);
    EXPECT_FALSE(window().isVisible());
    // The game chooser did not open.
    EXPECT_TRUE(boxes.dialogs.isEmpty());
}

TEST_F(WinningSequenceTest, AWonGameEndsWithTheAnimationAndTheChooser) {
    start("[Preference]\nWinning_Animations=Up to down\nWinning_Animations_Time=1\n");
    table::ProgramState& state = program->state();
    long long simulated = 0;
    winning().setClock({[&simulated](int milliseconds) { simulated += milliseconds; },
                        [&simulated] { return simulated; }});
    winGame();
    EXPECT_TRUE(engine::endOfGame(state, program->frontend()));
    // The game chooser opened.
    EXPECT_EQ(boxes.dialogs.size(), 1);
    EXPECT_TRUE(window().isVisible());
}

} // namespace
} // namespace vellomir::ui
