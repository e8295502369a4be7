// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

/**
 * How a later start passes its list to the running copy: a request over the running copy's socket, or, when
 * no copy answers, the hand-off file, which the running copy (or else the next start) takes. Lists travel as
 * the bytes the system names their files by, so any name arrives whole.
 *
 * The file starts with the line "TUNARY hand-off 2"; each later line is one list's name with "%" and every
 * control character (line breaks included) written as "%" and two hex digits. Lines end in CR LF. A file
 * without that first line is read in the older form: each line is one name, as it stands. Writers and the
 * reader take a lock beside it, so no hand-off is lost; the file is the user's alone.
 */
namespace HandOff {

/** A later start's request: the list to open and play (none: just come to the front), and who asks. */
struct Request
{
    QByteArray list;
    qint64 senderPid = 0;

    bool operator==(const Request &) const = default;
};

/** The request as one line for the running copy's socket, without its line end. */
QByteArray formatRequest(const Request &request);
/** The request in a line; nothing when the line is no request. Any bytes will do. */
std::optional<Request> parseRequest(const QByteArray &line);

/** The file's bytes for these lists, in order. */
QByteArray format(const QByteArrayList &lists);

/** The lists in a file's bytes, in either form, in order; empty ones are dropped. Any bytes will do. */
QByteArrayList parse(const QByteArray &content);

/**
 * Adds lists to the hand-off file, keeping any still waiting there, and replaces the file atomically.
 * Returns the fault, or an empty text.
 */
QString append(const QString &handOffPath, const QByteArrayList &lists);

/** True when a hand-off waits: the file exists and is not empty. */
bool isWaiting(const QString &handOffPath);

/**
 * Takes every list waiting, in the order they were handed off, and deletes the file. Returns nothing when the
 * file could not be read or a writer holds it (it is left for the next try); never waits.
 */
QByteArrayList take(const QString &handOffPath);

} // namespace HandOff
