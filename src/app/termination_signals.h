#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace vellomir::app {

/// Turns SIGTERM and SIGHUP (the end of the session, a shutdown) into a call
/// on the event loop, where the program can save and close as its Exit
/// command does. The signal handler only writes a byte to a pipe.
class TerminationSignals : public QObject {
public:
    explicit TerminationSignals(std::function<void(int signal)> handler);
    ~TerminationSignals() override;

private:
    void readSignal();

    std::function<void(int)> m_handler;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace vellomir::app
