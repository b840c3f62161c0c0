#include "app/local_channel.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vellomir::app {
namespace {

// Callers waiting to be read at once; more are left in the kernel's queue.
constexpr int kBacklog = 8;
// A line longer than this is no word of the program: the caller is dropped.
constexpr qsizetype kLongestLine = 256;

// The address of `name` in the abstract namespace: a zero byte, then the
// name, and no terminating zero (as QLocalServer spells it).
struct AbstractAddress {
    sockaddr_un address{};
    socklen_t length = 0;
};

std::optional<AbstractAddress> abstractAddress(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    AbstractAddress result;
    result.address.sun_family = AF_UNIX;
    if (bytes.isEmpty() ||
        static_cast<std::size_t>(bytes.size()) + 1 > sizeof(result.address.sun_path)) {
        return std::nullopt;
    }
    result.address.sun_path[0] = '\0';
    std::memcpy(result.address.sun_path + 1, bytes.constData(),
                static_cast<std::size_t>(bytes.size()));
    result.length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                           static_cast<std::size_t>(bytes.size()));
    return result;
}

int newSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Writes all of `bytes` to a non-blocking socket within `deadline`.
bool writeAll(int socket, QByteArrayView bytes, QDeadlineTimer deadline) {
    while (!bytes.isEmpty()) {
        const ssize_t sent =
            ::send(socket, bytes.data(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes = bytes.sliced(sent);
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && !deadline.hasExpired()) {
            QEventLoop idle;
            QSocketNotifier writable(socket, QSocketNotifier::Write);
            QObject::connect(&writable, &QSocketNotifier::activated, &idle, &QEventLoop::quit);
            QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), &idle,
                               &QEventLoop::quit);
            idle.exec();
            continue;
        }
        return false;
    }
    return true;
}

// Reads what the socket holds onto `buffer`. False at its end or an error.
bool readAvailable(int socket, QByteArray& buffer) {
    char piece[kLongestLine];
    while (true) {
        const ssize_t got = ::recv(socket, piece, sizeof piece, 0);
        if (got > 0) {
            buffer.append(piece, got);
            if (buffer.size() > kLongestLine) {
                return false;
            }
            continue;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

// The first whole line of `buffer`, with its newline.
std::optional<QByteArray> firstLine(const QByteArray& buffer) {
    const qsizetype end = buffer.indexOf('\n');
    if (end < 0) {
        return std::nullopt;
    }
    return buffer.left(end + 1);
}

} // namespace

struct LocalListener::Caller {
    int socket = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray received;
};

LocalListener::LocalListener() = default;

LocalListener::~LocalListener() {
    for (const std::unique_ptr<Caller>& caller : m_callers) {
        caller->notifier.reset();
        ::close(caller->socket);
    }
    m_notifier.reset();
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

bool LocalListener::listen(const QString& name, Answer answer) {
    const std::optional<AbstractAddress> address = abstractAddress(name);
    if (!address || m_socket >= 0) {
        return false;
    }
    m_socket = newSocket();
    if (m_socket < 0) {
        return false;
    }
    if (::bind(m_socket, reinterpret_cast<const sockaddr*>(&address->address), address->length) !=
            0 ||
        ::listen(m_socket, kBacklog) != 0) {
        ::close(m_socket);
        m_socket = -1;
        return false;
    }
    m_answer = std::move(answer);
    m_notifier = std::make_unique<QSocketNotifier>(m_socket, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { acceptCallers(); });
    return true;
}

void LocalListener::acceptCallers() {
    while (true) {
        const int socket = ::accept4(m_socket, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket < 0) {
            if (errno == EINTR) {
                continue;
            }
            return; // none left waiting, or the kernel refuses one: the caller times out
        }
        auto caller = std::make_unique<Caller>();
        caller->socket = socket;
        caller->notifier = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
        Caller* raw = caller.get();
        QObject::connect(raw->notifier.get(), &QSocketNotifier::activated, raw->notifier.get(),
                         [this, raw] { readFrom(*raw); });
        m_callers.push_back(std::move(caller));
        readFrom(*raw);
    }
}

void LocalListener::readFrom(Caller& caller) {
    const bool open = readAvailable(caller.socket, caller.received);
    const std::optional<QByteArray> line = firstLine(caller.received);
    if (line && m_answer) {
        const QByteArray reply = m_answer(*line);
        if (!reply.isEmpty()) {
            writeAll(caller.socket, reply, QDeadlineTimer(kLongestLine));
        }
    }
    if (line || !open) {
        drop(caller);
    }
}

void LocalListener::drop(const Caller& caller) {
    const auto found = std::find_if(m_callers.begin(), m_callers.end(),
                                    [&](const auto& held) { return held.get() == &caller; });
    if (found == m_callers.end()) {
        return;
    }
    // The notifier may be the one whose signal runs now: it goes later.
    (*found)->notifier->setEnabled(false);
    (*found)->notifier.release()->deleteLater();
    ::close((*found)->socket);
    m_callers.erase(found);
}

std::optional<QByteArray> askLocalListener(const QString& name, const QByteArray& line,
                                           int timeoutMs) {
    const std::optional<AbstractAddress> address = abstractAddress(name);
    if (!address) {
        return std::nullopt;
    }
    const int socket = newSocket();
    if (socket < 0) {
        return std::nullopt;
    }
    const QDeadlineTimer deadline(timeoutMs);
    std::optional<QByteArray> answer;
    // A local connection is made or refused at once; a full queue of a
    // listener that does not accept says EAGAIN, and counts as no answer.
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address->address), address->length) ==
            0 &&
        writeAll(socket, line, deadline)) {
        QByteArray received;
        QEventLoop waiting;
        QSocketNotifier readable(socket, QSocketNotifier::Read);
        bool open = true;
        const auto read = [&] {
            open = readAvailable(socket, received);
            answer = firstLine(received);
            if (answer || !open) {
                waiting.quit();
            }
        };
        QObject::connect(&readable, &QSocketNotifier::activated, &waiting, read);
        QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), &waiting,
                           &QEventLoop::quit);
        read();
        if (!answer && open) {
            waiting.exec();
        }
    }
    ::close(socket);
    return answer;
}

} // namespace vellomir::app
