// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

/**
 * The texts of a list's entries as bytes, and a 32-bit reference per entry into them. The bytes are kept in
 * blocks that never change once made: a list file as it was read (its lines stay where they are, ended by its
 * own CR or LF) and the texts added later, a block per batch (each text after its length, as a text added may
 * hold any character). A reference holds where its entry starts among all blocks and how its bytes are read,
 * so a list costs its file and four bytes per entry, and a copy of the texts (for a worker thread, or an undo
 * step) shares the blocks instead of copying them.
 *
 * An entry is its path's line, after the entry's own lines: the comment and directive lines ("#EXTINF:...")
 * that stood right before the path in its list. In a file's block they are the file's lines as they stand; an
 * added entry holds them as texts of their own before its path's.
 */
class EntryTexts
{
public:
    using Ref = quint32;

    /** The line's bytes are Windows-1252 text; otherwise they are UTF-8. */
    static constexpr Ref kWindows1252Bytes = 1U << 31;
    /** The entry is written back as Windows-1252 text. */
    static constexpr Ref kWrittenAsWindows1252 = 1U << 30;
    /** The blocks together hold at most this many bytes. */
    static constexpr qsizetype kCapacity = qsizetype(kWrittenAsWindows1252);

    /** The bytes of the entry's path line, without the end of its line. */
    QByteArrayView bytes(Ref ref) const;
    /** The entry's path line as text. */
    QString text(Ref ref) const;
    /** The entry's own lines before its path, each without its end; none for most lists. */
    QList<QByteArrayView> ownLines(Ref ref) const;
    /** Hands each of the entry's own lines to onOwnLine, in order, then gives its path line, in one pass. */
    template <typename OnOwnLine>
    QByteArrayView visit(Ref ref, OnOwnLine onOwnLine) const
    {
        const Span span = spanAt(ref);
        if (span.counted) {
            const char *at = span.begin;
            for (int own = 0; own < span.ownCount; ++own) {
                const auto length = qsizetype(readLength(at));
                onOwnLine(QByteArrayView(at, length));
                at += length;
            }
            if (span.ownCount > 0)
                readLength(at);
            return {at, span.end - at};
        }
        const char *at = span.begin;
        while (at != span.end && *at == '#') {
            const QByteArrayView line = lineFrom(at, span.end);
            onOwnLine(line);
            at = line.data() + line.size();
            while (at != span.end && (*at == '\r' || *at == '\n'))
                ++at;
        }
        return lineFrom(at, span.end);
    }
    /** The entry's own lines as texts, each read as UTF-8 where it is, else as Windows-1252. */
    QList<QString> ownTexts(Ref ref) const;
    /** The one line at the reference, whatever it starts with: for lines kept apart from entries. */
    QByteArrayView line(Ref ref) const;
    /** The one line as text. */
    QString lineText(Ref ref) const;

    static bool writtenAsWindows1252(Ref ref) { return ref & kWrittenAsWindows1252; }

    /** Room for this many more bytes. */
    bool hasRoomFor(qsizetype bytes) const { return kCapacity - m_end >= bytes; }
    /**
     * Adds a block as it is and returns where its first byte lies: a reference is that plus a line's offset
     * in the block, with its flags. The block must fit (hasRoomFor).
     */
    Ref addBlock(QByteArray block);
    /**
     * Adds texts in one block, each with the own lines given for it (none where the list is shorter); the
     * references to them, in order. They must fit.
     */
    QList<Ref> addLines(const QList<QString> &lines, const QList<bool> &windows1252,
                        const QList<QList<QString>> &ownLines = {});
    /** The bytes the lines and their own lines would take in a block of added texts. */
    static qsizetype blockSize(const QList<QString> &lines, const QList<QList<QString>> &ownLines = {});

    /** How many bytes the blocks hold, the texts no longer referred to included. */
    qsizetype size() const { return m_end; }

    /** The line that starts at begin, up to its CR or LF or the end. */
    static QByteArrayView lineFrom(const char *begin, const char *end);

    /** Flags for a line of a list file: how its bytes are read and written back. */
    static Ref flagsFor(QByteArrayView line);

private:
    struct Block
    {
        QByteArray bytes;
        Ref start = 0;
        /** Texts after their lengths, rather than lines ended by CR or LF. */
        bool counted = false;
    };
    const Block &blockOf(Ref offset) const;
    /**
     * Where the text at the reference lies: in a file's block, from its first line to the block's end; in a
     * block of added texts, its own lines (ownCount of them, from begin) and then its path, from pathBegin.
     */
    struct Span
    {
        const char *begin;
        const char *end;
        bool counted;
        int ownCount = 0;
        const char *pathBegin = nullptr;
    };
    Span spanAt(Ref ref) const;
    /** Where the line after the one at begin starts, past its end and any empty lines. */
    static const char *nextLine(const char *begin, const char *end);
    /** Reads the length an added text starts with, and moves past it. */
    static quint64 readLength(const char *&at);

    QList<Block> m_blocks;
    Ref m_end = 0;
};
