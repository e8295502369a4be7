// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QFile;

/**
 * Opens a file for reading only when it is a regular file, links followed. A pipe, a device or a folder is
 * refused without waiting on it; the type is that of the file actually opened, so nothing swapped in after a
 * look at the name gets read. Returns the system's description of the fault, or an empty text.
 */
QString openRegularFile(const QString &path, QFile &file);

/**
 * Has the system give a block of fresh memory all its pages at once, instead of one fault per page as the block
 * is first written; does nothing where the system cannot. The block's start is taken from its first whole page.
 */
void populatePages(char *data, qsizetype size);
