// SPDX-License-Identifier: MIT

#include "platform/StorageDrives.h"

#include <QDir>
#include <QStorageInfo>

QStringList StorageDrives::drives() const
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots.append(drive.absoluteFilePath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    return roots;
}
