#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

namespace vellomir::app {

/// A listening socket in the abstract namespace of local sockets: a name that
/// leaves no file behind and is freed by the kernel when its process ends.
/// Each caller sends one line and gets one line back. The same names as
/// QLocalServer's abstract ones, so that copies of earlier builds and this one
/// find each other. Plain sockets and the event loop: no network library is
/// loaded at start-up for it.
class LocalListener {
public:
    /// Answers a line (with its newline) with the line to send back; an
    /// empty answer sends nothing.
    using Answer = std::function<QByteArray(const QByteArray& line)>;

    LocalListener();
    ~LocalListener();
    LocalListener(const LocalListener&) = delete;
    LocalListener& operator=(const LocalListener&) = delete;

    /// Listens under `name`; false when the name is taken or no socket can
    /// be made. `answer` runs on the thread of the event loop that listens.
    bool listen(const QString& name, Answer answer);

private:
    struct Caller;
    void acceptCallers();
    void readFrom(Caller& caller);
    void drop(const Caller& caller);

    int m_socket = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::vector<std::unique_ptr<Caller>> m_callers;
    Answer m_answer;
};

/// Sends `line` to the listener named `name` and waits, in an event loop of
/// its own (the listener may run on this thread), at most `timeoutMs` for its
/// answer line. Empty when nothing listens there, or no answer came in time.
std::optional<QByteArray> askLocalListener(const QString& name, const QByteArray& line,
                                           int timeoutMs);

} // namespace vellomir::app
