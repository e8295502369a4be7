// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

#include "core/FolderSearch.h"
#include "playlist/PlayListModel.h"

/** The finder's results: full paths in the order they were found. */
class PathListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    /** The dragged paths in list order, as entries for a play list. */
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
    /** The rows' paths in list order, each once, as entries for a play list: what a drag of them carries. */
    QList<PlayListModel::Entry> entries(const QModelIndexList &indexes) const;

    QString path(int row) const;
    /** The path of a row with its code page, as it goes into a play list. */
    EightBitText::Path pathAt(int row) const;
    QStringList paths() const;
    void appendPaths(const PathBatch &paths);
    void setBatch(const PathBatch &paths);

private:
    // The batches as the search handed them over, and the row each begins at.
    QList<PathBatch> m_batches;
    QList<int> m_firstRows;
    int m_count = 0;
};
