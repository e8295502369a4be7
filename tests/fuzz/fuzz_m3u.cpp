// SPDX-License-Identifier: MIT

// The M3U reader: every line that is not empty and not a comment ("#...") is an entry, with the comments before
// it; saving trims the blanks around each path and drops what is left empty; the saved list reads back as those
// entries, and saving it again gives the same bytes.
#include <cstdint>
#include <cstdlib>

#include "playlist/M3UFile.h"
#include "playlist/PlayListEntry.h"

namespace {

// The lines of a list as text, in order: its head, each entry's own lines and its path as it is saved (none
// when it is blank; one that would start with "#" keeps the blanks in front), its tail. How own lines are told
// apart from the head may change on reading a list back (a blank entry first is not saved); the lines may not.
QStringList linesOf(const M3UContent &content, const QList<EntryTexts::Ref> &head,
                    const QList<PlayListModel::Entry> &entries, const QList<EntryTexts::Ref> &tail)
{
    QStringList lines;
    for (const EntryTexts::Ref ref : head)
        lines.append(content.texts.lineText(ref));
    for (const PlayListModel::Entry &entry : entries) {
        lines.append(entry.ownLines);
        const QString trimmed = PlayListEntry::trimBlanks(entry.line);
        if (!trimmed.isEmpty())
            lines.append(trimmed.startsWith(u'#') ? entry.line.first(entry.line.indexOf(u'#') + trimmed.size())
                                                  : trimmed);
    }
    for (const EntryTexts::Ref ref : tail)
        lines.append(content.texts.lineText(ref));
    return lines;
}
QStringList linesOf(const M3UContent &content)
{
    return linesOf(content, content.head, content.entries(), content.tail);
}

} // namespace

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
    const QStringList expected = linesOf(first);

    // Saved from the file's own bytes and saved from the entries' texts, a list's entries give the same file; an
    // entry's own lines are written in its path's encoding, so that lines of another (a rare mix) keep their text.
    PlayListModel model;
    model.setContent(first.texts, first.refs, first.head, first.tail);
    const QByteArray entriesWritten = M3UFile::format(model.texts(), model.refs(), first.encoding);
    const QByteArray written = M3UFile::format(model, first.encoding);
    model.setEntries(entries);
    const QByteArray given = M3UFile::format(model, first.encoding);
    if (given != entriesWritten && linesOf(M3UFile::parse(given)) != linesOf(first, {}, entries, {}))
        std::abort();
    // Read back, the saved list has the same lines, and is saved the same.
    const M3UContent second = M3UFile::parse(written);
    model.setContent(second.texts, second.refs, second.head, second.tail);
    if (second.encoding != first.encoding || linesOf(second) != expected ||
        M3UFile::format(model, second.encoding) != written)
        std::abort();
    return 0;
}
