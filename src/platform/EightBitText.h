// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUrl>

/**
 * Text files of the program are 8-bit text. Bytes that form valid UTF-8 are read as UTF-8; anything else is
 * read as the Windows Western code page (Windows-1252), which is what lists and settings made on older
 * Windows systems hold.
 */
namespace EightBitText {

QString decode(QByteArrayView bytes);
/** As decode(); tells whether the bytes were read as Windows-1252. */
QString decode(QByteArrayView bytes, bool &windows1252);
QByteArray encode(const QString &text);
/** Back to the bytes decode() read as Windows-1252; characters outside that code page become "?". */
QByteArray encodeWindows1252(const QString &text);

/** Splits bytes into lines; CR LF, a lone CR and a lone LF each end a line. A last line without an end counts. */
QList<QByteArray> splitLines(const QByteArray &bytes);

/**
 * A file or folder path as the program holds it: the text shown, and whether that text is the path's bytes read
 * as Windows-1252. On systems whose names are bytes (not Windows) a name need not be UTF-8, as in collections
 * copied from older systems; Qt cannot name such a file, so the walks of the finder go by these bytes.
 */
struct Path
{
    QString text;
    bool windows1252 = false;

    /** The path of these bytes, read as decode() reads them. */
    static Path fromBytes(QByteArrayView bytes);
    /** The bytes the system knows the path by. */
    QByteArray bytes() const;
    /** The same path in its one form: what fromBytes() gives for its bytes. */
    Path normalized() const { return fromBytes(bytes()); }
    /** A file URL that names exactly this path, for programs that take a drag. */
    QUrl url() const;

    bool operator==(const Path &) const = default;
};

/**
 * The bytes the system knows a file by, for a path held as text: its UTF-8, unless no file has that name and
 * the text read as Windows-1252 names one (a name that is not UTF-8, as the finder and the command line show
 * it). A path naming no file yet is UTF-8.
 */
QByteArray systemName(const QString &path);
/** Moves a file onto a name given as the system's bytes, atomically, replacing what was there. */
bool moveOnto(const QString &from, const QByteArray &target);

/** What a name in a folder names. */
enum class FolderItem { Folder, LinkToFolder, Other };

/**
 * Calls onItem with every name in a folder but "." and "..", as its bytes, in no order; false when the folder
 * cannot be read. The name's bytes last until onItem returns.
 */
bool readFolder(const Path &folder, const std::function<void(QByteArrayView name, FolderItem kind)> &onItem);

enum class FolderState { Readable, Missing, NotAFolder, Unreadable };
/** Whether a path (links followed) is a folder that can be listed. */
FolderState folderState(const Path &folder);

} // namespace EightBitText
