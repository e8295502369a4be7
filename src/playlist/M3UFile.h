// SPDX-License-Identifier: MIT

#pragma once

#include <atomic>
#include <functional>

#include <QByteArray>
#include <QList>
#include <QString>

#include "playlist/EntryTexts.h"
#include "playlist/PlayListModel.h"

/** How a list file's text is stored, so that saving writes it back the same way. */
enum class ListEncoding {
    /** Lines of UTF-8 or, line by line, Windows-1252; no mark. */
    EightBit,
    /** As EightBit, after a UTF-8 byte-order mark. */
    Utf8WithMark,
    Utf16LittleEndian,
    Utf16BigEndian,
};

/**
 * A list file as read, as references into the file's own bytes: one entry per path, with the comment and
 * directive lines ("#...") that stand before it; the list's own directives at its top ("#EXTM3U") and the lines
 * after its last path are kept apart, one reference per line.
 */
struct M3UContent
{
    EntryTexts texts;
    QList<EntryTexts::Ref> refs;
    QList<EntryTexts::Ref> head;
    QList<EntryTexts::Ref> tail;
    ListEncoding encoding = ListEncoding::EightBit;

    /** The entries as texts. */
    QList<PlayListModel::Entry> entries() const;
};

/** M3U play-list files: one path per line, written with CR LF. */
namespace M3UFile {

/**
 * Reads list text. CR LF, a lone CR and a lone LF each end a line; empty lines are skipped. Every other line
 * is a path, one entry each, kept exactly as read, but lines that start with "#": those at the top that speak
 * for the whole list ("#EXTM3U", "#PLAYLIST:", "#EXTENC:") are its head, those after the last path its tail,
 * and the others belong to the entry of the path after them.
 */
M3UContent parse(const QByteArray &bytes);

/** Whether a line at a list's top speaks for the whole list rather than for the entry after it. */
bool isListDirective(QByteArrayView line);

/** The largest list file read, in bytes. */
inline constexpr qint64 kMaxFileSize = 512LL * 1024 * 1024;

/**
 * Reads a list file: only a regular file, links followed, of at most kMaxFileSize bytes. Returns the system's
 * description of the fault, or an empty text; tooLarge, when given, tells a file past the limit from the rest.
 */
QString read(const QString &path, M3UContent &content, bool *tooLarge = nullptr);

/** How far a read() on another thread has come (reading the bytes, then splitting them), and a way to stop it. */
struct ReadProgress
{
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    std::atomic<bool> stop{false};
};
/** As parse(); telling its progress past the bytes already read, and giving up, with nothing, when stopped. */
M3UContent parse(const QByteArray &bytes, ReadProgress &progress);
/** As read(), telling its progress; a stopped read returns a fault and no entries. */
QString read(const QString &path, M3UContent &content, bool *tooLarge, ReadProgress &progress);

/** What goes around the entries in a written list, and how they are written. */
struct FormatOptions
{
    /** Lines written before the entries and after them, as they are. */
    QList<EntryTexts::Ref> head;
    QList<EntryTexts::Ref> tail;
    /** With a folder given, relative entries are written as paths in it (as a list is played from elsewhere). */
    QString relativeTo;
    /** A UTF-8 list (M3U8): no entry is written as Windows-1252 unless its bytes were read so. */
    bool utf8 = false;
};

/**
 * One line per entry, after the entry's own lines: the path without blanks around it, each line ended by CR
 * LF, in the given encoding. A path of blanks alone is left out (its own lines are not): as an empty line it
 * would not be read back. A path that would start with "#" keeps the blanks in front, or it would read as a comment.
 */
QByteArray format(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, ListEncoding encoding,
                  const FormatOptions &options = {});

/**
 * What format() makes, handed to write a piece of about a megabyte at a time, in order, so that a big list
 * is never held whole a second time; false from write stops it. False when stopped.
 */
bool formatInPieces(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, ListEncoding encoding,
                    const FormatOptions &options, const std::function<bool(QByteArrayView piece)> &write);

/** The model's entries, with its head and tail, in file form. */
QByteArray format(const PlayListModel &model, ListEncoding encoding, bool utf8 = false);

/** Whether a list's name says it is a UTF-8 list (".m3u8"). */
bool isUtf8ListName(const QString &path);

} // namespace M3UFile
