#pragma once

#include <QString>
#include <QStringList>

/**
 * The hand-off file through which a second start passes its list to the running copy: one command line per
 * line, each ended by CR LF. Writers and the reader take a lock beside it, so no hand-off is lost.
 */
namespace HandOff {

/**
 * Adds a command line to the hand-off file, keeping any line still waiting there, and replaces the file
 * atomically. Returns the fault, or an empty text.
 */
QString append(const QString &handOffPath, const QString &commandLine);

/** True when a hand-off waits: the file exists and is not empty. */
bool isWaiting(const QString &handOffPath);

/**
 * Takes every command line waiting, in the order they were handed off, and deletes the file. Empty lines are
 * dropped. Returns nothing when the file could not be read (it is left for the next try).
 */
QStringList take(const QString &handOffPath);

/** Deletes a hand-off file left behind by an earlier run. */
void removeLeftover(const QString &handOffPath);

} // namespace HandOff
