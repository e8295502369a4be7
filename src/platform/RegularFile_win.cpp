// SPDX-License-Identifier: MIT

#include "platform/RegularFile.h"

#include <io.h>
#include <windows.h>

#include <QCoreApplication>
#include <QFile>

QString openRegularFile(const QString &path, QFile &file)
{
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    // Devices (CON, NUL, COM1) and pipes open like files; only a file on a disk is read.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        file.close();
        return QCoreApplication::translate("RegularFile", "Not a regular file");
    }
    return {};
}

void populatePages(char *data, qsizetype size)
{
    // Windows gives the pages as they are written.
    Q_UNUSED(data);
    Q_UNUSED(size);
}
