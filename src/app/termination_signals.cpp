#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace vellomir::app {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP};
// The pipe from the handler to the event loop: [0] written, [1] read.
int g_pipe[2] = {-1, -1};

void onSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t ignored = ::write(g_pipe[0], &number, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> handler)
    : m_handler(std::move(handler)) {
    if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) {
        return;
    }
    ::fcntl(g_pipe[0], F_SETFL, O_NONBLOCK);
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { readSignal(); });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

void TerminationSignals::readSignal() {
    unsigned char number = 0;
    if (::read(g_pipe[1], &number, 1) == 1 && m_handler) {
        m_handler(number);
    }
}

} // namespace vellomir::app
