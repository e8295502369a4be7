// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QtGlobal>

class QFile;

/**
 * Opens a file for reading only when it is a regular file, links followed. A pipe, a device or a folder is
 * refused without waiting on it; the type is that of the file actually opened, so nothing swapped in after a
 * look at the name gets read. Returns the system's description of the fault, or an empty text.
 */
QString openRegularFile(const QString &path, QFile &file);

/**
 * Asks the system to back a big buffer about to be filled by a read with large pages, so that filling it takes
 * a few page faults instead of thousands. A hint: where it is not taken, nothing changes.
 */
void adviseLargePages(char *data, qint64 size);
