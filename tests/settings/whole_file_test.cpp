#include "settings/whole_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace vellomir::settings {
namespace {

using testing::TempFolder;
using testing::writeBytes;
using namespace std::string_literals;

TEST(WholeFile, ReadsUpToTheCapAndRefusesOneByteMore) {
    TempFolder folder;
    const std::filesystem::path path = folder / "text";
    writeBytes(path, std::string(10, 'x') + "\r\n\0y"s);
    const WholeFile atCap = readWholeFile(path, 14);
    ASSERT_TRUE(atCap.loaded()) << atCap.problem;
    EXPECT_EQ(atCap.text, std::string(10, 'x') + "\r\n\0y"s);

    const WholeFile over = readWholeFile(path, 13);
    EXPECT_EQ(over.status, WholeFileStatus::TooLarge);
    EXPECT_EQ(over.problem, "it is larger than 13 bytes");
    EXPECT_TRUE(over.text.empty());
}

TEST(WholeFile, TellsAMissingFileFromOneThatCannotBeRead) {
    TempFolder folder;
    const WholeFile missing = readWholeFile(folder / "none", 100);
    EXPECT_EQ(missing.status, WholeFileStatus::Missing);
    EXPECT_FALSE(missing.problem.empty());

    const WholeFile directory = readWholeFile(folder.path(), 100);
    EXPECT_EQ(directory.status, WholeFileStatus::Failed);
    EXPECT_EQ(directory.problem, "it is not a regular file");
    EXPECT_FALSE(directory.absent());

    // A path through a file is no file either, but not simply missing.
    writeBytes(folder / "plain", "x");
    const WholeFile through = readWholeFile(folder / "plain" / "inner", 100);
    EXPECT_EQ(through.status, WholeFileStatus::Failed);
    EXPECT_TRUE(through.absent());
    EXPECT_TRUE(missing.absent());
}

// A FIFO in a file's place (made by mistake or by malice) is refused at
// once: an open for reading would wait for a writer forever, and the start
// with it.
TEST(WholeFile, AFifoIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    const std::filesystem::path fifo = folder / "CFG.DAT";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    WholeFile read;
    std::thread reader([&] {
        read = readWholeFile(fifo, 100);
        done = true;
    });
    for (int waited = 0; waited < 200 && !done; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(done) << "the read waits for a writer";
    if (!done) {
        // Lets the stuck open go on, so that the test can end.
        const int writer = ::open(fifo.c_str(), O_WRONLY);
        ::close(writer);
    }
    reader.join();
    EXPECT_EQ(read.status, WholeFileStatus::Failed);
    EXPECT_EQ(read.problem, "it is not a regular file");
}

} // namespace
} // namespace vellomir::settings
