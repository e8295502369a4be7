// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
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
    enum class Outcome {
        ShowSplash,
        /** The list reached the running copy, or waits for it in the hand-off file: this copy's work is done. */
        End,
        /** Whether another copy runs cannot be told; nothing was handed over. */
        CannotTell,
        /** A copy runs, but the list could neither be delivered nor kept for it. */
        CannotHandOver,
    };

    StartupGate(Folders &folders, SingleInstance &instance);

    /**
     * Runs the loader for the list named on the command line (its name's bytes; empty when none). A later copy
     * hands the list over and ends only once the running copy has taken it, or once it waits in the hand-off
     * file; a copy that cannot tell whether another runs says so rather than handing its list to no one.
     */
    Outcome decide(const QByteArray &list);
    /** After CannotTell or CannotHandOver: why, in a text for the user. */
    QString fault() const { return m_fault; }
    /** After End: the list went to the hand-off file, as no copy answered. */
    bool keptInFile() const { return m_keptInFile; }

private:
    Folders &m_folders;
    SingleInstance &m_instance;
    QString m_fault;
    bool m_keptInFile = false;
};
