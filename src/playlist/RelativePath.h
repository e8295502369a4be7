// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayView>
#include <QString>

/**
 * True for a path that only makes sense against some folder: not a comment ("#..."), not a URL
 * ("scheme://..."), not rooted ("/..." or "\..."), and not on a drive ("X:...").
 */
bool isRelativeEntry(const QString &path);
/** The same for a path as UTF-8 or Windows-1252 bytes. */
bool isRelativeEntry(QByteArrayView path);

/**
 * The file an entry names, resolved against the list's folder as for playing; empty where it names no file (a
 * comment, an address of a stream) or where that cannot be told (a relative entry of an untitled list, whose
 * folder is empty). Safe on any thread.
 */
QString fileNamedBy(const QString &folder, const QString &path);
