// SPDX-License-Identifier: MIT

// The entry rules on any line a list brings: the path saved and played is the line without the blanks around
// it, the title is the end of the line's file name, and the entry text shows the title, then the whole line.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "playlist/PlayListModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    PlayListModel model;
    model.setEntries({{line, false}});
    const QString path = model.entryPath(0);
    if (path.startsWith(u' ') || path.endsWith(u' ') || !line.contains(path))
        std::abort();
    // A line too short for an extension is its own title; a longer one loses its last four characters, or its
    // whole extension.
    const QString title = model.title(0);
    const QStringView name = line.size() < 4 ? QStringView(line) : QStringView(line).chopped(4);
    const QStringView withoutExtension = QStringView(line).first(std::max<qsizetype>(line.lastIndexOf(u'.'), 0));
    if (!(name.endsWith(title) || withoutExtension.endsWith(title)) ||
        (line.size() >= 4 && (title.contains(u'/') || title.contains(u'\\'))))
        std::abort();
    const QString text = model.entryText(0);
    if (!text.startsWith(title) || !text.endsWith(QString(u'|' + line)))
        std::abort();
    return 0;
}
