// SPDX-License-Identifier: MIT

#include "platform/TerminationSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

#include <QSocketNotifier>
#include <QTimer>

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The pair's end the handler writes to, and the one the event loop reads; -1 while no TerminationSignals exists.
volatile sig_atomic_t g_writeEnd = -1;
int g_readEnd = -1;
// What each signal did before, and whether it is ours now.
std::array<struct sigaction, kSignals.size()> g_before{};
std::array<bool, kSignals.size()> g_taken{};

// Only what is safe in a signal handler: one byte for the event loop. When the pair is full a request is
// waiting there already, and the byte is not needed.
void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals()
{
    Q_ASSERT(g_writeEnd < 0);
    int ends[2];
    // Without the pair the signals keep what they do: the program ends at once, as it did before.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    // Neither end ever waits: the handler must not, and the loop takes only what is there.
    for (const int end : ends)
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    g_readEnd = ends[0];
    g_writeEnd = ends[1];
    m_notifier = std::make_unique<QSocketNotifier>(g_readEnd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        char bytes[64];
        while (::read(g_readEnd, bytes, sizeof bytes) > 0) {
        }
        // Queued, so a box the handler shows does not keep the notifier busy: a later signal is seen while the
        // box is open, and the handler decides what to do with it.
        QTimer::singleShot(0, m_notifier.get(), [this] {
            if (m_handler)
                m_handler();
        });
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        g_taken[i] = ::sigaction(kSignals[i], nullptr, &g_before[i]) == 0 && g_before[i].sa_handler != SIG_IGN &&
                     ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (std::exchange(g_taken[i], false))
            ::sigaction(kSignals[i], &g_before[i], nullptr);
    }
    m_notifier.reset();
    ::close(g_readEnd);
    ::close(g_writeEnd);
    g_readEnd = -1;
    g_writeEnd = -1;
}
