// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/** Who may read a file the program writes. */
enum class FileAccess {
    /** As the user's file-creation mask says: lists and settings the user shares with other programs. */
    Usual,
    /** The user alone (0600 where the system has such modes): what holds another run's lists or commands. */
    OwnerOnly,
};

/**
 * Writes a whole file atomically: the bytes go to a file beside it, which then replaces the old one.
 * Returns the system's description of the fault, or an empty text when the file was written.
 * On a fault the old file is left exactly as it was.
 */
QString writeFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access = FileAccess::Usual);

class QIODevice;

/**
 * Writes every byte to an unbuffered file, however many calls it takes; false, with the device's error string
 * telling why, when one writes nothing (a full disk).
 */
bool writeWhole(QIODevice &file, QByteArrayView bytes);

/** Takes the next piece of a file being written; false when it could not be written. */
using PieceWriter = std::function<bool(QByteArrayView piece)>;
/**
 * As above, with the bytes made a piece at a time, so that a big file is never held whole: fill hands them to
 * the writer it is given, in order, and returns false to give up (it was stopped, or a write failed). A file
 * given up on is not written; the old one is left exactly as it was.
 */
QString writeFileAtomically(const QString &path, const std::function<bool(const PieceWriter &write)> &fill,
                            FileAccess access = FileAccess::Usual);

/**
 * Makes a folder that the user alone may enter, and so any missing above it; an existing folder is narrowed to
 * that, the existing ones above it are left as they are.
 */
bool makePrivateFolder(const QString &path);
