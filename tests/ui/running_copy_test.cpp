#include "app/running_copy.h"
#include "program_fixture.h"
#include "table/program_state.h"
#include "ui/main_window.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace vellomir::app {
namespace {

using table::Flag;
using testing::ProgramDirectory;
using testing::RecordingBoxes;

// Every file under a folder with its size and time of change.
std::map<std::string, std::string> filesUnder(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::string what = entry.is_directory() ? "folder" : std::to_string(entry.file_size());
        what += " " + std::to_string(entry.last_write_time().time_since_epoch().count());
        files[entry.path().string()] = what;
    }
    return files;
}

// A returning player of Klondike: the table opens without the chooser.
void writeReturningPlayer(const ProgramDirectory& directory) {
    directory.write("DATA/CFG.DAT", "[Preference]\nGame=1\nAutoPlay=N\nDeal_Animation=N\n");
    directory.write("DATA/Stat_e00.dat", "");
}

QString lockPathIn(const ProgramDirectory& directory) {
    return directory.qpath() + QStringLiteral("DATA/") + QLatin1String(kRunningCopyLockName);
}

TEST(RunningCopy, ASecondStartOnTheSameFolderBringsTheRunningWindowToTheFrontAndWritesNothing) {
    ProgramDirectory directory;
    writeReturningPlayer(directory);
    RecordingBoxes boxes;
    Program first(testing::testOptions(directory, boxes));
    ASSERT_TRUE(first.start());
    ASSERT_TRUE(
        testing::processEventsUntil([&] { return first.state().flags.test(Flag::GameInPlay); }));
    first.mainWindow()->showMinimized();
    ASSERT_TRUE(testing::processEventsUntil([&] { return first.mainWindow()->isMinimized(); }));

    const auto before = filesUnder(directory.path());
    {
        RecordingBoxes secondBoxes;
        Program second(testing::testOptions(directory, secondBoxes));
        EXPECT_FALSE(second.start());
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_TRUE(secondBoxes.boxes.isEmpty())
            << secondBoxes.texts().join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(secondBoxes.dialogs.isEmpty());
    }
    EXPECT_EQ(filesUnder(directory.path()), before);

    // The running copy was asked to show itself and did.
    EXPECT_TRUE(testing::processEventsUntil([&] { return !first.mainWindow()->isMinimized(); }));
    EXPECT_TRUE(first.mainWindow()->isVisible());
    EXPECT_TRUE(first.state().flags.test(Flag::GameInPlay));

    // Once the first copy has closed, the folder is free again.
    first.mainWindow()->close();
    EXPECT_FALSE(QFileInfo::exists(lockPathIn(directory)));
    Program third(testing::testOptions(directory, boxes));
    EXPECT_TRUE(third.start());
}

TEST(RunningCopy, ALiveHolderThatDoesNotAnswerIsNamedInAMessageHoweverOldItsLock) {
    ProgramDirectory directory;
    writeReturningPlayer(directory);
    // This test process holds the lock, as a copy that hangs would: it runs,
    // but no window answers the socket.
    QLockFile held(lockPathIn(directory));
    ASSERT_TRUE(held.tryLock(0));
    // A lock of a copy that has run for an hour is still its lock.
    std::filesystem::last_write_time(lockPathIn(directory).toStdString(),
                                     std::filesystem::file_time_type::clock::now() -
                                         std::chrono::hours(1));
    const auto before = filesUnder(directory.path());

    RecordingBoxes boxes;
    {
        Program second(testing::testOptions(directory, boxes));
        EXPECT_FALSE(second.start());
        EXPECT_EQ(second.exitCode(), 1);
    }
    ASSERT_EQ(boxes.boxes.size(), 1) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(boxes.boxes[0].title, QStringLiteral("Vellomir"));
    EXPECT_TRUE(boxes.boxes[0].text.startsWith(
        QStringLiteral("Vellomir is already running with the data folder\r") + directory.qpath()))
        << boxes.boxes[0].text.toStdString();
    EXPECT_TRUE(boxes.boxes[0].text.endsWith(lockPathIn(directory)));
    EXPECT_EQ(filesUnder(directory.path()), before);
    EXPECT_TRUE(boxes.dialogs.isEmpty());
}

TEST(RunningCopy, AStoppedCopyIsSaidToBeStoppedNotAskedInSilence) {
    ProgramDirectory directory;
    writeReturningPlayer(directory);
    // A copy stopped by Ctrl+Z: its process holds the lock, and the kernel
    // still takes a connection to its socket and the word sent there, but
    // nothing answers. A child process takes the lock and stops itself; the
    // socket is served by no one here.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QLockFile lock(lockPathIn(directory));
        if (lock.tryLock(0)) {
            raise(SIGSTOP);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
    ASSERT_TRUE(WIFSTOPPED(status)) << "the child could not take the lock";
    QLocalServer silent;
    silent.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    ASSERT_TRUE(
        silent.listen(RunningCopy::socketNameFor(directory.qpath() + QStringLiteral("DATA"))));

    RecordingBoxes boxes;
    {
        Program second(testing::testOptions(directory, boxes));
        EXPECT_FALSE(second.start());
        EXPECT_EQ(second.exitCode(), 1);
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_TRUE(boxes.boxes[0].text.contains(
        QStringLiteral("(process %1) is stopped and does not answer").arg(child)))
        << boxes.boxes[0].text.toStdString();
}

TEST(RunningCopy, TheLockOfACopyThatDiedDoesNotBlock) {
    ProgramDirectory directory;
    writeReturningPlayer(directory);
    // What a copy killed in its run leaves: its lock, naming a process that
    // no longer runs on this machine.
    directory.write("DATA/vellomir.lock",
                    "999999999\nvellomir\n" + QSysInfo::machineHostName().toStdString() + "\n");
    RecordingBoxes boxes;
    Program program(testing::testOptions(directory, boxes));
    ASSERT_TRUE(program.start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(boxes.boxes.isEmpty());

    // The lock is this process's now: another start is refused.
    QLockFile probe(lockPathIn(directory));
    EXPECT_FALSE(probe.tryLock(0));
    qint64 pid = 0;
    QString host;
    QString application;
    ASSERT_TRUE(probe.getLockInfo(&pid, &host, &application));
    EXPECT_EQ(pid, ::getpid());
}

TEST(RunningCopy, ALockFileLeftEmptyOrDamagedDoesNotBlockOnceItIsOld) {
    for (const std::string text : {"", "\x01\xff\n"}) {
        ProgramDirectory directory;
        writeReturningPlayer(directory);
        // A copy that died while writing its lock (or a disk that lost its
        // blocks) leaves it empty or with damaged bytes.
        directory.write("DATA/vellomir.lock", text);
        std::filesystem::last_write_time(lockPathIn(directory).toStdString(),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::minutes(1));
        RecordingBoxes boxes;
        Program program(testing::testOptions(directory, boxes));
        EXPECT_TRUE(program.start()) << boxes.texts().join(QStringLiteral(" | ")).toStdString();
    }
}

} // namespace
} // namespace vellomir::app

namespace vellomir::app {
namespace {

// A FIFO or a folder where the lock goes is no copy's lock: the start says
// so at once, instead of waiting forever for the FIFO or calling it "already
// running".
TEST(RunningCopy, ALockThatIsNotAFileIsNamedAtOnce) {
    for (const bool fifo : {true, false}) {
        testing::ProgramDirectory directory;
        const std::string lock = directory.path() + "DATA/" + kRunningCopyLockName;
        std::filesystem::create_directories(directory.path() + "DATA");
        if (fifo) {
            ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
        } else {
            std::filesystem::create_directory(lock);
        }
        std::atomic<bool> done{false};
        RunningCopy::Claim claim = RunningCopy::Claim::Holder;
        std::thread start([&] {
            RunningCopy copy(directory.qpath());
            claim = copy.claim([] {});
            done = true;
        });
        for (int waited = 0; waited < 300 && !done; ++waited) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_TRUE(done) << "the start waits on the FIFO";
        if (!done) {
            ::close(::open(lock.c_str(), O_WRONLY)); // frees the stuck read
        }
        start.join();
        EXPECT_EQ(claim, RunningCopy::Claim::LockNotAFile) << (fifo ? "FIFO" : "folder");
    }
}

} // namespace
} // namespace vellomir::app
