// SPDX-License-Identifier: MIT

#include "platform/EightBitText.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

// A name is bytes here, and Qt passes over those that are not UTF-8, so the folders are read with the C library.
namespace EightBitText {
QByteArray Path::bytes() const
{
    return windows1252 ? encodeWindows1252(text) : QFile::encodeName(text);
}

bool readFolder(const Path &folder, const std::function<void(QByteArrayView name, FolderItem kind)> &onItem)
{
    DIR *dir = opendir(folder.bytes().constData());
    if (!dir)
        return false;
    while (const dirent *entry = readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        FolderItem kind = FolderItem::Other;
        struct stat status = {};
        bool link = entry->d_type == DT_LNK;
        if (entry->d_type == DT_DIR) {
            kind = FolderItem::Folder;
        } else if (entry->d_type == DT_UNKNOWN &&
                   fstatat(dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            link = S_ISLNK(status.st_mode);
            if (S_ISDIR(status.st_mode))
                kind = FolderItem::Folder;
        }
        if (link && fstatat(dirfd(dir), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode))
            kind = FolderItem::LinkToFolder;
        onItem(name, kind);
    }
    closedir(dir);
    return true;
}

QByteArray systemName(const QString &path)
{
    QByteArray utf8 = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(utf8.constData(), &status) == 0)
        return utf8;
    const Path eightBit{path, true};
    // Only a text that decode() would give for bytes that are not UTF-8 stands for such a name.
    if (eightBit.normalized() != eightBit)
        return utf8;
    const QByteArray bytes = eightBit.bytes();
    return ::lstat(bytes.constData(), &status) == 0 ? bytes : utf8;
}

bool moveOnto(const QString &from, const QByteArray &target)
{
    const QByteArray source = QFile::encodeName(from);
    // A link is followed, as a save through it replaces the file it leads to, and that file keeps its mode.
    QByteArray destination = target;
    if (char *real = ::realpath(target.constData(), nullptr)) {
        destination = real;
        std::free(real);
    }
    struct stat status = {};
    if (::stat(destination.constData(), &status) == 0 && ::chmod(source.constData(), status.st_mode & 07777) != 0)
        return false;
    return ::rename(source.constData(), destination.constData()) == 0;
}

FolderState folderState(const Path &folder)
{
    const QByteArray bytes = folder.bytes();
    struct stat status = {};
    if (bytes.isEmpty() || stat(bytes.constData(), &status) != 0)
        return FolderState::Missing;
    if (!S_ISDIR(status.st_mode))
        return FolderState::NotAFolder;
    return access(bytes.constData(), R_OK) == 0 ? FolderState::Readable : FolderState::Unreadable;
}

} // namespace EightBitText
