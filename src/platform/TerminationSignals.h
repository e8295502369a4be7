// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <memory>
#include <utility>

class QSocketNotifier;

/**
 * The system's requests to end the program (SIGTERM, SIGINT, SIGHUP) as calls on the event loop, where the
 * program can ask about its changed lists; nothing is done inside the signal handler but telling the loop. A
 * signal that was ignored when the program started (nohup) stays ignored. Only one may exist at a time; while
 * none does, the signals do what they did before. Where the system has no such signals it does nothing.
 */
class TerminationSignals
{
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    /**
     * What a request runs. It runs from an event of its own, never inside the code that was busy when the signal
     * came, and once for several signals that came together.
     */
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void()> m_handler;
};
