#include "settings/atomic_file.h"

#include <algorithm>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <random>
#include <system_error>

namespace vellomir::settings {
namespace {

WriteResult failed(const std::filesystem::path& path, int error, WriteStep step,
                   const std::filesystem::path& temporary = {}) {
    WriteResult result =
        WriteResult::failure("Cannot write the file " + quoted(path) + ": " + errorText(error));
    result.failedStep = step;
    result.temporary = temporary;
    return result;
}

// A name no other writer in this folder is using right now: the process id,
// a counter and a random part. O_EXCL makes a clash fail rather than share.
std::string uniquePart() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const unsigned n = counter.fetch_add(1);
    return std::to_string(::getpid()) + "_" + std::to_string(n) + "_" +
           std::to_string((seed ^ (n * 2654435761U)) % 1000000U);
}

// Writes everything, going on after short writes and interruptions. An
// injected fault stops the write once the given number of bytes is out.
int writeAll(int fd, std::string_view contents, const WriteFaults& faults) {
    const bool fault = faults.failAfterBytes && *faults.failAfterBytes < contents.size();
    const std::size_t limit = fault ? *faults.failAfterBytes : contents.size();
    std::size_t written = 0;
    while (written < limit) {
        const ssize_t n = ::write(fd, contents.data() + written, limit - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        written += static_cast<std::size_t>(n);
    }
    return fault ? faults.error : 0;
}

// Makes the rename itself durable. A folder that cannot be synced (some file
// systems refuse) does not make the write fail: the file is already complete.
void syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace {

std::vector<std::filesystem::path>& unwritableFolders() {
    static std::vector<std::filesystem::path> folders;
    return folders;
}

} // namespace

bool isUnderUnwritableFolder(const std::filesystem::path& path) {
    const std::filesystem::path file = path.lexically_normal();
    for (const std::filesystem::path& folder : unwritableFolders()) {
        const auto [end, rest] =
            std::mismatch(folder.begin(), folder.end(), file.begin(), file.end());
        if (end == folder.end() || (std::next(end) == folder.end() && end->empty())) {
            return true;
        }
    }
    return false;
}

void markFolderUnwritable(const std::filesystem::path& folder) {
    unwritableFolders().push_back(folder.lexically_normal());
}

std::string errorText(int error) {
    return std::generic_category().message(error);
}

std::string quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

WriteResult replaceFileAtomically(const std::filesystem::path& path, std::string_view contents,
                                  const WriteFaults& faults) {
    std::filesystem::path target = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec) {
            target = resolved;
        }
    }
    const std::filesystem::path folder = target.parent_path();
    if (isUnderUnwritableFolder(target)) {
        WriteResult told = WriteResult::failure("");
        told.failedStep = WriteStep::Create;
        return told;
    }

    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;

    std::filesystem::path temporary;
    if (faults.failCreate) {
        return failed(target, faults.error, WriteStep::Create);
    }
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder / (std::string(kTemporaryPrefix) + uniquePart());
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return failed(target, errno, WriteStep::Create);
        }
    }
    if (fd < 0) {
        return failed(target, EEXIST, WriteStep::Create);
    }

    auto abandon = [&](int error, WriteStep step) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temporary.c_str());
        return failed(target, error, step, temporary);
    };

    if (hadOld) {
        // Best effort: a file we may write but not chmod keeps the usual mode.
        ::fchmod(fd, old.st_mode & 07777);
    }
    if (const int error = writeAll(fd, contents, faults)) {
        return abandon(error, WriteStep::Write);
    }
    if (faults.failSync) {
        return abandon(faults.error, WriteStep::Sync);
    }
    if (::fsync(fd) != 0) {
        return abandon(errno, WriteStep::Sync);
    }
    const int closeResult = ::close(fd);
    fd = -1;
    if (closeResult != 0) {
        return abandon(errno, WriteStep::Sync);
    }
    if (faults.failRename) {
        return abandon(faults.error, WriteStep::Rename);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        return abandon(errno, WriteStep::Rename);
    }
    syncFolder(folder);
    return WriteResult::success();
}

} // namespace vellomir::settings
