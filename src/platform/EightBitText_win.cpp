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

std::optional<QList<FolderItem>> readFolder(const Path &folder)
{
    if (folderState(folder) != FolderState::Readable)
        return std::nullopt;
    QList<FolderItem> items;
    QDirIterator entries(folder.text, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        FolderItem::Kind kind = FolderItem::Kind::Other;
        if (info.isDir())
            kind = info.isSymLink() ? FolderItem::Kind::LinkToFolder : FolderItem::Kind::Folder;
        items.append({info.fileName().toUtf8(), kind});
    }
    return items;
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
