// The game in progress survives a kill: the program is killed with SIGKILL
// at random moments of play and of its exit, and the next start goes on
// with the game at the last action or the one before, with its undo. A
// SIGTERM (the end of the session) saves and closes as Exit does.

#include "engine/play/saved_game.h"
#include "engine/records/play_position.h"
#include "table_window.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>

namespace vellomir::ui {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

constexpr int kPaceMs = 240;

// The tables the probe printed, by move count.
struct ProbeRun {
    std::vector<std::string> steps;
    bool closing = false;
    bool waiting = false;
    int exitCode = -1;
};

void readLines(QProcess& probe, ProbeRun& run) {
    while (probe.canReadLine()) {
        const std::string line = probe.readLine().trimmed().toStdString();
        if (line.starts_with("STEP ")) {
            const auto space = line.find(' ', 5);
            const std::size_t moves = std::stoul(line.substr(5, space - 5));
            run.steps.resize(std::max(run.steps.size(), moves + 1));
            run.steps[moves] = line.substr(space + 1);
        } else if (line == "CLOSING") {
            run.closing = true;
        } else if (line == "WAITING") {
            run.waiting = true;
        }
    }
}

// Runs the probe on `directory` and kills it with `signal` once `ready`
// holds and `delayMs` more have passed.
ProbeRun runAndKill(const ProgramDirectory& directory, int steps, bool close, int signal,
                    const std::function<bool(const ProbeRun&)>& ready, int delayMs) {
    QProcess probe;
    QStringList arguments{directory.qpath(), QString::number(steps), QString::number(kPaceMs)};
    if (close) {
        arguments << QStringLiteral("close");
    }
    probe.start(QStringLiteral(VELLOMIR_KILL_PROBE), arguments);
    EXPECT_TRUE(probe.waitForStarted());
    ProbeRun run;
    QElapsedTimer clock;
    clock.start();
    while (!ready(run) && probe.state() == QProcess::Running && clock.elapsed() < 60000) {
        probe.waitForReadyRead(50);
        readLines(probe, run);
    }
    QThread::msleep(static_cast<unsigned long>(delayMs));
    if (probe.state() == QProcess::Running) {
        ::kill(static_cast<pid_t>(probe.processId()), signal);
    }
    probe.waitForFinished(30000);
    readLines(probe, run);
    run.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    return run;
}

// Starts the program on `directory` in this process, as the player would
// the next time.
std::unique_ptr<app::Program> startOn(const ProgramDirectory& directory, RecordingBoxes& boxes) {
    auto program = std::make_unique<app::Program>(testing::testOptions(directory, boxes));
    EXPECT_TRUE(program->start());
    EXPECT_TRUE(testing::processEventsUntil(
        [&] {
            return !program->state().flags.test(Flag::FirstActivationPending) &&
                   program->state().flags.test(Flag::GameInPlay);
        },
        10000));
    return program;
}

// The next start goes on at the last table the probe printed or the one
// before, and undo takes that back to the table before it.
void expectResumed(const ProgramDirectory& directory, const ProbeRun& run,
                   const std::string& what) {
    ASSERT_FALSE(run.steps.empty()) << what << ": the probe printed nothing";
    RecordingBoxes boxes;
    auto program = startOn(directory, boxes);
    EXPECT_TRUE(boxes.boxes.isEmpty())
        << what << ": " << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    const int last = static_cast<int>(run.steps.size()) - 1;
    const int moves = program->engine().moves();
    const std::string table = engine::positionText(engine::capturePosition(program->state()));
    if (moves == 0) {
        // Nothing was kept yet: only the first click may be lost, and the
        // start deals afresh.
        EXPECT_LE(last, 1) << what;
        return;
    }
    EXPECT_TRUE(moves == last || moves == last - 1) << what << ": " << moves << " of " << last;
    ASSERT_LE(moves, last) << what;
    EXPECT_EQ(table, run.steps[moves]) << what << ": resumed at " << moves;
    ASSERT_TRUE(program->engine().undo()) << what;
    EXPECT_EQ(engine::positionText(engine::capturePosition(program->state())), run.steps[moves - 1])
        << what << ": undo after the resume";
}

int trials(int quick) {
    const QByteArray more = qgetenv("VELLOMIR_KILL_TRIALS");
    return more.isEmpty() ? quick : more.toInt();
}

TEST(KillTest, AKillDuringPlayLosesAtMostTheLastAction) {
    std::mt19937 random(std::random_device{}());
    for (int trial = 0; trial < trials(3); ++trial) {
        ProgramDirectory directory;
        testing::writeReturningKlondikePlayer(directory);
        const int clicks = 2 + static_cast<int>(random() % 4);
        const int delay = static_cast<int>(random() % kPaceMs);
        const ProbeRun run = runAndKill(
            directory, 8, false, SIGKILL,
            [&](const ProbeRun& r) { return static_cast<int>(r.steps.size()) > clicks; }, delay);
        expectResumed(directory, run,
                      "killed after click " + std::to_string(clicks) + " + " +
                          std::to_string(delay) + " ms");
    }
}

TEST(KillTest, AKillDuringExitLosesAtMostTheLastAction) {
    std::mt19937 random(std::random_device{}());
    for (int trial = 0; trial < trials(3); ++trial) {
        ProgramDirectory directory;
        testing::writeReturningKlondikePlayer(directory);
        const int delay = static_cast<int>(random() % 30);
        const ProbeRun run = runAndKill(
            directory, 3, true, SIGKILL, [](const ProbeRun& r) { return r.closing; }, delay);
        expectResumed(directory, run, "killed " + std::to_string(delay) + " ms into the exit");
    }
}

TEST(KillTest, SigtermSavesAndClosesAsExitDoes) {
    ProgramDirectory directory;
    testing::writeReturningKlondikePlayer(directory);
    const ProbeRun run = runAndKill(
        directory, 3, false, SIGTERM, [](const ProbeRun& r) { return r.waiting; }, 0);
    EXPECT_EQ(run.exitCode, 0);
    // The folder is free again and the game is there whole.
    EXPECT_FALSE(std::filesystem::exists(directory.path() + "DATA/vellomir.lock"));
    RecordingBoxes boxes;
    auto program = startOn(directory, boxes);
    EXPECT_EQ(program->engine().moves(), 3);
    EXPECT_EQ(engine::positionText(engine::capturePosition(program->state())), run.steps[3]);
}

} // namespace
} // namespace vellomir::ui
