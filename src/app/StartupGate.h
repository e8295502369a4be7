// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class Folders;
class SingleInstance;

/**
 * The loader: the first thing the program runs. It decides whether this copy goes on to the splash, or hands
 * its list to the copy already running and ends.
 */
class StartupGate
{
public:
    enum class Outcome { ShowSplash, End, CannotTell };

    StartupGate(Folders &folders, SingleInstance &instance);

    /**
     * Runs the loader for the list named on the command line (empty when none). Faults are passed over, but
     * a copy that cannot tell whether another runs says so rather than handing its list to no one.
     */
    Outcome decide(const QString &commandLine);
    /** After CannotTell: why, in a text for the user. */
    QString fault() const { return m_fault; }

private:
    Folders &m_folders;
    SingleInstance &m_instance;
    QString m_fault;
};
