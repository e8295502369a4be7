#include "files/FolderList.h"

#include <QDir>
#include <QFileInfo>

#include "files/FolderSearch.h"

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_highlighted = item->data(Qt::UserRole).toString(); });
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { setFolder(item->data(Qt::UserRole).toString()); });
}

QString FolderList::highlightedFolder() const
{
    return m_highlighted.isEmpty() ? m_folder : m_highlighted;
}

void FolderList::setFolder(const QString &folder)
{
    m_folder = QDir::cleanPath(folder);
    m_highlighted.clear();
    clear();
    QStringList chain;
    for (QDir up(m_folder);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    auto addFolder = [this](const QString &path, int depth) {
        const QString name = QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + name, this);
        item->setData(Qt::UserRole, path);
        item->setToolTip(QDir::toNativeSeparators(path));
        return item;
    };
    for (qsizetype depth = 0; depth < chain.size(); ++depth)
        setCurrentItem(addFolder(chain[depth], int(depth)));
    for (const QString &sub : FolderWalk::subfolders(m_folder))
        addFolder(FolderWalk::join(m_folder, sub), int(chain.size()));
    emit folderChanged(m_folder);
}
