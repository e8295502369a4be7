#include "files/PathListModel.h"

#include <QDir>

#include "playlist/EntryMime.h"

int PathListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_paths.size());
}

QVariant PathListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QDir::toNativeSeparators(m_paths[index.row()]);
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
    QList<PlayListModel::Entry> entries;
    for (const int row : EntryMime::rowsInOrder(indexes))
        entries.append({m_paths[row], false});
    return EntryMime::make(entries);
}

void PathListModel::appendPaths(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_paths.size()), int(m_paths.size() + paths.size()) - 1);
    m_paths.append(paths);
    endInsertRows();
}

void PathListModel::setPaths(const QStringList &paths)
{
    beginResetModel();
    m_paths = paths;
    endResetModel();
}
