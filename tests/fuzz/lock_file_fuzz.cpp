// The lock of the data folder as a start finds it: any bytes in
// DATA/vellomir.lock. The start never crashes or hangs; when it takes the
// folder the lock names this process, and giving it up leaves no lock; when
// it does not, the lock it found is left as it was.

#include "fuzz_support.h"

#include "app/running_copy.h"

#include <QCoreApplication>
#include <QLockFile>

using namespace vellomir;

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path folder = fuzz::scratchFolder() / "data";
    std::filesystem::remove_all(folder);
    const std::filesystem::path lock = folder / "DATA" / app::kRunningCopyLockName;
    const std::string bytes(fuzz::asText(data, size));
    fuzz::writeFile(lock, bytes);

    app::RunningCopy copy(QString::fromStdString(folder.string() + "/"));
    const app::RunningCopy::Claim claim = copy.claim([] {});
    if (claim != app::RunningCopy::Claim::Holder) {
        fuzz::require(readFile(lock) == bytes, "a lock the start did not take was changed");
        return 0;
    }
    QLockFile held(QString::fromStdString(lock.string()));
    qint64 pid = 0;
    QString host;
    QString application;
    fuzz::require(held.getLockInfo(&pid, &host, &application) &&
                      pid == QCoreApplication::applicationPid(),
                  "the lock taken names this process");
    copy.release();
    fuzz::require(!std::filesystem::exists(lock), "a lock given up is gone");
    return 0;
}
