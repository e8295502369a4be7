// SPDX-License-Identifier: MIT

#include "platform/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
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

void populatePages(char *data, qsizetype size)
{
#ifdef MADV_POPULATE_WRITE
    const auto pageSize = quintptr(::sysconf(_SC_PAGESIZE));
    const quintptr start = (quintptr(data) + pageSize - 1) & ~(pageSize - 1);
    const quintptr end = quintptr(data) + quintptr(size);
    // A system older than the request refuses it, and the pages come as they are written.
    if (end > start)
        ::madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}
