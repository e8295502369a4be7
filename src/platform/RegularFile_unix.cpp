// SPDX-License-Identifier: MIT

#include "platform/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "platform/EightBitText.h"

QString openRegularFile(const QString &path, QFile &file)
{
    // Without O_NONBLOCK opening a pipe waits for a writer; the flag means nothing for a regular file.
    const int fd = ::open(EightBitText::systemName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    struct stat status = {};
    const bool known = ::fstat(fd, &status) == 0;
    if (!known || !S_ISREG(status.st_mode)) {
        QString fault =
            known ? QCoreApplication::translate("RegularFile", "Not a regular file") : qt_error_string(errno);
        ::close(fd);
        return fault;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return {};
}
