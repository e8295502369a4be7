// SPDX-License-Identifier: MIT

#pragma once

#include <atomic>

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

/** A list file as read: one entry per line that is not empty, as references into the file's own bytes. */
struct M3UContent
{
    EntryTexts texts;
    QList<EntryTexts::Ref> refs;
    ListEncoding encoding = ListEncoding::EightBit;

    /** The entries as texts. */
    QList<PlayListModel::Entry> entries() const;
};

/** M3U play-list files: one path per line, written with CR LF. */
namespace M3UFile {

/**
 * Reads list text. CR LF, a lone CR and a lone LF each end a line; empty lines are skipped; every other line,
 * comment and directive lines included, is one entry, kept exactly as read.
 */
M3UContent parse(const QByteArray &bytes);

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

/**
 * One line per entry, the path without blanks around it, each ended by CR LF, in the given encoding. An entry
 * of blanks alone is left out: as an empty line it would not be read back. With a folder given, relative
 * entries are written as paths in that folder (as a list is played from a file elsewhere).
 */
QByteArray format(const EntryTexts &texts, const QList<EntryTexts::Ref> &refs, ListEncoding encoding,
                  const QString &relativeTo = QString());

/** The model's entries in file form. */
QByteArray format(const PlayListModel &model, ListEncoding encoding);

} // namespace M3UFile
