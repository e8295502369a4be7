// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/**
 * The hand-off file through which a second start passes its list to the running copy. Writers and the reader
 * take a lock beside it, so no hand-off is lost.
 *
 * The file starts with the line "TUNARY hand-off 2"; each later line is one command line in UTF-8 with "%" and
 * every control character (line breaks included) written as "%" and two hex digits, so any name arrives
 * whole. Lines end in CR LF. A file without that first line is read in the older form: each line is one
 * command line, as it stands.
 */
namespace HandOff {

/** The file's bytes for these command lines, in order. */
QByteArray format(const QStringList &commandLines);

/** The command lines in a file's bytes, in either form, in order; empty ones are dropped. Any bytes will do. */
QStringList parse(const QByteArray &content);

/**
 * Adds a command line to the hand-off file, keeping any line still waiting there, and replaces the file
 * atomically. Returns the fault, or an empty text.
 */
QString append(const QString &handOffPath, const QString &commandLine);

/** True when a hand-off waits: the file exists and is not empty. */
bool isWaiting(const QString &handOffPath);

/**
 * Takes every command line waiting, in the order they were handed off, and deletes the file. Returns nothing
 * when the file could not be read (it is left for the next try).
 */
QStringList take(const QString &handOffPath);

/** Deletes a hand-off file left behind by an earlier run. */
void removeLeftover(const QString &handOffPath);

} // namespace HandOff
