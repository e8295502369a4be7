// SPDX-License-Identifier: MIT

#pragma once

#include <QListWidget>

#include "core/FolderSearch.h"
#include "platform/EightBitText.h"

/**
 * A folder list like a folder tree opened down to its current folder: the folders from the root down to it,
 * then its subfolders. A double click makes a folder current; a single click only highlights it.
 */
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    /** Which subfolders are listed; only UTF-8 names until set. */
    void setNameBytes(FolderWalk::NameBytes names) { m_names = names; }

    QString folder() const { return m_folder.text; }
    const EightBitText::Path &folderPath() const { return m_folder; }
    void setFolder(const QString &folder);
    void setFolder(const EightBitText::Path &folder);
    /** The folder last clicked once, or the current folder when none was. */
    EightBitText::Path highlightedFolder() const;

signals:
    void folderChanged(const QString &folder);

private:
    FolderWalk::NameBytes m_names = FolderWalk::NameBytes::Utf8;
    EightBitText::Path m_folder;
    EightBitText::Path m_highlighted;
};
