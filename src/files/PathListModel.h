#pragma once

#include <QAbstractListModel>
#include <QStringList>

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

    const QStringList &paths() const { return m_paths; }
    void appendPaths(const QStringList &paths);
    void setPaths(const QStringList &paths);

private:
    QStringList m_paths;
};
