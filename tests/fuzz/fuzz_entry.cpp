// SPDX-License-Identifier: MIT

// The entry rules: a path comes back from its entry text byte for byte (blanks around it aside), whatever
// its length and whatever title goes with it.
#include <cstdint>
#include <cstdlib>

#include "playlist/PlayListEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    // The path: the input; the title: as a line from a list makes it.
    const QString path = text;
    const QString title = PlayListEntry::titleOf(path);
    // A title of 400 characters or more that holds a bar cannot be told from its path by the text alone.
    if (title.size() >= PlayListEntry::kTitleWidth && title.contains(QLatin1Char('|')))
        return 0;
    const QString entry = PlayListEntry::makeEntry(title, path);
    if (PlayListEntry::entryPath(entry) != PlayListEntry::trimBlanks(path))
        std::abort();
    return 0;
}
