// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

/**
 * Writes a whole file atomically: the bytes go to a file beside it, which then replaces the old one.
 * Returns the system's description of the fault, or an empty text when the file was written.
 * On a fault the old file is left exactly as it was.
 */
QString writeFileAtomically(const QString &path, const QByteArray &bytes);
