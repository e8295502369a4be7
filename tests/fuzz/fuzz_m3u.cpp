// SPDX-License-Identifier: MIT

// The M3U reader: every line that is not empty and not a comment ("#...") is an entry, with the comments before
// it; saving trims the blanks around each path and drops what is left empty; the saved list reads back as those
// entries, and saving it again gives the same bytes.
#include <cstdint>
#include <cstdlib>

#include "playlist/M3UFile.h"
#include "playlist/PlayListEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const M3UContent first = M3UFile::parse(bytes);
    const QList<QByteArray> lines = QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n').split('\n');
    const QList<PlayListModel::Entry> entries = first.entries();
    qsizetype paths = 0;
    for (const QByteArray &line : lines)
        paths += !line.isEmpty() && !line.startsWith('#');
    if (first.encoding == ListEncoding::EightBit && paths != entries.size())
        std::abort();

    QList<PlayListModel::Entry> expected;
    for (const PlayListModel::Entry &entry : entries) {
        // A path that would start with "#" keeps the blanks in front of it, or it would be read as a comment.
        const QString trimmed = PlayListEntry::trimBlanks(entry.line);
        if (!trimmed.isEmpty())
            expected.append(
                {trimmed.startsWith(u'#') ? entry.line.first(entry.line.indexOf(u'#') + trimmed.size()) : trimmed,
                 false, entry.ownLines});
    }
    // Saved from the file's own bytes and saved from the entries' texts, a list's entries give the same file.
    PlayListModel model;
    model.setContent(first.texts, first.refs, first.head, first.tail);
    const QByteArray entriesWritten = M3UFile::format(model.texts(), model.refs(), first.encoding);
    const QByteArray written = M3UFile::format(model, first.encoding);
    // An entry's own lines are written in its path's encoding: read in another (a rare mix), they keep their text.
    model.setEntries(entries);
    const QByteArray given = M3UFile::format(model, first.encoding);
    QList<PlayListModel::Entry> givenRead;
    for (const PlayListModel::Entry &entry : M3UFile::parse(given).entries())
        givenRead.append({entry.line, false, entry.ownLines});
    if (given != entriesWritten && givenRead != expected)
        std::abort();
    const M3UContent second = M3UFile::parse(written);
    QList<PlayListModel::Entry> read;
    for (const PlayListModel::Entry &entry : second.entries())
        read.append({entry.line, false, entry.ownLines});
    model.setContent(second.texts, second.refs, second.head, second.tail);
    if (second.encoding != first.encoding || read != expected || M3UFile::format(model, second.encoding) != written)
        std::abort();
    return 0;
}
