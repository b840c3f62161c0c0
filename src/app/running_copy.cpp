#include "app/running_copy.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <chrono>

namespace vellomir::app {
namespace {

// What a later start sends the running copy, and what the running copy
// answers once its window is in front: a copy that takes the word but never
// answers (stopped, or hanging) is no copy that was asked.
const QByteArray kShowWord = QByteArrayLiteral("show\n");
const QByteArray kShownWord = QByteArrayLiteral("shown\n");
// How long a later start waits for the running copy's socket.
constexpr int kConnectTimeoutMs = 2000;
// Hex digits of the folder's hash in the socket name.
constexpr int kSocketHashDigits = 32;

// A lock file that names no process is a copy's lock being written for this
// long at most; older, it is debris.
constexpr std::chrono::seconds kUnreadableLockAge{10};

bool isDebris(const QString& lockPath) {
    const QDateTime changed = QFileInfo(lockPath).lastModified();
    return QFileInfo(lockPath).isFile() && changed.isValid() &&
           changed.secsTo(QDateTime::currentDateTime()) > kUnreadableLockAge.count();
}

} // namespace

RunningCopy::RunningCopy(QString dataFolder)
    : m_dataSubfolder(dataFolder + QStringLiteral("DATA")),
      m_lockPath(m_dataSubfolder + QLatin1Char('/') + QLatin1String(kRunningCopyLockName)) {}

RunningCopy::~RunningCopy() {
    release();
}

QString RunningCopy::socketNameFor(const QString& dataSubfolder) {
    QString path = QFileInfo(dataSubfolder).canonicalFilePath();
    if (path.isEmpty()) {
        path = QDir::cleanPath(QFileInfo(dataSubfolder).absoluteFilePath());
    }
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("vellomir-") + QString::fromLatin1(hash.toHex().left(kSocketHashDigits));
}

RunningCopy::Claim RunningCopy::claim(std::function<void()> showWindow) {
    m_showWindow = std::move(showWindow);
    m_holderHost.clear();
    // The first copy makes DATA/ to hold its lock; a later one finds it made.
    if (!QDir().mkpath(m_dataSubfolder)) {
        return Claim::Unavailable;
    }
    // QLockFile would read a FIFO there and wait for a writer forever, and
    // take a folder for a lock some copy holds.
    if (const QFileInfo found(m_lockPath);
        (found.exists() || found.isSymLink()) && !found.isFile()) {
        return Claim::LockNotAFile;
    }
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Never stale by age: only the end of the holding process frees a lock.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return Claim::Holder;
    }
    const QLockFile::LockError error = m_lock->error();
    if (error != QLockFile::LockFailedError) {
        m_lock.reset();
        // No lock could be written (a full disk, a folder that cannot be
        // written): a copy that runs there still answers on its socket.
        if (askRunningCopyToShow()) {
            return Claim::AnotherCopyAsked;
        }
        listen();
        return Claim::Unavailable;
    }
    QString application;
    if (!m_lock->getLockInfo(&m_holderProcess, &m_holderHost, &application) &&
        isDebris(m_lockPath)) {
        // Not a lock any copy holds: one that died while writing it left it
        // empty or cut. Taken over like the lock of a dead copy.
        if (m_lock->removeStaleLockFile() && m_lock->tryLock(0)) {
            listen();
            return Claim::Holder;
        }
    }
    m_lock.reset();
    return askRunningCopyToShow() ? Claim::AnotherCopyAsked : Claim::AnotherCopyUnreachable;
}

void RunningCopy::release() {
    m_listener.reset();
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
}

bool RunningCopy::askRunningCopyToShow() const {
    // A copy that takes the word but never answers (stopped) is given up
    // after the same time as a connection.
    const std::optional<QByteArray> answer =
        askLocalListener(socketNameFor(m_dataSubfolder), kShowWord, kConnectTimeoutMs);
    return answer == kShownWord;
}

bool RunningCopy::holderStopped() const {
    if (m_holderProcess <= 0 ||
        (!m_holderHost.isEmpty() && m_holderHost != QSysInfo::machineHostName())) {
        return false;
    }
    // The state is the field after the command's closing parenthesis.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(m_holderProcess));
    if (!stat.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray line = stat.readLine();
    const qsizetype end = line.lastIndexOf(')');
    if (end < 0 || end + 2 >= line.size()) {
        return false;
    }
    const char state = line.at(end + 2);
    return state == 'T' || state == 't';
}

void RunningCopy::listen() {
    m_listener = std::make_unique<LocalListener>();
    // A name in the abstract namespace leaves no socket file behind when the
    // copy dies, so a later copy can always listen again.
    const bool listening =
        m_listener->listen(socketNameFor(m_dataSubfolder), [this](const QByteArray& line) {
            if (line != kShowWord || !m_showWindow) {
                return QByteArray();
            }
            m_showWindow();
            return kShownWord;
        });
    if (!listening) {
        // Later starts still find the lock; they say that the program runs.
        m_listener.reset();
    }
}

} // namespace vellomir::app
