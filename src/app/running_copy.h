#pragma once

#include "app/local_channel.h"

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

namespace vellomir::app {

/// The name of the lock file a running copy holds in its DATA folder.
inline constexpr const char* kRunningCopyLockName = "vellomir.lock";

/// One running copy of the program per data folder, so that two copies never
/// write over each other's preferences, statistics and saved game.
///
/// The copy that runs holds a lock file in DATA/ for its whole run and
/// listens on a local socket named after the canonical path of that folder.
/// A second start on the same folder finds the lock taken, asks the running
/// copy over the socket to show its window, and ends without writing.
///
/// A lock left by a copy that died (killed, crashed, the machine went down)
/// does not block: its process no longer runs, so the lock is stale and is
/// taken over. A lock never goes stale by age, since a copy may run for days.
class RunningCopy {
public:
    enum class Claim {
        /// This copy holds the lock and listens for later starts.
        Holder,
        /// A live copy holds the lock and was asked to show its window.
        AnotherCopyAsked,
        /// A live copy holds the lock but could not be reached (it runs on
        /// another machine sharing the folder, or does not answer).
        AnotherCopyUnreachable,
        /// No lock can be made there (the folder cannot be written): nothing
        /// is kept in that folder by any copy, so nothing can be lost.
        Unavailable,
        /// Something that is not a file (a folder, a FIFO) stands where the
        /// lock goes: no copy made it, and reading it could wait forever.
        LockNotAFile,
    };

    /// `dataFolder` is the folder holding DATA/, with a trailing "/".
    explicit RunningCopy(QString dataFolder);
    ~RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    /// Tries to become the running copy; `showWindow` is called whenever a
    /// later start asks this copy to show itself (only when Holder).
    Claim claim(std::function<void()> showWindow);

    /// Gives up the lock and the socket (also done by the destructor).
    void release();

    /// DATA/vellomir.lock in the data folder.
    QString lockPath() const { return m_lockPath; }
    /// The host that holds the lock, when claim() found it taken and the
    /// lock names one.
    QString holderHost() const { return m_holderHost; }
    /// The process that holds the lock, when claim() found it taken (0 when
    /// the lock names none).
    qint64 holderProcess() const { return m_holderProcess; }
    /// Whether the holder runs on this machine and is stopped (by Ctrl+Z or
    /// a debugger): it holds the lock but cannot answer until resumed.
    bool holderStopped() const;

    /// The local socket's name for a DATA folder (its canonical path hashed,
    /// so that any spelling of the path finds the same copy).
    static QString socketNameFor(const QString& dataSubfolder);

private:
    bool askRunningCopyToShow() const;
    void listen();

    QString m_dataSubfolder;
    QString m_lockPath;
    QString m_holderHost;
    qint64 m_holderProcess = 0;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<LocalListener> m_listener;
    std::function<void()> m_showWindow;
};

} // namespace vellomir::app
