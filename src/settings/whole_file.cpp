#include "settings/whole_file.h"

#include "settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vellomir::settings {

bool WholeFile::absent() const {
    return status == WholeFileStatus::Missing || error == ENOTDIR;
}

WholeFile readWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
    WholeFile file;
    // Without O_NONBLOCK a FIFO put in the file's place would stop the open
    // until something writes to it: forever, at start-up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        file.error = errno;
        file.status = errno == ENOENT ? WholeFileStatus::Missing : WholeFileStatus::Failed;
        file.problem = errorText(errno);
        return file;
    }
    auto fail = [&](WholeFileStatus status, std::string problem, int error = 0) {
        file.error = error;
        ::close(fd);
        file.status = status;
        file.problem = std::move(problem);
        file.text.clear();
        return file;
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        return fail(WholeFileStatus::Failed, errorText(error), error);
    }
    if (!S_ISREG(info.st_mode)) {
        return fail(WholeFileStatus::Failed, "it is not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const std::string tooLarge = "it is larger than " + std::to_string(maxBytes) + " bytes";
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        return fail(WholeFileStatus::TooLarge, tooLarge);
    }
    file.text.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == file.text.size()) {
            if (got > maxBytes) {
                return fail(WholeFileStatus::TooLarge, tooLarge);
            }
            file.text.resize(std::min(got * 2 + 4096, maxBytes + 1));
        }
        const ssize_t n = ::read(fd, file.text.data() + got, file.text.size() - got);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            return fail(WholeFileStatus::Failed, errorText(error), error);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (got > maxBytes) {
        file.text.clear();
        file.status = WholeFileStatus::TooLarge;
        file.problem = tooLarge;
        return file;
    }
    file.text.resize(got);
    file.status = WholeFileStatus::Loaded;
    return file;
}

} // namespace vellomir::settings
