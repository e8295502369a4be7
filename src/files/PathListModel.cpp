// SPDX-License-Identifier: MIT

#include "files/PathListModel.h"

#include <algorithm>

#include <QDir>

#include "playlist/EntryMime.h"

int PathListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant PathListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QDir::toNativeSeparators(path(index.row()));
    return {};
}

Qt::ItemFlags PathListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return QAbstractListModel::flags(index);
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

QStringList PathListModel::mimeTypes() const
{
    return {EntryMime::mimeType()};
}

QMimeData *PathListModel::mimeData(const QModelIndexList &indexes) const
{
    return EntryMime::make(entries(indexes));
}

QList<PlayListModel::Entry> PathListModel::entries(const QModelIndexList &indexes) const
{
    QList<PlayListModel::Entry> chosen;
    for (const int row : EntryMime::rowsInOrder(indexes)) {
        const EightBitText::Path path = pathAt(row);
        chosen.append({path.text, path.windows1252});
    }
    return chosen;
}

QString PathListModel::path(int row) const
{
    return pathAt(row).text;
}

EightBitText::Path PathListModel::pathAt(int row) const
{
    if (row < 0 || row >= m_count)
        return {};
    const auto batch = std::upper_bound(m_firstRows.cbegin(), m_firstRows.cend(), row) - 1;
    return m_batches.at(batch - m_firstRows.cbegin()).pathAt(row - *batch);
}

QStringList PathListModel::paths() const
{
    QStringList all;
    all.reserve(m_count);
    for (const PathBatch &batch : m_batches)
        all.append(batch.toList());
    return all;
}

void PathListModel::appendPaths(const PathBatch &paths)
{
    if (paths.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_count, m_count + int(paths.size()) - 1);
    m_batches.append(paths);
    m_firstRows.append(m_count);
    m_count += int(paths.size());
    endInsertRows();
}

void PathListModel::setBatch(const PathBatch &paths)
{
    beginResetModel();
    m_batches.clear();
    m_firstRows.clear();
    m_count = 0;
    if (!paths.isEmpty()) {
        m_batches.append(paths);
        m_firstRows.append(0);
        m_count = int(paths.size());
    }
    endResetModel();
}
