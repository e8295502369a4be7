// SPDX-License-Identifier: MIT

#include "files/ui/FolderList.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

using EightBitText::Path;

namespace {

constexpr int kWindows1252Role = Qt::UserRole + 1;

Path pathOf(const QListWidgetItem *item)
{
    return {item->data(Qt::UserRole).toString(), item->data(kWindows1252Role).toBool()};
}

// The last name of a path, read on its own: a UTF-8 name below a Windows-1252 one still shows as itself.
QString lastName(const Path &path)
{
    const QByteArray bytes = path.bytes();
    const qsizetype end = std::max(bytes.lastIndexOf('/'), bytes.lastIndexOf(QDir::separator().toLatin1()));
    return EightBitText::decode(QByteArrayView(bytes).sliced(end + 1));
}

} // namespace

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    setAccessibleName(tr("Folders"));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { m_highlighted = pathOf(item); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) { setFolder(pathOf(item)); });
}

Path FolderList::highlightedFolder() const
{
    return m_highlighted.text.isEmpty() ? m_folder : m_highlighted;
}

void FolderList::setFolder(const QString &folder)
{
    setFolder(Path{folder});
}

// The chain up to the root is worked out on the text alone: Qt cannot look at a folder whose name is not UTF-8.
void FolderList::setFolder(const Path &folder)
{
    m_folder = Path{QDir::cleanPath(folder.text), folder.windows1252}.normalized();
    m_highlighted = {};
    clear();
    QList<Path> chain;
    for (QString up = QDir(m_folder.text).absolutePath();;) {
        chain.prepend(Path{up, m_folder.windows1252}.normalized());
        const QString parent = QFileInfo(up).path();
        if (QDir(up).isRoot() || parent == up)
            break;
        up = parent;
    }
    auto addFolder = [this](const Path &path, int depth) {
        const QString name = QDir(path.text).isRoot() ? QDir::toNativeSeparators(path.text) : lastName(path);
        auto *item = new QListWidgetItem(QString(qsizetype(depth) * 2, u' ') + name, this);
        item->setData(Qt::UserRole, path.text);
        item->setData(kWindows1252Role, path.windows1252);
        item->setToolTip(QDir::toNativeSeparators(path.text));
        return item;
    };
    for (qsizetype depth = 0; depth < chain.size(); ++depth)
        setCurrentItem(addFolder(chain[depth], int(depth)));
    for (const Path &sub : FolderWalk::subfolders(m_folder, m_names))
        addFolder(FolderWalk::join(m_folder, sub), int(chain.size()));
    emit folderChanged(m_folder.text);
}
