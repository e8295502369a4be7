// SPDX-License-Identifier: MIT

// The M3U reader: every line that is not empty is an entry; saving trims the blanks around each path and drops
// what is left empty; the saved list reads back as those paths, and saving it again gives the same bytes.
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
    if (first.encoding == ListEncoding::EightBit && lines.size() - lines.count(QByteArray()) != entries.size())
        std::abort();

    QStringList expected;
    for (const PlayListModel::Entry &entry : entries)
        expected.append(PlayListEntry::trimBlanks(entry.line));
    expected.removeAll(QString());
    // Saved from the file's own bytes and saved from the entries' texts, a list gives the same file.
    PlayListModel model;
    model.setContent(first.texts, first.refs);
    const QByteArray written = M3UFile::format(model, first.encoding);
    model.setEntries(entries);
    if (M3UFile::format(model, first.encoding) != written)
        std::abort();
    const M3UContent second = M3UFile::parse(written);
    QStringList read;
    for (const PlayListModel::Entry &entry : second.entries())
        read.append(entry.line);
    model.setContent(second.texts, second.refs);
    if (second.encoding != first.encoding || read != expected || M3UFile::format(model, second.encoding) != written)
        std::abort();
    return 0;
}
