// SPDX-License-Identifier: MIT

#include "platform/EightBitText.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

// Windows names its files in UTF-16: the text is the name, and Qt reaches every file.
namespace EightBitText {
QByteArray Path::bytes() const
{
    return text.toUtf8();
}

bool readFolder(const Path &folder, const std::function<void(QByteArrayView name, FolderItem kind)> &onItem)
{
    if (folderState(folder) != FolderState::Readable)
        return false;
    QDirIterator entries(folder.text, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        FolderItem kind = FolderItem::Other;
        if (info.isDir())
            kind = info.isSymLink() ? FolderItem::LinkToFolder : FolderItem::Folder;
        onItem(info.fileName().toUtf8(), kind);
    }
    return true;
}

QByteArray systemName(const QString &path)
{
    return path.toUtf8();
}

bool moveOnto(const QString &from, const QByteArray &target)
{
    const QString to = QString::fromUtf8(target);
    QFile::remove(to);
    return QFile::rename(from, to);
}

FolderState folderState(const Path &folder)
{
    const QFileInfo info(folder.text);
    if (!info.exists())
        return FolderState::Missing;
    if (!info.isDir())
        return FolderState::NotAFolder;
    return info.isReadable() && QDir(folder.text).isReadable() ? FolderState::Readable : FolderState::Unreadable;
}

} // namespace EightBitText
