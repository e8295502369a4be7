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
 * hold any character). A reference holds where its line starts among
 * all blocks and how its bytes are read, so a list costs its file and four bytes per entry, and a copy of the
 * texts (for a worker thread, or an undo step) shares the blocks instead of copying them.
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

    /** The line's bytes, without the end of its line. */
    QByteArrayView bytes(Ref ref) const;
    /** The line as text. */
    QString text(Ref ref) const;
    static bool writtenAsWindows1252(Ref ref) { return ref & kWrittenAsWindows1252; }

    /** Room for this many more bytes. */
    bool hasRoomFor(qsizetype bytes) const { return kCapacity - m_end >= bytes; }
    /**
     * Adds a block as it is and returns where its first byte lies: a reference is that plus a line's offset
     * in the block, with its flags. The block must fit (hasRoomFor).
     */
    Ref addBlock(QByteArray block);
    /** Adds the texts of lines in one block; the references to them, in order. They must fit. */
    QList<Ref> addLines(const QList<QString> &lines, const QList<bool> &windows1252);
    /** The bytes the lines would take in a block of added texts. */
    static qsizetype blockSize(const QList<QString> &lines);

    /** How many bytes the blocks hold, the texts no longer referred to included. */
    qsizetype size() const { return m_end; }

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

    QList<Block> m_blocks;
    Ref m_end = 0;
};
