// SPDX-License-Identifier: MIT

#include "platform/Folders.h"

#include <QCryptographicHash>

QString folderKey(const QString &programFolder)
{
    const QByteArray hash = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(hash.left(16));
}
