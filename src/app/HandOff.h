#pragma once

#include <QString>

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

/** Deletes a hand-off file left behind by an earlier run. */
void removeLeftover(const QString &handOffPath);

} // namespace HandOff
