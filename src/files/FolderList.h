#pragma once

#include <QListWidget>

/**
 * A folder list like a folder tree opened down to its current folder: the folders from the root down to it,
 * then its subfolders. A double click makes a folder current; a single click only highlights it.
 */
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    /** The folder last clicked once, or the current folder when none was. */
    QString highlightedFolder() const;

signals:
    void folderChanged(const QString &folder);

private:
    QString m_folder;
    QString m_highlighted;
};
