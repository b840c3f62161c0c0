#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <thread>

namespace vellomir::app {

/// Reads the resource library once more, off the window's thread, and
/// checks every byte against its seal (resources/resource_seal.h): a
/// damaged picture or sound is found even where the library still opens.
/// Started after the first paint, so that the table does not wait for it.
class LibrarySealCheck {
public:
    /// Checks the library at `path`; `broken` is called on the thread of
    /// `context` when a byte changed since the library was sealed. The
    /// check must end before `context` goes.
    LibrarySealCheck(QString path, QObject* context, std::function<void()> broken);
    /// Waits for the check to end.
    ~LibrarySealCheck();
    LibrarySealCheck(const LibrarySealCheck&) = delete;
    LibrarySealCheck& operator=(const LibrarySealCheck&) = delete;

private:
    std::thread m_thread;
};

} // namespace vellomir::app
