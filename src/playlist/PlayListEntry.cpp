// SPDX-License-Identifier: MIT

#include "playlist/PlayListEntry.h"

namespace PlayListEntry {

QString titleOf(const QString &line)
{
    if (line.size() < 4)
        return line;
    const QStringView title = QStringView(line).chopped(4);
    const qsizetype folderEnd = std::max(title.lastIndexOf(u'\\'), title.lastIndexOf(u'/'));
    return title.mid(folderEnd + 1).toString();
}

QString makeEntry(const QString &title, const QString &path)
{
    QString text = title;
    if (text.size() < kTitleWidth)
        text.append(QString(kTitleWidth - text.size(), u' '));
    text.append(u'|');
    text.append(path);
    return text;
}

QString entryPath(const QString &entryText)
{
    // The separator stands right after the padded title, or right after a title of 400 characters or more.
    qsizetype bar = -1;
    if (entryText.size() > kTitleWidth && entryText[kTitleWidth] == u'|')
        bar = kTitleWidth;
    else
        bar = entryText.indexOf(u'|', kTitleWidth);
    if (bar < 0)
        bar = entryText.indexOf(u'|');
    return trimBlanks(entryText.mid(bar + 1));
}

QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return (start == 0 && end == text.size()) ? text : text.mid(start, end - start);
}

} // namespace PlayListEntry
