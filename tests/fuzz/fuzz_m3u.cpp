// The M3U reader: reading, writing and reading again gives the same entries; no line is lost; paths survive
// byte for byte.
#include <cstdint>
#include <cstdlib>

#include "playlist/M3UFile.h"
#include "playlist/PlayListEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const M3UContent first = M3UFile::parse(bytes);

    // Every line that is not empty becomes an entry.
    if (first.encoding == ListEncoding::EightBit) {
        qsizetype lines = 0;
        bool inLine = false;
        for (const char c : bytes) {
            const bool end = c == '\r' || c == '\n';
            if (!end && !inLine)
                ++lines;
            inLine = !end;
        }
        if (lines != first.entries.size())
            std::abort();
    }

    PlayListModel model;
    model.setEntries(first.entries);
    const QByteArray written = M3UFile::format(model, first.encoding);
    const M3UContent second = M3UFile::parse(written);
    if (second.encoding != first.encoding)
        std::abort();
    // Saving trims blanks around paths and drops lines left empty by it; nothing else changes.
    QList<PlayListModel::Entry> expected;
    for (const PlayListModel::Entry &entry : first.entries) {
        const QString trimmed = PlayListEntry::trimBlanks(entry.line);
        if (!trimmed.isEmpty())
            expected.append({trimmed, entry.windows1252});
    }
    if (second.entries.size() != expected.size())
        std::abort();
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (second.entries[i].line != expected[i].line)
            std::abort();
    }
    // Written twice, the bytes are the same: what was saved is kept exactly.
    PlayListModel again;
    again.setEntries(second.entries);
    if (M3UFile::format(again, second.encoding) != written)
        std::abort();
    return 0;
}
