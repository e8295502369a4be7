// SPDX-License-Identifier: MIT

#pragma once

#include <QLoggingCategory>
#include <QObject>

Q_DECLARE_LOGGING_CATEGORY(lcPause)

/**
 * Reports every pause of the interface: a stretch in which the event loop did not get back to waiting for the
 * user for longer than a threshold, with its length and what ran longest in it (a named step, and the event).
 * It is the "tunary.pause" logging category at level info, off unless turned on (QT_LOGGING_RULES=
 * "tunary.pause.info=true"); TUNARY_PAUSE_MS sets the threshold (30 ms unless set). Off, nothing is watched.
 */
namespace PauseWatch {

/** Starts watching the event loop of the calling (interface) thread, when the category is on. */
void startIfWanted();

/** Tells, when the watch is on, that a piece of work the user asked for is done: the benchmarks time these. */
void done(const char *what);

/** Names the work done while it lives, so that a pause it causes says what ran; costs a clock read when watched. */
class Step
{
public:
    explicit Step(const char *what);
    ~Step();
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;

private:
    const char *m_what;
    qint64 m_startNs = -1;
};

} // namespace PauseWatch
