// SPDX-License-Identifier: MIT

#include "playlist/PlayListEntry.h"

using namespace Qt::StringLiterals;

namespace PlayListEntry {

QString titleOf(const QString &line)
{
    if (line.size() < 4)
        return line;
    // The music formats whose extension is not three letters long lose it whole, as MP3 files lose theirs.
    qsizetype extension = 4;
    for (const QLatin1StringView longer : {"flac"_L1, "opus"_L1, "aiff"_L1, "wv"_L1}) {
        if (line.size() > longer.size() + 1 && line.endsWith(longer, Qt::CaseInsensitive) &&
            line[line.size() - longer.size() - 1] == u'.')
            extension = longer.size() + 1;
    }
    const QStringView title = QStringView(line).chopped(extension);
    const qsizetype folderEnd = std::max(title.lastIndexOf(u'\\'), title.lastIndexOf(u'/'));
    return title.mid(folderEnd + 1).toString();
}

QString extinfTitle(const QString &line)
{
    if (!line.startsWith(QLatin1String("#EXTINF:"), Qt::CaseInsensitive))
        return {};
    bool quoted = false;
    for (qsizetype i = 8; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u',' && !quoted)
            return line.mid(i + 1).trimmed();
    }
    return {};
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
