// SPDX-License-Identifier: MIT

#include "playlist/EntryMime.h"

#include <algorithm>

#include <QDataStream>
#include <QIODevice>
#include <QUrl>

#include "platform/EightBitText.h"

using namespace Qt::StringLiterals;

namespace EntryMime {

QString mimeType()
{
    return u"application/x-tunary-entries"_s;
}

QMimeData *make(const QList<PlayListModel::Entry> &entries)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    QList<QUrl> urls;
    for (const PlayListModel::Entry &entry : entries) {
        stream << entry.line << entry.windows1252 << entry.ownLines;
        if (entry.line.startsWith(u'/') || (entry.line.size() > 2 && entry.line[1] == u':'))
            urls.append(EightBitText::Path{entry.line.trimmed(), entry.windows1252}.url());
    }
    auto *data = new QMimeData;
    data->setData(mimeType(), bytes);
    if (!urls.isEmpty())
        data->setUrls(urls);
    return data;
}

bool hasEntries(const QMimeData *data)
{
    return data && data->hasFormat(mimeType());
}

QList<PlayListModel::Entry> entries(const QMimeData *data)
{
    QList<PlayListModel::Entry> result;
    if (!hasEntries(data))
        return result;
    QDataStream stream(data->data(mimeType()));
    while (!stream.atEnd()) {
        PlayListModel::Entry entry;
        stream >> entry.line >> entry.windows1252 >> entry.ownLines;
        if (stream.status() != QDataStream::Ok)
            break;
        result.append(entry);
    }
    return result;
}

QList<int> rowsInOrder(const QModelIndexList &indexes)
{
    QList<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid())
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QStringList localPaths(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

} // namespace EntryMime
